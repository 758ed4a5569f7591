#pragma once

#include "grid/vantrotableview.h"

/// Base of application-specific grids: a VantroTableView whose editing starts on a double click,
/// the edit key (F2) or any typed key.
class NexCustomTableView : public VantroTableView
{
    Q_OBJECT
public:
    /// An empty grid.
    explicit NexCustomTableView(QWidget* parent = nullptr);
    ~NexCustomTableView() override;
};
