#include "controls/orbdeskutils.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

double OrbDeskUtils::dpiScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    const double dpi = screen->logicalDotsPerInch();
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

QSize OrbDeskUtils::calcFormSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QSize(0, 0);
    const double scale = dpiScale();
    return QSize(int(std::lround(width * scale)), int(std::lround(height * scale)));
}
