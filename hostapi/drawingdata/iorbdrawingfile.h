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

/// The drawset types of a drawing file.
class IOrbDrawsetTypes
{
public:
    virtual ~IOrbDrawsetTypes() = default;
    /// Appends all types to out in display order (the trees show them in this order). The library
    /// always passes true for flag. Called whenever a tree is built from the file.
    virtual void getAll(QList<IOrbDrawsetType*>& out, bool flag) = 0;
};

/// The drawsets of a drawing file.
class IOrbDrawsets
{
public:
    virtual ~IOrbDrawsets() = default;
    /// Appends the drawsets of type to out in display order; nothing for a type without drawsets.
    /// Called for every type when a tree is built.
    virtual void getByType(QList<IOrbDrawset*>& out, IOrbDrawsetType* type) = 0;
};

/// One drawing file: a library of drawset types and drawsets. Widgets hold it as
/// QSharedPointer<IOrbDrawingFile>; the types, drawsets and catalogues it hands out live as long as
/// the file.
class IOrbDrawingFile
{
public:
    virtual ~IOrbDrawingFile() = default;

    /// The file's name as the registry lists it (IOrbDrawingFileRegistry::fileNames). The input
    /// dialog selects the combo-box item of this name for the processor's drawset.
    virtual void fileName(QString& out) = 0;
    /// The element types the file serves; an empty set means every type. The input dialog drops the
    /// files that do not serve the processor's element type from its combo box.
    virtual void elementTypes(QSet<int>& out) = 0;
    /// The storage behind the file; used by the check tree's export. May be null, which fails the
    /// export.
    virtual QSharedPointer<IOrbDataStore> dataStore() = 0;
    /// The file's drawset types; null shows an empty tree.
    virtual IOrbDrawsetTypes* drawsetTypes() = 0;
    /// The file's drawsets; null shows types without drawsets.
    virtual IOrbDrawsets* drawsets() = 0;
    /// The code catalogue for the data view's captions; null leaves the raw field names.
    virtual IOrbCodeCatalog* codeCatalog() = 0;
    /// The field catalogue for the data view's captions; null leaves the raw field names.
    virtual IOrbFieldCatalog* fieldCatalog() = 0;
    /// False makes the drawing tree read-only: no renaming and no moving of nodes.
    virtual bool isEditable() = 0;
    /// Registers observer for change notifications of this file (see IOrbDrawingFileObserver).
    /// The library registers each tree that shows the file and removes it before it lets the file
    /// go. The file does not own the observer; registering it twice has no further effect.
    virtual void addObserver(IOrbDrawingFileObserver* observer) = 0;
    /// Unregisters observer; it is not called afterwards, also not from a notification that is
    /// being delivered. Unknown observers are ignored.
    virtual void removeObserver(IOrbDrawingFileObserver* observer) = 0;
};
