// OrbVectorDrawingUtils is the only way drawings move between drawsets and the engine. These tests
// guard against XML appended to old bytes instead of replacing them. The stream form (every other
// format value) is what every drawing test writes and reads back, over bytes written before in
// tst_orbdrawinginfoeditorfrm wideTexts; reading (empty and damaged bytes) is driven through the
// drawset view.

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
};

QTEST_GUILESS_MAIN(tst_OrbVectorDrawingUtils)
#include "tst_orbvectordrawingutils.moc"
