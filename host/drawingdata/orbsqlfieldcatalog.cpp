#include "drawingdata/orbsqlfieldcatalog.h"

#include "drawingdata/orbsqlfieldentry.h"

OrbSqlFieldCatalog::OrbSqlFieldCatalog(OrbSqlConnection* connection, const OrbSqlDrawsets* drawsets)
    : OrbSqlCatalog(connection, drawsets,
                    QStringLiteral("SELECT field_name, display_name FROM field_catalog WHERE drawset_id = ? ORDER BY id"))
{
}

IOrbFieldEntry* OrbSqlFieldCatalog::makeEntry(const QSqlQuery& row) const
{
    return new OrbSqlFieldEntry(row.value(0).toString(), row.value(1).toString());
}
