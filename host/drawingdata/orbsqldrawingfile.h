#pragma once

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/orbdrawsetdefinition.h"

#include <QSharedPointer>
#include <QString>

#include <memory>

class IOrbDrawset;
class OrbSqlCodeCatalog;
class OrbSqlConnection;
class OrbSqlDataStore;
class OrbSqlDrawset;
class OrbSqlDrawsets;
class OrbSqlDrawsetTypes;
class OrbSqlFieldCatalog;

// A drawing file on disk: an SQLite database opened on a connection of its own. Types and
// drawsets are read when the file opens and live as long as the file (removed ones too, so that
// pointers held by widgets stay valid); drawings and definitions are read on first use.
class OrbSqlDrawingFile : public IOrbDrawingFile
{
public:
    enum class OpenMode { ReadWrite, ReadOnly };

    // Null with the reason in error for a missing file, a file that is not a drawing file, a
    // newer schema or a damaged database.
    static QSharedPointer<OrbSqlDrawingFile> open(const QString& path, OpenMode mode, QString* error);
    ~OrbSqlDrawingFile() override;

    void fileName(QString& out) override;
    void elementTypes(QSet<int>& out) override;
    QSharedPointer<IOrbDataStore> dataStore() override;
    IOrbDrawsetTypes* drawsetTypes() override;
    IOrbDrawsets* drawsets() override;
    IOrbCodeCatalog* codeCatalog() override;
    IOrbFieldCatalog* fieldCatalog() override;
    // False when the file is marked read-only in its data or was opened read-only.
    bool isEditable() override;

    QString filePath() const;
    // The order of the file among the files of a folder.
    int orderNum() const;
    // One of this file's live drawsets by id, or null.
    IOrbDrawset* findDrawset(qint64 id) const;
    // The stored definitions of one of this file's drawsets (drawing and catalogues excluded).
    // False for another file's drawset, and with the reason in error for a damaged or oversized
    // definition.
    bool drawsetDefinition(IOrbDrawset* drawset, OrbDrawsetDef& out, QString* error = nullptr);
    // True while a beginUpdate bracket is open.
    bool inUpdate() const;

private:
    OrbSqlDrawingFile() = default;
    bool load(QString* error);
    bool readDefinition(OrbSqlDrawset* drawset, OrbDrawsetDef& out, QString& error);
    bool readParams(qint64 drawsetId, QList<OrbParamDef>& out);
    bool readFilterTables(qint64 drawsetId, QList<OrbFilterTableDef>& out);

    QString m_name;
    int m_orderNum = 0;
    QSet<int> m_elementTypes;
    // Declared first: everything below holds it and goes before it.
    std::unique_ptr<OrbSqlConnection> m_connection;
    std::unique_ptr<OrbSqlDrawsetTypes> m_types;
    std::unique_ptr<OrbSqlDrawsets> m_drawsets;
    std::unique_ptr<OrbSqlCodeCatalog> m_codes;
    std::unique_ptr<OrbSqlFieldCatalog> m_fields;
    QSharedPointer<OrbSqlDataStore> m_store;
};
