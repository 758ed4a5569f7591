#pragma once

#include <QTableView>

class VantroDefaultItemDelegate;

/// Root of the grid views: a Qt item view (QAbstractScrollArea underneath) that takes the grid's
/// own delegates. A delegate that says so (isOwnedByView) is adopted by the view and deleted with it.
class VantroAbstractItemView : public QTableView
{
    Q_OBJECT
public:
    /// An empty view.
    explicit VantroAbstractItemView(QWidget* parent = nullptr);
    ~VantroAbstractItemView() override;

    using QTableView::setItemDelegate;
    /// Sets a grid delegate; the view adopts it when it isOwnedByView(). The SQL table widget sets
    /// its delegate this way.
    void setItemDelegate(VantroDefaultItemDelegate* delegate);

protected:
    /// Called after a grid delegate was set, so that views with helper views can share it.
    virtual void gridDelegateChanged(VantroDefaultItemDelegate* delegate);
};
