#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The two databases the SQL table suites run on: an SQLite file in a temporary folder, and a
// throwaway PostgreSQL cluster (own data folder, Unix socket in a private folder, no TCP) that is
// started on first use and stopped with the fixture.
class SqlTestDatabases
{
public:
    SqlTestDatabases();
    ~SqlTestDatabases();

    // Opens a fresh connection to the backend ("sqlite" or "postgres") and creates the table
    // "item" (id key filled in by the database, name unique and not null, qty integer, done boolean)
    // with the rows a/1/true, b/2/false, c/3/NULL, d/4/true, e/5/false.
    // Returns an invalid database and sets why when it fails; unavailable is set when the server
    // cannot be started on this machine (the caller skips), as opposed to a failure of the test.
    QSqlDatabase open(const QString& backend, QString* why, bool* unavailable);

private:
    bool startPostgres(QString* why);

    QTemporaryDir m_dir;
    int m_connections = 0;
    bool m_pgTried = false;
    bool m_pgRunning = false;
    QString m_pgWhy;
    QString m_pgBin;
};
