#pragma once

#include "grid/vantrodefaultitemdelegate.h"

/// Base of the controls library's delegates. ownedByView: the view that the delegate is set on
/// (VantroAbstractItemView::setItemDelegate) adopts it and deletes it with itself; otherwise the
/// creator keeps ownership and must keep the delegate alive as long as the view uses it.
class TalBaseItemDelegate : public VantroDefaultItemDelegate
{
    Q_OBJECT
public:
    /// A delegate that the view adopts when ownedByView is true.
    TalBaseItemDelegate(bool ownedByView, QObject* parent = nullptr);
    ~TalBaseItemDelegate() override;
};
