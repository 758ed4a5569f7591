#include "sqltable/orbdwsqlsubmit.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QVector>

#include <algorithm>

namespace {
struct PendingRow
{
    enum Kind { Update, Insert, Delete };
    Kind kind = Update;
    int row = 0;        // Insert: row in the model; Update, Delete: row among the selected rows
    QSqlRecord values;  // fields set by the user are marked generated
};

// QSqlTableModel marks inserted rows "*" and removed rows "!" in its vertical header.
PendingRow::Kind kindOf(const QSqlTableModel* model, int row)
{
    const QString mark = model->headerData(row, Qt::Vertical, Qt::DisplayRole).toString();
    if (mark == QLatin1String("*"))
        return PendingRow::Insert;
    if (mark == QLatin1String("!"))
        return PendingRow::Delete;
    return PendingRow::Update;
}

bool rowIsDirty(const QSqlTableModel* model, int row)
{
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->isDirty(model->index(row, column)))
            return true;
    }
    return false;
}

QVector<PendingRow> pendingRows(const QSqlTableModel* model)
{
    QVector<PendingRow> rows;
    int inserted = 0;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (!rowIsDirty(model, row))
            continue;
        PendingRow pending;
        pending.kind = kindOf(model, row);
        pending.values = model->record(row);
        pending.row = pending.kind == PendingRow::Insert ? row : row - inserted;
        if (pending.kind == PendingRow::Insert)
            ++inserted;
        rows.append(pending);
    }
    return rows;
}

// Puts the pending rows back on a model freshly selected from the unchanged table.
void restore(QSqlTableModel* model, const QVector<PendingRow>& rows)
{
    model->select();
    int needed = 0;
    for (const PendingRow& pending : rows) {
        if (pending.kind != PendingRow::Insert)
            needed = std::max(needed, pending.row + 1);
    }
    while (model->rowCount() < needed && model->canFetchMore())
        model->fetchMore();
    for (const PendingRow& pending : rows) {
        if (pending.kind == PendingRow::Update) {
            for (int column = 0; column < pending.values.count(); ++column) {
                if (pending.values.isGenerated(column))
                    model->setData(model->index(pending.row, column), pending.values.value(column));
            }
        } else if (pending.kind == PendingRow::Delete) {
            model->removeRows(pending.row, 1);
        }
    }
    // Inserted rows in ascending order land on the rows they had.
    for (const PendingRow& pending : rows) {
        if (pending.kind != PendingRow::Insert)
            continue;
        model->insertRows(pending.row, 1);
        for (int column = 0; column < pending.values.count(); ++column) {
            if (pending.values.isGenerated(column))
                model->setData(model->index(pending.row, column), pending.values.value(column));
        }
    }
}
} // namespace

bool OrbDWSqlSubmit::submitAll(QSqlTableModel* model, QString* errorText)
{
    if (!model) {
        if (errorText)
            *errorText = QCoreApplication::translate("OrbDrawingWidgets", "没有可保存的数据表。");
        return false;
    }
    QSqlDatabase db = model->database();
    const bool canRollBack = db.driver() && db.driver()->hasFeature(QSqlDriver::Transactions);
    const QVector<PendingRow> pending = canRollBack ? pendingRows(model) : QVector<PendingRow>();
    if (!canRollBack || !db.transaction()) {
        const bool ok = model->submitAll();
        if (!ok && errorText)
            *errorText = model->lastError().text();
        return ok;
    }
    QString error;
    if (model->submitAll()) {
        if (db.commit())
            return true;
        error = db.lastError().text();
    } else {
        error = model->lastError().text();
    }
    db.rollback();
    // Rows that went to the database before the failure are marked saved in the model, but the
    // rollback took them back out: give the model its pending changes again.
    restore(model, pending);
    if (errorText)
        *errorText = error;
    return false;
}
