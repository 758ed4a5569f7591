#include "sqltable/orbdwsqlsubmit.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>

namespace {
// QSqlTableModel's own statement operations (protected), reached through a derived class so that
// a save can run them inside a transaction without touching the model's cache. Calls through these
// pointers dispatch virtually, so a model that overrides them is honoured.
struct Statements : QSqlTableModel
{
    using QSqlTableModel::deleteRowFromTable;
    using QSqlTableModel::insertRowIntoTable;
    using QSqlTableModel::updateRowInTable;
};

enum class Change { None, Update, Insert, Delete };

// QSqlTableModel marks inserted rows "*" and removed rows "!" in its vertical header.
Change changeOf(const QSqlTableModel* model, int row)
{
    bool dirty = false;
    for (int column = 0; column < model->columnCount() && !dirty; ++column)
        dirty = model->isDirty(model->index(row, column));
    if (!dirty)
        return Change::None;
    const QString mark = model->headerData(row, Qt::Vertical, Qt::DisplayRole).toString();
    if (mark == QLatin1String("*"))
        return Change::Insert;
    if (mark == QLatin1String("!"))
        return Change::Delete;
    return Change::Update;
}

QString lostText()
{
    return QCoreApplication::translate("OrbDrawingWidgets", "与数据库的连接已断开，修改没有保存。");
}

QString errorOf(const QSqlError& error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? lostText() : text;
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
    if (!db.isOpen()) {
        if (errorText)
            *errorText = lostText();
        return false;
    }
    if (!db.driver()->hasFeature(QSqlDriver::Transactions)) {
        const bool ok = model->submitAll();
        if (!ok && errorText)
            *errorText = errorOf(model->lastError());
        return ok;
    }
    // The changes are written with the model's own statements while its cache stays as it is: a
    // failure (a constraint, a lost connection, a failed commit) leaves the model showing exactly
    // the rows and pending changes it showed, with no reselect on a connection that may be gone.
    if (!db.transaction()) {
        if (errorText)
            *errorText = errorOf(db.lastError());
        return false;
    }
    bool ok = true;
    QString error;
    for (int row = 0; row < model->rowCount() && ok; ++row) {
        switch (changeOf(model, row)) {
        case Change::None:
            continue;
        case Change::Update:
            ok = (model->*&Statements::updateRowInTable)(row, model->record(row));
            break;
        case Change::Insert:
            ok = (model->*&Statements::insertRowIntoTable)(model->record(row));
            break;
        case Change::Delete:
            ok = (model->*&Statements::deleteRowFromTable)(row);
            break;
        }
        if (!ok)
            error = errorOf(model->lastError());
    }
    if (ok && !db.commit()) {
        ok = false;
        error = errorOf(db.lastError());
    }
    if (!ok) {
        db.rollback();
        if (errorText)
            *errorText = error;
        return false;
    }
    // Saved: the model drops its pending changes and shows the table as stored.
    if (!model->select() && errorText)
        *errorText = errorOf(model->lastError());
    return true;
}
