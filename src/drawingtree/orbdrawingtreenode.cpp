#include "drawingtree/orbdrawingtreenode.h"

#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbdrawingdatautils.h"

#include <QStandardItemModel>

OrbDrawingTreeNode::OrbDrawingTreeNode() = default;

OrbDrawingTreeNode::OrbDrawingTreeNode(const OrbDrawingTreeNode& other)
    : QStandardItem(other), m_drawset(other.m_drawset), m_drawsetType(other.m_drawsetType)
{
}

OrbDrawingTreeNode& OrbDrawingTreeNode::operator=(const OrbDrawingTreeNode& other)
{
    if (this != &other) {
        QStandardItem::operator=(other);
        m_drawset = other.m_drawset;
        m_drawsetType = other.m_drawsetType;
    }
    return *this;
}

OrbDrawingTreeNode::~OrbDrawingTreeNode() = default;

QVariant OrbDrawingTreeNode::data(int role) const
{
    return QStandardItem::data(role == Qt::EditRole ? int(NameRole) : role);
}

void OrbDrawingTreeNode::setData(const QVariant& value, int role)
{
    if (role != Qt::EditRole) {
        QStandardItem::setData(value, role);
        return;
    }

    QVariant stored = value;

    const QString text = value.toString();
    if (m_drawset) {
        if (text.isEmpty()) {
            // An empty name is refused: keep the object's current name.
            QString current;
            m_drawset->name(current);
            stored = current;
        } else {
            m_drawset->beginUpdate();
            m_drawset->setName(text);
            m_drawset->endUpdate();
        }
    } else if (m_drawsetType) {
        if (text.isEmpty()) {
            QString current;
            m_drawsetType->name(current);
            stored = current;
        } else {
            m_drawsetType->beginUpdate();
            m_drawsetType->setName(text);
            m_drawsetType->endUpdate();
        }
    }
    // Read the text back from the host so the row shows what was really stored.
    QStandardItem::setData(getDisplayText(), Qt::DisplayRole);
    QStandardItem::setData(stored, NameRole);
}

QStandardItem* OrbDrawingTreeNode::clone() const
{
    return new OrbDrawingTreeNode();
}

OrbDrawingTreeNode* OrbDrawingTreeNode::cast(QStandardItem* item)
{
    return dynamic_cast<OrbDrawingTreeNode*>(item);
}

QStandardItem* OrbDrawingTreeNode::internalParent() const
{
    if (QStandardItem* p = parent())
        return p;
    if (QStandardItemModel* m = model())
        return m->invisibleRootItem();
    return nullptr;
}

OrbDrawingTreeNode* OrbDrawingTreeNode::sibling(int offset) const
{
    QStandardItem* p = internalParent();
    if (!p)
        return nullptr;
    const int r = row() + offset;
    if (r < 0 || r >= p->rowCount())
        return nullptr;
    return cast(p->child(r, column()));
}

OrbDrawingTreeNode* OrbDrawingTreeNode::nextNode() const
{
    return sibling(1);
}

OrbDrawingTreeNode* OrbDrawingTreeNode::prevNode() const
{
    return sibling(-1);
}

OrbDrawingTreeNode* OrbDrawingTreeNode::lastChild() const
{
    const int rows = rowCount();
    return rows > 0 ? cast(child(rows - 1, 0)) : nullptr;
}

QString OrbDrawingTreeNode::getDisplayText() const
{
    if (m_drawset)
        return OrbDrawingDataUtils::getNodeDisplayText(m_drawset);
    QString text;
    if (m_drawsetType)
        m_drawsetType->name(text);
    return text;
}
