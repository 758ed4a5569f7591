// The drawing editor is how every drawing reaches the user. These tests guard against: a fit that
// leaves part of the drawing outside the view, zoom that drifts away from the cursor, pan that
// moves the wrong way, picks that hit the wrong entity, keys that act while input is off, and
// texts drawn with a font that cannot show Chinese.

#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"
#include "engine/zvectordrawingeditor.h"

#include <QFontDatabase>
#include <QPainter>
#include <QtTest>

namespace {
// A fitted editor of the given size over a line, a circle, a text and a polyline.
struct Editor : ZVectorDrawingEditor
{
    Editor(int w = 400, int h = 300, bool shown = false)
    {
        resize(w, h);
        ZVectorDrawing* d = vectorDrawing();
        d->add(new ZVDLine(1, QPointF(0, 0), QPointF(1000, 0)));
        d->add(new ZVDLine(2, QPointF(0, 0), QPointF(0, 500)));
        d->add(new ZVDCircle(3, QPointF(700, 250), 100));
        d->add(new ZVDText(4, QPointF(200, 300), 40, L"井深 2500"));
        d->add(new ZVDPolyline(5, {{900, 400}, {1000, 400}, {1000, 500}}, false));
        if (shown) {
            show();
            QVERIFY(QTest::qWaitForWindowExposed(this));
        }
        zoomAll();
    }
    int paints = 0;
    void paintEvent(QPaintEvent* event) override { ++paints, ZVectorDrawingEditor::paintEvent(event); }
};

// Whether the editor draws anything in an area of the drawing.
bool inked(ZVectorDrawingEditor& e, const QRectF& world)
{
    QImage image(e.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    e.render(painter, image.rect());
    painter.end();
    const QRect area = e.viewTransform().mapRect(world).toAlignedRect() & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

// A turn of the wheel (120 a notch, positive zooms in) at a point of the view.
void wheel(QWidget& w, const QPointF& at, int delta)
{
    QWheelEvent event(at, w.mapToGlobal(at.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &event);
}
} // namespace

class tst_ZVectorDrawingEditor : public QObject
{
    Q_OBJECT
private slots:
    // The drawing fits the view, and fits it again after a resize; the keyboard commands zoom.
    void zoomAllFitsEverything()
    {
        Editor e(400, 300, true);
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
        // Each command shows at once: a view that waits for some other repaint looks dead.
        const double fitted = e.viewScale();
        e.setAccpetMouseKeyInput(true);
        for (Qt::Key key : {Qt::Key_Home, Qt::Key_Minus, Qt::Key_Home, Qt::Key_Plus}) {
            QTRY_VERIFY(e.paints > 0);
            e.paints = 0;
            QTest::keyClick(&e, key);
            QVERIFY(key == Qt::Key_Plus    ? e.viewScale() > fitted
                    : key == Qt::Key_Minus ? e.viewScale() < fitted
                                           : qFuzzyCompare(e.viewScale(), fitted));
        }
        QTRY_VERIFY(e.paints > 0);
        e.paints = 0;
        QTest::mouseClick(&e, Qt::LeftButton, {}, e.WorldPtToScreenPt(QPointF(500, 0)).toPoint()); // selects the line
        QTRY_VERIFY(e.paints > 0);
    }

    // Wheel zoom keeps the point under the cursor where it is, and stays usable however far it
    // goes: neither a dot nor a single stroke blown up beyond any way back.
    void wheelZoom_data()
    {
        QTest::addColumn<int>("notches"); // positive zooms in
        QTest::addColumn<QPoint>("cursor");
        QTest::newRow("far out") << -60 << QPoint(200, 150);
        QTest::newRow("far in") << 200 << QPoint(120, 100);
    }

    void wheelZoom()
    {
        QFETCH(int, notches);
        QFETCH(QPoint, cursor);
        Editor e;
        const double before = e.viewScale();
        const QPointF world = e.ScreenPtToWorldPt(cursor);
        for (int i = 0; i < qAbs(notches); ++i)
            wheel(e, cursor, notches > 0 ? 120 : -120);
        QVERIFY(notches > 0 ? e.viewScale() > before : e.viewScale() < before);
        const QPointF after = e.WorldPtToScreenPt(world);
        QVERIFY2(QLineF(after, cursor).length() < 1e-6, qPrintable(QStringLiteral("%1,%2").arg(after.x()).arg(after.y())));
        const QRectF drawing = e.viewTransform().mapRect(e.vectorDrawing()->boundingRect());
        QVERIFY2(drawing.width() >= e.width() / 20.0, qPrintable(QString::number(drawing.width())));
        QVERIFY2(drawing.width() <= e.width() * 1000.0, qPrintable(QString::number(drawing.width())));
    }

    void middleButtonPans_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("pans");
        QTest::newRow("middle") << int(Qt::MiddleButton) << true;
        QTest::newRow("left") << int(Qt::LeftButton) << false;
    }

    void middleButtonPans()
    {
        QFETCH(int, button);
        QFETCH(bool, pans);
        Editor e(400, 300, true);
        const QPoint from(100, 100), to(160, 70);
        const QPointF world = e.ScreenPtToWorldPt(from);
        QTest::mousePress(&e, Qt::MouseButton(button), Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, e.mapToGlobal(to), Qt::NoButton, Qt::MouseButton(button), Qt::NoModifier);
        QApplication::sendEvent(&e, &move);
        QTest::mouseRelease(&e, Qt::MouseButton(button), Qt::NoModifier, to);
        QMouseEvent after(QEvent::MouseMove, from, e.mapToGlobal(from), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&e, &after); // released: the view stays
        const QPointF now = e.WorldPtToScreenPt(world);
        QCOMPARE(QLineF(now, pans ? QPointF(to) : QPointF(from)).length() < 1e-6, true);
        QVERIFY(e.cursor().shape() != Qt::ClosedHandCursor); // the hand that held the view is gone
    }

    void entityAtPicksWhatIsUnderTheCursor_data()
    {
        QTest::addColumn<QPointF>("world");
        QTest::addColumn<int>("expected");
        QTest::newRow("on the base line") << QPointF(500, 0) << 1;
        QTest::newRow("a few pixels off the base line") << QPointF(500, -6) << 1;
        QTest::newRow("on the circle's rim") << QPointF(800, 250) << 3;
        QTest::newRow("inside the circle") << QPointF(700, 250) << 0;
        QTest::newRow("on the text") << QPointF(230, 320) << 4;
        QTest::newRow("polyline second leg") << QPointF(1000, 450) << 5;
    }

    void entityAtPicksWhatIsUnderTheCursor()
    {
        QFETCH(QPointF, world);
        QFETCH(int, expected);
        Editor e(500, 300);
        ZVDEntity* hit = e.entityAt(e.WorldPtToScreenPt(world).toPoint());
        QCOMPARE(hit ? hit->id() : 0, expected);
    }

    void grownTextIsDrawnWhereItNowExtends()
    {
        // Enough shapes that a zoomed-in view is answered from the index's grid.
        ZVectorDrawingEditor e;
        e.resize(200, 200);
        ZVectorDrawing* d = e.vectorDrawing();
        for (int i = 0; i < 400; ++i)
            d->add(new ZVDLine(i + 1, QPointF(i % 20 * 100, i / 20 * 100), QPointF(i % 20 * 100 + 10, i / 20 * 100)));
        auto* text = new ZVDText(1000, QPointF(0, 2050), 40, L"ab");
        d->add(text);
        e.zoomAll();
        wheel(e, e.WorldPtToScreenPt(QPointF(700, 2070)), 1200);
        QVERIFY(!inked(e, QRectF(500, 2050, 400, 40)));
        text->setText(std::wstring(60, L'x'));
        QVERIFY(inked(e, QRectF(500, 2050, 400, 40)));
        QVERIFY(!inked(e, QRectF(500, 2010, 400, 40))); // it stands on its anchor, not across it
    }

    void arcIsDrawnAlongItsRunOnly()
    {
        ZVectorDrawingEditor e;
        e.resize(200, 200);
        e.vectorDrawing()->add(new ZVDArc(1, QPointF(0, 0), 100, 0, 90));
        e.vectorDrawing()->add(new ZVDLine(2, QPointF(-100, -100), QPointF(-100, 100))); // the whole circle in view
        e.zoomAll();
        QVERIFY(inked(e, QRectF(-102, 40, 4, 20))); // lines are drawn from their batch
        QVERIFY(inked(e, QRectF(68, 68, 4, 4)));
        QVERIFY(!inked(e, QRectF(-72, 68, 4, 4)));
    }

    // A crowded view sets its strokes straight into an image: strokes that leave the view on any
    // side, or reach far beyond it, must be clipped there (the sanitizer run catches a write
    // outside the image) and still show where they cross the view.
    void denseViewClipsItsStrokes()
    {
        ZVectorDrawingEditor e;
        e.resize(300, 200);
        ZVectorDrawing* d = e.vectorDrawing();
        for (int i = 0; i < 20000; ++i) {
            const QPointF at(i % 200 * 10, i / 200 * 10);
            d->add(i % 3 ? static_cast<ZVDEntity*>(new ZVDLine(i + 1, at, at + QPointF(4, 3)))
                         : new ZVDCircle(i + 1, at, 3));
        }
        e.zoomAll();
        auto* across = new ZVDLine(30000, QPointF(-1e7, 455), QPointF(1e7, 455));
        across->setColor(Qt::red);
        d->add(across);
        QImage image(e.size(), QImage::Format_ARGB32_Premultiplied);
        for (int zoom : {0, 120}) { // fitted, then the grid cut at every edge
            wheel(e, e.WorldPtToScreenPt(QPointF(1000, 455)), zoom);
            image.fill(Qt::white);
            QPainter painter(&image);
            e.render(painter, image.rect());
            painter.end();
            const int y = int(e.WorldPtToScreenPt(QPointF(1000, 455)).y());
            QVERIFY(QColor(image.pixel(2, y)) == Qt::red || QColor(image.pixel(2, y - 1)) == Qt::red
                    || QColor(image.pixel(2, y + 1)) == Qt::red);
        }
    }

    void defaultFontShowsChinese()
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
    }
};

QTEST_MAIN(tst_ZVectorDrawingEditor)
#include "tst_zvectordrawingeditor.moc"
