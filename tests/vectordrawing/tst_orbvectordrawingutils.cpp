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

class TestOrbVectorDrawingUtils : public QObject
{
    Q_OBJECT
private slots:
    void xmlForm_data();
    void xmlForm();
    void loadEmptyClears();
    void streamFormatsGiveTheSameBytes_data();
    void streamFormatsGiveTheSameBytes();
    void streamRoundTrip();
    void corruptBytesLeaveAnEmptyDrawing();
    void nullDrawingIsIgnored();
};

void TestOrbVectorDrawingUtils::xmlForm_data()
{
    QTest::addColumn<QByteArray>("previous");
    QTest::addColumn<bool>("flag");
    QTest::newRow("empty array") << QByteArray() << false;
    QTest::newRow("non-empty array") << QByteArray(5000, 'Z') << false;
    QTest::newRow("flag set") << QByteArray("old bytes") << true;
}

void TestOrbVectorDrawingUtils::xmlForm()
{
    QFETCH(QByteArray, previous);
    QFETCH(bool, flag);
    ZVectorDrawing d;
    fill(d);
    QByteArray data = previous;
    OrbVectorDrawingUtils::saveData(&d, data, vdsfXML, flag);

    QVERIFY2(data.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"), data.left(60).constData());
    QVERIFY(!data.contains('Z'));
    QVERIFY(!data.contains("old bytes"));
    QDomDocument doc;
    QString error;
    QVERIFY2(doc.setContent(data, &error), qPrintable(error));
    QCOMPARE(doc.documentElement().tagName(), QStringLiteral("QuillmarkVectorDrawing"));
    // Each entity is an element with its id, first level indented by four spaces.
    const QDomNodeList children = doc.documentElement().childNodes();
    QCOMPARE(children.count(), 3);
    QCOMPARE(children.at(2).toElement().tagName(), QStringLiteral("Text"));
    QCOMPARE(children.at(2).toElement().attribute(QStringLiteral("id")), QStringLiteral("3"));
    QCOMPARE(children.at(2).toElement().attribute(QStringLiteral("text")), QStringLiteral("井深 <2500> & \"m\""));
    QCOMPARE(children.at(1).firstChildElement().tagName(), QStringLiteral("Point"));
    const QList<QByteArray> lines = data.split('\n');
    QVERIFY(lines.at(2).startsWith("    <") && !lines.at(2).startsWith("     "));
    // The polyline's points are nested one level deeper: eight spaces.
    bool nested = false;
    for (const QByteArray& line : lines)
        nested |= line.startsWith("        <Point") && !line.startsWith("         ");
    QVERIFY(nested);
    QCOMPARE(doc.documentElement().hasAttribute(QStringLiteral("Version")), flag);
}

void TestOrbVectorDrawingUtils::loadEmptyClears()
{
    ZVectorDrawing d;
    fill(d);
    OrbVectorDrawingUtils::loadData(&d, QByteArray());
    QCOMPARE(d.count(), 0);
    QCOMPARE(d.find(1), nullptr);
}

void TestOrbVectorDrawingUtils::streamFormatsGiveTheSameBytes_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("flag");
    QTest::newRow("0 true") << 0 << true;
    QTest::newRow("2 false") << 2 << false;
    QTest::newRow("2 true") << 2 << true;
    QTest::newRow("-1 false") << -1 << false;
    QTest::newRow("99 true") << 99 << true;
}

void TestOrbVectorDrawingUtils::streamFormatsGiveTheSameBytes()
{
    QFETCH(int, format);
    QFETCH(bool, flag);
    ZVectorDrawing d;
    fill(d);
    QByteArray reference("left over");
    OrbVectorDrawingUtils::saveData(&d, reference, vdsfStream, false);
    QVERIFY(reference.startsWith(QByteArray("\x16\0\0\0QuillmarkVectorDrawing", 26)));
    QByteArray data(100, 'q');
    OrbVectorDrawingUtils::saveData(&d, data, EnVDSaveFormat(format), flag);
    QCOMPARE(data, reference);
}

void TestOrbVectorDrawingUtils::streamRoundTrip()
{
    ZVectorDrawing d;
    fill(d);
    QByteArray first;
    OrbVectorDrawingUtils::saveData(&d, first, vdsfStream, false);
    ZVectorDrawing back;
    back.add(new ZVDCircle(99, QPointF(), 1)); // replaced, not merged
    OrbVectorDrawingUtils::loadData(&back, first);
    QCOMPARE(back.count(), 3);
    QCOMPARE(back.find(99), nullptr);
    auto* text = dynamic_cast<ZVDText*>(back.find(3));
    QVERIFY(text);
    QCOMPARE(QString::fromStdWString(text->text()), QStringLiteral("井深 <2500> & \"m\""));
    QCOMPARE(back.find(2)->color(), QColor(0, 128, 96));
    QByteArray second;
    OrbVectorDrawingUtils::saveData(&back, second, vdsfStream, false);
    QCOMPARE(second, first);
}

void TestOrbVectorDrawingUtils::corruptBytesLeaveAnEmptyDrawing()
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

void TestOrbVectorDrawingUtils::nullDrawingIsIgnored()
{
    QByteArray data("keep");
    OrbVectorDrawingUtils::saveData(nullptr, data, vdsfXML, false);
    OrbVectorDrawingUtils::loadData(nullptr, data);
    QCOMPARE(data, QByteArray("keep"));
}

QTEST_GUILESS_MAIN(TestOrbVectorDrawingUtils)
#include "tst_orbvectordrawingutils.moc"
