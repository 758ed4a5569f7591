// The data view on the reference host: a real drawing file, the formula processor and its
// calculated tables. Guards against the view and the processor drifting apart (signals that no
// longer produce snapshots, navigation lines that point at records the tabs do not hold).

#include "dataview/orbdrawinginfodiffwidget.h"
#include "dataview/orbdrawsetdatatablewidget.h"
#include "dataview/orbdrawsetdataviewwidget.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbdrawsetprop.h"
#include "drawingdata/orbformulaprocessor.h"
#include "sample/orbsamplelibrary.h"
#include "grid/lummemrecord.h"
#include "grid/lummemtable.h"
#include "grid/orbmemtablemodel.h"

#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// The value a tab holds in the given field of the record whose "Code" is code.
QString cellText(OrbDrawsetDataTableWidget* tab, const QString& code, const char* field)
{
    LumMemRecord* record = tab->table() ? tab->table()->findRecord(QStringLiteral("Code"), code) : nullptr;
    return record ? record->value(QLatin1String(field)).toString() : QString();
}
} // namespace

class TstDataViewReference : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void editShowsSnapshotAndMark();
    void navigationSelectsRecords();

private:
    void openDrawset();

    QTemporaryDir m_dir;
    QScopedPointer<OrbDrawingService> m_service;
    IOrbDrawset* m_drawset = nullptr;
    QScopedPointer<OrbFormulaProcessor> m_processor;
    QScopedPointer<OrbDrawsetDataViewWidget> m_view;
};

void TstDataViewReference::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QString error;
    const QString folder = OrbSampleLibrary::ensure(m_dir.filePath(QStringLiteral("lib")), &error);
    QVERIFY2(!folder.isEmpty(), qPrintable(error));
    m_service.reset(new OrbDrawingService(folder));
    m_processor.reset(new OrbFormulaProcessor);

    // A drawset whose processor names filter tables.
    QStringList names;
    m_service->fileNames(names);
    for (const QString& name : names) {
        IOrbDrawingFile* file = m_service->findFile(name);
        QList<IOrbDrawsetType*> types;
        file->drawsetTypes()->getAll(types, true);
        for (IOrbDrawsetType* type : types) {
            QList<IOrbDrawset*> drawsets;
            file->drawsets()->getByType(drawsets, type);
            for (IOrbDrawset* drawset : drawsets) {
                m_processor->setDrawset(drawset);
                QList<QPair<QString, QString>*> filters;
                m_processor->filterTables(filters);
                const bool found = !filters.isEmpty();
                qDeleteAll(filters);
                if (found && !m_drawset)
                    m_drawset = drawset;
            }
        }
    }
    QVERIFY(m_drawset);
}

void TstDataViewReference::openDrawset()
{
    m_view.reset(new OrbDrawsetDataViewWidget(m_service.data()));
    m_processor->setDrawset(m_drawset);
    m_view->setProcessor(m_processor.data());
    m_processor->open();
    m_processor->calculate();
    m_view->refreshTableData(m_drawset);
}

void TstDataViewReference::editShowsSnapshotAndMark()
{
    openDrawset();
    auto* tabs = m_view->findChild<QTabWidget*>(QStringLiteral("tables"));
    QVERIFY(tabs->count() > 4);
    QVERIFY(tabs->tabText(0).startsWith(QStringLiteral("参数表 \u2605\n")));
    auto* param = qobject_cast<OrbDrawsetDataTableWidget*>(tabs->widget(0));
    QVERIFY(param->model()->rowCount() > 0);

    auto* snapshots = m_view->findChild<QListWidget*>(QStringLiteral("drawingInfoList"));
    auto* diff = m_view->findChild<OrbDrawingInfoDiffWidget*>();
    QCOMPARE(snapshots->count(), 0);

    OrbDrawsetProps* props = m_processor->drawsetProps();
    OrbDrawsetProp* depth = props->find(QStringLiteral("H"));
    QVERIFY(depth);
    const QString before = depth->value(false);
    const QString after = QString::number(before.toDouble() + 500);
    QVERIFY(props->saveEditorValue({depth}, after));

    QVERIFY(snapshots->count() >= 2);
    QCOMPARE(snapshots->currentRow(), snapshots->count() - 1);
    int row = -1;
    for (int r = 0; r < diff->model()->rowCount(); ++r)
        if (diff->model()->index(r, 0).data().toString() == depth->infoCode())
            row = r;
    QVERIFY(row >= 0);
    // The first snapshot holds the value before the edit; the diff of the edit marks it.
    QVERIFY(snapshots->item(0)->text().contains(depth->infoCode() + QLatin1Char('=') + before));
    snapshots->setCurrentRow(1);
    QCOMPARE(diff->model()->index(row, 2).data().toString(), after);
    QCOMPARE(diff->model()->index(row, 3).data().toString(), before);
    QVERIFY(diff->model()->index(row, 2).data(Qt::BackgroundRole).isValid());

    // The tabs follow the saved value and what was calculated from it; snapshots and output stay.
    auto* quantity = qobject_cast<OrbDrawsetDataTableWidget*>(tabs->widget(tabs->count() - 2));
    const int snapshotCount = snapshots->count();
    QTRY_COMPARE(cellText(param, depth->code(), "Value"), after);
    QCOMPARE(cellText(quantity, QStringLiteral("V"), "Quantity"), props->find(QStringLiteral("V"))->value(false));
    QCOMPARE(snapshots->count(), snapshotCount);
    QCOMPARE(diff->model()->index(row, 3).data().toString(), before);
}

void TstDataViewReference::navigationSelectsRecords()
{
    openDrawset();
    auto* output = m_view->findChild<QListWidget*>(QStringLiteral("outputList"));
    auto* tabs = m_view->findChild<QTabWidget*>(QStringLiteral("tables"));
    m_processor->calculate(); // the output of a refresh starts empty
    int line = -1;
    for (int i = 0; i < output->count() && line < 0; ++i)
        if (output->item(i)->text().startsWith(QChar(0x0001)) && output->item(i)->text().contains(QStringLiteral("\tDrawSetBar\t")))
            line = i;
    QVERIFY2(line >= 0, "the processor wrote no navigation line for the rebar table");
    output->setCurrentRow(line);
    auto* bar = qobject_cast<OrbDrawsetDataTableWidget*>(tabs->currentWidget());
    QVERIFY(bar);
    QCOMPARE(bar->tableName(), QStringLiteral("DrawSetBar"));
    QVERIFY(!bar->selectionModel()->selectedRows().isEmpty());
}

QTEST_MAIN(TstDataViewReference)
#include "tst_dataviewreference.moc"
