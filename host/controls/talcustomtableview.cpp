#include "controls/talcustomtableview.h"

TalCustomTableView::TalCustomTableView(QWidget* parent)
    : NexCustomTableView(parent)
{
    setTextElideMode(Qt::ElideMiddle);
    setCornerButtonEnabled(true);
}

TalCustomTableView::~TalCustomTableView() = default;
