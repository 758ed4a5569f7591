// Guards the agreement of check boxes in the host's checkable tree: an item checked by a click, a
// key or code must reach every descendant and every ancestor. A click reaches the tree as the same
// model change as setCheckState (the tree handles no input of its own), so the cases use the
// latter. Each case compares the states of the whole tree, so a missed propagation in either
// direction fails it.

#include "controls/talcheckabletreewidget.h"
#include "viewtext.h"

#include <QtTest>

namespace {
// parent: the tree (for the root) or an item.
template <class Parent>
QTreeWidgetItem* checkable(Parent* parent, const QString& name)
{
    auto* item = new QTreeWidgetItem(parent, QStringList{name});
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setCheckState(0, Qt::Checked);
    return item;
}

} // namespace

class tst_TalCheckableTreeWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_tree = new TalCheckableTreeWidget;
        QTreeWidgetItem* root = checkable(m_tree, QStringLiteral("root"));
        QTreeWidgetItem* a = checkable(root, QStringLiteral("A"));
        checkable(a, QStringLiteral("a1"));
        checkable(a, QStringLiteral("a2"));
        checkable(a, QStringLiteral("a3"));
        QTreeWidgetItem* b = checkable(root, QStringLiteral("B"));
        checkable(b, QStringLiteral("b1"));
        checkable(root, QStringLiteral("C")); // a type without drawsets
    }

    void cleanup()
    {
        delete m_tree; // with items: their deletion must not reach the destroyed tree
        m_tree = nullptr;
    }

    // Each name toggles its item; "name~" makes it partial.
    void changes_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("expected"); // root A a1 a2 a3 B b1 C

        QTest::newRow("one leaf makes its ancestors partial") << QStringList{"a1"} << "PPUCCCCC";
        QTest::newRow("a type takes all its drawsets") << QStringList{"A"} << "PUUUUCCC";
        QTest::newRow("every child off turns the parent off") << QStringList{"a1", "a2", "a3"} << "PUUUUCCC";
        QTest::newRow("and back on") << QStringList{"a1", "a2", "a3", "a3", "a2", "a1"} << "CCCCCCCC";
        // Partial by code says nothing about which children are meant: they stay.
        QTest::newRow("partial type keeps its children") << QStringList{"A~"} << "PPCCCCCC";
    }

    void changes()
    {
        QFETCH(QStringList, changes);
        QFETCH(QString, expected);
        for (const QString& change : changes) {
            const QString name = change.section(QLatin1Char('~'), 0, 0);
            QTreeWidgetItem* it = m_tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).first();
            it->setCheckState(0, change.endsWith(QLatin1Char('~')) ? Qt::PartiallyChecked
                                 : it->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        }
        QCOMPARE(checkStates(m_tree), expected);
    }

    void otherCheckColumn()
    {
        TalCheckableTreeWidget tree(nullptr, 1);
        tree.setColumnCount(2);
        auto* parent = new QTreeWidgetItem(&tree, QStringList{"p", "p"});
        auto* child = new QTreeWidgetItem(parent, QStringList{"c", "c"});
        for (QTreeWidgetItem* it : {parent, child}) {
            it->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
            it->setCheckState(0, Qt::Checked);
            it->setCheckState(1, Qt::Checked);
        }
        child->setCheckState(0, Qt::Unchecked);
        QCOMPARE(parent->checkState(0), Qt::Checked);
        parent->setCheckState(1, Qt::Unchecked);
        QCOMPARE(child->checkState(1), Qt::Unchecked);
        QCOMPARE(child->checkState(0), Qt::Unchecked);
        QCOMPARE(parent->checkState(0), Qt::Checked);
        // A checked item added to an unchecked parent makes it partial.
        auto* late = new QTreeWidgetItem(QStringList{"d", "d"});
        late->setCheckState(1, Qt::Checked);
        parent->addChild(late);
        QCOMPARE(parent->checkState(1), Qt::PartiallyChecked);
    }

private:
    TalCheckableTreeWidget* m_tree = nullptr;
};

QTEST_MAIN(tst_TalCheckableTreeWidget)
#include "tst_talcheckabletreewidget.moc"
