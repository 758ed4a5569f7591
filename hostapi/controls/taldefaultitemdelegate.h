#pragma once

#include "controls/talbaseitemdelegate.h"

/// Default delegate of the controls' grids: boolean values are edited as check boxes, everything
/// else with Qt's standard editor for the value's type. The SQL table's delegate derives from it
/// and overrides editStyle().
class TalDefaultItemDelegate : public TalBaseItemDelegate
{
    Q_OBJECT
public:
    /// A delegate that the view adopts when ownedByView is true.
    explicit TalDefaultItemDelegate(bool ownedByView, QObject* parent = nullptr);
    ~TalDefaultItemDelegate() override;

    /// esCheckBox for boolean values, esDefault otherwise; leaves flag as it is.
    ZEditStyle editStyle(const QModelIndex& index, bool& flag) const override;
};
