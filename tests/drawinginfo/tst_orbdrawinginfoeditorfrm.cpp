// The editor form against recording fakes of the processor and its properties. The drawing is a
// real engine drawing read from bytes, so binding, text writes and lookups run on real entities;
// host calls are asserted through the fakes' log, which a wrong order or a missing call fails.

#include "fakedrawingdata.h"

#include "common/lumcoreunittest.h"
#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "drawinginfo/orbdrawinginfoparamsvdeditor.h"
#include "engine/zvdentity.h"
#include "engine/zvdeinsertpoint.h"
#include "engine/zvdinitialfont.h"
#include "engine/zvectordrawing.h"
#include "engine/zvpviewer.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// The application's own argument list, rewritten by tests to switch "-e" on and off.
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
    g_appArgc = g_appArgs.size() + 1;
}

// Texts 10 to 13 ("@@200" on 11) and a line 20.
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
        for (auto [id, text] : {std::pair{10, L"100"}, {11, L"@@200"}, {12, L"300"}, {13, L"400"}})
            d.add(new ZVDText(id, QPointF(0, id * 10), 2.5, text));
        d.add(new ZVDLine(20, QPointF(0, 0), QPointF(10, 0)));
        OrbVectorDrawingUtils::saveData(&d, drawset->m_drawing, vdsfStream, false);
        processor.m_drawset = drawset;
    }
    FakeProp* add(const QString& code, int id, const QString& value = QStringLiteral("1"))
    {
        return processor.m_props.add(code, id, value);
    }
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
};
} // namespace

class tst_OrbDrawingInfoEditorFrm : public QObject
{
    Q_OBJECT
private slots:
    // The form builds its in-place editor for drawset drawings and draws with simsun.ttc beside the
    // default font (the rule itself is pinned by the drawset view's suite). That it registers itself
    // as the editor's service (without it no text would ever open) is pinned by openEditorAfter.
    void construction()
    {
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("other.ttf")).open(QIODevice::WriteOnly));
        QVERIFY(QFile(dir.filePath("simsun.ttc")).open(QIODevice::WriteOnly));
        ZVDInitialFont::set(dir.filePath("other.ttf"));
        Fixture f;
        ZVDInitialFont::set(QString());
        QCOMPARE(f.editor()->defaultFont(), dir.path() + "//simsun.ttc");
        QVERIFY(!f.editor()->acceptMouseKeyInput());
        QVERIFY(!f.editor()->insertPoint()->isVisible());
        QVERIFY(!f.editor()->getViewer()->Options()->ViewAxesEnabled());
        QVERIFY(!f.editor()->gridFromStream());
    }

    void binding_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("bound");
        QTest::newRow("text") << "A" << true;
        QTest::newRow("id -1") << "B" << false;
        QTest::newRow("not a text") << "D" << false;
        QTest::newRow("default excluded") << "X" << true;
    }

    void binding()
    {
        QFETCH(QString, code);
        QFETCH(bool, bound);
        Fixture f;
        f.add("A", 10, "7");
        f.add("B", -1);
        f.add("D", 20);
        f.add("X", 12, "5")->m_defaultExcluded = true;
        f.form.setProcessor(&f.processor);
        QCOMPARE(f.text(10), QStringLiteral("100")); // the stored default until the processor ran
        f.log.clear();
        f.form.refreshProcessor();
        QCOMPARE(f.log.calls(), (QStringList{"processor.initDefValues(1)", "processor.open", "processor.calculate"}));
        // Only A hands its drawing text over: X is excluded, the others are unbound.
        QCOMPARE(f.processor.m_lastDefValues.value(0).second, QStringLiteral("100"));
        OrbDrawsetProp* prop = f.form.findProp(code);
        QCOMPARE(f.form.findVDText(prop) != nullptr, bound);
        QCOMPARE(f.form.isParam(prop->vdID()), bound);
        if (bound)
            QCOMPARE(f.text(prop->vdID()), prop->value(false));
        QCOMPARE(f.form.getProp(1), f.form.findProp(QStringLiteral("X")));
    }

    void wideTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringLiteral("1.50");
        QTest::newRow("beyond U+FFFF") << QString::fromUcs4(U"a\U0001F600b");
        QTest::newRow("empty") << QString();
    }

    // Drawing texts reach the processor, and values reach the drawing, unchanged.
    void wideTexts()
    {
        QFETCH(QString, text);
        Fixture f;
        ZVectorDrawing d;
        d.add(new ZVDText(10, QPointF(0, 0), 2.5, text.toStdWString()));
        OrbVectorDrawingUtils::saveData(&d, static_cast<FakeDrawset*>(f.processor.m_drawset)->m_drawing, vdsfStream, false);
        f.add("A", 10, text + "|" + text);
        f.show();
        QCOMPARE(f.processor.m_lastDefValues.value(0).second, text);
        auto* shown = dynamic_cast<ZVDText*>(f.form.vectorDrawing()->find(10));
        QVERIFY(shown && shown->text() == (text + "|" + text).toStdWString());
    }

    // The same processor again changes nothing, not even a reload. Loading bytes shows and fits the
    // new drawing but leaves the binding to the caller. No processor, or a drawset without drawing
    // data, empties the drawing and binds nothing.
    void processorSwitch()
    {
        Fixture f;
        f.add("A", 10);
        f.show();
        f.form.vectorDrawing()->add(new ZVDLine(77, QPointF(0, 0), QPointF(1, 1)));
        f.log.clear();
        f.form.setProcessor(&f.processor);
        QVERIFY(f.log.calls().isEmpty());
        QVERIFY(f.form.vectorDrawing()->find(77));
        ZVectorDrawing other;
        other.add(new ZVDText(10, QPointF(0, 0), 2.5, L"x"));
        other.add(new ZVDLine(30, QPointF(0, 0), QPointF(5000, 5000)));
        QByteArray bytes;
        OrbVectorDrawingUtils::saveData(&other, bytes, vdsfStream, false);
        const double before = f.editor()->viewScale();
        f.form.loadVectorDrawing(bytes);
        QCOMPARE(f.form.vectorDrawing()->count(), 2);
        QVERIFY(f.editor()->viewScale() < before);
        QVERIFY(f.form.isParam(10));
        f.form.setProcessor(nullptr);
        QCOMPARE(f.form.vectorDrawing()->count(), 0);
        QVERIFY(!f.form.isParam(10));
        static_cast<FakeDrawset*>(f.processor.m_drawset)->m_drawing.clear();
        f.form.setProcessor(&f.processor);
        QCOMPARE(f.form.vectorDrawing()->count(), 0);
        QVERIFY(!f.form.isParam(10));
    }

    void sharedText()
    {
        Fixture f;
        f.add("P1", 10, "1");
        f.add("P2", 10, "2");
        FakeProp* q = f.add("Q", 12, "3");
        f.form.setProcessor(&f.processor);
        // The text shows the property bound last: written in binding order, the last write wins.
        f.form.readPropValues();
        QCOMPARE(f.text(10), QStringLiteral("2"));
        QCOMPARE(f.form.findProp(qint64(10))->code(), QStringLiteral("P2"));
        // Tab goes on from the property bound last, never to the same text again.
        QCOMPARE(f.form.getNextParamVDID(10), qint64(12));
        QCOMPARE(f.form.getNextParamVDID(12), qint64(10));
        std::vector<qint64> ids;
        QVERIFY(f.form.saveEditorValue(ids, 10, QStringLiteral("5")));
        QCOMPARE(f.log.filtered("props."), QStringList{"props.saveEditorValue(P2,P1=5)"});
        QCOMPARE(f.text(10), QStringLiteral("5"));
        // Values go to the text of the id a property gives now, not the one it was bound by.
        q->m_vdID = 10;
        f.form.refreshViewer();
        QCOMPARE(f.text(10), QStringLiteral("3"));
    }

    void openEditorAfter_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<bool>("accepted"); // the processor's answer to a save or a reset
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("shown"); // text 10 afterwards; the property now holds "9"
        // An editor left open over values that were just re-read (or unbound) would save a stale
        // entry; a refused save or a declined reset leaves the editor and the texts as they were.
        QTest::newRow("refreshProcessor") << "refreshProcessor" << true << false << "9";
        QTest::newRow("refreshViewer") << "refreshViewer" << true << false << "9";
        QTest::newRow("clearVDPropList") << "clearVDPropList" << true << false << "1";
        QTest::newRow("save accepted") << "save" << true << false << "9";
        QTest::newRow("save refused") << "save" << false << true << "1";
        QTest::newRow("restore accepted") << "restore" << true << false << "9";
        QTest::newRow("restore declined") << "restore" << false << true << "1";
        // The drawset editor's query re-reads the parameters first: A turned read-only.
        QTest::newRow("query") << "query" << true << false << "1";
    }

    void openEditorAfter()
    {
        QFETCH(QString, call);
        QFETCH(bool, accepted);
        QFETCH(bool, open);
        QFETCH(QString, shown);
        Fixture f;
        FakeProp* a = f.add("A", 10, "1");
        f.add("B", 12, "3");
        f.show();
        f.processor.m_props.m_saveResult = f.processor.m_restoreResult = accepted;
        f.form.openEditor(a);
        QVERIFY(f.editor()->isEditorOpen());
        a->m_value = QStringLiteral("9");
        f.log.clear();
        std::vector<qint64> ids;
        if (call == "refreshProcessor")
            f.form.refreshProcessor();
        else if (call == "refreshViewer")
            f.form.refreshViewer();
        else if (call == "clearVDPropList")
            f.form.clearVDPropList();
        else if (call == "restore")
            f.form.restoreDefValues();
        else if (call == "query" && (a->m_readOnly = true))
            QCOMPARE(f.editor()->OrbDrawsetParamsVDEditor::getAttributes("query").value("10"), QStringLiteral("1"));
        else
            QCOMPARE(f.form.saveEditorValue(ids, 10, QStringLiteral("9")), accepted);
        QCOMPARE(f.editor()->isEditorOpen(), open);
        QCOMPARE(f.text(10), shown);
        QCOMPARE(f.text(12), QStringLiteral("3"));
        QCOMPARE(f.log.filtered("processor.restore"), call == "restore" ? QStringList{"processor.restoreDefValues(2)"} : QStringList());
    }

    void recording_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("testing");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("vdid");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("recording") << true << false << "" << 10 << true << true;
        QTest::newRow("refused save") << true << false << "" << 10 << false << true;
        QTest::newRow("inactive") << false << false << "" << 10 << true << false;
        QTest::newRow("replaying") << true << true << "" << 10 << true << false;
        QTest::newRow("filtered out") << true << false << "Other_*" << 10 << true << false;
        QTest::newRow("no bound property") << true << false << "" << 99 << true << false;
    }

    void recording()
    {
        QFETCH(bool, active);
        QFETCH(bool, testing);
        QFETCH(QString, filter);
        QFETCH(int, vdid);
        QFETCH(bool, saved);
        QFETCH(bool, recorded);
        Fixture f;
        f.add("A", 10);
        f.show();
        f.processor.m_props.m_saveResult = saved;
        LumCoreUnitTest* r = LumCoreUnitTest::instance();
        r->setActive(active);
        r->setTesting(testing);
        r->setCaseFilter(filter.isEmpty() ? QStringList() : QStringList{filter});
        auto session = r->startTestCase(QStringLiteral("Session"), {}, {}, {}, {});
        std::vector<qint64> ids;
        f.form.saveEditorValue(ids, vdid, QStringLiteral("8"));
        r->setTesting(false);
        r->setCaseFilter({});
        QCOMPARE(r->committedCases().size(), recorded ? 1 : 0);
        QCOMPARE(r->currentTestCase(), session); // back under the case that was open
        if (recorded) {
            QCOMPARE(r->committedCases()[0]->data(), QByteArray("DRAWING-1|A|8"));
            QCOMPARE(r->committedCases()[0]->parentName(), QStringLiteral("Session"));
            QVERIFY(r->committedCases()[0]->succeeded());
        }
    }

    void answers_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("vdid");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("output");
        // A(10): 2 decimals; R(12): read-only; I(13): integer. validate refuses "" and "bad".
        QTest::newRow("hide: trimmed") << "hide" << 10 << " 12 " << true << "12";
        QTest::newRow("hide: refused") << "hide" << 10 << "bad" << false << "invalid";
        QTest::newRow("hide: empty restores value") << "hide" << 10 << "" << true << "1";
        QTest::newRow("hide: read-only") << "hide" << 12 << "bad" << true << "old";
        QTest::newRow("adjust: rounds half up") << "adjust" << 10 << "12.345" << true << "12.35";
        QTest::newRow("adjust: not a number") << "adjust" << 10 << "abc" << false << "abc";
        QTest::newRow("adjust: integer") << "adjust" << 13 << "12.5" << false << "12.5";
        QTest::newRow("adjust: read-only") << "adjust" << 12 << "12.345" << false << "12.345";
        QTest::newRow("tip: code alone") << "tip" << 10 << "" << true << "A";
        QTest::newRow("tip: tip and code") << "tip" << 10 << "Depth" << true << "Depth A";
        QTest::newRow("tip: not a parameter") << "tip" << 99 << "Depth" << false << "Depth";
    }

    void answers()
    {
        QFETCH(QString, op);
        QFETCH(int, vdid);
        QFETCH(QString, input);
        QFETCH(bool, result);
        QFETCH(QString, output);
        Fixture f;
        f.add("A", 10)->m_decimals = 2;
        FakeProp* r = f.add("R", 12);
        r->m_readOnly = true;
        r->m_decimals = 2;
        f.add("I", 13);
        f.show();
        f.processor.m_props.m_invalidValues = {QString(""), QStringLiteral("bad")};
        QString value = input;
        if (op == "hide") {
            value = QStringLiteral("old");
            QCOMPARE(f.form.canEditorHide(vdid, input, value), result);
        } else if (op == "adjust") {
            QCOMPARE(f.form.adjustEditorValue(vdid, value), result);
        } else {
            QCOMPARE(f.form.queryToolTip(vdid, value), result);
        }
        QCOMPARE(value, output);
    }

    void nextParam_data()
    {
        QTest::addColumn<QString>("readOnly");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("next");
        // Binding order: A(10) B(11) C(-1, unbound) D(12) E(13).
        QTest::newRow("skips read-only") << "B" << 10 << 12;
        QTest::newRow("wraps to the first") << "B" << 13 << 10;
        QTest::newRow("wraps from the second") << "DE" << 11 << 10;
        QTest::newRow("only one editable") << "ABE" << 12 << -1;
        QTest::newRow("not a parameter") << "" << 99 << -1;
    }

    void nextParam()
    {
        QFETCH(QString, readOnly);
        QFETCH(int, from);
        QFETCH(int, next);
        Fixture f;
        for (auto [code, id] : {std::pair{"A", 10}, {"B", 11}, {"C", -1}, {"D", 12}, {"E", 13}})
            f.add(code, id)->m_readOnly = readOnly.contains(QLatin1String(code));
        f.show();
        QCOMPARE(f.form.getNextParamVDID(from), qint64(next));
    }

    void valueAndQuery()
    {
        Fixture f;
        f.add("A", 10, "1");
        f.add("E", 11, "@@200");
        f.add("B", 12, "3");
        f.show();
        // value= answers through queryParamValue: one "@" removed.
        QCOMPARE(f.form.getAttributes("query"), (QHash<QString, QString>{{"A", "1"}, {"E", "@@200"}, {"B", "3"}}));
        QCOMPARE(f.form.getAttributes("value=E"), (QHash<QString, QString>{{"E", "@200"}}));
        // open= works only under the automation switch "-e"; an editor it opens is reported as a
        // click on its text.
        QList<ZVDEntity*> clicks;
        connect(&f.form, &OrbDrawingInfoEditorFrm::onDrawingItemClick, this, [&](ZVDEntity* e) { clicks << e; });
        QVERIFY(f.editor()->getAttributes("open=B").isEmpty());
        QVERIFY(!f.editor()->isEditorOpen());
        setAppArguments({"-e"});
        QCOMPARE(f.editor()->getAttributes("open=B"), (QHash<QString, QString>{{"B", "3"}}));
        QCOMPARE(f.editor()->editingVDID(), qint64(12));
        QCOMPARE(clicks, QList<ZVDEntity*>{f.form.vectorDrawing()->find(12)});
    }

    void init()
    {
        setAppArguments({});
        LumCoreUnitTest::instance()->clear();
        LumCoreUnitTest::instance()->setActive(false);
    }
};

int main(int argc, char** argv)
{
    g_appArgv[0] = argv[0];
    QApplication app(g_appArgc, g_appArgv);
    tst_OrbDrawingInfoEditorFrm test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_orbdrawinginfoeditorfrm.moc"
