#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

class QPainter;

// Strokes one pixel wide, set straight into an image of the painted area that is then drawn in
// one call. In a view crowded with thousands of shapes of a few pixels each, the painter's set-up
// per stroke costs far more than the pixels, and a pixel that many shapes share is set, not
// blended, each time. A pixel keeps the last colour set; colours are premultiplied ARGB.
class ZVDPixelCanvas
{
public:
    // Starts a frame over area, in painter coordinates.
    void begin(const QRect& area);
    void dot(const QPointF& p, QRgb colour);
    void line(const QPointF& a, const QPointF& b, QRgb colour);
    // Draws what was set onto painter and clears the image for the next frame.
    void end(QPainter& painter);

private:
    void touch(int x0, int y0, int x1, int y1);

    QImage m_image;
    QRect m_area;
    // Taken from the image at begin(): the image's accessors are calls into Qt.
    QRgb* m_bits = nullptr;
    qsizetype m_stride = 0;
    int m_width = 0, m_height = 0;
    // The part of the image set since begin() (image coordinates, inclusive); empty when left > right.
    int m_left = 0, m_top = 0, m_right = -1, m_bottom = -1;
};
