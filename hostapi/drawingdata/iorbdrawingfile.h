#pragma once

#include <QList>
#include <QSet>
#include <QSharedPointer>
#include <QString>

class IOrbCodeCatalog;
class IOrbDataStore;
class IOrbDrawset;
class IOrbDrawingFileObserver;
class IOrbDrawsetType;
class IOrbFieldCatalog;

// The drawset types of a drawing file.
class IOrbDrawsetTypes
{
public:
    virtual ~IOrbDrawsetTypes() = default;
    // All types in display order (order number, then id).
    virtual void getAll(QList<IOrbDrawsetType*>& out, bool flag) = 0;
};

// The drawsets of a drawing file.
class IOrbDrawsets
{
public:
    virtual ~IOrbDrawsets() = default;
    // The drawsets of one type in display order (order number, then id).
    virtual void getByType(QList<IOrbDrawset*>& out, IOrbDrawsetType* type) = 0;
};

// One drawing file: a library of drawset types and drawsets. Its objects live as long as the file.
class IOrbDrawingFile
{
public:
    virtual ~IOrbDrawingFile() = default;

    virtual void fileName(QString& out) = 0;
    // The element types the file serves; an empty set means every type.
    virtual void elementTypes(QSet<int>& out) = 0;
    virtual QSharedPointer<IOrbDataStore> dataStore() = 0;
    virtual IOrbDrawsetTypes* drawsetTypes() = 0;
    virtual IOrbDrawsets* drawsets() = 0;
    virtual IOrbCodeCatalog* codeCatalog() = 0;
    virtual IOrbFieldCatalog* fieldCatalog() = 0;
    virtual bool isEditable() = 0;
    /// Registers observer for change notifications of this file (see IOrbDrawingFileObserver).
    /// The library registers each tree that shows the file and removes it before it lets the file
    /// go. The file does not own the observer; registering it twice has no further effect.
    virtual void addObserver(IOrbDrawingFileObserver* observer) = 0;
    /// Unregisters observer; it is not called afterwards, also not from a notification that is
    /// being delivered. Unknown observers are ignored.
    virtual void removeObserver(IOrbDrawingFileObserver* observer) = 0;
};
