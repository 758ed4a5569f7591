// The in-place editor is where parameter values are typed. These tests guard against: an editor
// opening on a read-only or non-parameter text, a value reaching the service without passing
// canEditorHide and adjustEditorValue first (or in another order), a refused value that closes
// the editor and loses the typed text, and parameter texts that look like plain texts.

#include "engine/orbcustomvectordrawingeditor.h"
#include "engine/orbvectordrawingeditorservice_autotrans.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"

#include <QLineEdit>
#include <QPainter>
#include <QtTest>

Q_DECLARE_METATYPE(ZVDEntity*)
Q_DECLARE_METATYPE(ZVDText*)

namespace {
// Texts 1 and 2 are parameters, 2 read-only; text 3 is a plain label.
class RecordingService : public OrbVectorDrawingEditorService_AutoTrans
{
public:
    QStringList calls;
    bool allowHide = true;
    bool saveOk = true;

    bool isParam(qint64 id) override { return id == 1 || id == 2; }
    bool isReadOnly(qint64 id) override { return id != 1; }
    void queryParamValue(qint64 id, QString& value, QString&) override { value = QStringLiteral("v%1").arg(id); }
    bool canEditorHide(qint64 id, const QString& text, QString& out) override
    {
        calls << QStringLiteral("canEditorHide %1 %2").arg(id).arg(text);
        if (!allowHide) {
            out = QStringLiteral("too big");
            return false;
        }
        out = text.trimmed();
        return true;
    }
    bool adjustEditorValue(qint64 id, QString& value) override
    {
        calls << QStringLiteral("adjustEditorValue %1 %2").arg(id).arg(value);
        value += QStringLiteral(".00");
        return true;
    }
    bool saveEditorValue(std::vector<qint64>& ids, qint64 id, QString value) override
    {
        calls << QStringLiteral("saveEditorValue %1 %2 %3").arg(ids.size()).arg(id).arg(value);
        return saveOk;
    }
};

struct Fixture
{
    OrbCustomVectorDrawingEditor editor;
    RecordingService service;

    Fixture()
    {
        ZVectorDrawing* d = editor.vectorDrawing();
        d->add(new ZVDText(1, QPointF(0, 0), 20, L"1200"));
        d->add(new ZVDText(2, QPointF(0, 60), 20, L"300"));
        d->add(new ZVDText(3, QPointF(0, 120), 20, L"井深"));
        d->add(new ZVDLine(4, QPointF(-50, -50), QPointF(300, 200)));
        editor.resize(400, 300);
        service.setCurID(7);
        editor.setEditorService(&service, true);
        editor.reloadParams();
        editor.show();
        editor.zoomAll();
    }
    QPoint centreOf(int id) { return editor.entityScreenRect(editor.vectorDrawing()->find(id)).center(); }
    QLineEdit* lineEdit() { return editor.findChild<QLineEdit*>(QStringLiteral("orbParamEditor")); }
};

bool hasColour(const QImage& img, const QRect& area, const QColor& colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.rect().contains(x, y) && QColor(img.pixel(x, y)) == colour)
                return true;
    return false;
}
} // namespace

class TestEngineCustomEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<ZVDEntity*>();
        qRegisterMetaType<ZVDText*>();
    }
    void serviceCurrentIdIsReset();
    void parameterTextsAreColoured();
    void clickOpensOnlyEditableParameters_data();
    void clickOpensOnlyEditableParameters();
    void saveCommitsThroughTheServiceInOrder();
    void refusedValueKeepsTheEditorOpen();
};

void TestEngineCustomEditor::serviceCurrentIdIsReset()
{
    Fixture f;
    QCOMPARE(f.service.getCurID(), 0);
}

void TestEngineCustomEditor::parameterTextsAreColoured()
{
    Fixture f;
    QImage img(f.editor.size(), QImage::Format_RGB32);
    QPainter p(&img);
    f.editor.render(p, img.rect());
    p.end();
    auto area = [&](int id) { return f.editor.entityScreenRect(f.editor.vectorDrawing()->find(id)); };
    QVERIFY(hasColour(img, area(1), OrbCustomVectorDrawingEditor::editableParamColor()));
    QVERIFY(!hasColour(img, area(1), OrbCustomVectorDrawingEditor::readOnlyParamColor()));
    QVERIFY(hasColour(img, area(2), OrbCustomVectorDrawingEditor::readOnlyParamColor()));
    QVERIFY(!hasColour(img, area(3), OrbCustomVectorDrawingEditor::editableParamColor()));
    QVERIFY(!hasColour(img, area(3), OrbCustomVectorDrawingEditor::readOnlyParamColor()));
}

void TestEngineCustomEditor::clickOpensOnlyEditableParameters_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("opens");
    QTest::newRow("editable parameter") << 1 << true;
    QTest::newRow("read-only parameter") << 2 << false;
    QTest::newRow("plain text") << 3 << false;
}

void TestEngineCustomEditor::clickOpensOnlyEditableParameters()
{
    QFETCH(int, id);
    QFETCH(bool, opens);
    Fixture f;
    QSignalSpy clicked(&f.editor, &OrbCustomVectorDrawingEditor::onDrawingItemClick);
    QSignalSpy opened(&f.editor, &OrbCustomVectorDrawingEditor::onAfterOpenEditor);
    QTest::mouseClick(&f.editor, Qt::LeftButton, Qt::NoModifier, f.centreOf(id));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().value<ZVDEntity*>(), f.editor.vectorDrawing()->find(id));
    QCOMPARE(opened.count(), opens ? 1 : 0);
    QCOMPARE(f.lineEdit() != nullptr && f.lineEdit()->isVisible(), opens);
    if (opens) {
        QCOMPARE(f.lineEdit()->text(), QStringLiteral("v%1").arg(id));
        QCOMPARE(f.editor.editingVDID(), qint64(id));
    }
}

void TestEngineCustomEditor::saveCommitsThroughTheServiceInOrder()
{
    Fixture f;
    QVERIFY(f.editor.save()); // nothing open: nothing to do
    QVERIFY(f.service.calls.isEmpty());
    f.editor.openEditor(1);
    QVERIFY(f.lineEdit());
    f.lineEdit()->selectAll();
    QTest::keyClicks(f.lineEdit(), QStringLiteral(" 12 "));
    QVERIFY(f.editor.save());
    QCOMPARE(f.service.calls, QStringList({QStringLiteral("canEditorHide 1  12 "),
                                           QStringLiteral("adjustEditorValue 1 12"),
                                           QStringLiteral("saveEditorValue 1 1 12.00")}));
    QVERIFY(!f.editor.isEditorOpen());
    QTRY_VERIFY(!f.lineEdit());
}

void TestEngineCustomEditor::refusedValueKeepsTheEditorOpen()
{
    Fixture f;
    f.editor.openEditor(1);
    f.lineEdit()->setText(QStringLiteral("99999"));
    f.service.allowHide = false;
    QTest::keyClick(f.lineEdit(), Qt::Key_Return);
    QVERIFY(f.editor.isEditorOpen());
    QCOMPARE(f.lineEdit()->text(), QStringLiteral("99999"));
    QVERIFY(!f.editor.save());
    QVERIFY(!f.service.calls.join(QLatin1Char('|')).contains(QStringLiteral("saveEditorValue")));

    // A service that refuses to store the value keeps the editor open too.
    f.service.allowHide = true;
    f.service.saveOk = false;
    QVERIFY(!f.editor.save());
    QVERIFY(f.editor.isEditorOpen());
    // Escape gives up without saving.
    f.service.calls.clear();
    QTest::keyClick(f.lineEdit(), Qt::Key_Escape);
    QVERIFY(!f.editor.isEditorOpen());
    QVERIFY(f.service.calls.isEmpty());
}

QTEST_MAIN(TestEngineCustomEditor)
#include "tst_enginecustomeditor.moc"
