#pragma once

#include "orbdrawingwidgets_export.h"

#include "controls/taldialog.h"

#include <QList>
#include <QMetaObject>
#include <QModelIndex>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVector>

class IOrbCodeEntry;
class IOrbDrawingService;
class IOrbDrawset;
class IOrbFieldEntry;
class LumMemTable;
class OrbDrawingInfoDiffWidget;
class OrbDrawingInfoProcessor;
class OrbDrawsetDataTableWidget;
class OrbDrawsetProp;
class QListWidget;
class QTabWidget;

// A test view of what a drawing-info processor calculates for a drawset: its data tables, one tab
// each, the drawing-info values with the previous snapshot beside them, the list of snapshots and
// the processor's debug output.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawsetDataViewWidget : public TalDialog
{
    Q_OBJECT
public:
    explicit OrbDrawsetDataViewWidget(IOrbDrawingService* service, QWidget* parent = nullptr);
    ~OrbDrawsetDataViewWidget() override;

    void setupUi();
    // Follows processor (not owned) and rebuilds the tabs, empty; the same processor again does nothing.
    void setProcessor(OrbDrawingInfoProcessor* processor);
    // Shows the tables of drawset, or empty tables for null; starts a new snapshot series.
    void refreshTableData(IOrbDrawset* drawset);

signals:
    void onPropDoubleClicked(OrbDrawsetProp* pProp);

protected:
    void refreshTableWidgets();
    OrbDrawsetDataTableWidget* addTableWidget(const QString& tableName, const QString& description);
    void clearTableWidgets();
    void setupTableWidgetData(OrbDrawsetDataTableWidget* widget, QSharedPointer<LumMemTable> table);
    QString findFieldDisplayName(const QString& fieldName);

    void addDrawingInfo();
    void showDrawingInfoData(int row);
    void buildDrawingInfoTable();
    void clearDrawingInfoTable();
    void doOutputDebugInfo(const QString& text);
    void outputWindowOnCurrentRowChanged(int row);
    void selectTableWidgetRows(const QString& tableName, const QVector<int>& ids);
    void doDrawSetParamDoubleClicked(const QModelIndex& index);
    void doDrawSetBarDoubleClicked(const QModelIndex& index);
    void doFilterTableDoubleClicked(const QModelIndex& index);
    void doDrawingInfoDoubleClicked(const QModelIndex& index);

private:
    void disconnectProcessor();
    // Fills every tab with the shown drawset's tables as the processor holds them now.
    void fillTables();
    void scheduleTableRefill();
    void emitPropOfRecord(const QModelIndex& index, const QString& fieldName);

    IOrbDrawingService* m_service;
    OrbDrawingInfoProcessor* m_processor = nullptr;
    QListWidget* m_drawingInfoList = nullptr;
    OrbDrawingInfoDiffWidget* m_diffWidget = nullptr;
    QTabWidget* m_tabWidget = nullptr;
    QStringList m_captionNames;
    QList<OrbDrawsetDataTableWidget*> m_tableWidgets;
    QList<IOrbCodeEntry*> m_codeEntries;
    QList<IOrbFieldEntry*> m_fieldEntries;
    QListWidget* m_outputList = nullptr;
    QList<QMetaObject::Connection> m_processorConnections;
    IOrbDrawset* m_drawset = nullptr; // shown drawset, kept by the host while shown
    bool m_refillPending = false;
};
