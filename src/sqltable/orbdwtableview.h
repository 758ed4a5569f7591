#pragma once

#include "orbdrawingwidgets_export.h"

#include "controls/talcustomtableview.h"

// Grid with row operations on whatever model it shows: insert a row at the current row and start
// editing it, delete the selected rows block by block, move a row up or down. Works through the
// QAbstractItemModel interface only; with no model every operation does nothing.
class ORBDRAWINGWIDGETS_EXPORT OrbDWTableView : public TalCustomTableView
{
    Q_OBJECT
public:
    explicit OrbDWTableView(QWidget* parent = nullptr);
    ~OrbDWTableView() override;

    virtual void insertRow();
    virtual void deleteRow();
    virtual bool canMoveUpRow(const QModelIndex& index);
    virtual bool canMoveDownRow(const QModelIndex& index);
    virtual void moveUpRow(const QModelIndex& index);
    virtual void moveDownRow(const QModelIndex& index);

signals:
    void onInsertRow(const QModelIndex& index);

protected:
    // Removes rows given in descending order, each block of adjacent rows with one removeRows call,
    // the lowest block in the table first. Returns the smallest row removed, or -1.
    int doDeleteRow(QList<int>& rows);

    // Column made current and opened for editing after an insert.
    int editColumn;
};
