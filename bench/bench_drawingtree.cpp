// Drawing tree: rebuilding the tree of a large drawing file and finding drawset nodes, against a
// plain QStandardItemModel of the same shape and texts in the same kind of view. The drawing file
// is the tests' in-memory fake, so that only the tree is measured, not the host's storage.

#include "orbbench.h"

#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"

#include "controls/vantrocustomtreeview.h"
#include "drawingdata/orbdrawingdatautils.h"
#include "fakedrawingdata.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>

#include <vector>

namespace {
// types types of perType drawsets each, in memory.
QSharedPointer<FakeDrawingFile> memFile(FakeLog* log, int types, int perType, bool editable)
{
    auto file = QSharedPointer<FakeDrawingFile>::create(log, QStringLiteral("bench.drw"));
    file->m_editable = editable;
    for (int t = 0; t < types; ++t) {
        FakeDrawsetType* type = file->addType(QStringLiteral("Type %1").arg(t), 5);
        for (int d = 0; d < perType; ++d)
            file->addDrawset(type, QStringLiteral("Drawset %1-%2").arg(t).arg(d));
    }
    return file;
}

int typeCount() { return orbbench::sized(200, 20); }
const int kPerType = 50;

void showView(QTreeView& view)
{
    view.resize(400, 600);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.show();
    QApplication::processEvents();
}

void refreshTree(benchmark::State& state, bool editable)
{
    FakeLog log;
    auto file = memFile(&log, typeCount(), kPerType, editable);
    OrbDrawingTreeWidget tree;
    showView(tree);
    tree.setDrawingFile(file);
    for (auto _ : state) {
        tree.refreshData();
        QApplication::processEvents(); // the view lays out the new rows
    }
    state.counters["drawsets"] = double(file->m_drawsets.size());
}

// The same rebuild as a plain Qt developer writes it: read the file through the same host
// interfaces, one QStandardItem per type and per drawset, under the same kind of view; the items
// of a read-only file cannot be edited.
void refreshPlain(benchmark::State& state, bool editable)
{
    FakeLog log;
    auto file = memFile(&log, typeCount(), kPerType, editable);
    VantroCustomTreeView view;
    view.setHeaderHidden(true);
    view.header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QStandardItemModel model;
    model.setColumnCount(1);
    view.setModel(&model);
    showView(view);
    QList<IOrbDrawsetType*> types;
    QList<IOrbDrawset*> drawsets;
    QString name;
    for (auto _ : state) {
        model.removeRows(0, model.rowCount());
        types.clear(); // the host appends to the lists it fills
        file->getAll(types, true);
        for (IOrbDrawsetType* type : qAsConst(types)) {
            drawsets.clear();
            file->getByType(drawsets, type);
            type->name(name);
            auto* typeItem = new QStandardItem(name);
            typeItem->setEditable(editable);
            model.appendRow(typeItem);
            for (IOrbDrawset* drawset : qAsConst(drawsets)) {
                auto* item = new QStandardItem(OrbDrawingDataUtils::getNodeDisplayText(drawset));
                item->setEditable(editable);
                typeItem->appendRow(item);
            }
        }
        QApplication::processEvents();
    }
}

void BM_DrawingTreeRefresh(benchmark::State& state) { refreshTree(state, true); }
void BM_DrawingTreeRefresh_Baseline(benchmark::State& state) { refreshPlain(state, true); }
void BM_DrawingTreeRefreshReadOnly(benchmark::State& state) { refreshTree(state, false); }
void BM_DrawingTreeRefreshReadOnly_Baseline(benchmark::State& state) { refreshPlain(state, false); }

// Every tenth drawset, 1,000 lookups in all.
std::vector<IOrbDrawset*> lookupTargets(FakeDrawingFile& file)
{
    std::vector<IOrbDrawset*> targets;
    for (int i = 0; int(targets.size()) < 1000; i = (i + 10) % int(file.m_drawsets.size()))
        targets.push_back(file.m_drawsets[size_t(i)].get());
    return targets;
}

void findNodes(benchmark::State& state, bool editable)
{
    FakeLog log;
    auto file = memFile(&log, typeCount(), kPerType, editable);
    OrbDrawingTreeWidget tree;
    tree.setDrawingFile(file);
    const std::vector<IOrbDrawset*> targets = lookupTargets(*file);
    for (auto _ : state) {
        for (IOrbDrawset* d : targets)
            benchmark::DoNotOptimize(tree.findDrawsetNode(d));
    }
}

// A plain model keeping the drawset pointer in the user role, scanned the same way.
void BM_DrawingTreeFind1000_Baseline(benchmark::State& state)
{
    FakeLog log;
    auto file = memFile(&log, typeCount(), kPerType, true);
    QStandardItemModel model;
    for (const auto& type : file->m_types) {
        auto* typeItem = new QStandardItem(type->m_name);
        model.appendRow(typeItem);
        for (IOrbDrawset* d : file->m_byType.value(type.get())) {
            auto* item = new QStandardItem(OrbDrawingDataUtils::getNodeDisplayText(d));
            item->setData(QVariant::fromValue(static_cast<void*>(d)), Qt::UserRole);
            typeItem->appendRow(item);
        }
    }
    const std::vector<IOrbDrawset*> targets = lookupTargets(*file);
    for (auto _ : state) {
        for (IOrbDrawset* d : targets) {
            QStandardItem* found = nullptr;
            for (int i = 0; i < model.rowCount() && !found; ++i) {
                QStandardItem* typeItem = model.item(i);
                for (int j = 0; j < typeItem->rowCount(); ++j) {
                    if (typeItem->child(j)->data(Qt::UserRole).value<void*>() == d) {
                        found = typeItem->child(j);
                        break;
                    }
                }
            }
            benchmark::DoNotOptimize(found);
        }
    }
}

void BM_DrawingTreeFind1000(benchmark::State& state) { findNodes(state, true); }
void BM_DrawingTreeFind1000ReadOnly(benchmark::State& state) { findNodes(state, false); }
} // namespace

BENCHMARK(BM_DrawingTreeRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawingTreeRefresh_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawingTreeRefreshReadOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawingTreeRefreshReadOnly_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawingTreeFind1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawingTreeFind1000_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawingTreeFind1000ReadOnly)->Unit(benchmark::kMicrosecond);

ORB_BENCH_MAIN_REPEATED(5)
