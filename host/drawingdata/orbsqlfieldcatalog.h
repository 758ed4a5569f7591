#pragma once

#include "drawingdata/orbsqlcatalog.h"

// The field catalogue of a drawing file.
class OrbSqlFieldCatalog : public OrbSqlCatalog<IOrbFieldCatalog, IOrbFieldEntry>
{
public:
    OrbSqlFieldCatalog(OrbSqlConnection* connection, const OrbSqlDrawsets* drawsets);

protected:
    IOrbFieldEntry* makeEntry(const QSqlQuery& row) const override;
};
