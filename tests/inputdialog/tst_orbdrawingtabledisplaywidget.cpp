// Guards the table display's extension lifecycle: an extension must be asked for once per new
// processor, its contents deleted and its signal cut before the next one is built, and OK, cancel
// and reset must reach it only while one is held.

#include "fakedrawingdata.h"
#include "fakeinputdialog.h"

#include "inputdialog/orbdrawingtabledisplaywidget.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

class tst_OrbDrawingTableDisplayWidget : public QObject
{
    Q_OBJECT
private slots:
    void init()
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

    void cleanup()
    {
        delete window;
        delete service;
        file.reset();
    }

    void lifecycle()
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
        // Its updates reach the dialog; once released they no longer do, though the host keeps it.
        QSharedPointer<OrbDrawingTableDisplayExtension> held = factory.m_last.toStrongRef();
        QSignalSpy updates(display, &OrbDrawingTableDisplayWidget::updateView);
        static_cast<FakeTableExtension*>(held.data())->emitUpdateView();
        FakeProcessor third(&log);
        third.m_drawset = withoutExt;
        display->setProcessor(&third);
        static_cast<FakeTableExtension*>(held.data())->emitUpdateView();
        QCOMPARE(updates.count(), 1);
        QVERIFY(!display->hasExtension());
        QVERIFY(!display->isVisibleTo(window));
        QVERIFY(display->findChildren<QWidget*>().isEmpty());
        // With no extension held, OK, reset and cancel reach nobody (while one is held they are
        // asserted through the input dialog's buttons).
        log.clear();
        display->saveEdit();
        display->restoreDefValues();
        display->cancelEdit();
        QVERIFY(log.filtered(QStringLiteral("extension:")).isEmpty());
    }

private:
    FakeLog log;
    QSharedPointer<FakeDrawingFile> file;
    FakeDrawingService* service = nullptr;
    FakeDrawset* withExt = nullptr;
    FakeDrawset* withoutExt = nullptr;
    QWidget* window = nullptr;
};

QTEST_MAIN(tst_OrbDrawingTableDisplayWidget)
#include "tst_orbdrawingtabledisplaywidget.moc"
