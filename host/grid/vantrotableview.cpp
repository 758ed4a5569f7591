#include "grid/vantrotableview.h"

#include "grid/vantroheaderview.h"

VantroTableView::VantroTableView(QWidget* parent)
    : NexTableView(parent)
{
    setWordWrap(false);
    setHorizontalScrollMode(ScrollPerPixel);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
}

VantroTableView::~VantroTableView() = default;
