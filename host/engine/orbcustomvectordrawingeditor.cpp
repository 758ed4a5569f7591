#include "engine/orbcustomvectordrawingeditor.h"

#include "engine/ivectordrawingeditorservice.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QToolTip>

#include <climits>
#include <vector>

struct OrbCustomVectorDrawingEditor::Private
{
    IVectorDrawingEditorService* service = nullptr;
    QLineEdit* editor = nullptr;
    qint64 editingId = -1;
    QSet<qint64> params;
    QSet<qint64> readOnly;
    QString lastMessage;
};

OrbCustomVectorDrawingEditor::OrbCustomVectorDrawingEditor(QWidget* parent)
    : OrbVectorDrawingWidget(parent)
    , d(std::make_unique<Private>())
{
}

OrbCustomVectorDrawingEditor::~OrbCustomVectorDrawingEditor() = default;

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
    if (d->editor)
        closeEditor();
    d->service = service;
    if (service && flag)
        service->setCurID(0);
}

IVectorDrawingEditorService* OrbCustomVectorDrawingEditor::editorService() const
{
    return d->service;
}

bool OrbCustomVectorDrawingEditor::isParamText(qint64 vdid) const
{
    return d->params.contains(vdid);
}

bool OrbCustomVectorDrawingEditor::isReadOnlyParamText(qint64 vdid) const
{
    return d->readOnly.contains(vdid);
}

void OrbCustomVectorDrawingEditor::openEditor(qint64 vdid)
{
    if (!d->service || vdid < INT_MIN || vdid > INT_MAX)
        return;
    ZVDEntity* entity = vectorDrawing()->find(int(vdid));
    if (!entity || entity->kind() != ZVDEntityKind::Text)
        return;
    if (!d->service->isParam(vdid) || d->service->isReadOnly(vdid))
        return;
    if (d->editor)
        closeEditor();
    QString value;
    QString other;
    d->service->queryParamValue(vdid, value, other);

    d->editor = new QLineEdit(this);
    d->editor->setObjectName(QStringLiteral("orbParamEditor"));
    d->editor->setText(value);
    d->editor->installEventFilter(this);
    d->editingId = vdid;
    setEditorPos();
    d->editor->show();
    d->editor->selectAll();
    d->editor->setFocus(Qt::OtherFocusReason);
    emit onAfterOpenEditor(static_cast<ZVDText*>(entity));
}

void OrbCustomVectorDrawingEditor::closeEditor()
{
    if (!d->editor)
        return;
    QLineEdit* editor = d->editor;
    d->editor = nullptr;
    d->editingId = -1;
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
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
        if (e->kind() != ZVDEntityKind::Text || !d->params.contains(e->id()))
            continue;
        const QString code = d->service->queryParamCode(e->id());
        if (!code.isEmpty())
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
    d->params.clear();
    d->readOnly.clear();
    if (d->service) {
        ZVectorDrawing* drawing = vectorDrawing();
        for (int i = 0; i < drawing->count(); ++i) {
            ZVDEntity* e = drawing->at(i);
            if (e->kind() != ZVDEntityKind::Text || !d->service->isParam(e->id()))
                continue;
            d->params.insert(e->id());
            if (d->service->isReadOnly(e->id()))
                d->readOnly.insert(e->id());
        }
    }
    // An editor on a text that is no longer editable goes away.
    if (d->editor && (!d->params.contains(d->editingId) || d->readOnly.contains(d->editingId)))
        closeEditor();
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
        ZVDEntity* e = drawing->at(i);
        if (d->params.contains(e->id()) && !d->readOnly.contains(e->id())) {
            openEditor(e->id());
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
    if (!d->editor || !d->service)
        return !d->editor;
    const qint64 vdid = d->editingId;
    const QString text = d->editor->text();
    QString out;
    if (!d->service->canEditorHide(vdid, text, out)) {
        processErrorEdit(out);
        return false;
    }
    QString value = out.isEmpty() ? text.trimmed() : out;
    d->service->adjustEditorValue(vdid, value);
    if (!saveEditorValue(vdid, value)) {
        processErrorEdit(d->lastMessage);
        return false;
    }
    closeEditor();
    reloadParams();
    return !d->editor;
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
    d->lastMessage.clear();
    return d->service->saveEditorValue(ids, vdid, value);
}

void OrbCustomVectorDrawingEditor::processErrorEdit(const QString& message)
{
    d->lastMessage = message;
    if (d->editor) {
        d->editor->selectAll();
        d->editor->setFocus(Qt::OtherFocusReason);
    }
    if (!message.isEmpty())
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
    }
    if (!entity)
        return;
    emit onDrawingItemClick(entity);
    if (entity->kind() == ZVDEntityKind::Text && entity->id() != d->editingId)
        openEditor(entity->id());
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
    QRect r = entityScreenRect(entity);
    r.setWidth(std::max(r.width() + 16, 60));
    r.setHeight(std::max(r.height() + 4, d->editor->sizeHint().height()));
    r.moveTop(r.top() - 2);
    d->editor->setGeometry(r);
}

void OrbCustomVectorDrawingEditor::showTipInfo(const QString& text)
{
    const QPoint at = d->editor ? d->editor->geometry().bottomLeft() : QPoint(0, 0);
    QToolTip::showText(mapToGlobal(at), text, this);
}

void OrbCustomVectorDrawingEditor::drawEntity(QPainter& painter, ZVDEntity* entity)
{
    if (entity && entity->kind() == ZVDEntityKind::Text && d->params.contains(entity->id())) {
        QPen pen = painter.pen();
        pen.setColor(d->readOnly.contains(entity->id()) ? readOnlyParamColor() : editableParamColor());
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
}

void OrbCustomVectorDrawingEditor::keyPressEvent(QKeyEvent* event)
{
    OrbVectorDrawingWidget::keyPressEvent(event);
}

void OrbCustomVectorDrawingEditor::leaveEvent(QEvent* event)
{
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
