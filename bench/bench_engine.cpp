// The drawing engine on a large drawing: loading and saving its stream against plain QDataStream
// reading and writing the same number of values, and rendering a full-HD frame: fitted, zoomed in
// to readable texts (the same screen scale at every drawing size, so the frame shows the same
// number of entities), and one step of a middle-button pan on a shown view.
// Times are the benchmark thread's CPU time: the machine is shared, and wall time there measures
// the other processes as much as this one.

#include "orbbench.h"

#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"
#include "engine/zvectordrawingeditor.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include <QDataStream>
#include <QImage>
#include <QPainter>
#include <QWheelEvent>
#include <QApplication>

#include <QMouseEvent>

#include <cmath>
#include <ctime>
#include <memory>

namespace {
double threadSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// Times the body of one iteration in thread CPU time.
class CpuTimer
{
public:
    explicit CpuTimer(benchmark::State& state) : m_state(state), m_start(threadSeconds()) {}
    ~CpuTimer() { m_state.SetIterationTime(threadSeconds() - m_start); }

private:
    benchmark::State& m_state;
    double m_start;
};

int entityCount()
{
    return orbbench::sized(20000, 2000);
}

// A drawing of n entities in cells of 100 x 100 units: lines, polylines, circles, arcs and texts.
void fill(ZVectorDrawing& d, int n)
{
    const int columns = 200;
    for (int i = 0; i < n; ++i) {
        const double x = (i % columns) * 100.0, y = (i / columns) * 100.0;
        const int id = i + 1;
        ZVDEntity* e = nullptr;
        switch (i % 20) {
        case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7:
            e = new ZVDLine(id, QPointF(x, y), QPointF(x + 80, y + 40 + i % 7));
            break;
        case 8: case 9: case 10: case 11:
            e = new ZVDPolyline(id, {{x, y}, {x + 60, y}, {x + 60, y + 60}, {x + 10, y + 70}}, i % 2 == 0);
            break;
        case 12: case 13: case 14:
            e = new ZVDCircle(id, QPointF(x + 50, y + 50), 30 + i % 11);
            break;
        case 15: case 16:
            e = new ZVDArc(id, QPointF(x + 50, y + 50), 35, i % 360, 120);
            break;
        default:
            e = new ZVDText(id, QPointF(x + 5, y + 10), 18, i % 2 ? L"井深 2500" : L"DN400 L=1200");
            break;
        }
        e->setColor(QColor::fromHsv((i * 37) % 360, 200, 120));
        d.add(e);
    }
}

// How many scalar values the engine's reader takes from the stream of d: header strings and
// numbers, then per entity its kind, record length, id, colour and geometry (a text's string
// counts as one value).
int valueCount(ZVectorDrawing& d)
{
    int values = 3 + 1 + 1 + 1; // tag, key, version, grid, count, checksum
    for (int i = 0; i < d.count(); ++i) {
        values += 4;
        switch (d.at(i)->kind()) {
        case ZVDEntityKind::Line: values += 4; break;
        case ZVDEntityKind::Polyline: values += 2 + 2 * static_cast<ZVDPolyline*>(d.at(i))->points.size(); break;
        case ZVDEntityKind::Circle: values += 3; break;
        case ZVDEntityKind::Arc: values += 5; break;
        case ZVDEntityKind::Text: values += 5; break;
        }
    }
    return values;
}

struct Fixture
{
    ZVectorDrawing drawing;
    QByteArray bytes;
    int values = 0;
    QByteArray baselineBytes;

    Fixture()
    {
        fill(drawing, entityCount());
        OrbVectorDrawingUtils::saveData(&drawing, bytes, vdsfStream, false);
        values = valueCount(drawing);
        // The baseline: the same number of values as doubles, one in six a string.
        QDataStream out(&baselineBytes, QIODevice::WriteOnly);
        for (int i = 0; i < values; ++i) {
            if (i % 6 == 5)
                out << QStringLiteral("DN400");
            else
                out << double(i);
        }
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void setRate(benchmark::State& state, qint64 bytes)
{
    state.counters["MB/s"] = benchmark::Counter(double(bytes) * double(state.iterations()) / 1e6,
                                                benchmark::Counter::kIsRate);
    state.counters["entities"] = entityCount();
}

void BM_EngineLoad(benchmark::State& state)
{
    Fixture& f = fixture();
    ZVectorDrawing target;
    for (auto _ : state) {
        CpuTimer timer(state);
        OrbVectorDrawingUtils::loadData(&target, f.bytes);
        benchmark::DoNotOptimize(target.count());
    }
    if (target.count() != f.drawing.count())
        state.SkipWithError("drawing did not load");
    setRate(state, f.bytes.size());
}

void BM_EngineLoad_Baseline(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        CpuTimer timer(state);
        QDataStream in(f.baselineBytes);
        double sum = 0;
        QString s;
        for (int i = 0; i < f.values; ++i) {
            if (i % 6 == 5) {
                in >> s;
            } else {
                double v;
                in >> v;
                sum += v;
            }
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(s);
    }
    setRate(state, f.baselineBytes.size());
}

void BM_EngineSave(benchmark::State& state)
{
    Fixture& f = fixture();
    QByteArray out;
    for (auto _ : state) {
        CpuTimer timer(state);
        OrbVectorDrawingUtils::saveData(&f.drawing, out, vdsfStream, false);
        benchmark::DoNotOptimize(out.data());
    }
    if (out != f.bytes)
        state.SkipWithError("save is not stable");
    setRate(state, f.bytes.size());
}

void BM_EngineSave_Baseline(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString s = QStringLiteral("DN400");
    for (auto _ : state) {
        CpuTimer timer(state);
        QByteArray out;
        QDataStream stream(&out, QIODevice::WriteOnly);
        for (int i = 0; i < f.values; ++i) {
            if (i % 6 == 5)
                stream << s;
            else
                stream << double(i);
        }
        benchmark::DoNotOptimize(out.data());
    }
    setRate(state, f.baselineBytes.size());
}

// Texts of 18 units stand about 15 pixels high: the scale a user zooms to for reading values.
constexpr double kReadableScale = 0.84;

void wheel(ZVectorDrawingEditor& editor, int notches)
{
    for (int i = 0; i < notches; ++i) {
        QWheelEvent event(QPointF(960, 540), QPointF(960, 540), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&editor, &event);
    }
}

// Wheel notches about the centre from the fitted view to the readable scale.
void zoomToReadable(ZVectorDrawingEditor& editor)
{
    wheel(editor, int(std::ceil(std::log(kReadableScale / editor.viewScale()) / std::log(1.2))));
}

// One full-HD frame, fitted or zoomed in to readable texts.
void renderFrames(benchmark::State& state, bool zoomed)
{
    Fixture& f = fixture();
    ZVectorDrawingEditor editor;
    editor.resize(1920, 1080);
    OrbVectorDrawingUtils::loadData(editor.vectorDrawing(), f.bytes);
    editor.zoomAll();
    if (zoomed)
        zoomToReadable(editor);
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        CpuTimer timer(state);
        QPainter painter(&image);
        editor.render(painter, image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["entities"] = entityCount();
}

void BM_EngineRenderFitted(benchmark::State& state)
{
    renderFrames(state, false);
}

void BM_EngineRenderZoomed(benchmark::State& state)
{
    renderFrames(state, true);
}

// One step of a middle-button drag on a shown full-HD view, until the view is painted again.
void panSteps(benchmark::State& state, bool zoomed)
{
    Fixture& f = fixture();
    ZVectorDrawingEditor editor;
    editor.resize(1920, 1080);
    OrbVectorDrawingUtils::loadData(editor.vectorDrawing(), f.bytes);
    editor.show();
    editor.zoomAll();
    if (zoomed)
        zoomToReadable(editor);
    QApplication::processEvents();
    QPoint at(960, 540);
    QMouseEvent press(QEvent::MouseButtonPress, at, editor.mapToGlobal(at), Qt::MiddleButton, Qt::MiddleButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&editor, &press);
    int step = 0;
    for (auto _ : state) {
        // Eight pixels a step, back and forth.
        at += QPoint((step++ / 20) % 2 ? -8 : 8, 0);
        CpuTimer timer(state);
        QMouseEvent move(QEvent::MouseMove, at, editor.mapToGlobal(at), Qt::NoButton, Qt::MiddleButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&editor, &move);
        QApplication::processEvents();
    }
    state.counters["entities"] = entityCount();
}

void BM_EnginePanFitted(benchmark::State& state)
{
    panSteps(state, false);
}

void BM_EnginePanZoomed(benchmark::State& state)
{
    panSteps(state, true);
}

// What a mouse move over a fitted full-HD view costs to find the entity under the cursor.
void BM_EngineHoverFitted(benchmark::State& state)
{
    Fixture& f = fixture();
    ZVectorDrawingEditor editor;
    editor.resize(1920, 1080);
    OrbVectorDrawingUtils::loadData(editor.vectorDrawing(), f.bytes);
    editor.zoomAll();
    int step = 0;
    for (auto _ : state) {
        const QPoint at(97 * step % 1920, 53 * step % 1080);
        ++step;
        CpuTimer timer(state);
        benchmark::DoNotOptimize(editor.entityAt(at));
    }
    state.counters["entities"] = entityCount();
}
} // namespace

BENCHMARK(BM_EngineLoad)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5);
BENCHMARK(BM_EngineLoad_Baseline)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5);
BENCHMARK(BM_EngineSave)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5);
BENCHMARK(BM_EngineSave_Baseline)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5);
BENCHMARK(BM_EngineRenderFitted)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5);
BENCHMARK(BM_EngineRenderZoomed)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5);
BENCHMARK(BM_EnginePanFitted)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5);
BENCHMARK(BM_EnginePanZoomed)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5);
BENCHMARK(BM_EngineHoverFitted)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5);

ORB_BENCH_MAIN()
