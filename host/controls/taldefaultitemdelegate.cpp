#include "controls/taldefaultitemdelegate.h"

TalDefaultItemDelegate::TalDefaultItemDelegate(bool ownedByView, QObject* parent)
    : TalBaseItemDelegate(ownedByView, parent)
{
}

TalDefaultItemDelegate::~TalDefaultItemDelegate() = default;

ZEditStyle TalDefaultItemDelegate::editStyle(const QModelIndex& index, bool& flag) const
{
    if (index.isValid() && index.data(Qt::EditRole).userType() == QMetaType::Bool)
        return esCheckBox;
    return VantroDefaultItemDelegate::editStyle(index, flag);
}
