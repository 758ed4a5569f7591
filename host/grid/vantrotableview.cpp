#include "grid/vantrotableview.h"

#include "grid/vantroheaderview.h"

namespace {
constexpr int kRowPadding = 8; // pixels above and below a line of text
} // namespace

VantroTableView::VantroTableView(QWidget* parent)
    : NexTableView(parent)
{
    setWordWrap(false);
    setHorizontalScrollMode(ScrollPerPixel);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
}

VantroTableView::~VantroTableView() = default;
