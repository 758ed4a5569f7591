#include "dataview/orbdrawsetdatatablewidget.h"

#include "grid/lummemtable.h"
#include "grid/orbmemtablemodel.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QVariant>

OrbDrawsetDataTableWidget::OrbDrawsetDataTableWidget(QWidget* parent)
    : OrbDrawsetDataTableWidget(parent, nullptr)
{
}

OrbDrawsetDataTableWidget::OrbDrawsetDataTableWidget(QWidget* parent, OrbMemTableConfigurator* configurator)
    : OrbMemTableViewWidget(parent, configurator)
{
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this]() { fitColumnsToRowsInView(false); });
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

void OrbDrawsetDataTableWidget::fitColumns()
{
    fitColumnsToRowsInView(true);
}

void OrbDrawsetDataTableWidget::resizeEvent(QResizeEvent* event)
{
    OrbMemTableViewWidget::resizeEvent(event);
    fitColumnsToRowsInView(false);
}

void OrbDrawsetDataTableWidget::showEvent(QShowEvent* event)
{
    OrbMemTableViewWidget::showEvent(event);
    fitColumnsToRowsInView(m_fitPending);
}

void OrbDrawsetDataTableWidget::fitColumnsToRowsInView(bool reset)
{
    QAbstractItemModel* m = OrbMemTableViewWidget::model();
    if (!m)
        return;
    if (!isVisible()) {
        m_fitPending = m_fitPending || reset;
        return;
    }
    m_fitPending = false;
    // No row is in view before the view has a height; past the last row, every row is.
    const int height = viewport()->height();
    const int first = qMax(0, rowAt(0));
    int last = height > 0 ? rowAt(height - 1) : -1;
    if (height > 0 && last < 0)
        last = m->rowCount() - 1;
    QHeaderView* header = horizontalHeader();
    const int grid = showGrid() ? 1 : 0;
    for (int c = 0; c < m->columnCount(); ++c) {
        if (isColumnHidden(c))
            continue;
        int width = reset ? header->sectionSizeHint(c) : columnWidth(c);
        for (int r = first; r <= last; ++r)
            width = qMax(width, sizeHintForIndex(m->index(r, c)).width() + grid);
        if (width != columnWidth(c))
            setColumnWidth(c, width);
    }
}
