// Views that follow a real drawing file of the sample library: a change made through one tree or
// data store must reach a tree and a check tree that show the same file through another object.

#include "checktree/orbdrawingchecktreenode.h"
#include "checktree/orbdrawingchecktreewidget.h"
#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"

#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/orbdrawingdatautils.h"
#include "sample/orbsamplelibrary.h"
#include "viewtext.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void uncheckDrawset(QTreeWidgetItem* item, int id)
{
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        if (child->data(0, Qt::UserRole).toInt() == 1 && child->data(0, Qt::UserRole + 1).toInt() == id)
            child->setCheckState(0, Qt::Unchecked);
        uncheckDrawset(child, id);
    }
}
} // namespace

class tst_OrbDrawingFileFollower : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QString error;
        QVERIFY2(OrbSampleLibrary::generate(m_dir.path(), &error), qPrintable(error));
        const QStringList files = QDir(m_dir.path()).entryList({QStringLiteral("*.orbdwg")}, QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        m_path = QDir(m_dir.path()).filePath(files.first());
    }

    void otherViewsFollow_data()
    {
        QTest::addColumn<int>("op");
        QTest::newRow("rename drawset") << 0;
        QTest::newRow("rename type") << 1;
        QTest::newRow("move drawset down") << 2;
        QTest::newRow("move type down") << 3;
        QTest::newRow("remove drawset") << 4;
        QTest::newRow("remove last type") << 5;
    }

    // A change made through one tree or data store reaches a tree and a check tree that show the
    // same file through another object: they end as a rebuild from the file would show them,
    // yet keep their current node and the check states the user set (a rebuild would lose both).
    void otherViewsFollow()
    {
        QFETCH(int, op);
        const QString path = m_dir.filePath(QStringLiteral("follow%1.orbdwg").arg(op));
        QVERIFY(QFile::copy(m_path, path));
        QSharedPointer<IOrbDrawingFile> mine = OrbDrawingDataUtils::createDrawingFile(path, nullptr);
        QSharedPointer<IOrbDrawingFile> theirs = OrbDrawingDataUtils::createDrawingFile(path, nullptr);
        QVERIFY(mine && theirs && mine != theirs);
        OrbDrawingTreeWidget tree, other;
        tree.setDrawingFile(mine);
        other.setDrawingFile(theirs);
        OrbDrawingCheckTreeWidget checks;
        checks.setDrawSetFile(theirs);

        // The other tree's current node and an unchecked item: the last drawset of the first type.
        OrbDrawingTreeNode* firstType = tree.getFirstNode(nullptr);
        QVERIFY(firstType && firstType->rowCount() >= 2 && firstType->nextNode());
        OrbDrawingTreeNode* keptNode = other.getFirstNode(nullptr)->lastChild();
        other.setFocusNode(keptNode);
        IOrbDrawset* kept = keptNode->drawset();
        QTreeWidgetItem* unchecked = checks.rootNode()->child(0)->child(checks.rootNode()->child(0)->childCount() - 1);
        unchecked->setCheckState(0, Qt::Unchecked);
        QSignalSpy currentMoves(other.selectionModel(), &QItemSelectionModel::currentChanged);

        OrbDrawingTreeNode* drawset = tree.getFirstNode(firstType);
        QSharedPointer<IOrbDataStore> store = mine->dataStore();
        switch (op) {
        case 0: QVERIFY(tree.model()->setData(drawset->index(), QStringLiteral("改名的检查井"), Qt::EditRole)); break;
        case 1: QVERIFY(tree.model()->setData(firstType->index(), QStringLiteral("改名的类型"), Qt::EditRole)); break;
        case 2: tree.moveDownNode(drawset); break;
        case 3: tree.moveDownNode(firstType); break;
        case 4:
            store->beginUpdate();
            QVERIFY(store->removeDrawset(drawset->drawset()));
            store->endUpdate();
            break;
        default: {
            OrbDrawingTreeNode* lastType = firstType;
            while (lastType->nextNode())
                lastType = lastType->nextNode();
            store->beginUpdate();
            QVERIFY(store->removeDrawsetType(lastType->drawsetType()));
            store->endUpdate();
        }
        }

        QSharedPointer<IOrbDrawingFile> reopened = OrbDrawingDataUtils::createDrawingFile(path, nullptr);
        OrbDrawingTreeWidget rebuilt;
        rebuilt.setDrawingFile(reopened);
        QVERIFY(treeText(rebuilt) != treeText(other));
        QTRY_COMPARE(treeText(other), treeText(rebuilt));
        QTRY_COMPARE(treeText(tree), treeText(rebuilt));
        QCOMPARE(other.currentDrawset(), kept);
        QCOMPARE(currentMoves.count(), 0);

        OrbDrawingCheckTreeWidget fresh;
        fresh.setDrawSetFile(reopened);
        uncheckDrawset(fresh.rootNode(), unchecked->data(0, Qt::UserRole + 1).toInt());
        QCOMPARE(checkStates(&checks, true), checkStates(&fresh, true));
        QCOMPARE(checks.rootNode(), checks.topLevelItem(0)); // a row going under the root leaves it known
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_MAIN(tst_OrbDrawingFileFollower)
#include "tst_orbdrawingfilefollower.moc"
