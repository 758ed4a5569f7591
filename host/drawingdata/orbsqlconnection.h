#pragma once

#include "drawingdata/orbdrawingchange.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <functional>

class QSqlQuery;

// The database behind one drawing file: prepared statements, single writes and the
// beginUpdate/endUpdate batch. A batch whose write or commit fails is rolled back on disk and
// the in-memory changes remembered during it are undone, newest first.
// On a server (a file of a library, fileId its row in orb_file) the updatable rows carry a
// version: an update of a row another client changed since it was read is refused, and a lost
// connection is opened again for the next statement outside a batch.
class OrbSqlConnection
{
public:
    // Takes an open database; its connection is removed again when this object goes.
    OrbSqlConnection(const QString& path, const QSqlDatabase& db, bool editable, qint64 fileId = 0);
    ~OrbSqlConnection();
    OrbSqlConnection(const OrbSqlConnection&) = delete;
    OrbSqlConnection& operator=(const OrbSqlConnection&) = delete;

    const QString& path() const { return m_path; }
    QSqlDatabase& database() { return m_db; }
    bool isEditable() const { return m_editable; }
    bool isServer() const { return m_fileId != 0; }
    qint64 fileId() const { return m_fileId; }
    // The version column to select beside a type's or drawset's values ("0" in a local file).
    QString versionColumn() const { return isServer() ? QStringLiteral("row_version") : QStringLiteral("0"); }
    void setVersion(const QString& table, qint64 id, qint64 version);
    void setEditable(bool editable) { m_editable = editable; }
    // False, with a warning naming the action, when the file is read-only.
    bool allowWrite(const char* action) const;
    // check runs before the first write; when it fails nothing is written and the file stays
    // read-only (a damaged file must not be made worse).
    void checkBeforeFirstWrite(std::function<bool(QSqlDatabase&)> check) { m_checkBeforeWrite = std::move(check); }

    // A statement prepared once and kept for the life of the connection; null when it cannot
    // be prepared.
    QSqlQuery* prepared(const QString& sql);
    // Runs a prepared select with one bound id and hands every row to `row`. False when the
    // statement cannot run or a row cannot be read.
    bool selectById(const QString& sql, qint64 id, const std::function<void(const QSqlQuery&)>& row);
    // Runs one write. A failure inside a batch makes the whole batch roll back at its end.
    bool write(const QString& sql, const QVariantList& values, int* rows = nullptr);
    // Inside a batch, keeps `restore` to undo an in-memory change if the batch fails.
    void remember(std::function<void()> restore);

    // Writes one column of one row and, on success, the member that mirrors it; undone with a
    // failed batch. False when nothing changed, the file is read-only or the write failed.
    template <class T>
    bool store(T& member, const T& value, const char* action, const QString& table, const char* column, qint64 id)
    {
        if (member == value || !allowWrite(action) || !update(table, column, QVariant::fromValue(value), id))
            return false;
        remember([&member, old = member] { member = old; });
        member = value;
        return true;
    }

    // Writes one column of one row; on a server only while the row is at the version read.
    bool update(const QString& table, const char* column, const QVariant& value, qint64 id);
    // Called with the table and id of a row whose update was refused because another client
    // changed or removed it.
    void setConflictHandler(std::function<void(const QString&, qint64)> handler) { m_onConflict = std::move(handler); }
    // Run on the database after it was opened again (session settings, subscriptions).
    void setSessionSetup(std::function<bool(QSqlDatabase&)> setup) { m_setup = std::move(setup); }
    // Opens a lost server connection again; false, with a warning, when the server cannot be reached.
    bool reconnect();

    void beginUpdate();
    // False when the outermost batch was rolled back (or there was no batch to end).
    bool endUpdate();
    bool inUpdate() const { return m_depth > 0; }

    // Where changes of the file's objects go, and what hears of the end of an outermost batch
    // (true: committed, false: rolled back).
    void setListeners(std::function<void(const OrbDrawingChange&)> onChange, std::function<void(bool)> onBatchEnd);
    void changed(OrbDrawingChange::Kind kind, IOrbDrawsetType* type, IOrbDrawset* drawset = nullptr);

private:
    // After a failed statement outside a batch: true when the connection was lost and is open again.
    bool recovered();

    QString m_path;
    QSqlDatabase m_db;
    QString m_connectionName;
    bool m_editable;
    qint64 m_fileId;
    QHash<QString, QHash<qint64, qint64>> m_versions;
    std::function<void(const QString&, qint64)> m_onConflict;
    std::function<bool(QSqlDatabase&)> m_setup;
    QHash<QString, QSqlQuery*> m_queries;
    int m_depth = 0;
    bool m_batchFailed = false;
    QList<std::function<void()>> m_undo;
    std::function<void(const OrbDrawingChange&)> m_onChange;
    std::function<void(bool)> m_onBatchEnd;
    std::function<bool(QSqlDatabase&)> m_checkBeforeWrite;
};
