#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

class LumMemTable;

/// One row of an in-memory table: one value per field of the table, null until set.
class LumMemRecord
{
public:
    /// An empty row of table (LumMemTable::appendRecord makes them).
    explicit LumMemRecord(LumMemTable* table);
    virtual ~LumMemRecord();

    /// The table the row belongs to.
    LumMemTable* table() const { return m_table; }
    /// The value of a column; an invalid QVariant for a column out of range or never set.
    QVariant value(int column) const;
    /// The value of the field of that name; invalid when the table has no such field. The data
    /// view reads the "Code" and "BarCode" of a double-clicked row with it.
    QVariant value(const QString& fieldName) const;
    /// Host side: sets a column's value; nothing for a column out of range.
    void setValue(int column, const QVariant& value);
    /// Host side: sets a field's value. Writes nothing when the table has no such field.
    void setValue(const QString& fieldName, const QVariant& value);
    /// True when the column holds no value or an empty text.
    bool isNull(int column) const;

private:
    // No value or an empty text.
    static bool isNullValue(const QVariant& value);

    LumMemTable* m_table;
    QVector<QVariant> m_values;
};
