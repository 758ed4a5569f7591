#include "orbdrawingschema.h"

#include <QAtomicInt>
#include <QFile>
#include <QHash>
#include <QPair>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace orbschema {

QStringList createStatements()
{
    return {
        QStringLiteral("CREATE TABLE orb_meta(key TEXT PRIMARY KEY NOT NULL, value TEXT)"),
        QStringLiteral("CREATE TABLE drawset_type(id INTEGER PRIMARY KEY, element_type INTEGER NOT NULL, "
                       "name TEXT NOT NULL, order_num INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE drawset(id INTEGER PRIMARY KEY, "
                       "type_id INTEGER NOT NULL REFERENCES drawset_type(id) ON DELETE CASCADE, "
                       "name TEXT NOT NULL, order_num INTEGER NOT NULL DEFAULT 0, "
                       "visible INTEGER NOT NULL DEFAULT 1, key_values TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE INDEX drawset_by_type ON drawset(type_id)"),
        QStringLiteral("CREATE TABLE drawset_drawing(drawset_id INTEGER PRIMARY KEY "
                       "REFERENCES drawset(id) ON DELETE CASCADE, data BLOB)"),
        QStringLiteral("CREATE TABLE drawset_param(id INTEGER PRIMARY KEY, "
                       "drawset_id INTEGER NOT NULL REFERENCES drawset(id) ON DELETE CASCADE, "
                       "seq INTEGER NOT NULL, code TEXT NOT NULL, name TEXT, info_code TEXT, info_name TEXT, "
                       "category INTEGER NOT NULL DEFAULT 0, data_type INTEGER NOT NULL DEFAULT 0, "
                       "decimals INTEGER NOT NULL DEFAULT 0, vd_id INTEGER NOT NULL DEFAULT -1, "
                       "read_only INTEGER NOT NULL DEFAULT 0, default_excluded INTEGER NOT NULL DEFAULT 0, "
                       "drawing_info INTEGER NOT NULL DEFAULT 1, min_value REAL, max_value REAL, "
                       "formula TEXT, default_value TEXT, unit TEXT, bar_length TEXT, bar_span TEXT)"),
        QStringLiteral("CREATE INDEX drawset_param_by_drawset ON drawset_param(drawset_id)"),
        QStringLiteral("CREATE TABLE filter_table(id INTEGER PRIMARY KEY, "
                       "drawset_id INTEGER NOT NULL REFERENCES drawset(id) ON DELETE CASCADE, "
                       "seq INTEGER NOT NULL, name TEXT NOT NULL, caption TEXT, columns TEXT NOT NULL, rows TEXT)"),
        QStringLiteral("CREATE INDEX filter_table_by_drawset ON filter_table(drawset_id)"),
        QStringLiteral("CREATE TABLE code_catalog(id INTEGER PRIMARY KEY, "
                       "drawset_id INTEGER NOT NULL REFERENCES drawset(id) ON DELETE CASCADE, "
                       "code TEXT NOT NULL, alias TEXT, display_name TEXT)"),
        QStringLiteral("CREATE INDEX code_catalog_by_drawset ON code_catalog(drawset_id)"),
        QStringLiteral("CREATE TABLE field_catalog(id INTEGER PRIMARY KEY, "
                       "drawset_id INTEGER NOT NULL REFERENCES drawset(id) ON DELETE CASCADE, "
                       "field_name TEXT NOT NULL, display_name TEXT)"),
        QStringLiteral("CREATE INDEX field_catalog_by_drawset ON field_catalog(drawset_id)"),
    };
}

namespace {
// Column name and primary-key position of each table, as PRAGMA table_info reports them.
using Columns = QList<QPair<QString, int>>;

Columns columnsOf(const QSqlDatabase& db, const QString& table)
{
    Columns columns;
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table))) {
        while (query.next())
            columns.append({query.value(1).toString(), query.value(5).toInt()});
    }
    return columns;
}

// The tables createStatements makes, read once from an in-memory database built with them.
const QHash<QString, Columns>& expectedTables()
{
    static const QHash<QString, Columns> tables = [] {
        QHash<QString, Columns> out;
        const QString name = uniqueConnectionName("orbschema");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(QStringLiteral(":memory:"));
            if (db.open()) {
                QSqlQuery query(db);
                for (const QString& statement : createStatements())
                    query.exec(statement);
                query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
                QStringList names;
                while (query.next())
                    names.append(query.value(0).toString());
                for (const QString& table : names)
                    out.insert(table, columnsOf(db, table));
            }
        }
        closeConnection(name);
        return out;
    }();
    return tables;
}
} // namespace

QString checkSchema(const QSqlDatabase& db, bool* notDrawingFile)
{
    *notDrawingFile = false;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT type, name, sql FROM sqlite_master")))
        return query.lastError().text();
    QSet<QString> tables;
    while (query.next()) {
        const QString type = query.value(0).toString();
        const QString name = query.value(1).toString();
        if (type == QLatin1String("view") || type == QLatin1String("trigger"))
            return QStringLiteral("%1 %2 is not allowed").arg(type, name);
        if (type != QLatin1String("table"))
            continue;
        if (query.value(2).toString().trimmed().startsWith(QLatin1String("CREATE VIRTUAL"), Qt::CaseInsensitive))
            return QStringLiteral("virtual table %1 is not allowed").arg(name);
        tables.insert(name);
    }
    if (query.lastError().isValid())
        return query.lastError().text();
    if (!tables.contains(QStringLiteral("orb_meta"))) {
        *notDrawingFile = true;
        return QStringLiteral("no table orb_meta");
    }
    const QHash<QString, Columns>& expected = expectedTables();
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
        if (!tables.contains(it.key()))
            return QStringLiteral("no table %1").arg(it.key());
        const Columns actual = columnsOf(db, it.key());
        for (const auto& column : it.value()) {
            if (!actual.contains(column))
                return QStringLiteral("table %1 lacks column %2 as it must be").arg(it.key(), column.first);
        }
    }
    return QString();
}

QString uniqueConnectionName(const char* prefix)
{
    static QAtomicInt counter;
    return QStringLiteral("%1-%2").arg(QLatin1String(prefix)).arg(counter.fetchAndAddRelaxed(1) + 1);
}

QSqlDatabase openConnection(const QString& path, bool readOnly, QString* error)
{
    const QString name = uniqueConnectionName("orbdrawing");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
        if (error)
            *error = db.lastError().text();
        return db;
    }
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    return db;
}

void closeConnection(const QString& name)
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

bool setReadOnlyMark(const QString& path, bool readOnly)
{
    if (!QFile::exists(path))
        return false;
    const QString wanted = readOnly ? QStringLiteral("1") : QStringLiteral("0");
    bool ok = false;
    QString name;
    {
        QString error;
        QSqlDatabase db = openConnection(path, false, &error);
        name = db.connectionName();
        if (db.isOpen()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SELECT value FROM orb_meta WHERE key = 'read_only'")) && query.next()) {
                ok = query.value(0).toString() == wanted;
                query.finish();
                if (!ok) {
                    ok = query.prepare(QStringLiteral("UPDATE orb_meta SET value = ? WHERE key = 'read_only'"));
                    query.addBindValue(wanted);
                    ok = ok && query.exec() && query.numRowsAffected() == 1;
                }
            }
        }
    }
    closeConnection(name);
    return ok;
}

QString formatElementTypes(const QList<int>& types)
{
    QList<int> sorted = types;
    std::sort(sorted.begin(), sorted.end());
    QStringList parts;
    for (int t : sorted)
        parts.append(QString::number(t));
    return parts.join(QLatin1Char(','));
}

QList<int> parseElementTypes(const QString& text)
{
    QList<int> types;
    const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        bool ok = false;
        const int t = part.trimmed().toInt(&ok);
        if (ok)
            types.append(t);
    }
    return types;
}

} // namespace orbschema
