#include "grid/lummemtable.h"

namespace {
bool isNumber(const QVariant& v)
{
    switch (int(v.type())) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (!a.isValid() || !b.isValid())
        return a.isValid() == b.isValid();
    if (isNumber(a) && isNumber(b))
        return a.toDouble() == b.toDouble();
    return a.toString() == b.toString();
}
} // namespace

LumMemTable::LumMemTable(const QString& tableName)
    : m_tableName(tableName)
    , m_fields(new LumMemFields)
{
}

LumMemTable::~LumMemTable()
{
    qDeleteAll(m_records);
    delete m_fields;
}

LumMemRecord* LumMemTable::record(int index) const
{
    return index >= 0 && index < m_records.size() ? m_records.at(index) : nullptr;
}

LumMemRecord* LumMemTable::appendRecord()
{
    auto* record = new LumMemRecord(this);
    m_records.append(record);
    return record;
}

void LumMemTable::countValue(int column, int delta)
{
    if (column >= m_valueCounts.size())
        m_valueCounts.resize(column + 1);
    m_valueCounts[column] += delta;
}

int LumMemTable::findRecordIndex(const QString& fieldName, const QVariant& value) const
{
    const int column = m_fields->indexOf(fieldName);
    if (column < 0)
        return -1;
    for (int i = 0; i < m_records.size(); ++i) {
        if (sameValue(m_records.at(i)->value(column), value))
            return i;
    }
    return -1;
}

bool LumMemTable::columnDataIsNull(int column) const
{
    return column < 0 || column >= m_valueCounts.size() || m_valueCounts.at(column) == 0;
}
