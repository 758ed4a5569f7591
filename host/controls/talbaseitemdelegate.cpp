#include "controls/talbaseitemdelegate.h"

TalBaseItemDelegate::TalBaseItemDelegate(bool ownedByView, QObject* parent)
    : VantroDefaultItemDelegate(parent)
{
    setOwnedByView(ownedByView);
}

TalBaseItemDelegate::~TalBaseItemDelegate() = default;
