#include "drawingdata/orbsqlconnection.h"

#include "drawingdata/orbdatafaults.h"
#include "orbdrawingschema.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

OrbSqlConnection::OrbSqlConnection(const QString& path, const QSqlDatabase& db, bool editable, qint64 fileId)
    : m_path(path), m_db(db), m_connectionName(db.connectionName()), m_editable(editable), m_fileId(fileId)
{
}

OrbSqlConnection::~OrbSqlConnection()
{
    if (m_depth > 0 && m_db.isOpen())
        m_db.rollback(); // an unfinished batch never reaches the disk
    qDeleteAll(m_queries);
    m_queries.clear();
    m_db = QSqlDatabase();
    if (!m_connectionName.isEmpty())
        orbschema::closeConnection(m_connectionName);
}

bool OrbSqlConnection::allowWrite(const char* action) const
{
    if (!m_editable)
        qWarning().noquote() << "drawing file" << m_path << "is read-only:" << action << "refused";
    return m_editable;
}

QSqlQuery* OrbSqlConnection::prepared(const QString& sql)
{
    auto it = m_queries.find(sql);
    if (it != m_queries.end())
        return it.value();
    auto* query = new QSqlQuery(m_db);
    if (!query->prepare(sql)) {
        qWarning().noquote() << "drawing file" << m_path << "cannot prepare:" << query->lastError().text();
        delete query;
        return nullptr;
    }
    m_queries.insert(sql, query);
    return query;
}

bool OrbSqlConnection::selectById(const QString& sql, qint64 id, const std::function<void(const QSqlQuery&)>& row)
{
    QSqlQuery* query = prepared(sql);
    if (!query)
        return recovered() && selectById(sql, id, row);
    query->bindValue(0, id);
    if (!query->exec()) {
        qWarning().noquote() << "drawing file" << m_path << "cannot read:" << query->lastError().text();
        return recovered() && selectById(sql, id, row);
    }
    while (query->next())
        row(*query);
    const bool ok = !query->lastError().isValid();
    if (!ok)
        qWarning().noquote() << "drawing file" << m_path << "cannot read:" << query->lastError().text();
    query->finish();
    return ok;
}

bool OrbSqlConnection::write(const QString& sql, const QVariantList& values, int* rows)
{
    if (!m_editable)
        return false;
    if (m_checkBeforeWrite) {
        const std::function<bool(QSqlDatabase&)> check = std::move(m_checkBeforeWrite);
        m_checkBeforeWrite = nullptr;
        if (!check(m_db)) {
            qWarning().noquote() << "drawing file" << m_path << "is damaged: nothing is written to it";
            m_editable = false;
            m_batchFailed = m_depth > 0;
            return false;
        }
    }
    QSqlQuery* query = prepared(sql);
    if (!query) {
        m_batchFailed = m_depth > 0;
        return recovered() && write(sql, values, rows);
    }
    for (int i = 0; i < values.size(); ++i)
        query->bindValue(i, values.at(i));
    if (!query->exec()) {
        qWarning().noquote() << "drawing file" << m_path << "write failed:" << query->lastError().text();
        m_batchFailed = m_depth > 0;
        return recovered() && write(sql, values, rows);
    }
    if (rows)
        *rows = query->numRowsAffected();
    query->finish();
    return true;
}

void OrbSqlConnection::setVersion(const QString& table, qint64 id, qint64 version)
{
    if (isServer())
        m_versions[table][id] = version;
}

bool OrbSqlConnection::update(const QString& table, const char* column, const QVariant& value, qint64 id)
{
    if (!isServer())
        return write(QStringLiteral("UPDATE %1 SET %2 = ? WHERE id = ?").arg(table, QLatin1String(column)), {value, id});
    const qint64 version = m_versions.value(table).value(id);
    int rows = 0;
    if (!write(QStringLiteral("UPDATE %1 SET %2 = ?, row_version = row_version + 1 WHERE id = ? AND row_version = ?")
                   .arg(table, QLatin1String(column)),
               {value, id, version}, &rows))
        return false;
    if (rows != 1) {
        m_batchFailed = m_depth > 0;
        if (m_onConflict)
            m_onConflict(table, id);
        return false;
    }
    m_versions[table][id] = version + 1;
    remember([this, table, id, version] { m_versions[table][id] = version; });
    return true;
}

bool OrbSqlConnection::recovered()
{
    if (!isServer() || m_depth > 0)
        return false;
    {
        QSqlQuery probe(m_db);
        if (probe.exec(QStringLiteral("SELECT 1")))
            return false; // the statement itself failed, not the connection
    }
    return reconnect();
}

bool OrbSqlConnection::reconnect()
{
    qDeleteAll(m_queries);
    m_queries.clear();
    m_db.close();
    if (!m_db.open() || (m_setup && !m_setup(m_db))) {
        qWarning().noquote() << "drawing file" << m_path << "cannot reach the server:" << m_db.lastError().text();
        return false;
    }
    return true;
}

void OrbSqlConnection::remember(std::function<void()> restore)
{
    if (m_depth > 0)
        m_undo.append(std::move(restore));
}

void OrbSqlConnection::beginUpdate()
{
    if (m_depth++ > 0 || !m_editable)
        return;
    m_batchFailed = false;
    m_undo.clear();
    if (!m_db.transaction()) {
        // A server connection lost while idle is opened again before the batch gives up.
        --m_depth;
        const bool again = recovered();
        ++m_depth;
        if (again && m_db.transaction())
            return;
        qWarning().noquote() << "drawing file" << m_path << "cannot start a batch:" << m_db.lastError().text();
        m_batchFailed = true;
    }
}

bool OrbSqlConnection::endUpdate()
{
    if (m_depth <= 0) {
        qWarning().noquote() << "drawing file" << m_path << "endUpdate without beginUpdate";
        return false;
    }
    if (--m_depth > 0 || !m_editable)
        return true;
    bool ok = !m_batchFailed;
    if (ok && orbdatafaults::takeCommitFault())
        ok = false;
    if (ok && !m_db.commit()) {
        qWarning().noquote() << "drawing file" << m_path << "commit failed:" << m_db.lastError().text();
        ok = false;
    }
    if (!ok) {
        m_db.rollback();
        for (int i = m_undo.size() - 1; i >= 0; --i)
            m_undo.at(i)();
    }
    m_undo.clear();
    m_batchFailed = false;
    if (!ok)
        recovered(); // a batch cut off by a lost connection leaves it open again for the next one
    if (m_onBatchEnd)
        m_onBatchEnd(ok);
    return ok;
}

void OrbSqlConnection::setListeners(std::function<void(const OrbDrawingChange&)> onChange,
                                    std::function<void(bool)> onBatchEnd)
{
    m_onChange = std::move(onChange);
    m_onBatchEnd = std::move(onBatchEnd);
}

void OrbSqlConnection::changed(OrbDrawingChange::Kind kind, IOrbDrawsetType* type, IOrbDrawset* drawset)
{
    if (!m_onChange)
        return;
    OrbDrawingChange change;
    change.kind = kind;
    change.type = type;
    change.drawset = drawset;
    m_onChange(change);
}
