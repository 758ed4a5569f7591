#pragma once

#include "drawingdata/iorbcatalog.h"

// One row of a drawing file's code catalogue.
class OrbSqlCodeEntry : public IOrbCodeEntry
{
public:
    OrbSqlCodeEntry(const QString& code, const QString& alias, const QString& displayName);

    QString alias() override { return m_alias; }
    QString displayName() override { return m_displayName; }
    QString code() override { return m_code; }

private:
    QString m_code;
    QString m_alias;
    QString m_displayName;
};
