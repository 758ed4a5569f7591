#include "controls/talcheckabletreewidget.h"

#include <QAbstractItemModel>

TalCheckableTreeWidget::TalCheckableTreeWidget(QWidget* parent, int checkColumn)
    : VantroCustomTreeWidget(parent)
    , m_checkColumn(checkColumn < 0 ? 0 : checkColumn)
{
    QAbstractItemModel* m = model();
    connect(m, &QAbstractItemModel::dataChanged, this, &TalCheckableTreeWidget::onDataChanged);
    connect(m, &QAbstractItemModel::rowsInserted, this, &TalCheckableTreeWidget::onRowsInserted);
    connect(m, &QAbstractItemModel::rowsRemoved, this, &TalCheckableTreeWidget::onRowsRemoved);
}

TalCheckableTreeWidget::~TalCheckableTreeWidget()
{
    // The base destructor deletes the items; their signals must not reach this half-destroyed object.
    disconnect(model(), nullptr, this, nullptr);
}

bool TalCheckableTreeWidget::hasCheck(const QTreeWidgetItem* item) const
{
    return item && item->data(m_checkColumn, Qt::CheckStateRole).isValid();
}

void TalCheckableTreeWidget::onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                           const QVector<int>& roles)
{
    if (m_propagating || !roles.contains(Qt::CheckStateRole))
        return;
    if (topLeft.column() > m_checkColumn || bottomRight.column() < m_checkColumn)
        return;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        QTreeWidgetItem* item = itemFromIndex(topLeft.sibling(row, m_checkColumn));
        if (!hasCheck(item))
            continue;
        m_propagating = true;
        const Qt::CheckState state = item->checkState(m_checkColumn);
        if (state != Qt::PartiallyChecked)
            setDescendants(item, state);
        updateAncestors(item);
        m_propagating = false;
    }
}

void TalCheckableTreeWidget::onRowsInserted(const QModelIndex& parent, int first, int last)
{
    if (m_propagating || !parent.isValid())
        return;
    QTreeWidgetItem* parentItem = itemFromIndex(parent);
    if (!hasCheck(parentItem))
        return;
    m_propagating = true;
    for (int row = first; row <= last && row < parentItem->childCount(); ++row) {
        QTreeWidgetItem* child = parentItem->child(row);
        if (hasCheck(child))
            updateAncestors(child);
    }
    m_propagating = false;
}

void TalCheckableTreeWidget::onRowsRemoved(const QModelIndex& parent, int, int)
{
    if (m_propagating || !parent.isValid())
        return;
    QTreeWidgetItem* parentItem = itemFromIndex(parent);
    if (!hasCheck(parentItem))
        return;
    const Qt::CheckState current = parentItem->checkState(m_checkColumn);
    const Qt::CheckState state = stateFromChildren(parentItem, current);
    if (state == current)
        return;
    m_propagating = true;
    parentItem->setCheckState(m_checkColumn, state);
    updateAncestors(parentItem);
    m_propagating = false;
}

void TalCheckableTreeWidget::setDescendants(QTreeWidgetItem* item, Qt::CheckState state)
{
    // Iterative, so that deep trees cannot exhaust the stack.
    QVector<QTreeWidgetItem*> pending{item};
    while (!pending.isEmpty()) {
        QTreeWidgetItem* current = pending.takeLast();
        for (int i = 0, n = current->childCount(); i < n; ++i) {
            QTreeWidgetItem* child = current->child(i);
            if (hasCheck(child))
                child->setCheckState(m_checkColumn, state);
            if (child->childCount() > 0)
                pending.append(child);
        }
    }
}

Qt::CheckState TalCheckableTreeWidget::stateFromChildren(const QTreeWidgetItem* parent,
                                                         Qt::CheckState fallback) const
{
    bool anyChecked = false;
    bool anyUnchecked = false;
    for (int i = 0, n = parent->childCount(); i < n; ++i) {
        const QTreeWidgetItem* child = parent->child(i);
        if (!hasCheck(child))
            continue;
        switch (child->checkState(m_checkColumn)) {
        case Qt::PartiallyChecked:
            return Qt::PartiallyChecked;
        case Qt::Checked:
            anyChecked = true;
            break;
        case Qt::Unchecked:
            anyUnchecked = true;
            break;
        }
        if (anyChecked && anyUnchecked)
            return Qt::PartiallyChecked;
    }
    if (anyChecked)
        return Qt::Checked;
    if (anyUnchecked)
        return Qt::Unchecked;
    return fallback;
}

void TalCheckableTreeWidget::updateAncestors(QTreeWidgetItem* item)
{
    QTreeWidgetItem* child = item;
    QTreeWidgetItem* parent = item->parent();
    while (hasCheck(parent)) {
        const Qt::CheckState current = parent->checkState(m_checkColumn);
        const Qt::CheckState childState = child->checkState(m_checkColumn);
        // A child that now agrees with an agreeing parent cannot change it; this keeps filling a
        // large tree linear instead of rescanning every sibling for each new item.
        if (childState != Qt::PartiallyChecked && childState == current)
            return;
        const Qt::CheckState state = stateFromChildren(parent, current);
        if (state == current)
            return;
        parent->setCheckState(m_checkColumn, state);
        child = parent;
        parent = parent->parent();
    }
}
