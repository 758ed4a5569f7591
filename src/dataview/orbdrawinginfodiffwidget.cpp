#include "dataview/orbdrawinginfodiffwidget.h"

#include "drawingdata/orbkeyvaluelist.h"
#include "grid/vantroheaderview.h"

#include <QBrush>
#include <QColor>
#include <QStandardItem>
#include <QStandardItemModel>

namespace {
enum Column { CodeColumn = 0, NameColumn = 1, CurrentColumn = 2, PreviousColumn = 3, ColumnCount = 4 };

// Light green behind both values of a row whose values differ.
const QColor kChangedColor(204, 255, 204, 255);
constexpr int kRowHeaderWidth = 22;
constexpr int kHeaderHeight = 25;
constexpr int kValueColumnWidth = 70; // at least; wider values widen the column

QBrush changedMark()
{
    return QBrush(kChangedColor, Qt::SolidPattern);
}
} // namespace

OrbDrawingInfoDiffWidget::OrbDrawingInfoDiffWidget(QWidget* parent)
    : OrbTableView(parent)
{
    setupModel();
    setupUi();
}

OrbDrawingInfoDiffWidget::~OrbDrawingInfoDiffWidget() = default;

void OrbDrawingInfoDiffWidget::setupModel()
{
    m_model = new QStandardItemModel(this);
    m_model->setColumnCount(ColumnCount);
    m_model->setHorizontalHeaderLabels({QStringLiteral("Code"), QStringLiteral("Name"),
                                        QStringLiteral("当前值"), QStringLiteral("上次值")});
    setModel(m_model);
}

void OrbDrawingInfoDiffWidget::setupUi()
{
    setAlternatingRowColors(true);
    VantroHeaderView* rows = verticalHeader();
    rows->setAutoSectionData(true);
    rows->setFixedWidth(kRowHeaderWidth);
    rows->setMovable(false);
    VantroHeaderView* columns = horizontalHeader();
    columns->setMovable(false);
    columns->setFixedHeight(kHeaderHeight);
    setColumnWidth(CurrentColumn, kValueColumnWidth);
    setColumnWidth(PreviousColumn, kValueColumnWidth);
}

void OrbDrawingInfoDiffWidget::appendRow(const QStringList& texts)
{
    QList<QStandardItem*> items;
    items.reserve(texts.size());
    for (const QString& text : texts) {
        auto* item = new QStandardItem(text);
        item->setEditable(false);
        items.append(item);
    }
    m_model->invisibleRootItem()->appendRow(items);
    fitColumns(m_model->rowCount() - 1, m_model->rowCount() - 1);
}

void OrbDrawingInfoDiffWidget::fitColumns(int firstRow, int lastRow)
{
    // A column grows until its texts fit; it never shrinks, so the user's widths stay.
    const int grid = showGrid() ? 1 : 0;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        int width = columnWidth(c);
        for (int r = firstRow; r <= lastRow; ++r)
            width = qMax(width, sizeHintForIndex(m_model->index(r, c)).width() + grid);
        if (width > columnWidth(c))
            setColumnWidth(c, width);
    }
}

void OrbDrawingInfoDiffWidget::clear()
{
    m_model->setRowCount(0);
}

void OrbDrawingInfoDiffWidget::diffDrawingInfo(const OrbKeyValueList& current, const OrbKeyValueList& previous)
{
    const bool comparable = previous.isValid();
    for (int r = 0; r < m_model->rowCount(); ++r) {
        QStandardItem* codeItem = m_model->item(r, CodeColumn);
        QStandardItem* currentItem = m_model->item(r, CurrentColumn);
        QStandardItem* previousItem = m_model->item(r, PreviousColumn);
        if (!codeItem || !currentItem || !previousItem)
            continue; // a row appended with fewer than four texts has nothing to diff
        const QString code = codeItem->text();
        const QVariant now = current.getValue(code);
        currentItem->setText(now.toString());
        QVariant before;
        bool differs = false;
        if (comparable) {
            before = previous.getValue(code);
            differs = before != now;
        }
        if (differs) {
            currentItem->setBackground(changedMark());
            previousItem->setBackground(changedMark());
        } else {
            // A mark always means "differs": take off what an earlier diff set.
            currentItem->setData(QVariant(), Qt::BackgroundRole);
            previousItem->setData(QVariant(), Qt::BackgroundRole);
        }
        previousItem->setText(before.toString());
    }
    fitColumns(0, m_model->rowCount() - 1);
}

QString OrbDrawingInfoDiffWidget::getCodeByIndex(const QModelIndex& index)
{
    if (!index.isValid() || index.row() < 0 || index.column() < 0 || !index.model())
        return QString();
    return index.sibling(index.row(), CodeColumn).data(Qt::DisplayRole).toString();
}

void OrbDrawingInfoDiffWidget::selectRowByCode(const QString& code)
{
    for (int r = 0; r < m_model->rowCount(); ++r) {
        const QStandardItem* item = m_model->item(r, CodeColumn);
        if (item && item->text().compare(code, Qt::CaseInsensitive) == 0) {
            selectRow(r);
            return;
        }
    }
}
