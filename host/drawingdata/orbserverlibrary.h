#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// A drawing library on a PostgreSQL server, named by a URL
// postgresql://[user[:password]@]host[:port]/database[?schema=name] (schema "orb_library" when
// not given). The library is that schema; each drawing file is a row of its orb_file table with
// the rows that hang off it. A file of the library is addressed as the URL (without password)
// followed by "#" and the file's name.
class OrbServerLibrary
{
public:
    explicit OrbServerLibrary(const QString& url);

    static bool isServerUrl(const QString& text);
    // Splits a file path into the library's URL and the file's name; false for a local path.
    static bool splitFilePath(const QString& path, QString* url, QString* name);

    // Empty when the URL names a library, else why not.
    QString urlError() const { return m_error; }
    QString url() const;
    QString schema() const { return m_schema; }
    QString filePath(const QString& name) const;
    // The channel on which the library's clients announce committed changes.
    QString channel() const;

    // A new open connection to the library (search path on its schema). Not open, with the reason
    // in error, when the server cannot be reached; the caller closes it (orbschema::closeConnection).
    QSqlDatabase connect(QString* error) const;
    // Points a (re)opened connection at the library's schema.
    bool setupSession(QSqlDatabase& db) const;
    // Creates the schema and its tables unless they exist.
    bool create(QString* error) const;
    // The files in display order (order number, then name); false when the server cannot answer.
    bool fileNames(QStringList& out, QString* error) const;

    // Copies the drawing file at localPath into the library as name (a file of that name is
    // replaced), drawings byte for byte. All or nothing.
    bool importFile(const QString& localPath, const QString& name, QString* error) const;
    // Writes the library's file name as a new drawing file at localPath (which must not exist).
    bool exportFile(const QString& name, const QString& localPath, QString* error) const;

private:
    QString m_host;
    int m_port = 5432;
    QString m_user;
    QString m_password;
    QString m_database;
    QString m_schema;
    QString m_error;
};
