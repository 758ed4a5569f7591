#include "controls/orbdeskutils.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {
// Forms are designed at this logical dpi.
constexpr double kDesignDpi = 96.0;
} // namespace

double OrbDeskUtils::dpiScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    const double dpi = screen->logicalDotsPerInch();
    return dpi > 0 ? dpi / kDesignDpi : 1.0;
}

QSize OrbDeskUtils::calcFormSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QSize(0, 0);
    const double scale = dpiScale();
    return QSize(int(std::lround(width * scale)), int(std::lround(height * scale)));
}
