// The in-memory tables behind the data view: record lookup must find an ID whatever integer
// type the table stores it as (the view asks with a plain int), and a column counts as empty
// only when no record holds a value in it.

#include "grid/lummemtable.h"

#include <QtTest>

class TstMemTable : public QObject
{
    Q_OBJECT

private slots:
    void findRecordIndex_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("wanted");
        QTest::addColumn<int>("expected");
        QTest::newRow("int by int") << QVariant(7) << QVariant(7) << 1;
        QTest::newRow("longlong by int") << QVariant(7LL) << QVariant(7) << 1;
        QTest::newRow("double by int") << QVariant(7.0) << QVariant(7) << 1;
        QTest::newRow("text by text") << QVariant(QStringLiteral("A1")) << QVariant(QStringLiteral("A1")) << 1;
        QTest::newRow("text number by int") << QVariant(QStringLiteral("7")) << QVariant(7) << 1;
        QTest::newRow("no match") << QVariant(8) << QVariant(7) << -1;
        QTest::newRow("null never matches") << QVariant() << QVariant(0) << -1;
    }

    void findRecordIndex()
    {
        QFETCH(QVariant, stored);
        QFETCH(QVariant, wanted);
        QFETCH(int, expected);
        LumMemTable table(QStringLiteral("T"));
        table.fields()->add(QStringLiteral("ID"), QMetaType::Int);
        table.appendRecord()->setValue(0, 3);
        table.appendRecord()->setValue(QStringLiteral("id"), stored);
        QCOMPARE(table.findRecordIndex(QStringLiteral("ID"), wanted), expected);
        QCOMPARE(table.findRecord(QStringLiteral("ID"), wanted) != nullptr, expected >= 0);
        QCOMPARE(table.findRecordIndex(QStringLiteral("Missing"), wanted), -1);
    }

    void columnsAndNulls()
    {
        LumMemTable table(QStringLiteral("T"));
        LumMemFields* fields = table.fields();
        fields->add(QStringLiteral("ID"), QMetaType::Int);
        fields->add(QStringLiteral("Empty"));
        fields->add(QStringLiteral("Sparse"), QMetaType::QString, QStringLiteral("稀疏"));
        QCOMPARE(fields->add(QStringLiteral("sparse")), fields->at(2)); // no duplicate column
        QCOMPARE(fields->fieldNames(), (QStringList{"ID", "Empty", "Sparse"}));
        QCOMPARE(fields->find(QStringLiteral("SPARSE"))->index(), 2);
        QVERIFY(table.columnDataIsNull(0)); // no records yet
        for (int i = 0; i < 3; ++i) {
            LumMemRecord* r = table.appendRecord();
            r->setValue(0, i + 1);
            r->setValue(1, QString(""));
        }
        table.record(2)->setValue(2, QStringLiteral("x"));
        table.record(0)->setValue(5, QStringLiteral("out of range"));
        QVERIFY(!table.columnDataIsNull(0));
        QVERIFY(table.columnDataIsNull(1));
        QVERIFY(!table.columnDataIsNull(2));
        QVERIFY(table.columnDataIsNull(3));
        table.removeRecord(2);
        QVERIFY(table.columnDataIsNull(2));
        // A field added after the records exist reads null in them.
        fields->add(QStringLiteral("Late"));
        QVERIFY(!table.record(0)->value(3).isValid());
        table.record(0)->setValue(QStringLiteral("Late"), 1);
        QCOMPARE(table.record(0)->value(QStringLiteral("late")).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TstMemTable)
#include "tst_memtable.moc"
