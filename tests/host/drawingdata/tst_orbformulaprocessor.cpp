// The formula processor on a real drawing file: validation messages, all-or-nothing saves,
// recalculation of derived values, the order of its signals, its tables and the navigation
// lines of its debug output. Expected numbers are worked out by hand from the formulas below,
// so a processor that skips recalculation or evaluates in the wrong order fails.

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawingservice.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbformulaprocessor.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "grid/lummemtable.h"
#include "sample/orbdrawingfilebuilder.h"
#include "sample/orbdrawsetwalk.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
bool buildFile(const QString& path)
{
    OrbDrawingFileBuilder b(path);
    if (!b.create({5020}))
        return false;
    const int type = b.addType(5020, QStringLiteral("井"), 0);
    OrbDrawsetDef d;
    d.name = QStringLiteral("圆形井 {grade}");
    d.keyValues = QStringLiteral("DrawingID=TJ-01;WSJ=1");
    using P = OrbParamDef;
    d.params << P::number(QStringLiteral("D"), QStringLiteral("内径"), 11, QStringLiteral("1000")).range(500, 3000)
             << P::number(QStringLiteral("H"), QStringLiteral("井深"), 12, QStringLiteral("2000")).range(0, 5000)
             << P::derived(QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("D*H/1000"), 0)
             << P::derived(QStringLiteral("V"), QStringLiteral("V"), QStringLiteral("A*2/1000"), 2, OrbParamCategory::Quantity)
             << P::derived(QStringLiteral("R"), QStringLiteral("R"), QStringLiteral("D/H"), 3)
             << P::derived(QStringLiteral("U"), QStringLiteral("U"), QStringLiteral("D+XX"), 0)
             << P::rebar(QStringLiteral("A1"), QStringLiteral("底板钢筋"), QStringLiteral("C12@200"), QStringLiteral("D+200"),
                         QStringLiteral("D"))
             << P::attribute(QStringLiteral("CZ"), QStringLiteral("材质"), QStringLiteral("砖"));
    return b.addDrawset(type, d) > 0 && b.commit();
}

OrbDrawsetProp* prop(OrbDrawingInfoProcessor& p, const char* code)
{
    return p.drawsetProps()->find(QString::fromLatin1(code));
}

QString value(OrbDrawingInfoProcessor& p, const char* code)
{
    OrbDrawsetProp* pr = prop(p, code);
    return pr ? pr->value(false) : QStringLiteral("<missing>");
}
} // namespace

class tst_OrbFormulaProcessor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(buildFile(m_dir.filePath(QStringLiteral("wells.orbdwg"))));
        m_service.reset(new OrbDrawingService(m_dir.path()));
        m_service->drawingFiles()->openFile(m_file, QStringLiteral("wells"));
        QVERIFY(m_file);
        m_drawset = orbdrawsetwalk::drawsets(m_file.data()).value(0);
        QVERIFY(m_drawset);
    }

    void init()
    {
        m_processor.reset(new OrbFormulaProcessor);
        m_processor->setDrawset(m_drawset);
        m_processor->open();
        m_processor->calculate();
    }

    void propertiesAndDerivedValues()
    {
        OrbFormulaProcessor& p = *m_processor;
        QCOMPARE(p.drawsetProps()->count(), 8);
        QCOMPARE(p.drawingID(), QStringLiteral("TJ-01"));
        QCOMPARE(p.toDrawingInfo(),
                 QStringLiteral("D=1000;H=2000;A=2000;V=4.00;R=0.500;U=;A1=C12@200"));
    }

    void validate_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("lower bound") << "D" << "500" << true << "";
        QTest::newRow("below") << "D" << "499" << false << "500 ~ 3000";
        QTest::newRow("not a number") << "D" << "abc" << false << "数字";
        QTest::newRow("empty") << "D" << "" << false << "不能为空";
        QTest::newRow("derived") << "V" << "3" << false << "只读";
        QTest::newRow("rebar ok") << "A1" << "4C16" << true << "";
        QTest::newRow("text") << "CZ" << "混凝土" << true << "";
        QTest::newRow("rebar bad") << "A1" << "C12@" << false << "C12@200";
        QTest::newRow("stirrup bad") << "A1" << "C8@100/" << false << "C8@100/200";
        QTest::newRow("not a property") << "ZZ" << "1" << false << "不存在";
    }

    void validate()
    {
        QFETCH(QString, code);
        QFETCH(QString, input);
        QFETCH(bool, accepted);
        QFETCH(QString, messagePart);
        QString message;
        OrbDrawsetProps* props = m_processor->drawsetProps();
        QCOMPARE(props->validate(props->find(code), input, message), accepted);
        if (!accepted)
            QVERIFY2(message.contains(messagePart), qPrintable(message));
    }

    // A failed save changes nothing and emits nothing; a good one emits its signals in order,
    // writes every listed property and recalculates.
    void saveEditorValue()
    {
        OrbFormulaProcessor& p = *m_processor;
        QStringList events;
        connect(&p, &OrbDrawingInfoProcessor::onBeforeChange, this,
                [&](OrbDrawsetProp* pr, const QString& v) { events << "before " + pr->code() + "=" + v; });
        connect(&p, &OrbDrawingInfoProcessor::onAfterChange, this,
                [&](OrbDrawsetProp* pr, QVariant& v) { events << "after " + pr->code() + "=" + v.toString(); });
        connect(&p, &OrbDrawingInfoProcessor::onBeforeCalculate, this, [&] { events << "calc"; });
        connect(&p, &OrbDrawingInfoProcessor::onAfterCalculate, this,
                [&] { events << "calculated A=" + value(p, "A"); });
        const QString before = p.toDrawingInfo();
        QVERIFY(!p.drawsetProps()->saveEditorValue({prop(p, "D"), prop(p, "H")}, QStringLiteral("4000")));
        QCOMPARE(p.toDrawingInfo(), before);
        QVERIFY(events.isEmpty());
        QVERIFY(!p.drawsetProps()->saveEditorValue({}, QStringLiteral("1")));

        QVERIFY(p.drawsetProps()->saveEditorValue({prop(p, "D"), prop(p, "H")}, QStringLiteral(" 1200 ")));
        QCOMPARE(events, (QStringList{"before D=1200", "after D=1200", "before H=1200", "after H=1200", "calc",
                                      "calculated A=1440"}));
        QCOMPARE(value(p, "V"), QStringLiteral("2.88"));
    }

    // Defaults come from the drawing texts (a leading "@" is not part of the value); restoring
    // goes back to them and recalculates.
    void defaultsFromDrawing()
    {
        OrbFormulaProcessor p;
        p.setDrawset(m_drawset);
        p.setDrawingInfo(QStringLiteral("CZ=钢")); // replaced, not merged, by the next element
        p.setDrawingInfo(QStringLiteral("H=3000;D=99999"));
        OrbDrawingInfoProcessor::DefValues defaults{{prop(p, "D"), QStringLiteral("@800")},
                                                    {prop(p, "H"), QStringLiteral("1000")},
                                                    {prop(p, "V"), QStringLiteral("9.99")}};
        p.initDefValues(defaults);
        QSignalSpy quiet(&p, &OrbDrawingInfoProcessor::onOutputDebugInfo);
        p.open();
        // open() fills derived values without reporting a calculation.
        QCOMPARE(quiet.count(), 0);
        QCOMPARE(value(p, "A"), QStringLiteral("2400"));
        p.calculate();
        // The element's H wins over the drawing; its D is out of range and falls back.
        QCOMPARE(value(p, "D"), QStringLiteral("800"));
        QCOMPARE(value(p, "H"), QStringLiteral("3000"));
        QCOMPARE(value(p, "CZ"), QStringLiteral("砖"));
        QSignalSpy calculated(&p, &OrbDrawingInfoProcessor::onAfterCalculate);
        QVERIFY(p.restoreDefValues(defaults));
        QCOMPARE(calculated.count(), 1);
        QCOMPARE(value(p, "H"), QStringLiteral("1000"));
        QCOMPARE(value(p, "A"), QStringLiteral("800"));
        OrbFormulaProcessor empty;
        empty.setDrawset(nullptr);
        QVERIFY(!empty.restoreDefValues({}));
        QCOMPARE(empty.drawsetProps(), nullptr);
        // The drawset's tables come from its newest processor (p), not from a newer one elsewhere.
        const auto bars = m_service->drawsetTableProvider()->queryTable(m_drawset, QStringLiteral("DrawSetBar"), {});
        QCOMPARE(bars ? bars->record(0)->value(QStringLiteral("Length")).toInt() : 0, 1000);
    }

    // Division by zero and unknown codes leave the property empty and say why.
    void badFormulasReadEmpty()
    {
        OrbFormulaProcessor& p = *m_processor;
        QSignalSpy debug(&p, &OrbDrawingInfoProcessor::onOutputDebugInfo);
        QVERIFY(p.drawsetProps()->saveEditorValue({prop(p, "H")}, QStringLiteral("0")));
        QCOMPARE(value(p, "R"), QString());
        QCOMPARE(value(p, "U"), QString());
        QCOMPARE(value(p, "A"), QStringLiteral("0"));
        QStringList lines;
        for (const auto& args : debug)
            lines << args.at(0).toString();
        QVERIFY2(lines.value(0).startsWith(QStringLiteral("开始计算: 圆形井")), qPrintable(lines.value(0)));
        QVERIFY(lines.filter(QStringLiteral("R（R）无法计算")).join(QString()).contains(QStringLiteral("除数为零")));
        QVERIFY(lines.filter(QStringLiteral("U（U）无法计算")).join(QString()).contains(QStringLiteral("XX 不存在")));
    }

    // The bar table follows the current values: D=1000 gives 1200 mm bars, 1000/200+1 = 6 of
    // them, 6 * 1.2 m * 0.00617 * 144 kg/m = 6.397 kg.
    void barTableFollowsValues()
    {
        auto bar = [&](const char* column) {
            return m_service->drawsetTableProvider()->queryTable(m_drawset, QStringLiteral("DrawSetBar"), {})->record(0)->value(
                QLatin1String(column));
        };
        QCOMPARE(bar("Grade").toString(), QStringLiteral("HRB400"));
        QCOMPARE(bar("Length").toDouble(), 1200.0);
        QCOMPARE(bar("Count").toInt(), 6);
        QCOMPARE(bar("Weight").toDouble(), 6.397);
        QVERIFY(m_processor->drawsetProps()->saveEditorValue({prop(*m_processor, "A1")}, QStringLiteral("4A8")));
        QCOMPARE(bar("Count").toInt(), 4);
        QCOMPARE(bar("Grade").toString(), QStringLiteral("HPB300"));
        // Stirrups at 100/300 count at 200: 1000/200+1.
        QVERIFY(m_processor->drawsetProps()->saveEditorValue({prop(*m_processor, "A1")}, QStringLiteral("C8@100/300")));
        QCOMPARE(bar("Count").toInt(), 6);
    }

    // Every navigation line names a table of the drawset and IDs that exist in it.
    void navigationLinesPointAtRecords()
    {
        QSignalSpy debug(m_processor.data(), &OrbDrawingInfoProcessor::onOutputDebugInfo);
        m_processor->calculate();
        int checked = 0;
        for (const auto& args : debug) {
            const QString line = args.at(0).toString();
            if (!line.startsWith(QChar(1)))
                continue;
            const QStringList fields = line.split(QLatin1Char('\t'));
            QVERIFY(fields.size() >= 4);
            auto table = m_processor->table(fields.at(1));
            QVERIFY2(table, qPrintable(fields.at(1)));
            const int colon = fields.at(3).indexOf(QLatin1Char(':'));
            QVERIFY(colon >= 1);
            for (const QString& id : fields.at(3).mid(colon + 1).split(QLatin1Char(';'))) {
                QVERIFY2(table->findRecordIndex(QStringLiteral("ID"), id.toInt()) >= 0, qPrintable(line));
                ++checked;
            }
        }
        QVERIFY(checked >= 6); // A (with D, H), V (with A), R (with D, H), the bar, the quantity
    }

private:
    QTemporaryDir m_dir;
    QScopedPointer<OrbDrawingService> m_service;
    QSharedPointer<IOrbDrawingFile> m_file;
    IOrbDrawset* m_drawset = nullptr;
    QScopedPointer<OrbFormulaProcessor> m_processor;
};

QTEST_GUILESS_MAIN(tst_OrbFormulaProcessor)
#include "tst_orbformulaprocessor.moc"
