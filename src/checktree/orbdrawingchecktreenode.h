#pragma once

#include "orbdrawingwidgets_export.h"

#include <QString>
#include <QTreeWidgetItem>

class IOrbDrawset;
class IOrbDrawsetType;

// An item of the checkable drawing tree: the "all" root, a drawset type or a drawset. It points
// at the host object it stands for without owning it.
// Column 0 carries the node kind in Qt::UserRole (0 type, 1 drawset) and, on drawset items, the
// drawset id in Qt::UserRole + 1.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawingCheckTreeNode : public QTreeWidgetItem
{
public:
    enum Kind { TypeNode = 0, DrawsetNode = 1 };
    static constexpr int KindRole = Qt::UserRole;
    static constexpr int DrawsetIdRole = Qt::UserRole + 1;

    // A top-level item of view, with no check state.
    OrbDrawingCheckTreeNode(QTreeWidget* view, int type);
    // A child of parent, Checked or Unchecked.
    OrbDrawingCheckTreeNode(QTreeWidgetItem* parent, bool checked);
    OrbDrawingCheckTreeNode(const OrbDrawingCheckTreeNode& other);
    OrbDrawingCheckTreeNode(OrbDrawingCheckTreeNode&& other);
    OrbDrawingCheckTreeNode& operator=(const OrbDrawingCheckTreeNode& other);
    OrbDrawingCheckTreeNode& operator=(OrbDrawingCheckTreeNode&& other);
    ~OrbDrawingCheckTreeNode() override;

    IOrbDrawset* drawset() const { return m_drawset; }
    IOrbDrawsetType* drawsetType() const { return m_drawsetType; }
    void setDrawset(IOrbDrawset* drawset) { m_drawset = drawset; }
    void setDrawsetType(IOrbDrawsetType* type) { m_drawsetType = type; }

    // The drawset's node text, else the type's name, else empty.
    QString getDisplayText();

    // Adds a checked child for type (or drawset) at index among the children; -1 or an index
    // outside 0..childCount() appends. Null for a null host object.
    OrbDrawingCheckTreeNode* insertType(IOrbDrawsetType* type, int index);
    OrbDrawingCheckTreeNode* insertDrawset(IOrbDrawset* drawset, int index);

private:
    OrbDrawingCheckTreeNode* insertChildNode(int index);

    IOrbDrawset* m_drawset = nullptr;
    IOrbDrawsetType* m_drawsetType = nullptr;
};
