// Switching drawsets in the input dialog: from the tree's current-row change until the new
// drawset's drawing is loaded, bound, calculated, shown and zoomed (the queued zoom included, so
// the event loop runs). Two drawsets of the sample library alternate under the formula processor.
// Baseline: a plain QTreeView whose current-row change rebuilds a QGraphicsScene of a similar
// drawing (lines and texts) and fits it with a queued fitInView.

#include "orbbench.h"

#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbformulaprocessor.h"
#include "sample/orbsamplelibrary.h"
#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"
#include "inputdialog/orbdrawingsinputfrm.h"

#include <QApplication>
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
} // namespace

ORB_BENCH_MAIN()
