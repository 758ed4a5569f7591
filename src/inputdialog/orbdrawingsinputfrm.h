#pragma once

#include "orbdrawingwidgets_export.h"

#include "controls/taldialog.h"

class IOrbDrawingService;
class IOrbDrawset;
class OrbDrawingInfoEditorFrm;
class OrbDrawingInfoProcessor;
class OrbDrawingTableDisplayWidget;
class OrbDrawingTreeWidget;
class OrbDrawsetProp;
class OrbTipWidget;
class QModelIndex;
class VantroPushButton;

namespace Ui {
class OrbDrawingsInputFrm;
}

// The drawings input dialog: the user picks a drawing file and a drawset from its tree, edits the
// drawset's parameters on its drawing, restores defaults and confirms. The host hands it a
// processor that knows the element (and possibly its drawset) and reads the processor back after
// the dialog closes.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawingsInputFrm : public TalDialog
{
    Q_OBJECT
public:
    OrbDrawingsInputFrm(IOrbDrawingService* service, QWidget* parent = nullptr);
    ~OrbDrawingsInputFrm() override;

    OrbDrawingInfoProcessor* processor() const { return m_processor; }
    void setProcessor(OrbDrawingInfoProcessor* processor);
    // Restores the defaults of the drawing and the table display, without asking.
    void restoreDefValues();
    void zoomAll();
    // 706 x 315 while the table display holds an extension, 548 x 315 otherwise.
    void adjustFormMinimumSize();

signals:
    void onZoomAll();

protected:
    void initUiByElementType(const long long& elementType);
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private slots:
    void doDrawingNameChanged(int index);
    void doDrawsetNodeChanged(const QModelIndex& current, const QModelIndex& previous);
    void on_btnReset_clicked();
    void sendResetValUbc();
    void on_btnOk_clicked();
    void onBtnBarInfoClicked();
    void sendBarInfoUbc();
    void onUpdateView();

private:
    void loadData();
    void refreshData();
    void switchDrawingFile(int index);
    // Opens the drawing file of that name and shows it, fully expanded, in the tree.
    void showDrawingFile(const QString& name);
    void switchDrawset(IOrbDrawset* drawset);
    void doPropDoubleClicked(OrbDrawsetProp* prop);

    Ui::OrbDrawingsInputFrm* ui;
    IOrbDrawingService* m_drawingService;
    OrbDrawingTreeWidget* m_drawingTree = nullptr;
    OrbDrawingInfoEditorFrm* m_infoEditor = nullptr;
    OrbDrawingInfoProcessor* m_processor = nullptr;
    bool m_loading = false;
    OrbDrawingTableDisplayWidget* m_tableDisplay = nullptr;
    OrbTipWidget* m_barInfoTip = nullptr;
    VantroPushButton* m_barInfoButton = nullptr;
};
