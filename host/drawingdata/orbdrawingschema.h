#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QPair>
#include <QStringList>

// The SQLite layout of a drawing file, and the layout of a library on a PostgreSQL server: one
// schema holds many drawing files, each a row of orb_file with its types (by file_id) and their
// drawsets; the other tables are those of a file, with every updatable row versioned.
namespace orbschema {

constexpr int kVersion = 1;
constexpr const char* kFormat = "OrbDrawingFile";

// Statements that create an empty drawing file.
QStringList createStatements();
// Statements that create an empty library in the current schema of a server connection.
QStringList serverCreateStatements();
// The tables of a drawing file with their columns, parents first (as createStatements makes them).
QList<QPair<QString, QStringList>> fileTables();
// A connection name no other open connection uses.
QString uniqueConnectionName(const char* prefix);
// Opens path on a new connection; the caller removes the connection (see closeConnection).
QSqlDatabase openConnection(const QString& path, bool readOnly, QString* error);
// Closes and removes the connection of that name. No QSqlDatabase or QSqlQuery copy of it may live.
void closeConnection(const QString& name);
// Sets the read-only mark of the drawing file at path; writes only when the mark changes, so a
// file already in that state keeps its bytes. False for a file without the mark.
bool setReadOnlyMark(const QString& path, bool readOnly);
// Checks that the database's schema is a drawing file's: every table of createStatements is a
// plain table with at least its columns and primary key, and there is no view, trigger or
// virtual table (reading one could run without end). Empty when it is, else the reason;
// *notDrawingFile is set when there is no orb_meta table at all.
QString checkSchema(const QSqlDatabase& db, bool* notDrawingFile);
// Formats a list of element types as stored ("5020,5021") and back.
QString formatElementTypes(const QList<int>& types);
QList<int> parseElementTypes(const QString& text);

} // namespace orbschema
