#include "grid/lummemfield.h"

LumMemField::LumMemField(const QString& fieldName, QMetaType::Type dataType, const QString& displayName)
    : m_fieldName(fieldName)
    , m_displayName(displayName)
    , m_dataType(dataType)
{
}

LumMemField::~LumMemField() = default;
