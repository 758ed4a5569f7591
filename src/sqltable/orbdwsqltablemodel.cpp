#include "sqltable/orbdwsqltablemodel.h"

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

    const auto markStale = [this]() { m_tableRecordStale = true; };
    connect(this, &QAbstractItemModel::modelReset, this, markStale);
    connect(this, &QAbstractItemModel::columnsInserted, this, markStale);
    connect(this, &QAbstractItemModel::columnsRemoved, this, markStale);
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
    if (!isBoolColumn(index.column()))
        return value;
    if (!value.isNull())
        return QVariant(value.toBool());
    if (role == Qt::CheckStateRole)
        return QVariant(0);
    return QVariant(QVariant::Bool);
}

void OrbDWSqlTableModel::ensureTableRecord() const
{
    // An empty record is read again: the table may have been created since.
    if (!m_tableRecordStale && !m_tableRecord.isEmpty())
        return;
    m_tableRecordStale = false;
    m_tableRecord = database().record(tableName());
    for (int i = 0; i < m_tableRecord.count(); ++i) {
        QSqlField field = m_tableRecord.field(i);
        if (field.isAutoValue())
            continue;
        const QString defaultValue = field.defaultValue().toString().trimmed();
        if (defaultValue.startsWith(QLatin1String("nextval("), Qt::CaseInsensitive)) {
            field.setAutoValue(true);
            m_tableRecord.replace(i, field);
        }
    }
    m_boolColumns.fill(false, columnCount());
    for (int column = 0; column < m_boolColumns.size(); ++column)
        m_boolColumns[column] = fieldOf(column).type() == QVariant::Bool;
}

QSqlField OrbDWSqlTableModel::fieldOf(int column) const
{
    // The model selects the table's fields in the table's order, unless columns were removed.
    if (columnCount() == m_tableRecord.count())
        return m_tableRecord.field(column);
    return m_tableRecord.field(record().fieldName(column));
}

QSqlField OrbDWSqlTableModel::tableField(int column) const
{
    if (column < 0)
        return QSqlField();
    ensureTableRecord();
    return fieldOf(column);
}

bool OrbDWSqlTableModel::isBoolColumn(int column) const
{
    if (column < 0)
        return false;
    ensureTableRecord();
    return column < m_boolColumns.size() && m_boolColumns.at(column);
}

void OrbDWSqlTableModel::doRecordChanged()
{
    emit onRecordChanged();
}
