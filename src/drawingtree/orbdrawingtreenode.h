#pragma once

#include "orbdrawingwidgets_export.h"

#include <QStandardItem>

class IOrbDrawset;
class IOrbDrawsetType;

// One item of the drawing tree: a thin view on a drawset type (top level) or a drawset (under
// its type). The plain name lives in NameRole and the edit role is redirected to it, so that an
// in-place editor edits the name while the display text may carry decorations. Committing an
// edit renames the host object. Host objects are not owned.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawingTreeNode : public QStandardItem
{
public:
    enum { NameRole = 2058 };

    OrbDrawingTreeNode();
    OrbDrawingTreeNode(const OrbDrawingTreeNode& other);
    OrbDrawingTreeNode& operator=(const OrbDrawingTreeNode& other);
    ~OrbDrawingTreeNode() override;

    QVariant data(int role = Qt::UserRole + 1) const override;
    void setData(const QVariant& value, int role = Qt::UserRole + 1) override;
    // A new blank node: the model's prototype for the items it creates itself.
    QStandardItem* clone() const override;

    IOrbDrawset* drawset() const { return m_drawset; }
    void setDrawset(IOrbDrawset* drawset) { m_drawset = drawset; }
    IOrbDrawsetType* drawsetType() const { return m_drawsetType; }
    void setDrawsetType(IOrbDrawsetType* type) { m_drawsetType = type; }

    // item as a node, or null when it is not one.
    static OrbDrawingTreeNode* cast(QStandardItem* item);

    // The item that holds this node as a row: the parent item, or the model's invisible root
    // for a top-level node.
    QStandardItem* internalParent() const;
    // Siblings under the same parent; never crosses to another parent.
    OrbDrawingTreeNode* nextNode() const;
    OrbDrawingTreeNode* prevNode() const;
    OrbDrawingTreeNode* lastChild() const;

    // The drawset's display text from the host, the type's name, or an empty text.
    QString getDisplayText() const;

private:
    OrbDrawingTreeNode* sibling(int offset) const;

    IOrbDrawset* m_drawset = nullptr;
    IOrbDrawsetType* m_drawsetType = nullptr;
};
