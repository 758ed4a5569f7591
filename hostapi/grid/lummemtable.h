#pragma once

#include "grid/lummemfield.h"
#include "grid/lummemfields.h"
#include "grid/lummemrecord.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <QVector>

/// A named table held in memory: fields (columns) and records (rows). Owns both. The host's table
/// provider hands out calculated tables in this form; the data view shows them read-only.
class LumMemTable
{
public:
    /// An empty table without fields.
    explicit LumMemTable(const QString& tableName = QString());
    virtual ~LumMemTable();
    LumMemTable(const LumMemTable&) = delete;
    LumMemTable& operator=(const LumMemTable&) = delete;

    /// The table's name; the data view gives readable captions only to tables it names.
    QString tableName() const { return m_tableName; }
    /// Host side: renames the table.
    void setTableName(const QString& value) { m_tableName = value; }
    /// The columns; never null.
    LumMemFields* fields() const { return m_fields; }

    /// The number of rows; the data view marks tabs of tables with rows.
    int recordCount() const { return m_records.size(); }
    /// The row at index, or null out of range.
    LumMemRecord* record(int index) const;
    /// Host side: appends an empty row and returns it.
    LumMemRecord* appendRecord();

    /// The index of the first record whose field holds value, or -1. Numbers compare by value
    /// (the integer 3 finds 3, 3LL and 3.0); other values compare as text. The data view selects
    /// the rows a debug output line names by their "ID" with it.
    int findRecordIndex(const QString& fieldName, const QVariant& value) const;
    /// True when no record holds a non-empty value in that column (also for a table without
    /// records and for a column out of range). The data view hides such columns.
    bool columnDataIsNull(int column) const;

private:
    friend class LumMemRecord;
    // A record's column gained (+1) or lost (-1) its value.
    void countValue(int column, int delta);

    QString m_tableName;
    LumMemFields* m_fields;
    QList<LumMemRecord*> m_records;
    // Per column, how many records hold a value: columnDataIsNull answers without a scan.
    QVector<int> m_valueCounts;
};
