#pragma once

#include "pgtestcluster.h"

#include <QSqlDatabase>
#include <QTemporaryDir>

// The databases the SQL suites run on: SQLite files in a temporary folder, and a throwaway
// PostgreSQL cluster started on first use and stopped with the fixture.
class SqlTestDatabases
{
public:
    // A fresh connection to "sqlite" or "postgres" holding the table item (id filled in by the
    // database, name unique, qty, done boolean, len real) with rows a/1/true/1.5, b/2/false/2,
    // c/3/NULL/3, d/4/true/4, e/5/false/5, and the table flag (ok boolean) with one row, true.
    // Invalid on failure, with why set; unavailable when no server can run here.
    // A stopped server is started again.
    QSqlDatabase open(const QString& backend, QString* why, bool* unavailable);

    PgTestCluster& postgres() { return m_pg; }
    QString sqliteFile(const QSqlDatabase& db) const;

private:
    QTemporaryDir m_dir;
    PgTestCluster m_pg;
    int m_connections = 0;
    bool m_pgCreated = false;
};
