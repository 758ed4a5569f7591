#include "dataview/orbdrawinginfodiffwidget.h"

#include "drawingdata/orbkeyvaluelist.h"
#include "grid/vantroheaderview.h"

#include <QBrush>
#include <QColor>
#include <QStandardItem>
#include <QStandardItemModel>

namespace {
enum Column { CodeColumn = 0, NameColumn = 1, CurrentColumn = 2, PreviousColumn = 3, ColumnCount = 4 };

QBrush changedMark()
{
    return QBrush(QColor(204, 255, 204, 255), Qt::SolidPattern);
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
    rows->setFixedWidth(22);
    rows->setMovable(false);
    VantroHeaderView* columns = horizontalHeader();
    columns->setMovable(false);
    columns->setDragEnabled(false);
    columns->setFixedHeight(25);
    setColumnWidth(CurrentColumn, 70);
    setColumnWidth(PreviousColumn, 70);
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
