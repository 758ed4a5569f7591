// Runs the built orbdemo headless, as ./dev.sh demo does, and looks at what it wrote. Guards
// against: a page that cannot be built, a crash while rendering, and screenshots that are blank
// (one colour) because a widget drew nothing.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

class tst_Demo : public QObject
{
    Q_OBJECT
private slots:
    void screenshotsAreWrittenAndNotBlank()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcess demo;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        demo.setProcessEnvironment(env);
        demo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        demo.start(QStringLiteral(ORB_DEMO_EXE), {QStringLiteral("--screenshots"), dir.path()});
        QVERIFY2(demo.waitForFinished(240000), "orbdemo did not finish");
        QCOMPARE(demo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(demo.exitCode(), 0);

        const QStringList shots = QDir(dir.path()).entryList({QStringLiteral("*.png")}, QDir::Files);
        QVERIFY(shots.contains(QStringLiteral("drawsetview.png")));
        // Every line orbdemo printed names a screenshot that exists (pages may write more than one).
        const QList<QByteArray> printed = demo.readAllStandardOutput().trimmed().split('\n');
        for (const QByteArray& line : printed)
            QVERIFY2(shots.contains(QFileInfo(QString::fromLocal8Bit(line)).fileName()), line.constData());
        for (const QString& name : shots) {
            const QImage img(QDir(dir.path()).filePath(name));
            QVERIFY2(!img.isNull(), qPrintable(name));
            QVERIFY2(img.width() >= 200 && img.height() >= 150, qPrintable(name));
            // Not blank: a fair share of the pixels differ from the most common colour.
            QHash<QRgb, int> histogram;
            for (int y = 0; y < img.height(); y += 2)
                for (int x = 0; x < img.width(); x += 2)
                    ++histogram[img.pixel(x, y)];
            const int total = ((img.width() + 1) / 2) * ((img.height() + 1) / 2);
            const int top = *std::max_element(histogram.cbegin(), histogram.cend());
            QVERIFY2(total - top > total / 100, qPrintable(QStringLiteral("%1 looks blank").arg(name)));
            QVERIFY2(histogram.size() > 8, qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Demo)
#include "tst_demo.moc"
