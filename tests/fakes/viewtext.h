#pragma once

// What a drawing tree or a check tree shows, as one line of text, so that a test compares two
// views, or a view and what it should show, in one step.

#include "drawingtree/orbdrawingtreewidget.h"

#include <QStandardItemModel>
#include <QStringList>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

// "Type(drawset,drawset) Type(...)" from the display texts of the tree.
inline QString treeText(OrbDrawingTreeWidget& tree)
{
    QStringList types;
    QStandardItemModel* model = qobject_cast<QStandardItemModel*>(tree.model());
    for (int i = 0; i < model->rowCount(); ++i) {
        QStandardItem* type = model->item(i);
        QStringList children;
        for (int j = 0; j < type->rowCount(); ++j)
            children << type->child(j)->text();
        types << type->text() + QLatin1Char('(') + children.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    return types.join(QLatin1Char(' '));
}

// Check states of the whole tree in order, one letter per item: C, U or P; with texts, each
// item as its depth in dashes, its text and its state.
inline QString checkStates(QTreeWidget* tree, bool texts = false)
{
    QStringList out;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const Qt::CheckState s = (*it)->checkState(0);
        QString item(s == Qt::Checked ? 'C' : s == Qt::Unchecked ? 'U' : 'P');
        for (QTreeWidgetItem* p = (*it)->parent(); texts && p; p = p->parent())
            item.prepend(QLatin1Char('-'));
        out << (texts ? item.insert(item.size() - 1, (*it)->text(0)) : item);
    }
    return out.join(texts ? QStringLiteral(" ") : QString());
}
