#include "grid/vantrodefaultitemdelegate.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Room around the check box of an esCheckBox cell.
const QSize kCheckCellPadding(8, 4);

// The value an esCheckBox cell shows: the edit role, or the display role when the model
// answers nothing for editing.
QVariant checkValue(const QModelIndex& index)
{
    const QVariant edit = index.data(Qt::EditRole);
    return edit.isValid() ? edit : index.data(Qt::DisplayRole);
}

bool isWritable(const QModelIndex& index)
{
    const Qt::ItemFlags flags = index.flags();
    return (flags & Qt::ItemIsEditable) && (flags & Qt::ItemIsEnabled);
}
} // namespace

VantroDefaultItemDelegate::VantroDefaultItemDelegate(QObject* parent)
    : QItemDelegate(parent)
{
}

VantroDefaultItemDelegate::~VantroDefaultItemDelegate() = default;

ZEditStyle VantroDefaultItemDelegate::editStyle(const QModelIndex& index, bool& flag) const
{
    Q_UNUSED(index)
    Q_UNUSED(flag)
    return esDefault;
}

Qt::CheckState VantroDefaultItemDelegate::checkStateOf(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return Qt::PartiallyChecked;
    return value.toBool() ? Qt::Checked : Qt::Unchecked;
}

bool VantroDefaultItemDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
    }
    return QItemDelegate::eventFilter(object, event);
}

QRect VantroDefaultItemDelegate::checkRect(const QStyleOptionViewItem& option) const
{
    const QRect size = doCheck(option, option.rect, QVariant(int(Qt::Checked)));
    return QStyle::alignedRect(option.direction, Qt::AlignCenter, size.size(), option.rect);
}

void VantroDefaultItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    bool readOnly = false;
    const ZEditStyle style = editStyle(index, readOnly);
    QStyleOptionViewItem opt = setOptions(index, option);
    if (readOnly && !(opt.state & QStyle::State_Selected))
        opt.palette.setColor(QPalette::Text, opt.palette.color(QPalette::Disabled, QPalette::Text));
    if (style != esCheckBox) {
        QItemDelegate::paint(painter, opt, index);
        return;
    }
    painter->save();
    drawBackground(painter, opt, index);
    if (readOnly)
        opt.state &= ~QStyle::State_Enabled;
    drawCheck(painter, opt, checkRect(opt), checkStateOf(checkValue(index)));
    drawFocus(painter, opt, opt.rect);
    painter->restore();
}

QSize VantroDefaultItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    bool readOnly = false;
    if (editStyle(index, readOnly) == esCheckBox) {
        const QRect check = doCheck(option, option.rect, QVariant(int(Qt::Checked)));
        return check.size() + kCheckCellPadding;
    }
    return QItemDelegate::sizeHint(option, index);
}

bool VantroDefaultItemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                            const QStyleOptionViewItem& option, const QModelIndex& index)
{
    bool readOnly = false;
    if (editStyle(index, readOnly) != esCheckBox)
        return QItemDelegate::editorEvent(event, model, option, index);
    if (!model || readOnly || !isWritable(index))
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // Taken here so that a click on the box neither opens an editor nor starts a drag.
        auto* mouse = static_cast<QMouseEvent*>(event);
        return mouse->button() == Qt::LeftButton && checkRect(option).contains(mouse->pos());
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !checkRect(option).contains(mouse->pos()))
            return false;
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Select)
            return false;
        break;
    }
    default:
        return false;
    }
    // NULL and false become true, true becomes false.
    const bool checked = checkStateOf(checkValue(index)) != Qt::Checked;
    return model->setData(index, checked, Qt::EditRole);
}

QWidget* VantroDefaultItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                                 const QModelIndex& index) const
{
    bool readOnly = false;
    const ZEditStyle style = editStyle(index, readOnly);
    if (readOnly)
        return nullptr;
    switch (style) {
    case esNone:
        return nullptr;
    case esLineEdit: {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("vantroLineEditor"));
        editor->setFrame(false);
        return editor;
    }
    case esCheckBox: {
        auto* editor = new QCheckBox(parent);
        editor->setObjectName(QStringLiteral("vantroCheckEditor"));
        editor->setAutoFillBackground(true);
        return editor;
    }
    case esDefault:
        break;
    }
    return QItemDelegate::createEditor(parent, option, index);
}

void VantroDefaultItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && line->objectName() == QLatin1String("vantroLineEditor")) {
        line->setText(index.data(Qt::EditRole).toString());
        return;
    }
    if (auto* check = qobject_cast<QCheckBox*>(editor)) {
        const Qt::CheckState state = checkStateOf(checkValue(index));
        check->setTristate(state == Qt::PartiallyChecked);
        check->setCheckState(state);
        return;
    }
    QItemDelegate::setEditorData(editor, index);
}

void VantroDefaultItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                             const QModelIndex& index) const
{
    if (!model)
        return;
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && line->objectName() == QLatin1String("vantroLineEditor")) {
        const QVariant old = index.data(Qt::EditRole);
        const QString text = line->text();
        // Leaving an editor unchanged must not mark the cell or turn NULL into ''.
        if (text == old.toString())
            return;
        model->setData(index, text, Qt::EditRole);
        return;
    }
    if (auto* check = qobject_cast<QCheckBox*>(editor)) {
        if (check->checkState() == Qt::PartiallyChecked)
            return;
        model->setData(index, check->checkState() == Qt::Checked, Qt::EditRole);
        return;
    }
    QItemDelegate::setModelData(editor, model, index);
}
