// OrbVectorDrawingUtils is the only way drawings move between drawsets and the engine. These tests
// guard against: an empty array that leaves the previous drawing in place, XML appended to old
// bytes instead of replacing them, a format value that changes the stream bytes, and bytes that do
// not reach the engine unchanged (a round trip that alters the drawing).

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
        // Each entity is an element with its id.
        const QDomNodeList children = doc.documentElement().childNodes();
        QCOMPARE(children.count(), 3);
        QCOMPARE(children.at(2).toElement().attribute(QStringLiteral("id")), QStringLiteral("3"));
        QCOMPARE(children.at(2).toElement().attribute(QStringLiteral("text")), QStringLiteral("井深 <2500> & \"m\""));
        QCOMPARE(doc.documentElement().hasAttribute(QStringLiteral("Version")), flag);
    }

    void loadEmptyClears()
    {
        ZVectorDrawing d;
        fill(d);
        OrbVectorDrawingUtils::loadData(&d, QByteArray());
        QCOMPARE(d.count(), 0);
        QCOMPARE(d.find(1), nullptr);
    }

    void streamFormatsGiveTheSameBytes_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("flag");
        QTest::newRow("2 false") << 2 << false;
        QTest::newRow("99 true") << 99 << true;
    }

    void streamFormatsGiveTheSameBytes()
    {
        QFETCH(int, format);
        QFETCH(bool, flag);
        ZVectorDrawing d;
        fill(d);
        QByteArray reference("left over");
        OrbVectorDrawingUtils::saveData(&d, reference, vdsfStream, false);
        QByteArray data(100, 'q');
        OrbVectorDrawingUtils::saveData(&d, data, EnVDSaveFormat(format), flag);
        QCOMPARE(data, reference);
    }

    void corruptBytesLeaveAnEmptyDrawing()
    {
        ZVectorDrawing d;
        fill(d);
        QByteArray bytes;
        OrbVectorDrawingUtils::saveData(&d, bytes, vdsfStream, false);
        QByteArray xml;
        OrbVectorDrawingUtils::saveData(&d, xml, vdsfXML, false);
        for (const QByteArray& bad : {bytes.left(bytes.size() / 2), xml, QByteArray("\0", 1), bytes + "x"}) {
            ZVectorDrawing target;
            fill(target);
            OrbVectorDrawingUtils::loadData(&target, bad);
            QCOMPARE(target.count(), 0);
            QCOMPARE(target.lastError(), QStringLiteral("Invalid Stream Format"));
        }
    }
};

QTEST_GUILESS_MAIN(tst_OrbVectorDrawingUtils)
#include "tst_orbvectordrawingutils.moc"
