#pragma once

#include <QSqlField>

class QSqlTableModel;

namespace orbdwsql {
// The field of a model column as the database declares it in the record of the model's table
// (QSqlDatabase::record), where drivers report auto values and declared types. A key whose default
// value is a sequence (nextval(...), as PostgreSQL's serial columns have) counts as an auto value.
// The record is read again after the model was reset (setTable, select) or its columns changed.
QSqlField tableField(const QSqlTableModel* model, int column);

// True when the column's field is declared boolean. Called for every cell that is shown, so the
// model asked last is answered without a lookup.
bool isBoolColumn(const QSqlTableModel* model, int column);

namespace detail {
extern const QSqlTableModel* lastModel;
extern const bool* lastBoolColumns; // null while the last model's record is stale
extern int lastColumnCount;
} // namespace detail

inline bool isBoolColumnFast(const QSqlTableModel* model, int column)
{
    if (model == detail::lastModel && detail::lastBoolColumns && column >= 0 && column < detail::lastColumnCount)
        return detail::lastBoolColumns[column];
    return isBoolColumn(model, column);
}
} // namespace orbdwsql
