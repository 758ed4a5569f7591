#include "controls/vantrocustomtreeview.h"

VantroCustomTreeView::VantroCustomTreeView(QWidget* parent)
    : QTreeView(parent)
{
    // Host trees hold one line of text per row; uniform heights keep large libraries fast to lay out.
    setUniformRowHeights(true);
    setAnimated(false);
}

VantroCustomTreeView::~VantroCustomTreeView() = default;
