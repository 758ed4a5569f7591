#include "controls/vantropushbutton.h"

#include <QFontMetrics>

namespace {
// Room beside the text of a fitted button: two characters and the frame.
constexpr int kFitPaddingChars = 2;
constexpr int kFitFramePixels = 8;
} // namespace

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
        hint.setWidth(qMax(hint.width(), metrics.horizontalAdvance(text()) + kFitPaddingChars * metrics.averageCharWidth()
                                                  + kFitFramePixels));
    }
    return hint;
}
