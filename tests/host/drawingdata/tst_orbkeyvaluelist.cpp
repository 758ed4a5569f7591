// OrbKeyValueList reads drawset settings ("WSJ=1;YSJ=0") and drawing-info snapshots; the tree
// filters on asInteger with a default of 1, so a missing key, an empty value and a non-number
// must all fall back to the default, and a written list must read back unchanged.

#include "drawingdata/orbkeyvaluelist.h"

#include <QtTest>

class tst_OrbKeyValueList : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("wsj");
        QTest::newRow("two items") << "WSJ=0;YSJ=1" << QStringList{"WSJ", "YSJ"} << 0;
        QTest::newRow("spaces trimmed") << " WSJ = 0 ; YSJ=1 " << QStringList{"WSJ", "YSJ"} << 0;
        QTest::newRow("wrong separator") << "WSJ=0,YSJ=1" << QStringList{"WSJ"} << 1;
        QTest::newRow("empty items skipped") << ";;WSJ=0;;" << QStringList{"WSJ"} << 0;
        QTest::newRow("key without value") << "WSJ;YSJ=1" << QStringList{"WSJ", "YSJ"} << 1;
        QTest::newRow("value with =") << "F=a=b" << QStringList{"F"} << 1;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, keys);
        QFETCH(int, wsj);
        OrbKeyValueList list;
        list.setValue(QStringLiteral("old"), 1);
        list.loadFromString(text, QLatin1Char(';'));
        QCOMPARE(list.keys(), keys);
        QCOMPARE(list.isValid(), !keys.isEmpty());
        QCOMPARE(list.asInteger(QStringLiteral("WSJ"), 1), wsj);
        QVERIFY(!list.getValue(QStringLiteral("old")).isValid());
        if (text == QLatin1String("F=a=b"))
            QCOMPARE(list.getValue(QStringLiteral("F")).toString(), QStringLiteral("a=b"));
        OrbKeyValueList reread;
        reread.loadFromString(list.toString(QLatin1Char(';')), QLatin1Char(';'));
        QCOMPARE(reread.keys(), keys);
        for (const QString& key : keys)
            QCOMPARE(reread.getValue(key).toString(), list.getValue(key).toString());
    }
};

QTEST_GUILESS_MAIN(tst_OrbKeyValueList)
#include "tst_orbkeyvaluelist.moc"
