#include "drawingdata/orbsqlcodecatalog.h"

#include "drawingdata/orbsqlcodeentry.h"

OrbSqlCodeCatalog::OrbSqlCodeCatalog(OrbSqlConnection* connection, const OrbSqlDrawsets* drawsets)
    : OrbSqlCatalog(connection, drawsets,
                    QStringLiteral("SELECT code, alias, display_name FROM code_catalog WHERE drawset_id = ? ORDER BY id"))
{
}

IOrbCodeEntry* OrbSqlCodeCatalog::makeEntry(const QSqlQuery& row) const
{
    return new OrbSqlCodeEntry(row.value(0).toString(), row.value(1).toString(), row.value(2).toString());
}
