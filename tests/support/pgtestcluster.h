#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

// A throwaway PostgreSQL cluster for tests: its own data folder in a temporary folder, trust
// authentication, listening on 127.0.0.1 at a port that was free when it was first started. The
// server runs as the postgres user (runuser, so the tests run as root) and is stopped, its folder
// removed, with the object.
class PgTestCluster
{
public:
    ~PgTestCluster();

    // Creates the cluster on the first call, then starts the server unless it runs. False, with
    // why, when no server can run on this machine (no binaries, no QPSQL driver, not root).
    bool start(QString* why);
    // Stops the server at once (immediate shutdown: clients lose their connections).
    void stop();

    // A new connection (not yet opened) to database on the cluster.
    QSqlDatabase connection(const QString& connectionName, const QString& database = QStringLiteral("postgres")) const;
    // Creates a database unless it exists.
    bool createDatabase(const QString& name, QString* why);

    int port() const { return m_port; }

private:
    QString script(const QString& body) const;

    QTemporaryDir m_dir;
    int m_port = 0;
    int m_state = 0; // 0 not created, 1 created, -1 cannot run here
    bool m_running = false;
    QString m_why;
};
