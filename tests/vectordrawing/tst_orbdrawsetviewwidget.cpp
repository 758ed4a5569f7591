// The drawset view shows a drawset's drawing read-only. These tests guard against: a drawing that
// stays on screen after its drawset is gone, a view that is not fitted after a new drawset, a view
// that accepts the engine's editing input or shows editing aids, a left double-click that zooms
// (it must be middle only), and the wrong font file chosen by the MSYH.TTC rule.

#include "vectordrawing/orbdrawsetparamsvdviewer.h"
#include "vectordrawing/orbdrawsetviewwidget.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include "fakedrawingdata.h"

#include "engine/zvdeinsertpoint.h"
#include "engine/zvdinitialfont.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"
#include "engine/zvpviewer.h"

#include <QWheelEvent>
#include <QLabel>
#include <QtTest>

namespace {
const int kDepthText = 4;

// A well section: two rings, the ground line and the depth text.
QByteArray wellBytes()
{
    ZVectorDrawing d;
    d.add(new ZVDCircle(1, QPointF(0, 0), 740));
    d.add(new ZVDCircle(2, QPointF(0, 0), 500));
    d.add(new ZVDLine(3, QPointF(-1000, 0), QPointF(1000, 0)));
    d.add(new ZVDText(kDepthText, QPointF(800, 100), 120, L"2500"));
    QByteArray bytes;
    OrbVectorDrawingUtils::saveData(&d, bytes, vdsfStream, false);
    return bytes;
}

struct Shown
{
    FakeLog log;
    FakeDrawsetType type{&log, QStringLiteral("井"), 5020};
    FakeDrawset drawset{&log, &type, QStringLiteral("检查井"), 1};
    OrbDrawsetViewWidget widget;

    Shown()
    {
        drawset.m_drawing = wellBytes();
        widget.resize(600, 400);
        widget.setupUi();
        widget.show();
        widget.setDrawset(&drawset);
    }
    void zoomAway()
    {
        ZVectorDrawingEditor* v = widget.VDEditor();
        QWheelEvent wheel(QPointF(30, 30), QPointF(30, 30), QPoint(), QPoint(0, 480), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v, &wheel);
    }
};

void touch(const QString& path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
} // namespace

class tst_OrbDrawsetViewWidget : public QObject
{
    Q_OBJECT
private slots:
    void setupBuildsAViewerWithoutEditingAids()
    {
        FakeLog log;
        FakeDrawsetType type(&log, QStringLiteral("t"), 5020);
        FakeDrawset drawset(&log, &type, QStringLiteral("d"), 1);
        drawset.m_drawing = wellBytes();
        OrbDrawsetViewWidget w;
        w.setDrawset(&drawset); // before setup: only stored
        QCOMPARE(w.drawset(), &drawset);
        w.setupUi();
        QCOMPARE(w.vectorDrawing()->count(), 0);
        auto* viewer = qobject_cast<OrbDrawsetParamsVDViewer*>(w.VDEditor());
        QVERIFY(viewer);
        QCOMPARE(w.vectorDrawing(), viewer->vectorDrawing());
        QVERIFY(!viewer->gridFromStream());
        QVERIFY(!viewer->insertPoint()->isVisible());
        QVERIFY(!viewer->getViewer()->Options()->ViewAxesEnabled());
        QVERIFY(!viewer->acceptMouseKeyInput());
        QVERIFY(!viewer->saveSettings());
        QVERIFY(viewer->getAttributes(QStringLiteral("query")).isEmpty());
        w.setDrawset(&drawset);
        QVERIFY(w.vectorDrawing()->count() > 0);
    }

    void showsAndClearsTheDrawing()
    {
        Shown s;
        ZVectorDrawingEditor* v = s.widget.VDEditor();
        QCOMPARE(s.widget.vectorDrawing()->count(), 4);
        auto* text = dynamic_cast<ZVDText*>(s.widget.vectorDrawing()->find(kDepthText));
        QVERIFY(text);
        QCOMPARE(QString::fromStdWString(text->text()), QStringLiteral("2500"));
        // Fitted: the whole drawing is inside the view.
        const QRectF box = v->viewTransform().mapRect(s.widget.vectorDrawing()->boundingRect());
        QVERIFY(QRectF(v->rect()).contains(box));
        QVERIFY(box.width() > v->width() * 0.8 || box.height() > v->height() * 0.8);

        // Damaged bytes say so in the drawing area and leave nothing of the drawing before.
        auto notice = [v] { return v->findChild<QLabel*>(QStringLiteral("damagedNotice")); };
        s.drawset.m_drawing = wellBytes().left(wellBytes().size() / 2);
        s.widget.setDrawset(&s.drawset);
        QVERIFY(notice() && notice()->isVisible() && !notice()->text().isEmpty());
        QCOMPARE(notice()->geometry(), v->rect());
        QCOMPARE(s.widget.vectorDrawing()->count(), 0);

        // No drawset: no drawing, the neutral view, and (empty bytes being no damage) no notice.
        s.zoomAway();
        s.widget.setDrawset(nullptr);
        QCOMPARE(s.widget.drawset(), nullptr);
        QCOMPARE(s.widget.vectorDrawing()->count(), 0);
        QCOMPARE(v->viewScale(), 1.0);
        QVERIFY(!notice()->isVisible());
    }

    void doubleClickZoomsOnlyWithMiddleButton_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("zooms");
        QTest::newRow("middle") << int(Qt::MiddleButton) << true;
        QTest::newRow("left") << int(Qt::LeftButton) << false;
    }

    void doubleClickZoomsOnlyWithMiddleButton()
    {
        QFETCH(int, button);
        QFETCH(bool, zooms);
        Shown s;
        ZVectorDrawingEditor* v = s.widget.VDEditor();
        const double fitted = v->viewScale();
        s.zoomAway();
        const double zoomed = v->viewScale();
        QVERIFY(zoomed > fitted * 2);
        QTest::mouseDClick(v, Qt::MouseButton(button), Qt::NoModifier, QPoint(200, 150));
        QCOMPARE(v->viewScale(), zooms ? fitted : zoomed);
    }

    void fontRule_data()
    {
        QTest::addColumn<QString>("initial");     // file name of the default font, in the folder
        QTest::addColumn<bool>("msyhInFolder");
        QTest::addColumn<QString>("expected");    // "initial" or "msyh"
        QTest::newRow("msyh beside it") << "wqy-microhei.ttc" << true << "msyh";
        QTest::newRow("no msyh beside it") << "wqy-microhei.ttc" << false << "initial";
        QTest::newRow("already msyh, mixed case") << "MsYh.TtC" << true << "initial";
    }

    void fontRule()
    {
        QFETCH(QString, initial);
        QFETCH(bool, msyhInFolder);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString initialPath = dir.filePath(initial);
        touch(initialPath);
        if (msyhInFolder)
            touch(dir.filePath(QStringLiteral("MSYH.TTC")));
        ZVDInitialFont::set(initialPath);
        OrbDrawsetParamsVDViewer viewer;
        const QString want = expected == QLatin1String("msyh") ? QDir(dir.path()).absolutePath() + QStringLiteral("//MSYH.TTC")
                                                               : initialPath;
        QCOMPARE(viewer.defaultFont(), want);
    }

    void cleanup() { ZVDInitialFont::set(QString()); }
};

QTEST_MAIN(tst_OrbDrawsetViewWidget)
#include "tst_orbdrawsetviewwidget.moc"
