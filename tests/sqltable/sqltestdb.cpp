#include "sqltestdb.h"

#include <QSqlError>
#include <QSqlQuery>

QString SqlTestDatabases::sqliteFile(const QSqlDatabase& db) const
{
    return m_dir.filePath(db.connectionName() + QStringLiteral(".sqlite"));
}

QSqlDatabase SqlTestDatabases::open(const QString& backend, QString* why, bool* unavailable)
{
    *unavailable = false;
    // Earlier connections let go of their locks (DROP TABLE waits for them on PostgreSQL).
    for (const QString& old : QSqlDatabase::connectionNames())
        QSqlDatabase::database(old, false).close();
    const bool sqlite = backend == QLatin1String("sqlite");
    if (!sqlite) {
        if (!m_pg.start(why)) {
            *unavailable = true;
            return QSqlDatabase();
        }
        if (!m_pgCreated && !(m_pgCreated = m_pg.createDatabase(QStringLiteral("orbtest"), why)))
            return QSqlDatabase();
    }
    const QString name = QStringLiteral("sqltest%1").arg(++m_connections);
    QSqlDatabase db = sqlite ? QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name)
                             : m_pg.connection(name, QStringLiteral("orbtest"));
    if (sqlite)
        db.setDatabaseName(sqliteFile(db));
    const QStringList statements = {
        QStringLiteral("DROP TABLE IF EXISTS item"),
        QStringLiteral("DROP TABLE IF EXISTS flag"),
        QStringLiteral("CREATE TABLE flag (ok BOOLEAN)"),
        QStringLiteral("INSERT INTO flag VALUES (true)"),
        sqlite ? QStringLiteral("CREATE TABLE item (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, qty INTEGER, done BOOLEAN, len REAL)")
               : QStringLiteral("CREATE TABLE item (id serial PRIMARY KEY, name text NOT NULL UNIQUE, qty integer, done boolean, "
                                "len double precision)"),
        QStringLiteral("INSERT INTO item (name, qty, done, len) VALUES ('a', 1, true, 1.5), ('b', 2, false, 2), "
                       "('c', 3, NULL, 3), ('d', 4, true, 4), ('e', 5, false, 5)")};
    if (!db.open()) {
        *why = db.lastError().text();
        return QSqlDatabase();
    }
    QSqlQuery query(db);
    for (const QString& sql : statements) {
        if (!query.exec(sql)) {
            *why = sql + QStringLiteral(": ") + query.lastError().text();
            return QSqlDatabase();
        }
    }
    return db;
}
