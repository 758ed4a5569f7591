#pragma once

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/orbdrawsetdefinition.h"

#include <QSharedPointer>
#include <QString>

#include <memory>

class IOrbDrawset;

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
    void addObserver(IOrbDrawingFileObserver* observer) override;
    void removeObserver(IOrbDrawingFileObserver* observer) override;

    QString filePath() const;
    // The order of the file among the files of a folder.
    int orderNum() const;
    // One of this file's live drawsets by id, or null.
    IOrbDrawset* findDrawset(int id) const;
    // The stored definitions of one of this file's drawsets (drawing and catalogues excluded).
    bool drawsetDefinition(IOrbDrawset* drawset, OrbDrawsetDef& out);
    // True while a beginUpdate bracket is open.
    bool inUpdate() const;

    struct Private;

private:
    OrbSqlDrawingFile();
    std::unique_ptr<Private> d;
};
