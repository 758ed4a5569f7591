#include "grid/nextableview.h"

#include "grid/vantrodefaultitemdelegate.h"
#include "grid/vantroheaderview.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>
#include <QSqlTableModel>

#include <algorithm>

namespace {
// A cell text on one line of tab-separated text.
QString flattened(QString text)
{
    for (QChar& c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text;
}
} // namespace

NexTableView::NexTableView(QWidget* parent)
    : VantroAbstractItemView(parent)
{
    setHorizontalHeader(new VantroHeaderView(Qt::Horizontal, this));
    setVerticalHeader(new VantroHeaderView(Qt::Vertical, this));
    // No sort indicator until the user asks for an order.
    QTableView::horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

NexTableView::~NexTableView() = default;

VantroHeaderView* NexTableView::horizontalHeader() const
{
    return qobject_cast<VantroHeaderView*>(QTableView::horizontalHeader());
}

VantroHeaderView* NexTableView::verticalHeader() const
{
    return qobject_cast<VantroHeaderView*>(QTableView::verticalHeader());
}

void NexTableView::setModel(QAbstractItemModel* newModel)
{
    QAbstractItemModel* old = model();
    if (newModel == old)
        return;
    if (old) {
        disconnect(old, &QAbstractItemModel::columnsInserted, this, &NexTableView::updateFrozenColumns);
        disconnect(old, &QAbstractItemModel::columnsRemoved, this, &NexTableView::updateFrozenColumns);
        disconnect(old, &QAbstractItemModel::modelReset, this, &NexTableView::updateFrozenColumns);
        disconnect(old, &QAbstractItemModel::layoutChanged, this, &NexTableView::updateFrozenColumns);
    }
    VantroAbstractItemView::setModel(newModel);
    if (newModel) {
        connect(newModel, &QAbstractItemModel::columnsInserted, this, &NexTableView::updateFrozenColumns);
        connect(newModel, &QAbstractItemModel::columnsRemoved, this, &NexTableView::updateFrozenColumns);
        connect(newModel, &QAbstractItemModel::modelReset, this, &NexTableView::updateFrozenColumns);
        connect(newModel, &QAbstractItemModel::layoutChanged, this, &NexTableView::updateFrozenColumns);
    }
    if (m_frozenView) {
        m_frozenView->setModel(newModel);
        if (newModel)
            m_frozenView->setSelectionModel(selectionModel());
        updateFrozenColumns();
    }
}

void NexTableView::setSelectionModel(QItemSelectionModel* selectionModel)
{
    VantroAbstractItemView::setSelectionModel(selectionModel);
    if (m_frozenView && selectionModel && selectionModel->model() == m_frozenView->model())
        m_frozenView->setSelectionModel(selectionModel);
}

// ---- copying

QString NexTableView::selectedText() const
{
    QAbstractItemModel* m = model();
    if (!m)
        return QString();
    const QModelIndexList indexes = selectedIndexes();
    if (indexes.isEmpty())
        return QString();

    QSet<QPair<int, int>> cells;
    QList<int> rows;
    QList<int> columns;
    for (const QModelIndex& index : indexes) {
        cells.insert(qMakePair(index.row(), index.column()));
        if (!rows.contains(index.row()))
            rows.append(index.row());
        if (!columns.contains(index.column()))
            columns.append(index.column());
    }
    // In the order the user sees them, which differs from the model's when sections were moved.
    const QHeaderView* vh = QTableView::verticalHeader();
    const QHeaderView* hh = QTableView::horizontalHeader();
    std::sort(rows.begin(), rows.end(), [vh](int a, int b) { return vh->visualIndex(a) < vh->visualIndex(b); });
    std::sort(columns.begin(), columns.end(), [hh](int a, int b) { return hh->visualIndex(a) < hh->visualIndex(b); });

    QString text;
    QStringList line;
    for (int column : qAsConst(columns))
        line.append(flattened(m->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()));
    text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row : qAsConst(rows)) {
        line.clear();
        for (int column : qAsConst(columns)) {
            if (cells.contains(qMakePair(row, column)))
                line.append(flattened(m->index(row, column, rootIndex()).data(Qt::DisplayRole).toString()));
            else
                line.append(QString());
        }
        text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

bool NexTableView::copySelection()
{
    if (!m_allowCopy)
        return false;
    const QString text = selectedText();
    if (text.isEmpty())
        return false;
    QApplication::clipboard()->setText(text);
    return true;
}

void NexTableView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        // Without permission nothing leaves the grid, not even the current cell.
        copySelection();
        event->accept();
        return;
    }
    VantroAbstractItemView::keyPressEvent(event);
}

// ---- selection

void NexTableView::selectRows(int first, int last)
{
    QItemSelectionModel* selection = selectionModel();
    QAbstractItemModel* m = model();
    if (!selection || !m)
        return;
    if (first > last)
        std::swap(first, last);
    const int rowCount = m->rowCount(rootIndex());
    const int columnCount = m->columnCount(rootIndex());
    if (first < 0 || first >= rowCount || columnCount <= 0) {
        selection->clearSelection();
        return;
    }
    last = qMin(last, rowCount - 1);
    const QItemSelection rows(m->index(first, 0, rootIndex()), m->index(last, columnCount - 1, rootIndex()));
    const int column = qMax(0, currentIndex().column());
    selection->setCurrentIndex(m->index(first, column, rootIndex()), QItemSelectionModel::NoUpdate);
    selection->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// ---- sorting

QString NexTableView::sortRefusedText()
{
    return QCoreApplication::translate("NexTableView",
                                       "表中有尚未保存的修改，排序会丢失这些修改。请先保存修改或撤销修改，再排序。");
}

bool NexTableView::sortWouldLoseEdits() const
{
    // QSqlTableModel::sort() re-selects, which drops every pending change.
    const auto* sql = qobject_cast<const QSqlTableModel*>(model());
    return sql && sql->isDirty();
}

void NexTableView::setSortingEnabled(bool enable)
{
    QHeaderView* header = QTableView::horizontalHeader();
    m_sortingEnabled = enable;
    header->setSortIndicatorShown(enable);
    if (enable) {
        header->setSectionsClickable(true);
        // A header click sorts instead of selecting the column.
        disconnect(header, SIGNAL(sectionPressed(int)), this, nullptr);
        disconnect(header, SIGNAL(sectionEntered(int)), this, nullptr);
        connect(header, &QHeaderView::sortIndicatorChanged, this, &NexTableView::doSortIndicatorChanged,
                Qt::UniqueConnection);
        m_sortColumn = header->sortIndicatorSection();
        m_sortOrder = header->sortIndicatorOrder();
        if (model() && m_sortColumn >= 0 && !sortWouldLoseEdits())
            model()->sort(m_sortColumn, m_sortOrder);
    } else {
        disconnect(header, &QHeaderView::sortIndicatorChanged, this, &NexTableView::doSortIndicatorChanged);
        connect(header, SIGNAL(sectionPressed(int)), this, SLOT(selectColumn(int)), Qt::UniqueConnection);
        connect(header, SIGNAL(sectionEntered(int)), this, SLOT(_q_selectColumn(int)), Qt::UniqueConnection);
    }
    syncFrozenSortIndicator();
}

void NexTableView::doSortIndicatorChanged(int column, Qt::SortOrder order)
{
    if (column == m_sortColumn && order == m_sortOrder)
        return;
    if (sortWouldLoseEdits()) {
        refuseSort(column);
        return;
    }
    m_sortColumn = column;
    m_sortOrder = order;
    syncFrozenSortIndicator();
    if (model() && column >= 0)
        model()->sort(column, order);
}

void NexTableView::refuseSort(int column)
{
    QHeaderView* header = QTableView::horizontalHeader();
    {
        const QSignalBlocker blocker(header);
        header->setSortIndicator(m_sortColumn, m_sortOrder);
    }
    header->viewport()->update();
    syncFrozenSortIndicator();
    if (!m_sortMessage) {
        m_sortMessage = new QMessageBox(QMessageBox::Information,
                                        QCoreApplication::translate("NexTableView", "排序"),
                                        sortRefusedText(), QMessageBox::Ok, this);
        m_sortMessage->setObjectName(QStringLiteral("sortRefusedMessage"));
        m_sortMessage->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_sortMessage->open();
    emit sortRefused(column);
}

void NexTableView::syncFrozenSortIndicator()
{
    if (!m_frozenView)
        return;
    QHeaderView* frozen = m_frozenView->horizontalHeader();
    const QSignalBlocker blocker(frozen);
    frozen->setSortIndicatorShown(m_sortingEnabled);
    frozen->setSortIndicator(m_sortColumn, m_sortOrder);
}

// ---- frozen columns

void NexTableView::setFixedColCount(int count)
{
    count = qMax(0, count);
    if (count == m_fixedColCount)
        return;
    m_fixedColCount = count;
    if (count == 0) {
        delete m_frozenView;
        m_frozenView = nullptr;
        return;
    }
    if (!m_frozenView)
        setupFrozenView();
    updateFrozenColumns();
}

void NexTableView::setupFrozenView()
{
    m_frozenView = new QTableView(this);
    m_frozenView->setObjectName(QStringLiteral("frozenColumnsView"));
    m_frozenView->setHorizontalHeader(new VantroHeaderView(Qt::Horizontal, m_frozenView));
    m_frozenView->setFocusPolicy(Qt::NoFocus);
    m_frozenView->verticalHeader()->hide();
    m_frozenView->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozenView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozenView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozenView->setFrameShape(QFrame::NoFrame);
    m_frozenView->setEditTriggers(editTriggers());
    m_frozenView->setSelectionBehavior(selectionBehavior());
    m_frozenView->setSelectionMode(selectionMode());
    m_frozenView->setAlternatingRowColors(alternatingRowColors());
    m_frozenView->setWordWrap(wordWrap());
    m_frozenView->setItemDelegate(itemDelegate());
    m_frozenView->verticalHeader()->setDefaultSectionSize(QTableView::verticalHeader()->defaultSectionSize());
    m_frozenView->setModel(model());
    if (model())
        m_frozenView->setSelectionModel(selectionModel());

    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    m_frozenView->setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(m_frozenView);

    connect(QTableView::horizontalHeader(), &QHeaderView::sectionResized, m_frozenView,
            [this](int logical, int, int size) {
                if (logical < m_fixedColCount) {
                    m_frozenView->setColumnWidth(logical, size);
                    updateFrozenGeometry();
                }
            });
    connect(QTableView::verticalHeader(), &QHeaderView::sectionResized, m_frozenView,
            [this](int logical, int, int size) { m_frozenView->setRowHeight(logical, size); });
    connect(m_frozenView->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozenView->verticalScrollBar(),
            &QAbstractSlider::setValue);
    // A click on a frozen caption sorts through the main header, so the same guard applies.
    connect(m_frozenView->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int section, Qt::SortOrder order) {
                if (m_sortingEnabled)
                    QTableView::horizontalHeader()->setSortIndicator(section, order);
                syncFrozenSortIndicator();
            });
    syncFrozenSortIndicator();
    m_frozenView->show();
}

void NexTableView::updateFrozenColumns()
{
    if (!m_frozenView)
        return;
    const int columns = model() ? model()->columnCount(rootIndex()) : 0;
    for (int column = 0; column < columns; ++column) {
        const bool frozen = column < m_fixedColCount && !isColumnHidden(column);
        m_frozenView->setColumnHidden(column, !frozen);
        if (frozen)
            m_frozenView->setColumnWidth(column, columnWidth(column));
    }
    updateFrozenGeometry();
}

int NexTableView::frozenWidth() const
{
    const int columns = model() ? qMin(m_fixedColCount, model()->columnCount(rootIndex())) : 0;
    int width = 0;
    for (int column = 0; column < columns; ++column) {
        if (!isColumnHidden(column))
            width += columnWidth(column);
    }
    return width;
}

void NexTableView::updateFrozenGeometry()
{
    if (!m_frozenView)
        return;
    const int width = frozenWidth();
    const QHeaderView* vh = QTableView::verticalHeader();
    const QHeaderView* hh = QTableView::horizontalHeader();
    const int headerHeight = hh->isHidden() ? 0 : hh->height();
    m_frozenView->horizontalHeader()->setVisible(!hh->isHidden());
    m_frozenView->horizontalHeader()->setFixedHeight(headerHeight);
    m_frozenView->setGeometry((vh->isHidden() ? 0 : vh->width()) + frameWidth(), frameWidth(), width,
                              viewport()->height() + headerHeight);
    m_frozenView->setVisible(width > 0);
}

void NexTableView::resizeEvent(QResizeEvent* event)
{
    VantroAbstractItemView::resizeEvent(event);
    updateFrozenGeometry();
}

void NexTableView::updateGeometries()
{
    VantroAbstractItemView::updateGeometries();
    updateFrozenGeometry();
}

QModelIndex NexTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = VantroAbstractItemView::moveCursor(cursorAction, modifiers);
    if (m_frozenView && cursorAction == MoveLeft && current.column() >= m_fixedColCount) {
        const int left = visualRect(current).left();
        const int covered = frozenWidth();
        if (left < covered)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - covered);
    }
    return current;
}

void NexTableView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!m_frozenView) {
        VantroAbstractItemView::scrollTo(index, hint);
        return;
    }
    if (index.column() < m_fixedColCount) {
        // A frozen cell is always in view horizontally; only scroll to its row.
        const int keep = horizontalScrollBar()->value();
        VantroAbstractItemView::scrollTo(index, hint);
        horizontalScrollBar()->setValue(keep);
        return;
    }
    VantroAbstractItemView::scrollTo(index, hint);
    const int left = visualRect(index).left();
    const int covered = frozenWidth();
    if (left < covered)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - covered);
}

void NexTableView::gridDelegateChanged(VantroDefaultItemDelegate* delegate)
{
    if (m_frozenView)
        m_frozenView->setItemDelegate(delegate);
}
