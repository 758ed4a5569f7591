// End to end on the reference host: a sample well drawset, its formula processor and the editor
// form. A person clicks the depth text where it stands on screen, types and presses Enter; the
// derived volume text must follow. An out-of-range depth must keep the editor open with the
// processor's reason beside it and change nothing.

#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "drawinginfo/orbdrawinginfoparamsvdeditor.h"

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbformulaprocessor.h"
#include "sample/orbsamplelibrary.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class TestDrawingInfoEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void editDepthOnTheDrawing();
};

void TestDrawingInfoEndToEnd::editDepthOnTheDrawing()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY2(OrbSampleLibrary::generate(dir.path(), &error), qPrintable(error));
    OrbDrawingService service(dir.path());
    IOrbDrawset* well = nullptr;
    QStringList files;
    service.fileNames(files);
    for (const QString& name : files) {
        QSharedPointer<IOrbDrawingFile> file;
        service.openFile(file, name);
        QList<IOrbDrawsetType*> types;
        if (file)
            file->drawsetTypes()->getAll(types, true);
        for (IOrbDrawsetType* type : types) {
            QList<IOrbDrawset*> drawsets;
            file->drawsets()->getByType(drawsets, type);
            for (IOrbDrawset* d : drawsets) {
                QString n;
                d->name(n);
                if (!well && n == QStringLiteral("砖砌圆形污水检查井"))
                    well = d;
            }
        }
    }
    QVERIFY(well);

    OrbFormulaProcessor processor;
    processor.setDrawset(well);
    OrbDrawingInfoEditorFrm form(&service);
    form.resize(900, 700);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setProcessor(&processor);
    form.refreshProcessor();

    auto* editor = form.findChild<OrbDrawingInfoParamsVDEditor*>();
    OrbDrawsetProp* depth = form.findProp(QStringLiteral("H"));
    OrbDrawsetProp* volume = form.findProp(QStringLiteral("V"));
    QVERIFY(editor && depth && volume);
    auto shown = [&](OrbDrawsetProp* p) { return QString::fromStdWString(form.findVDText(p)->text()); };
    QCOMPARE(shown(depth), QStringLiteral("2500"));
    QCOMPARE(shown(volume), QStringLiteral("2.34")); // pi * (740^2 - 500^2) * 2500 / 1e9

    auto typeAndEnter = [&](const QString& value) {
        const QPoint at = editor->entityScreenRect(form.findVDText(depth)).center();
        QTest::mouseClick(editor, Qt::LeftButton, Qt::NoModifier, at);
        QLineEdit* edit = editor->findChild<QLineEdit*>(QStringLiteral("orbParamEditor"));
        QVERIFY(edit);
        QCOMPARE(edit->selectedText(), shown(depth));
        QTest::keyClicks(edit, value);
        QTest::keyClick(edit, Qt::Key_Return);
    };

    typeAndEnter(QStringLiteral("3000"));
    QVERIFY(!editor->isEditorOpen());
    QCOMPARE(shown(depth), QStringLiteral("3000"));
    QCOMPARE(shown(volume), QStringLiteral("2.80")); // pi * 297600 * 3000 / 1e9

    typeAndEnter(QStringLiteral("9000"));
    QString reason;
    QVERIFY(!processor.drawsetProps()->validate(depth, QStringLiteral("9000"), reason));
    QCOMPARE(editor->editingVDID(), qint64(depth->vdID()));
    auto* message = editor->findChild<QLabel*>(QStringLiteral("orbParamEditorMessage"));
    QVERIFY(message && message->isVisible());
    QCOMPARE(message->text(), reason);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(depth->value(false), QStringLiteral("3000"));
    QCOMPARE(shown(volume), QStringLiteral("2.80"));
}

QTEST_MAIN(TestDrawingInfoEndToEnd)
#include "tst_drawinginfoendtoend.moc"
