#include "vectordrawing/orbdrawsetparamsvdviewer.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include "engine/zvdeinsertpoint.h"
#include "engine/zvpviewer.h"

#include <QMouseEvent>

OrbDrawsetParamsVDViewer::OrbDrawsetParamsVDViewer(QWidget* parent)
    : ZVectorDrawingEditor(parent)
{
    loadGridFromStream(false);
    insertPoint()->setVisible(false);
    getViewer()->Options()->SetViewAxesEnabled(false);
    setAccpetMouseKeyInput(false);
    setSaveSettings(false);
    OrbVectorDrawingUtils::preferFontBeside(this, QStringLiteral("MSYH.TTC"));
}

QHash<QString, QString> OrbDrawsetParamsVDViewer::getAttributes(const QString&)
{
    return {};
}

void OrbDrawsetParamsVDViewer::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton)
        zoomAll();
    ZVectorDrawingEditor::mouseDoubleClickEvent(event);
}
