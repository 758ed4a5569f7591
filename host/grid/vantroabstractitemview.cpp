#include "grid/vantroabstractitemview.h"

#include "grid/vantrodefaultitemdelegate.h"

VantroAbstractItemView::VantroAbstractItemView(QWidget* parent)
    : QTableView(parent)
{
}

VantroAbstractItemView::~VantroAbstractItemView() = default;

void VantroAbstractItemView::setItemDelegate(VantroDefaultItemDelegate* delegate)
{
    if (delegate && delegate->isOwnedByView() && delegate->parent() != this)
        delegate->setParent(this);
    QTableView::setItemDelegate(delegate);
    gridDelegateChanged(delegate);
}

void VantroAbstractItemView::gridDelegateChanged(VantroDefaultItemDelegate* delegate)
{
    Q_UNUSED(delegate)
}
