#pragma once

#include "orbdrawingwidgets_export.h"

#include "sqltable/orbdwtableview.h"

// The row-operation grid set up for an OrbDWSqlTableModel: cells are edited through an
// OrbDWSqlTableViewDelegate, and an inserted row is edited from its second column (the first
// usually holds the key that the database fills in).
class ORBDRAWINGWIDGETS_EXPORT OrbDWSqlTableView : public OrbDWTableView
{
    Q_OBJECT
public:
    explicit OrbDWSqlTableView(QWidget* parent = nullptr);
    ~OrbDWSqlTableView() override;
};
