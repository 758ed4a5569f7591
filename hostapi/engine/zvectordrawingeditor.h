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

/// A widget that shows one ZVectorDrawing with QPainter: fit to view, wheel zoom about the cursor,
/// middle-button pan. Entities outside the view are not drawn. The editor owns its drawing.
///
/// The library's drawset viewer derives from it: it switches off grid loading, mouse and key
/// input, settings and axes, hides the insert point, sets a preferred font and overrides the
/// double click to fit the drawing. Members marked "host side" serve the reference engine's own
/// widgets, tests and picture export; the library does not call them.
class ZVectorDrawingEditor : public QWidget, public VDObserver, public IZ2DViewerProxy
{
    Q_OBJECT
public:
    /// An editor showing an empty drawing.
    explicit ZVectorDrawingEditor(QWidget* parent = nullptr);
    ~ZVectorDrawingEditor() override;

    /// The drawing it shows, owned by the editor; never null. The library loads drawsets' byte
    /// arrays into it and looks up texts in it.
    ZVectorDrawing* vectorDrawing() const;
    /// Path of the font file texts are drawn with. The library reads it to look for a preferred
    /// font file beside it.
    QString defaultFont() const;
    /// Draws texts with the font in fontFile from now on; the library passes a preferred font
    /// file that it found to exist.
    void setDefaultFont(const QString& fontFile);

    /// Fits the whole drawing into the view; the library calls it after every load and on the
    /// viewer's middle-button double click.
    virtual void zoomAll();
    /// Whether the grid spacing stored in a loaded stream is used; the drawset viewer passes false.
    void loadGridFromStream(bool enabled);
    /// Host side: the switch set with loadGridFromStream().
    bool gridFromStream() const;
    /// When false the editor's own mouse and key commands (selection, entity picking) are off;
    /// zoom and pan still work. The drawset viewer passes false.
    void setAccpetMouseKeyInput(bool accept);
    /// Host side: the switch set with setAccpetMouseKeyInput().
    bool acceptMouseKeyInput() const;
    /// Whether the view stores its settings (zoom, options) between runs; the drawset viewer
    /// passes false.
    void setSaveSettings(bool save);
    /// Host side: the switch set with setSaveSettings().
    bool saveSettings() const;
    /// The viewer behind the editor; never null. The drawset viewer turns its axes off.
    zvp::CViewer* getViewer() const;
    /// The insert-point marker; never null. The library hides it.
    ZVDEInsertPoint* insertPoint() const;

    /// Host side: the drawing-to-widget mapping in use.
    QTransform viewTransform() const;
    /// Host side: scale in pixels per drawing unit.
    double viewScale() const;
    /// Host side: the topmost entity under a widget position, within a few pixels, or null.
    ZVDEntity* entityAt(const QPoint& pos) const;
    /// Host side: the widget rectangle an entity covers.
    QRect entityScreenRect(const ZVDEntity* entity) const;

    /// Repaints on any change of the drawing.
    void onNotify(int event, std::vector<ZVDEntity*>& entities, void* data) override;
    /// Answers automation queries: an empty hash. The library's editors extend or replace it.
    QHash<QString, QString> getAttributes(const QString& key) override;
    QPointF WorldPtToScreenPt(const QPointF& world) const override;
    QPointF ScreenPtToWorldPt(const QPointF& screen) const override;

    /// Host side: renders the drawing into painter over target (used by the widget and by image
    /// export).
    void render(QPainter& painter, const QRect& target);

protected:
    /// Colour, pen and font of an entity as this editor draws it; subclasses change the look of
    /// particular entities (for example parameter texts).
    virtual void drawEntity(QPainter& painter, ZVDEntity* entity);

    /// Draws the visible entities.
    void paintEvent(QPaintEvent* event) override;
    /// Keeps the fitted view fitted.
    void resizeEvent(QResizeEvent* event) override;
    /// Zooms about the cursor.
    void wheelEvent(QWheelEvent* event) override;
    /// Starts a middle-button pan or picks an entity.
    void mousePressEvent(QMouseEvent* event) override;
    /// Pans while the middle button is held.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Ends a pan.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// The base does nothing special; the drawset viewer overrides it to fit the drawing on a
    /// middle-button double click and calls on to the base otherwise.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// Home fits the drawing, plus and minus zoom (while input is accepted).
    void keyPressEvent(QKeyEvent* event) override;
    /// Passes the event on; subclasses call on to it.
    void leaveEvent(QEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
