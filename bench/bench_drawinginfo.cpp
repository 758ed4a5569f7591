// Showing a drawset in the editor form: setProcessor(nullptr), setProcessor(p), refreshProcessor()
// on a drawing of 20,000 entities with 2,000 parameter texts bound to 2,000 properties, against
// loading the same drawing bytes alone.

#include "orbbench.h"

#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdrawinginfoprocessor.h"
#include "drawingdata/orbdrawsetprop.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include <memory>
#include <vector>

namespace {
class Prop : public OrbDrawsetProp
{
public:
    Prop(int id, const QString& value) : m_id(id), m_code(QStringLiteral("P%1").arg(id)), m_value(value) {}
    int decimals() override { return 2; }
    QString code() override { return m_code; }
    QString infoCode() override { return m_code; }
    QString infoName() override { return m_code; }
    int vdID() override { return m_id; }
    QString value(bool) override { return m_value; }
    bool isReadOnly() override { return false; }
    bool isDefaultExcluded() override { return false; }
    bool isDrawingInfo() override { return true; }
    int m_id;
    QString m_code;
    QString m_value;
};

class Props : public OrbDrawsetProps
{
public:
    int count() override { return int(m_props.size()); }
    OrbDrawsetProp* at(int index) override { return m_props[size_t(index)].get(); }
    OrbDrawsetProp* find(const QString&) override { return nullptr; }
    bool validate(OrbDrawsetProp*, const QString&, QString&) override { return true; }
    bool saveEditorValue(QList<OrbDrawsetProp*>, const QString&) override { return true; }
    std::vector<std::unique_ptr<Prop>> m_props;
};

class Drawset : public IOrbDrawset
{
public:
    void beginUpdate() override {}
    void endUpdate() override {}
    IOrbDrawingFile* drawingFile() override { return nullptr; }
    int id() override { return 1; }
    IOrbDrawsetType* drawsetType() override { return nullptr; }
    int orderNum() override { return 0; }
    void setOrderNum(int) override {}
    void name(QString& out) override { out = QStringLiteral("bench"); }
    void setName(const QString&) override {}
    OrbKeyValueList* keyValues() override { return &m_keyValues; }
    const QByteArray& vectorDrawingData() override { return m_data; }
    bool isVisible() override { return true; }
    OrbKeyValueList m_keyValues;
    QByteArray m_data;
};

// Takes the drawing's defaults and hands back fixed values: no calculation of its own.
class Processor : public OrbDrawingInfoProcessor
{
public:
    long long entType() override { return 0; }
    long long elementType() override { return 0; }
    void filterTables(QList<QPair<QString, QString>*>&) override {}
    void displayParams(QMap<QString, QString>&) override {}
    IOrbDrawset* drawset() override { return &m_drawset; }
    void setDrawset(IOrbDrawset*) override {}
    void open() override {}
    void calculate() override {}
    void initDefValues(const DefValues& values) override { m_defaults = values.size(); }
    bool restoreDefValues(const DefValues&) override { return true; }
    OrbDrawsetProps* drawsetProps() override { return &m_props; }
    QString drawingID() override { return QStringLiteral("BENCH"); }
    QString toDrawingInfo() override { return {}; }
    Drawset m_drawset;
    Props m_props;
    int m_defaults = 0;
};

struct Setup
{
    Processor processor;
    Setup()
    {
        const int entities = orbbench::sized(20000, 2000);
        const int texts = entities / 10;
        ZVectorDrawing drawing;
        for (int i = 1; i <= entities; ++i) {
            const double y = (i % 200) * 5.0;
            const double x = (i / 200) * 50.0;
            if (i % 10 == 0) {
                drawing.add(new ZVDText(i, QPointF(x, y), 2.5, std::to_wstring(i)));
                processor.m_props.m_props.push_back(std::make_unique<Prop>(i, QString::number(i * 0.5, 'f', 2)));
            } else {
                drawing.add(new ZVDLine(i, QPointF(x, y), QPointF(x + 40, y)));
            }
        }
        OrbVectorDrawingUtils::saveData(&drawing, processor.m_drawset.m_data, vdsfStream, false);
        Q_ASSERT(int(processor.m_props.m_props.size()) == texts);
        Q_UNUSED(texts);
    }
};

void BM_DrawingInfoShow(benchmark::State& state)
{
    Setup setup;
    OrbDrawingInfoEditorFrm form(nullptr);
    for (auto _ : state) {
        form.setProcessor(nullptr);
        form.setProcessor(&setup.processor);
        form.refreshProcessor();
    }
    if (setup.processor.m_defaults != int(setup.processor.m_props.m_props.size()))
        state.SkipWithError("not every property was bound");
    state.counters["texts"] = double(setup.processor.m_defaults);
}

void BM_DrawingInfoShow_Baseline(benchmark::State& state)
{
    Setup setup;
    ZVectorDrawing drawing;
    for (auto _ : state)
        OrbVectorDrawingUtils::loadData(&drawing, setup.processor.m_drawset.m_data);
    state.counters["entities"] = double(drawing.count());
}
} // namespace

BENCHMARK(BM_DrawingInfoShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawingInfoShow_Baseline)->Unit(benchmark::kMillisecond);

ORB_BENCH_MAIN()
