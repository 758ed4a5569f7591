// Nodes and model of the drawing tree. Guards against renames that reach the host when they
// must not (other roles, empty names), edits that read the decorated display text instead of
// the plain name, and navigation that crosses from one parent to another.

#include "drawingtree/orbdrawingtreemodel.h"
#include "drawingtree/orbdrawingtreenode.h"

#include "drawingdata/orbdrawingdatautils.h"
#include "fakedrawingdata.h"

#include <QtTest>

class tst_OrbDrawingTreeNode : public QObject
{
    Q_OBJECT
private slots:
    void setData_data();
    void setData();
    void navigationStaysUnderParent();
    void castCloneAndCopy();
    void modelCreatesNodes();
};

void tst_OrbDrawingTreeNode::setData_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("name");    // NameRole afterwards
    QTest::addColumn<QString>("display"); // DisplayRole afterwards; "<host>" = the host's text

    const QStringList none;
    QTest::newRow("drawset rename") << "drawset" << 2 << "New"
        << QStringList{"drawset:Old.beginUpdate", "drawset:Old.setName(New)", "drawset:New.endUpdate"}
        << "New" << "<host>";
    QTest::newRow("drawset empty name refused") << "drawset" << 2 << "" << none << "Old" << "<host>";
    QTest::newRow("type rename") << "type" << 2 << "Walls"
        << QStringList{"type:Beams.beginUpdate", "type:Beams.setName(Walls)", "type:Walls.endUpdate"}
        << "Walls" << "Walls";
    QTest::newRow("type empty name refused") << "type" << 2 << "" << none << "Beams" << "Beams";
    QTest::newRow("blank node stores only") << "blank" << 2 << "X" << none << "X" << "";
    QTest::newRow("display role stored as is") << "drawset" << 0 << "Shown" << none << "init" << "Shown";
    QTest::newRow("name role stored as is") << "drawset" << 2058 << "N" << none << "N" << "initDisplay";
    QTest::newRow("user role stored as is") << "type" << 256 << "u" << none << "init" << "initDisplay";
}

void tst_OrbDrawingTreeNode::setData()
{
    QFETCH(QString, kind);
    QFETCH(int, role);
    QFETCH(QString, value);
    QFETCH(QStringList, calls);
    QFETCH(QString, name);
    QFETCH(QString, display);

    FakeLog log;
    FakeDrawingFile file(&log);
    FakeDrawsetType* type = file.addType(QStringLiteral("Beams"), 5);
    FakeDrawset* drawset = file.addDrawset(type, QStringLiteral("Old"));

    OrbDrawingTreeNode node;
    if (kind == QLatin1String("drawset"))
        node.setDrawset(drawset);
    else if (kind == QLatin1String("type"))
        node.setDrawsetType(type);
    node.setData(QStringLiteral("init"), OrbDrawingTreeNode::NameRole);
    node.setData(QStringLiteral("initDisplay"), Qt::DisplayRole);

    node.setData(value, role);
    QCOMPARE(log.calls(), calls);
    QCOMPARE(node.data(OrbDrawingTreeNode::NameRole).toString(), name);
    if (display == QLatin1String("<host>"))
        display = OrbDrawingDataUtils::getNodeDisplayText(drawset);
    QCOMPARE(node.data(Qt::DisplayRole).toString(), display);
    if (role == 256)
        QCOMPARE(node.data(256).toString(), value);
    // The edit role reads the plain name, never the display text.
    QCOMPARE(node.data(Qt::EditRole).toString(), name);
}

void tst_OrbDrawingTreeNode::navigationStaysUnderParent()
{
    OrbDrawingTreeModel model;
    auto* t1 = new OrbDrawingTreeNode;
    auto* t2 = new OrbDrawingTreeNode;
    model.appendRow(t1);
    model.appendRow(t2);
    OrbDrawingTreeNode* d[3];
    for (auto*& n : d) {
        n = new OrbDrawingTreeNode;
        t1->appendRow(n);
    }
    t2->appendRow(new OrbDrawingTreeNode);

    QCOMPARE(t1->internalParent(), model.invisibleRootItem());
    QCOMPARE(d[0]->internalParent(), static_cast<QStandardItem*>(t1));
    QCOMPARE(t1->prevNode(), nullptr);
    QCOMPARE(t1->nextNode(), t2);
    QCOMPARE(t2->prevNode(), t1);
    QCOMPARE(t2->nextNode(), nullptr);
    QCOMPARE(d[0]->prevNode(), nullptr);
    QCOMPARE(d[1]->prevNode(), d[0]);
    QCOMPARE(d[1]->nextNode(), d[2]);
    QCOMPARE(d[2]->nextNode(), nullptr); // not the first drawset of the next type
    QCOMPARE(t1->lastChild(), d[2]);
    QCOMPARE(d[2]->lastChild(), nullptr);

    // Outside a model the parent item still holds the rows.
    OrbDrawingTreeNode parent;
    auto* a = new OrbDrawingTreeNode;
    parent.appendRows({a, new OrbDrawingTreeNode});
    QCOMPARE(a->internalParent(), static_cast<QStandardItem*>(&parent));
    QVERIFY(a->nextNode());
}

void tst_OrbDrawingTreeNode::castCloneAndCopy()
{
    FakeLog log;
    FakeDrawingFile file(&log);
    FakeDrawsetType* type = file.addType(QStringLiteral("Beams"), 5);
    FakeDrawset* drawset = file.addDrawset(type, QStringLiteral("B1"));

    QStandardItem plain;
    QCOMPARE(OrbDrawingTreeNode::cast(&plain), nullptr);
    QCOMPARE(OrbDrawingTreeNode::cast(nullptr), nullptr);

    OrbDrawingTreeNode node;
    node.setDrawset(drawset);
    node.setData(QStringLiteral("B1"), OrbDrawingTreeNode::NameRole);

    QScopedPointer<QStandardItem> cloned(node.clone());
    OrbDrawingTreeNode* clone = OrbDrawingTreeNode::cast(cloned.data());
    QVERIFY(clone);
    QCOMPARE(clone->drawset(), nullptr);
    QCOMPARE(clone->drawsetType(), nullptr);
    QVERIFY(!clone->data(OrbDrawingTreeNode::NameRole).isValid());

    OrbDrawingTreeNode copy(node);
    QCOMPARE(copy.drawset(), drawset);
    QCOMPARE(copy.data(Qt::EditRole).toString(), QStringLiteral("B1"));
    QVERIFY(log.calls().isEmpty());
}

void tst_OrbDrawingTreeNode::modelCreatesNodes()
{
    OrbDrawingTreeModel model;
    model.setColumnCount(1);
    model.insertRows(0, 1);
    // The model creates the item itself here, from its prototype.
    QVERIFY(model.setData(model.index(0, 0), QStringLiteral("x"), Qt::EditRole));
    OrbDrawingTreeNode* node = OrbDrawingTreeNode::cast(model.item(0));
    QVERIFY(node);
    QCOMPARE(node->data(OrbDrawingTreeNode::NameRole).toString(), QStringLiteral("x"));
    QCOMPARE(model.data(model.index(0, 0), Qt::EditRole).toString(), QStringLiteral("x"));
}

QTEST_MAIN(tst_OrbDrawingTreeNode)
#include "tst_orbdrawingtreenode.moc"
