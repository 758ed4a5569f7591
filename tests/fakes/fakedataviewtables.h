#pragma once

// Builds in-memory tables for the data-view tests: field names, optional display names, and rows
// of values (an invalid QVariant is a NULL).

#include "grid/lummemtable.h"

#include <QSharedPointer>
#include <QStringList>
#include <QVariant>

namespace fakedataview {

inline QSharedPointer<LumMemTable> makeTable(const QString& name, const QStringList& fieldNames,
                                             const QList<QVariantList>& rows,
                                             const QStringList& displayNames = QStringList())
{
    auto table = QSharedPointer<LumMemTable>::create(name);
    for (int c = 0; c < fieldNames.count(); ++c) {
        LumMemField* field = table->fields()->add(fieldNames.at(c));
        if (c < displayNames.count())
            field->setDisplayName(displayNames.at(c));
    }
    for (const QVariantList& row : rows) {
        LumMemRecord* record = table->appendRecord();
        for (int c = 0; c < row.count() && c < fieldNames.count(); ++c)
            record->setValue(c, row.at(c));
    }
    return table;
}

} // namespace fakedataview
