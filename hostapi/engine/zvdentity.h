#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QVector>

#include <string>

class QDomElement;
class QPainter;

enum class ZVDEntityKind
{
    Line = 1,
    Polyline = 2,
    Circle = 3,
    Arc = 4,
    Text = 5,
};

// One entity of a vector drawing, identified by its integer VD id. Coordinates are drawing units
// with y pointing up.
class ZVDEntity
{
public:
    explicit ZVDEntity(int id = 0);
    virtual ~ZVDEntity();

    int id() const { return m_id; }
    void setId(int id) { m_id = id; }
    QColor color() const { return m_color; }
    void setColor(const QColor& color) { m_color = color; }

    virtual ZVDEntityKind kind() const = 0;
    // Extent in drawing units.
    virtual QRectF boundingRect() const = 0;
    virtual ZVDEntity* clone() const = 0;

protected:
    int m_id;
    QColor m_color = Qt::black;
};

class ZVDLine : public ZVDEntity
{
public:
    ZVDLine(int id, const QPointF& p1, const QPointF& p2);
    ZVDEntityKind kind() const override { return ZVDEntityKind::Line; }
    QRectF boundingRect() const override;
    ZVDEntity* clone() const override;
    QPointF p1, p2;
};

class ZVDPolyline : public ZVDEntity
{
public:
    ZVDPolyline(int id, const QVector<QPointF>& points, bool closed);
    ZVDEntityKind kind() const override { return ZVDEntityKind::Polyline; }
    QRectF boundingRect() const override;
    ZVDEntity* clone() const override;
    QVector<QPointF> points;
    bool closed;
};

class ZVDCircle : public ZVDEntity
{
public:
    ZVDCircle(int id, const QPointF& center, double radius);
    ZVDEntityKind kind() const override { return ZVDEntityKind::Circle; }
    QRectF boundingRect() const override;
    ZVDEntity* clone() const override;
    QPointF center;
    double radius;
};

// An arc from startAngle sweeping spanAngle, in degrees, counter-clockwise.
class ZVDArc : public ZVDEntity
{
public:
    ZVDArc(int id, const QPointF& center, double radius, double startAngle, double spanAngle);
    ZVDEntityKind kind() const override { return ZVDEntityKind::Arc; }
    QRectF boundingRect() const override;
    ZVDEntity* clone() const override;
    QPointF center;
    double radius;
    double startAngle;
    double spanAngle;
};

// A text entity: parameter values are shown as texts. Alignment uses Qt::Alignment flags
// relative to the position.
class ZVDText : public ZVDEntity
{
public:
    ZVDText(int id, const QPointF& position, double height, const std::wstring& text,
            int alignment = 0x0001 | 0x0040 /* Qt::AlignLeft | Qt::AlignBottom */);
    ZVDEntityKind kind() const override { return ZVDEntityKind::Text; }
    QRectF boundingRect() const override;
    ZVDEntity* clone() const override;

    std::wstring text() const { return m_text; }
    virtual void setText(const std::wstring& text);

    QPointF position;
    double height;
    int alignment;

protected:
    std::wstring m_text;
};
