#pragma once

#include <QSize>

// Desktop helpers of the controls library.
class OrbDeskUtils
{
public:
    // A form size designed at 96 dpi, scaled to the logical dpi of the primary screen (unchanged
    // without a screen). Non-positive sizes give an empty size.
    static QSize calcFormSize(int width, int height);
    // The factor calcFormSize applies: logical dpi / 96.
    static double dpiScale();
};
