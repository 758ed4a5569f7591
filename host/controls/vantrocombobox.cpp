#include "controls/vantrocombobox.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QStyle>

namespace {
constexpr int kMinContentsChars = 8; // the closed box shows at least this many characters
constexpr int kPopupPaddingChars = 2; // room beside the longest item in the list
} // namespace

VantroComboBox::VantroComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(kMinContentsChars);
}

VantroComboBox::~VantroComboBox() = default;

void VantroComboBox::showPopup()
{
    const QFontMetrics metrics(view()->font());
    int widest = width();
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(itemText(i)) + kPopupPaddingChars * metrics.averageCharWidth()
                                  + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    view()->setMinimumWidth(widest);
    QComboBox::showPopup();
}
