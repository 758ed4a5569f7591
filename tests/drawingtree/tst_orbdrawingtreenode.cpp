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
    void setData_data()
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
        QTest::newRow("blank node stores only") << "blank" << 2 << "X" << none << "X" << "";
    }

    void setData()
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

    void navigationStaysUnderParent()
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
    }
};

QTEST_MAIN(tst_OrbDrawingTreeNode)
#include "tst_orbdrawingtreenode.moc"
