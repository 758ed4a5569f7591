#include "grid/orbmemtablemodel.h"

#include "grid/lummemtable.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace {
const QString kNullText = QStringLiteral("NULL");
const QColor kGreyText(150, 150, 150);          // NULL values and greyed read-only cells
const QColor kReadonlyBackground(240, 240, 240);
}

OrbMemTableModel::OrbMemTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

OrbMemTableModel::~OrbMemTableModel() = default;

void OrbMemTableModel::setTable(QSharedPointer<LumMemTable> table)
{
    // The fields chosen last stay shown, so a new table of the same shape keeps its columns and
    // the views only lay out their rows again.
    beginResetModel();
    m_table = table;
    m_columns = columnsOf(m_fieldNames);
    m_fields.clear();
    for (int c : qAsConst(m_columns))
        m_fields.append(m_table->fields()->at(c));
    endResetModel();
}

QList<int> OrbMemTableModel::columnsOf(const QStringList& fieldNames) const
{
    QList<int> columns;
    if (!m_table)
        return columns;
    LumMemFields* all = m_table->fields();
    if (!m_fieldsChosen) {
        for (int c = 0; c < all->count(); ++c)
            columns.append(c);
        return columns;
    }
    for (const QString& name : fieldNames) {
        const int c = all->indexOf(name);
        if (c >= 0)
            columns.append(c);
    }
    return columns;
}

void OrbMemTableModel::setFieldNames(const QStringList& fieldNames)
{
    m_fieldsChosen = true;
    m_fieldNames = fieldNames;
    const QList<int> columns = columnsOf(fieldNames);
    if (columns == m_columns)
        return;
    if (!columns.isEmpty() && isSubsequence(columns)) {
        // Only columns go: remove them instead of a reset, which would make every view lay out
        // its row header for all records again.
        int kept = columns.count() - 1;
        for (int shown = m_columns.count() - 1; shown >= 0; --shown) {
            if (kept >= 0 && m_columns.at(shown) == columns.at(kept)) {
                --kept;
                continue;
            }
            beginRemoveColumns(QModelIndex(), shown, shown);
            m_columns.removeAt(shown);
            m_fields.removeAt(shown);
            endRemoveColumns();
        }
        return;
    }
    beginResetModel();
    m_columns = columns;
    m_fields.clear();
    for (int c : qAsConst(m_columns))
        m_fields.append(m_table->fields()->at(c));
    endResetModel();
}

bool OrbMemTableModel::isSubsequence(const QList<int>& columns) const
{
    int shown = 0;
    for (int c : columns) {
        while (shown < m_columns.count() && m_columns.at(shown) != c)
            ++shown;
        if (shown == m_columns.count())
            return false;
        ++shown;
    }
    return true;
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
            return QBrush(kGreyText);
        return QVariant();
    }
    case Qt::BackgroundRole:
        if (m_readonly && m_customBackgroundColor)
            return QBrush(kReadonlyBackground);
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
