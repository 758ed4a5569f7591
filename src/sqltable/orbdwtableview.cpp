#include "sqltable/orbdwtableview.h"

#include "grid/vantroheaderview.h"

#include <QSet>

#include <algorithm>
#include <functional>

OrbDWTableView::OrbDWTableView(QWidget* parent)
    : TalCustomTableView(parent)
    , editColumn(0)
{
    setAllowCopy(true);
    setSortingEnabled(true);
    verticalHeader()->setMovable(false);
}

OrbDWTableView::~OrbDWTableView() = default;

void OrbDWTableView::insertRow()
{
    QAbstractItemModel* m = model();
    if (!m)
        return;
    int row = currentIndex().row();
    if (row < 0)
        row = 0;
    m->insertRow(row, QModelIndex());
    const QModelIndex index = m->index(row, editColumn, QModelIndex());
    setCurrentIndex(index);
    if (index.isValid())
        edit(index);
    emit onInsertRow(index);
}

void OrbDWTableView::deleteRow()
{
    QAbstractItemModel* m = model();
    if (!m)
        return;
    const QModelIndexList indexes = selectedIndexes();
    if (indexes.isEmpty())
        return;
    QSet<int> distinct;
    for (const QModelIndex& index : indexes)
        distinct.insert(index.row());
    QList<int> rows = distinct.values();
    std::sort(rows.begin(), rows.end(), std::greater<int>());

    const int lowest = doDeleteRow(rows);
    if (lowest == -1)
        return;
    // Models that keep removed rows until submit still have the row; others select the one above.
    const int row = lowest < m->rowCount(QModelIndex()) ? lowest : lowest - 1;
    selectRows(row, row);
}

int OrbDWTableView::doDeleteRow(QList<int>& rows)
{
    QAbstractItemModel* m = model();
    if (rows.isEmpty() || !m)
        return -1;
    int low = rows.first();
    int high = low;
    for (int i = 1; i < rows.size(); ++i) {
        const int row = rows.at(i);
        if (row == low - 1) {
            low = row;
            continue;
        }
        m->removeRows(low, high - low + 1, QModelIndex());
        low = high = row;
    }
    m->removeRows(low, high - low + 1, QModelIndex());
    return low;
}

bool OrbDWTableView::canMoveUpRow(const QModelIndex& index)
{
    return index.isValid() && index.row() > 0;
}

bool OrbDWTableView::canMoveDownRow(const QModelIndex& index)
{
    return index.isValid() && model() && index.row() < model()->rowCount(QModelIndex()) - 1;
}

void OrbDWTableView::moveUpRow(const QModelIndex& index)
{
    if (!model() || !canMoveUpRow(index))
        return;
    const int row = index.row();
    model()->moveRow(index.parent(), row, index.parent(), row - 1);
    selectRows(row - 1, row - 1);
}

void OrbDWTableView::moveDownRow(const QModelIndex& index)
{
    if (!model() || !canMoveDownRow(index))
        return;
    const int row = index.row();
    // The destination is the row before which the moved row lands, so one place down is row + 2.
    model()->moveRow(index.parent(), row, index.parent(), row + 2);
    selectRows(row + 1, row + 1);
}
