#include "checktree/orbdrawingchecktreenode.h"

#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbdrawingdatautils.h"

namespace {
// Selectable, user-checkable, enabled: no editing, no drag and drop, no automatic tristate.
constexpr Qt::ItemFlags kNodeFlags = Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
} // namespace

OrbDrawingCheckTreeNode::OrbDrawingCheckTreeNode(QTreeWidget* view, int type)
    : QTreeWidgetItem(view, type)
{
    setFlags(kNodeFlags);
}

OrbDrawingCheckTreeNode::OrbDrawingCheckTreeNode(QTreeWidgetItem* parent, bool checked)
    : QTreeWidgetItem(parent, QTreeWidgetItem::Type)
{
    setFlags(kNodeFlags);
    setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

OrbDrawingCheckTreeNode::OrbDrawingCheckTreeNode(const OrbDrawingCheckTreeNode& other)
    : QTreeWidgetItem(other)
    , m_drawset(other.m_drawset)
    , m_drawsetType(other.m_drawsetType)
{
}

// QTreeWidgetItem cannot be moved: moving copies.
OrbDrawingCheckTreeNode::OrbDrawingCheckTreeNode(OrbDrawingCheckTreeNode&& other)
    : QTreeWidgetItem(other)
    , m_drawset(other.m_drawset)
    , m_drawsetType(other.m_drawsetType)
{
}

OrbDrawingCheckTreeNode& OrbDrawingCheckTreeNode::operator=(const OrbDrawingCheckTreeNode& other)
{
    if (this != &other) {
        QTreeWidgetItem::operator=(other);
        m_drawset = other.m_drawset;
        m_drawsetType = other.m_drawsetType;
    }
    return *this;
}

OrbDrawingCheckTreeNode& OrbDrawingCheckTreeNode::operator=(OrbDrawingCheckTreeNode&& other)
{
    return *this = static_cast<const OrbDrawingCheckTreeNode&>(other);
}

OrbDrawingCheckTreeNode::~OrbDrawingCheckTreeNode() = default;

QString OrbDrawingCheckTreeNode::getDisplayText()
{
    if (m_drawset)
        return OrbDrawingDataUtils::getNodeDisplayText(m_drawset);
    if (m_drawsetType) {
        QString name;
        m_drawsetType->name(name);
        return name;
    }
    return QString();
}

OrbDrawingCheckTreeNode* OrbDrawingCheckTreeNode::insertChildNode(int index)
{
    const int count = childCount();
    auto* node = new OrbDrawingCheckTreeNode(this, true); // appended at count
    if (index >= 0 && index < count) {
        takeChild(count);
        insertChild(index, node);
    }
    return node;
}

OrbDrawingCheckTreeNode* OrbDrawingCheckTreeNode::insertType(IOrbDrawsetType* type, int index)
{
    if (!type)
        return nullptr;
    OrbDrawingCheckTreeNode* node = insertChildNode(index);
    node->setDrawsetType(type);
    node->setData(0, KindRole, int(TypeNode));
    node->setText(0, node->getDisplayText());
    return node;
}

OrbDrawingCheckTreeNode* OrbDrawingCheckTreeNode::insertDrawset(IOrbDrawset* drawset, int index)
{
    if (!drawset)
        return nullptr;
    OrbDrawingCheckTreeNode* node = insertChildNode(index);
    node->setDrawset(drawset);
    node->setData(0, KindRole, int(DrawsetNode));
    node->setData(0, DrawsetIdRole, drawset->id());
    node->setText(0, node->getDisplayText());
    return node;
}
