#pragma once

#include "grid/nextableview.h"

/// Table view with the grid's default look: rows one text line high, no word wrap,
/// pixel-wise scrolling.
class VantroTableView : public NexTableView
{
    Q_OBJECT
public:
    /// An empty grid.
    explicit VantroTableView(QWidget* parent = nullptr);
    ~VantroTableView() override;
};
