#include "controls/vantropushbutton.h"

#include <QFontMetrics>

VantroPushButton::VantroPushButton(QWidget* parent)
    : QPushButton(parent)
{
}

VantroPushButton::VantroPushButton(const QString& text, QWidget* parent, bool fitText)
    : QPushButton(text, parent), m_fitText(fitText)
{
}

VantroPushButton::~VantroPushButton() = default;

QSize VantroPushButton::minimumSizeHint() const
{
    QSize hint = QPushButton::minimumSizeHint();
    if (m_fitText) {
        const QFontMetrics metrics(font());
        hint.setWidth(qMax(hint.width(), metrics.horizontalAdvance(text()) + 2 * metrics.averageCharWidth() + 8));
    }
    return hint;
}
