#pragma once

#include "orbdrawingwidgets_export.h"

#include "controls/vantrocustomtreeview.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QSharedPointer>
#include <QString>
#include <QVariant>

#include <memory>
#include <utility>
#include <vector>

class IOrbDrawingFile;
class IOrbDrawset;
class IOrbDrawsetType;
struct OrbDrawingChange;
class OrbDrawingFileFollower;
class OrbDrawingTreeModel;
class OrbDrawingTreeNode;
class QStandardItem;

// The drawset types and drawsets of one drawing file as a two-level tree. Filters which
// drawsets appear, fills {key} placeholders of names from display parameters, renames nodes in
// place when the file may be edited and keeps the host's order numbers in step with moves.
// Follows the file's change notifications: drawsets and types renamed, added, removed or
// reordered elsewhere change in place, keeping the current node and the expanded nodes.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawingTreeWidget : public VantroCustomTreeView
{
    Q_OBJECT
public:
    explicit OrbDrawingTreeWidget(QWidget* parent = nullptr);
    ~OrbDrawingTreeWidget() override;

    QSharedPointer<IOrbDrawingFile> drawingFile() const { return m_drawingFile; }
    // Rebuilds only when file is another object than the one shown.
    void setDrawingFile(QSharedPointer<IOrbDrawingFile> file);
    void refreshData();

    // Adds the drawsets unfiltered, each under its type's node (created when missing).
    void addDrawsets(QList<IOrbDrawset*> drawsets);
    // index -1 (or a row out of range) appends. Null without a drawing file.
    OrbDrawingTreeNode* insertType(IOrbDrawsetType* type, int index);
    OrbDrawingTreeNode* insertDrawset(OrbDrawingTreeNode* typeNode, IOrbDrawset* drawset, int index);

    OrbDrawingTreeNode* findTypeNode(IOrbDrawsetType* type);
    OrbDrawingTreeNode* findDrawsetNode(IOrbDrawset* drawset);
    OrbDrawingTreeNode* getTypeNode(IOrbDrawsetType* type);
    // The node in row 0 of parent (of the top level when parent is null).
    OrbDrawingTreeNode* getFirstNode(QStandardItem* parent);
    bool hasData() const;

    OrbDrawingTreeNode* currentTreeNode() const;
    IOrbDrawset* currentDrawset() const;
    IOrbDrawsetType* currentDrawsetType() const;

    // Removes the node and its children from the tree; the host objects are not touched.
    void deleteNode(OrbDrawingTreeNode* node);
    // Re-reads the node's name and display text from its host object.
    void updateNode(OrbDrawingTreeNode* node);
    void setFocusNode(OrbDrawingTreeNode* node);

    bool canMoveUp(OrbDrawingTreeNode* node) const;
    bool canMoveDown(OrbDrawingTreeNode* node) const;
    void moveUpNode(OrbDrawingTreeNode* node);
    void moveDownNode(OrbDrawingTreeNode* node);
    // Sets every order number to its node's row, in one batch of the file's data store.
    void fixNodeOrderNum();

    // Swaps params with the widget's display parameters; they apply to nodes inserted later.
    void setDisplayParams(QMap<QString, QString>& params);
    // Filters; they apply at the next refreshData.
    void setVisibleEntSet(QSet<long long> entSet) { m_visibleEntSet = entSet; }
    void setShowAllDrawset(bool showAll) { m_showAllDrawset = showAll; }
    void setWellIsSewageType(const QVariant& isSewage) { m_wellIsSewageType = isSewage; }

protected:
    // Exchanges the order numbers of the host objects of two sibling nodes.
    void switchNodeOrderNum(OrbDrawingTreeNode* a, OrbDrawingTreeNode* b);

private:
    bool isDrawsetShown(IOrbDrawset* drawset) const;
    OrbDrawingTreeNode* newNode();
    // A named (and, for a read-only file, indexed) drawset node, not yet placed.
    OrbDrawingTreeNode* newDrawsetNode(IOrbDrawset* drawset);
    // Sets the node's name (with placeholders filled) and display text.
    void nameNode(OrbDrawingTreeNode* node, QString& name);
    // Puts node under parent at row index, or last.
    void placeNode(QStandardItem* parent, OrbDrawingTreeNode* node, int index);
    // A type node with its texts, not yet in the model.
    OrbDrawingTreeNode* newTypeNode(IOrbDrawsetType* type);
    // Swaps node with its neighbour one row up (step -1) or down (step 1), order numbers included.
    void moveNode(OrbDrawingTreeNode* node, OrbDrawingTreeNode* neighbour, int step);
    void indexNode(void* key, OrbDrawingTreeNode* node);
    void unindexNode(OrbDrawingTreeNode* node);
    // Sorts the node index by address; of several entries for one address the last one stays.
    void sortNodeIndex();
    // The first entry of the sorted index whose address is not below key.
    std::vector<std::pair<void*, OrbDrawingTreeNode*>>::iterator indexSlot(void* key);
    // The index entry for key, or null when there is none.
    std::pair<void*, OrbDrawingTreeNode*>* indexEntry(void* key);
    void followChanges(const QList<OrbDrawingChange>& changes);
    void followName(OrbDrawingTreeNode* node);
    void followOrder(QStandardItem* parent, const QList<void*>& hostOrder);

    QString getDisplayName(QString& name);
    QString getOptionValue(const QString& options, const QString& key);

    OrbDrawingTreeModel* m_model = nullptr;
    QSharedPointer<IOrbDrawingFile> m_drawingFile;
    bool m_readOnly = false;
    QSet<long long> m_visibleEntSet;
    // Nodes by host object address, sorted by address; filled only for read-only files. A refresh
    // appends its nodes and sorts them once. An entry whose node went away keeps its address with
    // a null node, so the index counts as empty when m_indexedNodes is 0.
    std::vector<std::pair<void*, OrbDrawingTreeNode*>> m_nodeIndex;
    int m_indexedNodes = 0;
    bool m_nodeIndexSorted = true;
    // A blank non-editable node: read-only nodes are copies of it, so they share its flags
    // instead of each setting them.
    std::unique_ptr<OrbDrawingTreeNode> m_readOnlyPrototype;
    QVariant m_wellIsSewageType;
    bool m_showAllDrawset = false;
    QMap<QString, QString> m_displayParams;
    // After m_drawingFile: it unregisters before the widget lets the file go.
    std::unique_ptr<OrbDrawingFileFollower> m_follower;
};
