// The drawing tree widget on recording fakes. Guards against filters that show the wrong
// drawsets, renames and order numbers that reach the host wrongly or not at all, moves across
// parents, and node lookups that hand out nodes of an earlier file or of deleted rows (the
// sanitizer run turns such a stale node into a use-after-free report).

#include "drawingtree/orbdrawingtreemodel.h"
#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"

#include "common/orbappcmdline.h"
#include "fakedrawingdata.h"
#include "viewtext.h"

#include <QLineEdit>
#include <QtTest>

using Params = QMap<QString, QString>;
Q_DECLARE_METATYPE(Params)
using EntSet = QSet<long long>;
Q_DECLARE_METATYPE(EntSet)

namespace {
// Two types of three and two drawsets, with order numbers that do not match the rows.
QSharedPointer<FakeDrawingFile> orderFile(FakeLog* log)
{
    auto file = QSharedPointer<FakeDrawingFile>::create(log);
    FakeDrawsetType* a = file->addType(QStringLiteral("A"), 5);
    FakeDrawsetType* b = file->addType(QStringLiteral("B"), 5);
    for (const char* n : {"a1", "a2", "a3"})
        file->addDrawset(a, QString::fromLatin1(n));
    for (const char* n : {"b1", "b2"})
        file->addDrawset(b, QString::fromLatin1(n));
    a->m_orderNum = 10;
    b->m_orderNum = 20;
    return file;
}

// A tree showing orderFile.
struct Ordered
{
    FakeLog log;
    QSharedPointer<FakeDrawingFile> file = orderFile(&log);
    OrbDrawingTreeWidget tree;
    explicit Ordered(bool editable = true)
    {
        file->m_editable = editable;
        tree.setDrawingFile(file);
    }
};
} // namespace

class tst_OrbDrawingTreeWidget : public QObject
{
    Q_OBJECT
private slots:
    void filters_data()
    {
        QTest::addColumn<EntSet>("entSet");
        QTest::addColumn<bool>("showAll");
        QTest::addColumn<bool>("automation");
        QTest::addColumn<QVariant>("well");
        QTest::addColumn<QString>("expected");

        const QVariant noFilter;
        QTest::newRow("defaults") << EntSet() << false << false << noFilter
                                  << "Beam(B1) Slab(S1) Well(Ws,Wr,Wn,W00,Wx)";
        QTest::newRow("element types, even with show all") << EntSet{5} << true << false << noFilter
                                  << "Beam(B1,B2) Hidden(H1) Well(Ws,Wr,Wn,W00,Wx)";
        QTest::newRow("automation shows invisible") << EntSet() << false << true << noFilter
                                  << "Beam(B1,B2) Hidden(H1) Slab(S1) Well(Ws,Wr,Wn,W00,Wx)";
        QTest::newRow("sewage wells") << EntSet() << false << false << QVariant(true)
                                  << "Beam(B1) Slab(S1) Well(Ws,Wn)";
        QTest::newRow("rain-water wells") << EntSet() << false << false << QVariant(false)
                                  << "Beam(B1) Slab(S1) Well(Wr,Wn,Wx)";
        QTest::newRow("show all ignores the well filter") << EntSet{5} << true << false << QVariant(true)
                                  << "Beam(B1,B2) Hidden(H1) Well(Ws,Wr,Wn,W00,Wx)";
    }

    void filters()
    {
        QFETCH(EntSet, entSet);
        QFETCH(bool, showAll);
        QFETCH(bool, automation);
        QFETCH(QVariant, well);
        QFETCH(QString, expected);

        FakeLog log;
        auto file = QSharedPointer<FakeDrawingFile>::create(&log);
        FakeDrawsetType* beam = file->addType(QStringLiteral("Beam"), 5);
        file->addDrawset(beam, QStringLiteral("B1"));
        file->addDrawset(beam, QStringLiteral("B2"))->m_visible = false;
        file->addType(QStringLiteral("Empty"), 5);
        FakeDrawsetType* hidden = file->addType(QStringLiteral("Hidden"), 5);
        file->addDrawset(hidden, QStringLiteral("H1"))->m_visible = false;
        FakeDrawsetType* slab = file->addType(QStringLiteral("Slab"), 7);
        file->addDrawset(slab, QStringLiteral("S1"));
        FakeDrawsetType* wellType = file->addType(QStringLiteral("Well"), 5);
        const struct { const char* name; int wsj; int ysj; } wells[] = {
            {"Ws", 1, 0}, {"Wr", 0, 1}, {"Wn", -1, -1}, {"W00", 0, 0}, {"Wx", 0, -1}}; // -1: key missing
        for (const auto& w : wells) {
            FakeDrawset* d = file->addDrawset(wellType, QString::fromLatin1(w.name));
            if (w.wsj >= 0)
                d->m_keyValues.setValue(QStringLiteral("WSJ"), w.wsj);
            if (w.ysj >= 0)
                d->m_keyValues.setValue(QStringLiteral("YSJ"), w.ysj);
        }

        // The host sets automation mode from its command line.
        OrbAppCmdLine::instance()->parse(automation ? QStringList{"app", "--automation"} : QStringList{"app"});
        OrbDrawingTreeWidget tree;
        tree.setVisibleEntSet(entSet);
        tree.setShowAllDrawset(showAll);
        tree.setWellIsSewageType(well);
        tree.setDrawingFile(file);
        OrbAppCmdLine::instance()->setAutomation(false);
        QCOMPARE(treeText(tree), expected);
    }

    void displayParamsApplyToInsertedNodes()
    {
        FakeLog log;
        auto file = QSharedPointer<FakeDrawingFile>::create(&log);
        FakeDrawsetType* type = file->addType(QStringLiteral("Beam {grade}"), 5);
        file->addDrawset(type, QStringLiteral("{grade} B")); // a placeholder at the start

        OrbDrawingTreeWidget tree;
        Params params{{"grade", "C30"}};
        tree.setDisplayParams(params);
        QVERIFY(params.isEmpty()); // the caller gets the previous parameters back
        tree.setDrawingFile(file);
        OrbDrawingTreeNode* node = tree.findTypeNode(type);
        QCOMPARE(node->text(), QStringLiteral("Beam C30"));
        QCOMPARE(tree.getFirstNode(node)->data(OrbDrawingTreeNode::NameRole).toString(), QStringLiteral("C30 B"));

        // Re-reading from the host shows the plain name.
        tree.updateNode(node);
        QCOMPARE(node->text(), QStringLiteral("Beam {grade}"));
        QVERIFY(log.filtered(QStringLiteral("type:")).isEmpty());
        // A node that stands for no host object keeps no stale text, and an edit only stores the
        // name: there is no host to tell and no display text to make up.
        auto* blank = new OrbDrawingTreeNode;
        blank->setText(QStringLiteral("stale"));
        node->appendRow(blank);
        tree.updateNode(blank);
        QCOMPARE(blank->text(), QString());
        blank->setData(QStringLiteral("X"), Qt::EditRole);
        QCOMPARE(blank->data(OrbDrawingTreeNode::NameRole).toString(), QStringLiteral("X"));
        QCOMPARE(blank->data(Qt::EditRole).toString(), QStringLiteral("X"));
        QCOMPARE(blank->text(), QString());
    }

    void renameInPlace_data()
    {
        QTest::addColumn<bool>("typeNode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("name");

        QTest::newRow("drawset") << false << "New {grade}"
            << QStringList{"drawset:Old {grade}.beginUpdate", "drawset:Old {grade}.setName(New {grade})",
                           "drawset:New {grade}.endUpdate"} << "New {grade}";
        QTest::newRow("drawset, empty name") << false << "" << QStringList() << "Old {grade}";
        QTest::newRow("type") << true << "Walls"
            << QStringList{"type:Beams.beginUpdate", "type:Beams.setName(Walls)", "type:Walls.endUpdate"} << "Walls";
    }

    void renameInPlace()
    {
        QFETCH(bool, typeNode);
        QFETCH(QString, typed);
        QFETCH(QStringList, calls);
        QFETCH(QString, name);

        FakeLog log;
        auto file = QSharedPointer<FakeDrawingFile>::create(&log);
        FakeDrawsetType* type = file->addType(QStringLiteral("Beams"), 5);
        FakeDrawset* drawset = file->addDrawset(type, QStringLiteral("Old {grade}"));
        file->addDrawset(type, QStringLiteral("Other"));

        // The editor offers the stored name: editing the filled-in text would write "C30" into
        // the library for good.
        OrbDrawingTreeWidget tree;
        Params params{{"grade", "C30"}};
        tree.setDisplayParams(params);
        tree.resize(300, 300);
        tree.setDrawingFile(file);
        tree.expandAll();
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));

        OrbDrawingTreeNode* node = typeNode ? tree.findTypeNode(type) : tree.findDrawsetNode(drawset);
        tree.setFocusNode(node);
        QCOMPARE(tree.currentDrawsetType(), type);
        log.clear();

        // Click the selected node: the editor opens on the plain name.
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(node->index()).center());
        QLineEdit* editor = nullptr;
        QTRY_VERIFY((editor = tree.findChild<QLineEdit*>()) != nullptr);
        QCOMPARE(editor->text(), typeNode ? QStringLiteral("Beams") : QStringLiteral("Old {grade}"));
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);

        QTRY_VERIFY(!tree.findChild<QLineEdit*>() || !tree.findChild<QLineEdit*>()->isVisible());
        QCOMPARE(log.calls(), calls);
        QCOMPARE(node->data(OrbDrawingTreeNode::NameRole).toString(), name);
        QCOMPARE(node->text(), node->getDisplayText());
        QCOMPARE(typeNode ? type->m_name : drawset->m_name, name);
    }

    void moves_data()
    {
        QTest::addColumn<QString>("node"); // type name, or drawset name
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QStringList>("calls");

        const QString unchanged = QStringLiteral("A(a1,a2,a3) B(b1,b2)");
        QTest::newRow("first drawset up") << "a1" << true << unchanged << QStringList();
        QTest::newRow("last drawset of a type down") << "a3" << false << unchanged << QStringList();
        QTest::newRow("second drawset up") << "a2" << true << "A(a2,a1,a3) B(b1,b2)"
            << QStringList{"drawset:a2.beginUpdate", "drawset:a2.setOrderNum(1)", "drawset:a2.endUpdate",
                           "drawset:a1.beginUpdate", "drawset:a1.setOrderNum(2)", "drawset:a1.endUpdate"};
        QTest::newRow("drawset down") << "b1" << false << "A(a1,a2,a3) B(b2,b1)"
            << QStringList{"drawset:b1.beginUpdate", "drawset:b1.setOrderNum(5)", "drawset:b1.endUpdate",
                           "drawset:b2.beginUpdate", "drawset:b2.setOrderNum(4)", "drawset:b2.endUpdate"};
        QTest::newRow("type down takes its drawsets") << "A" << false << "B(b1,b2) A(a1,a2,a3)"
            << QStringList{"type:A.beginUpdate", "type:A.setOrderNum(20)", "type:A.endUpdate",
                           "type:B.beginUpdate", "type:B.setOrderNum(10)", "type:B.endUpdate"};
    }

    void moves()
    {
        QFETCH(QString, node);
        QFETCH(bool, up);
        QFETCH(QString, tree);
        QFETCH(QStringList, calls);

        Ordered o;
        OrbDrawingTreeNode* target = nullptr;
        for (const auto& t : o.file->m_types)
            if (t->m_name == node)
                target = o.tree.findTypeNode(t.get());
        for (const auto& d : o.file->m_drawsets)
            if (d->m_name == node)
                target = o.tree.findDrawsetNode(d.get());
        QVERIFY(target);
        QCOMPARE(up ? o.tree.canMoveUp(target) : o.tree.canMoveDown(target), !calls.isEmpty());
        o.log.clear();

        up ? o.tree.moveUpNode(target) : o.tree.moveDownNode(target);
        QCOMPARE(treeText(o.tree), tree);
        QCOMPARE(o.log.calls(), calls);
        if (!calls.isEmpty())
            QCOMPARE(target->rowCount(), node == QLatin1String("A") ? 3 : 0);
    }

    void fixNodeOrderNum()
    {
        Ordered o;
        o.tree.moveDownNode(o.tree.findTypeNode(o.file->m_types[0].get()));
        o.tree.moveUpNode(o.tree.findDrawsetNode(o.file->m_drawsets[2].get()));
        QCOMPARE(treeText(o.tree), QStringLiteral("B(b1,b2) A(a1,a3,a2)"));
        o.log.clear();

        o.tree.fixNodeOrderNum();
        QCOMPARE(o.log.calls().first(), QStringLiteral("store.beginUpdate"));
        QCOMPARE(o.log.calls().last(), QStringLiteral("store.endUpdate"));
        QStringList numbers;
        for (const auto& t : o.file->m_types)
            numbers << QStringLiteral("%1=%2").arg(t->m_name).arg(t->m_orderNum);
        for (const auto& d : o.file->m_drawsets)
            numbers << QStringLiteral("%1=%2").arg(d->m_name).arg(d->m_orderNum);
        QCOMPARE(numbers.join(QLatin1Char(' ')), QStringLiteral("A=1 B=0 a1=0 a2=2 a3=1 b1=0 b2=1"));
        // Every write is bracketed by its object.
        QCOMPARE(o.log.filtered(QStringLiteral("drawset:a3.")),
                 (QStringList{"drawset:a3.beginUpdate", "drawset:a3.setOrderNum(1)", "drawset:a3.endUpdate"}));
    }

    void sameFileDoesNotRebuild()
    {
        Ordered o;
        o.tree.setDrawingFile(QSharedPointer<FakeDrawingFile>(o.file));
        QCOMPARE(o.log.count("file.getAll(true)"), 1);
        { // a tree that goes stops following the file, which would otherwise call into freed memory
            OrbDrawingTreeWidget other;
            other.setDrawingFile(o.file);
            QCOMPARE(o.file->m_observers.size(), 2);
        }
        o.tree.setDrawingFile({});
        QVERIFY(!o.tree.hasData() && o.file->m_observers.isEmpty());
    }

    void lookupsNeverHandOutDeletedNodes()
    {
        FakeLog log;
        auto readOnly = orderFile(&log);
        readOnly->m_editable = false;
        FakeDrawsetType* a = readOnly->m_types[0].get();
        FakeDrawsetType* b = readOnly->m_types[1].get();
        FakeDrawset* a1 = readOnly->m_drawsets[0].get();
        FakeDrawset* a2 = readOnly->m_drawsets[1].get();
        FakeDrawset* b1 = readOnly->m_drawsets[3].get();

        OrbDrawingTreeWidget tree;
        tree.setDrawingFile(readOnly);
        // Nothing of a read-only file can be renamed in place.
        QVERIFY(!(tree.findDrawsetNode(a1)->flags() & Qt::ItemIsEditable) && !(tree.findTypeNode(a)->flags() & Qt::ItemIsEditable));
        tree.deleteNode(tree.findDrawsetNode(a2));
        QCOMPARE(tree.findDrawsetNode(a2), nullptr);
        QCOMPARE(tree.findDrawsetNode(a1)->drawset(), a1);

        tree.deleteNode(tree.findTypeNode(b)); // with its drawsets
        QCOMPARE(tree.findTypeNode(b), nullptr);
        QCOMPARE(tree.findDrawsetNode(b1), nullptr);
        QCOMPARE(treeText(tree), QStringLiteral("A(a1,a3)"));
        FakeDrawset* later = readOnly->addDrawset(a, QStringLiteral("a4")); // made after the refresh
        tree.addDrawsets({b1, later}); // b1: a new type node, not the deleted one
        QCOMPARE(tree.findDrawsetNode(b1)->parent()->text(), QStringLiteral("B"));
        QCOMPARE(tree.findDrawsetNode(later)->drawset(), later);

        // Another read-only file: the first one's objects, still alive, are not found.
        auto other = orderFile(&log);
        other->m_editable = false;
        tree.setDrawingFile(other);
        QCOMPARE(tree.findDrawsetNode(a1), nullptr);
        QCOMPARE(tree.findTypeNode(b), nullptr);
        QCOMPARE(tree.findDrawsetNode(other->m_drawsets[0].get())->drawset(), other->m_drawsets[0].get());

        // Another file: nothing of the first one is found, and the new one is scanned.
        auto editable = orderFile(&log);
        tree.setDrawingFile(editable);
        QCOMPARE(tree.findDrawsetNode(a1), nullptr);
        QCOMPARE(tree.findTypeNode(a), nullptr);
        QCOMPARE(tree.findDrawsetNode(editable->m_drawsets[4].get())->drawset(), editable->m_drawsets[4].get());
        QVERIFY(tree.findDrawsetNode(editable->m_drawsets[4].get())->flags() & Qt::ItemIsEditable);
    }
};

QTEST_MAIN(tst_OrbDrawingTreeWidget)
#include "tst_orbdrawingtreewidget.moc"
