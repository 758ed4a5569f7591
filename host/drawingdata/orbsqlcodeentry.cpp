#include "drawingdata/orbsqlcodeentry.h"

OrbSqlCodeEntry::OrbSqlCodeEntry(const QString& code, const QString& alias, const QString& displayName)
    : m_code(code), m_alias(alias), m_displayName(displayName)
{
}
