#include "dataview/orbdrawsetdatatablewidget.h"

#include "grid/lummemtable.h"
#include "grid/orbmemtablemodel.h"

#include <QVariant>

OrbDrawsetDataTableWidget::OrbDrawsetDataTableWidget(QWidget* parent)
    : OrbMemTableViewWidget(parent, nullptr)
{
}

OrbDrawsetDataTableWidget::OrbDrawsetDataTableWidget(QWidget* parent, OrbMemTableConfigurator* configurator)
    : OrbMemTableViewWidget(parent, configurator)
{
}

OrbDrawsetDataTableWidget::~OrbDrawsetDataTableWidget() = default;

QString OrbDrawsetDataTableWidget::tableName() const
{
    return m_tableName;
}

void OrbDrawsetDataTableWidget::setTableName(const QString& tableName)
{
    m_tableName = tableName;
}

QString OrbDrawsetDataTableWidget::description() const
{
    return m_description;
}

void OrbDrawsetDataTableWidget::setDescription(const QString& description)
{
    m_description = description;
}

bool OrbDrawsetDataTableWidget::hasData() const
{
    return m_hasData;
}

void OrbDrawsetDataTableWidget::setHasData(bool hasData)
{
    m_hasData = hasData;
}

QString OrbDrawsetDataTableWidget::tabText() const
{
    QString text = m_description;
    if (m_hasData)
        text += QStringLiteral(" \u2605");
    text += QLatin1Char('\n');
    text += m_tableName;
    return text;
}

void OrbDrawsetDataTableWidget::selectRowByRecordIDs(const QVector<int>& ids)
{
    clearSelection();
    const QSharedPointer<LumMemTable> table = model()->table();
    if (!table)
        return;
    const QAbstractItemView::SelectionMode mode = selectionMode();
    setSelectionMode(QAbstractItemView::MultiSelection);
    for (int id : ids) {
        const int row = table->findRecordIndex(QStringLiteral("ID"), QVariant(id));
        // selectRow toggles in multi-selection: a record named twice must stay selected.
        if (row >= 0 && !selectionModel()->rowIntersectsSelection(row, rootIndex()))
            selectRow(row);
    }
    setSelectionMode(mode);
}
