#pragma once

#include <QTableView>

class VantroDefaultItemDelegate;

// Root of the grid views: a Qt item view (QAbstractScrollArea underneath) that takes the grid's
// own delegates. A delegate that says so (isOwnedByView) is adopted by the view and deleted with it.
class VantroAbstractItemView : public QTableView
{
    Q_OBJECT
public:
    explicit VantroAbstractItemView(QWidget* parent = nullptr);
    ~VantroAbstractItemView() override;

    using QTableView::setItemDelegate;
    void setItemDelegate(VantroDefaultItemDelegate* delegate);
    // The grid delegate last set with setItemDelegate, or null.
    VantroDefaultItemDelegate* gridItemDelegate() const;

protected:
    // Called after a grid delegate was set, so that views with helper views can share it.
    virtual void gridDelegateChanged(VantroDefaultItemDelegate* delegate);
};
