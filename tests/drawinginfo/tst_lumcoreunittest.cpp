// The action recorder: nesting of cases, the name filter and the file it writes. A recorder that
// lost its place after a commit would attach later cases to the wrong parent; a file that cannot
// be written must say so.

#include "common/lumcoreunittest.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestLumCoreUnitTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { LumCoreUnitTest::instance()->clear(); LumCoreUnitTest::instance()->setCaseFilter({}); }
    void nesting();
    void filter_data();
    void filter();
    void saveToFile();
};

void TestLumCoreUnitTest::nesting()
{
    LumCoreUnitTest* r = LumCoreUnitTest::instance();
    QVERIFY(!r->commitTestCase("x", true, true)); // nothing open
    auto outer = r->startTestCase("Outer", "caption", "module", "expected", {});
    auto inner = r->startTestCase("Inner", {}, {}, {}, r->currentTestCase());
    QCOMPARE(inner->parent(), outer);
    QVERIFY(r->commitTestCase("a|b", true, false));
    QCOMPARE(r->currentTestCase(), inner); // kept open
    QVERIFY(r->commitTestCase("a|c", false, true));
    QCOMPARE(r->currentTestCase(), outer);
    QVERIFY(r->commitTestCase("done", true, true));
    QVERIFY(!r->currentTestCase());
    const auto cases = r->committedCases();
    QCOMPARE(cases.size(), 3);
    QCOMPARE(cases[1]->data(), QByteArray("a|c"));
    QVERIFY(!cases[1]->succeeded());
    QCOMPARE(cases[1]->parentName(), QStringLiteral("Outer"));
    QCOMPARE(cases[2]->name(), QStringLiteral("Outer"));
}

void TestLumCoreUnitTest::filter_data()
{
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("matched");
    QTest::newRow("no filter") << QStringList() << "" << "" << true;
    QTest::newRow("wildcard") << QStringList{"Orb_Model_*"} << "" << "" << true;
    QTest::newRow("other name") << QStringList{"Orb_Tree_*"} << "" << "" << false;
    QTest::newRow("case matters") << QStringList{"orb_model_*"} << "" << "" << false;
    QTest::newRow("any module asked") << QStringList() << "drawing" << "" << true;
    QTest::newRow("other module") << QStringList() << "drawing" << "tree" << false;
}

void TestLumCoreUnitTest::filter()
{
    QFETCH(QStringList, patterns);
    QFETCH(QString, module);
    QFETCH(QString, asked);
    QFETCH(bool, matched);
    LumCoreUnitTest::instance()->setCaseFilter(patterns, module);
    QCOMPARE(LumCoreUnitTest::instance()->isTestCaseMatched("Orb_Model_Prop_Edit_Value", asked), matched);
}

void TestLumCoreUnitTest::saveToFile()
{
    LumCoreUnitTest* r = LumCoreUnitTest::instance();
    r->startTestCase("Edit", {}, {}, {}, {});
    r->commitTestCase("D1|H\t1|2\n3\\", true, true);
    QTemporaryDir dir;
    const QString path = dir.filePath("cases.txt");
    QString error;
    QVERIFY2(r->saveToFile(path, &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Edit\t\tok\tD1|H\\t1|2\\n3\\\\\n"));
    file.close();
    // A folder in the way: a clear error naming the path.
    QVERIFY(!r->saveToFile(dir.path(), &error));
    QVERIFY(error.contains(dir.path()));
}

QTEST_GUILESS_MAIN(TestLumCoreUnitTest)
#include "tst_lumcoreunittest.moc"
