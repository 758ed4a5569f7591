#pragma once

#include <QSqlField>

class QSqlTableModel;

namespace orbdwsql {
// The field of a model column as the database declares it in the record of the model's table
// (QSqlDatabase::record), where drivers report auto values and declared types. A key whose default
// value is a sequence (nextval(...), as PostgreSQL's serial columns have) counts as an auto value.
// The record is read once per model and table name.
QSqlField tableField(const QSqlTableModel* model, int column);
} // namespace orbdwsql
