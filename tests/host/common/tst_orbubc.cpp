// The usage events and the action recorder keep what happened in order and write it to their
// files; a file that cannot be written must say so instead of losing the record.

#include "common/lumcoreunittest.h"
#include "common/orbubc.h"
#include "common/orbubclog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_OrbUbc : public QObject
{
    Q_OBJECT
private slots:
    void usageEvents()
    {
        QTemporaryDir dir;
        OrbUbc* ubc = OrbUbc::instance();
        OrbUbcLog* events = OrbUbcLog::instance();
        events->clear();
        QVERIFY(!events->setLogFile(dir.path())); // a folder cannot take the log
        const QString path = dir.filePath(QStringLiteral("ubc.log"));
        QVERIFY(events->setLogFile(path));
        ubc->send(QStringLiteral("410011"));
        ubc->send(QStringLiteral("420016"), QStringLiteral("图集-7"));
        QVERIFY(events->setLogFile(QString()));
        ubc->send(QStringLiteral("410015"));

        QCOMPARE(events->codes(), QStringList({"410011", "420016", "410015"}));
        QCOMPARE(events->events().at(1).param, QStringLiteral("图集-7"));
        QFile log(path);
        QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).endsWith(QStringLiteral("\t410011\t")));
        QVERIFY(lines.at(1).endsWith(QStringLiteral("\t420016\t图集-7")));
        events->clear();
    }

    void recorderFile()
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
        // A folder in the way: a clear error naming the path.
        QVERIFY(!r->saveToFile(dir.path(), &error));
        QVERIFY(error.contains(dir.path()));
    }
};

QTEST_GUILESS_MAIN(tst_OrbUbc)
#include "tst_orbubc.moc"
