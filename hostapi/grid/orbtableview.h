#pragma once

#include "grid/nextableview.h"

/// The application's table view: a grid view with the look every table of the application shares
/// (whole-cell selection, compact rows, captions that may span two lines). The data view's
/// drawing-info diff and (through OrbMemTableViewWidget) its tables derive from it.
class OrbTableView : public NexTableView
{
    Q_OBJECT
public:
    /// An empty grid.
    explicit OrbTableView(QWidget* parent = nullptr);
    ~OrbTableView() override;
};
