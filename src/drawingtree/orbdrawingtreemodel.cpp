#include "drawingtree/orbdrawingtreemodel.h"

#include "drawingtree/orbdrawingtreenode.h"

OrbDrawingTreeModel::OrbDrawingTreeModel(QObject* parent)
    : QStandardItemModel(parent)
{
    setItemPrototype(new OrbDrawingTreeNode());
}

OrbDrawingTreeModel::~OrbDrawingTreeModel() = default;
