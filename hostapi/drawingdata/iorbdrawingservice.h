#pragma once

#include <QSharedPointer>
#include <QString>
#include <QStringList>

class IOrbDrawingFile;
class IOrbDrawset;
class LumMemTable;
class OrbKeyValueList;

// The registry of the drawing files a service knows.
class IOrbDrawingFileRegistry
{
public:
    virtual ~IOrbDrawingFileRegistry() = default;
    // All drawing-file names, in display order.
    virtual void fileNames(QStringList& out) = 0;
    // The file of that name, or null. The registry keeps it alive.
    virtual IOrbDrawingFile* findFile(const QString& name) = 0;
    // The same name always gives the same object; out is null for an unknown name.
    virtual void openFile(QSharedPointer<IOrbDrawingFile>& out, const QString& name) = 0;
};

// Gives a drawset's calculated tables.
class IOrbDrawsetTableProvider
{
public:
    virtual ~IOrbDrawsetTableProvider() = default;
    // The drawset's table of that name, or null.
    virtual QSharedPointer<LumMemTable> queryTable(IOrbDrawset* drawset, const QString& tableName,
                                                   const OrbKeyValueList& params) = 0;
};

// The drawing service of the host.
class IOrbDrawingService
{
public:
    virtual ~IOrbDrawingService() = default;
    virtual IOrbDrawingFileRegistry* drawingFiles() = 0;
    virtual IOrbDrawsetTableProvider* drawsetTableProvider() = 0;
};
