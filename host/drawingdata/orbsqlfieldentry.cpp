#include "drawingdata/orbsqlfieldentry.h"

OrbSqlFieldEntry::OrbSqlFieldEntry(const QString& fieldName, const QString& displayName)
    : m_fieldName(fieldName), m_displayName(displayName)
{
}
