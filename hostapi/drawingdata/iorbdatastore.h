#pragma once

#include <QString>

class IOrbDrawset;
class IOrbDrawsetType;

/// The connection of a data store to its file on disk.
class IOrbDataConnection
{
public:
    virtual ~IOrbDataConnection() = default;
    /// The path of the file on disk. The check tree's export copies this file; an empty path makes
    /// the export fail before anything is written.
    virtual void filePath(QString& out) = 0;
};

/// The storage behind one drawing file. The check tree's export uses it on the copy it made of a
/// drawing file, to remove the content the user did not check.
class IOrbDataStore
{
public:
    virtual ~IOrbDataStore() = default;

    /// The store's connection; the export reads the source file's path from it. May be null, which
    /// fails the export.
    virtual IOrbDataConnection* connection() = 0;
    /// Brackets a batch of writes; brackets nest and the outermost endUpdate commits. The export
    /// brackets all its removals in one pair.
    virtual void beginUpdate() = 0;
    /// Ends a batch started with beginUpdate(); the outermost call commits it.
    virtual void endUpdate() = 0;
    /// Removes the drawset type matching type, with its drawsets. type belongs to another file
    /// with the same content (the export's source), so the store matches by content, not by
    /// pointer. False when nothing matched or the write failed; the export then deletes the copy.
    virtual bool removeDrawsetType(IOrbDrawsetType* type) = 0;
    /// Removes the drawset matching drawset (an object of another file with the same content).
    /// False when nothing matched or the write failed.
    virtual bool removeDrawset(IOrbDrawset* drawset) = 0;
};
