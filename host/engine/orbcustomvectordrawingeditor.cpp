#include "engine/orbcustomvectordrawingeditor.h"

#include "engine/ivectordrawingeditorservice.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <vector>

namespace {
const QColor kEditableBox(226, 236, 255);
const QColor kHoverBox(255, 236, 160);
const QColor kHoverBorder(230, 160, 0);
constexpr int kBoxPadding = 2;
// The in-place editor: room beside the text, least width, room for the frame and cursor.
constexpr int kEditorExtraWidth = 24;
constexpr int kEditorMinWidth = 64;
constexpr int kEditorTextMargin = 16;
constexpr int kEditorExtraHeight = 6;
constexpr int kEditorLeftShift = 4;
constexpr int kEditorMinFontPixels = 11;
constexpr int kEditorMaxFontPixels = 48;
// A parameter's tooltip hangs this far above its text, clear of the label under the value.
constexpr int kTipGap = 4;
// Hover is kept while the mouse stays this close (pixels) to the text.
constexpr int kHoverTolerance = 4;

// The tip hangs above the text: below it, where Qt puts tips, it would hide the label under the value.
void showParamTip(QWidget* view, const QRect& textRect, const QPoint& globalPos, const QString& tip)
{
    QToolTip::showText(globalPos, tip, view, textRect);
    const int textTop = view->mapToGlobal(textRect.topLeft()).y();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->inherits("QTipLabel") || !w->isVisible())
            continue;
        const int y = textTop - kTipGap - w->height();
        if (y >= 0)
            w->move(std::max(0, globalPos.x() - w->width() / 2), y);
    }
}
} // namespace

// Parameter state is asked of the service whenever it is needed (painting, hovering, clicking),
// never cached: the owner binds its parameters after the drawing is loaded, and changes values
// and read-only flags without telling the editor.
struct OrbCustomVectorDrawingEditor::Private
{
    IVectorDrawingEditorService* service = nullptr;
    QLineEdit* editor = nullptr;
    QLabel* message = nullptr;
    qint64 editingId = -1;
    qint64 hoverId = -1;
    // Where the mouse was last seen over the view; the hover is valid only while its text is there.
    QPoint mousePos;
    // Set while a commit runs, so that a click or key arriving meanwhile cannot start another.
    bool committing = false;
};

OrbCustomVectorDrawingEditor::OrbCustomVectorDrawingEditor(QWidget* parent)
    : OrbVectorDrawingWidget(parent)
    , d(std::make_unique<Private>())
{
    setMouseTracking(true);
}

OrbCustomVectorDrawingEditor::~OrbCustomVectorDrawingEditor()
{
    // Children (the line edit) die after this body: nothing may reach the service any more.
    d->service = nullptr;
}

QColor OrbCustomVectorDrawingEditor::editableParamColor()
{
    return QColor(0, 80, 230);
}

QColor OrbCustomVectorDrawingEditor::readOnlyParamColor()
{
    return QColor(130, 130, 130);
}

void OrbCustomVectorDrawingEditor::setEditorService(IVectorDrawingEditorService* service, bool flag)
{
    closeEditor();
    d->service = service;
    d->hoverId = -1;
    if (service && flag)
        service->setCurID(0);
    update();
}

bool OrbCustomVectorDrawingEditor::isParamText(qint64 vdid) const
{
    if (!d->service || vdid < INT_MIN || vdid > INT_MAX)
        return false;
    ZVDEntity* entity = vectorDrawing()->find(int(vdid));
    return entity && entity->kind() == ZVDEntityKind::Text && d->service->isParam(vdid);
}

qint64 OrbCustomVectorDrawingEditor::hoverVDID() const
{
    // A zoom, resize or new drawing may have moved the text away from the mouse.
    if (d->hoverId == -1 || d->hoverId < INT_MIN || d->hoverId > INT_MAX)
        return -1;
    const ZVDEntity* entity = vectorDrawing()->find(int(d->hoverId));
    if (!entity)
        return -1;
    const QRect area = entityScreenRect(entity).adjusted(-kHoverTolerance, -kHoverTolerance, kHoverTolerance,
                                                         kHoverTolerance);
    return area.contains(d->mousePos) ? d->hoverId : -1;
}

void OrbCustomVectorDrawingEditor::openEditor(qint64 vdid)
{
    if (!isParamText(vdid) || d->service->isReadOnly(vdid))
        return;
    closeEditor();
    auto* text = static_cast<ZVDText*>(vectorDrawing()->find(int(vdid)));
    QString value;
    QString other;
    d->service->queryParamValue(vdid, value, other);

    d->editor = new QLineEdit(this);
    d->editor->setObjectName(QStringLiteral("orbParamEditor"));
    d->editor->setText(value);
    d->editor->installEventFilter(this);
    connect(d->editor, &QLineEdit::textEdited, this, [this] {
        if (d->message)
            d->message->hide();
        setEditorPos(); // a longer value widens the editor
    });
    d->editingId = vdid;
    d->hoverId = -1;
    QToolTip::hideText();
    setEditorPos();
    d->editor->show();
    d->editor->selectAll();
    d->editor->setFocus(Qt::OtherFocusReason);
    update();
    emit onAfterOpenEditor(text);
}

void OrbCustomVectorDrawingEditor::closeEditor()
{
    if (d->message)
        d->message->hide();
    if (!d->editor)
        return;
    QLineEdit* editor = d->editor;
    d->editor = nullptr;
    d->editingId = -1;
    editor->removeEventFilter(this);
    editor->disconnect(this);
    // This may run inside the line edit's own key handling: delete it later, and rename it so
    // that it is no longer taken for the open editor.
    editor->setObjectName(QString());
    editor->hide();
    editor->deleteLater();
    if (isVisible())
        setFocus(Qt::OtherFocusReason);
    update();
}

bool OrbCustomVectorDrawingEditor::isEditorOpen() const
{
    return d->editor != nullptr;
}

qint64 OrbCustomVectorDrawingEditor::editingVDID() const
{
    return d->editingId;
}

QHash<QString, QString> OrbCustomVectorDrawingEditor::getAttributes(const QString&)
{
    QHash<QString, QString> result;
    if (!d->service)
        return result;
    ZVectorDrawing* drawing = vectorDrawing();
    for (int i = 0; i < drawing->count(); ++i) {
        ZVDEntity* e = drawing->at(i);
        if (e->kind() != ZVDEntityKind::Text || !d->service->isParam(e->id()))
            continue;
        QString code = d->service->queryParamCode(e->id());
        if (code.isEmpty())
            code = QString::number(e->id());
        result.insert(code, QString::fromStdWString(static_cast<ZVDText*>(e)->text()));
    }
    return result;
}

void OrbCustomVectorDrawingEditor::updateItemData()
{
    update();
}

void OrbCustomVectorDrawingEditor::reloadParams()
{
    // An editor on a text that is no longer an editable parameter goes away.
    if (d->editor && (!isParamText(d->editingId) || d->service->isReadOnly(d->editingId)))
        closeEditor();
    if (d->hoverId != -1 && !isParamText(d->hoverId))
        d->hoverId = -1;
    setEditorPos();
    update();
}

void OrbCustomVectorDrawingEditor::refreshDrawing()
{
    update();
}

void OrbCustomVectorDrawingEditor::locateFirstEdit()
{
    ZVectorDrawing* drawing = vectorDrawing();
    for (int i = 0; i < drawing->count(); ++i) {
        const qint64 id = drawing->at(i)->id();
        if (isParamText(id) && !d->service->isReadOnly(id)) {
            openEditor(id);
            return;
        }
    }
}

bool OrbCustomVectorDrawingEditor::validatePoly()
{
    return !d->service || d->service->validatePoly(d->service->getCurID());
}

bool OrbCustomVectorDrawingEditor::save()
{
    if (!d->editor)
        return true;
    if (d->committing)
        return false;
    if (!d->service) {
        closeEditor();
        return true;
    }
    QScopedValueRollback<bool> guard(d->committing, true);
    const qint64 vdid = d->editingId;
    const QString text = d->editor->text();
    QString out;
    if (!d->service->canEditorHide(vdid, text, out)) {
        processErrorEdit(out.isEmpty() ? QCoreApplication::translate("OrbCustomVectorDrawingEditor",
                                                                     "The value is not accepted.")
                                       : out);
        return false;
    }
    QString value = out.isEmpty() ? text.trimmed() : out;
    d->service->adjustEditorValue(vdid, value);
    if (!saveEditorValue(vdid, value)) {
        QString message = d->service ? d->service->queryParamInvalidMsg(vdid) : QString();
        if (message.isEmpty())
            message = QCoreApplication::translate("OrbCustomVectorDrawingEditor", "The value was not saved.");
        processErrorEdit(message);
        return false;
    }
    closeEditor();
    return true;
}

void OrbCustomVectorDrawingEditor::onlyReloadParams()
{
    reloadParams();
}

bool OrbCustomVectorDrawingEditor::saveEditorValue(qint64 vdid, const QString& value)
{
    if (!d->service)
        return false;
    std::vector<qint64> ids{vdid};
    return d->service->saveEditorValue(ids, vdid, value);
}

void OrbCustomVectorDrawingEditor::processErrorEdit(const QString& message)
{
    if (!d->editor)
        return;
    d->editor->selectAll();
    d->editor->setFocus(Qt::OtherFocusReason);
    showTipInfo(message);
}

void OrbCustomVectorDrawingEditor::doMousePress(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    ZVDEntity* entity = entityAt(event->pos());
    if (d->editor && (!entity || entity->id() != d->editingId)) {
        // A click elsewhere commits; a refused value keeps the editor open.
        if (!save())
            return;
        // Saving rewrites texts and may reload the drawing: look again.
        entity = entityAt(event->pos());
    }
    if (!entity)
        return;
    const qint64 id = entity->id();
    emit onDrawingItemClick(entity);
    if (id != d->editingId && isParamText(id) && !d->service->isReadOnly(id))
        openEditor(id);
}

void OrbCustomVectorDrawingEditor::setEditorPos()
{
    if (!d->editor)
        return;
    ZVDEntity* entity = vectorDrawing()->find(int(d->editingId));
    if (!entity) {
        closeEditor();
        return;
    }
    const QRect r = entityScreenRect(entity);
    QFont f = d->editor->font();
    f.setPixelSize(std::clamp(r.height(), kEditorMinFontPixels, kEditorMaxFontPixels));
    d->editor->setFont(f);
    // Wide enough for the whole value, as far as the view allows.
    const int textWidth = QFontMetrics(f).horizontalAdvance(d->editor->text()) + kEditorTextMargin;
    QRect box = r;
    box.setWidth(std::min(std::max({r.width() + kEditorExtraWidth, kEditorMinWidth, textWidth}), width()));
    box.setHeight(std::max(r.height() + kEditorExtraHeight, d->editor->sizeHint().height()));
    box.moveCenter(QPoint(box.center().x() - kEditorLeftShift, r.center().y()));
    if (box.right() >= width())
        box.moveRight(width() - 1);
    if (box.left() < 0)
        box.moveLeft(0);
    d->editor->setGeometry(box);
    if (d->message && d->message->isVisible())
        showTipInfo(d->message->text());
}

void OrbCustomVectorDrawingEditor::showTipInfo(const QString& text)
{
    if (text.isEmpty()) {
        if (d->message)
            d->message->hide();
        return;
    }
    if (!d->message) {
        d->message = new QLabel(this);
        d->message->setObjectName(QStringLiteral("orbParamEditorMessage"));
        d->message->setStyleSheet(QStringLiteral(
            "QLabel { color: #a40000; background: #fff4f4; border: 1px solid #d08080; padding: 2px 4px; }"));
    }
    d->message->setText(text);
    d->message->adjustSize();
    // Beside the editor: to its right, or to its left when there is no room.
    const QRect anchor = d->editor ? d->editor->geometry() : QRect(QPoint(4, 4), QSize(0, 0));
    QPoint at(anchor.right() + 6, anchor.top());
    if (at.x() + d->message->width() > width())
        at.setX(std::max(0, anchor.left() - 6 - d->message->width()));
    d->message->move(at);
    d->message->show();
    d->message->raise();
}

void OrbCustomVectorDrawingEditor::drawEntity(QPainter& painter, ZVDEntity* entity)
{
    if (entity && entity->kind() == ZVDEntityKind::Text && isParamText(entity->id())) {
        const qint64 id = entity->id();
        const bool readOnly = d->service->isReadOnly(id);
        if (!readOnly) {
            // Editable parameters stand on a box, the hovered one on a brighter one.
            const QRect box = entityScreenRect(entity).adjusted(-kBoxPadding, -kBoxPadding, kBoxPadding,
                                                                kBoxPadding);
            if (id == d->hoverId && hoverVDID() != id)
                d->hoverId = -1; // the view moved under a still mouse
            const bool hover = id == d->hoverId;
            painter.save();
            painter.setPen(hover ? QPen(kHoverBorder, 1) : Qt::NoPen);
            painter.setBrush(hover ? kHoverBox : kEditableBox);
            painter.drawRect(box);
            painter.restore();
        }
        QPen pen = painter.pen();
        pen.setColor(readOnly ? readOnlyParamColor() : editableParamColor());
        painter.setPen(pen);
    }
    OrbVectorDrawingWidget::drawEntity(painter, entity);
}

void OrbCustomVectorDrawingEditor::mousePressEvent(QMouseEvent* event)
{
    doMousePress(event);
    OrbVectorDrawingWidget::mousePressEvent(event);
}

void OrbCustomVectorDrawingEditor::mouseMoveEvent(QMouseEvent* event)
{
    OrbVectorDrawingWidget::mouseMoveEvent(event);
    setEditorPos();
    d->mousePos = event->pos();
    if (event->buttons() != Qt::NoButton)
        return;
    ZVDEntity* entity = entityAt(event->pos());
    qint64 id = entity ? entity->id() : -1;
    if (id != -1 && (id == d->editingId || !isParamText(id)))
        id = -1;
    if (id == d->hoverId)
        return;
    d->hoverId = id;
    update();
    if (id == -1) {
        unsetCursor();
        QToolTip::hideText();
        return;
    }
    if (!d->service->isReadOnly(id))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    QString tip = d->service->queryParamDisplayName(id);
    if (d->service->queryToolTip(id, tip) && !tip.isEmpty())
        showParamTip(this, entityScreenRect(entity), event->globalPos(), tip);
    else
        QToolTip::hideText();
}

void OrbCustomVectorDrawingEditor::keyPressEvent(QKeyEvent* event)
{
    OrbVectorDrawingWidget::keyPressEvent(event);
}

void OrbCustomVectorDrawingEditor::leaveEvent(QEvent* event)
{
    if (d->hoverId != -1) {
        d->hoverId = -1;
        unsetCursor();
        update();
    }
    OrbVectorDrawingWidget::leaveEvent(event);
}

void OrbCustomVectorDrawingEditor::resizeEvent(QResizeEvent* event)
{
    OrbVectorDrawingWidget::resizeEvent(event);
    setEditorPos();
}

void OrbCustomVectorDrawingEditor::wheelEvent(QWheelEvent* event)
{
    OrbVectorDrawingWidget::wheelEvent(event);
    setEditorPos();
}

bool OrbCustomVectorDrawingEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == d->editor && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            save();
            return true;
        case Qt::Key_Escape:
            closeEditor();
            return true;
        case Qt::Key_Tab: {
            const qint64 current = d->editingId;
            if (save() && d->service) {
                const qint64 next = d->service->getNextParamVDID(current);
                if (next >= 0)
                    openEditor(next);
            }
            return true;
        }
        default:
            break;
        }
    }
    return OrbVectorDrawingWidget::eventFilter(watched, event);
}
