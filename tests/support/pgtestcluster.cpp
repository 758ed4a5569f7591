#include "pgtestcluster.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTcpServer>

namespace {
// A loopback port nobody listens on now (the kernel picks it).
int freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

QString run(const QString& script, bool* ok)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("sh"), {QStringLiteral("-ec"), script});
    *ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromLocal8Bit(process.readAll()).trimmed();
}

const char* const kCreate = R"sh(
[ "$(id -u)" -eq 0 ] || { echo "the tests do not run as root (the server runs as postgres via runuser)"; exit 1; }
id postgres >/dev/null 2>&1 || { echo "there is no postgres user"; exit 1; }
[ -x "$B/initdb" ] || { echo "PostgreSQL server binaries not found under /usr/lib/postgresql"; exit 1; }
chmod go+x "$D"
install -d -o postgres -g postgres "$D/pg" "$D/pg/sock"
runuser -u postgres -- "$B/initdb" -D "$D/pg/data" --auth=trust -U postgres -E UTF8 --locale=C.UTF-8 >/dev/null
)sh";
} // namespace

PgTestCluster::~PgTestCluster()
{
    stop();
}

QString PgTestCluster::script(const QString& body) const
{
    return QStringLiteral("D='%1'; P=%2; B=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)\n")
               .arg(m_dir.path())
               .arg(m_port)
        + body;
}

bool PgTestCluster::start(QString* why)
{
    if (m_state == 0) {
        bool ok = QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"));
        m_why = ok ? run(script(QLatin1String(kCreate)), &ok) : QStringLiteral("Qt's QPSQL driver is not installed");
        m_state = ok ? 1 : -1;
    }
    if (m_state == 1 && !m_running) {
        // Another cluster may have taken the port since; try a few.
        for (int attempt = 0; attempt < 5 && !m_running; ++attempt) {
            if (m_port == 0 || attempt > 0)
                m_port = freePort();
            bool ok = false;
            m_why = run(script(QStringLiteral(
                            "runuser -u postgres -- \"$B/pg_ctl\" -D \"$D/pg/data\" -l \"$D/pg/log\" "
                            "-o \"-p $P -k $D/pg/sock -c listen_addresses=127.0.0.1\" -w start >/dev/null "
                            "|| { tail -n 5 \"$D/pg/log\"; exit 1; }")),
                        &ok);
            m_running = ok;
        }
    }
    if (!m_running && why)
        *why = QStringLiteral("no throwaway PostgreSQL server could be started: ") + m_why;
    return m_running;
}

void PgTestCluster::stop()
{
    if (!m_running)
        return;
    bool ok = false;
    run(script(QStringLiteral("runuser -u postgres -- \"$B/pg_ctl\" -D \"$D/pg/data\" -m immediate -w stop")), &ok);
    m_running = false;
}

QSqlDatabase PgTestCluster::connection(const QString& connectionName, const QString& database) const
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(QStringLiteral("127.0.0.1"));
    db.setPort(m_port);
    db.setUserName(QStringLiteral("postgres"));
    db.setDatabaseName(database);
    return db;
}

bool PgTestCluster::createDatabase(const QString& name, QString* why)
{
    bool ok = false;
    const QString out = run(script(QStringLiteral("\"$B/psql\" -h 127.0.0.1 -p $P -U postgres -tAc "
                                                  "\"SELECT 1 FROM pg_database WHERE datname = '%1'\" postgres | grep -q 1 "
                                                  "|| \"$B/createdb\" -h 127.0.0.1 -p $P -U postgres '%1'")
                                       .arg(name)),
                            &ok);
    if (!ok && why)
        *why = out;
    return ok;
}
