#include "grid/lummemfields.h"
#include "grid/lummemfield.h"

LumMemFields::LumMemFields() = default;

LumMemFields::~LumMemFields()
{
    qDeleteAll(m_fields);
}

LumMemField* LumMemFields::at(int index) const
{
    return index >= 0 && index < m_fields.size() ? m_fields.at(index) : nullptr;
}

LumMemField* LumMemFields::find(const QString& fieldName) const
{
    return at(indexOf(fieldName));
}

int LumMemFields::indexOf(const QString& fieldName) const
{
    return m_index.value(fieldName.toLower(), -1);
}

QStringList LumMemFields::fieldNames() const
{
    QStringList names;
    names.reserve(m_fields.size());
    for (const LumMemField* field : m_fields)
        names.append(field->fieldName());
    return names;
}

LumMemField* LumMemFields::add(const QString& fieldName, QMetaType::Type dataType, const QString& displayName)
{
    if (LumMemField* existing = find(fieldName))
        return existing;
    auto* field = new LumMemField(fieldName, dataType, displayName);
    field->m_index = m_fields.size();
    m_index.insert(fieldName.toLower(), field->m_index);
    m_fields.append(field);
    return field;
}
