#pragma once

#include "engine/zvectordrawingeditor.h"

// The drawing widget of the controls library, the base of the parameter editors.
class OrbVectorDrawingWidget : public ZVectorDrawingEditor
{
    Q_OBJECT
public:
    explicit OrbVectorDrawingWidget(QWidget* parent = nullptr);
    ~OrbVectorDrawingWidget() override;
};
