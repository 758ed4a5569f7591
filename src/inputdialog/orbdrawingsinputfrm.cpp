#include "inputdialog/orbdrawingsinputfrm.h"
#include "ui_orbdrawingsinputfrm.h"

#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"
#include "inputdialog/orbdrawingtabledisplaywidget.h"

#include "common/orbubc.h"
#include "controls/orbdeskutils.h"
#include "controls/orbtipwidget.h"
#include "controls/talmessagebox.h"
#include "controls/vantrocombobox.h"
#include "controls/vantropushbutton.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawingservice.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdrawinginfoprocessor.h"

#include <QCoreApplication>
#include <QImage>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMap>
#include <QPixmap>
#include <QSet>

namespace {
// Element types of the host's well elements.
enum ElementType : long long {
    RainWellConcrete = 5020,
    RainWellBrick = 5021,
    RainWellOther = 5022,
    SewageWellConcrete = 5030,
    SewageWellBrick = 5031,
};

// Usage-event codes: reset to defaults per element type, and the rebar guide opened.
constexpr const char* kResetUbcRainConcrete = "410012";
constexpr const char* kResetUbcSewageConcrete = "410016";
constexpr const char* kResetUbcRainBrick = "420012";
constexpr const char* kResetUbcSewageBrick = "420016";
constexpr const char* kBarInfoUbcRain = "410011";
constexpr const char* kBarInfoUbcSewage = "410015";

// Layout sizes.
const QSize kFormSize(1336, 700);
const QSize kMinimumSize(548, 315);
const QSize kMinimumSizeWithTable(706, 315);
const QSize kLeftSize(258, 574);
const QSize kBarInfoSize(215, 324);
constexpr int kLeftMinimumWidth = 158;
constexpr int kCentreMinimumWidth = 340;
constexpr int kTableMinimumWidth = 158;

bool hasBarInfo(long long elementType)
{
    return elementType == RainWellConcrete || elementType == SewageWellConcrete;
}
} // namespace

OrbDrawingsInputFrm::OrbDrawingsInputFrm(IOrbDrawingService* service, QWidget* parent)
    : TalDialog(parent, QString(), false), ui(new Ui::OrbDrawingsInputFrm), m_drawingService(service)
{
    ui->setupUi(this);
    ui->widgetLeft->setMinimumWidth(kLeftMinimumWidth);
    ui->widgetCenter->setMinimumWidth(kCentreMinimumWidth);

    setWindowTitle(QCoreApplication::translate("OrbDrawingWidgets", "云图集"));
    ui->btnReset->setText(QCoreApplication::translate("OrbDrawingWidgets", "恢复默认值"));
    ui->btnOk->setText(QCoreApplication::translate("OrbDrawingWidgets", "确定"));
    ui->btnCancel->setText(QCoreApplication::translate("OrbDrawingWidgets", "取消"));
    for (VantroPushButton* button : {ui->btnReset, ui->btnOk, ui->btnCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    m_drawingTree = new OrbDrawingTreeWidget(this);
    ui->layoutLeft->addWidget(m_drawingTree);

    m_infoEditor = new OrbDrawingInfoEditorFrm(service, this);
    ui->layoutCenter->addWidget(m_infoEditor);

    m_tableDisplay = new OrbDrawingTableDisplayWidget(service, ui->splitter);
    m_tableDisplay->setMinimumWidth(kTableMinimumWidth);
    m_tableDisplay->hide();
    ui->splitter->addWidget(m_tableDisplay);

    loadData();

    connect(ui->cbbDrawingNames, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OrbDrawingsInputFrm::doDrawingNameChanged);
    if (QItemSelectionModel* selection = m_drawingTree->selectionModel())
        connect(selection, &QItemSelectionModel::currentRowChanged, this, &OrbDrawingsInputFrm::doDrawsetNodeChanged);
    connect(m_tableDisplay, &OrbDrawingTableDisplayWidget::updateView, this, &OrbDrawingsInputFrm::onUpdateView);
    connect(this, &OrbDrawingsInputFrm::onZoomAll, this, &OrbDrawingsInputFrm::zoomAll, Qt::QueuedConnection);

    setParent(parent, windowFlags());
    resize(OrbDeskUtils::calcFormSize(kFormSize.width(), kFormSize.height()));
    adjustFormMinimumSize();
    ui->widgetLeft->resize(kLeftSize);
}

OrbDrawingsInputFrm::~OrbDrawingsInputFrm()
{
    delete ui;
}

void OrbDrawingsInputFrm::loadData()
{
    IOrbDrawingFileRegistry* files = m_drawingService ? m_drawingService->drawingFiles() : nullptr;
    if (!files)
        return;
    QStringList names;
    files->fileNames(names);
    ui->cbbDrawingNames->addItems(names);
}

void OrbDrawingsInputFrm::setProcessor(OrbDrawingInfoProcessor* processor)
{
    if (processor == m_processor)
        return;
    m_processor = processor;
    m_infoEditor->setProcessor(processor);
    m_tableDisplay->setProcessor(processor);
    refreshData();
}

void OrbDrawingsInputFrm::refreshData()
{
    if (!m_processor)
        return;
    // Not loading yet: when pruning removes the current file, the combo's handler loads the file
    // that becomes current, with its first drawset.
    initUiByElementType(m_processor->entType());

    m_drawingTree->setVisibleEntSet(QSet<long long>{m_processor->entType()});
    const long long elementType = m_processor->elementType();
    const bool rainWater = elementType == RainWellConcrete || elementType == RainWellBrick || elementType == RainWellOther;
    m_drawingTree->setWellIsSewageType(QVariant(!rainWater));
    QMap<QString, QString> params;
    m_processor->displayParams(params);
    m_drawingTree->setDisplayParams(params);

    IOrbDrawset* drawset = m_processor->drawset();
    if (!drawset) {
        if (ui->cbbDrawingNames->count() > 0)
            switchDrawingFile(ui->cbbDrawingNames->currentIndex());
        adjustFormMinimumSize();
        return;
    }

    m_loading = true;
    QString fileName;
    if (IOrbDrawingFile* file = drawset->drawingFile())
        file->fileName(fileName);
    int found = -1;
    for (int i = ui->cbbDrawingNames->count() - 1; i >= 0; --i) {
        if (ui->cbbDrawingNames->itemText(i) == fileName) {
            found = i;
            break;
        }
    }
    if (found >= 0) {
        ui->cbbDrawingNames->setCurrentIndex(found);
        showDrawingFile(fileName);
    }
    if (OrbDrawingTreeNode* node = m_drawingTree->findDrawsetNode(m_processor->drawset()))
        m_drawingTree->setFocusNode(node);
    m_processor->open();
    m_infoEditor->refreshViewer();
    m_loading = false;
    adjustFormMinimumSize();
}

void OrbDrawingsInputFrm::switchDrawingFile(int index)
{
    Q_UNUSED(index); // the file is the one the combo box shows
    showDrawingFile(ui->cbbDrawingNames->currentText());
    if (!m_drawingTree->hasData())
        return;
    OrbDrawingTreeNode* typeNode = m_drawingTree->getFirstNode(nullptr);
    if (typeNode && typeNode->hasChildren())
        m_drawingTree->setFocusNode(m_drawingTree->getFirstNode(typeNode));
}

void OrbDrawingsInputFrm::showDrawingFile(const QString& name)
{
    QSharedPointer<IOrbDrawingFile> file;
    if (IOrbDrawingFileRegistry* files = m_drawingService ? m_drawingService->drawingFiles() : nullptr)
        files->openFile(file, name);
    m_drawingTree->setDrawingFile(file);
    m_drawingTree->expandAll();
}

void OrbDrawingsInputFrm::doDrawingNameChanged(int index)
{
    if (!m_loading)
        switchDrawingFile(index);
}

void OrbDrawingsInputFrm::doDrawsetNodeChanged(const QModelIndex& current, const QModelIndex& previous)
{
    Q_UNUSED(current);
    Q_UNUSED(previous);
    if (m_loading)
        return;
    // No current node (its row was removed) counts as a type node: no drawset.
    IOrbDrawset* drawset = m_drawingTree->currentDrawset();
    switchDrawset(drawset);
    ui->btnOk->setEnabled(drawset != nullptr);
}

void OrbDrawingsInputFrm::switchDrawset(IOrbDrawset* drawset)
{
    if (!m_processor)
        return;
    m_infoEditor->setProcessor(nullptr);
    m_tableDisplay->setProcessor(nullptr);
    m_processor->setDrawset(drawset);
    m_infoEditor->setProcessor(m_processor);
    m_tableDisplay->setProcessor(m_processor);
    m_infoEditor->refreshProcessor();
    adjustFormMinimumSize();
    emit onZoomAll(); // queued: the zoom runs once the new layout has settled
}

void OrbDrawingsInputFrm::zoomAll()
{
    m_infoEditor->zoomAll();
}

void OrbDrawingsInputFrm::adjustFormMinimumSize()
{
    if (m_tableDisplay && m_tableDisplay->hasExtension())
        setMinimumSize(kMinimumSizeWithTable);
    else
        setMinimumSize(kMinimumSize);
}

void OrbDrawingsInputFrm::initUiByElementType(const long long& elementType)
{
    if (hasBarInfo(elementType) && !m_barInfoButton) {
        m_barInfoButton = new VantroPushButton(QCoreApplication::translate("OrbDrawingWidgets", "钢筋信息输入说明"), this, true);
        m_barInfoButton->setObjectName(QStringLiteral("btnBarInfo"));
        m_barInfoButton->setAutoDefault(false);
        connect(m_barInfoButton, &QPushButton::clicked, this, &OrbDrawingsInputFrm::onBtnBarInfoClicked);
        ui->layoutBottom->insertWidget(0, m_barInfoButton);
    }

    IOrbDrawingFileRegistry* files = m_drawingService ? m_drawingService->drawingFiles() : nullptr;
    if (!files)
        return;
    for (int i = ui->cbbDrawingNames->count() - 1; i >= 0; --i) {
        IOrbDrawingFile* file = files->findFile(ui->cbbDrawingNames->itemText(i));
        if (!file)
            continue;
        QSet<int> types;
        file->elementTypes(types);
        if (!types.isEmpty() && !types.contains(int(elementType)))
            ui->cbbDrawingNames->removeItem(i);
    }
}

void OrbDrawingsInputFrm::on_btnReset_clicked()
{
    const QMessageBox::StandardButton answer =
        TalMessageBox::question(this, QCoreApplication::translate("OrbDrawingWidgets", "提示"), QCoreApplication::translate("OrbDrawingWidgets", "确认是否恢复当前页默认值？"),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton, QString());
    if (answer == QMessageBox::No)
        return;
    m_infoEditor->restoreDefValues();
    m_tableDisplay->restoreDefValues();
    sendResetValUbc();
}

void OrbDrawingsInputFrm::restoreDefValues()
{
    m_infoEditor->restoreDefValues();
    m_tableDisplay->restoreDefValues();
}

void OrbDrawingsInputFrm::sendResetValUbc()
{
    if (!m_processor)
        return;
    const QString drawingID = m_processor->drawingID();
    const char* code = nullptr;
    switch (m_processor->elementType()) {
    case RainWellConcrete: code = kResetUbcRainConcrete; break;
    case SewageWellConcrete: code = kResetUbcSewageConcrete; break;
    case RainWellBrick: code = kResetUbcRainBrick; break;
    case SewageWellBrick: code = kResetUbcSewageBrick; break;
    default: return;
    }
    OrbUbc::instance()->send(QString::fromLatin1(code), drawingID);
}

void OrbDrawingsInputFrm::on_btnOk_clicked()
{
    if (!m_infoEditor->saveEditorValue())
        return; // the editor tells the user why
    m_tableDisplay->saveEdit();
    accept();
}

void OrbDrawingsInputFrm::reject()
{
    if (m_tableDisplay)
        m_tableDisplay->cancelEdit();
    QDialog::reject();
}

void OrbDrawingsInputFrm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept(); // Escape must not throw away the user's input
        return;
    }
    TalDialog::keyPressEvent(event);
}

void OrbDrawingsInputFrm::showEvent(QShowEvent* event)
{
    TalDialog::showEvent(event);
    m_infoEditor->zoomAll();
}

void OrbDrawingsInputFrm::onBtnBarInfoClicked()
{
    if (!m_barInfoTip) {
        auto* label = new QLabel;
        label->setObjectName(QStringLiteral("lblBarInfo"));
        const QImage image(QStringLiteral(":/images/barInfo.png"));
        if (image.isNull()) {
            label->setText(QCoreApplication::translate("OrbDrawingWidgets", "钢筋信息输入说明"));
            label->setAlignment(Qt::AlignCenter);
        } else {
            label->setPixmap(QPixmap::fromImage(image));
            label->setScaledContents(true);
        }
        label->resize(OrbDeskUtils::calcFormSize(kBarInfoSize.width(), kBarInfoSize.height()));
        m_barInfoTip = OrbTipWidget::createTipWidget(this, m_barInfoButton, label);
        if (!m_barInfoTip) {
            delete label;
            return;
        }
        m_barInfoTip->addWidgetEventFilter(this);
        m_barInfoTip->show();
        sendBarInfoUbc();
        return;
    }
    if (m_barInfoTip->isVisible()) {
        m_barInfoTip->hide();
    } else {
        m_barInfoTip->show();
        sendBarInfoUbc();
    }
}

void OrbDrawingsInputFrm::sendBarInfoUbc()
{
    if (!m_processor)
        return;
    switch (m_processor->elementType()) {
    case RainWellConcrete: OrbUbc::instance()->send(QString::fromLatin1(kBarInfoUbcRain)); break;
    case SewageWellConcrete: OrbUbc::instance()->send(QString::fromLatin1(kBarInfoUbcSewage)); break;
    default: break;
    }
}

void OrbDrawingsInputFrm::onUpdateView()
{
    m_infoEditor->refreshViewer();
}

void OrbDrawingsInputFrm::doPropDoubleClicked(OrbDrawsetProp* prop)
{
    m_infoEditor->openEditor(prop);
}
