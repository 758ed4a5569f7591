#pragma once

#include "grid/nexcustomtableview.h"

// Grid of the controls library, the base of the application's own table views: long texts are
// elided in the middle, and the corner button selects the whole table.
class TalCustomTableView : public NexCustomTableView
{
    Q_OBJECT
public:
    explicit TalCustomTableView(QWidget* parent = nullptr);
    ~TalCustomTableView() override;
};
