#include "zvdpixelcanvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

void ZVDPixelCanvas::begin(const QRect& area)
{
    m_area = area;
    if (m_image.size() != area.size()) {
        m_image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        m_image.fill(Qt::transparent);
    }
    m_bits = reinterpret_cast<QRgb*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / qsizetype(sizeof(QRgb));
    m_width = m_image.width();
    m_height = m_image.height();
    m_left = m_top = 0;
    m_right = m_bottom = -1;
}

void ZVDPixelCanvas::touch(int x0, int y0, int x1, int y1)
{
    if (m_right < m_left) {
        m_left = x0;
        m_top = y0;
        m_right = x1;
        m_bottom = y1;
        return;
    }
    m_left = std::min(m_left, x0);
    m_top = std::min(m_top, y0);
    m_right = std::max(m_right, x1);
    m_bottom = std::max(m_bottom, y1);
}

void ZVDPixelCanvas::dot(const QPointF& p, QRgb colour)
{
    const double x = p.x() - m_area.left(), y = p.y() - m_area.top();
    if (!(x >= 0 && y >= 0 && x < m_width && y < m_height))
        return;
    const int px = int(x), py = int(y);
    m_bits[qsizetype(py) * m_stride + px] = colour;
    touch(px, py, px, py);
}

void ZVDPixelCanvas::line(const QPointF& a, const QPointF& b, QRgb colour)
{
    // Clipped to the image first (Liang-Barsky), so that a stroke running far outside the view
    // costs no more than its visible part.
    const double w = m_width, h = m_height;
    double x0 = a.x() - m_area.left(), y0 = a.y() - m_area.top();
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    auto clip = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double r = q / p;
        if (p < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        return t0 <= t1;
    };
    // The far edges are just inside the last pixel, so that a clipped end stays in the image.
    const double edge = 1e-6;
    if (!(clip(-dx, x0) && clip(dx, w - edge - x0) && clip(-dy, y0) && clip(dy, h - edge - y0)))
        return;
    const double cx1 = x0 + t1 * dx, cy1 = y0 + t1 * dy;
    x0 += t0 * dx;
    y0 += t0 * dy;
    if (!(std::isfinite(x0) && std::isfinite(y0) && std::isfinite(cx1) && std::isfinite(cy1)))
        return;
    const int maxX = m_width - 1, maxY = m_height - 1;
    int x = std::clamp(int(x0), 0, maxX), y = std::clamp(int(y0), 0, maxY);
    const int xe = std::clamp(int(cx1), 0, maxX), ye = std::clamp(int(cy1), 0, maxY);
    touch(std::min(x, xe), std::min(y, ye), std::max(x, xe), std::max(y, ye));
    // Bresenham between the two end pixels.
    const int sx = x < xe ? 1 : -1, sy = y < ye ? 1 : -1;
    const int ax = std::abs(xe - x), ay = -std::abs(ye - y);
    int err = ax + ay;
    for (;;) {
        m_bits[qsizetype(y) * m_stride + x] = colour;
        if (x == xe && y == ye)
            break;
        const int e2 = 2 * err;
        if (e2 >= ay) {
            err += ay;
            x += sx;
        }
        if (e2 <= ax) {
            err += ax;
            y += sy;
        }
    }
}

void ZVDPixelCanvas::end(QPainter& painter)
{
    if (m_right < m_left)
        return;
    const QRect part(QPoint(m_left, m_top), QPoint(m_right, m_bottom));
    painter.drawImage(part.topLeft() + m_area.topLeft(), m_image, part);
    for (int y = part.top(); y <= part.bottom(); ++y) {
        QRgb* row = m_bits + qsizetype(y) * m_stride;
        std::fill(row + part.left(), row + part.right() + 1, QRgb(0));
    }
    m_right = m_bottom = -1;
    m_left = m_top = 0;
}
