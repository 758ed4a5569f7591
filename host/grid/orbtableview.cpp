#include "grid/orbtableview.h"

#include <QHeaderView>

OrbTableView::OrbTableView(QWidget* parent)
    : NexTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    QHeaderView* rows = QTableView::verticalHeader();
    rows->setDefaultSectionSize(22);
    rows->setMinimumSectionSize(18);
    QHeaderView* columns = QTableView::horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setHighlightSections(false);
}

OrbTableView::~OrbTableView() = default;
