#include "sqltable/orbdwsqltableviewdelegate.h"

#include "sqltable/orbdwsqltablemodel.h"

#include <QDoubleValidator>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>

namespace {
enum class Number { None, Integer, Real };

Number numberKind(const QModelIndex& index)
{
    const auto* model = qobject_cast<const OrbDWSqlTableModel*>(index.model());
    if (!index.isValid() || !model)
        return Number::None;
    switch (model->tableField(index.column()).type()) {
    case QVariant::Int:
    case QVariant::UInt:
    case QVariant::LongLong:
    case QVariant::ULongLong:
        return Number::Integer;
    case QVariant::Double:
        return Number::Real;
    default:
        return Number::None;
    }
}

// A real number, or nothing at all: an emptied cell is committed with Return and becomes NULL.
class RealValidator : public QDoubleValidator
{
public:
    using QDoubleValidator::QDoubleValidator;
    State validate(QString& input, int& pos) const override
    {
        return input.trimmed().isEmpty() ? Acceptable : QDoubleValidator::validate(input, pos);
    }
};

// The line editor of a numeric cell, or null.
QLineEdit* numberEditor(QWidget* editor, const QModelIndex& index, Number* kind)
{
    *kind = numberKind(index);
    return *kind == Number::None ? nullptr : qobject_cast<QLineEdit*>(editor);
}
} // namespace

OrbDWSqlTableViewDelegate::OrbDWSqlTableViewDelegate(QObject* parent)
    : TalDefaultItemDelegate(parent != nullptr, nullptr)
{
}

OrbDWSqlTableViewDelegate::~OrbDWSqlTableViewDelegate() = default;

ZEditStyle OrbDWSqlTableViewDelegate::editStyle(const QModelIndex& index, bool& flag) const
{
    if (index.isValid()) {
        if (const auto* model = qobject_cast<const OrbDWSqlTableModel*>(index.model())) {
            const QSqlField field = model->tableField(index.column());
            if (field.isAutoValue())
                flag = true;
            return field.type() == QVariant::Bool ? esCheckBox : esLineEdit;
        }
    }
    return VantroDefaultItemDelegate::editStyle(index, flag);
}

QWidget* OrbDWSqlTableViewDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                                 const QModelIndex& index) const
{
    QWidget* editor = TalDefaultItemDelegate::createEditor(parent, option, index);
    Number kind = Number::None;
    if (QLineEdit* line = numberEditor(editor, index, &kind)) {
        QValidator* validator = nullptr;
        if (kind == Number::Integer) {
            validator = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[+-]?\\d*")), line);
        } else {
            auto* real = new RealValidator(line);
            real->setNotation(QDoubleValidator::StandardNotation);
            validator = real;
        }
        validator->setLocale(line->locale());
        line->setValidator(validator);
    }
    return editor;
}

void OrbDWSqlTableViewDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    Number kind = Number::None;
    QLineEdit* line = numberEditor(editor, index, &kind);
    const QVariant value = index.data(Qt::EditRole);
    if (!line || kind != Number::Real || value.isNull()) {
        TalDefaultItemDelegate::setEditorData(editor, index);
        return;
    }
    // With the locale's decimal point, as the validator expects it.
    line->setText(line->locale().toString(value.toDouble(), 'g', QLocale::FloatingPointShortest));
}

void OrbDWSqlTableViewDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                             const QModelIndex& index) const
{
    Number kind = Number::None;
    QLineEdit* line = numberEditor(editor, index, &kind);
    if (!line || !model) {
        TalDefaultItemDelegate::setModelData(editor, model, index);
        return;
    }
    const QString text = line->text().trimmed();
    const QVariant old = index.data(Qt::EditRole);
    if (text.isEmpty()) {
        // Emptying the cell means NULL; leaving a NULL cell empty changes nothing.
        if (!old.isNull())
            model->setData(index, QVariant(old.type()), Qt::EditRole);
        return;
    }
    bool ok = false;
    const QLocale locale = line->locale();
    const QVariant number = kind == Number::Integer ? QVariant(locale.toLongLong(text, &ok))
                                                    : QVariant(locale.toDouble(text, &ok));
    // Text that is not a number never reaches the table, whatever way it got into the editor.
    if (!ok || (!old.isNull() && number == old))
        return;
    model->setData(index, number, Qt::EditRole);
}
