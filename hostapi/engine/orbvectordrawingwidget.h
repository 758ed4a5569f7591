#pragma once

#include "engine/zvectordrawingeditor.h"

/// The drawing widget of the controls library, the base of the parameter editors. The editor form
/// reads the drawing it embeds through vectorDrawing().
class OrbVectorDrawingWidget : public ZVectorDrawingEditor
{
    Q_OBJECT
public:
    /// A widget showing an empty drawing.
    explicit OrbVectorDrawingWidget(QWidget* parent = nullptr);
    ~OrbVectorDrawingWidget() override;
};
