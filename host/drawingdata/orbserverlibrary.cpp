#include "drawingdata/orbserverlibrary.h"

#include "common/orbfilecopiers.h"
#include "drawingdata/orbsqldrawingfile.h"
#include "orbdrawingschema.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>

#include <algorithm>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("OrbDrawingWidgets", text);
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// Passwords of the libraries opened in this process, by URL: file paths leave them out.
QHash<QString, QString>& passwords()
{
    static QHash<QString, QString> all;
    return all;
}

// The rows of one drawing file (fromFile 0: all of a local file) copied into another database
// (toFile 0: a local file), with new ids; rows whose parent is not copied are left out.
bool copyRows(QSqlDatabase& from, qint64 fromFile, QSqlDatabase& to, qint64 toFile, QString* error)
{
    QHash<QString, QHash<qint64, qint64>> newIds; // by the column that refers to them
    for (const auto& table : orbschema::fileTables()) {
        const QString& name = table.first;
        const QStringList& columns = table.second;
        const bool ownedByFile = name == QLatin1String("orb_meta") || name == QLatin1String("drawset_type");
        QString scope;
        if (fromFile && ownedByFile)
            scope = QStringLiteral("WHERE file_id = ?");
        else if (fromFile && name == QLatin1String("drawset"))
            scope = QStringLiteral("WHERE type_id IN (SELECT id FROM drawset_type WHERE file_id = ?)");
        else if (fromFile)
            scope = QStringLiteral("WHERE drawset_id IN (SELECT d.id FROM drawset d JOIN drawset_type t "
                                   "ON t.id = d.type_id WHERE t.file_id = ?)");
        QSqlQuery read(from);
        read.setForwardOnly(true);
        read.prepare(QStringLiteral("SELECT %1 FROM %2 %3 ORDER BY %4")
                         .arg(columns.join(QLatin1String(", ")), name, scope, columns.first()));
        if (fromFile)
            read.addBindValue(fromFile);
        if (!read.exec())
            return fail(error, read.lastError().text());
        const bool hasId = columns.first() == QLatin1String("id");
        QStringList inserted = columns.mid(hasId ? 1 : 0);
        if (toFile && ownedByFile)
            inserted.prepend(QStringLiteral("file_id"));
        QString sql = QStringLiteral("INSERT INTO %1(%2) VALUES(%3)")
                          .arg(name, inserted.join(QLatin1String(", ")),
                               QString(QStringLiteral("?, ")).repeated(inserted.size()).chopped(2));
        if (hasId && toFile)
            sql += QLatin1String(" RETURNING id");
        QSqlQuery write(to);
        if (!write.prepare(sql))
            return fail(error, write.lastError().text());
        const QString idKey = name == QLatin1String("drawset_type") ? QStringLiteral("type_id")
                                                                     : QStringLiteral("drawset_id");
        while (read.next()) {
            int k = 0;
            if (toFile && ownedByFile)
                write.bindValue(k++, toFile);
            bool orphan = false;
            for (int c = hasId ? 1 : 0; c < columns.size(); ++c) {
                QVariant value = read.value(c);
                if (newIds.contains(columns.at(c))) {
                    const qint64 mapped = newIds.value(columns.at(c)).value(value.toLongLong());
                    orphan = orphan || mapped == 0;
                    value = mapped;
                }
                write.bindValue(k++, value);
            }
            if (orphan)
                continue;
            if (!write.exec())
                return fail(error, write.lastError().text());
            if (hasId && (name == QLatin1String("drawset_type") || name == QLatin1String("drawset"))) {
                const qint64 id = toFile ? (write.next() ? write.value(0).toLongLong() : 0)
                                         : write.lastInsertId().toLongLong();
                newIds[idKey].insert(read.value(0).toLongLong(), id);
            }
            write.finish();
        }
        if (read.lastError().isValid())
            return fail(error, read.lastError().text());
    }
    return true;
}

// A connection that is closed and removed when it goes (queries on it must go first).
struct Connection
{
    QSqlDatabase db;
    ~Connection()
    {
        const QString name = db.connectionName();
        db = QSqlDatabase();
        orbschema::closeConnection(name);
    }
};
} // namespace

OrbServerLibrary::OrbServerLibrary(const QString& text)
{
    static const bool copierAdded = [] {
        const orbfilecopiers::Copier copier = [](const QString& source, const QString& target) {
            QString url, name, error;
            if (!splitFilePath(source, &url, &name) || !OrbServerLibrary(url).exportFile(name, target, &error)) {
                qWarning().noquote() << "cannot copy" << source << ":" << error;
                return false;
            }
            return true;
        };
        orbfilecopiers::add(QStringLiteral("postgresql://"), copier);
        orbfilecopiers::add(QStringLiteral("postgres://"), copier);
        return true;
    }();
    Q_UNUSED(copierAdded);
    const QUrl url(text, QUrl::StrictMode);
    const QString database = url.path().mid(1);
    m_schema = QUrlQuery(url).queryItemValue(QStringLiteral("schema"));
    if (m_schema.isEmpty())
        m_schema = QStringLiteral("orb_library");
    if (!url.isValid() || !isServerUrl(text) || url.host().isEmpty() || database.isEmpty() || database.contains('/'))
        m_error = tr("服务器地址无效: %1 (应为 postgresql://用户@主机:端口/数据库?schema=图库)").arg(text);
    else if (!QRegularExpression(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]{0,40}$")).match(m_schema).hasMatch())
        m_error = tr("图库名称无效: %1").arg(m_schema);
    m_host = url.host();
    m_port = url.port(5432);
    m_user = url.userName();
    m_database = database;
    if (!url.password().isEmpty())
        passwords().insert(this->url(), url.password());
    m_password = passwords().value(this->url());
}

bool OrbServerLibrary::isServerUrl(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://")) || text.startsWith(QLatin1String("postgres://"));
}

bool OrbServerLibrary::splitFilePath(const QString& path, QString* url, QString* name)
{
    const int hash = path.lastIndexOf(QLatin1Char('#'));
    if (!isServerUrl(path) || hash < 0)
        return false;
    *url = path.left(hash);
    *name = QUrl::fromPercentEncoding(path.mid(hash + 1).toUtf8());
    return !name->isEmpty();
}

QString OrbServerLibrary::url() const
{
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setHost(m_host);
    url.setPort(m_port);
    url.setUserName(m_user);
    url.setPath(QLatin1Char('/') + m_database);
    url.setQuery(QStringLiteral("schema=") + m_schema);
    return url.toString();
}

QString OrbServerLibrary::filePath(const QString& name) const
{
    return url() + QLatin1Char('#') + QString::fromUtf8(QUrl::toPercentEncoding(name));
}

QString OrbServerLibrary::channel() const
{
    return QStringLiteral("orb_changes_") + m_schema.toLower();
}

QSqlDatabase OrbServerLibrary::connect(QString* error) const
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), orbschema::uniqueConnectionName("orbserver"));
    if (!m_error.isEmpty()) {
        fail(error, m_error);
        return db;
    }
    db.setHostName(m_host);
    db.setPort(m_port);
    db.setUserName(m_user);
    db.setPassword(m_password);
    db.setDatabaseName(m_database);
    db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    if (!db.open() || !setupSession(db)) {
        fail(error, tr("无法连接图库服务器: %1 (%2)").arg(url(), db.lastError().text().trimmed()));
        db.close();
    }
    return db;
}

bool OrbServerLibrary::setupSession(QSqlDatabase& db) const
{
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SET search_path TO ")
                      + db.driver()->escapeIdentifier(m_schema, QSqlDriver::TableName));
}

bool OrbServerLibrary::create(QString* error) const
{
    Connection server{connect(error)};
    QSqlDatabase& db = server.db;
    if (!db.isOpen())
        return false;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("CREATE SCHEMA IF NOT EXISTS ")
                    + db.driver()->escapeIdentifier(m_schema, QSqlDriver::TableName))
        || !query.exec(QStringLiteral("SELECT to_regclass('orb_file') IS NOT NULL")) || !query.next())
        return fail(error, query.lastError().text());
    if (query.value(0).toBool())
        return true;
    query.finish();
    db.transaction();
    for (const QString& statement : orbschema::serverCreateStatements()) {
        if (!query.exec(statement)) {
            const QString text = query.lastError().text();
            db.rollback();
            return fail(error, text);
        }
    }
    return db.commit() || fail(error, db.lastError().text());
}

bool OrbServerLibrary::fileNames(QStringList& out, QString* error) const
{
    out.clear();
    Connection server{connect(error)};
    QSqlDatabase& db = server.db;
    if (!db.isOpen())
        return false;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT f.name, m.value FROM orb_file f LEFT JOIN orb_meta m "
                                   "ON m.file_id = f.id AND m.key = 'order_num'")))
        return fail(error, query.lastError().text());
    QList<QPair<int, QString>> files;
    while (query.next())
        files.append({query.value(1).toInt(), query.value(0).toString()});
    std::sort(files.begin(), files.end());
    for (const auto& f : files)
        out.append(f.second);
    return true;
}

bool OrbServerLibrary::importFile(const QString& localPath, const QString& name, QString* error) const
{
    // Opening it checks that it is a drawing file and not damaged.
    if (!OrbSqlDrawingFile::open(localPath, OrbSqlDrawingFile::OpenMode::ReadOnly, error))
        return false;
    Connection source{orbschema::openConnection(localPath, true, error)};
    QSqlDatabase& local = source.db;
    Connection server{connect(error)};
    QSqlDatabase& db = server.db;
    if (!local.isOpen() || !db.isOpen())
        return false;
    QSqlQuery query(db);
    bool ok = db.transaction() && query.prepare(QStringLiteral("DELETE FROM orb_file WHERE name = ?"));
    query.addBindValue(name);
    ok = ok && query.exec() && query.prepare(QStringLiteral("INSERT INTO orb_file(name) VALUES(?) RETURNING id"));
    query.addBindValue(name);
    ok = ok && query.exec() && query.next();
    const qint64 fileId = ok ? query.value(0).toLongLong() : 0;
    if (!ok)
        fail(error, query.lastError().text());
    query.finish();
    if (ok && copyRows(local, 0, db, fileId, error) && db.commit())
        return true;
    if (ok && error && error->isEmpty())
        *error = db.lastError().text();
    db.rollback();
    return false;
}

bool OrbServerLibrary::exportFile(const QString& name, const QString& localPath, QString* error) const
{
    if (QFile::exists(localPath))
        return fail(error, tr("目标文件已存在: %1").arg(localPath));
    Connection server{connect(error)};
    QSqlDatabase& db = server.db;
    if (!db.isOpen())
        return false;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT id FROM orb_file WHERE name = ?"));
    query.addBindValue(name);
    if (!query.exec() || !query.next())
        return fail(error, tr("图库中没有图集文件: %1").arg(name));
    const qint64 fileId = query.value(0).toLongLong();
    query.finish();
    bool ok = false;
    {
        Connection target{orbschema::openConnection(localPath, false, error)};
        QSqlDatabase& local = target.db;
        QSqlQuery write(local);
        ok = local.isOpen() && write.exec(QStringLiteral("PRAGMA journal_mode=DELETE")) && local.transaction();
        for (const QString& statement : orbschema::createStatements())
            ok = ok && write.exec(statement);
        if (ok && !(ok = db.transaction() && copyRows(db, fileId, local, 0, error) && local.commit()))
            local.rollback();
        db.rollback(); // read only
        if (!ok && error && error->isEmpty())
            *error = write.lastError().text();
    }
    if (!ok)
        QFile::remove(localPath);
    return ok;
}
