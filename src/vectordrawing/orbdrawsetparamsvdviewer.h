#pragma once

#include "orbdrawingwidgets_export.h"

#include "engine/zvectordrawingeditor.h"

// The engine's drawing editor set up as a read-only viewer: no grid from the stream, no insert
// point, no axes, no own mouse and key commands, no saved settings; MSYH.TTC beside the default
// font is preferred. A middle-button double-click fits the whole drawing.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawsetParamsVDViewer : public ZVectorDrawingEditor
{
    Q_OBJECT
public:
    explicit OrbDrawsetParamsVDViewer(QWidget* parent = nullptr);

    // The viewer answers no attribute queries.
    QHash<QString, QString> getAttributes(const QString& key) override;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
