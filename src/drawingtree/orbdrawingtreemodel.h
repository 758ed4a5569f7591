#pragma once

#include "orbdrawingwidgets_export.h"

#include <QStandardItemModel>

// The item model of the drawing tree: every item it creates on its own is an OrbDrawingTreeNode.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawingTreeModel : public QStandardItemModel
{
    Q_OBJECT
public:
    explicit OrbDrawingTreeModel(QObject* parent = nullptr);
    ~OrbDrawingTreeModel() override;
};
