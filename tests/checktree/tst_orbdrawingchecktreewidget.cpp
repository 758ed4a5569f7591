// The check tree against recording fakes: which host calls a refresh makes and in which order,
// and the items it builds (roles, flags, texts, states, positions). A wrong order, a missing role
// or a rebuild that should not happen (losing the user's checks) fails a comparison here.

#include "checktree/orbdrawingchecktreenode.h"
#include "checktree/orbdrawingchecktreewidget.h"

#include "fakedrawingdata.h"

#include <QtTest>

namespace {

// Check states of the whole tree in order, one letter per item: C, U or P.
QString states(QTreeWidget* tree)
{
    QString out;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const Qt::CheckState s = (*it)->checkState(0);
        out += QLatin1Char(s == Qt::Checked ? 'C' : s == Qt::Unchecked ? 'U' : 'P');
    }
    return out;
}

OrbDrawingCheckTreeNode* node(QTreeWidgetItem* item)
{
    return dynamic_cast<OrbDrawingCheckTreeNode*>(item);
}

} // namespace

class TstOrbDrawingCheckTreeWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refreshBuildsTheTree();
    void setDrawSetFile_data();
    void setDrawSetFile();
    void insertIndex_data();
    void insertIndex();
    void nodeTextsAndCopies();

private:
    QSharedPointer<FakeDrawingFile> makeFile(const QString& name);

    FakeLog m_log;
    QSharedPointer<FakeDrawingFile> m_file;
};

QSharedPointer<FakeDrawingFile> TstOrbDrawingCheckTreeWidget::makeFile(const QString& name)
{
    auto file = QSharedPointer<FakeDrawingFile>::create(&m_log, name);
    FakeDrawsetType* wells = file->addType(QStringLiteral("检查井"), 5020);
    FakeDrawsetType* pits = file->addType(QStringLiteral("集水坑"), 5021);
    file->addType(QStringLiteral("空类型"), 5022);
    file->addDrawset(wells, QStringLiteral("砖砌圆形井"));
    file->addDrawset(pits, QStringLiteral("方形坑"));
    file->addDrawset(wells, QStringLiteral("混凝土方井"));
    return file;
}

void TstOrbDrawingCheckTreeWidget::init()
{
    m_log.clear();
    m_file = makeFile(QStringLiteral("a.drw"));
}

void TstOrbDrawingCheckTreeWidget::cleanup()
{
    m_file.reset();
}

void TstOrbDrawingCheckTreeWidget::refreshBuildsTheTree()
{
    OrbDrawingCheckTreeWidget tree;
    QCOMPARE(tree.topLevelItemCount(), 0);
    tree.setDrawSetFile(m_file);

    QCOMPARE(m_log.calls(), (QStringList{"file.getAll(true)", "file.getByType(检查井)", "file.getByType(集水坑)",
                                         "file.getByType(空类型)"}));
    QCOMPARE(tree.topLevelItemCount(), 1);
    OrbDrawingCheckTreeNode* root = tree.rootNode();
    QCOMPARE(node(tree.topLevelItem(0)), root);
    QCOMPARE(root->text(0), QStringLiteral("全部"));
    QVERIFY(!root->data(0, Qt::UserRole).isValid());
    QVERIFY(!root->data(0, Qt::UserRole + 1).isValid());

    // Types in file order, each with its drawsets in file order.
    const QStringList expected{"检查井:砖砌圆形井,混凝土方井", "集水坑:方形坑", "空类型:"};
    QStringList shape;
    for (int i = 0; i < root->childCount(); ++i) {
        OrbDrawingCheckTreeNode* type = node(root->child(i));
        QVERIFY(type && type->drawsetType() && !type->drawset());
        QCOMPARE(type->data(0, Qt::UserRole), QVariant(0));
        QVERIFY(!type->data(0, Qt::UserRole + 1).isValid());
        QStringList names;
        for (int j = 0; j < type->childCount(); ++j) {
            OrbDrawingCheckTreeNode* ds = node(type->child(j));
            QVERIFY(ds && ds->drawset() && !ds->drawsetType());
            QCOMPARE(ds->data(0, Qt::UserRole), QVariant(1));
            QCOMPARE(ds->data(0, Qt::UserRole + 1), QVariant(ds->drawset()->id()));
            names << ds->text(0);
        }
        shape << type->text(0) + QLatin1Char(':') + names.join(QLatin1Char(','));
    }
    QCOMPARE(shape, expected);

    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        QCOMPARE(int((*it)->flags()), 0x31);
    QCOMPARE(states(&tree), QStringLiteral("CCCCCCC"));
    QVERIFY(tree.isHeaderHidden());
    QVERIFY(root->isExpanded());
    QVERIFY(!root->child(0)->isExpanded());

    // A host that clears the tree leaves no dangling root behind.
    tree.clear();
    QVERIFY(!tree.rootNode());
    tree.refreshData();
    QCOMPARE(states(&tree), QStringLiteral("CCCCCCC"));
    delete tree.takeTopLevelItem(0);
    QVERIFY(!tree.rootNode());
}

void TstOrbDrawingCheckTreeWidget::setDrawSetFile_data()
{
    QTest::addColumn<QString>("next"); // same, other, null
    QTest::addColumn<QString>("expectedStates");
    QTest::addColumn<int>("expectedGetAll");

    QTest::newRow("same object keeps the checks") << "same" << "PPUCCCC" << 1;
    QTest::newRow("another object rebuilds, all checked") << "other" << "CCCCCCC" << 2;
    QTest::newRow("null leaves the checked root alone") << "null" << "C" << 1;
}

void TstOrbDrawingCheckTreeWidget::setDrawSetFile()
{
    QFETCH(QString, next);
    QFETCH(QString, expectedStates);
    QFETCH(int, expectedGetAll);

    OrbDrawingCheckTreeWidget tree;
    tree.setDrawSetFile(m_file);
    tree.rootNode()->child(0)->child(0)->setCheckState(0, Qt::Unchecked);
    QCOMPARE(states(&tree), QStringLiteral("PPUCCCC"));

    QSharedPointer<FakeDrawingFile> other = makeFile(QStringLiteral("b.drw"));
    if (next == QLatin1String("same"))
        tree.setDrawSetFile(m_file);
    else if (next == QLatin1String("other"))
        tree.setDrawSetFile(other);
    else
        tree.setDrawSetFile(nullptr);

    QCOMPARE(states(&tree), expectedStates);
    QCOMPARE(m_log.count(QStringLiteral("file.getAll(true)")), expectedGetAll);
    QCOMPARE(tree.topLevelItemCount(), 1);
    QCOMPARE(tree.rootNode()->text(0), QStringLiteral("全部"));
    if (next == QLatin1String("null"))
        QVERIFY(!tree.drawingFile());
}

void TstOrbDrawingCheckTreeWidget::insertIndex_data()
{
    QTest::addColumn<bool>("drawset");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expectedPosition"); // among 3 existing children

    for (bool drawset : {false, true}) {
        const char* what = drawset ? "drawset" : "type";
        QTest::addRow("%s at -1 appends", what) << drawset << -1 << 3;
        QTest::addRow("%s at 0 comes first", what) << drawset << 0 << 0;
        QTest::addRow("%s at 1", what) << drawset << 1 << 1;
        QTest::addRow("%s at the count appends", what) << drawset << 3 << 3;
        QTest::addRow("%s past the count appends", what) << drawset << 7 << 3;
        QTest::addRow("%s at -2 appends", what) << drawset << -2 << 3;
    }
}

void TstOrbDrawingCheckTreeWidget::insertIndex()
{
    QFETCH(bool, drawset);
    QFETCH(int, index);
    QFETCH(int, expectedPosition);

    OrbDrawingCheckTreeWidget tree;
    tree.setDrawSetFile(m_file);
    OrbDrawingCheckTreeNode* root = tree.rootNode();
    FakeDrawsetType* type = m_file->addType(QStringLiteral("新类型"), 5030);
    FakeDrawset* ds = m_file->addDrawset(type, QStringLiteral("新图集"));

    OrbDrawingCheckTreeNode* added = drawset ? root->insertDrawset(ds, index) : root->insertType(type, index);
    QVERIFY(added);
    QCOMPARE(root->childCount(), 4);
    QCOMPARE(root->indexOfChild(added), expectedPosition);
    QCOMPARE(added->checkState(0), Qt::Checked);
    QCOMPARE(int(added->flags()), 0x31);
    QCOMPARE(added->text(0), drawset ? QStringLiteral("新图集") : QStringLiteral("新类型"));
    QCOMPARE(added->data(0, Qt::UserRole), QVariant(drawset ? 1 : 0));
    QCOMPARE(added->data(0, Qt::UserRole + 1), drawset ? QVariant(ds->id()) : QVariant());
    // The other children kept their order.
    QStringList rest;
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i) != added)
            rest << root->child(i)->text(0);
    QCOMPARE(rest, (QStringList{"检查井", "集水坑", "空类型"}));
    // Nothing is made for a missing host object.
    QVERIFY(!root->insertType(nullptr, -1));
    QVERIFY(!root->insertDrawset(nullptr, 0));
    QCOMPARE(root->childCount(), 4);
}

void TstOrbDrawingCheckTreeWidget::nodeTextsAndCopies()
{
    OrbDrawingCheckTreeWidget tree;
    tree.setDrawSetFile(m_file);
    OrbDrawingCheckTreeNode* type = node(tree.rootNode()->child(0));
    OrbDrawingCheckTreeNode* ds = node(type->child(0));

    // Texts are made once: a later rename shows only on refresh.
    m_file->m_drawsets[0]->m_name = QStringLiteral("改名");
    QCOMPARE(ds->text(0), QStringLiteral("砖砌圆形井"));
    QCOMPARE(ds->getDisplayText(), QStringLiteral("改名"));
    QCOMPARE(type->getDisplayText(), QStringLiteral("检查井"));
    QCOMPARE(tree.rootNode()->getDisplayText(), QString());

    // Unattached child with no check state: the boolean decides.
    OrbDrawingCheckTreeNode unchecked(static_cast<QTreeWidgetItem*>(nullptr), false);
    QCOMPARE(unchecked.checkState(0), Qt::Unchecked);

    ds->setCheckState(0, Qt::Unchecked);
    OrbDrawingCheckTreeNode copy(*ds);
    QCOMPARE(copy.drawset(), ds->drawset());
    QCOMPARE(copy.text(0), QStringLiteral("砖砌圆形井"));
    QCOMPARE(copy.checkState(0), Qt::Unchecked);
    QVERIFY(!copy.parent());
    unchecked = *type;
    QCOMPARE(unchecked.drawsetType(), type->drawsetType());
    QVERIFY(!unchecked.drawset());
    QCOMPARE(unchecked.checkState(0), Qt::PartiallyChecked);
    OrbDrawingCheckTreeNode moved(std::move(copy));
    QCOMPARE(moved.drawset(), ds->drawset());
}

QTEST_MAIN(TstOrbDrawingCheckTreeWidget)
#include "tst_orbdrawingchecktreewidget.moc"
