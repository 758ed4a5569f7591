#include "drawingtree/orbdrawingtreewidget.h"

#include "drawingtree/orbdrawingfilefollower.h"
#include "drawingtree/orbdrawingtreemodel.h"
#include "drawingtree/orbdrawingtreenode.h"

#include "common/orbappcmdline.h"
#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbkeyvaluelist.h"

#include <QHash>
#include <QSet>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace {
using NodeIndexEntry = std::pair<void*, OrbDrawingTreeNode*>;

// A function object rather than a function, so that sorting and searching inline it.
const auto byAddress = [](const NodeIndexEntry& a, const NodeIndexEntry& b) {
    return std::less<void*>()(a.first, b.first);
};

// Drawset settings that say whether a well drawset serves sewage or rain-water wells (1: yes).
const QString kSewageWellKey = QStringLiteral("WSJ");
const QString kRainWellKey = QStringLiteral("YSJ");

// Closes the data store's batch on every way out of a renumbering, exceptions included.
class StoreBatch
{
public:
    explicit StoreBatch(const QSharedPointer<IOrbDrawingFile>& file) : m_file(file)
    {
        if (QSharedPointer<IOrbDataStore> store = m_file->dataStore())
            store->beginUpdate();
    }
    ~StoreBatch()
    {
        if (QSharedPointer<IOrbDataStore> store = m_file->dataStore())
            store->endUpdate();
    }
    StoreBatch(const StoreBatch&) = delete;
    StoreBatch& operator=(const StoreBatch&) = delete;

private:
    QSharedPointer<IOrbDrawingFile> m_file;
};

// The in-place editor opens on the host's stored name: a name shown with its {key} placeholder
// filled in keeps the placeholder unless the user removes it.
class StoredNameDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* line = qobject_cast<QLineEdit*>(editor);
        const auto* model = qobject_cast<const QStandardItemModel*>(index.model());
        OrbDrawingTreeNode* node = line && model ? OrbDrawingTreeNode::cast(model->itemFromIndex(index)) : nullptr;
        QString name;
        if (node && node->drawset())
            node->drawset()->name(name);
        else if (node && node->drawsetType())
            node->drawsetType()->name(name);
        else
            return QStyledItemDelegate::setEditorData(editor, index);
        line->setText(name);
    }
};

void writeOrderNum(IOrbDrawsetType* type, int value)
{
    type->beginUpdate();
    type->setOrderNum(value);
    type->endUpdate();
}

// Holds a node's position in the host's order while its siblings are sorted.
constexpr int kHostRankRole = Qt::UserRole + 0x7A1;

void writeOrderNum(IOrbDrawset* drawset, int value)
{
    drawset->beginUpdate();
    drawset->setOrderNum(value);
    drawset->endUpdate();
}
} // namespace

OrbDrawingTreeWidget::OrbDrawingTreeWidget(QWidget* parent)
    : VantroCustomTreeView(parent)
{
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setDefaultDropAction(Qt::IgnoreAction);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setItemDelegate(new StoredNameDelegate(this));
    m_model = new OrbDrawingTreeModel(this);
    m_model->setColumnCount(1);
    setModel(m_model);
    m_follower.reset(new OrbDrawingFileFollower(this, [this](const QList<OrbDrawingChange>& changes) {
        followChanges(changes);
    }));
}

OrbDrawingTreeWidget::~OrbDrawingTreeWidget() = default;

void OrbDrawingTreeWidget::setDrawingFile(QSharedPointer<IOrbDrawingFile> file)
{
    if (file.data() == m_drawingFile.data())
        return;
    // The old file keeps its objects alive until the old rows are gone.
    const QSharedPointer<IOrbDrawingFile> previous = m_drawingFile;
    m_drawingFile = file;
    m_follower->follow(file.data());
    refreshData();
}

void OrbDrawingTreeWidget::refreshData()
{
    // The index points into the rows about to go.
    m_nodeIndex.clear();
    m_indexedNodes = 0;
    m_nodeIndexSorted = true;
    // A reset, not row removals: the current index goes without a current-change, so nobody
    // re-targets anything at "no node" on the way to the new file's nodes.
    m_model->clear();
    m_model->setColumnCount(1);
    if (!m_drawingFile)
        return;
    m_readOnly = !m_drawingFile->isEditable();

    IOrbDrawsetTypes* typeCollection = m_drawingFile->drawsetTypes();
    IOrbDrawsets* drawsetCollection = m_drawingFile->drawsets();
    if (!typeCollection || !drawsetCollection)
        return;

    QList<IOrbDrawsetType*> types;
    typeCollection->getAll(types, true);
    m_nodeIndexSorted = false;
    QList<IOrbDrawset*> drawsets;
    QList<QStandardItem*> rows;
    // A type node is filled before it joins the model, and its drawset rows go in as one list:
    // one row insertion per type instead of one per drawset. (The type joins with appendRow, not
    // appendRows: the list form leaves the children's model unset.)
    for (IOrbDrawsetType* type : qAsConst(types)) {
        if (!type)
            continue;
        if (!m_visibleEntSet.isEmpty() && !m_visibleEntSet.contains(static_cast<long long>(type->elementType())))
            continue;
        drawsets.clear();
        drawsetCollection->getByType(drawsets, type);
        OrbDrawingTreeNode* typeNode = nullptr;
        rows.clear();
        rows.reserve(drawsets.size());
        for (IOrbDrawset* drawset : qAsConst(drawsets)) {
            if (!drawset || !isDrawsetShown(drawset))
                continue;
            if (!typeNode)
                typeNode = newTypeNode(type);
            rows.append(newDrawsetNode(drawset));
        }
        if (!typeNode)
            continue;
        typeNode->appendRows(rows);
        m_model->invisibleRootItem()->appendRow(typeNode);
    }
    sortNodeIndex();
}

bool OrbDrawingTreeWidget::isDrawsetShown(IOrbDrawset* drawset) const
{
    if (m_showAllDrawset)
        return true;
    // Automation clients also reach drawsets hidden from people.
    if (!drawset->isVisible() && !OrbAppCmdLine::instance()->isAutomation())
        return false;
    if (m_wellIsSewageType.isNull())
        return true;
    // A drawset without settings has neither key: it serves both kinds of well.
    static const OrbKeyValueList noSettings;
    const OrbKeyValueList* settings = drawset->keyValues();
    if (!settings)
        settings = &noSettings;
    const bool sewage = m_wellIsSewageType.toBool();
    if (sewage && settings->asInteger(kSewageWellKey, 1) == 1)
        return true;
    if (!sewage && settings->asInteger(kRainWellKey, 1) == 1)
        return true;
    return false;
}

void OrbDrawingTreeWidget::addDrawsets(QList<IOrbDrawset*> drawsets)
{
    if (!m_drawingFile)
        return;
    for (IOrbDrawset* drawset : qAsConst(drawsets)) {
        if (!drawset)
            continue;
        IOrbDrawsetType* type = drawset->drawsetType();
        OrbDrawingTreeNode* typeNode = findTypeNode(type);
        if (!typeNode)
            typeNode = insertType(type, -1);
        if (typeNode)
            insertDrawset(typeNode, drawset, -1);
    }
}

OrbDrawingTreeNode* OrbDrawingTreeWidget::newNode()
{
    if (!m_readOnly)
        return new OrbDrawingTreeNode();
    if (!m_readOnlyPrototype) {
        m_readOnlyPrototype.reset(new OrbDrawingTreeNode());
        m_readOnlyPrototype->setEditable(false);
    }
    return new OrbDrawingTreeNode(*m_readOnlyPrototype);
}

void OrbDrawingTreeWidget::nameNode(OrbDrawingTreeNode* node, QString& name)
{
    node->setData(getDisplayName(name), OrbDrawingTreeNode::NameRole);
    QString text = node->getDisplayText();
    node->setData(getDisplayName(text), Qt::DisplayRole);
}

void OrbDrawingTreeWidget::placeNode(QStandardItem* parent, OrbDrawingTreeNode* node, int index)
{
    // A row outside the parent's rows appends rather than losing the node.
    if (index < 0 || index > parent->rowCount())
        parent->appendRow(node);
    else
        parent->insertRow(index, node);
}

void OrbDrawingTreeWidget::indexNode(void* key, OrbDrawingTreeNode* node)
{
    if (m_drawingFile->isEditable())
        return;
    ++m_indexedNodes;
    // A refresh appends and sorts once at its end; a node added later is put in its place.
    if (!m_nodeIndexSorted) {
        m_nodeIndex.emplace_back(key, node);
        return;
    }
    const auto it = indexSlot(key);
    if (it != m_nodeIndex.end() && it->first == key) {
        // A later node for the same host object replaces the earlier one.
        if (it->second)
            --m_indexedNodes;
        it->second = node;
        return;
    }
    m_nodeIndex.emplace(it, key, node);
}

void OrbDrawingTreeWidget::sortNodeIndex()
{
    if (m_nodeIndexSorted)
        return;
    m_nodeIndexSorted = true;
    std::stable_sort(m_nodeIndex.begin(), m_nodeIndex.end(), byAddress);
    // Of several nodes for one host object, the one indexed last stays: read backwards, it is
    // the first of its run.
    const auto kept = std::unique(m_nodeIndex.rbegin(), m_nodeIndex.rend(),
                                  [](const NodeIndexEntry& a, const NodeIndexEntry& b) { return a.first == b.first; });
    m_nodeIndex.erase(m_nodeIndex.begin(), kept.base());
    m_indexedNodes = int(std::count_if(m_nodeIndex.begin(), m_nodeIndex.end(),
                                       [](const NodeIndexEntry& e) { return e.second != nullptr; }));
}

std::vector<NodeIndexEntry>::iterator OrbDrawingTreeWidget::indexSlot(void* key)
{
    sortNodeIndex();
    return std::lower_bound(m_nodeIndex.begin(), m_nodeIndex.end(), NodeIndexEntry(key, nullptr), byAddress);
}

NodeIndexEntry* OrbDrawingTreeWidget::indexEntry(void* key)
{
    const auto it = indexSlot(key);
    return it != m_nodeIndex.end() && it->first == key ? &*it : nullptr;
}

OrbDrawingTreeNode* OrbDrawingTreeWidget::insertType(IOrbDrawsetType* type, int index)
{
    if (!m_drawingFile || !type)
        return nullptr;
    OrbDrawingTreeNode* node = newTypeNode(type);
    placeNode(m_model->invisibleRootItem(), node, index);
    return node;
}

OrbDrawingTreeNode* OrbDrawingTreeWidget::newTypeNode(IOrbDrawsetType* type)
{
    OrbDrawingTreeNode* node = newNode();
    node->setDrawsetType(type);
    QString name;
    type->name(name);
    nameNode(node, name);
    indexNode(type, node);
    return node;
}

OrbDrawingTreeNode* OrbDrawingTreeWidget::insertDrawset(OrbDrawingTreeNode* typeNode, IOrbDrawset* drawset, int index)
{
    if (!m_drawingFile || !typeNode || !drawset)
        return nullptr;
    OrbDrawingTreeNode* node = newDrawsetNode(drawset);
    placeNode(typeNode, node, index);
    return node;
}

OrbDrawingTreeNode* OrbDrawingTreeWidget::newDrawsetNode(IOrbDrawset* drawset)
{
    OrbDrawingTreeNode* node = newNode();
    node->setDrawset(drawset);
    QString name;
    drawset->name(name);
    nameNode(node, name);
    indexNode(drawset, node);
    return node;
}

OrbDrawingTreeNode* OrbDrawingTreeWidget::findTypeNode(IOrbDrawsetType* type)
{
    if (m_indexedNodes > 0) {
        const auto* entry = indexEntry(type);
        return entry ? entry->second : nullptr;
    }
    if (!type)
        return nullptr;
    QStandardItem* root = m_model->invisibleRootItem();
    const int rows = root->rowCount();
    for (int i = 0; i < rows; ++i) {
        OrbDrawingTreeNode* node = OrbDrawingTreeNode::cast(root->child(i));
        if (node && node->drawsetType() && node->drawsetType() == type)
            return node;
    }
    return nullptr;
}

OrbDrawingTreeNode* OrbDrawingTreeWidget::findDrawsetNode(IOrbDrawset* drawset)
{
    if (m_indexedNodes > 0) {
        const auto* entry = indexEntry(drawset);
        return entry ? entry->second : nullptr;
    }
    if (!drawset)
        return nullptr;
    QStandardItem* root = m_model->invisibleRootItem();
    const int rows = root->rowCount();
    for (int i = 0; i < rows; ++i) {
        QStandardItem* typeItem = root->child(i);
        if (!typeItem)
            continue;
        const int children = typeItem->rowCount();
        for (int j = 0; j < children; ++j) {
            OrbDrawingTreeNode* node = OrbDrawingTreeNode::cast(typeItem->child(j));
            if (node && node->drawset() == drawset)
                return node;
        }
    }
    return nullptr;
}

OrbDrawingTreeNode* OrbDrawingTreeWidget::getTypeNode(IOrbDrawsetType* type)
{
    if (OrbDrawingTreeNode* node = findTypeNode(type))
        return node;
    return insertType(type, -1);
}

OrbDrawingTreeNode* OrbDrawingTreeWidget::getFirstNode(QStandardItem* parent)
{
    if (!parent)
        parent = m_model->invisibleRootItem();
    if (parent->rowCount() == 0)
        return nullptr;
    return OrbDrawingTreeNode::cast(parent->child(0));
}

bool OrbDrawingTreeWidget::hasData() const
{
    return m_model && m_model->invisibleRootItem()->rowCount() > 0;
}

OrbDrawingTreeNode* OrbDrawingTreeWidget::currentTreeNode() const
{
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return nullptr;
    return OrbDrawingTreeNode::cast(m_model->itemFromIndex(index));
}

IOrbDrawset* OrbDrawingTreeWidget::currentDrawset() const
{
    OrbDrawingTreeNode* node = currentTreeNode();
    return node ? node->drawset() : nullptr;
}

IOrbDrawsetType* OrbDrawingTreeWidget::currentDrawsetType() const
{
    OrbDrawingTreeNode* node = currentTreeNode();
    if (!node)
        return nullptr;
    if (IOrbDrawset* drawset = node->drawset())
        return drawset->drawsetType();
    return node->drawsetType();
}

void OrbDrawingTreeWidget::unindexNode(OrbDrawingTreeNode* node)
{
    // Drop only entries that still point at this node: a later insertion for the same host
    // object may have replaced it.
    void* key = node->drawset() ? static_cast<void*>(node->drawset()) : static_cast<void*>(node->drawsetType());
    if (key) {
        auto* entry = indexEntry(key);
        if (entry && entry->second == node) {
            entry->second = nullptr;
            --m_indexedNodes;
        }
    }
    const int rows = node->rowCount();
    for (int i = 0; i < rows; ++i) {
        if (OrbDrawingTreeNode* child = OrbDrawingTreeNode::cast(node->child(i)))
            unindexNode(child);
    }
}

void OrbDrawingTreeWidget::deleteNode(OrbDrawingTreeNode* node)
{
    // A node of another model (or of none) has no row here to remove.
    if (!node || node->model() != m_model)
        return;
    if (m_indexedNodes > 0)
        unindexNode(node);
    QStandardItem* parentItem = node->parent();
    m_model->removeRow(node->row(), parentItem ? parentItem->index() : QModelIndex());
}

void OrbDrawingTreeWidget::updateNode(OrbDrawingTreeNode* node)
{
    if (!node)
        return;
    QString name;
    if (IOrbDrawset* drawset = node->drawset())
        drawset->name(name);
    else if (IOrbDrawsetType* type = node->drawsetType())
        type->name(name);
    if (node->drawset() || node->drawsetType())
        node->setData(name, OrbDrawingTreeNode::NameRole);
    // A blank node shows no text: a stale one must not survive.
    node->setData(node->getDisplayText(), Qt::DisplayRole);
}

void OrbDrawingTreeWidget::setFocusNode(OrbDrawingTreeNode* node)
{
    if (!node || node->model() != m_model)
        return;
    setCurrentIndex(node->index());
}

bool OrbDrawingTreeWidget::canMoveUp(OrbDrawingTreeNode* node) const
{
    return node && node->prevNode();
}

bool OrbDrawingTreeWidget::canMoveDown(OrbDrawingTreeNode* node) const
{
    return node && node->nextNode();
}

void OrbDrawingTreeWidget::moveUpNode(OrbDrawingTreeNode* node)
{
    if (node)
        moveNode(node, node->prevNode(), -1);
}

void OrbDrawingTreeWidget::moveDownNode(OrbDrawingTreeNode* node)
{
    if (node)
        moveNode(node, node->nextNode(), 1);
}

void OrbDrawingTreeWidget::moveNode(OrbDrawingTreeNode* node, OrbDrawingTreeNode* neighbour, int step)
{
    if (!neighbour)
        return;
    const int row = node->row();
    QStandardItem* parentItem = node->internalParent();
    const QList<QStandardItem*> items = parentItem->takeRow(row);
    parentItem->insertRow(row + step, items);
    switchNodeOrderNum(neighbour, node);
}

void OrbDrawingTreeWidget::switchNodeOrderNum(OrbDrawingTreeNode* a, OrbDrawingTreeNode* b)
{
    if (!a || !b)
        return;
    if (IOrbDrawset* da = a->drawset()) {
        IOrbDrawset* db = b->drawset();
        if (!db)
            return;
        const int bNum = db->orderNum();
        writeOrderNum(db, da->orderNum());
        writeOrderNum(da, bNum);
        return;
    }
    IOrbDrawsetType* ta = a->drawsetType();
    IOrbDrawsetType* tb = b->drawsetType();
    if (!ta || !tb)
        return;
    const int bNum = tb->orderNum();
    writeOrderNum(tb, ta->orderNum());
    writeOrderNum(ta, bNum);
}

void OrbDrawingTreeWidget::fixNodeOrderNum()
{
    if (!m_drawingFile)
        return;
    StoreBatch batch(m_drawingFile);
    QStandardItem* root = m_model->invisibleRootItem();
    const int rows = root->rowCount();
    for (int i = 0; i < rows; ++i) {
        OrbDrawingTreeNode* typeNode = OrbDrawingTreeNode::cast(root->child(i));
        if (!typeNode)
            continue;
        if (IOrbDrawsetType* type = typeNode->drawsetType())
            writeOrderNum(type, i);
        const int children = typeNode->rowCount();
        for (int j = 0; j < children; ++j) {
            OrbDrawingTreeNode* node = OrbDrawingTreeNode::cast(typeNode->child(j));
            if (node && node->drawset())
                writeOrderNum(node->drawset(), j);
        }
    }
}

void OrbDrawingTreeWidget::setDisplayParams(QMap<QString, QString>& params)
{
    m_displayParams.swap(params);
}

QString OrbDrawingTreeWidget::getDisplayName(QString& name)
{
    // Names without a placeholder are the common case: one scan each for the braces.
    const int open = name.indexOf(QLatin1Char('{'));
    if (open < 0)
        return name;
    const int close = name.indexOf(QLatin1Char('}'));
    if (close < 0)
        return name;
    const QString key = name.mid(open + 1, close - open - 1);
    const QString token = name.mid(open, close - open + 1);
    const QString value = m_displayParams.value(key);
    if (!value.isEmpty())
        name.replace(token, value);
    return name;
}

QString OrbDrawingTreeWidget::getOptionValue(const QString& options, const QString& key)
{
    const QStringList items = options.split(QLatin1Char(','));
    for (const QString& item : items) {
        const QStringList parts = item.split(QLatin1Char(':'));
        if (parts.size() == 2 && parts.at(0) == key)
            return parts.at(1);
    }
    return QString();
}

void OrbDrawingTreeWidget::followChanges(const QList<OrbDrawingChange>& changes)
{
    if (!m_drawingFile)
        return;
    IOrbDrawsetTypes* typeCollection = m_drawingFile->drawsetTypes();
    IOrbDrawsets* drawsetCollection = m_drawingFile->drawsets();
    if (!typeCollection || !drawsetCollection)
        return;
    // The change kinds only say where to look: what the file lists now decides, so changes that
    // arrive together in any order end in the same tree.
    QList<IOrbDrawsetType*> types;
    typeCollection->getAll(types, true);
    const QSet<IOrbDrawsetType*> typeSet(types.cbegin(), types.cend());
    struct Listed
    {
        QList<IOrbDrawset*> order;
        QSet<IOrbDrawset*> members;
    };
    QHash<IOrbDrawsetType*, Listed> listed;
    auto drawsetsOf = [&](IOrbDrawsetType* type) -> const Listed& {
        auto it = listed.find(type);
        if (it == listed.end()) {
            Listed l;
            drawsetCollection->getByType(l.order, type);
            l.members = QSet<IOrbDrawset*>(l.order.cbegin(), l.order.cend());
            it = listed.insert(type, l);
        }
        return it.value();
    };
    // Nodes by host object, built once: a batch may touch thousands of drawsets.
    QHash<void*, OrbDrawingTreeNode*> nodes;
    QStandardItem* root = m_model->invisibleRootItem();
    for (int i = 0; i < root->rowCount(); ++i) {
        OrbDrawingTreeNode* typeNode = OrbDrawingTreeNode::cast(root->child(i));
        if (!typeNode)
            continue;
        if (typeNode->drawsetType() && !nodes.contains(typeNode->drawsetType()))
            nodes.insert(typeNode->drawsetType(), typeNode);
        for (int j = 0; j < typeNode->rowCount(); ++j) {
            OrbDrawingTreeNode* node = OrbDrawingTreeNode::cast(typeNode->child(j));
            if (node && node->drawset() && !nodes.contains(node->drawset()))
                nodes.insert(node->drawset(), node);
        }
    }
    auto removeNode = [&](OrbDrawingTreeNode* node) {
        for (int j = 0; j < node->rowCount(); ++j) {
            if (OrbDrawingTreeNode* child = OrbDrawingTreeNode::cast(node->child(j)))
                nodes.remove(child->drawset());
        }
        nodes.remove(node->drawset() ? static_cast<void*>(node->drawset()) : static_cast<void*>(node->drawsetType()));
        deleteNode(node);
    };

    QList<IOrbDrawsetType*> reorder;
    bool reorderTypes = false;
    for (const OrbDrawingChange& change : changes) {
        IOrbDrawsetType* type = change.type;
        if (!type)
            continue;
        const bool typeListed = typeSet.contains(type);
        if (!change.drawset) {
            // A type gets its node with its first shown drawset, as in a rebuild.
            if (OrbDrawingTreeNode* node = nodes.value(type)) {
                if (!typeListed) {
                    removeNode(node);
                } else {
                    followName(node);
                    reorderTypes = true;
                }
            }
            continue;
        }
        IOrbDrawset* drawset = change.drawset;
        OrbDrawingTreeNode* node = nodes.value(drawset);
        const bool drawsetListed = typeListed && drawsetsOf(type).members.contains(drawset);
        if (node && !drawsetListed) {
            auto* typeNode = OrbDrawingTreeNode::cast(node->parent());
            removeNode(node);
            if (typeNode && typeNode->rowCount() == 0)
                removeNode(typeNode);
            continue;
        }
        if (!node && drawsetListed && change.kind == OrbDrawingChange::Added
            && (m_visibleEntSet.isEmpty() || m_visibleEntSet.contains(static_cast<long long>(type->elementType())))
            && isDrawsetShown(drawset)) {
            OrbDrawingTreeNode* typeNode = nodes.value(type);
            if (!typeNode) {
                typeNode = insertType(type, -1);
                nodes.insert(type, typeNode);
                reorderTypes = true;
            }
            node = insertDrawset(typeNode, drawset, -1);
            nodes.insert(drawset, node);
        }
        if (node) {
            followName(node);
            if (!reorder.contains(type))
                reorder.append(type);
        }
    }
    if (reorderTypes) {
        QList<void*> order;
        for (IOrbDrawsetType* type : qAsConst(types))
            order.append(type);
        followOrder(root, order);
    }
    for (IOrbDrawsetType* type : qAsConst(reorder)) {
        OrbDrawingTreeNode* typeNode = nodes.value(type);
        if (!typeNode)
            continue;
        QList<void*> order;
        for (IOrbDrawset* drawset : drawsetsOf(type).order)
            order.append(drawset);
        followOrder(typeNode, order);
    }
}

void OrbDrawingTreeWidget::followName(OrbDrawingTreeNode* node)
{
    QString name;
    if (IOrbDrawset* drawset = node->drawset())
        drawset->name(name);
    else if (IOrbDrawsetType* type = node->drawsetType())
        type->name(name);
    else
        return;
    // A node renamed in place holds the plain name, one inserted the substituted one.
    const QString stored = node->data(OrbDrawingTreeNode::NameRole).toString();
    if (stored == name)
        return;
    const QString shown = getDisplayName(name);
    if (stored == shown)
        return;
    node->setData(shown, OrbDrawingTreeNode::NameRole);
    QString text = node->getDisplayText();
    node->setData(getDisplayName(text), Qt::DisplayRole);
}

void OrbDrawingTreeWidget::followOrder(QStandardItem* parent, const QList<void*>& hostOrder)
{
    const int rows = parent->rowCount();
    if (rows < 2)
        return;
    QHash<void*, int> rank;
    rank.reserve(hostOrder.size());
    for (int i = 0; i < hostOrder.size(); ++i)
        rank.insert(hostOrder.at(i), i);
    QVector<int> ranks(rows);
    bool sorted = true;
    for (int r = 0; r < rows; ++r) {
        OrbDrawingTreeNode* node = OrbDrawingTreeNode::cast(parent->child(r));
        void* key = nullptr;
        if (node)
            key = node->drawset() ? static_cast<void*>(node->drawset()) : static_cast<void*>(node->drawsetType());
        // Nodes the file does not list keep their order behind the others.
        ranks[r] = rank.value(key, int(hostOrder.size()) + r);
        if (r > 0 && ranks[r] < ranks[r - 1])
            sorted = false;
    }
    if (sorted)
        return;
    // A sort moves rows through a layout change: the current index, the selection and the
    // expanded nodes stay on their nodes, and no current-changed signal is sent.
    for (int r = 0; r < rows; ++r)
        parent->child(r)->setData(ranks[r], kHostRankRole);
    const int sortRole = m_model->sortRole();
    m_model->setSortRole(kHostRankRole);
    parent->sortChildren(0, Qt::AscendingOrder);
    m_model->setSortRole(sortRole);
    for (int r = 0; r < rows; ++r)
        parent->child(r)->setData(QVariant(), kHostRankRole);
}
