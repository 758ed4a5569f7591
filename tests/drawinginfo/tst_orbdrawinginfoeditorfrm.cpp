// The editor form against recording fakes of the processor and its properties. The drawing is a
// real engine drawing read from bytes, so binding, text writes and lookups run on real entities;
// every host call is asserted through the fakes' log, which a wrong order or a missing call fails.

#include "fakedrawingdata.h"

#include "common/lumcoreunittest.h"
#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "drawinginfo/orbdrawinginfoparamsvdeditor.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
// The application's own argument list, which tests rewrite to switch "-e" on and off.
int g_appArgc = 1;
char* g_appArgv[8];
QList<QByteArray> g_appArgs;

void setAppArguments(const QStringList& args)
{
    g_appArgs.clear();
    for (const QString& a : args)
        g_appArgs.append(a.toLocal8Bit());
    for (int i = 0; i < g_appArgs.size(); ++i)
        g_appArgv[i + 1] = g_appArgs[i].data();
    g_appArgv[g_appArgs.size() + 1] = nullptr;
    g_appArgc = g_appArgs.size() + 1;
}

// A text that logs every write, to count and order the form's writes.
class LoggingText : public ZVDText
{
public:
    LoggingText(FakeLog* log, const ZVDText& from)
        : ZVDText(from.id(), from.position, from.height, from.text()), m_log(log) {}
    void setText(const std::wstring& text) override
    {
        m_log->add(QStringLiteral("text%1.setText(%2)").arg(id()).arg(QString::fromStdWString(text)));
        ZVDText::setText(text);
    }
    FakeLog* m_log;
};

struct FormProbe : OrbDrawingInfoEditorFrm
{
    using OrbDrawingInfoEditorFrm::preferredDefaultFont;
};

struct Fixture
{
    FakeLog log;
    FakeDrawingFile file{&log};
    FakeProcessor processor{&log};
    OrbDrawingInfoEditorFrm form{nullptr};

    Fixture()
    {
        FakeDrawset* drawset = file.addDrawset(file.addType(QStringLiteral("T"), 1), QStringLiteral("D"));
        ZVectorDrawing d;
        d.add(new ZVDText(10, QPointF(0, 0), 2.5, L"100"));
        d.add(new ZVDText(11, QPointF(0, 10), 2.5, L"@@200"));
        d.add(new ZVDText(12, QPointF(0, 20), 2.5, L"300"));
        d.add(new ZVDText(13, QPointF(0, 30), 2.5, L"400"));
        d.add(new ZVDLine(20, QPointF(0, 0), QPointF(10, 0)));
        OrbVectorDrawingUtils::saveData(&d, drawset->m_drawing, vdsfStream, false);
        processor.m_drawset = drawset;
    }
    FakeProp* add(const QString& code, int id, const QString& value) { return processor.m_props.add(code, id, value); }
    void show()
    {
        form.setProcessor(&processor);
        form.refreshProcessor();
    }
    OrbDrawingInfoParamsVDEditor* editor() { return form.findChild<OrbDrawingInfoParamsVDEditor*>(); }
    QString text(int id)
    {
        auto* t = dynamic_cast<ZVDText*>(form.vectorDrawing()->find(id));
        return t ? QString::fromStdWString(t->text()) : QStringLiteral("<none>");
    }
    QStringList defaultCodes() const
    {
        QStringList codes;
        for (const auto& p : processor.m_lastDefValues)
            codes << p.first->code() + QLatin1Char('=') + p.second;
        return codes;
    }
};

QStringList g_messages;
void collect(QtMsgType, const QMessageLogContext&, const QString& msg) { g_messages << msg; }
} // namespace

class TestDrawingInfoEditorFrm : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        setAppArguments({});
        LumCoreUnitTest::instance()->clear();
        LumCoreUnitTest::instance()->setActive(false);
    }

    void binding_data();
    void binding();
    void refreshOrderAndDefaults();
    void sharedText();
    void sameProcessorDoesNothing();
    void save_data();
    void save();
    void restoreDefValues_data();
    void restoreDefValues();
    void recording_data();
    void recording();
    void fontRule_data();
    void fontRule();
    void canEditorHide_data();
    void canEditorHide();
    void adjustEditorValue_data();
    void adjustEditorValue();
    void nextParam_data();
    void nextParam();
    void toolTip_data();
    void toolTip();
    void valueAndQuery();
    void parserKeyValue_data();
    void parserKeyValue();
    void automationSwitch_data();
    void automationSwitch();
};

void TestDrawingInfoEditorFrm::binding_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("bound");
    QTest::newRow("text") << "A" << true;
    QTest::newRow("id -1") << "B" << false;
    QTest::newRow("missing id") << "C" << false;
    QTest::newRow("not a text") << "D" << false;
    QTest::newRow("default excluded is still bound") << "X" << true;
}

void TestDrawingInfoEditorFrm::binding()
{
    QFETCH(QString, code);
    QFETCH(bool, bound);
    Fixture f;
    f.add("A", 10, "1");
    f.add("B", -1, "2");
    f.add("C", 99, "3");
    f.add("D", 20, "4");
    f.add("X", 12, "5")->m_defaultExcluded = true;
    f.show();
    OrbDrawsetProp* prop = f.form.findProp(code);
    QVERIFY(prop);
    QCOMPARE(f.form.findVDText(prop) != nullptr, bound);
    QCOMPARE(f.form.isParam(prop->vdID()), bound);
    if (bound)
        QCOMPARE(f.text(prop->vdID()), prop->value(false));
    // Only A hands its drawing text to the processor: X is excluded, the others are unbound.
    QCOMPARE(f.defaultCodes(), QStringList{"A=100"});
    QCOMPARE(f.form.getProp(1), f.form.findProp(QStringLiteral("X")));
    QVERIFY(!f.form.getProp(2));
}

void TestDrawingInfoEditorFrm::refreshOrderAndDefaults()
{
    Fixture f;
    f.add("A", 10, "7");
    f.form.setProcessor(&f.processor);
    QCOMPARE(f.text(10), QStringLiteral("100")); // the stored default until the processor ran
    f.log.clear();
    f.form.refreshProcessor();
    QCOMPARE(f.log.calls(), (QStringList{"processor.initDefValues(1)", "processor.open", "processor.calculate"}));
    QCOMPARE(f.text(10), QStringLiteral("7"));

    // A drawset without drawing data: nothing is found, nothing is bound.
    static_cast<FakeDrawset*>(f.processor.m_drawset)->m_drawing.clear();
    f.form.setProcessor(nullptr);
    f.form.setProcessor(&f.processor);
    QCOMPARE(f.form.vectorDrawing()->count(), 0);
    QVERIFY(!f.form.isParam(10));
}

void TestDrawingInfoEditorFrm::sharedText()
{
    Fixture f;
    f.add("P1", 10, "1");
    f.add("P2", 10, "2");
    f.form.setProcessor(&f.processor);
    // Swap the bound text for one that logs its writes, and bind again.
    auto* original = static_cast<ZVDText*>(f.form.vectorDrawing()->find(10));
    f.form.vectorDrawing()->add(new LoggingText(&f.log, *original));
    f.form.clearVDPropList();
    f.form.initVDPropList();
    f.log.clear();

    f.form.readPropValues();
    QCOMPARE(f.log.filtered("text10"), (QStringList{"text10.setText(1)", "text10.setText(2)"}));
    QCOMPARE(f.form.findProp(qint64(10))->code(), QStringLiteral("P2"));

    LumCoreUnitTest::instance()->setActive(true);
    std::vector<qint64> ids;
    QVERIFY(f.form.saveEditorValue(ids, 10, QStringLiteral("5")));
    QCOMPARE(f.log.filtered("props."), QStringList{"props.saveEditorValue(P2,P1=5)"});
    QCOMPARE(f.text(10), QStringLiteral("5"));
    const auto cases = LumCoreUnitTest::instance()->committedCases();
    QCOMPARE(cases.size(), 1);
    QCOMPARE(cases[0]->name(), QStringLiteral("Orb_Drawing_Set_Edit"));
    QCOMPARE(cases[0]->data(), QByteArray("DRAWING-1|P2|5"));
}

void TestDrawingInfoEditorFrm::sameProcessorDoesNothing()
{
    Fixture f;
    f.add("A", 10, "1");
    f.form.setProcessor(&f.processor);
    f.form.vectorDrawing()->add(new ZVDLine(77, QPointF(0, 0), QPointF(1, 1)));
    f.log.clear();
    f.form.setProcessor(&f.processor);
    QVERIFY(f.log.calls().isEmpty());
    QVERIFY(f.form.vectorDrawing()->find(77)); // not reloaded
    f.form.setProcessor(nullptr);
    QCOMPARE(f.form.vectorDrawing()->count(), 0);
    QVERIFY(!f.form.isParam(10));
    f.form.setProcessor(&f.processor);
    QVERIFY(!f.form.vectorDrawing()->find(77));
    QVERIFY(f.form.isParam(10));
}

void TestDrawingInfoEditorFrm::save_data()
{
    QTest::addColumn<bool>("result");
    QTest::newRow("saved") << true;
    QTest::newRow("refused") << false;
}

void TestDrawingInfoEditorFrm::save()
{
    QFETCH(bool, result);
    Fixture f;
    f.add("A", 10, "1");
    f.add("B", 12, "3");
    f.show();
    f.processor.m_props.m_saveResult = result;
    f.form.openEditor(f.form.findProp(QStringLiteral("A")));
    QVERIFY(f.editor()->isEditorOpen());
    std::vector<qint64> ids;
    QCOMPARE(f.form.saveEditorValue(ids, 10, QStringLiteral("9")), result);
    QCOMPARE(f.editor()->isEditorOpen(), !result);
    QCOMPARE(f.text(10), result ? QStringLiteral("9") : QStringLiteral("1"));
    QCOMPARE(f.text(12), QStringLiteral("3"));
}

void TestDrawingInfoEditorFrm::restoreDefValues_data()
{
    QTest::addColumn<bool>("result");
    QTest::newRow("reset") << true;
    QTest::newRow("declined") << false;
}

void TestDrawingInfoEditorFrm::restoreDefValues()
{
    QFETCH(bool, result);
    Fixture f;
    FakeProp* a = f.add("A", 10, "1");
    f.show();
    f.form.openEditor(a);
    f.processor.m_restoreResult = result;
    a->m_value = QStringLiteral("100");
    f.form.restoreDefValues();
    QVERIFY(f.log.calls().contains("processor.restoreDefValues(1)"));
    QCOMPARE(f.editor()->isEditorOpen(), !result);
    QCOMPARE(f.text(10), result ? QStringLiteral("100") : QStringLiteral("1"));
}

void TestDrawingInfoEditorFrm::recording_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("testing");
    QTest::addColumn<QStringList>("filter");
    QTest::addColumn<int>("vdid");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("recorded");
    QTest::newRow("recording") << true << false << QStringList() << 10 << true << true;
    QTest::newRow("refused save") << true << false << QStringList() << 10 << false << true;
    QTest::newRow("matching filter") << true << false << QStringList{"Orb_Model_*"} << 10 << true << true;
    QTest::newRow("inactive") << false << false << QStringList() << 10 << true << false;
    QTest::newRow("replaying") << true << true << QStringList() << 10 << true << false;
    QTest::newRow("filtered out") << true << false << QStringList{"Other_*"} << 10 << true << false;
    QTest::newRow("no bound property") << true << false << QStringList() << 99 << true << false;
}

void TestDrawingInfoEditorFrm::recording()
{
    QFETCH(bool, active);
    QFETCH(bool, testing);
    QFETCH(QStringList, filter);
    QFETCH(int, vdid);
    QFETCH(bool, saved);
    QFETCH(bool, recorded);
    Fixture f;
    f.add("A", 10, "1");
    f.show();
    f.processor.m_props.m_saveResult = saved;
    LumCoreUnitTest* r = LumCoreUnitTest::instance();
    r->setActive(active);
    r->setTesting(testing);
    r->setCaseFilter(filter);
    auto parent = r->startTestCase(QStringLiteral("Session"), {}, {}, {}, {});
    std::vector<qint64> ids;
    f.form.saveEditorValue(ids, vdid, QStringLiteral("8"));
    r->setTesting(false);
    r->setCaseFilter({});
    QCOMPARE(r->committedCases().size(), recorded ? 1 : 0);
    QCOMPARE(r->currentTestCase(), parent); // back under the case that was open
    if (recorded) {
        QCOMPARE(r->committedCases()[0]->data(), QByteArray("DRAWING-1|A|8"));
        QCOMPARE(r->committedCases()[0]->parentName(), QStringLiteral("Session"));
    }
}

void TestDrawingInfoEditorFrm::fontRule_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<bool>("simsunBeside");
    QTest::addColumn<bool>("changed");
    QTest::newRow("simsun beside") << "other.ttf" << true << true;
    QTest::newRow("no simsun") << "other.ttf" << false << false;
    QTest::newRow("already simsun, other case") << "SimSun.TTC" << true << false;
}

void TestDrawingInfoEditorFrm::fontRule()
{
    QFETCH(QString, font);
    QFETCH(bool, simsunBeside);
    QFETCH(bool, changed);
    QTemporaryDir dir;
    if (simsunBeside) {
        QFile simsun(dir.filePath("simsun.ttc"));
        QVERIFY(simsun.open(QIODevice::WriteOnly));
    }
    const QString path = dir.filePath(font);
    const QString expected = changed ? dir.path() + "//simsun.ttc" : path;
    QCOMPARE(FormProbe::preferredDefaultFont(path), expected);
}

void TestDrawingInfoEditorFrm::canEditorHide_data()
{
    QTest::addColumn<int>("vdid");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QStringList>("validated");
    QTest::newRow("trimmed") << 10 << " 12 " << true << "12" << QStringList{"props.validate(A=12)"};
    QTest::newRow("spaces validate empty") << 10 << "   " << false << "invalid" << QStringList{"props.validate(A=)"};
    QTest::newRow("refused") << 10 << "bad" << false << "invalid" << QStringList{"props.validate(A=bad)"};
    QTest::newRow("empty restores value") << 10 << "" << true << "1" << QStringList();
    QTest::newRow("read-only") << 12 << "bad" << true << "untouched" << QStringList();
    QTest::newRow("not a parameter") << 99 << "bad" << true << "untouched" << QStringList();
}

void TestDrawingInfoEditorFrm::canEditorHide()
{
    QFETCH(int, vdid);
    QFETCH(QString, text);
    QFETCH(bool, result);
    QFETCH(QString, out);
    QFETCH(QStringList, validated);
    Fixture f;
    f.add("A", 10, "1");
    f.add("R", 12, "3")->m_readOnly = true;
    f.show();
    f.processor.m_props.m_invalidValues = {QString(""), QStringLiteral("bad")};
    f.log.clear();
    QString answer = QStringLiteral("untouched");
    QCOMPARE(f.form.canEditorHide(vdid, text, answer), result);
    QCOMPARE(answer, out);
    QCOMPARE(f.log.filtered("props.validate"), validated);
}

void TestDrawingInfoEditorFrm::adjustEditorValue_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("output");
    QTest::newRow("rounds half up") << 2 << false << "12.345" << true << "12.35";
    QTest::newRow("pads decimals") << 1 << false << "7" << true << "7.0";
    QTest::newRow("no negative zero") << 3 << false << "-0.0004" << true << "0.000";
    QTest::newRow("not a number") << 2 << false << "abc" << false << "abc";
    QTest::newRow("integer property") << 0 << false << "12.5" << false << "12.5";
    QTest::newRow("read-only") << 2 << true << "12.345" << false << "12.345";
}

void TestDrawingInfoEditorFrm::adjustEditorValue()
{
    QFETCH(int, decimals);
    QFETCH(bool, readOnly);
    QFETCH(QString, input);
    QFETCH(bool, result);
    QFETCH(QString, output);
    Fixture f;
    FakeProp* a = f.add("A", 10, "1");
    a->m_decimals = decimals;
    a->m_readOnly = readOnly;
    f.show();
    QString value = input;
    QCOMPARE(f.form.adjustEditorValue(10, value), result);
    QCOMPARE(value, output);
    QVERIFY(!f.form.adjustEditorValue(99, value));
}

void TestDrawingInfoEditorFrm::nextParam_data()
{
    QTest::addColumn<QString>("readOnly");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("next");
    // Binding order: A(10) B(11) C(-1, unbound) D(12) E(13).
    QTest::newRow("skips read-only") << "B" << 10 << 12;
    QTest::newRow("forward") << "B" << 12 << 13;
    QTest::newRow("wraps to the first") << "B" << 13 << 10;
    QTest::newRow("from a read-only one") << "B" << 11 << 12;
    QTest::newRow("wrap skips read-only") << "A" << 13 << 11;
    QTest::newRow("only one editable") << "ABE" << 12 << -1;
    QTest::newRow("not a parameter") << "" << 99 << -1;
}

void TestDrawingInfoEditorFrm::nextParam()
{
    QFETCH(QString, readOnly);
    QFETCH(int, from);
    QFETCH(int, next);
    Fixture f;
    const std::pair<const char*, int> layout[] = {{"A", 10}, {"B", 11}, {"C", -1}, {"D", 12}, {"E", 13}};
    for (const auto& [code, id] : layout)
        f.add(code, id, "0")->m_readOnly = readOnly.contains(QLatin1String(code));
    f.show();
    QCOMPARE(f.form.getNextParamVDID(from), qint64(next));
}

void TestDrawingInfoEditorFrm::toolTip_data()
{
    QTest::addColumn<int>("vdid");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("expected");
    QTest::newRow("code alone") << 10 << "" << true << "H1";
    QTest::newRow("tip and code") << 10 << "Depth" << true << "Depth H1";
    QTest::newRow("not a parameter") << 99 << "Depth" << false << "Depth";
}

void TestDrawingInfoEditorFrm::toolTip()
{
    QFETCH(int, vdid);
    QFETCH(QString, tip);
    QFETCH(bool, result);
    QFETCH(QString, expected);
    Fixture f;
    f.add("H1", 10, "1");
    f.show();
    QCOMPARE(f.form.queryToolTip(vdid, tip), result);
    QCOMPARE(tip, expected);
}

void TestDrawingInfoEditorFrm::valueAndQuery()
{
    Fixture f;
    f.add("A", 10, "1");
    f.add("E", 11, "@@200");
    f.show();
    QString value = QStringLiteral("keep");
    QString other = QStringLiteral("other");
    f.form.queryParamValue(11, value, other);
    QCOMPARE(value, QStringLiteral("@200"));
    QCOMPARE(other, QStringLiteral("other"));
    f.form.queryParamValue(99, value, other);
    QCOMPARE(value, QStringLiteral("@200"));

    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    const auto query = f.form.getAttributes(QStringLiteral("query"));
    const auto byValue = f.form.getAttributes(QStringLiteral("value=E"));
    const auto noCode = f.form.getAttributes(QStringLiteral("open="));
    qInstallMessageHandler(previous);
    QCOMPARE(query, (QHash<QString, QString>{{"A", "1"}, {"E", "@@200"}}));
    QCOMPARE(byValue, (QHash<QString, QString>{{"E", "@200"}}));
    QVERIFY(noCode.isEmpty());
    QVERIFY(!f.editor()->isEditorOpen());
    QCOMPARE(g_messages.value(0), QString::fromUtf8("OrbDrawingInfoEditorFrm::getAttributes\xEF\xBC\x9A \"query\""));
}

void TestDrawingInfoEditorFrm::parserKeyValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "open=H1" << "open" << true << "H1";
    QTest::newRow("letters before =") << "openX=H1" << "open" << true << "H1";
    QTest::newRow("first = splits") << "value=a=b" << "value" << true << "a=b";
    QTest::newRow("empty code") << "open=" << "open" << true << "";
    QTest::newRow("no =") << "open" << "open" << false << "unchanged";
    QTest::newRow("= first") << "=H1" << "" << false << "unchanged";
    QTest::newRow("case-sensitive") << "Open=H1" << "open" << false << "unchanged";
}

void TestDrawingInfoEditorFrm::parserKeyValue()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(bool, result);
    QFETCH(QString, value);
    QString out = QStringLiteral("unchanged");
    QCOMPARE(OrbDrawingInfoEditorFrm::parserKeyValue(text, key, out), result);
    QCOMPARE(out, value);
}

void TestDrawingInfoEditorFrm::automationSwitch_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("answers");
    QTest::newRow("-e") << QStringList{"-e"} << true;
    QTest::newRow("-e later") << QStringList{"-x", "-e"} << true;
    QTest::newRow("none") << QStringList() << false;
    QTest::newRow("-E") << QStringList{"-E"} << false;
    QTest::newRow("-ex") << QStringList{"-ex"} << false;
}

void TestDrawingInfoEditorFrm::automationSwitch()
{
    QFETCH(QStringList, args);
    QFETCH(bool, answers);
    Fixture f;
    f.add("A", 10, "1");
    f.add("B", 12, "3");
    f.show();
    setAppArguments(args);
    QCOMPARE(QCoreApplication::arguments().mid(1), args);
    QList<ZVDEntity*> clicks;
    connect(&f.form, &OrbDrawingInfoEditorFrm::onDrawingItemClick, this, [&](ZVDEntity* e) { clicks << e; });
    const auto result = f.editor()->getAttributes(QStringLiteral("open=B"));
    QHash<QString, QString> expected;
    if (answers)
        expected.insert(QStringLiteral("B"), QStringLiteral("3"));
    QCOMPARE(result, expected);
    QCOMPARE(f.editor()->isEditorOpen(), answers);
    QCOMPARE(f.editor()->editingVDID(), answers ? qint64(12) : qint64(-1));
    // Opening an editor is reported as a click on its text.
    QCOMPARE(clicks.size(), answers ? 1 : 0);
    if (answers)
        QCOMPARE(clicks[0], f.form.vectorDrawing()->find(12));
}

int main(int argc, char** argv)
{
    g_appArgv[0] = argv[0];
    QApplication app(g_appArgc, g_appArgv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestDrawingInfoEditorFrm test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_orbdrawinginfoeditorfrm.moc"
