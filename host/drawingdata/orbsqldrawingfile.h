#pragma once

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/orbdrawingchangenotifier.h"
#include "drawingdata/orbdrawsetdefinition.h"

#include <QMultiHash>
#include <QPair>
#include <QSharedPointer>
#include <QString>

#include <memory>

class IOrbDrawset;
class OrbSqlCodeCatalog;
class OrbSqlConnection;
class OrbSqlDataStore;
class OrbSqlDrawset;
class OrbSqlDrawsetType;
class OrbSqlDrawsets;
class OrbSqlDrawsetTypes;
class OrbSqlFieldCatalog;
class OrbServerLibrary;

// A drawing file on disk: an SQLite database opened on a connection of its own; or a file of a
// server library (openOnServer), whose committed changes other clients hear of through the
// library's notification channel. Types and drawsets are read when the file opens and live as
// long as the file (removed ones too, so that pointers held by widgets stay valid); drawings and
// definitions are read on first use.
class OrbSqlDrawingFile : public IOrbDrawingFile
{
public:
    enum class OpenMode { ReadWrite, ReadOnly };

    // Null with the reason in error for a missing file, a file that is not a drawing file, a
    // newer schema or a damaged database.
    static QSharedPointer<OrbSqlDrawingFile> open(const QString& path, OpenMode mode, QString* error);
    // A file of a server library; null with the reason in error when the server cannot be
    // reached or the library has no file of that name.
    static QSharedPointer<OrbSqlDrawingFile> openOnServer(const OrbServerLibrary& library, const QString& name,
                                                          OpenMode mode, QString* error);
    ~OrbSqlDrawingFile() override;

    void fileName(QString& out) override;
    void elementTypes(QSet<int>& out) override;
    QSharedPointer<IOrbDataStore> dataStore() override;
    IOrbDrawsetTypes* drawsetTypes() override;
    IOrbDrawsets* drawsets() override;
    IOrbCodeCatalog* codeCatalog() override;
    IOrbFieldCatalog* fieldCatalog() override;
    // False when the file is marked read-only in its data or was opened read-only.
    bool isEditable() override;
    void addObserver(IOrbDrawingFileObserver* observer) override;
    void removeObserver(IOrbDrawingFileObserver* observer) override;

    QString filePath() const;
    // The order of the file among the files of a folder.
    int orderNum() const;
    // One of this file's live drawsets by id, or null.
    IOrbDrawset* findDrawset(qint64 id) const;
    // The stored definitions of one of this file's drawsets (drawing and catalogues excluded).
    // False for another file's drawset, and with the reason in error for a damaged or oversized
    // definition.
    bool drawsetDefinition(IOrbDrawset* drawset, OrbDrawsetDef& out, QString* error = nullptr);
    // True while a beginUpdate bracket is open.
    bool inUpdate() const;
    // Why the last write was refused because another client had changed or removed the row
    // (naming the object and what changed); empty when none was.
    QString lastError() const { return m_lastError; }

private:
    OrbSqlDrawingFile() = default;
    bool load(QString* error);
    // Reads the file and builds its objects on the open connection.
    bool setUp(QString* error);
    bool readDefinition(OrbSqlDrawset* drawset, OrbDrawsetDef& out, QString& error);

    // The files open on each path in this process: a committed batch of one is read back by
    // the others, so that every view of the file follows it.
    static QMultiHash<QString, OrbSqlDrawingFile*>& openFiles();
    void changed(const OrbDrawingChange& change);
    // Tells this file's observers, then lets the other files on the same path read back what
    // changed and tell theirs.
    void publish();
    // Re-reads the rows another writer changed (type id, drawset id or 0 for a type change)
    // and tells this file's observers, with this file's own objects.
    void readBack(const QList<OrbDrawingChange::Kind>& kinds, const QList<QPair<qint64, qint64>>& ids);
    // On a server: tells the other clients what the committed batch changed.
    void announce(const QList<OrbDrawingChange::Kind>& kinds, const QList<QPair<qint64, qint64>>& ids);
    void received(const QString& payload);
    // A refused update: names what the other client changed and re-reads the row.
    void conflict(const QString& table, qint64 id);
    void readBackConflicts();
    OrbSqlDrawsetType* readBackType(qint64 id);
    OrbSqlDrawset* readBackDrawset(qint64 id);
    bool readParams(qint64 drawsetId, QList<OrbParamDef>& out);
    bool readFilterTables(qint64 drawsetId, QList<OrbFilterTableDef>& out);

    QString m_name;
    int m_orderNum = 0;
    QSet<int> m_elementTypes;
    QString m_channel;
    QString m_lastError;
    QList<OrbDrawingChange::Kind> m_conflictKinds;
    QList<QPair<qint64, qint64>> m_conflictIds;
    // Declared first: everything below holds it and goes before it.
    std::unique_ptr<OrbSqlConnection> m_connection;
    std::unique_ptr<OrbSqlDrawsetTypes> m_types;
    std::unique_ptr<OrbSqlDrawsets> m_drawsets;
    std::unique_ptr<OrbSqlCodeCatalog> m_codes;
    std::unique_ptr<OrbSqlFieldCatalog> m_fields;
    QSharedPointer<OrbSqlDataStore> m_store;
    OrbDrawingChangeNotifier m_notifier{this};
};
