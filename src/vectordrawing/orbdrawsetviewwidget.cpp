#include "vectordrawing/orbdrawsetviewwidget.h"

#include "vectordrawing/orbdrawsetparamsvdviewer.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include "drawingdata/iorbdrawset.h"
#include "engine/zvectordrawingeditor.h"

#include <QVBoxLayout>

OrbDrawsetViewWidget::OrbDrawsetViewWidget(QWidget* parent)
    : QWidget(parent)
{
}

OrbDrawsetViewWidget::~OrbDrawsetViewWidget() = default;

void OrbDrawsetViewWidget::setupUi()
{
    m_layout = new QVBoxLayout(this);
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_view = createVDEditor();
    m_layout->addWidget(m_view);
}

ZVectorDrawingEditor* OrbDrawsetViewWidget::createVDEditor()
{
    return new OrbDrawsetParamsVDViewer(this);
}

void OrbDrawsetViewWidget::setDrawset(IOrbDrawset* drawset)
{
    m_drawset = drawset;
    refreshData();
}

void OrbDrawsetViewWidget::refreshData()
{
    if (!m_view)
        return;
    const bool loaded = OrbVectorDrawingUtils::loadData(m_view->vectorDrawing(),
                                                        m_drawset ? m_drawset->vectorDrawingData() : QByteArray());
    OrbVectorDrawingUtils::showDamagedNotice(m_view, !loaded);
    m_view->zoomAll();
}

IOrbDrawset* OrbDrawsetViewWidget::drawset() const
{
    return m_drawset;
}

ZVectorDrawingEditor* OrbDrawsetViewWidget::VDEditor() const
{
    return m_view;
}

ZVectorDrawing* OrbDrawsetViewWidget::vectorDrawing() const
{
    return m_view ? m_view->vectorDrawing() : nullptr;
}
