#include "grid/lummemrecord.h"
#include "grid/lummemtable.h"

LumMemRecord::LumMemRecord(LumMemTable* table)
    : m_table(table)
{
}

LumMemRecord::~LumMemRecord() = default;

QVariant LumMemRecord::value(int column) const
{
    return column >= 0 && column < m_values.size() ? m_values.at(column) : QVariant();
}

QVariant LumMemRecord::value(const QString& fieldName) const
{
    return m_table ? value(m_table->fields()->indexOf(fieldName)) : QVariant();
}

void LumMemRecord::setValue(int column, const QVariant& value)
{
    if (column < 0 || (m_table && column >= m_table->fields()->count()))
        return;
    if (column >= m_values.size())
        m_values.resize(column + 1);
    const bool had = !isNullValue(m_values.at(column));
    m_values[column] = value;
    const bool has = !isNullValue(value);
    if (m_table && had != has)
        m_table->countValue(column, has ? 1 : -1);
}

void LumMemRecord::setValue(const QString& fieldName, const QVariant& value)
{
    if (m_table)
        setValue(m_table->fields()->indexOf(fieldName), value);
}

bool LumMemRecord::isNull(int column) const
{
    return column < 0 || column >= m_values.size() || isNullValue(m_values.at(column));
}

bool LumMemRecord::isNullValue(const QVariant& v)
{
    return !v.isValid() || v.isNull() || (v.type() == QVariant::String && v.toString().isEmpty());
}
