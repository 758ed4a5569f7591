// Showing a drawset in the editor form: setProcessor(nullptr), setProcessor(p), refreshProcessor()
// on a drawing of 20,000 entities with 2,000 parameter texts bound to 2,000 properties, against
// loading the same drawing bytes alone.

#include "orbbench.h"

#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"
#include "fakedrawingdata.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include <QElapsedTimer>

namespace {
// The tests' fakes: a processor that takes the drawing's defaults and hands back fixed values,
// with no calculation of its own.
struct Setup
{
    FakeLog log;
    FakeDrawsetType type{&log, QStringLiteral("bench"), 0};
    FakeDrawset drawset{&log, &type, QStringLiteral("bench"), 1};
    FakeProcessor processor{&log};
    Setup()
    {
        const int entities = orbbench::sized(20000, 2000);
        {
            ZVectorDrawing drawing;
            for (int i = 1; i <= entities; ++i) {
                const double y = (i % 200) * 5.0;
                const double x = (i / 200) * 50.0;
                if (i % 10 == 0)
                    drawing.add(new ZVDText(i, QPointF(x, y), 2.5, std::to_wstring(i)));
                else
                    drawing.add(new ZVDLine(i, QPointF(x, y), QPointF(x + 40, y)));
            }
            OrbVectorDrawingUtils::saveData(&drawing, drawset.m_drawing, vdsfStream, false);
        }
        // The processor reads its properties in one go, as a real one does from its tables.
        for (int i = 10; i <= entities; i += 10)
            processor.m_props.add(QStringLiteral("P%1").arg(i), i, QString::number(i * 0.5, 'f', 2))->m_decimals = 2;
        processor.m_drawset = &drawset;
        processor.m_drawingID = QStringLiteral("BENCH");
    }
};

void BM_DrawingInfoShow(benchmark::State& state)
{
    Setup setup;
    OrbDrawingInfoEditorFrm form(nullptr);
    // Where the time goes (wall time): clearing the shown drawing, loading and binding the next,
    // calculating and writing the values.
    qint64 clearNs = 0, loadNs = 0, valuesNs = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        form.setProcessor(nullptr);
        clearNs += clock.nsecsElapsed();
        clock.start();
        form.setProcessor(&setup.processor);
        loadNs += clock.nsecsElapsed();
        clock.start();
        form.refreshProcessor();
        valuesNs += clock.nsecsElapsed();
    }
    const double n = double(state.iterations()) * 1e6;
    state.counters["clear_ms"] = double(clearNs) / n;
    state.counters["load_bind_ms"] = double(loadNs) / n;
    state.counters["values_ms"] = double(valuesNs) / n;
    if (setup.processor.m_lastDefValues.size() != setup.processor.m_props.count())
        state.SkipWithError("not every property was bound");
    state.counters["texts"] = double(setup.processor.m_lastDefValues.size());
}

void BM_DrawingInfoShow_Baseline(benchmark::State& state)
{
    Setup setup;
    ZVectorDrawing drawing;
    for (auto _ : state)
        OrbVectorDrawingUtils::loadData(&drawing, setup.drawset.m_drawing);
    state.counters["entities"] = double(drawing.count());
}
} // namespace

BENCHMARK(BM_DrawingInfoShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawingInfoShow_Baseline)->Unit(benchmark::kMillisecond);

ORB_BENCH_MAIN_REPEATED(5)
