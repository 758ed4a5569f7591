#include "sqltestdb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <unistd.h>

namespace {
const int kPgPort = 54329; // only names the socket file inside the private folder

bool run(const QString& program, const QStringList& args, QString* output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    const bool finished = process.waitForFinished(120000);
    *output = QString::fromLocal8Bit(process.readAll()).trimmed();
    if (!finished) {
        process.kill();
        process.waitForFinished();
        *output += QStringLiteral(" (timed out)");
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool exec(QSqlDatabase& db, const QString& sql, QString* why)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    *why = sql + QStringLiteral(": ") + query.lastError().text();
    return false;
}
} // namespace

SqlTestDatabases::SqlTestDatabases() = default;

SqlTestDatabases::~SqlTestDatabases()
{
    for (const QString& name : QSqlDatabase::connectionNames()) {
        if (name.startsWith(QLatin1String("sqltest")))
            QSqlDatabase::removeDatabase(name);
    }
    if (m_pgRunning) {
        QString output;
        run(QStringLiteral("runuser"),
            {QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), m_pgBin + QStringLiteral("/pg_ctl"),
             QStringLiteral("-D"), m_dir.filePath(QStringLiteral("pg/data")), QStringLiteral("-m"),
             QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")},
            &output);
    }
}

bool SqlTestDatabases::startPostgres(QString* why)
{
    if (m_pgTried) {
        *why = m_pgWhy;
        return m_pgRunning;
    }
    m_pgTried = true;
    const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& version : versions) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(version);
        if (QFileInfo::exists(bin + QStringLiteral("/initdb")) && QFileInfo::exists(bin + QStringLiteral("/pg_ctl")))
            m_pgBin = bin;
    }
    if (m_pgBin.isEmpty()) {
        m_pgWhy = QStringLiteral("PostgreSQL server binaries (initdb, pg_ctl) not found under /usr/lib/postgresql");
    } else if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        m_pgWhy = QStringLiteral("Qt's QPSQL driver is not installed (libqt5sql5-psql)");
    } else if (geteuid() != 0) {
        m_pgWhy = QStringLiteral("starting a PostgreSQL cluster needs root (runuser -u postgres)");
    } else if (!m_dir.isValid()) {
        m_pgWhy = QStringLiteral("no temporary folder for the PostgreSQL cluster");
    }
    if (!m_pgWhy.isEmpty()) {
        *why = m_pgWhy;
        return false;
    }

    // The cluster's folders belong to postgres; the temporary folder above must let it pass.
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeGroup | QFile::ExeOther);
    const QString root = m_dir.filePath(QStringLiteral("pg"));
    const QString sock = root + QStringLiteral("/sock");
    const QString data = root + QStringLiteral("/data");
    QString output;
    const QString asPostgres = QStringLiteral("runuser");
    const QStringList prefix = {QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--")};
    bool ok = run(QStringLiteral("install"),
                  {QStringLiteral("-d"), QStringLiteral("-o"), QStringLiteral("postgres"), QStringLiteral("-g"),
                   QStringLiteral("postgres"), root, sock},
                  &output);
    if (ok)
        ok = run(asPostgres,
                 prefix + QStringList{m_pgBin + QStringLiteral("/initdb"), QStringLiteral("-D"), data,
                                      QStringLiteral("--auth=trust"), QStringLiteral("-U"), QStringLiteral("postgres"),
                                      QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8")},
                 &output);
    if (ok)
        ok = run(asPostgres,
                 prefix + QStringList{m_pgBin + QStringLiteral("/pg_ctl"), QStringLiteral("-D"), data, QStringLiteral("-l"),
                                      root + QStringLiteral("/server.log"), QStringLiteral("-o"),
                                      QStringLiteral("-p %1 -k %2 -c listen_addresses=''").arg(kPgPort).arg(sock),
                                      QStringLiteral("-w"), QStringLiteral("start")},
                 &output);
    m_pgRunning = ok;
    if (ok)
        ok = run(asPostgres,
                 prefix + QStringList{m_pgBin + QStringLiteral("/createdb"), QStringLiteral("-h"), sock, QStringLiteral("-p"),
                                      QString::number(kPgPort), QStringLiteral("-U"), QStringLiteral("postgres"),
                                      QStringLiteral("orbtest")},
                 &output);
    if (!ok) {
        m_pgWhy = QStringLiteral("the throwaway PostgreSQL cluster could not be started: ") + output;
        *why = m_pgWhy;
        return false;
    }
    return true;
}

QSqlDatabase SqlTestDatabases::open(const QString& backend, QString* why, bool* unavailable)
{
    *unavailable = false;
    // Earlier connections let go of their locks (DROP TABLE waits for them on PostgreSQL).
    for (const QString& old : QSqlDatabase::connectionNames()) {
        if (old.startsWith(QLatin1String("sqltest")))
            QSqlDatabase::database(old, false).close();
    }
    const QString name = QStringLiteral("sqltest%1").arg(++m_connections);
    QSqlDatabase db;
    QString table;
    if (backend == QLatin1String("sqlite")) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_dir.filePath(QStringLiteral("%1.sqlite").arg(name)));
        table = QStringLiteral("CREATE TABLE item (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, "
                               "qty INTEGER, done BOOLEAN)");
    } else {
        if (!startPostgres(why)) {
            *unavailable = true;
            return QSqlDatabase();
        }
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(m_dir.filePath(QStringLiteral("pg/sock")));
        db.setPort(kPgPort);
        db.setUserName(QStringLiteral("postgres"));
        db.setDatabaseName(QStringLiteral("orbtest"));
        table = QStringLiteral("CREATE TABLE item (id serial PRIMARY KEY, name text NOT NULL UNIQUE, "
                               "qty integer, done boolean)");
    }
    if (!db.open()) {
        *why = backend + QStringLiteral(": ") + db.lastError().text();
        return QSqlDatabase();
    }
    if (!exec(db, QStringLiteral("DROP TABLE IF EXISTS item"), why) || !exec(db, table, why)
        || !exec(db,
                 QStringLiteral("INSERT INTO item (name, qty, done) VALUES ('a', 1, true), ('b', 2, false), "
                                "('c', 3, NULL), ('d', 4, true), ('e', 5, false)"),
                 why))
        return QSqlDatabase();
    return db;
}
