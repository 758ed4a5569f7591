#pragma once

#include <QList>
#include <QString>

class IOrbDrawset;

/// A code of a drawset's calculated tables, with its alias and readable name. The data view turns
/// the codes that appear in table fields into readable column captions with it.
class IOrbCodeEntry
{
public:
    virtual ~IOrbCodeEntry() = default;
    /// Another name under which the code appears in table fields; may be empty.
    virtual QString alias() = 0;
    /// The caption the data view shows for the code; empty leaves the field name as caption.
    virtual QString displayName() = 0;
    /// The code itself, as it appears in the tables' field names.
    virtual QString code() = 0;
};

/// A field of a drawset's calculated tables, with its readable name.
class IOrbFieldEntry
{
public:
    virtual ~IOrbFieldEntry() = default;
    /// The caption the data view shows for the field; empty leaves the field name as caption.
    virtual QString displayName() = 0;
    /// The field name as the tables of IOrbDrawsetTableProvider::queryTable carry it.
    virtual QString fieldName() = 0;
};

/// The code catalogue of a drawing file. Catalogue entries belong to the drawing file and live as
/// long as it does; the library never deletes them.
class IOrbCodeCatalog
{
public:
    virtual ~IOrbCodeCatalog() = default;
    /// Appends the code entries of drawset to out. Called by the data view each time it is given a
    /// drawset; an empty list means the captions stay the raw field names.
    virtual void getByDrawset(QList<IOrbCodeEntry*>& out, IOrbDrawset* drawset) = 0;
};

/// The field catalogue of a drawing file; entries live as long as the file.
class IOrbFieldCatalog
{
public:
    virtual ~IOrbFieldCatalog() = default;
    /// Appends the field entries of drawset to out. Called by the data view each time it is given a
    /// drawset; an empty list means the captions stay the raw field names.
    virtual void getByDrawset(QList<IOrbFieldEntry*>& out, IOrbDrawset* drawset) = 0;
};
