// The input dialog against recording fakes, driven as a user drives it: clicks on tree nodes, on
// the buttons and on the bar-information button, Escape, answered questions. The log of host calls
// catches a wrong order (the processor re-targeted before the form let go of it), calls made while
// loading, lost usage events and saves that close the dialog although they failed.

#include "fakedrawingdata.h"
#include "fakeinputdialog.h"

#include "common/orbubclog.h"
#include "controls/orbtipwidget.h"
#include "controls/vantrocombobox.h"
#include "controls/vantropushbutton.h"
#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"
#include "inputdialog/orbdrawingsinputfrm.h"
#include "inputdialog/orbdrawingtabledisplaywidget.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
struct Fixture
{
    FakeLog log;
    FakeDrawingService service{&log};
    QSharedPointer<FakeDrawingFile> rain{new FakeDrawingFile(&log, QStringLiteral("rain.drw"))};
    QSharedPointer<FakeDrawingFile> sewage{new FakeDrawingFile(&log, QStringLiteral("sewage.drw"))};
    QSharedPointer<FakeDrawingFile> all{new FakeDrawingFile(&log, QStringLiteral("all.drw"))};
    FakeDrawset *a = nullptr, *b = nullptr, *c = nullptr, *s = nullptr;
    FakeProcessor processor{&log};
    std::unique_ptr<OrbDrawingsInputFrm> dialog;

    Fixture()
    {
        rain->m_elementTypes = {5020};
        sewage->m_elementTypes = {5030};
        // "all.drw" serves every element type: two types, the first with two drawsets.
        FakeDrawsetType* t1 = all->addType(QStringLiteral("T1"), 5030);
        FakeDrawsetType* t2 = all->addType(QStringLiteral("T2"), 5030);
        a = all->addDrawset(t1, QStringLiteral("A"));
        b = all->addDrawset(t1, QStringLiteral("B"));
        c = all->addDrawset(t2, QStringLiteral("C"));
        s = sewage->addDrawset(sewage->addType(QStringLiteral("S"), 5030), QStringLiteral("S1"));
        ZVectorDrawing drawing;
        drawing.add(new ZVDText(10, QPointF(0, 0), 2.5, L"100"));
        for (FakeDrawset* d : {a, b, c, s})
            OrbVectorDrawingUtils::saveData(&drawing, d->m_drawing, vdsfStream, false);
        processor.m_props.add(QStringLiteral("H"), 10, QStringLiteral("1500"));
        for (const auto& f : {all, rain, sewage})
            service.addFile(f);
        processor.m_entType = 5030;
        processor.m_elementType = 5030;
        dialog.reset(new OrbDrawingsInputFrm(&service));
        OrbUbcLog::instance()->clear();
    }

    OrbDrawingTreeWidget* tree() { return dialog->findChild<OrbDrawingTreeWidget*>(); }
    VantroComboBox* combo() { return dialog->findChild<VantroComboBox*>(QStringLiteral("cbbDrawingNames")); }
    VantroPushButton* button(const char* name) { return dialog->findChild<VantroPushButton*>(QLatin1String(name)); }
    QStringList comboItems()
    {
        QStringList items;
        for (int i = 0; i < combo()->count(); ++i)
            items << combo()->itemText(i);
        return items;
    }
    void showDialog()
    {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void clickNode(IOrbDrawset* drawset, IOrbDrawsetType* type = nullptr)
    {
        OrbDrawingTreeNode* node = drawset ? tree()->findDrawsetNode(drawset) : tree()->findTypeNode(type);
        QVERIFY(node);
        const QRect rect = tree()->visualRect(node->index());
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QStringList processorLoadCalls() const { return log.filtered({"processor.setDrawset", "processor.open", "core."}); }
};
} // namespace

class tst_OrbDrawingsInputFrm : public QObject
{
    Q_OBJECT
private slots:
    void barInfo_data()
    {
        QTest::addColumn<long long>("entType");
        QTest::addColumn<long long>("elementType");
        QTest::addColumn<bool>("button");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("5021: no button") << 5021LL << 5021LL << false << QStringList();
        QTest::newRow("5020") << 5020LL << 5020LL << true << QStringList({"410011", "410011"});
        QTest::newRow("5030") << 5030LL << 5030LL << true << QStringList({"410015", "410015"});
        QTest::newRow("5031 sends nothing") << 5030LL << 5031LL << true << QStringList();
    }

    // The bar-information button leads the bottom row; each click toggles its tip, a click
    // elsewhere hides it.
    void barInfo()
    {
        QFETCH(long long, entType);
        QFETCH(long long, elementType);
        QFETCH(bool, button);
        QFETCH(QStringList, events);
        Fixture f;
        f.processor.m_entType = entType;
        f.processor.m_elementType = elementType;
        FakeProcessor first(&f.log);
        first.m_entType = entType;
        f.dialog->setProcessor(&first);
        f.dialog->setProcessor(&f.processor); // a second refresh must not add another button
        const auto buttons = f.dialog->findChildren<VantroPushButton*>(QStringLiteral("btnBarInfo"));
        QCOMPARE(buttons.size(), button ? 1 : 0);
        if (!button)
            return;
        auto* bottom = f.dialog->findChild<QHBoxLayout*>(QStringLiteral("layoutBottom"));
        QCOMPARE(bottom->indexOf(buttons.first()), 0);
        QCOMPARE(bottom->indexOf(f.button("btnReset")), 1);
        f.showDialog();
        QList<bool> shown;
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(buttons.first(), Qt::LeftButton);
            auto* tip = f.dialog->findChild<OrbTipWidget*>();
            QVERIFY(tip);
            shown << tip->isVisible();
        }
        QCOMPARE(shown, QList<bool>({true, false, true}));
        // Below the button there is no room on this screen: the tip opens above it, against it.
        const QRect anchor(buttons.first()->mapToGlobal(QPoint()), buttons.first()->size());
        const QRect tip = f.dialog->findChild<OrbTipWidget*>()->geometry();
        QVERIFY(tip.bottom() + 1 == anchor.top() && tip.left() == anchor.left());
        QCOMPARE(OrbUbcLog::instance()->codes(), events);
        QTest::mouseClick(f.button("btnReset")->parentWidget(), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!f.dialog->findChild<OrbTipWidget*>()->isVisible());
    }

    void pruningKeepsServingFiles()
    {
        Fixture f;
        QCOMPARE(f.comboItems(), QStringList({"all.drw", "rain.drw", "sewage.drw"}));
        QVERIFY(!(f.dialog->windowFlags() & Qt::FramelessWindowHint)); // a frame to move and close it by
        QVERIFY(f.tree()->drawingFile().isNull()); // nothing loads before a processor arrives
        f.processor.m_entType = 5020;
        f.dialog->setProcessor(&f.processor);
        QCOMPARE(f.comboItems(), QStringList({"all.drw", "rain.drw"}));
        // Pruned items stay gone for a processor the file would serve.
        FakeProcessor second(&f.log);
        second.m_entType = 5030;
        f.dialog->setProcessor(&second);
        QCOMPARE(f.comboItems(), QStringList({"all.drw"}));
    }

    void wellFilter_data()
    {
        QTest::addColumn<long long>("elementType");
        QTest::addColumn<bool>("sewage");
        QTest::newRow("5021 rain-water") << 5021LL << false;
        QTest::newRow("5030 sewage") << 5030LL << true;
    }

    void wellFilter()
    {
        QFETCH(long long, elementType);
        QFETCH(bool, sewage);
        Fixture f;
        f.a->m_keyValues.loadFromString(QStringLiteral("WSJ=1;YSJ=0"), QLatin1Char(';'));
        f.b->m_keyValues.loadFromString(QStringLiteral("WSJ=0;YSJ=1"), QLatin1Char(';'));
        f.processor.m_elementType = elementType;
        f.processor.m_drawset = f.c;
        f.processor.m_displayParams = {{"g", "C30"}};
        f.c->m_name = QStringLiteral("C {g}");
        f.dialog->setProcessor(&f.processor);
        QCOMPARE(f.tree()->findDrawsetNode(f.a) != nullptr, sewage);
        QCOMPARE(f.tree()->findDrawsetNode(f.b) != nullptr, !sewage);
        // No keys: shown for either kind, named with the processor's display parameters.
        QCOMPARE(f.tree()->findDrawsetNode(f.c)->text(), QStringLiteral("C C30"));
    }

    void initialSelection_data()
    {
        QTest::addColumn<int>("start");  // 0: no drawset, 1: drawset C of all.drw, 2: S1 of sewage.drw
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("no drawset: first of first type")
            << 0 << "all.drw" << "A"
            << QStringList({"processor.setDrawset(A)", "core.newTableDisplayExtension(A,5030)", "processor.open"});
        QTest::newRow("drawset of the current file")
            << 1 << "all.drw" << "C" << QStringList({"core.newTableDisplayExtension(C,5030)", "processor.open"});
        QTest::newRow("drawset of another file")
            << 2 << "sewage.drw" << "S1" << QStringList({"core.newTableDisplayExtension(S1,5030)", "processor.open"});
    }

    void initialSelection()
    {
        QFETCH(int, start);
        QFETCH(QString, file);
        QFETCH(QString, current);
        QFETCH(QStringList, calls);
        Fixture f;
        FakeExtensionFactory factory(&f.log);
        f.processor.m_drawset = start == 1 ? static_cast<IOrbDrawset*>(f.c) : start == 2 ? f.s : nullptr;
        f.log.clear();
        f.dialog->setProcessor(&f.processor);
        QCOMPARE(f.combo()->currentText(), file);
        QVERIFY(f.tree()->currentDrawset());
        QCOMPARE(nameOf(f.tree()->currentDrawset()), current);
        QCOMPARE(f.processor.m_drawset, f.tree()->currentDrawset());
        // While the processor's own drawset is put into the widgets no change handler re-targets it.
        QCOMPARE(f.processorLoadCalls(), calls);
        QVERIFY(f.button("btnOk")->isEnabled());
        QCOMPARE(f.dialog->minimumSize(), QSize(548, 315)); // no table extension
        // The same processor again changes nothing.
        f.log.clear();
        f.dialog->setProcessor(&f.processor);
        QVERIFY(f.log.calls().isEmpty());
    }

    // A drawset from a file the dialog does not list: the processor keeps it and is opened, the
    // file choice stays, and the tree offers nothing of another file.
    void drawsetOfAnUnlistedFile()
    {
        Fixture f;
        FakeDrawingFile unlisted(&f.log, QStringLiteral("elsewhere.drw"));
        FakeDrawset* drawset = unlisted.addDrawset(unlisted.addType(QStringLiteral("X"), 5030), QStringLiteral("X1"));
        f.processor.m_drawset = drawset;
        f.log.clear();
        f.dialog->setProcessor(&f.processor);
        QCOMPARE(f.combo()->currentText(), QStringLiteral("all.drw"));
        QCOMPARE(f.processor.m_drawset, drawset);
        QVERIFY(f.log.calls().contains(QStringLiteral("processor.open")));
        QVERIFY(!f.tree()->currentDrawset());
        f.dialog.reset(); // before the unlisted file goes
    }

    void typeNodeDisablesOk()
    {
        Fixture f;
        f.processor.m_drawset = f.a;
        f.dialog->setProcessor(&f.processor);
        f.showDialog();
        f.log.clear();
        f.clickNode(nullptr, f.all->m_types[0].get());
        QCOMPARE(f.processor.m_drawset, nullptr);
        QVERIFY(!f.button("btnOk")->isEnabled());
        QCOMPARE(f.log.filtered(QStringLiteral("processor.setDrawset")), QStringList({"processor.setDrawset(null)"}));

        // Another file while a type node is current: one re-target, straight to its first drawset
        // (the tree drops the old rows without a current-change, which would re-target at "no node").
        f.clickNode(nullptr, f.all->m_types[0].get());
        f.log.clear();
        QTest::keyClick(f.combo(), Qt::Key_Down);
        QCOMPARE(f.combo()->currentText(), QStringLiteral("sewage.drw"));
        QCOMPARE(f.log.filtered(QStringLiteral("processor.setDrawset")), QStringList({"processor.setDrawset(S1)"}));
        QVERIFY(f.button("btnOk")->isEnabled());
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("press"); // "escape" or a button's name
        QTest::addColumn<int>("answer");    // to the reset question
        QTest::addColumn<bool>("saves");    // the processor's answer to OK's save
        QTest::addColumn<long long>("elementType");
        QTest::addColumn<QStringList>("calls"); // questions, saves, restores, extension calls
        QTest::addColumn<bool>("shown");        // the dialog afterwards
        QTest::addColumn<QStringList>("events");
        const int no = QMessageBox::No, yes = QMessageBox::Yes;
        const QString ask = QStringLiteral("question(提示|确认是否恢复当前页默认值？|14000|0)");
        const QString restore = QStringLiteral("processor.restoreDefValues(1)");
        const QString save = QStringLiteral("props.saveEditorValue(H=1800)");
        QTest::newRow("Escape is ignored") << "escape" << no << true << 5030LL << QStringList() << true << QStringList();
        QTest::newRow("cancel") << "btnCancel" << no << true << 5030LL << QStringList{"extension:A.cancelEdit"} << false
                                << QStringList();
        QTest::newRow("reset declined") << "btnReset" << no << true << 5031LL << QStringList{ask} << true << QStringList();
        QTest::newRow("reset 5020") << "btnReset" << yes << true << 5020LL
                                    << QStringList{ask, restore, "extension:A.restoreDefValues"} << true
                                    << QStringList{"410012"};
        QTest::newRow("reset 5022, no event") << "btnReset" << yes << true << 5022LL
                                              << QStringList{ask, restore, "extension:A.restoreDefValues"} << true
                                              << QStringList();
        QTest::newRow("failing save stays open") << "btnOk" << no << false << 5030LL << QStringList{save} << true
                                                 << QStringList();
        QTest::newRow("save accepts") << "btnOk" << no << true << 5030LL << QStringList{save, "extension:A.saveEdit"}
                                      << false << QStringList();
    }

    void buttons()
    {
        QFETCH(QString, press);
        QFETCH(int, answer);
        QFETCH(bool, saves);
        QFETCH(long long, elementType);
        QFETCH(QStringList, calls);
        QFETCH(bool, shown);
        QFETCH(QStringList, events);
        Fixture f;
        FakeExtensionFactory factory(&f.log);
        factory.m_withExtension = {f.a};
        FakeQuestionAnswer question(&f.log, QMessageBox::StandardButton(answer));
        f.processor.m_elementType = elementType;
        f.processor.m_drawset = f.a;
        f.processor.m_drawingID = QStringLiteral("DRW-42");
        f.processor.m_props.m_saveResult = saves;
        f.dialog->setProcessor(&f.processor);
        f.showDialog();
        if (press == "btnOk") { // an edit in progress on the drawing
            auto* editor = f.dialog->findChild<OrbDrawingInfoEditorFrm*>();
            editor->openEditor(f.processor.m_props.find(QStringLiteral("H")));
            for (QLineEdit* e : editor->findChildren<QLineEdit*>())
                e->setText(QStringLiteral("1800"));
        }
        QSignalSpy accepted(f.dialog.get(), &QDialog::accepted);
        QSignalSpy rejected(f.dialog.get(), &QDialog::rejected);
        f.log.clear();
        if (press == "escape") {
            QTest::keyClick(f.dialog.get(), Qt::Key_Escape);
            QTest::keyClick(f.tree(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(f.button(press.toLatin1().constData()), Qt::LeftButton);
        }
        QCOMPARE(f.log.filtered({"question", "processor.restoreDefValues", "props.saveEditorValue", "extension:"}), calls);
        QCOMPARE(f.dialog->isVisible(), shown);
        QCOMPARE(accepted.count() + rejected.count(), shown ? 0 : 1);
        QCOMPARE(accepted.count(), press == "btnOk" && saves ? 1 : 0);
        QCOMPARE(OrbUbcLog::instance()->codes(), events);
        for (const OrbUbcLog::Event& e : OrbUbcLog::instance()->events())
            QCOMPARE(e.param, QStringLiteral("DRW-42"));
    }

    // The table extension's update reaches the drawing: values it changed show at once.
    void extensionUpdateRefreshesDrawing()
    {
        Fixture f;
        FakeExtensionFactory factory(&f.log);
        factory.m_withExtension = {f.a};
        f.processor.m_drawset = f.a;
        f.dialog->setProcessor(&f.processor);
        QCOMPARE(f.dialog->minimumSize(), QSize(706, 315)); // room for the table
        f.processor.m_props.m_props[0]->m_value = QStringLiteral("1700");
        static_cast<FakeTableExtension*>(factory.m_last.toStrongRef().data())->emitUpdateView();
        auto* text = dynamic_cast<ZVDText*>(f.dialog->findChild<OrbDrawingInfoEditorFrm*>()->vectorDrawing()->find(10));
        QCOMPARE(QString::fromStdWString(text->text()), QStringLiteral("1700"));
        // A processor no file serves: the table goes and the dialog narrows again.
        f.all->m_elementTypes = {5030};
        FakeProcessor unserved(&f.log);
        unserved.m_entType = 1;
        f.dialog->setProcessor(&unserved);
        QCOMPARE(f.dialog->minimumSize(), QSize(548, 315));
    }

    // Changes the file reports (made by another view or client) reach the dialog's tree: a rename
    // shows, a removed drawset goes, a new type comes with its drawsets, and the drawset being
    // edited is neither lost nor reloaded. Only when that drawset itself goes is the new current
    // one loaded.
    void followsFileChanges()
    {
        Fixture f;
        f.processor.m_drawset = f.b;
        f.dialog->setProcessor(&f.processor);
        f.log.clear();
        IOrbDrawsetType* t1 = f.a->drawsetType();
        f.b->m_name = QStringLiteral("B2");
        f.a->m_removed = true;
        FakeDrawsetType* t3 = f.all->addType(QStringLiteral("T3"), 5030); // new, with two drawsets
        const QList<FakeDrawset*> added{f.all->addDrawset(t3, QStringLiteral("D")), f.all->addDrawset(t3, QStringLiteral("E"))};
        f.all->notify({{OrbDrawingChange::Renamed, t1, f.b}, {OrbDrawingChange::Removed, t1, f.a},
                       {OrbDrawingChange::Added, t3, added[0]}, {OrbDrawingChange::Added, t3, added[1]}});
        QTRY_VERIFY(!f.tree()->findDrawsetNode(f.a));
        QCOMPARE(f.tree()->findTypeNode(t3)->rowCount(), 2);
        QCOMPARE(f.tree()->findDrawsetNode(f.b)->text(), QStringLiteral("B2"));
        QCOMPARE(f.tree()->currentDrawset(), f.b);
        QCOMPARE(f.processorLoadCalls(), QStringList());

        f.b->m_removed = true;
        f.all->notify({{OrbDrawingChange::Removed, t1, f.b}});
        QTRY_VERIFY(!f.tree()->findTypeNode(t1));
        QCOMPARE(f.processor.m_drawset, f.tree()->currentDrawset());
        QVERIFY(f.processorLoadCalls().contains(QStringLiteral("processor.setDrawset(") + (f.processor.m_drawset ? QStringLiteral("C)") : QStringLiteral("null)"))));
    }
};

QTEST_MAIN(tst_OrbDrawingsInputFrm)
#include "tst_orbdrawingsinputfrm.moc"
