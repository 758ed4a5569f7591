#include "dataview/orbdrawsetdataviewwidget.h"

#include "dataview/orbdrawinginfodiffwidget.h"
#include "dataview/orbdrawsetdatatablewidget.h"

#include "drawingdata/iorbcatalog.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawingservice.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdrawingdatautils.h"
#include "drawingdata/orbdrawinginfoprocessor.h"
#include "drawingdata/orbdrawsetprop.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "grid/lummemtable.h"
#include "grid/orbmemtablemodel.h"
#include "grid/vantroheaderview.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QChar kNavigationMark(0x0001);

// Layout sizes of the dialog.
constexpr int kDiffMinimumWidth = 200;
constexpr int kSnapshotListHeight = 100;
constexpr int kRightPaneMargin = 2;
constexpr int kTabStretch = 2;
constexpr int kOutputStretch = 1;
constexpr int kLeftPaneWidth = 450;
// Caption heights of a filter table: two lines when a readable name was added, else one.
constexpr int kTwoLineHeaderHeight = 45;
constexpr int kOneLineHeaderHeight = 25;

// Draws an output line without the navigation mark; the item's text keeps it for navigation.
class OutputLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override
    {
        QString text = QStyledItemDelegate::displayText(value, locale);
        if (text.startsWith(kNavigationMark))
            text.remove(0, 1);
        return text;
    }
};

// Tab captions have two lines (caption, table name); QTabBar sizes a tab for one line of text.
class TwoLineTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        const int lines = tabText(index).count(QLatin1Char('\n')) + 1;
        size.rheight() += (lines - 1) * fontMetrics().lineSpacing();
        return size;
    }
};

class TableTabWidget : public QTabWidget
{
public:
    explicit TableTabWidget(QWidget* parent)
        : QTabWidget(parent)
    {
        setTabBar(new TwoLineTabBar(this));
    }
};

QString dialogTitle()
{
    return QCoreApplication::translate("OrbDrawingWidgets", "图集数据(测试用)");
}
} // namespace

OrbDrawsetDataViewWidget::OrbDrawsetDataViewWidget(IOrbDrawingService* service, QWidget* parent)
    : TalDialog(parent, QString(), false)
    , m_service(service)
{
    setWindowTitle(dialogTitle());
    setupUi();
}

OrbDrawsetDataViewWidget::~OrbDrawsetDataViewWidget()
{
    disconnectProcessor();
    m_tableWidgets.clear();
    if (m_tabWidget)
        m_tabWidget->clear();
}

void OrbDrawsetDataViewWidget::setupUi()
{
    auto* layout = new QVBoxLayout(this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter, 1);

    auto* groupBox = new QGroupBox(QStringLiteral("当前图集参数数据："), this);
    QSizePolicy leftPolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    leftPolicy.setHorizontalStretch(0);
    leftPolicy.setVerticalStretch(0);
    groupBox->setSizePolicy(leftPolicy);
    auto* leftLayout = new QVBoxLayout(groupBox);
    leftLayout->setContentsMargins(0, 0, 0, 0);

    m_diffWidget = new OrbDrawingInfoDiffWidget(this);
    m_diffWidget->setObjectName(QStringLiteral("drawingInfoDiff"));
    m_diffWidget->setMinimumWidth(kDiffMinimumWidth);
    leftLayout->addWidget(m_diffWidget, 1);
    connect(m_diffWidget, &QAbstractItemView::doubleClicked, this,
            &OrbDrawsetDataViewWidget::doDrawingInfoDoubleClicked);

    m_drawingInfoList = new QListWidget(this);
    m_drawingInfoList->setObjectName(QStringLiteral("drawingInfoList"));
    m_drawingInfoList->setFixedHeight(kSnapshotListHeight);
    leftLayout->addWidget(m_drawingInfoList, 0);
    connect(m_drawingInfoList, &QListWidget::currentRowChanged, this,
            &OrbDrawsetDataViewWidget::showDrawingInfoData);
    splitter->addWidget(groupBox);

    auto* rightPane = new QWidget(this);
    QSizePolicy rightPolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    rightPolicy.setHorizontalStretch(1);
    rightPolicy.setVerticalStretch(0);
    rightPane->setSizePolicy(rightPolicy);
    auto* rightLayout = new QVBoxLayout(rightPane);
    rightLayout->setContentsMargins(kRightPaneMargin, kRightPaneMargin, kRightPaneMargin, kRightPaneMargin);
    auto* rightSplitter = new QSplitter(Qt::Vertical, this);
    rightSplitter->setChildrenCollapsible(false);
    m_tabWidget = new TableTabWidget(this);
    m_tabWidget->setObjectName(QStringLiteral("tables"));
    m_outputList = new QListWidget(this);
    m_outputList->setObjectName(QStringLiteral("outputList"));
    m_outputList->setItemDelegate(new OutputLineDelegate(m_outputList));
    connect(m_outputList, &QListWidget::currentRowChanged, this,
            &OrbDrawsetDataViewWidget::outputWindowOnCurrentRowChanged);
    rightSplitter->addWidget(m_tabWidget);
    rightSplitter->addWidget(m_outputList);
    rightSplitter->setStretchFactor(0, kTabStretch);
    rightSplitter->setStretchFactor(1, kOutputStretch);
    rightLayout->addWidget(rightSplitter);
    splitter->addWidget(rightPane);

    groupBox->resize(kLeftPaneWidth, 0);
}

void OrbDrawsetDataViewWidget::disconnectProcessor()
{
    for (const QMetaObject::Connection& c : qAsConst(m_processorConnections))
        QObject::disconnect(c);
    m_processorConnections.clear();
}

void OrbDrawsetDataViewWidget::setProcessor(OrbDrawingInfoProcessor* processor)
{
    if (processor == m_processor)
        return;
    // A processor set before must not feed this dialog any more.
    disconnectProcessor();
    m_processor = processor;
    m_drawset = nullptr; // the new tabs stay empty until the next refreshTableData
    if (m_processor) {
        m_processorConnections
            << connect(m_processor, &OrbDrawingInfoProcessor::onBeforeCalculate, this,
                       [this]() {
                           if (m_drawingInfoList->count() == 0)
                               addDrawingInfo();
                       })
            << connect(m_processor, &OrbDrawingInfoProcessor::onAfterCalculate, this,
                       [this]() {
                           addDrawingInfo();
                           scheduleTableRefill();
                       })
            << connect(m_processor, &OrbDrawingInfoProcessor::onBeforeChange, this,
                       [this](OrbDrawsetProp*, const QString&) {
                           if (m_drawingInfoList->count() == 0)
                               addDrawingInfo();
                       })
            << connect(m_processor, &OrbDrawingInfoProcessor::onAfterChange, this,
                       [this](OrbDrawsetProp*, QVariant&) {
                           addDrawingInfo();
                           scheduleTableRefill();
                       })
            << connect(m_processor, &OrbDrawingInfoProcessor::onOutputDebugInfo, this,
                       &OrbDrawsetDataViewWidget::doOutputDebugInfo)
            // A processor the host destroys while shown is forgotten rather than left dangling.
            << connect(m_processor, &QObject::destroyed, this, [this]() {
                   m_processor = nullptr;
                   disconnectProcessor();
               });
    }
    refreshTableWidgets();
}

void OrbDrawsetDataViewWidget::clearTableWidgets()
{
    // Removed widgets are deleted (later, as one of them may be the sender of a running signal),
    // so hidden tabs do not pile up.
    for (OrbDrawsetDataTableWidget* widget : qAsConst(m_tableWidgets)) {
        widget->hide();
        widget->deleteLater();
    }
    m_tableWidgets.clear();
    m_tabWidget->clear();
}

void OrbDrawsetDataViewWidget::refreshTableWidgets()
{
    clearTableWidgets();
    if (!m_processor)
        return;

    OrbDrawsetDataTableWidget* widget = addTableWidget(QStringLiteral("DrawSetParam"), QStringLiteral("参数表"));
    connect(widget, &QAbstractItemView::doubleClicked, this, &OrbDrawsetDataViewWidget::doDrawSetParamDoubleClicked);
    widget = addTableWidget(QStringLiteral("DrawSetBar"), QStringLiteral("钢筋表"));
    connect(widget, &QAbstractItemView::doubleClicked, this, &OrbDrawsetDataViewWidget::doDrawSetBarDoubleClicked);

    QList<QPair<QString, QString>*> filterTables;
    m_processor->filterTables(filterTables);
    for (QPair<QString, QString>* pair : qAsConst(filterTables)) {
        if (!pair)
            continue;
        if (!m_captionNames.contains(pair->first))
            m_captionNames.append(pair->first);
        widget = addTableWidget(pair->first, pair->second);
        connect(widget, &QAbstractItemView::doubleClicked, this,
                &OrbDrawsetDataViewWidget::doFilterTableDoubleClicked);
    }
    qDeleteAll(filterTables);

    addTableWidget(QStringLiteral("DrawSetQuantity"), QStringLiteral("工程量表"));
    addTableWidget(QStringLiteral("DrawSetAttribute"), QStringLiteral("扩展属性表"));
}

OrbDrawsetDataTableWidget* OrbDrawsetDataViewWidget::addTableWidget(const QString& tableName,
                                                                    const QString& description)
{
    auto* widget = new OrbDrawsetDataTableWidget(m_tabWidget, nullptr);
    widget->setObjectName(tableName);
    widget->setTableName(tableName);
    widget->setDescription(description);
    widget->model()->setReadonly(true);
    widget->model()->setReadonlyMode(OrbMemTableModel::ReadonlyPlain);
    widget->model()->setCustomBackgroundColor(false);
    widget->setAlternatingRowColors(true);
    widget->setAllowCopy(true);
    m_tableWidgets.append(widget);
    m_tabWidget->addTab(widget, widget->tabText());
    return widget;
}

void OrbDrawsetDataViewWidget::refreshTableData(IOrbDrawset* drawset)
{
    if (!m_processor)
        return;
    buildDrawingInfoTable();

    m_codeEntries.clear();
    m_fieldEntries.clear();
    if (!drawset) {
        setWindowTitle(dialogTitle());
    } else {
        setWindowTitle(dialogTitle() + QLatin1Char(' ') + OrbDrawingDataUtils::getNodeDisplayText(drawset));
        if (IOrbDrawingFile* file = drawset->drawingFile()) {
            if (IOrbCodeCatalog* codes = file->codeCatalog())
                codes->getByDrawset(m_codeEntries, drawset);
            if (IOrbFieldCatalog* fields = file->fieldCatalog())
                fields->getByDrawset(m_fieldEntries, drawset);
        }
    }

    m_drawset = drawset;
    fillTables();
}

void OrbDrawsetDataViewWidget::scheduleTableRefill()
{
    // A save may change many properties at once: the tables are queried once afterwards.
    if (!m_drawset || m_refillPending)
        return;
    m_refillPending = true;
    QTimer::singleShot(0, this, [this]() {
        m_refillPending = false;
        if (m_processor && m_drawset)
            fillTables();
    });
}

void OrbDrawsetDataViewWidget::fillTables()
{
    IOrbDrawset* drawset = m_drawset;
    IOrbDrawsetTableProvider* provider = (drawset && m_service) ? m_service->drawsetTableProvider() : nullptr;
    for (int i = 0; i < m_tableWidgets.count(); ++i) {
        OrbDrawsetDataTableWidget* widget = m_tableWidgets.at(i);
        if (!drawset) {
            setupTableWidgetData(widget, QSharedPointer<LumMemTable>());
            continue;
        }
        QSharedPointer<LumMemTable> table;
        if (provider) {
            const OrbKeyValueList params;
            table = provider->queryTable(drawset, widget->tableName(), params);
        }
        setupTableWidgetData(widget, table);
        widget->setHasData(table && table->recordCount() > 0);
        m_tabWidget->setTabText(i, widget->tabText());
    }
}

void OrbDrawsetDataViewWidget::setupTableWidgetData(OrbDrawsetDataTableWidget* widget,
                                                    QSharedPointer<LumMemTable> table)
{
    if (!widget)
        return;
    widget->setTable(table);

    QStringList names;
    if (table) {
        names = table->fields()->fieldNames();
        // Backwards, so the indexes still to check stay aligned with the table's columns.
        for (int c = names.count() - 1; c >= 0; --c) {
            if (table->columnDataIsNull(c))
                names.removeAt(c);
        }
        names.removeOne(QStringLiteral("DrawSetID"));
    }
    widget->refreshTable(names);
    // Values and captions are shown whole; a table is laid out anew on every fill.
    if (!table || !m_captionNames.contains(table->tableName())) {
        widget->fitColumns();
        return;
    }

    bool changed = false;
    const QList<LumMemField*>& fields = widget->model()->fields();
    for (int i = 0; i < fields.count(); ++i) {
        LumMemField* field = fields.at(i);
        QString name = field->displayName();
        if (name.isEmpty())
            name = findFieldDisplayName(field->fieldName());
        if (name.isEmpty())
            continue;
        field->setDisplayName(field->fieldName() + QLatin1Char('\n') + name);
        changed = true;
    }
    if (changed && !fields.isEmpty())
        emit widget->model()->headerDataChanged(Qt::Horizontal, 0, fields.count() - 1);
    widget->horizontalHeader()->setFixedHeight(changed ? kTwoLineHeaderHeight : kOneLineHeaderHeight);
    widget->fitColumns();
    widget->setFixedColCount(1);
    // The frozen column is drawn by an overlay view: a double-click there counts as one on the tab.
    if (QTableView* frozen = widget->frozenView())
        connect(frozen, &QAbstractItemView::doubleClicked, widget, &QAbstractItemView::doubleClicked,
                Qt::UniqueConnection);
}

QString OrbDrawsetDataViewWidget::findFieldDisplayName(const QString& fieldName)
{
    for (IOrbCodeEntry* entry : qAsConst(m_codeEntries)) {
        if (!entry)
            continue;
        if (entry->code().compare(fieldName, Qt::CaseInsensitive) == 0
            || entry->alias().compare(fieldName, Qt::CaseInsensitive) == 0)
            return entry->displayName();
    }
    for (IOrbFieldEntry* entry : qAsConst(m_fieldEntries)) {
        if (entry && entry->fieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return entry->displayName();
    }
    return QString();
}

void OrbDrawsetDataViewWidget::addDrawingInfo()
{
    if (!m_processor)
        return;
    const QString text = m_processor->toDrawingInfo();
    if (text.isEmpty())
        return;
    m_drawingInfoList->addItem(text);
    m_drawingInfoList->setCurrentRow(m_drawingInfoList->count() - 1);
}

void OrbDrawsetDataViewWidget::showDrawingInfoData(int row)
{
    if (row < 0 || row >= m_drawingInfoList->count())
        return;
    const QChar separator(QLatin1Char(';'));
    OrbKeyValueList current;
    current.loadFromString(m_drawingInfoList->item(row)->text(), separator);
    OrbKeyValueList previous;
    if (row > 0)
        previous.loadFromString(m_drawingInfoList->item(row - 1)->text(), separator);
    m_diffWidget->diffDrawingInfo(current, previous);
}

void OrbDrawsetDataViewWidget::clearDrawingInfoTable()
{
    m_drawingInfoList->clear();
    m_diffWidget->clear();
    m_outputList->clear();
}

void OrbDrawsetDataViewWidget::buildDrawingInfoTable()
{
    clearDrawingInfoTable();
    if (!m_processor)
        return;
    OrbDrawsetProps* props = m_processor->drawsetProps();
    if (!props)
        return;
    const int count = props->count();
    for (int i = 0; i < count; ++i) {
        OrbDrawsetProp* prop = props->at(i);
        if (prop && prop->isDrawingInfo())
            m_diffWidget->appendRow({prop->infoCode(), prop->infoName(), QString(), QString()});
    }
}

void OrbDrawsetDataViewWidget::doOutputDebugInfo(const QString& text)
{
    m_outputList->addItem(text);
}

void OrbDrawsetDataViewWidget::outputWindowOnCurrentRowChanged(int row)
{
    if (row < 0 || row >= m_outputList->count())
        return;
    const QString text = m_outputList->item(row)->text();
    if (text.isEmpty() || text.at(0) != kNavigationMark)
        return;
    const QStringList parts = text.split(QLatin1Char('\t'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (parts.count() < 4)
        return;
    const QString tableName = parts.at(1);
    const QString idText = parts.at(3);
    const int colon = idText.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return;
    QVector<int> ids;
    const QStringList idParts = idText.mid(colon + 1).split(QLatin1Char(';'), Qt::KeepEmptyParts);
    ids.reserve(idParts.count());
    for (const QString& part : idParts) {
        bool ok = false;
        const int id = part.toInt(&ok, 10);
        ids.append(ok ? id : 0);
    }
    selectTableWidgetRows(tableName, ids);
}

void OrbDrawsetDataViewWidget::selectTableWidgetRows(const QString& tableName, const QVector<int>& ids)
{
    for (OrbDrawsetDataTableWidget* widget : qAsConst(m_tableWidgets)) {
        if (widget->tableName().compare(tableName, Qt::CaseInsensitive) != 0)
            continue;
        m_tabWidget->setCurrentWidget(widget);
        widget->selectRowByRecordIDs(ids);
        return;
    }
}

void OrbDrawsetDataViewWidget::emitPropOfRecord(const QModelIndex& index, const QString& fieldName)
{
    if (!m_processor)
        return;
    auto* widget = qobject_cast<OrbDrawsetDataTableWidget*>(sender());
    if (!widget)
        return;
    LumMemRecord* record = widget->model()->findRecordByIndex(index);
    if (!record)
        return;
    OrbDrawsetProps* props = m_processor->drawsetProps();
    if (!props)
        return;
    if (OrbDrawsetProp* prop = props->find(record->value(fieldName).toString()))
        emit onPropDoubleClicked(prop);
}

void OrbDrawsetDataViewWidget::doDrawSetParamDoubleClicked(const QModelIndex& index)
{
    emitPropOfRecord(index, QStringLiteral("Code"));
}

void OrbDrawsetDataViewWidget::doDrawSetBarDoubleClicked(const QModelIndex& index)
{
    emitPropOfRecord(index, QStringLiteral("BarCode"));
}

void OrbDrawsetDataViewWidget::doFilterTableDoubleClicked(const QModelIndex& index)
{
    if (!index.isValid() || index.row() < 0 || index.column() < 0 || !index.model())
        return;
    auto* widget = qobject_cast<OrbDrawsetDataTableWidget*>(sender());
    if (!widget)
        return;
    LumMemField* field = widget->model()->findFieldByIndex(index);
    if (!field)
        return;
    m_diffWidget->selectRowByCode(field->fieldName());
}

void OrbDrawsetDataViewWidget::doDrawingInfoDoubleClicked(const QModelIndex& index)
{
    if (!m_processor)
        return;
    OrbDrawsetProps* props = m_processor->drawsetProps();
    if (!props)
        return;
    if (OrbDrawsetProp* prop = props->find(m_diffWidget->getCodeByIndex(index)))
        emit onPropDoubleClicked(prop);
}
