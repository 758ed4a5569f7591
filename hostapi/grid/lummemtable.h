#pragma once

#include "grid/lummemfield.h"
#include "grid/lummemfields.h"
#include "grid/lummemrecord.h"

#include <QList>
#include <QString>
#include <QVariant>

// A named table held in memory: fields (columns) and records (rows). Owns both.
class LumMemTable
{
public:
    explicit LumMemTable(const QString& tableName = QString());
    virtual ~LumMemTable();
    LumMemTable(const LumMemTable&) = delete;
    LumMemTable& operator=(const LumMemTable&) = delete;

    QString tableName() const { return m_tableName; }
    void setTableName(const QString& value) { m_tableName = value; }
    LumMemFields* fields() const { return m_fields; }

    int recordCount() const { return m_records.size(); }
    LumMemRecord* record(int index) const;
    LumMemRecord* appendRecord();
    void removeRecord(int index);
    void clearRecords();

    // The index of the first record whose field holds value, or -1. Numbers compare by value
    // (the integer 3 finds 3, 3LL and 3.0); other values compare as text.
    int findRecordIndex(const QString& fieldName, const QVariant& value) const;
    LumMemRecord* findRecord(const QString& fieldName, const QVariant& value) const;
    // True when no record holds a non-empty value in that column (also for a table without
    // records and for a column out of range).
    bool columnDataIsNull(int column) const;

private:
    QString m_tableName;
    LumMemFields* m_fields;
    QList<LumMemRecord*> m_records;
};
