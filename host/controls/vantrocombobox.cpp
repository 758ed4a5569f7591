#include "controls/vantrocombobox.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QStyle>

VantroComboBox::VantroComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
}

VantroComboBox::~VantroComboBox() = default;

void VantroComboBox::showPopup()
{
    const QFontMetrics metrics(view()->font());
    int widest = width();
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(itemText(i)) + 2 * metrics.averageCharWidth()
                                  + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    view()->setMinimumWidth(widest);
    QComboBox::showPopup();
}
