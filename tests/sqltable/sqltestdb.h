#pragma once

#include <QSqlDatabase>
#include <QTemporaryDir>

// The databases the SQL suites run on: SQLite files in a temporary folder, and a throwaway
// PostgreSQL cluster (own data folder, Unix socket in a private folder, no TCP) started on first
// use and stopped with the fixture.
class SqlTestDatabases
{
public:
    ~SqlTestDatabases();
    // A fresh connection to "sqlite" or "postgres" holding the table item (id filled in by the
    // database, name unique, qty, done boolean) with rows a/1/true, b/2/false, c/3/NULL, d/4/true,
    // e/5/false. Invalid on failure, with why set; unavailable when no server can run here.
    QSqlDatabase open(const QString& backend, QString* why, bool* unavailable);

private:
    QTemporaryDir m_dir;
    int m_connections = 0;
    int m_pgState = 0; // 0 not tried, 1 running, -1 failed
    QString m_pgWhy;
};
