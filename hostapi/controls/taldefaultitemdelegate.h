#pragma once

#include "controls/talbaseitemdelegate.h"

// Default delegate of the controls' grids: boolean values are edited as check boxes, everything
// else with Qt's standard editor for the value's type.
class TalDefaultItemDelegate : public TalBaseItemDelegate
{
    Q_OBJECT
public:
    explicit TalDefaultItemDelegate(bool ownedByView, QObject* parent = nullptr);
    ~TalDefaultItemDelegate() override;

    ZEditStyle editStyle(const QModelIndex& index, bool& flag) const override;
};
