#include "grid/orbtableview.h"

#include <QHeaderView>

namespace {
constexpr int kRowHeight = 22;
constexpr int kMinRowHeight = 18;
} // namespace

OrbTableView::OrbTableView(QWidget* parent)
    : NexTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    QHeaderView* rows = QTableView::verticalHeader();
    rows->setDefaultSectionSize(kRowHeight);
    rows->setMinimumSectionSize(kMinRowHeight);
    QHeaderView* columns = QTableView::horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setHighlightSections(false);
}

OrbTableView::~OrbTableView() = default;
