// Guards the table display's extension lifecycle: an extension must be asked for once per new
// processor, its contents deleted and its signal cut before the next one is built, and OK, cancel
// and reset must reach it only while one is held. Also drives the reference extra-rebar table as
// a user does, so edits really go through the processor's validation and save.

#include "fakedrawingdata.h"
#include "fakeinputdialog.h"

#include "inputdialog/orbdrawingtabledisplaywidget.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

class TstOrbDrawingTableDisplayWidget : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void lifecycle();
    void updateViewFollowsCurrentExtension();
    void forwardsOnlyWhileHeld_data();
    void forwardsOnlyWhileHeld();
    void rebarTableEditsThroughProcessor_data();
    void rebarTableEditsThroughProcessor();
    void rebarTableRestoreCancelSave();

private:
    FakeLog log;
    QSharedPointer<FakeDrawingFile> file;
    FakeDrawingService* service = nullptr;
    FakeDrawset* withExt = nullptr;
    FakeDrawset* withoutExt = nullptr;
    QWidget* window = nullptr;
};

void TstOrbDrawingTableDisplayWidget::init()
{
    log.clear();
    file.reset(new FakeDrawingFile(&log, QStringLiteral("wells.drw")));
    FakeDrawsetType* type = file->addType(QStringLiteral("Wells"), 5030);
    withExt = file->addDrawset(type, QStringLiteral("A"));
    withoutExt = file->addDrawset(type, QStringLiteral("B"));
    service = new FakeDrawingService(&log);
    service->addFile(file);
    window = new QWidget;
    window->resize(400, 300);
}

void TstOrbDrawingTableDisplayWidget::cleanup()
{
    delete window;
    delete service;
    file.reset();
}

void TstOrbDrawingTableDisplayWidget::lifecycle()
{
    FakeExtensionFactory factory(&log);
    factory.m_withExtension = {withExt};
    FakeProcessor processor(&log);
    processor.m_elementType = 5030;
    auto* display = new OrbDrawingTableDisplayWidget(service, window);
    window->show();
    QVERIFY(!display->isVisibleTo(window));

    // Without a drawset nobody is asked and the pane stays hidden.
    display->setProcessor(&processor);
    QVERIFY(!display->hasExtension());
    QVERIFY(!display->isVisibleTo(window));
    QVERIFY(log.filtered(QStringLiteral("core.")).isEmpty());

    // A drawset with an extension: asked with the element type, attached, shown.
    FakeProcessor second(&log);
    second.m_elementType = 5030;
    second.m_drawset = withExt;
    log.clear();
    display->setProcessor(&second);
    QCOMPARE(log.filtered(QStringLiteral("core.")) + log.filtered(QStringLiteral("extension:")),
             QStringList({QStringLiteral("core.newTableDisplayExtension(A,5030)"), QStringLiteral("extension:A.attachTo")}));
    QVERIFY(display->hasExtension());
    QVERIFY(display->isVisibleTo(window));
    QPointer<QLabel> content = display->findChild<QLabel*>(QStringLiteral("fakeExtensionContent"));
    QVERIFY(content);

    // The same processor again: the edit is cancelled, nothing is rebuilt.
    log.clear();
    display->setProcessor(&second);
    QCOMPARE(log.calls(), QStringList({QStringLiteral("extension:A.cancelEdit")}));
    QVERIFY(content);

    // A null processor: cancel, contents and extension gone, hidden.
    log.clear();
    display->setProcessor(nullptr);
    QCOMPARE(log.calls(), QStringList({QStringLiteral("extension:A.cancelEdit"), QStringLiteral("extension:A.destroyed")}));
    QVERIFY(!content);
    QVERIFY(!display->hasExtension());
    QVERIFY(!display->isVisibleTo(window));

    // A drawset the host gives no extension: the pane hides rather than show an empty column.
    display->setProcessor(&second);
    QVERIFY(display->isVisibleTo(window));
    FakeProcessor third(&log);
    third.m_drawset = withoutExt;
    display->setProcessor(&third);
    QVERIFY(!display->hasExtension());
    QVERIFY(!display->isVisibleTo(window));
    QVERIFY(display->findChildren<QWidget*>().isEmpty());
}

void TstOrbDrawingTableDisplayWidget::updateViewFollowsCurrentExtension()
{
    FakeExtensionFactory factory(&log);
    factory.m_withExtension = {withExt};
    FakeProcessor first(&log), second(&log);
    first.m_drawset = withExt;
    second.m_drawset = withExt;
    OrbDrawingTableDisplayWidget display(service, window);
    QSignalSpy spy(&display, &OrbDrawingTableDisplayWidget::updateView);

    display.setProcessor(&first);
    QSharedPointer<OrbDrawingTableDisplayExtension> old = factory.m_last.toStrongRef();
    QVERIFY(old);
    static_cast<FakeTableExtension*>(old.data())->emitUpdateView();
    QCOMPARE(spy.count(), 1);

    // After a rebuild the released extension no longer reaches the dialog.
    display.setProcessor(&second);
    static_cast<FakeTableExtension*>(old.data())->emitUpdateView();
    QCOMPARE(spy.count(), 1);
    static_cast<FakeTableExtension*>(factory.m_last.toStrongRef().data())->emitUpdateView();
    QCOMPARE(spy.count(), 2);
}

void TstOrbDrawingTableDisplayWidget::forwardsOnlyWhileHeld_data()
{
    QTest::addColumn<bool>("hasDrawset");
    QTest::addColumn<bool>("declares");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("extension held") << true << true
        << QStringList({QStringLiteral("extension:A.saveEdit"), QStringLiteral("extension:A.restoreDefValues"),
                        QStringLiteral("extension:A.cancelEdit")});
    QTest::newRow("drawset without extension") << true << false << QStringList();
    QTest::newRow("no drawset") << false << true << QStringList();
}

void TstOrbDrawingTableDisplayWidget::forwardsOnlyWhileHeld()
{
    QFETCH(bool, hasDrawset);
    QFETCH(bool, declares);
    QFETCH(QStringList, expected);
    FakeExtensionFactory factory(&log);
    if (declares)
        factory.m_withExtension = {withExt};
    FakeProcessor processor(&log);
    processor.m_drawset = hasDrawset ? withExt : nullptr;
    OrbDrawingTableDisplayWidget display(service, window);
    display.setProcessor(&processor);
    log.clear();
    display.saveEdit();
    display.restoreDefValues();
    display.cancelEdit();
    QCOMPARE(log.filtered(QStringLiteral("extension:")), expected);
}

namespace {
QTableWidget* rebarTable(QWidget* display)
{
    return display->findChild<QTableWidget*>(QStringLiteral("tblExtraRebar"));
}

QLineEdit* openEditor(QTableWidget* table, int row)
{
    const QRect rect = table->visualRect(table->model()->index(row, 2));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, rect.center());
    // A closed editor lingers until deleted later: take the open one.
    for (QLineEdit* editor : table->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}
} // namespace

void TstOrbDrawingTableDisplayWidget::rebarTableEditsThroughProcessor_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("saveResult");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("redraws");
    QTest::newRow("saved") << "3C20" << true << true << "3C20" << QString() << 1;
    QTest::newRow("refused by validation") << "bad" << false << true << "4C16" << "not a rebar" << 0;
    QTest::newRow("save fails") << "3C20" << true << false << "4C16" << "保存失败" << 0;
}

void TstOrbDrawingTableDisplayWidget::rebarTableEditsThroughProcessor()
{
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(bool, saveResult);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    QFETCH(int, redraws);

    withExt->m_keyValues.setValue(QStringLiteral("ExtraRebar"), QStringLiteral("LJ1:2C12, LJ2"));
    FakeProcessor processor(&log);
    processor.m_drawset = withExt;
    processor.m_props.add(QStringLiteral("LJ1"), -1, QStringLiteral("4C16"))->m_infoName = QStringLiteral("附加筋1");
    processor.m_props.add(QStringLiteral("LJ2"), -1, QStringLiteral("2C10"))->m_readOnly = true;
    if (!valid) {
        processor.m_props.m_invalidValues = {typed};
        processor.m_props.m_validateMessage = QStringLiteral("not a rebar");
    }
    processor.m_props.m_saveResult = saveResult;

    auto* display = new OrbDrawingTableDisplayWidget(service, window);
    new QHBoxLayout(window);
    window->layout()->addWidget(display);
    window->show();
    display->setProcessor(&processor);
    QVERIFY(display->hasExtension());
    QTableWidget* table = rebarTable(display);
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("附加筋1"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("4C16"));
    QVERIFY(!(table->item(1, 2)->flags() & Qt::ItemIsEditable));

    QSignalSpy redraw(display, &OrbDrawingTableDisplayWidget::updateView);
    log.clear();
    QLineEdit* editor = openEditor(table, 0);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits on the next event-loop turn.
    QTRY_VERIFY(!log.filtered(QStringLiteral("props.validate")).isEmpty());

    QStringList expected{QStringLiteral("props.validate(LJ1=%1)").arg(typed)};
    if (valid)
        expected << QStringLiteral("props.saveEditorValue(LJ1=%1)").arg(typed);
    QCOMPARE(log.filtered(QStringLiteral("props.")), expected);
    QCOMPARE(table->item(0, 2)->text(), shown);
    QCOMPARE(redraw.count(), redraws);
    auto* label = display->findChild<QLabel*>(QStringLiteral("lblExtraRebarMessage"));
    QVERIFY(label);
    QCOMPARE(label->isVisible(), !message.isEmpty());
    if (!message.isEmpty())
        QCOMPARE(label->text(), message);
}

void TstOrbDrawingTableDisplayWidget::rebarTableRestoreCancelSave()
{
    withExt->m_keyValues.setValue(QStringLiteral("ExtraRebar"), QStringLiteral("LJ1:2C12,LJ2"));
    FakeProcessor processor(&log);
    processor.m_drawset = withExt;
    processor.m_props.add(QStringLiteral("LJ1"), -1, QStringLiteral("4C16"));
    processor.m_props.add(QStringLiteral("LJ2"), -1, QStringLiteral("2C10"));
    auto* display = new OrbDrawingTableDisplayWidget(service, window);
    new QHBoxLayout(window);
    window->layout()->addWidget(display);
    window->show();
    display->setProcessor(&processor);
    QTableWidget* table = rebarTable(display);
    QVERIFY(table);
    QSignalSpy redraw(display, &OrbDrawingTableDisplayWidget::updateView);

    // Cancel drops the typed value: nothing reaches the processor.
    log.clear();
    QLineEdit* editor = openEditor(table, 1);
    QVERIFY(editor);
    editor->setText(QStringLiteral("9C9"));
    display->cancelEdit();
    QVERIFY(log.filtered(QStringLiteral("props.")).isEmpty());
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("2C10"));

    // Save (the dialog's OK) commits the open editor through the processor.
    editor = openEditor(table, 1);
    QVERIFY(editor);
    editor->setText(QStringLiteral("2C14"));
    display->saveEdit();
    QCOMPARE(log.filtered(QStringLiteral("props.saveEditorValue")),
             QStringList({QStringLiteral("props.saveEditorValue(LJ2=2C14)")}));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("2C14"));
    QCOMPARE(redraw.count(), 1);

    // Restore writes the declared default of LJ1 only; LJ2 declares none and keeps its value.
    log.clear();
    display->restoreDefValues();
    QCOMPARE(log.filtered(QStringLiteral("props.saveEditorValue")),
             QStringList({QStringLiteral("props.saveEditorValue(LJ1=2C12)")}));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("2C12"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("2C14"));
    QCOMPARE(redraw.count(), 2);
}

QTEST_MAIN(TstOrbDrawingTableDisplayWidget)
#include "tst_orbdrawingtabledisplaywidget.moc"
