#pragma once

#include "controls/vantrocustomtreewidget.h"

#include <QVector>

class QModelIndex;

/// A tree whose check boxes (in one column) agree with each other:
/// - a Checked or Unchecked state given to an item, by a click, a key or setCheckState, is given
///   to all of its checkable descendants;
/// - a parent reads Checked when all its checkable children are Checked, Unchecked when all are
///   Unchecked, and PartiallyChecked otherwise; this also follows children that are added or removed.
/// Items need only Qt::ItemIsUserCheckable: the tree does the propagation, not Qt's auto-tristate.
/// Items without a check state take no part. A parent set to PartiallyChecked by code keeps its
/// children as they are. States written while the model's signals are blocked are left alone.
///
/// The check tree derives from it and relies on the propagation: checking a type checks its
/// drawsets, and the export reads the resulting states.
class TalCheckableTreeWidget : public VantroCustomTreeWidget
{
    Q_OBJECT
public:
    /// checkColumn: the column whose check boxes are kept in agreement (negative means 0). The
    /// check tree passes its own check column through.
    explicit TalCheckableTreeWidget(QWidget* parent = nullptr, int checkColumn = 0);
    ~TalCheckableTreeWidget() override;

    /// The column whose check boxes are kept in agreement.
    int checkColumn() const { return m_checkColumn; }

private:
    void onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles);
    void onRowsInserted(const QModelIndex& parent, int first, int last);
    void onRowsRemoved(const QModelIndex& parent, int first, int last);

    bool hasCheck(const QTreeWidgetItem* item) const;
    void setDescendants(QTreeWidgetItem* item, Qt::CheckState state);
    /// Reads a parent's state from its checkable children; fallback when it has none.
    Qt::CheckState stateFromChildren(const QTreeWidgetItem* parent, Qt::CheckState fallback) const;
    /// Brings the ancestors of item into agreement after item's state changed.
    void updateAncestors(QTreeWidgetItem* item);

    int m_checkColumn;
    bool m_propagating = false;
};
