// OrbVectorDrawingUtils is the only way drawings move between drawsets and the engine. These tests
// guard against XML appended to old bytes instead of replacing them and a format value that changes
// the stream bytes. Reading (empty and damaged bytes) is driven through the drawset view.

#include "vectordrawing/orbvectordrawingutils.h"

#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"

#include <QDomDocument>
#include <QtTest>

namespace {
void fill(ZVectorDrawing& d)
{
    d.add(new ZVDLine(1, QPointF(0, 0), QPointF(10, 0)));
    auto* poly = new ZVDPolyline(2, {{0, 0}, {5, 5}}, false);
    poly->setColor(QColor(0, 128, 96));
    d.add(poly);
    d.add(new ZVDText(3, QPointF(1, 2), 2.5, L"井深 <2500> & \"m\""));
}
} // namespace

class tst_OrbVectorDrawingUtils : public QObject
{
    Q_OBJECT
private slots:
    void xmlForm_data()
    {
        QTest::addColumn<QByteArray>("previous");
        QTest::addColumn<bool>("flag");
        QTest::newRow("non-empty array") << QByteArray(5000, 'Z') << false;
        QTest::newRow("flag set") << QByteArray("old bytes") << true;
    }

    void xmlForm()
    {
        QFETCH(QByteArray, previous);
        QFETCH(bool, flag);
        ZVectorDrawing d;
        fill(d);
        QByteArray data = previous;
        OrbVectorDrawingUtils::saveData(&d, data, vdsfXML, flag);

        QVERIFY(!data.contains('Z'));
        QVERIFY(!data.contains("old bytes"));
        QDomDocument doc;
        QString error;
        QVERIFY2(doc.setContent(data, &error), qPrintable(error));
        // What stands under the root is the engine's; the flag reaches its writer.
        QCOMPARE(doc.documentElement().childNodes().count(), 3);
        QCOMPARE(doc.documentElement().hasAttribute(QStringLiteral("Version")), flag);
    }

    // A format value other than XML writes the stream, the same bytes whatever the flag.
    void streamFormatsGiveTheSameBytes()
    {
        ZVectorDrawing d;
        fill(d);
        QByteArray reference("left over");
        OrbVectorDrawingUtils::saveData(&d, reference, vdsfStream, false);
        QByteArray data(100, 'q');
        OrbVectorDrawingUtils::saveData(&d, data, EnVDSaveFormat(99), true);
        QCOMPARE(data, reference);
    }
};

QTEST_GUILESS_MAIN(tst_OrbVectorDrawingUtils)
#include "tst_orbvectordrawingutils.moc"
