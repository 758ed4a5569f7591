#include "engine/orbvectordrawingwidget.h"

OrbVectorDrawingWidget::OrbVectorDrawingWidget(QWidget* parent)
    : ZVectorDrawingEditor(parent)
{
}

OrbVectorDrawingWidget::~OrbVectorDrawingWidget() = default;
