#include "sqltable/orbdwsqltableview.h"

#include "sqltable/orbdwsqltableviewdelegate.h"

OrbDWSqlTableView::OrbDWSqlTableView(QWidget* parent)
    : OrbDWTableView(parent)
{
    // Owned by the view: the delegate is adopted by setItemDelegate.
    VantroAbstractItemView::setItemDelegate(new OrbDWSqlTableViewDelegate(this));
    editColumn = 1;
}

OrbDWSqlTableView::~OrbDWSqlTableView() = default;
