// The in-place editor driven as a person drives it: hover, click on the text's screen position,
// type, Enter / Tab / Escape / a click elsewhere. A recording service answers and logs, so that a
// commit in the wrong order, a save after a refusal or an editor on a read-only text fails here.

#include "engine/orbcustomvectordrawingeditor.h"
#include "engine/orbvectordrawingeditorservice_autotrans.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {
// Texts 1 and 2 are editable, 3 is read-only, 4 is a plain text; 9 is a line.
class RecordingService : public OrbVectorDrawingEditorService_AutoTrans
{
public:
    QStringList calls;
    bool hide = true;
    bool saved = true;

    bool isParam(qint64 id) override { return id >= 1 && id <= 3; }
    bool isReadOnly(qint64 id) override { return id == 3; }
    void queryParamValue(qint64 id, QString& value, QString&) override { value = QStringLiteral("v%1").arg(id); }
    qint64 getNextParamVDID(qint64 id) override { return id == 1 ? 2 : 1; }
    bool queryToolTip(qint64 id, QString& tip) override
    {
        tip += QStringLiteral("tip%1").arg(id);
        return true;
    }
    bool canEditorHide(qint64 id, const QString& text, QString& out) override
    {
        calls << QStringLiteral("canEditorHide(%1,%2)").arg(id).arg(text);
        out = hide ? text.trimmed() : QStringLiteral("Too deep");
        return hide;
    }
    bool adjustEditorValue(qint64 id, QString& value) override
    {
        calls << QStringLiteral("adjustEditorValue(%1,%2)").arg(id).arg(value);
        value += QStringLiteral(".0");
        return true;
    }
    bool saveEditorValue(std::vector<qint64>&, qint64 id, QString value) override
    {
        calls << QStringLiteral("saveEditorValue(%1,%2)").arg(id).arg(value);
        return saved;
    }
};

struct View : QObject
{
    RecordingService service;
    OrbCustomVectorDrawingEditor editor;
    int paints = 0; // of the editor
    View()
    {
        ZVectorDrawing* d = editor.vectorDrawing();
        d->add(new ZVDText(1, QPointF(0, 0), 10, L"100"));
        d->add(new ZVDText(2, QPointF(0, 40), 10, L"200"));
        d->add(new ZVDText(3, QPointF(0, 80), 10, L"300"));
        d->add(new ZVDText(4, QPointF(60, 80), 10, L"note"));
        d->add(new ZVDLine(9, QPointF(60, 0), QPointF(120, 40)));
        service.setCurID(7);
        editor.setEditorService(&service, true);
        editor.resize(500, 400);
        editor.show();
        editor.zoomAll();
        editor.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override { paints += event->type() == QEvent::Paint; return false; }
    QRect rect(int id) { return editor.entityScreenRect(editor.vectorDrawing()->find(id)); }
    QPoint at(int id) { return rect(id).center(); }
    void click(const QPoint& p) { QTest::mouseClick(&editor, Qt::LeftButton, Qt::NoModifier, p); }
    void move(const QPoint& p)
    {
        QMouseEvent e(QEvent::MouseMove, p, editor.mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&editor, &e);
    }
    QLineEdit* lineEdit() { return editor.findChild<QLineEdit*>(QStringLiteral("orbParamEditor")); }
    QLabel* message() { return editor.findChild<QLabel*>(QStringLiteral("orbParamEditorMessage")); }
};
} // namespace

class tst_OrbCustomVectorDrawingEditor : public QObject
{
    Q_OBJECT
private slots:
    void commit_data()
    {
        QTest::addColumn<int>("key"); // 0: a click elsewhere
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<qint64>("openAfter");
        const QStringList saved{"canEditorHide(1, 5 )", "adjustEditorValue(1,5)", "saveEditorValue(1,5.0)"};
        QTest::newRow("Enter") << int(Qt::Key_Return) << saved << qint64(-1);
        QTest::newRow("click elsewhere") << 0 << saved << qint64(-1);
        QTest::newRow("Tab moves on") << int(Qt::Key_Tab) << saved << qint64(2);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << QStringList() << qint64(-1);
    }

    void commit()
    {
        QFETCH(int, key);
        QFETCH(QStringList, calls);
        QFETCH(qint64, openAfter);
        View v;
        QVERIFY(v.editor.save()); // nothing open
        v.click(v.at(1));
        QLineEdit* edit = v.lineEdit();
        QVERIFY(edit);
        QTest::keyClicks(edit, QStringLiteral(" 5 "));
        if (key)
            QTest::keyClick(edit, Qt::Key(key));
        else
            v.click(QPoint(5, 5));
        QCOMPARE(v.service.calls, calls);
        QCOMPARE(v.editor.editingVDID(), openAfter);
        if (openAfter != -1)
            QCOMPARE(v.lineEdit()->text(), QStringLiteral("v2"));
        else
            QVERIFY(!v.lineEdit());
    }

    void refusal_data()
    {
        QTest::addColumn<bool>("hide");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("saves");
        QTest::newRow("canEditorHide refuses") << false << "Too deep" << 0;
        QTest::newRow("saveEditorValue refuses") << true << "The value was not saved." << 1;
    }

    void refusal()
    {
        QFETCH(bool, hide);
        QFETCH(QString, message);
        QFETCH(int, saves);
        View v;
        v.service.hide = hide;
        v.service.saved = false;
        v.click(v.at(1));
        QTest::keyClicks(v.lineEdit(), QStringLiteral("99"));
        QTest::keyClick(v.lineEdit(), Qt::Key_Return);
        QCOMPARE(v.editor.editingVDID(), qint64(1)); // still open
        QVERIFY(v.message() && v.message()->isVisible());
        QCOMPARE(v.message()->text(), message);
        QVERIFY(v.message()->x() > v.lineEdit()->geometry().right()); // beside it, where there is room
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(v.service.calls.filter("saveEditorValue").size(), saves);
        // Neither a click elsewhere nor save() gets past the refusal.
        v.click(v.at(2));
        QVERIFY(!v.editor.save());
        QCOMPARE(v.editor.editingVDID(), qint64(1));
        // Typing hides the message; Escape gives up.
        QTest::keyClick(v.lineEdit(), Qt::Key_1);
        QVERIFY(!v.message()->isVisible());
        QTest::keyClick(v.lineEdit(), Qt::Key_Escape);
        QVERIFY(!v.editor.isEditorOpen());
    }

    void hoverLeavesWithTheView_data()
    {
        QTest::addColumn<bool>("newDrawing");
        QTest::newRow("refit after a resize (start-up layout)") << false;
        QTest::newRow("the text moves in a reloaded drawing") << true;
    }

    // A still mouse over a value: when the view changes under it, the value it left is no longer
    // highlighted.
    void hoverLeavesWithTheView()
    {
        QFETCH(bool, newDrawing);
        View v;
        v.editor.move(0, 300);
        const QPoint mouse = v.at(2);
        QTRY_VERIFY(v.paints > 0);
        const int paints = v.paints;
        v.move(mouse);
        QCOMPARE(v.editor.hoverVDID(), qint64(2));
        QTRY_VERIFY(v.paints > paints); // the highlight shows at once
        QCOMPARE(v.editor.pos(), QPoint(0, 300)); // only the tip moves up
        // Its tip stands above it: below, where Qt puts tips, it would hide the label a drawing puts there.
        QWidget* tip = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible())
                tip = w;
        QVERIFY(tip);
        QVERIFY(tip->frameGeometry().bottom() < v.editor.mapToGlobal(v.rect(2).topLeft()).y());
        if (newDrawing) {
            static_cast<ZVDText*>(v.editor.vectorDrawing()->find(2))->position = QPointF(60, 40);
            v.editor.vectorDrawing()->notifyChanged();
        } else {
            v.editor.resize(900, 700);
            v.editor.zoomAll();
        }
        QCOMPARE(v.editor.hoverVDID(), qint64(-1));
        // It stands on the box of an editable value, not the brighter one of the hovered value;
        // read-only values stand on none.
        const QImage image = v.editor.grab().toImage();
        QCOMPARE(QColor(image.pixel(v.rect(2).topLeft() - QPoint(1, 1))), QColor(226, 236, 255));
        QVERIFY(QColor(image.pixel(v.rect(3).topLeft() - QPoint(1, 1))) != QColor(226, 236, 255));
    }

    // The owner changes values and read-only flags behind the editor's back and says so: the view
    // shows it at once. The in-place editor shows the whole value.
    void showsTheValues()
    {
        View v;
        using E = OrbCustomVectorDrawingEditor;
        for (auto told : {&E::updateItemData, &E::reloadParams, &E::refreshDrawing}) {
            QTRY_VERIFY(v.paints > 0);
            v.paints = 0;
            (v.editor.*told)();
            QTRY_VERIFY(v.paints > 0);
        }
        v.click(v.at(1));
        QLineEdit* edit = v.lineEdit();
        QVERIFY(edit);
        QTest::keyClicks(edit, QStringLiteral("C12@200 HRB400"));
        // The whole value fits beside the frame (2 px) and text margin (2 px) on each side.
        QVERIFY(edit->width() >= QFontMetrics(edit->font()).horizontalAdvance(edit->text()) + 8);
        QVERIFY(v.editor.rect().contains(edit->geometry()));
    }
};

QTEST_MAIN(tst_OrbCustomVectorDrawingEditor)
#include "tst_orbcustomvectordrawingeditor.moc"
