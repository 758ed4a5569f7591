#pragma once

#include "engine/orbvectordrawingwidget.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <memory>

class IVectorDrawingEditorService;
class ZVDEntity;
class ZVDText;

// A drawing widget that edits parameter texts in place through an IVectorDrawingEditorService.
// Parameter texts (those the service calls parameters) are drawn in their own colours, editable
// ones on a box that brightens under the mouse, with the service's tooltip. A click on an
// editable parameter opens a line edit over it; Enter, a click elsewhere or save() commits
// through the service (canEditorHide, adjustEditorValue, saveEditorValue); a refusal keeps the
// editor open with the reason beside it. Tab commits and moves on; Escape closes without saving.
class OrbCustomVectorDrawingEditor : public OrbVectorDrawingWidget
{
    Q_OBJECT
public:
    explicit OrbCustomVectorDrawingEditor(QWidget* parent = nullptr);
    ~OrbCustomVectorDrawingEditor() override;

    // The service is not owned; flag true resets its current id to 0.
    void setEditorService(IVectorDrawingEditorService* service, bool flag);
    IVectorDrawingEditorService* editorService() const;

    // Opens the in-place editor on the parameter text with that id (not on read-only ones).
    void openEditor(qint64 vdid);
    // Closes an open editor without saving.
    void closeEditor();
    bool isEditorOpen() const;
    // The id of the text being edited, or -1.
    qint64 editingVDID() const;

    // Colours of parameter texts: editable ones and read-only ones.
    static QColor editableParamColor();
    static QColor readOnlyParamColor();
    // Whether vdid names a text that the service calls a parameter (asked live), and a read-only one.
    bool isParamText(qint64 vdid) const;
    bool isReadOnlyParamText(qint64 vdid) const;
    // The parameter text under the mouse, or -1.
    qint64 hoverVDID() const;

    // Base answer to attribute queries: the parameter texts as code -> text.
    QHash<QString, QString> getAttributes(const QString& key) override;

    virtual void updateItemData();
    // Reloads every parameter text from the service.
    virtual void reloadParams();
    virtual void refreshDrawing();
    virtual void locateFirstEdit();
    virtual bool validatePoly();
    // Saves an open editor's value through the service; true when no editor remains open.
    virtual bool save();
    virtual void onlyReloadParams();
    virtual bool saveEditorValue(qint64 vdid, const QString& value);
    virtual void processErrorEdit(const QString& message);
    virtual void doMousePress(QMouseEvent* event);
    virtual void setEditorPos();
    virtual void showTipInfo(const QString& text);

signals:
    void onDrawingItemClick(ZVDEntity* entity);
    void onAfterOpenEditor(ZVDText* text);

protected:
    void drawEntity(QPainter& painter, ZVDEntity* entity) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
