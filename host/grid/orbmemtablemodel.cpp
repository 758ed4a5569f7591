#include "grid/orbmemtablemodel.h"

#include "grid/lummemtable.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace {
const QString kNullText = QStringLiteral("NULL");
}

OrbMemTableModel::OrbMemTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

OrbMemTableModel::~OrbMemTableModel() = default;

void OrbMemTableModel::setTable(QSharedPointer<LumMemTable> table)
{
    beginResetModel();
    m_table = table;
    m_fields.clear();
    m_columns.clear();
    if (m_table) {
        LumMemFields* all = m_table->fields();
        for (int c = 0; c < all->count(); ++c) {
            m_fields.append(all->at(c));
            m_columns.append(c);
        }
    }
    endResetModel();
}

void OrbMemTableModel::setFieldNames(const QStringList& fieldNames)
{
    beginResetModel();
    m_fields.clear();
    m_columns.clear();
    if (m_table) {
        LumMemFields* all = m_table->fields();
        for (const QString& name : fieldNames) {
            const int c = all->indexOf(name);
            if (c < 0)
                continue;
            m_fields.append(all->at(c));
            m_columns.append(c);
        }
    }
    endResetModel();
}

LumMemRecord* OrbMemTableModel::findRecordByIndex(const QModelIndex& index) const
{
    if (!m_table || !index.isValid() || index.model() != this || index.row() >= rowCount())
        return nullptr;
    return m_table->record(index.row());
}

LumMemField* OrbMemTableModel::findFieldByIndex(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.column() >= m_fields.count())
        return nullptr;
    return m_fields.at(index.column());
}

void OrbMemTableModel::setReadonly(bool readonly)
{
    if (m_readonly == readonly)
        return;
    m_readonly = readonly;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void OrbMemTableModel::setReadonlyMode(int mode)
{
    if (m_readonlyMode == mode)
        return;
    m_readonlyMode = mode;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::ForegroundRole});
}

void OrbMemTableModel::setCustomBackgroundColor(bool on)
{
    if (m_customBackgroundColor == on)
        return;
    m_customBackgroundColor = on;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

int OrbMemTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_table || m_fields.isEmpty())
        return 0;
    return m_table->recordCount();
}

int OrbMemTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_fields.count();
}

QVariant OrbMemTableModel::data(const QModelIndex& index, int role) const
{
    if (!m_table || !index.isValid() || index.column() >= m_columns.count())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::FontRole:
    case Qt::ForegroundRole: {
        LumMemRecord* record = m_table->record(index.row());
        if (!record)
            return QVariant();
        const QVariant value = record->value(m_columns.at(index.column()));
        const bool isNull = value.isNull();
        if (role == Qt::EditRole)
            return value;
        if (role == Qt::DisplayRole)
            return isNull ? QVariant(kNullText) : value;
        if (role == Qt::FontRole) {
            if (!isNull)
                return QVariant();
            QFont font;
            font.setItalic(true);
            return font;
        }
        if (isNull || (m_readonly && m_readonlyMode == ReadonlyGreyed))
            return QBrush(QColor(150, 150, 150));
        return QVariant();
    }
    case Qt::BackgroundRole:
        if (m_readonly && m_customBackgroundColor)
            return QBrush(QColor(240, 240, 240));
        return QVariant();
    default:
        return QVariant();
    }
}

bool OrbMemTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (m_readonly || role != Qt::EditRole)
        return false;
    LumMemRecord* record = findRecordByIndex(index);
    if (!record)
        return false;
    record->setValue(m_columns.at(index.column()), value);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant OrbMemTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        LumMemField* field = m_fields.value(section);
        if (!field)
            return QVariant();
        const QString caption = field->displayName();
        return caption.isEmpty() ? field->fieldName() : caption;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags OrbMemTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_readonly)
        f |= Qt::ItemIsEditable;
    return f;
}
