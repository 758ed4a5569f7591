#include "controls/vantrocustomtreewidget.h"

VantroCustomTreeWidget::VantroCustomTreeWidget(QWidget* parent)
    : QTreeWidget(parent)
{
    setUniformRowHeights(true);
    setAnimated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

VantroCustomTreeWidget::~VantroCustomTreeWidget() = default;
