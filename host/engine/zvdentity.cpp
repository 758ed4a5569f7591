#include "engine/zvdentity.h"

#include "engine/zvectordrawing.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

ZVDEntity::ZVDEntity(int id)
    : m_id(id)
{
}

ZVDEntity::~ZVDEntity() = default;

ZVDLine::ZVDLine(int id, const QPointF& a, const QPointF& b)
    : ZVDEntity(id)
    , p1(a)
    , p2(b)
{
}

QRectF ZVDLine::boundingRect() const
{
    return QRectF(p1, p2).normalized();
}

ZVDEntity* ZVDLine::clone() const
{
    return new ZVDLine(*this);
}

ZVDPolyline::ZVDPolyline(int id, const QVector<QPointF>& pts, bool isClosed)
    : ZVDEntity(id)
    , points(pts)
    , closed(isClosed)
{
}

QRectF ZVDPolyline::boundingRect() const
{
    if (points.isEmpty())
        return QRectF();
    double x0 = points.first().x(), x1 = x0, y0 = points.first().y(), y1 = y0;
    for (const QPointF& p : points) {
        x0 = std::min(x0, p.x());
        x1 = std::max(x1, p.x());
        y0 = std::min(y0, p.y());
        y1 = std::max(y1, p.y());
    }
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

ZVDEntity* ZVDPolyline::clone() const
{
    return new ZVDPolyline(*this);
}

ZVDCircle::ZVDCircle(int id, const QPointF& c, double r)
    : ZVDEntity(id)
    , center(c)
    , radius(r)
{
}

QRectF ZVDCircle::boundingRect() const
{
    return QRectF(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
}

ZVDEntity* ZVDCircle::clone() const
{
    return new ZVDCircle(*this);
}

ZVDArc::ZVDArc(int id, const QPointF& c, double r, double start, double span)
    : ZVDEntity(id)
    , center(c)
    , radius(r)
    , startAngle(start)
    , spanAngle(span)
{
}

QRectF ZVDArc::boundingRect() const
{
    // End points plus every axis extreme the sweep passes.
    const double a0 = std::min(startAngle, startAngle + spanAngle);
    const double a1 = std::max(startAngle, startAngle + spanAngle);
    auto at = [this](double deg) {
        const double r = qDegreesToRadians(deg);
        return QPointF(center.x() + radius * std::cos(r), center.y() + radius * std::sin(r));
    };
    if (a1 - a0 >= 360.0)
        return QRectF(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    QPointF p = at(a0);
    double x0 = p.x(), x1 = p.x(), y0 = p.y(), y1 = p.y();
    auto grow = [&](const QPointF& q) {
        x0 = std::min(x0, q.x());
        x1 = std::max(x1, q.x());
        y0 = std::min(y0, q.y());
        y1 = std::max(y1, q.y());
    };
    grow(at(a1));
    // At most four axis crossings lie inside a sweep below a full turn.
    double q = std::ceil(a0 / 90.0) * 90.0;
    for (int i = 0; i < 4 && q < a1; ++i, q += 90.0)
        grow(at(q));
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

ZVDEntity* ZVDArc::clone() const
{
    return new ZVDArc(*this);
}

ZVDText::ZVDText(int id, const QPointF& pos, double h, const std::wstring& text, int align)
    : ZVDEntity(id)
    , position(pos)
    , height(h)
    , alignment(align)
    , m_text(text)
{
}

QRectF ZVDText::boundingRect() const
{
    // Estimated extent without font metrics: wide (CJK) characters are square, others narrower.
    double width = 0;
    for (wchar_t c : m_text)
        width += (c >= 0x2E80 ? 1.0 : 0.6) * height;
    double x = position.x();
    if (alignment & Qt::AlignRight)
        x -= width;
    else if (alignment & Qt::AlignHCenter)
        x -= width / 2;
    double y = position.y(); // y up: the box spans [y, y + height] for bottom alignment
    if (alignment & Qt::AlignTop)
        y -= height;
    else if (alignment & Qt::AlignVCenter)
        y -= height / 2;
    return QRectF(x, y, width, height);
}

ZVDEntity* ZVDText::clone() const
{
    return new ZVDText(*this);
}

void ZVDText::setText(const std::wstring& text)
{
    if (text == m_text)
        return;
    if (!m_holder.drawing) {
        m_text = text;
        return;
    }
    const QRectF before = boundingRect();
    m_text = text;
    m_holder.drawing->textChanged(this, before);
}
