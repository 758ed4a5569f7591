#pragma once

#include "drawingdata/iorbcatalog.h"

// One row of a drawing file's field catalogue.
class OrbSqlFieldEntry : public IOrbFieldEntry
{
public:
    OrbSqlFieldEntry(const QString& fieldName, const QString& displayName);

    QString displayName() override { return m_displayName; }
    QString fieldName() override { return m_fieldName; }

private:
    QString m_fieldName;
    QString m_displayName;
};
