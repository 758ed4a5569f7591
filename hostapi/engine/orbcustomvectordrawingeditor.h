#pragma once

#include "engine/orbvectordrawingwidget.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <memory>

class IVectorDrawingEditorService;
class ZVDEntity;
class ZVDText;

/// A drawing widget that edits parameter texts in place through an IVectorDrawingEditorService.
/// Parameter texts (those the service calls parameters) are drawn in their own colours, editable
/// ones on a box that brightens under the mouse, with the service's tooltip. A click on an
/// editable parameter opens a line edit over it; Enter, a click elsewhere or save() commits
/// through the service (canEditorHide, adjustEditorValue, saveEditorValue); a refusal keeps the
/// editor open with the reason beside it. Tab commits and moves on; Escape closes without saving.
///
/// The library's parameter editors derive from it: the editor form's embedded editor is one, with
/// the form as its service. Members marked "host side" serve the reference host's tests and demo;
/// the library does not call them.
class OrbCustomVectorDrawingEditor : public OrbVectorDrawingWidget
{
    Q_OBJECT
public:
    /// An editor without a service (nothing is a parameter until one is set).
    explicit OrbCustomVectorDrawingEditor(QWidget* parent = nullptr);
    ~OrbCustomVectorDrawingEditor() override;

    /// Sets the service asked about parameters; not owned, null for none. flag true resets its
    /// current id to 0; the library always passes true.
    void setEditorService(IVectorDrawingEditorService* service, bool flag);

    /// Opens the in-place editor on the parameter text with that id (not on read-only ones, and
    /// nothing for an id that is no parameter). The editor form calls it for automation clients.
    void openEditor(qint64 vdid);
    /// Closes an open editor without saving; nothing when none is open. The library calls it
    /// before it loads another drawing or drops its properties.
    void closeEditor();
    /// Host side: whether an in-place editor is open.
    bool isEditorOpen() const;
    /// Host side: the id of the text being edited, or -1.
    qint64 editingVDID() const;

    /// Host side: colour of editable parameter texts.
    static QColor editableParamColor();
    /// Host side: colour of read-only parameter texts.
    static QColor readOnlyParamColor();
    /// Host side: whether vdid names a text that the service calls a parameter (asked live).
    bool isParamText(qint64 vdid) const;
    /// Host side: the parameter text under the mouse, or -1.
    qint64 hoverVDID() const;

    /// Base answer to attribute queries: the parameter texts as code -> text. The library's
    /// editors extend it (the editor form's answers) or replace it (the read-only viewer).
    QHash<QString, QString> getAttributes(const QString& key) override;

    /// Host side: re-reads the parameter state of every text from the service.
    virtual void updateItemData();
    /// Reloads every parameter text from the service; the library calls it after it loaded a
    /// drawing or wrote new values into the texts.
    virtual void reloadParams();
    /// Host side: redraws the drawing.
    virtual void refreshDrawing();
    /// Host side: opens the editor on the first editable parameter.
    virtual void locateFirstEdit();
    /// Host side: asks the service whether the polygon of its current id is valid.
    virtual bool validatePoly();
    /// Saves an open editor's value through the service; true when no editor remains open (also
    /// when none was open). False when the service refused: the editor stays open with the reason.
    /// The input dialog's OK calls it through the editor form.
    virtual bool save();
    /// Host side: reloads the parameter texts without redrawing.
    virtual void onlyReloadParams();
    /// Host side: saves value for vdid through the service (canEditorHide, adjustEditorValue,
    /// saveEditorValue); false when the service refused.
    virtual bool saveEditorValue(qint64 vdid, const QString& value);
    /// Host side: shows message beside the open editor.
    virtual void processErrorEdit(const QString& message);
    /// Host side: handles a press on the drawing (opens or commits an editor).
    virtual void doMousePress(QMouseEvent* event);
    /// Host side: moves the open editor over its text.
    virtual void setEditorPos();
    /// Host side: shows text as a tip beside the open editor.
    virtual void showTipInfo(const QString& text);

signals:
    /// The user clicked an entity (never null); the editor form passes it on as its own
    /// signal.
    void onDrawingItemClick(ZVDEntity* entity);
    /// An in-place editor opened on text.
    void onAfterOpenEditor(ZVDText* text);

protected:
    /// Draws parameter texts in their own colours and boxes, other entities as the base does.
    void drawEntity(QPainter& painter, ZVDEntity* entity) override;
    /// Opens, commits or moves an editor on a click.
    void mousePressEvent(QMouseEvent* event) override;
    /// Tracks the parameter under the mouse.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Tab, Enter and Escape while an editor is open.
    void keyPressEvent(QKeyEvent* event) override;
    /// Drops the hover highlight.
    void leaveEvent(QEvent* event) override;
    /// Keeps an open editor over its text.
    void resizeEvent(QResizeEvent* event) override;
    /// Zooms and keeps an open editor over its text.
    void wheelEvent(QWheelEvent* event) override;
    /// Key and focus handling of the in-place line edit.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
