// The drawing editor is how every drawing reaches the user. These tests guard against: a fit that
// leaves part of the drawing outside the view, zoom that drifts away from the cursor, pan that
// moves the wrong way, picks that hit the wrong entity, drawing work spent on entities outside the
// view (the cost that makes large drawings lag), and texts drawn with a font that cannot show
// Chinese.

#include "engine/zvdeinsertpoint.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"
#include "engine/zvectordrawingeditor.h"
#include "engine/zvpviewer.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {
// Counts what the editor asks to draw.
class CountingEditor : public ZVectorDrawingEditor
{
public:
    QList<int> drawn;

protected:
    void drawEntity(QPainter& painter, ZVDEntity* entity) override
    {
        drawn << entity->id();
        ZVectorDrawingEditor::drawEntity(painter, entity);
    }
};

void fill(ZVectorDrawing* d)
{
    d->add(new ZVDLine(1, QPointF(0, 0), QPointF(1000, 0)));
    d->add(new ZVDLine(2, QPointF(0, 0), QPointF(0, 500)));
    d->add(new ZVDCircle(3, QPointF(700, 250), 100));
    d->add(new ZVDText(4, QPointF(200, 300), 40, L"井深 2500"));
    d->add(new ZVDPolyline(5, {{900, 400}, {1000, 400}, {1000, 500}}, false));
}

QImage render(ZVectorDrawingEditor& e)
{
    QImage img(e.size(), QImage::Format_RGB32);
    QPainter p(&img);
    e.render(p, img.rect());
    return img;
}

int countPixels(const QImage& img, const QRect& area, bool (*match)(QRgb))
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.rect().contains(x, y) && match(img.pixel(x, y)))
                ++n;
    return n;
}
} // namespace

class TestEngineEditor : public QObject
{
    Q_OBJECT
private slots:
    void zoomAllFitsEverything();
    void wheelZoomKeepsPointUnderCursor_data();
    void wheelZoomKeepsPointUnderCursor();
    void zoomStaysUsable_data();
    void zoomStaysUsable();
    void middleButtonPans_data();
    void middleButtonPans();
    void entityAtPicksWhatIsUnderTheCursor_data();
    void entityAtPicksWhatIsUnderTheCursor();
    void entitiesOutsideTheViewAreNotDrawn();
    void keyCommandsFollowTheInputSwitch_data();
    void keyCommandsFollowTheInputSwitch();
    void overlaysFollowTheirSwitches();
    void defaultFontShowsChinese();
};

void TestEngineEditor::zoomAllFitsEverything()
{
    ZVectorDrawingEditor e;
    e.resize(400, 300);
    fill(e.vectorDrawing());
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    e.zoomAll();
    const QRect view = e.rect();
    QRect all;
    for (int i = 0; i < e.vectorDrawing()->count(); ++i) {
        const QRect r = e.entityScreenRect(e.vectorDrawing()->at(i));
        QVERIFY2(view.contains(r), qPrintable(QStringLiteral("entity %1 outside").arg(i)));
        all |= r;
    }
    // Fitted, not merely inside: the drawing fills the view in at least one direction.
    QVERIFY(all.width() > view.width() * 0.8 || all.height() > view.height() * 0.8);
    // A resize of a fitted view fits again.
    const int before = e.entityScreenRect(e.vectorDrawing()->find(1)).width();
    e.resize(800, 300);
    QTRY_VERIFY(e.entityScreenRect(e.vectorDrawing()->find(1)).width() > before * 1.4);
}

void TestEngineEditor::wheelZoomKeepsPointUnderCursor_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<QPoint>("cursor");
    QTest::newRow("in at corner") << 120 << QPoint(50, 40);
    QTest::newRow("out at centre") << -240 << QPoint(200, 150);
    QTest::newRow("in at edge") << 360 << QPoint(399, 10);
}

void TestEngineEditor::wheelZoomKeepsPointUnderCursor()
{
    QFETCH(int, delta);
    QFETCH(QPoint, cursor);
    ZVectorDrawingEditor e;
    e.resize(400, 300);
    fill(e.vectorDrawing());
    e.zoomAll();
    const double before = e.viewScale();
    const QPointF world = e.ScreenPtToWorldPt(cursor);
    QWheelEvent wheel(QPointF(cursor), QPointF(e.mapToGlobal(cursor)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&e, &wheel);
    QVERIFY(delta > 0 ? e.viewScale() > before : e.viewScale() < before);
    const QPointF after = e.WorldPtToScreenPt(world);
    QVERIFY2(QLineF(after, cursor).length() < 1e-6, qPrintable(QStringLiteral("%1,%2").arg(after.x()).arg(after.y())));
}

void TestEngineEditor::zoomStaysUsable_data()
{
    QTest::addColumn<int>("notches"); // wheel notches, positive zooms in
    QTest::newRow("far out") << -60;
    QTest::newRow("far in") << 200;
}

void TestEngineEditor::zoomStaysUsable()
{
    QFETCH(int, notches);
    ZVectorDrawingEditor e;
    e.resize(400, 300);
    fill(e.vectorDrawing());
    e.zoomAll();
    const QPointF centre(200, 150);
    for (int i = 0; i < qAbs(notches); ++i) {
        QWheelEvent wheel(centre, e.mapToGlobal(centre.toPoint()), QPoint(), QPoint(0, notches > 0 ? 120 : -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&e, &wheel);
    }
    // Neither a dot nor a single stroke blown up beyond any way back.
    const QRectF drawing = e.viewTransform().mapRect(e.vectorDrawing()->boundingRect());
    QVERIFY2(drawing.width() >= e.width() / 20.0, qPrintable(QString::number(drawing.width())));
    QVERIFY2(drawing.width() <= e.width() * 1000.0, qPrintable(QString::number(drawing.width())));
}

void TestEngineEditor::middleButtonPans_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("pans");
    QTest::newRow("middle") << int(Qt::MiddleButton) << true;
    QTest::newRow("left") << int(Qt::LeftButton) << false;
}

void TestEngineEditor::middleButtonPans()
{
    QFETCH(int, button);
    QFETCH(bool, pans);
    ZVectorDrawingEditor e;
    e.resize(400, 300);
    fill(e.vectorDrawing());
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    e.zoomAll();
    const QPoint from(100, 100), to(160, 70);
    const QPointF world = e.ScreenPtToWorldPt(from);
    QTest::mousePress(&e, Qt::MouseButton(button), Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, e.mapToGlobal(to), Qt::NoButton, Qt::MouseButton(button), Qt::NoModifier);
    QApplication::sendEvent(&e, &move);
    QTest::mouseRelease(&e, Qt::MouseButton(button), Qt::NoModifier, to);
    const QPointF now = e.WorldPtToScreenPt(world);
    QCOMPARE(QLineF(now, pans ? QPointF(to) : QPointF(from)).length() < 1e-6, true);
}

void TestEngineEditor::entityAtPicksWhatIsUnderTheCursor_data()
{
    QTest::addColumn<QPointF>("world");
    QTest::addColumn<int>("expected");
    QTest::newRow("on the base line") << QPointF(500, 0) << 1;
    QTest::newRow("on the circle's rim") << QPointF(800, 250) << 3;
    QTest::newRow("inside the circle") << QPointF(700, 250) << 0;
    QTest::newRow("on the text") << QPointF(230, 320) << 4;
    QTest::newRow("polyline second leg") << QPointF(1000, 450) << 5;
    QTest::newRow("empty area") << QPointF(500, 450) << 0;
}

void TestEngineEditor::entityAtPicksWhatIsUnderTheCursor()
{
    QFETCH(QPointF, world);
    QFETCH(int, expected);
    ZVectorDrawingEditor e;
    e.resize(500, 300);
    fill(e.vectorDrawing());
    e.zoomAll();
    ZVDEntity* hit = e.entityAt(e.WorldPtToScreenPt(world).toPoint());
    QCOMPARE(hit ? hit->id() : 0, expected);
}

void TestEngineEditor::entitiesOutsideTheViewAreNotDrawn()
{
    CountingEditor e;
    e.resize(400, 300);
    ZVectorDrawing* d = e.vectorDrawing();
    // A 100 x 100 grid of short lines with a label in every row.
    for (int i = 0; i < 100; ++i) {
        for (int j = 0; j < 100; ++j)
            d->add(new ZVDLine(i * 100 + j + 1, QPointF(j * 10, i * 10), QPointF(j * 10 + 5, i * 10 + 5)));
        d->add(new ZVDText(20000 + i, QPointF(-50, i * 10), 4, L"行"));
    }
    e.zoomAll();
    render(e);
    QCOMPARE(e.drawn.size(), d->count());

    // Zoomed into one corner, only what is near it is drawn, and all of that is in view.
    for (int k = 0; k < 8; ++k) {
        const QPointF corner = e.WorldPtToScreenPt(QPointF(0, 0));
        QWheelEvent wheel(corner, QPointF(e.mapToGlobal(corner.toPoint())), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&e, &wheel);
    }
    e.drawn.clear();
    render(e);
    QVERIFY(!e.drawn.isEmpty());
    QVERIFY2(e.drawn.size() < d->count() / 10, qPrintable(QString::number(e.drawn.size())));
    const QRect grown = e.rect().adjusted(-e.width(), -e.height(), e.width(), e.height());
    for (int id : qAsConst(e.drawn))
        QVERIFY(grown.intersects(e.entityScreenRect(d->find(id))));
}

void TestEngineEditor::keyCommandsFollowTheInputSwitch_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("input on") << true;
    QTest::newRow("input off") << false;
}

void TestEngineEditor::keyCommandsFollowTheInputSwitch()
{
    QFETCH(bool, accept);
    ZVectorDrawingEditor e;
    e.resize(400, 300);
    fill(e.vectorDrawing());
    e.zoomAll();
    const double fitted = e.viewScale();
    e.setAccpetMouseKeyInput(accept);
    QTest::keyClick(&e, Qt::Key_Plus);
    QCOMPARE(e.viewScale() > fitted, accept);
    // The wheel zooms whatever the switch says.
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&e, &wheel);
    QVERIFY(e.viewScale() > fitted);
    QTest::keyClick(&e, Qt::Key_Home);
    QCOMPARE(qFuzzyCompare(e.viewScale(), fitted), accept);
}

void TestEngineEditor::overlaysFollowTheirSwitches()
{
    ZVectorDrawingEditor e;
    e.resize(300, 200);
    e.vectorDrawing()->add(new ZVDLine(1, QPointF(-100, -100), QPointF(100, 100)));
    e.zoomAll();
    e.insertPoint()->setPosition(QPointF(50, -50));
    const QRect axesArea(0, e.height() - 60, 60, 60);
    const QPoint ip = e.WorldPtToScreenPt(QPointF(50, -50)).toPoint();
    const QRect ipArea(ip - QPoint(7, 7), QSize(15, 15));
    auto reddish = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80; };
    auto magenta = [](QRgb c) { return qRed(c) > 120 && qBlue(c) > 120 && qGreen(c) < 80; };
    QImage on = render(e);
    QVERIFY(countPixels(on, axesArea, reddish) > 10);
    QVERIFY(countPixels(on, ipArea, magenta) > 5);
    e.getViewer()->Options()->SetViewAxesEnabled(false);
    e.insertPoint()->setVisible(false);
    QImage off = render(e);
    QCOMPARE(countPixels(off, axesArea, reddish), 0);
    QCOMPARE(countPixels(off, ipArea, magenta), 0);
}

void TestEngineEditor::defaultFontShowsChinese()
{
    ZVectorDrawingEditor e;
    const QString file = e.defaultFont();
    QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
    const int id = QFontDatabase::addApplicationFont(file);
    QVERIFY(id >= 0);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    QVERIFY(!families.isEmpty());
    QVERIFY2(QFontDatabase().writingSystems(families.first()).contains(QFontDatabase::SimplifiedChinese),
             qPrintable(families.first()));

    // A font file that cannot be loaded still draws texts (with the system font), it does not fail.
    QTemporaryDir dir;
    const QString bogus = dir.filePath(QStringLiteral("broken.ttf"));
    QFile f(bogus);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a font");
    f.close();
    e.setDefaultFont(bogus);
    QCOMPARE(e.defaultFont(), bogus);
    e.resize(300, 100);
    e.vectorDrawing()->add(new ZVDText(1, QPointF(0, 0), 10, L"Depth 2500"));
    e.zoomAll();
    const QImage img = render(e);
    QVERIFY(countPixels(img, img.rect(), [](QRgb c) { return qGray(c) < 100; }) > 50);
}

QTEST_MAIN(TestEngineEditor)
#include "tst_engineeditor.moc"
