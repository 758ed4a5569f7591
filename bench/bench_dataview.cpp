// The data view refreshes every time the host shows a drawset: six calculated tables laid into their
// tabs (null columns dropped, filter-table captions looked up). Baseline: the same tables set into
// plain QTableViews over a minimal read-only model.

#include "orbbench.h"

#include "dataview/orbdrawsetdataviewwidget.h"
#include "fakedrawingdata.h"
#include "grid/lummemtable.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHash>
#include <QTabWidget>
#include <QTableView>


namespace {
const QStringList kTables = {"DrawSetParam", "DrawSetBar", "F1", "F2", "DrawSetQuantity", "DrawSetAttribute"};
constexpr int kFields = 12;

int recordCount()
{
    return orbbench::sized(10000, 1000);
}

// Twelve fields: "ID", "DrawSetID", nine value columns and one column that is NULL throughout.
QSharedPointer<LumMemTable> makeTable(const QString& name, int records)
{
    auto table = QSharedPointer<LumMemTable>::create(name);
    LumMemFields* fields = table->fields();
    fields->add(QStringLiteral("ID"), QMetaType::Int);
    fields->add(QStringLiteral("DrawSetID"), QMetaType::Int);
    for (int c = 2; c < kFields - 1; ++c)
        fields->add(QStringLiteral("C%1").arg(c), c % 2 ? QMetaType::Double : QMetaType::QString);
    fields->add(QStringLiteral("Unused"));
    for (int r = 0; r < records; ++r) {
        LumMemRecord* record = table->appendRecord();
        record->setValue(0, r + 1);
        record->setValue(1, 7);
        for (int c = 2; c < kFields - 1; ++c)
            record->setValue(c, c % 2 ? QVariant(r * 0.5 + c) : QVariant(QStringLiteral("v%1-%2").arg(r).arg(c)));
    }
    return table;
}

// The minimal read-only model of the baseline.
class PlainModel : public QAbstractTableModel
{
public:
    PlainModel(QSharedPointer<LumMemTable> table, QObject* parent) : QAbstractTableModel(parent), m_table(table) {}
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_table->recordCount(); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_table->fields()->count(); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        return m_table->record(index.row())->value(index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return m_table->fields()->at(section)->fieldName();
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    QSharedPointer<LumMemTable> m_table;
};

// The tests' fakes: a drawset whose catalogue names four of the columns, a processor with two
// filter tables, and a service that hands out two sets of the same tables in turn, so that every
// refresh gets new table objects, as it does from a provider that calculates them.
struct Fixture
{
    Fixture()
    {
        for (auto& set : tables)
            for (const QString& name : kTables)
                set.insert(name, makeTable(name, recordCount()));
        drawset = file->addDrawset(file->addType(QStringLiteral("Wells"), 5020), QStringLiteral("Bench well"));
        for (int c = 2; c < 6; ++c)
            file->addCode(drawset, QStringLiteral("c%1").arg(c), QString(), QStringLiteral("name of c%1").arg(c));
        service.addFile(file);
        service.m_tableSource = [this](IOrbDrawset*, const QString& name) {
            QSharedPointer<LumMemTable> table = tables[turn % 2].value(name);
            if (name == kTables.last())
                ++turn;
            // The view writes two-line captions into a filter table's fields; a provider hands
            // out fresh captions each time.
            if (table)
                for (int c = 0; c < table->fields()->count(); ++c)
                    table->fields()->at(c)->setDisplayName(QString());
            return table;
        };
        processor.m_entType = processor.m_elementType = 5020;
        processor.m_filterTables = {{QStringLiteral("F1"), QStringLiteral("Filter 1")},
                                    {QStringLiteral("F2"), QStringLiteral("Filter 2")}};
        processor.m_hasProps = false;
    }
    FakeLog log;
    QHash<QString, QSharedPointer<LumMemTable>> tables[2];
    int turn = 0;
    QSharedPointer<FakeDrawingFile> file = QSharedPointer<FakeDrawingFile>::create(&log, QStringLiteral("bench.drw"));
    FakeDrawset* drawset = nullptr;
    FakeDrawingService service{&log};
    FakeProcessor processor{&log};
};

void BM_DataViewRefresh(benchmark::State& state)
{
    Fixture f;
    OrbDrawsetDataViewWidget view(&f.service);
    view.setProcessor(&f.processor);
    view.resize(1200, 700);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.show();
    QApplication::processEvents();
    for (auto _ : state) {
        view.refreshTableData(f.drawset);
        QApplication::processEvents();
    }
    state.counters["records"] = double(recordCount() * kTables.count());
}

void BM_DataViewRefresh_Baseline(benchmark::State& state)
{
    Fixture f;
    QTabWidget tabs;
    QList<QTableView*> views;
    for (const QString& name : kTables) {
        auto* view = new QTableView(&tabs);
        view->setAlternatingRowColors(true);
        tabs.addTab(view, name);
        views.append(view);
    }
    tabs.resize(1200, 700);
    tabs.setAttribute(Qt::WA_DontShowOnScreen);
    tabs.show();
    QApplication::processEvents();
    for (auto _ : state) {
        for (int i = 0; i < views.count(); ++i) {
            QAbstractItemModel* old = views.at(i)->model();
            const OrbKeyValueList params;
            views.at(i)->setModel(new PlainModel(f.service.queryTable(f.drawset, kTables.at(i), params), views.at(i)));
            delete old;
        }
        QApplication::processEvents();
    }
    state.counters["records"] = double(recordCount() * kTables.count());
}
} // namespace

BENCHMARK(BM_DataViewRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DataViewRefresh_Baseline)->Unit(benchmark::kMillisecond);

ORB_BENCH_MAIN()
