#include "sqltable/orbdwsqltablemodel.h"

#include "sqltable/orbdwsqltablerecord.h"

#include <QBrush>

OrbDWSqlTableModel::OrbDWSqlTableModel(QObject* parent, QSqlDatabase db)
    : QSqlTableModel(parent, db)
{
    setEditStrategy(QSqlTableModel::OnManualSubmit);
    connect(this, &QAbstractItemModel::headerDataChanged, this, &OrbDWSqlTableModel::doRecordChanged);
    connect(this, &QAbstractItemModel::dataChanged, this, &OrbDWSqlTableModel::doRecordChanged);
    connect(this, &QAbstractItemModel::rowsInserted, this, &OrbDWSqlTableModel::doRecordChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &OrbDWSqlTableModel::doRecordChanged);
    connect(this, &QAbstractItemModel::rowsMoved, this, &OrbDWSqlTableModel::doRecordChanged);
}

OrbDWSqlTableModel::~OrbDWSqlTableModel() = default;

QVariant OrbDWSqlTableModel::data(const QModelIndex& index, int role) const
{
    const QVariant value = QSqlTableModel::data(index, role);
    switch (role) {
    case Qt::BackgroundRole:
        if (isDirty(index))
            return QBrush(Qt::yellow, Qt::SolidPattern);
        return value;
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::CheckStateRole:
        break;
    default:
        return value;
    }
    if (!index.isValid())
        return value;
    // Drivers hand booleans out as integers (SQLite) or booleans (PostgreSQL); the grid sees bool.
    if (!orbdwsql::isBoolColumnFast(this, index.column()))
        return value;
    if (!value.isNull())
        return QVariant(value.toBool());
    if (role == Qt::CheckStateRole)
        return QVariant(0);
    return QVariant(QVariant::Bool);
}

void OrbDWSqlTableModel::doRecordChanged()
{
    emit onRecordChanged();
}
