#include "checktree/orbdrawingchecktreewidget.h"

#include "checktree/orbdrawingchecktreenode.h"
#include "drawingtree/orbdrawingfilefollower.h"

#include "common/orbfileutils.h"
#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/orbdrawingdatautils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QAbstractItemModel>
#include <QHash>
#include <QHeaderView>
#include <QSet>

#include <algorithm>

#include <utility>

namespace {

// Runs a step when the scope ends, however it ends.
template <typename F>
class ScopeGuard
{
public:
    explicit ScopeGuard(F f) : m_f(std::move(f)) {}
    ~ScopeGuard() { m_f(); }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

private:
    F m_f;
};

QString sourcePathOf(IOrbDrawingFile* file)
{
    QString path;
    if (!file)
        return path;
    const QSharedPointer<IOrbDataStore> store = file->dataStore();
    if (store && store->connection())
        store->connection()->filePath(path);
    return path;
}

// True when both paths name the same file, after relative paths and symbolic links are resolved.
bool isSameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (fa.exists() && fb.exists())
        return QString::compare(fa.canonicalFilePath(), fb.canonicalFilePath(), cs) == 0;
    return QString::compare(QDir::cleanPath(fa.absoluteFilePath()), QDir::cleanPath(fb.absoluteFilePath()), cs) == 0;
}

// Types and drawsets a drawing file lists.
struct ContentCount
{
    int types = 0;
    int drawsets = 0;
    bool operator==(const ContentCount& o) const { return types == o.types && drawsets == o.drawsets; }
};

ContentCount countContent(IOrbDrawingFile* file)
{
    ContentCount count;
    IOrbDrawsetTypes* types = file->drawsetTypes();
    IOrbDrawsets* drawsets = file->drawsets();
    if (!types)
        return count;
    QList<IOrbDrawsetType*> typeList;
    types->getAll(typeList, true);
    count.types = typeList.size();
    if (!drawsets)
        return count;
    QList<IOrbDrawset*> drawsetList;
    for (IOrbDrawsetType* type : qAsConst(typeList)) {
        drawsets->getByType(drawsetList, type);
        count.drawsets += drawsetList.size();
    }
    return count;
}

// True when an export asks the store for at least one removal.
bool hasUncheckedContent(QTreeWidgetItem* root)
{
    if (!root)
        return false;
    for (int i = 0; i < root->childCount(); ++i) {
        auto* typeNode = dynamic_cast<OrbDrawingCheckTreeNode*>(root->child(i));
        if (!typeNode || !typeNode->drawsetType())
            continue;
        if (typeNode->checkState(0) == Qt::Unchecked)
            return true;
        for (int j = 0; j < typeNode->childCount(); ++j) {
            auto* node = dynamic_cast<OrbDrawingCheckTreeNode*>(typeNode->child(j));
            if (node && node->drawset() && node->checkState(0) == Qt::Unchecked)
                return true;
        }
    }
    return false;
}

} // namespace

OrbDrawingCheckTreeWidget::OrbDrawingCheckTreeWidget(QWidget* parent, int checkColumn)
    : TalCheckableTreeWidget(parent, checkColumn)
    , m_drawingFile(nullptr)
    , m_rootNode(nullptr)
{
    header()->setVisible(false);
    // Forget the root when the host clears the tree or takes the root out, so it never dangles.
    connect(model(), &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_rootNode = nullptr; });
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!m_rootNode || parent.isValid())
                    return;
                const int row = indexOfTopLevelItem(m_rootNode);
                if (row >= first && row <= last)
                    m_rootNode = nullptr;
            });
    m_follower.reset(new OrbDrawingFileFollower(this, [this](const QList<OrbDrawingChange>& changes) {
        followChanges(changes);
    }));
}

OrbDrawingCheckTreeWidget::~OrbDrawingCheckTreeWidget() = default;

void OrbDrawingCheckTreeWidget::setDrawSetFile(QSharedPointer<IOrbDrawingFile> file)
{
    if (file.data() == m_drawingFile.data())
        return;
    m_drawingFile = file;
    m_follower->follow(file.data());
    refreshData();
}

void OrbDrawingCheckTreeWidget::creatRootNode()
{
    clear();
    m_rootNode = new OrbDrawingCheckTreeNode(this, 0);
    m_rootNode->setText(0, QCoreApplication::translate("OrbDrawingWidgets", "全部"));
    m_rootNode->setCheckState(0, Qt::Checked);
}

void OrbDrawingCheckTreeWidget::refreshData()
{
    creatRootNode();
    if (!m_drawingFile)
        return;
    IOrbDrawsetTypes* types = m_drawingFile->drawsetTypes();
    IOrbDrawsets* drawsets = m_drawingFile->drawsets();
    QList<IOrbDrawsetType*> typeList;
    if (types)
        types->getAll(typeList, true);
    for (IOrbDrawsetType* type : qAsConst(typeList)) {
        OrbDrawingCheckTreeNode* typeNode = m_rootNode->insertType(type, -1);
        if (!typeNode || !drawsets)
            continue;
        QList<IOrbDrawset*> drawsetList;
        drawsets->getByType(drawsetList, type);
        for (IOrbDrawset* drawset : qAsConst(drawsetList))
            typeNode->insertDrawset(drawset, -1);
    }
    collapseAll();
    expandToDepth(0);
}

bool OrbDrawingCheckTreeWidget::doSaveData(QSharedPointer<IOrbDrawingFile> file)
{
    setEnabled(false);
    OrbDrawingCheckTreeNode* root = m_rootNode;
    const QSharedPointer<IOrbDataStore> store = file ? file->dataStore() : QSharedPointer<IOrbDataStore>();
    if (!root || !store)
        return false;

    bool ok = true;
    for (int i = 0; i < root->childCount(); ++i) {
        auto* typeNode = dynamic_cast<OrbDrawingCheckTreeNode*>(root->child(i));
        if (!typeNode || !typeNode->drawsetType())
            continue;
        if (typeNode->checkState(0) == Qt::Unchecked) {
            if (ok)
                ok = store->removeDrawsetType(typeNode->drawsetType());
            continue;
        }
        // Checked or partly checked: the type stays, its unchecked drawsets go.
        for (int j = 0; j < typeNode->childCount(); ++j) {
            auto* node = dynamic_cast<OrbDrawingCheckTreeNode*>(typeNode->child(j));
            if (!node || !node->drawset() || node->checkState(0) != Qt::Unchecked)
                continue;
            if (ok)
                ok = store->removeDrawset(node->drawset());
        }
    }
    return ok;
}

bool OrbDrawingCheckTreeWidget::exportDatatoFile(const QString& fileName)
{
    const QString sourcePath = sourcePathOf(m_drawingFile.data());
    // Replacing the source with its own copy would delete it first: refuse before touching anything.
    if (isSameFile(sourcePath, fileName))
        return false;

    bool ok = true;
    if (fileExists(fileName))
        ok = deleteFile(fileName);
    if (ok)
        ok = m_drawingFile && m_rootNode && !sourcePath.isEmpty() && copyFile(sourcePath, fileName, false);
    if (ok) {
        QSharedPointer<IOrbDrawingFile> copy = OrbDrawingDataUtils::createDrawingFile(fileName, nullptr);
        QSharedPointer<IOrbDataStore> store = copy ? copy->dataStore() : QSharedPointer<IOrbDataStore>();
        if (!store) {
            ok = false;
        } else {
            const ContentCount before = countContent(copy.data());
            store->beginUpdate();
            {
                // The batch is committed only when every removal succeeded; otherwise the copy is dropped.
                ScopeGuard commit([&ok, &store] {
                    if (ok)
                        store->endUpdate();
                });
                ok = doSaveData(copy);
            }
            // endUpdate cannot report a failed commit, but the store then takes its removals back:
            // a copy that still lists everything after removals would silently keep unchecked content.
            if (ok && hasUncheckedContent(m_rootNode) && countContent(copy.data()) == before)
                ok = false;
        }
        // Release the copy before it may be deleted below.
        store.reset();
        copy.reset();
    }
    if (ok)
        return true;
    deleteFile(fileName);
    return false;
}

namespace {
void* hostObject(QTreeWidgetItem* item)
{
    auto* node = dynamic_cast<OrbDrawingCheckTreeNode*>(item);
    if (!node)
        return nullptr;
    return node->drawset() ? static_cast<void*>(node->drawset()) : static_cast<void*>(node->drawsetType());
}

void followText(OrbDrawingCheckTreeNode* node)
{
    const QString text = node->getDisplayText();
    if (node->text(0) != text)
        node->setText(0, text);
}

// A new item under an unchecked item stays out of an export, as its parent does.
void inheritUnchecked(OrbDrawingCheckTreeNode* node)
{
    QTreeWidgetItem* parent = node ? node->parent() : nullptr;
    if (parent && parent->checkState(0) == Qt::Unchecked)
        node->setCheckState(0, Qt::Unchecked);
}
} // namespace

void OrbDrawingCheckTreeWidget::followChanges(const QList<OrbDrawingChange>& changes)
{
    if (!m_drawingFile || !m_rootNode)
        return;
    IOrbDrawsetTypes* typeCollection = m_drawingFile->drawsetTypes();
    IOrbDrawsets* drawsetCollection = m_drawingFile->drawsets();
    if (!typeCollection || !drawsetCollection)
        return;
    // What the file lists now decides; the change kinds say where to look.
    QList<IOrbDrawsetType*> types;
    typeCollection->getAll(types, true);
    const QSet<IOrbDrawsetType*> typeSet(types.cbegin(), types.cend());
    QHash<IOrbDrawsetType*, QList<IOrbDrawset*>> listed;
    QHash<IOrbDrawsetType*, QSet<IOrbDrawset*>> members;
    auto drawsetsOf = [&](IOrbDrawsetType* type) -> const QList<IOrbDrawset*>& {
        auto it = listed.find(type);
        if (it == listed.end()) {
            QList<IOrbDrawset*> list;
            drawsetCollection->getByType(list, type);
            members.insert(type, QSet<IOrbDrawset*>(list.cbegin(), list.cend()));
            it = listed.insert(type, list);
        }
        return it.value();
    };
    QHash<void*, OrbDrawingCheckTreeNode*> items;
    for (int i = 0; i < m_rootNode->childCount(); ++i) {
        auto* typeNode = dynamic_cast<OrbDrawingCheckTreeNode*>(m_rootNode->child(i));
        if (!typeNode || !typeNode->drawsetType())
            continue;
        items.insert(typeNode->drawsetType(), typeNode);
        for (int j = 0; j < typeNode->childCount(); ++j) {
            auto* node = dynamic_cast<OrbDrawingCheckTreeNode*>(typeNode->child(j));
            if (node && node->drawset())
                items.insert(node->drawset(), node);
        }
    }
    auto removeItem = [&](OrbDrawingCheckTreeNode* node) {
        for (int j = 0; j < node->childCount(); ++j)
            items.remove(hostObject(node->child(j)));
        items.remove(hostObject(node));
        delete node;
    };

    QList<IOrbDrawsetType*> reorder;
    bool reorderTypes = false;
    for (const OrbDrawingChange& change : changes) {
        IOrbDrawsetType* type = change.type;
        if (!type || !m_rootNode)
            continue;
        const bool typeListed = typeSet.contains(type);
        OrbDrawingCheckTreeNode* typeNode = items.value(type);
        if (typeNode && !typeListed) {
            removeItem(typeNode);
            continue;
        }
        if (!typeNode && typeListed && change.kind == OrbDrawingChange::Added) {
            typeNode = m_rootNode->insertType(type, -1);
            inheritUnchecked(typeNode);
            items.insert(type, typeNode);
            reorderTypes = true;
        }
        if (!typeNode)
            continue;
        if (!change.drawset) {
            followText(typeNode);
            reorderTypes = true;
            continue;
        }
        IOrbDrawset* drawset = change.drawset;
        OrbDrawingCheckTreeNode* node = items.value(drawset);
        drawsetsOf(type);
        const bool drawsetListed = members.value(type).contains(drawset);
        if (node && !drawsetListed) {
            removeItem(node);
            continue;
        }
        if (!node && drawsetListed && change.kind == OrbDrawingChange::Added) {
            node = typeNode->insertDrawset(drawset, -1);
            inheritUnchecked(node);
            items.insert(drawset, node);
        }
        if (node) {
            followText(node);
            if (!reorder.contains(type))
                reorder.append(type);
        }
    }
    if (!m_rootNode)
        return;
    if (reorderTypes) {
        QList<void*> order;
        for (IOrbDrawsetType* type : qAsConst(types))
            order.append(type);
        followOrder(m_rootNode, order);
    }
    for (IOrbDrawsetType* type : qAsConst(reorder)) {
        if (OrbDrawingCheckTreeNode* typeNode = items.value(type)) {
            QList<void*> order;
            for (IOrbDrawset* drawset : drawsetsOf(type))
                order.append(drawset);
            followOrder(typeNode, order);
        }
    }
}

void OrbDrawingCheckTreeWidget::followOrder(QTreeWidgetItem* parent, const QList<void*>& hostOrder)
{
    const int count = parent->childCount();
    if (count < 2)
        return;
    QHash<void*, int> rank;
    for (int i = 0; i < hostOrder.size(); ++i)
        rank.insert(hostOrder.at(i), i);
    QList<QPair<int, QTreeWidgetItem*>> wanted;
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* child = parent->child(i);
        // Items the file does not list keep their order behind the others.
        wanted.append({rank.value(hostObject(child), int(hostOrder.size()) + i), child});
    }
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const QPair<int, QTreeWidgetItem*>& a, const QPair<int, QTreeWidgetItem*>& b) {
                         return a.first < b.first;
                     });
    // Items move one at a time and keep their check states, expansion and the current item.
    QTreeWidgetItem* current = currentItem();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* item = wanted.at(i).second;
        const int from = parent->indexOfChild(item);
        if (from == i)
            continue;
        const bool expanded = item->isExpanded();
        parent->takeChild(from);
        parent->insertChild(i, item);
        item->setExpanded(expanded);
    }
    if (current && currentItem() != current)
        setCurrentItem(current);
}
