#include "vectordrawing/orbdrawsetparamsvdviewer.h"

#include "common/orbfileutils.h"
#include "engine/zvdeinsertpoint.h"
#include "engine/zvpviewer.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>

OrbDrawsetParamsVDViewer::OrbDrawsetParamsVDViewer(QWidget* parent)
    : ZVectorDrawingEditor(parent)
{
    loadGridFromStream(false);
    insertPoint()->setVisible(false);
    getViewer()->Options()->SetViewAxesEnabled(false);
    setAccpetMouseKeyInput(false);
    setSaveSettings(false);
    iniFont();
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

void OrbDrawsetParamsVDViewer::iniFont()
{
    const QString font = defaultFont();
    if (font.contains(QLatin1String("MSYH.TTC"), Qt::CaseInsensitive))
        return;
    const QString preferred = QFileInfo(font).dir().absolutePath() + QStringLiteral("//MSYH.TTC");
    if (fileExists(preferred))
        setDefaultFont(preferred);
}
