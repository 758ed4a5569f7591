#pragma once

#include <QList>
#include <QString>

class IOrbDrawset;

// A code of a drawset's calculated tables, with its alias and readable name.
class IOrbCodeEntry
{
public:
    virtual ~IOrbCodeEntry() = default;
    virtual QString alias() = 0;
    virtual QString displayName() = 0;
    virtual QString code() = 0;
};

// A field of a drawset's calculated tables, with its readable name.
class IOrbFieldEntry
{
public:
    virtual ~IOrbFieldEntry() = default;
    virtual QString displayName() = 0;
    virtual QString fieldName() = 0;
};

// Catalogue entries belong to the drawing file and live as long as it does.
class IOrbCodeCatalog
{
public:
    virtual ~IOrbCodeCatalog() = default;
    virtual void getByDrawset(QList<IOrbCodeEntry*>& out, IOrbDrawset* drawset) = 0;
};

class IOrbFieldCatalog
{
public:
    virtual ~IOrbFieldCatalog() = default;
    virtual void getByDrawset(QList<IOrbFieldEntry*>& out, IOrbDrawset* drawset) = 0;
};
