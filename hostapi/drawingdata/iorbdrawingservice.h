#pragma once

#include <QSharedPointer>
#include <QString>
#include <QStringList>

class IOrbDrawingFile;
class IOrbDrawset;
class LumMemTable;
class OrbKeyValueList;

/// The registry of the drawing files a service knows.
class IOrbDrawingFileRegistry
{
public:
    virtual ~IOrbDrawingFileRegistry() = default;
    /// Appends all drawing-file names to out, in display order. The input dialog fills its file
    /// combo box with them when it is built.
    virtual void fileNames(QStringList& out) = 0;
    /// The file of that name, or null for an unknown name. The registry keeps it alive. The input
    /// dialog asks each listed file which element types it serves.
    virtual IOrbDrawingFile* findFile(const QString& name) = 0;
    /// Opens the file of that name into out, or sets out to null for an unknown name. The same name
    /// must always give the same object: the drawing tree rebuilds only when the pointer changes.
    virtual void openFile(QSharedPointer<IOrbDrawingFile>& out, const QString& name) = 0;
};

/// Gives a drawset's calculated tables.
class IOrbDrawsetTableProvider
{
public:
    virtual ~IOrbDrawsetTableProvider() = default;
    /// The drawset's calculated table of that name (the data view asks once per tab after each
    /// calculation, passing an empty params list), or null when the drawset has no such table.
    virtual QSharedPointer<LumMemTable> queryTable(IOrbDrawset* drawset, const QString& tableName,
                                                   const OrbKeyValueList& params) = 0;
};

/// The drawing service of the host: the entry point every dialog of the library is given at
/// construction. The library keeps the pointer without owning it.
class IOrbDrawingService
{
public:
    virtual ~IOrbDrawingService() = default;
    /// The registry of drawing files; null leaves the input dialog without files.
    virtual IOrbDrawingFileRegistry* drawingFiles() = 0;
    /// The provider of calculated tables for the data view; null leaves its tables empty.
    virtual IOrbDrawsetTableProvider* drawsetTableProvider() = 0;
};
