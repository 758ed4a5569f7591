#pragma once

#include "grid/nexcustomtableview.h"

/// Grid of the controls library, the base of the application's own table views: long texts are
/// elided in the middle, and the corner button selects the whole table. The library's row-editing
/// table view (and through it the SQL table view) derives from it.
class TalCustomTableView : public NexCustomTableView
{
    Q_OBJECT
public:
    /// An empty grid.
    explicit TalCustomTableView(QWidget* parent = nullptr);
    ~TalCustomTableView() override;
};
