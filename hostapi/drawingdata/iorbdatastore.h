#pragma once

#include <QString>

class IOrbDrawset;
class IOrbDrawsetType;

// The connection of a data store to its file on disk.
class IOrbDataConnection
{
public:
    virtual ~IOrbDataConnection() = default;
    virtual void filePath(QString& out) = 0;
};

// The storage behind one drawing file.
class IOrbDataStore
{
public:
    virtual ~IOrbDataStore() = default;

    virtual IOrbDataConnection* connection() = 0;
    // Brackets a batch of writes; brackets nest and the outermost endUpdate commits. endUpdate
    // answers false when that commit failed and the batch was taken back (a nested one: true).
    virtual void beginUpdate() = 0;
    virtual bool endUpdate() = 0;
    // Given objects of another file with the same content, remove the matching records
    // (a type with its drawsets). False when nothing matched or the write failed.
    virtual bool removeDrawsetType(IOrbDrawsetType* type) = 0;
    virtual bool removeDrawset(IOrbDrawset* drawset) = 0;
};
