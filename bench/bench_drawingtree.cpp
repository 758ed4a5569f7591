// Drawing tree: rebuilding the tree of a large drawing file and finding drawset nodes, against a
// plain QStandardItemModel of the same shape and texts in the same kind of view. The drawing file
// lives in memory so that only the tree is measured, not the host's storage.

#include "orbbench.h"

#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"

#include "controls/vantrocustomtreeview.h"
#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbdrawingdatautils.h"
#include "drawingdata/orbkeyvaluelist.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>

#include <memory>
#include <vector>

namespace {
class MemType : public IOrbDrawsetType
{
public:
    explicit MemType(const QString& name) : m_name(name) {}
    void beginUpdate() override {}
    void endUpdate() override {}
    int elementType() override { return 5; }
    void name(QString& out) override { out = m_name; }
    void setName(const QString& value) override { m_name = value; }
    int orderNum() override { return m_order; }
    void setOrderNum(int value) override { m_order = value; }
    QString m_name;
    int m_order = 0;
};

class MemDrawset : public IOrbDrawset
{
public:
    MemDrawset(IOrbDrawingFile* file, MemType* type, const QString& name, int id)
        : m_file(file), m_type(type), m_name(name), m_id(id) {}
    void beginUpdate() override {}
    void endUpdate() override {}
    IOrbDrawingFile* drawingFile() override { return m_file; }
    int id() override { return m_id; }
    IOrbDrawsetType* drawsetType() override { return m_type; }
    int orderNum() override { return m_id; }
    void setOrderNum(int) override {}
    void name(QString& out) override { out = m_name; }
    void setName(const QString& value) override { m_name = value; }
    OrbKeyValueList* keyValues() override { return &m_keyValues; }
    const QByteArray& vectorDrawingData() override { return m_drawing; }
    bool isVisible() override { return true; }
    IOrbDrawingFile* m_file;
    MemType* m_type;
    QString m_name;
    int m_id;
    OrbKeyValueList m_keyValues;
    QByteArray m_drawing;
};

class MemFile : public IOrbDrawingFile, public IOrbDrawsetTypes, public IOrbDrawsets
{
public:
    MemFile(int types, int perType, bool editable) : m_editable(editable)
    {
        for (int t = 0; t < types; ++t) {
            m_types.push_back(std::make_unique<MemType>(QStringLiteral("Type %1").arg(t)));
            QList<IOrbDrawset*> list;
            for (int d = 0; d < perType; ++d) {
                m_drawsets.push_back(std::make_unique<MemDrawset>(
                    this, m_types.back().get(), QStringLiteral("Drawset %1-%2").arg(t).arg(d),
                    int(m_drawsets.size()) + 1));
                list.append(m_drawsets.back().get());
            }
            m_byType.append(list);
        }
    }
    void fileName(QString& out) override { out = QStringLiteral("bench.drw"); }
    void elementTypes(QSet<int>& out) override { out.clear(); }
    QSharedPointer<IOrbDataStore> dataStore() override { return {}; }
    IOrbDrawsetTypes* drawsetTypes() override { return this; }
    IOrbDrawsets* drawsets() override { return this; }
    IOrbCodeCatalog* codeCatalog() override { return nullptr; }
    IOrbFieldCatalog* fieldCatalog() override { return nullptr; }
    bool isEditable() override { return m_editable; }
    // The content never changes: there is nothing to tell observers.
    void addObserver(IOrbDrawingFileObserver*) override {}
    void removeObserver(IOrbDrawingFileObserver*) override {}
    void getAll(QList<IOrbDrawsetType*>& out, bool) override
    {
        out.clear();
        for (const auto& t : m_types)
            out.append(t.get());
    }
    void getByType(QList<IOrbDrawset*>& out, IOrbDrawsetType* type) override
    {
        out.clear();
        for (size_t i = 0; i < m_types.size(); ++i)
            if (m_types[i].get() == type)
                out = m_byType.at(int(i));
    }

    bool m_editable;
    std::vector<std::unique_ptr<MemType>> m_types;
    std::vector<std::unique_ptr<MemDrawset>> m_drawsets;
    QList<QList<IOrbDrawset*>> m_byType;
};

int typeCount() { return orbbench::quick() ? 20 : 200; }
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
    auto file = QSharedPointer<MemFile>::create(typeCount(), kPerType, editable);
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
// interfaces, one QStandardItem per type and per drawset, under the same kind of view.
void refreshPlain(benchmark::State& state)
{
    MemFile file(typeCount(), kPerType, true);
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
        file.getAll(types, true);
        for (IOrbDrawsetType* type : qAsConst(types)) {
            file.getByType(drawsets, type);
            type->name(name);
            auto* typeItem = new QStandardItem(name);
            model.appendRow(typeItem);
            for (IOrbDrawset* drawset : qAsConst(drawsets))
                typeItem->appendRow(new QStandardItem(OrbDrawingDataUtils::getNodeDisplayText(drawset)));
        }
        QApplication::processEvents();
    }
}

void BM_DrawingTreeRefresh(benchmark::State& state) { refreshTree(state, true); }
void BM_DrawingTreeRefresh_Baseline(benchmark::State& state) { refreshPlain(state); }
void BM_DrawingTreeRefreshReadOnly(benchmark::State& state) { refreshTree(state, false); }
void BM_DrawingTreeRefreshReadOnly_Baseline(benchmark::State& state) { refreshPlain(state); }

// Every tenth drawset, 1,000 lookups in all.
std::vector<IOrbDrawset*> lookupTargets(MemFile& file)
{
    std::vector<IOrbDrawset*> targets;
    for (int i = 0; int(targets.size()) < 1000; i = (i + 10) % int(file.m_drawsets.size()))
        targets.push_back(file.m_drawsets[size_t(i)].get());
    return targets;
}

void findNodes(benchmark::State& state, bool editable)
{
    auto file = QSharedPointer<MemFile>::create(typeCount(), kPerType, editable);
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
    MemFile file(typeCount(), kPerType, true);
    QStandardItemModel model;
    for (size_t t = 0; t < file.m_types.size(); ++t) {
        auto* typeItem = new QStandardItem(file.m_types[t]->m_name);
        model.appendRow(typeItem);
        for (IOrbDrawset* d : file.m_byType.at(int(t))) {
            auto* item = new QStandardItem(OrbDrawingDataUtils::getNodeDisplayText(d));
            item->setData(QVariant::fromValue(static_cast<void*>(d)), Qt::UserRole);
            typeItem->appendRow(item);
        }
    }
    const std::vector<IOrbDrawset*> targets = lookupTargets(file);
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

ORB_BENCH_MAIN()
