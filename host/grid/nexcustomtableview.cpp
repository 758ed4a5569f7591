#include "grid/nexcustomtableview.h"

NexCustomTableView::NexCustomTableView(QWidget* parent)
    : VantroTableView(parent)
{
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
}

NexCustomTableView::~NexCustomTableView() = default;
