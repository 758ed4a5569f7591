#include "sqltestdb.h"

#include <QDir>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QString shell(const QString& script, bool* ok)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("sh"), {QStringLiteral("-ec"), script});
    *ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromLocal8Bit(process.readAll()).trimmed();
}

const char* const kPgScript = R"(
B=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | tail -n 1)
[ -x "$B/initdb" ] || { echo "PostgreSQL server binaries not found under /usr/lib/postgresql"; exit 1; }
chmod go+x "$D"
install -d -o postgres -g postgres "$D/pg" "$D/pg/sock"
runuser -u postgres -- "$B/initdb" -D "$D/pg/data" --auth=trust -U postgres -E UTF8 --locale=C.UTF-8 >/dev/null
runuser -u postgres -- "$B/pg_ctl" -D "$D/pg/data" -l "$D/pg/log" -o "-p 54329 -k $D/pg/sock -c listen_addresses=''" -w start >/dev/null
runuser -u postgres -- "$B/createdb" -h "$D/pg/sock" -p 54329 -U postgres orbtest
)";
} // namespace

SqlTestDatabases::~SqlTestDatabases()
{
    if (m_pgState == 1) {
        bool ok = false;
        shell(QStringLiteral("D='%1'; runuser -u postgres -- $(ls -d /usr/lib/postgresql/*/bin | tail -n 1)/pg_ctl "
                             "-D \"$D/pg/data\" -m immediate -w stop")
                  .arg(m_dir.path()),
              &ok);
    }
}

QSqlDatabase SqlTestDatabases::open(const QString& backend, QString* why, bool* unavailable)
{
    *unavailable = false;
    // Earlier connections let go of their locks (DROP TABLE waits for them on PostgreSQL).
    for (const QString& old : QSqlDatabase::connectionNames())
        QSqlDatabase::database(old, false).close();
    const bool sqlite = backend == QLatin1String("sqlite");
    if (!sqlite && m_pgState == 0) {
        bool ok = QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"));
        m_pgWhy = ok ? shell(QStringLiteral("D='%1'\n").arg(m_dir.path()) + QLatin1String(kPgScript), &ok)
                     : QStringLiteral("Qt's QPSQL driver is not installed");
        m_pgState = ok ? 1 : -1;
    }
    if (!sqlite && m_pgState != 1) {
        *unavailable = true;
        *why = QStringLiteral("no throwaway PostgreSQL server could be started: ") + m_pgWhy;
        return QSqlDatabase();
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"),
                                                QStringLiteral("sqltest%1").arg(++m_connections));
    if (sqlite) {
        db.setDatabaseName(m_dir.filePath(db.connectionName() + QStringLiteral(".sqlite")));
    } else {
        db.setHostName(m_dir.filePath(QStringLiteral("pg/sock")));
        db.setPort(54329);
        db.setUserName(QStringLiteral("postgres"));
        db.setDatabaseName(QStringLiteral("orbtest"));
    }
    const QStringList statements = {
        QStringLiteral("DROP TABLE IF EXISTS item"),
        sqlite ? QStringLiteral("CREATE TABLE item (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, qty INTEGER, done BOOLEAN)")
               : QStringLiteral("CREATE TABLE item (id serial PRIMARY KEY, name text NOT NULL UNIQUE, qty integer, done boolean)"),
        QStringLiteral("INSERT INTO item (name, qty, done) VALUES ('a', 1, true), ('b', 2, false), ('c', 3, NULL), "
                       "('d', 4, true), ('e', 5, false)")};
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
