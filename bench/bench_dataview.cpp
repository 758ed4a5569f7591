// The data view refreshes every time the host shows a drawset: six calculated tables laid into their
// tabs (null columns dropped, filter-table captions looked up). Baseline: the same tables set into
// plain QTableViews over a minimal read-only model.

#include "orbbench.h"

#include "dataview/orbdrawsetdataviewwidget.h"
#include "drawingdata/iorbcatalog.h"
#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawingservice.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdrawinginfoprocessor.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "grid/lummemtable.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHash>
#include <QTabWidget>
#include <QTableView>

#include <memory>

namespace {
const QStringList kTables = {"DrawSetParam", "DrawSetBar", "F1", "F2", "DrawSetQuantity", "DrawSetAttribute"};
constexpr int kFields = 12;

int recordCount()
{
    return orbbench::quick() ? 1000 : 10000;
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

class Entry : public IOrbCodeEntry
{
public:
    explicit Entry(const QString& code) : m_code(code) {}
    QString alias() override { return QString(); }
    QString displayName() override { return QStringLiteral("name of ") + m_code; }
    QString code() override { return m_code; }
    QString m_code;
};

class File : public IOrbDrawingFile, public IOrbCodeCatalog, public IOrbFieldCatalog
{
public:
    File()
    {
        for (int c = 2; c < 6; ++c)
            m_entries.push_back(std::make_unique<Entry>(QStringLiteral("c%1").arg(c)));
    }
    void fileName(QString& out) override { out = QStringLiteral("bench.drw"); }
    void elementTypes(QSet<int>& out) override { out.clear(); }
    QSharedPointer<IOrbDataStore> dataStore() override { return {}; }
    IOrbDrawsetTypes* drawsetTypes() override { return nullptr; }
    IOrbDrawsets* drawsets() override { return nullptr; }
    IOrbCodeCatalog* codeCatalog() override { return this; }
    IOrbFieldCatalog* fieldCatalog() override { return this; }
    bool isEditable() override { return false; }
    // The content never changes: there is nothing to tell observers.
    void addObserver(IOrbDrawingFileObserver*) override {}
    void removeObserver(IOrbDrawingFileObserver*) override {}
    void getByDrawset(QList<IOrbCodeEntry*>& out, IOrbDrawset*) override
    {
        out.clear();
        for (auto& e : m_entries)
            out.append(e.get());
    }
    void getByDrawset(QList<IOrbFieldEntry*>& out, IOrbDrawset*) override { out.clear(); }
    std::vector<std::unique_ptr<Entry>> m_entries;
};

class Drawset : public IOrbDrawset
{
public:
    explicit Drawset(IOrbDrawingFile* file) : m_file(file) {}
    void beginUpdate() override {}
    void endUpdate() override {}
    IOrbDrawingFile* drawingFile() override { return m_file; }
    int id() override { return 7; }
    IOrbDrawsetType* drawsetType() override { return nullptr; }
    int orderNum() override { return 0; }
    void setOrderNum(int) override {}
    void name(QString& out) override { out = QStringLiteral("Bench well"); }
    void setName(const QString&) override {}
    OrbKeyValueList* keyValues() override { return &m_keyValues; }
    const QByteArray& vectorDrawingData() override { return m_drawing; }
    bool isVisible() override { return true; }
    IOrbDrawingFile* m_file;
    OrbKeyValueList m_keyValues;
    QByteArray m_drawing;
};

class Service : public IOrbDrawingService, public IOrbDrawsetTableProvider
{
public:
    IOrbDrawingFileRegistry* drawingFiles() override { return nullptr; }
    IOrbDrawsetTableProvider* drawsetTableProvider() override { return this; }
    QSharedPointer<LumMemTable> queryTable(IOrbDrawset*, const QString& name, const OrbKeyValueList&) override
    {
        // Two sets of the same tables, handed out in turn: every refresh gets new table objects,
        // as it does from a provider that calculates them.
        QSharedPointer<LumMemTable> table = m_tables[m_turn % 2].value(name);
        if (name == kTables.last())
            ++m_turn;
        // The view writes two-line captions into a filter table's fields; a provider hands out
        // fresh captions each time, as one that calculates its tables anew would.
        if (table)
            for (int c = 0; c < table->fields()->count(); ++c)
                table->fields()->at(c)->setDisplayName(QString());
        return table;
    }
    QHash<QString, QSharedPointer<LumMemTable>> m_tables[2];
    int m_turn = 0;
};

class Processor : public OrbDrawingInfoProcessor
{
public:
    long long entType() override { return 5020; }
    long long elementType() override { return 5020; }
    void filterTables(QList<QPair<QString, QString>*>& out) override
    {
        out.append(new QPair<QString, QString>(QStringLiteral("F1"), QStringLiteral("Filter 1")));
        out.append(new QPair<QString, QString>(QStringLiteral("F2"), QStringLiteral("Filter 2")));
    }
    void displayParams(QMap<QString, QString>&) override {}
    IOrbDrawset* drawset() override { return nullptr; }
    void setDrawset(IOrbDrawset*) override {}
    void open() override {}
    void calculate() override {}
    void initDefValues(const DefValues&) override {}
    bool restoreDefValues(const DefValues&) override { return false; }
    OrbDrawsetProps* drawsetProps() override { return nullptr; }
    QString drawingID() override { return QString(); }
    QString toDrawingInfo() override { return QString(); }
};

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

struct Fixture
{
    Fixture()
    {
        for (auto& set : service.m_tables)
            for (const QString& name : kTables)
                set.insert(name, makeTable(name, recordCount()));
    }
    Service service;
    File file;
    Drawset drawset{&file};
    Processor processor;
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
        view.refreshTableData(&f.drawset);
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
            views.at(i)->setModel(new PlainModel(f.service.queryTable(&f.drawset, kTables.at(i), params), views.at(i)));
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
