#pragma once

#include "drawingdata/orbsqlcatalog.h"

// The code catalogue of a drawing file.
class OrbSqlCodeCatalog : public OrbSqlCatalog<IOrbCodeCatalog, IOrbCodeEntry>
{
public:
    OrbSqlCodeCatalog(OrbSqlConnection* connection, const OrbSqlDrawsets* drawsets);

protected:
    IOrbCodeEntry* makeEntry(const QSqlQuery& row) const override;
};
