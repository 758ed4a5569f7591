// The memory-table view is how every calculated table reaches a person: a column that shows
// another field's values after a refresh, a NULL that looks like an empty text, or a read-only
// table that still opens an editor would all mislead them.

#include "grid/lummemtable.h"
#include "grid/orbmemtableconfigurator.h"
#include "grid/orbmemtablemodel.h"
#include "grid/orbmemtableviewwidget.h"
#include "fakedataviewtables.h"

#include <QLineEdit>
#include <QtTest>

using fakedataview::makeTable;

class TstOrbMemTableViewWidget : public QObject
{
    Q_OBJECT
private slots:
    void fieldChoice_data();
    void fieldChoice();
    void nullAndCaptions();
    void readonly();
    void lookups();
};

void TstOrbMemTableViewWidget::fieldChoice_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("subset in order") << QStringList{"A", "C", "E"} << QStringList{"A", "C", "E"};
    QTest::newRow("reordered") << QStringList{"D", "A"} << QStringList{"D", "A"};
    QTest::newRow("unknown skipped, case ignored") << QStringList{"b", "nope", "E"} << QStringList{"B", "E"};
    QTest::newRow("empty list") << QStringList{} << QStringList{};
}

void TstOrbMemTableViewWidget::fieldChoice()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, shown);
    const QStringList fields{"A", "B", "C", "D", "E"};
    OrbMemTableViewWidget view;
    view.setTable(makeTable("T", fields, {{"a1", "b1", "c1", "d1", "e1"}, {"a2", "b2", "c2", "d2", "e2"}}));
    QCOMPARE(view.model()->columnCount(), 5); // all fields until a choice is made
    view.refreshTable(names);

    OrbMemTableModel* m = view.model();
    QCOMPARE(m->columnCount(), shown.count());
    QCOMPARE(m->rowCount(), shown.isEmpty() ? 0 : 2);
    for (int c = 0; c < shown.count(); ++c) {
        QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), shown.at(c));
        QCOMPARE(m->fields().at(c)->fieldName(), shown.at(c));
        QCOMPARE(m->index(1, c).data().toString(), shown.at(c).toLower() + QStringLiteral("2"));
    }

    // A new table of the same shape keeps the choice and shows its own values.
    view.setTable(makeTable("T", fields, {{"x", "x", "x", "x", "x"}}));
    QCOMPARE(m->columnCount(), shown.count());
    if (!shown.isEmpty())
        QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("x"));
    view.setTable(QSharedPointer<LumMemTable>());
    QCOMPARE(m->rowCount(), 0);
    QCOMPARE(m->columnCount(), 0);
}

void TstOrbMemTableViewWidget::nullAndCaptions()
{
    OrbMemTableViewWidget view;
    view.setTable(makeTable("T", {"Code", "Value"}, {{"", QVariant()}, {"H", 12}}, {"", "数值"}));
    OrbMemTableModel* m = view.model();
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Code"));
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("数值"));

    const QModelIndex empty = m->index(0, 0);
    const QModelIndex null = m->index(0, 1);
    QCOMPARE(empty.data().toString(), QString());
    QVERIFY(!empty.data(Qt::EditRole).isNull());
    QVERIFY(null.data(Qt::EditRole).isNull());
    QVERIFY(null.data().toString() != empty.data().toString());
    QVERIFY(null.data(Qt::ForegroundRole) != empty.data(Qt::ForegroundRole));
    QCOMPARE(m->index(1, 1).data().toInt(), 12);
}

void TstOrbMemTableViewWidget::readonly()
{
    OrbMemTableViewWidget view;
    view.setTable(makeTable("T", {"Code"}, {{"H"}}));
    OrbMemTableModel* m = view.model();
    const QModelIndex cell = m->index(0, 0);
    QVERIFY(m->flags(cell) & Qt::ItemIsEditable);
    QVERIFY(!cell.data(Qt::BackgroundRole).isValid());

    m->setReadonly(true);
    QVERIFY(!(m->flags(cell) & Qt::ItemIsEditable));
    QVERIFY(!m->setData(cell, QStringLiteral("B")));
    QCOMPARE(cell.data().toString(), QStringLiteral("H"));
    QVERIFY(cell.data(Qt::BackgroundRole).isValid()); // the grid's locked look by default
    QVERIFY(cell.data(Qt::ForegroundRole).isValid());
    m->setCustomBackgroundColor(false);
    m->setReadonlyMode(OrbMemTableModel::ReadonlyPlain);
    QVERIFY(!cell.data(Qt::BackgroundRole).isValid());
    QVERIFY(!cell.data(Qt::ForegroundRole).isValid());

    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QPoint at = view.visualRect(cell).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(view.findChild<QLineEdit*>(), nullptr);

    m->setReadonly(false);
    QVERIFY(m->setData(cell, QStringLiteral("B")));
    QCOMPARE(view.table()->record(0)->value(0).toString(), QStringLiteral("B"));
}

void TstOrbMemTableViewWidget::lookups()
{
    OrbMemTableConfigurator configurator;
    configurator.setColumnWidth(QStringLiteral("value"), 133);
    OrbMemTableViewWidget view(nullptr, &configurator);
    auto table = makeTable("T", {"ID", "Code", "Value"}, {{1, "H", 5}, {2, "B", 6}});
    view.setTable(table);
    view.refreshTable({"Value", "Code"});
    OrbMemTableModel* m = view.model();
    QCOMPARE(m->findRecordByIndex(m->index(1, 0)), table->record(1));
    QCOMPARE(m->findFieldByIndex(m->index(0, 1)), table->fields()->at(1));
    QCOMPARE(m->findRecordByIndex(QModelIndex()), nullptr);
    QCOMPARE(m->findFieldByIndex(QModelIndex()), nullptr);
    QCOMPARE(view.columnWidth(0), 133);
}

QTEST_MAIN(TstOrbMemTableViewWidget)
#include "tst_orbmemtableviewwidget.moc"
