#pragma once

#include <QSize>

/// Desktop helpers of the controls library.
class OrbDeskUtils
{
public:
    /// A form size designed at 96 dpi, scaled to the logical dpi of the primary screen (unchanged
    /// without a screen). Non-positive sizes give an empty size. The input dialog sizes itself
    /// (1336 x 700) and its rebar tip (215 x 324) with it.
    static QSize calcFormSize(int width, int height);
    /// Host side: the factor calcFormSize applies, logical dpi / 96. The library does not call it.
    static double dpiScale();
};
