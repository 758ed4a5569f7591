#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

class LumMemTable;

// One row of an in-memory table: one value per field of the table, null until set.
class LumMemRecord
{
public:
    explicit LumMemRecord(LumMemTable* table);
    virtual ~LumMemRecord();

    LumMemTable* table() const { return m_table; }
    // The value of a column; an invalid QVariant for a column out of range or never set.
    QVariant value(int column) const;
    QVariant value(const QString& fieldName) const;
    void setValue(int column, const QVariant& value);
    // Writes nothing when the table has no such field.
    void setValue(const QString& fieldName, const QVariant& value);
    bool isNull(int column) const;

private:
    LumMemTable* m_table;
    QVector<QVariant> m_values;
};
