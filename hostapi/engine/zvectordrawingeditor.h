#pragma once

#include "engine/iz2dviewerproxy.h"
#include "engine/vdobserver.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <QWidget>

#include <memory>

class ZVDEInsertPoint;
class ZVDEntity;
class ZVectorDrawing;
namespace zvp {
class CViewer;
}

// A widget that shows one ZVectorDrawing with QPainter: fit to view, wheel zoom about the cursor,
// middle-button pan. Entities outside the view are not drawn. The editor owns its drawing.
class ZVectorDrawingEditor : public QWidget, public VDObserver, public IZ2DViewerProxy
{
    Q_OBJECT
public:
    explicit ZVectorDrawingEditor(QWidget* parent = nullptr);
    ~ZVectorDrawingEditor() override;

    ZVectorDrawing* vectorDrawing() const;
    // Path of the font file texts are drawn with.
    QString defaultFont() const;
    void setDefaultFont(const QString& fontFile);
    // The font file editors created from now on start with; empty restores the built-in choice
    // (the first CJK-capable font file found on the machine).
    static void setInitialFont(const QString& fontFile);
    static QString initialFont();

    // Fits the whole drawing into the view.
    virtual void zoomAll();
    void loadGridFromStream(bool enabled);
    bool gridFromStream() const;
    // When false the editor's own mouse and key commands (selection, entity picking) are off;
    // zoom and pan still work.
    void setAccpetMouseKeyInput(bool accept);
    bool acceptMouseKeyInput() const;
    void setSaveSettings(bool save);
    bool saveSettings() const;
    zvp::CViewer* getViewer() const;
    ZVDEInsertPoint* insertPoint() const;

    // The drawing-to-widget mapping in use.
    QTransform viewTransform() const;
    // Scale in pixels per drawing unit.
    double viewScale() const;
    // The topmost entity under a widget position, within a few pixels, or null.
    ZVDEntity* entityAt(const QPoint& pos) const;
    // The widget rectangle an entity covers.
    QRect entityScreenRect(const ZVDEntity* entity) const;

    // VDObserver: repaints on any change of the drawing.
    void onNotify(int event, std::vector<ZVDEntity*>& entities, void* data) override;
    // IZ2DViewerProxy
    QHash<QString, QString> getAttributes(const QString& key) override;
    QPointF WorldPtToScreenPt(const QPointF& world) const override;
    QPointF ScreenPtToWorldPt(const QPointF& screen) const override;

    // Renders the drawing into painter over target (used by the widget and by image export).
    void render(QPainter& painter, const QRect& target);

protected:
    // Colour, pen and font of an entity as this editor draws it; subclasses change the look of
    // particular entities (for example parameter texts).
    virtual void drawEntity(QPainter& painter, ZVDEntity* entity);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
