// Nodes of the drawing tree. Renames, their brackets and the refusal of an empty name are driven
// through the tree widget's in-place editor (tst_orbdrawingtreewidget), moves and the navigation
// they rest on through its move rows; what is left here is the node that stands for no host object.

#include "drawingtree/orbdrawingtreenode.h"

#include <QtTest>

class tst_OrbDrawingTreeNode : public QObject
{
    Q_OBJECT
private slots:
    // A blank node only stores what it is given: no host to tell, no display text made up.
    void blankNodeStoresOnly()
    {
        OrbDrawingTreeNode node;
        node.setData(QStringLiteral("X"), Qt::EditRole);
        QCOMPARE(node.data(OrbDrawingTreeNode::NameRole).toString(), QStringLiteral("X"));
        QCOMPARE(node.data(Qt::EditRole).toString(), QStringLiteral("X"));
        QCOMPARE(node.data(Qt::DisplayRole).toString(), QString());
    }
};

QTEST_MAIN(tst_OrbDrawingTreeNode)
#include "tst_orbdrawingtreenode.moc"
