// The data view is a tester's window into the processor: the wrong tab set, a missing star, a lost
// snapshot or a navigation line that selects the wrong records sends them after the wrong fault.
// Every case drives the dialog through the processor's signals or the mouse, over recording fakes.

#include "dataview/orbdrawinginfodiffwidget.h"
#include "dataview/orbdrawsetdatatablewidget.h"
#include "dataview/orbdrawsetdataviewwidget.h"
#include "fakedataviewtables.h"
#include "fakedrawingdata.h"
#include "grid/orbmemtablemodel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using fakedataview::makeTable;
using Filters = QList<QPair<QString, QString>>;
Q_DECLARE_METATYPE(OrbDrawsetProp*)

namespace {
const QString kTitle = QStringLiteral("图集数据(测试用)");

// A person's double-click: the press that picks the cell, then the double-click event.
void doubleClick(QAbstractItemView* view, const QModelIndex& index)
{
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

QStringList fieldNames(OrbDrawsetDataTableWidget* w)
{
    QStringList out;
    for (LumMemField* f : w->model()->fields())
        out << f->fieldName();
    return out;
}
} // namespace

class tst_OrbDrawsetDataViewWidget : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        qRegisterMetaType<OrbDrawsetProp*>();
        m_log.clear();
        m_service = new FakeDrawingService(&m_log);
        m_file = QSharedPointer<FakeDrawingFile>::create(&m_log);
        m_service->addFile(m_file);
        m_drawset = m_file->addDrawset(m_file->addType(QStringLiteral("Wells"), 5020), QStringLiteral("Well A"));
        m_processor = new FakeProcessor(&m_log);
        m_view = new OrbDrawsetDataViewWidget(m_service);
        m_tabs = m_view->findChild<QTabWidget*>(QStringLiteral("tables"));
        QVERIFY(m_tabs);
    }

    void cleanup()
    {
        delete m_view;
        delete m_processor;
        delete m_service;
        m_file.reset();
    }

    void tabSets_data()
    {
        QTest::addColumn<Filters>("filters");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("no filter table") << Filters()
                                         << QStringList{"DrawSetParam", "DrawSetBar", "DrawSetQuantity", "DrawSetAttribute"}
                                         << QStringList{"参数表", "钢筋表", "工程量表", "扩展属性表"};
        QTest::newRow("two filter tables")
            << Filters{{"F1", "Filter one"}, {"F2", "Filter two"}}
            << QStringList{"DrawSetParam", "DrawSetBar", "F1", "F2", "DrawSetQuantity", "DrawSetAttribute"}
            << QStringList{"参数表", "钢筋表", "Filter one", "Filter two", "工程量表", "扩展属性表"};
    }

    void tabSets()
    {
        QFETCH(Filters, filters);
        QFETCH(QStringList, names);
        QFETCH(QStringList, captions);

        QVERIFY(!(m_view->windowFlags() & Qt::FramelessWindowHint)); // a frame to move and close it by
        QCOMPARE(m_tabs->parentWidget()->property("childrenCollapsible"), QVariant(false)); // nor tables dragged away
        m_processor->m_filterTables = filters;
        m_view->setProcessor(m_processor);
        QCOMPARE(m_tabs->count(), names.count());
        for (int i = 0; i < names.count(); ++i) {
            QCOMPARE(tab(i)->tableName(), names.at(i));
            QCOMPARE(m_tabs->tabText(i), captions.at(i) + QLatin1Char('\n') + names.at(i));
            QVERIFY(tab(i)->model()->isReadonly());
        }

        // The same processor again neither rebuilds nor connects twice.
        OrbDrawsetDataTableWidget* first = tab(0);
        m_view->setProcessor(m_processor);
        QCOMPARE(tab(0), first);
        QCOMPARE(m_log.count(QStringLiteral("processor.filterTables")), 1);
        m_processor->m_drawingInfo = QStringLiteral("H=1");
        emit m_processor->onAfterCalculate();
        auto* snapshots = m_view->findChild<QListWidget*>(QStringLiteral("drawingInfoList"));
        QCOMPARE(snapshots->count(), 1);

        // Another processor: the first one no longer feeds the dialog.
        FakeProcessor other(&m_log);
        m_view->setProcessor(&other);
        emit m_processor->onAfterCalculate();
        QCOMPARE(snapshots->count(), 1);

        // No processor: every tab goes, and the removed widgets do not live on.
        m_view->setProcessor(nullptr);
        QCOMPARE(m_tabs->count(), 0);
        QTRY_COMPARE(m_view->findChildren<OrbDrawsetDataTableWidget*>().count(), 0);
    }

    void refreshMarksAndTitle()
    {
        m_view->refreshTableData(m_drawset); // no processor yet: ignored
        QCOMPARE(m_view->windowTitle(), kTitle);
        QVERIFY(m_log.filtered(QStringLiteral("service.")).isEmpty());

        m_view->setProcessor(m_processor);
        setTable("DrawSetBar", {"ID", "BarCode"}, {{1, "N1"}});
        setTable("DrawSetQuantity", {"ID", "Volume"}, {});
        m_view->refreshTableData(m_drawset);

        QCOMPARE(m_view->windowTitle(), kTitle + QStringLiteral(" Well A"));
        QCOMPARE(m_log.filtered(QStringLiteral("service.queryTable")),
                 (QStringList{"service.queryTable(Well A,DrawSetParam)", "service.queryTable(Well A,DrawSetBar)",
                              "service.queryTable(Well A,DrawSetQuantity)",
                              "service.queryTable(Well A,DrawSetAttribute)"}));
        QCOMPARE(m_tabs->tabText(1), QStringLiteral("钢筋表 \u2605\nDrawSetBar"));
        QCOMPARE(m_tabs->tabText(2), QStringLiteral("工程量表\nDrawSetQuantity")); // no rows, no star
        QCOMPARE(tab(1)->model()->rowCount(), 1);
        QVERIFY(!tab(1)->model()->index(0, 0).data(Qt::BackgroundRole).isValid()); // plain, though read-only
        // Both lines of a caption fit into its tab.
        QTabBar oneLine;
        oneLine.addTab(QStringLiteral("钢筋表"));
        QVERIFY(m_tabs->tabBar()->tabRect(1).height() >= oneLine.tabRect(0).height() + m_tabs->fontMetrics().lineSpacing());

        // A recalculation refills the tabs; the snapshots and the output stay.
        setTable("DrawSetBar", {"ID", "BarCode"}, {{1, "N1"}, {2, "N2"}});
        m_processor->m_drawingInfo = QStringLiteral("H=1");
        emit m_processor->onOutputDebugInfo(QStringLiteral("calculated"));
        emit m_processor->onAfterCalculate();
        QTRY_COMPARE(tab(1)->model()->rowCount(), 2);
        QCOMPARE(m_view->findChild<QListWidget*>(QStringLiteral("drawingInfoList"))->count(), 1);
        QCOMPARE(m_view->findChild<QListWidget*>(QStringLiteral("outputList"))->count(), 1);
        // So does each changed value.
        setTable("DrawSetBar", {"ID", "BarCode"}, {{1, "N1"}});
        QVariant changed(1);
        emit m_processor->onAfterChange(nullptr, changed);
        QTRY_COMPARE(tab(1)->model()->rowCount(), 1);

        // Nothing shown: plain title, empty tables, the marks as they were.
        m_view->refreshTableData(nullptr);
        QCOMPARE(m_view->windowTitle(), kTitle);
        QCOMPARE(tab(1)->model()->rowCount(), 0);
        QCOMPARE(tab(1)->model()->columnCount(), 0);
        QVERIFY(tab(1)->hasData());
        QCOMPARE(m_tabs->tabText(1), QStringLiteral("钢筋表 \u2605\nDrawSetBar"));
    }

    // Null columns and DrawSetID are not shown.
    void shownColumns()
    {
        const QStringList fields{"ID", "Empty", "DrawSetID", "Code", "Value"}, shown{"ID", "Code", "Value"};
        QVariantList row, row2;
        for (const QString& f : fields) {
            row << (f == QLatin1String("Empty") ? QVariant() : QVariant(f + QStringLiteral("1")));
            row2 << (f == QLatin1String("Empty") ? QVariant() : QVariant(f + QStringLiteral("2")));
        }
        m_view->setProcessor(m_processor);
        setTable("DrawSetParam", fields, {row, row2});
        // The columns go as the model tells its views, or headers and cells fall out of step.
        QAbstractItemModelTester tester(tab(0)->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_view->refreshTableData(m_drawset);
        QCOMPARE(fieldNames(tab(0)), shown);
        QCOMPARE(tab(0)->model()->rowCount(), 2);
        QCOMPARE(tab(0)->model()->index(1, shown.count() - 1).data().toString(), shown.last() + QStringLiteral("2"));
    }

    // Columns are sized from the rows in view: a value scrolled into view later, or on a tab
    // shown later, must still widen its column rather than show cut off.
    void valuesShownWhole()
    {
        const QString wide = QStringLiteral("a value far wider than every other value of its column");
        QList<QVariantList> rows;
        for (int r = 1; r <= 300; ++r)
            rows << QVariantList{r, r == 300 ? wide : QStringLiteral("v")};
        m_view->setProcessor(m_processor);
        setTable("DrawSetParam", {"ID", "V"}, rows);
        setTable("DrawSetBar", {"ID", "V"}, {{1, wide}});
        showDialog();
        m_view->refreshTableData(m_drawset);
        const int needed = tab(0)->fontMetrics().horizontalAdvance(wide);
        QVERIFY(tab(0)->columnWidth(1) < needed); // the wide value starts out of view
        tab(0)->scrollToBottom();
        QVERIFY(tab(0)->columnWidth(1) > needed);
        m_tabs->setCurrentIndex(1);
        QVERIFY(tab(1)->columnWidth(1) > needed);
        // New data sizes the columns afresh: narrow values do not keep the old width.
        setTable("DrawSetBar", {"ID", "V"}, {{1, "v"}});
        m_view->refreshTableData(m_drawset);
        QVERIFY(tab(1)->columnWidth(1) < needed);
    }

    void filterCaptions_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("headerHeight");
        QTest::addColumn<int>("fixedColumns");
        QTest::addColumn<QString>("ownName"); // display name of the third column
        QTest::newRow("code, other case") << "F1" << "h1" << "h1\n井深" << 45 << 1 << "";
        QTest::newRow("alias, other case") << "F1" << "ALIAS_B" << "ALIAS_B\n宽度" << 45 << 1 << "";
        QTest::newRow("field entry") << "F1" << "Vol" << "Vol\n体积" << 45 << 1 << "";
        QTest::newRow("own display name") << "F1" << "Zzz" << "Zzz" << 45 << 1 << "Other name";
        QTest::newRow("no match") << "F1" << "Zzz" << "Zzz" << 25 << 1 << "";
        QTest::newRow("not a filter table") << "DrawSetParam" << "h1" << "h1" << -1 << 0 << "Other name";
    }

    void filterCaptions()
    {
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(QString, caption);
        QFETCH(int, headerHeight);
        QFETCH(int, fixedColumns);
        QFETCH(QString, ownName);

        m_file->addCode(m_drawset, QStringLiteral("H1"), QStringLiteral("alias_h"), QStringLiteral("井深"));
        m_file->addCode(m_drawset, QStringLiteral("B1"), QStringLiteral("alias_b"), QStringLiteral("宽度"));
        m_file->addField(m_drawset, QStringLiteral("vol"), QStringLiteral("体积"));
        m_processor->m_filterTables = {{"F1", "Filter one"}};
        m_view->setProcessor(m_processor);
        const int index = table == QLatin1String("F1") ? 2 : 0;
        const int defaultHeight = tab(index)->horizontalHeader()->maximumHeight();
        setTable(table, {"ID", field, "Other"}, {{1, 10, 20}}, {"", "", ownName});
        m_view->refreshTableData(m_drawset);

        OrbMemTableModel* model = tab(index)->model();
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), caption);
        // A display name of its own goes on the second line of a filter table's caption as well.
        const QString other = ownName.isEmpty() ? QStringLiteral("Other")
                              : index == 2      ? QStringLiteral("Other\n") + ownName
                                                : ownName;
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), other);
        QHeaderView* header = tab(index)->horizontalHeader();
        if (headerHeight < 0) {
            QCOMPARE(header->maximumHeight(), defaultHeight);
        } else {
            QCOMPARE(header->minimumHeight(), headerHeight);
            QCOMPARE(header->maximumHeight(), headerHeight);
        }
        QCOMPARE(tab(index)->fixedColCount(), fixedColumns);
        // Another drawset's captions owe nothing to the entries of the one shown before.
        IOrbDrawset* wellB = m_file->addDrawset(m_drawset->m_type, QStringLiteral("Well B"));
        m_service->m_tables.insert(qMakePair(wellB, table), makeTable(table, {"ID", field}, {{1, 10}}));
        m_view->refreshTableData(wellB);
        QCOMPARE(tab(index)->model()->headerData(1, Qt::Horizontal).toString(), field);
    }

    void snapshotSeries()
    {
        FakeProps& props = m_processor->m_props;
        props.add(QStringLiteral("H"), 1);
        props.add(QStringLiteral("Hidden"), 2)->m_drawingInfo = false;
        props.add(QStringLiteral("B"), 3);
        m_view->setProcessor(m_processor);
        m_view->refreshTableData(m_drawset);

        auto* snapshots = m_view->findChild<QListWidget*>(QStringLiteral("drawingInfoList"));
        auto* diff = m_view->findChild<OrbDrawingInfoDiffWidget*>();
        QAbstractItemModel* rows = diff->model();
        QCOMPARE(rows->rowCount(), 2); // drawing-info properties only
        QCOMPARE(rows->index(1, 0).data().toString(), QStringLiteral("B"));

        // A calculation on an empty list: the state before and the state after.
        m_processor->m_drawingInfo = QStringLiteral("H=1200;B=800");
        emit m_processor->onBeforeCalculate();
        m_processor->m_drawingInfo = QStringLiteral("H=1200;B=900");
        emit m_processor->onAfterCalculate();
        QCOMPARE(snapshots->count(), 2);
        QCOMPARE(snapshots->currentRow(), 1);
        QCOMPARE(rows->index(1, 2).data().toString(), QStringLiteral("900"));
        QCOMPARE(rows->index(1, 3).data().toString(), QStringLiteral("800"));
        // Both values of a changed code are marked, never its code; no value is editable.
        QVERIFY(rows->index(1, 2).data(Qt::BackgroundRole).isValid() && rows->index(1, 3).data(Qt::BackgroundRole).isValid());
        QVERIFY(!rows->index(0, 2).data(Qt::BackgroundRole).isValid() && !rows->index(1, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(!(rows->flags(rows->index(1, 2)) & Qt::ItemIsEditable));
        QVERIFY(!diff->horizontalHeader()->sectionsMovable()); // nor dragged out of their order

        // A change while the list holds snapshots adds one, not two.
        m_processor->m_drawingInfo = QStringLiteral("H=1500;B=900");
        emit m_processor->onBeforeChange(props.at(0), QStringLiteral("1500"));
        QVariant value(1500);
        emit m_processor->onAfterChange(props.at(0), value);
        QCOMPARE(snapshots->count(), 3);
        QCOMPARE(snapshots->currentItem()->text(), QStringLiteral("H=1500;B=900"));
        QVERIFY(rows->index(0, 2).data(Qt::BackgroundRole).isValid());

        // An empty drawing-info text adds no snapshot.
        m_processor->m_drawingInfo.clear();
        emit m_processor->onAfterCalculate();
        QCOMPARE(snapshots->count(), 3);

        // The user picks the first snapshot: no previous values and no mark.
        showDialog();
        QTest::mouseClick(snapshots->viewport(), Qt::LeftButton, {},
                          snapshots->visualItemRect(snapshots->item(0)).center());
        QCOMPARE(snapshots->currentRow(), 0);
        QCOMPARE(rows->index(1, 2).data().toString(), QStringLiteral("800"));
        QCOMPARE(rows->index(1, 3).data().toString(), QString());
        QVERIFY(!rows->index(1, 2).data(Qt::BackgroundRole).isValid() && !rows->index(1, 3).data(Qt::BackgroundRole).isValid());

        // Debug output is collected; a refresh starts a new series and a new log.
        emit m_processor->onOutputDebugInfo(QStringLiteral("calculated"));
        auto* output = m_view->findChild<QListWidget*>(QStringLiteral("outputList"));
        QCOMPARE(output->count(), 1);
        QCOMPARE(output->currentRow(), -1);
        m_view->refreshTableData(m_drawset);
        QCOMPARE(snapshots->count(), 0);
        QCOMPARE(output->count(), 0);
        QCOMPARE(rows->rowCount(), 2);
    }

    void navigation_data()
    {
        const QString soh(QChar(0x0001));
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("tabIndex");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("two records") << soh + "x\tDrawSetBar\ty\tbar:3;7" << 1 << QList<int>{1, 3};
        QTest::newRow("lower case table") << soh + "\tdrawsetbar\t\tb:7\textra" << 1 << QList<int>{3};
        QTest::newRow("empty part is ID 0") << soh + "\tDrawSetBar\t\tb:3;;9" << 1 << QList<int>{0, 1};
        // A record named twice stays selected.
        QTest::newRow("same ID twice") << soh + "\tDrawSetBar\t\tb:3;3" << 1 << QList<int>{1};
        QTest::newRow("no mark") << "x\tDrawSetBar\ty\tbar:3;7" << 0 << QList<int>{};
        QTest::newRow("unknown table") << soh + "\tNoTable\t\tb:3" << 0 << QList<int>{};
    }

    void navigation()
    {
        QFETCH(QString, line);
        QFETCH(int, tabIndex);
        QFETCH(QList<int>, rows);

        m_view->setProcessor(m_processor);
        setTable("DrawSetBar", {"ID", "BarCode"}, {{0, "N0"}, {3, "N3"}, {5, "N5"}, {7, "N7"}});
        m_view->refreshTableData(m_drawset);
        showDialog();
        OrbDrawsetDataTableWidget* bar = tab(1);
        const QAbstractItemView::SelectionMode mode = bar->selectionMode();
        bar->selectRow(2); // an old selection that a followed line replaces

        auto* output = m_view->findChild<QListWidget*>(QStringLiteral("outputList"));
        QVERIFY(output->mapTo(m_view, QPoint()).y() >= m_tabs->mapTo(m_view, QPoint()).y() + m_tabs->height()); // under the tables
        emit m_processor->onOutputDebugInfo(QStringLiteral("plain line"));
        emit m_processor->onOutputDebugInfo(line);
        QTest::mouseClick(output->viewport(), Qt::LeftButton, {}, output->visualItemRect(output->item(1)).center());
        QCOMPARE(output->currentRow(), 1);

        QCOMPARE(m_tabs->currentIndex(), tabIndex);
        QList<int> selected;
        for (const QModelIndex& i : bar->selectionModel()->selectedRows())
            selected << i.row();
        std::sort(selected.begin(), selected.end());
        QCOMPARE(selected, tabIndex == 1 ? rows : QList<int>{2});
        QCOMPARE(bar->selectionMode(), mode);
        // The mark is not drawn: the line looks like the same text without it.
        const QString shown = QStringLiteral("公式\tDrawSetBar\tV\t参数:7;2");
        output->addItem(QChar(0x0001) + shown);
        output->addItem(shown);
        output->doItemsLayout();
        const QImage shot = output->viewport()->grab().toImage();
        QCOMPARE(shot.copy(output->visualItemRect(output->item(2))), shot.copy(output->visualItemRect(output->item(3))));
    }

    void propDoubleClicks_data()
    {
        QTest::addColumn<int>("where"); // 0 parameter tab, 1 rebar tab, 2 diff table
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("prop");
        QTest::newRow("parameter") << 0 << 1 << 2 << "B";
        QTest::newRow("parameter without property") << 0 << 0 << 1 << "";
        QTest::newRow("rebar") << 1 << 0 << 0 << "N1";
        QTest::newRow("diff row, value column") << 2 << 1 << 3 << "N1";
    }

    void propDoubleClicks()
    {
        QFETCH(int, where);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, prop);

        m_processor->m_props.add(QStringLiteral("B"), 1);
        m_processor->m_props.add(QStringLiteral("N1"), 2);
        m_view->setProcessor(m_processor);
        setTable("DrawSetParam", {"ID", "Code", "Value"}, {{1, "Q", 1}, {2, "B", 2}});
        setTable("DrawSetBar", {"BarCode", "Grade"}, {{"N1", "HRB400"}, {"N9", "HRB400"}});
        m_view->refreshTableData(m_drawset);
        showDialog();

        QAbstractItemView* view = where == 2 ? static_cast<QAbstractItemView*>(m_view->findChild<OrbDrawingInfoDiffWidget*>())
                                             : tab(where);
        m_tabs->setCurrentIndex(where == 1 ? 1 : 0);
        QSignalSpy spy(m_view, &OrbDrawsetDataViewWidget::onPropDoubleClicked);
        const QModelIndex index = view->model()->index(row, column);
        QVERIFY(index.isValid() && !(index.flags() & Qt::ItemIsEditable)); // opens no editor either
        doubleClick(view, index);
        if (prop.isEmpty()) {
            QCOMPARE(spy.count(), 0);
        } else {
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.at(0).at(0).value<OrbDrawsetProp*>(), m_processor->m_props.find(prop));
        }
    }

    void filterCellSelectsDiffRow()
    {
        m_processor->m_props.add(QStringLiteral("H"), 1);
        m_processor->m_props.add(QStringLiteral("B"), 2);
        m_processor->m_filterTables = {{"F1", "Filter one"}};
        m_view->setProcessor(m_processor);
        setTable("F1", {"ID", "b", "Zzz"}, {{1, 800, 5}});
        m_view->refreshTableData(m_drawset);
        showDialog();
        m_tabs->setCurrentIndex(2);
        OrbDrawsetDataTableWidget* filter = tab(2);
        auto* diff = m_view->findChild<OrbDrawingInfoDiffWidget*>();

        doubleClick(filter, filter->model()->index(0, 1));
        QCOMPARE(diff->selectionModel()->selectedRows().count(), 1);
        QCOMPARE(diff->selectionModel()->selectedRows().first().row(), 1);

        // The first column stays in place over an overlay; a double-click there counts the same.
        QTableView* frozen = filter->frozenView();
        QVERIFY(frozen);
        diff->clearSelection();
        doubleClick(frozen, frozen->model()->index(0, 0)); // "ID" names no code: nothing selected
        QCOMPARE(diff->selectionModel()->selectedRows().count(), 0);
        m_processor->m_props.add(QStringLiteral("ID"), 3);
        m_view->refreshTableData(m_drawset);
        doubleClick(frozen, frozen->model()->index(0, 0));
        QCOMPARE(diff->selectionModel()->selectedRows().count(), 1);
        QCOMPARE(diff->selectionModel()->selectedRows().first().row(), 2);

        // A column that names no drawing-info code leaves the selection as it was.
        doubleClick(filter, filter->model()->index(0, 2));
        QCOMPARE(diff->selectionModel()->selectedRows().count(), 1);
        QCOMPARE(diff->selectionModel()->selectedRows().first().row(), 2);
    }

private:
    // The table the service answers for the drawset.
    void setTable(const QString& name, const QStringList& fields, const QList<QVariantList>& rows,
                  const QStringList& displayNames = {})
    {
        m_service->m_tables.insert({m_drawset, name}, makeTable(name, fields, rows, displayNames));
    }
    OrbDrawsetDataTableWidget* tab(int i) const
    {
        return qobject_cast<OrbDrawsetDataTableWidget*>(m_tabs->widget(i));
    }
    void showDialog()
    {
        m_view->resize(1100, 600);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view));
    }

    FakeLog m_log;
    FakeDrawingService* m_service = nullptr;
    QSharedPointer<FakeDrawingFile> m_file;
    FakeDrawset* m_drawset = nullptr;
    FakeProcessor* m_processor = nullptr;
    OrbDrawsetDataViewWidget* m_view = nullptr;
    QTabWidget* m_tabs = nullptr;
};

QTEST_MAIN(tst_OrbDrawsetDataViewWidget)
#include "tst_orbdrawsetdataviewwidget.moc"
