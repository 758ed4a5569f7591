#include "drawinginfo/orbdrawsetparamsvdeditor.h"

#include "engine/zvdeinsertpoint.h"
#include "engine/zvpviewer.h"

OrbDrawsetParamsVDEditor::OrbDrawsetParamsVDEditor(QWidget* parent)
    : OrbCustomVectorDrawingEditor(parent)
{
    loadGridFromStream(false);
    if (ZVDEInsertPoint* point = insertPoint())
        point->setVisible(false);
    if (zvp::CViewer* viewer = getViewer()) {
        if (zvp::CViewerOptions* options = viewer->Options())
            options->SetViewAxesEnabled(false);
    }
    setAccpetMouseKeyInput(false);
}

OrbDrawsetParamsVDEditor::~OrbDrawsetParamsVDEditor() = default;

QHash<QString, QString> OrbDrawsetParamsVDEditor::getAttributes(const QString& attr)
{
    reloadParams();
    return OrbCustomVectorDrawingEditor::getAttributes(attr);
}
