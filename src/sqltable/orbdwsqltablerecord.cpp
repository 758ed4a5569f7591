#include "sqltable/orbdwsqltablerecord.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QVector>

#include <memory>

namespace orbdwsql::detail {
const QSqlTableModel* lastModel = nullptr;
const bool* lastBoolColumns = nullptr;
int lastColumnCount = 0;
} // namespace orbdwsql::detail

namespace {
using namespace orbdwsql;

void forgetFastPath()
{
    detail::lastModel = nullptr;
    detail::lastBoolColumns = nullptr;
    detail::lastColumnCount = 0;
}

struct CachedRecord
{
    bool stale = true; // set when the model is reset (setTable, select) or its columns change
    QSqlRecord record;
    QVector<bool> boolColumns; // by model column
};

using Cache = QHash<const QSqlTableModel*, std::shared_ptr<CachedRecord>>;

// GUI thread only, like the models. Never freed: a model may outlive static destruction.
Cache& cache()
{
    static auto* records = new Cache;
    return *records;
}

// The entry used last; grids ask for the same model many times in a row.
const QSqlTableModel* g_lastModel = nullptr;
CachedRecord* g_lastEntry = nullptr;

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

QSqlField fieldOf(const QSqlTableModel* model, const QSqlRecord& record, int column)
{
    // The model selects the table's fields in the table's order, unless columns were removed.
    if (model->columnCount() == record.count())
        return record.field(column);
    return record.field(model->record().fieldName(column));
}

CachedRecord& entry(const QSqlTableModel* model)
{
    CachedRecord* found = nullptr;
    if (model == g_lastModel) {
        found = g_lastEntry;
    } else {
        auto& records = cache();
        auto it = records.find(model);
        if (it == records.end()) {
            it = records.insert(model, std::make_shared<CachedRecord>());
            CachedRecord* created = it->get();
            const auto markStale = [created, model]() {
                created->stale = true;
                if (detail::lastModel == model)
                    forgetFastPath();
            };
            QObject::connect(model, &QAbstractItemModel::modelReset, markStale);
            QObject::connect(model, &QAbstractItemModel::columnsInserted, markStale);
            QObject::connect(model, &QAbstractItemModel::columnsRemoved, markStale);
            QObject::connect(model, &QObject::destroyed, [model]() {
                if (g_lastModel == model) {
                    g_lastModel = nullptr;
                    g_lastEntry = nullptr;
                }
                if (detail::lastModel == model)
                    forgetFastPath();
                cache().remove(model);
            });
        }
        found = it->get();
        g_lastModel = model;
        g_lastEntry = found;
    }
    // An empty record is read again: the table may have been created since.
    if (found->stale || found->record.isEmpty()) {
        found->stale = false;
        found->record = readRecord(model);
        found->boolColumns.fill(false, model->columnCount());
        for (int column = 0; column < found->boolColumns.size(); ++column)
            found->boolColumns[column] = fieldOf(model, found->record, column).type() == QVariant::Bool;
    }
    return *found;
}
} // namespace

namespace orbdwsql {
QSqlField tableField(const QSqlTableModel* model, int column)
{
    if (!model || column < 0)
        return QSqlField();
    return fieldOf(model, entry(model).record, column);
}

bool isBoolColumn(const QSqlTableModel* model, int column)
{
    if (!model || column < 0)
        return false;
    const CachedRecord& cached = entry(model);
    detail::lastModel = model;
    detail::lastBoolColumns = cached.boolColumns.constData();
    detail::lastColumnCount = cached.boolColumns.size();
    return column < cached.boolColumns.size() && cached.boolColumns.at(column);
}
} // namespace orbdwsql
