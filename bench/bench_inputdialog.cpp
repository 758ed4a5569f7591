// Switching drawsets in the input dialog: from the tree's current-row change until the new
// drawset's drawing is loaded, bound, calculated, shown and zoomed (the queued zoom included, so
// the event loop runs). Two drawsets of the sample library alternate under the formula processor.
// Baseline: a plain QTreeView whose current-row change rebuilds a QGraphicsScene of a similar
// drawing (lines and texts) and fits it with a queued fitInView.
// Opening the dialog on a library of 50 drawing files of 200 drawsets each (half of the files
// serve another element type and are pruned): service, dialog, setProcessor (refreshData), show
// and the first painted frame, with the time of each phase as counters.

#include "orbbench.h"

#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbformulaprocessor.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"
#include "sample/orbdrawingfilebuilder.h"
#include "vectordrawing/orbvectordrawingutils.h"
#include "sample/orbsamplelibrary.h"
#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"
#include "inputdialog/orbdrawingsinputfrm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <cstdio>
#include <cstdlib>

namespace {
// Runs the event loop until the queued work posted so far (the dialog's zoom) has run.
void runQueued(QObject* context, bool& done)
{
    done = false;
    QMetaObject::invokeMethod(context, [&done] { done = true; }, Qt::QueuedConnection);
    while (!done)
        QApplication::processEvents();
}

void BM_InputDialogSwitchDrawset(benchmark::State& state)
{
    QTemporaryDir dir;
    QString error;
    if (!dir.isValid() || !OrbSampleLibrary::generate(dir.path(), &error)) {
        state.SkipWithError("cannot write the sample library");
        return;
    }
    OrbDrawingService service(dir.path());
    OrbFormulaProcessor processor;
    processor.setEntType(5020);
    processor.setElementType(5020);
    OrbDrawingsInputFrm dialog(&service);
    dialog.setProcessor(&processor);
    dialog.show();
    QApplication::processEvents();
    auto* tree = dialog.findChild<OrbDrawingTreeWidget*>();
    auto* editor = dialog.findChild<OrbDrawingInfoEditorFrm*>();
    OrbDrawingTreeNode* type = tree->getFirstNode(nullptr);
    if (!type || type->rowCount() < 2) {
        state.SkipWithError("the sample library has no type with two drawsets");
        return;
    }
    OrbDrawingTreeNode* nodes[2] = {static_cast<OrbDrawingTreeNode*>(type->child(0)),
                                    static_cast<OrbDrawingTreeNode*>(type->child(1))};
    bool done = false;
    int flip = 0;
    for (auto _ : state) {
        flip ^= 1;
        tree->setFocusNode(nodes[flip]);
        runQueued(&dialog, done);
        editor->repaint();
    }
    if (processor.drawset() != nodes[flip]->drawset())
        state.SkipWithError("the processor did not follow the tree");
}
BENCHMARK(BM_InputDialogSwitchDrawset)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_InputDialogSwitchDrawset_Baseline(benchmark::State& state)
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    QTreeView tree;
    QStandardItemModel model;
    auto* root = new QStandardItem(QStringLiteral("type"));
    root->appendRow(new QStandardItem(QStringLiteral("one")));
    root->appendRow(new QStandardItem(QStringLiteral("two")));
    model.appendRow(root);
    tree.setModel(&model);
    tree.expandAll();
    QGraphicsScene scene;
    QGraphicsView view(&scene);
    layout->addWidget(&tree);
    layout->addWidget(&view, 1);
    window.resize(1336, 700);
    window.show();
    QApplication::processEvents();
    QObject::connect(tree.selectionModel(), &QItemSelectionModel::currentRowChanged, &view,
                     [&](const QModelIndex& current) {
                         scene.clear();
                         const double w = 1000 + 200 * current.row();
                         for (int i = 0; i < 40; ++i)
                             scene.addLine(i * w / 40, 0, i * w / 40 + 50, 800);
                         for (int i = 0; i < 12; ++i)
                             scene.addText(QString::number(w + i))->setPos(i * 80, 820);
                         QMetaObject::invokeMethod(&view, [&] { view.fitInView(scene.itemsBoundingRect(), Qt::KeepAspectRatio); },
                                                   Qt::QueuedConnection);
                     });
    const QModelIndex rows[2] = {model.index(0, 0, root->index()), model.index(1, 0, root->index())};
    bool done = false;
    int flip = 0;
    for (auto _ : state) {
        flip ^= 1;
        tree.setCurrentIndex(rows[flip]);
        runQueued(&view, done);
        view.viewport()->repaint();
    }
}
BENCHMARK(BM_InputDialogSwitchDrawset_Baseline)->Unit(benchmark::kMillisecond)->Repetitions(5);

// A drawing of about 200 entities whose texts 1..8 carry the parameters.
QByteArray libraryDrawing()
{
    ZVectorDrawing drawing;
    for (int i = 0; i < 190; ++i)
        drawing.add(new ZVDLine(100 + i, QPointF(i * 10, 0), QPointF(i * 10 + 5, 400 + i % 50)));
    for (int p = 1; p <= 8; ++p)
        drawing.add(new ZVDText(p, QPointF(p * 200, 500), 30, L"100"));
    QByteArray bytes;
    OrbVectorDrawingUtils::saveData(&drawing, bytes, vdsfStream, false);
    return bytes;
}

// files drawing files of 200 drawsets in 10 types; odd files serve element type 5030 only.
bool buildLibrary(const QString& folder, int files)
{
    const QByteArray drawing = libraryDrawing();
    for (int f = 0; f < files; ++f) {
        OrbDrawingFileBuilder builder(QStringLiteral("%1/lib%2.orbdwg").arg(folder).arg(f, 4, 10, QLatin1Char('0')));
        const int element = f % 2 ? 5030 : 5020;
        if (!builder.create({element}, f))
            return false;
        for (int t = 0; t < 10; ++t) {
            const int type = builder.addType(element, QStringLiteral("类型%1").arg(t), t);
            for (int i = 0; i < 20 && type >= 0; ++i) {
                OrbDrawsetDef def;
                def.name = QStringLiteral("图集%1-%2").arg(t).arg(i);
                def.orderNum = i;
                def.drawing = drawing;
                for (int p = 1; p <= 8; ++p)
                    def.params.append(
                        OrbParamDef::number(QStringLiteral("P%1").arg(p), QStringLiteral("P%1").arg(p), p, QStringLiteral("100")));
                if (builder.addDrawset(type, def) < 0)
                    return false;
            }
        }
        if (!builder.commit())
            return false;
    }
    return true;
}

void BM_InputDialogOpenLibrary(benchmark::State& state)
{
    QTemporaryDir dir;
    if (!dir.isValid() || !buildLibrary(dir.path(), orbbench::sized(50, 10))) {
        state.SkipWithError("cannot write the library");
        return;
    }
    double construct = 0, refresh = 0, paint = 0;
    bool done = false;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        OrbDrawingService service(dir.path());
        OrbFormulaProcessor processor;
        processor.setEntType(5020);
        processor.setElementType(5020);
        OrbDrawingsInputFrm dialog(&service);
        construct += clock.nsecsElapsed() / 1e6;
        clock.restart();
        dialog.setProcessor(&processor);
        refresh += clock.nsecsElapsed() / 1e6;
        clock.restart();
        dialog.show();
        runQueued(&dialog, done);
        dialog.repaint();
        paint += clock.nsecsElapsed() / 1e6;
        if (!processor.drawset())
            state.SkipWithError("no drawset was picked");
    }
    const double n = double(state.iterations());
    state.counters["construct_ms"] = construct / n;
    state.counters["refresh_ms"] = refresh / n;
    state.counters["show_paint_ms"] = paint / n;
}
BENCHMARK(BM_InputDialogOpenLibrary)->Unit(benchmark::kMillisecond)->Repetitions(5);
} // namespace

ORB_BENCH_MAIN()
