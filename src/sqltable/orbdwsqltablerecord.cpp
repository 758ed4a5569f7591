#include "sqltable/orbdwsqltablerecord.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QSqlTableModel>

namespace {
struct CachedRecord
{
    QString table;
    QSqlRecord record;
};

// GUI thread only, like the models. Never freed: a model may outlive static destruction.
QHash<const QSqlTableModel*, CachedRecord>& cache()
{
    static auto* records = new QHash<const QSqlTableModel*, CachedRecord>;
    return *records;
}

QSqlRecord readRecord(const QSqlTableModel* model)
{
    QSqlRecord record = model->database().record(model->tableName());
    for (int i = 0; i < record.count(); ++i) {
        QSqlField field = record.field(i);
        if (field.isAutoValue())
            continue;
        const QString defaultValue = field.defaultValue().toString().trimmed();
        if (defaultValue.startsWith(QLatin1String("nextval("), Qt::CaseInsensitive)) {
            field.setAutoValue(true);
            record.replace(i, field);
        }
    }
    return record;
}

const QSqlRecord& tableRecord(const QSqlTableModel* model)
{
    auto& records = cache();
    auto it = records.find(model);
    if (it == records.end()) {
        it = records.insert(model, CachedRecord());
        QObject::connect(model, &QObject::destroyed, [model]() { cache().remove(model); });
    }
    const QString table = model->tableName();
    // An empty record is read again: the table may have been created since.
    if (it->table != table || it->record.isEmpty()) {
        it->table = table;
        it->record = readRecord(model);
    }
    return it->record;
}
} // namespace

namespace orbdwsql {
QSqlField tableField(const QSqlTableModel* model, int column)
{
    if (!model || column < 0)
        return QSqlField();
    const QSqlRecord& record = tableRecord(model);
    // The model selects the table's fields in the table's order, unless columns were removed.
    if (model->columnCount() == record.count())
        return record.field(column);
    return record.field(model->record().fieldName(column));
}
} // namespace orbdwsql
