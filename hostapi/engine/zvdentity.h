#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QVector>

#include <string>

class QDomElement;
class QPainter;
class ZVectorDrawing;

/// The kinds of entity the engine draws. The library tells texts apart by dynamic_cast to ZVDText.
enum class ZVDEntityKind
{
    Line = 1,     ///< ZVDLine
    Polyline = 2, ///< ZVDPolyline
    Circle = 3,   ///< ZVDCircle
    Arc = 4,      ///< ZVDArc
    Text = 5,     ///< ZVDText
};

/// One entity of a vector drawing, identified by its integer VD id. Coordinates are drawing units
/// with y pointing up. The library receives entities from ZVectorDrawing::find and from the
/// editor's click signal and only asks them for their id and whether they are texts.
class ZVDEntity
{
public:
    /// An entity with that VD id.
    explicit ZVDEntity(int id = 0);
    virtual ~ZVDEntity();

    /// The VD id; the library matches it against OrbDrawsetProp::vdID().
    int id() const { return m_id; }
    /// Host side: changes the VD id. The library does not call it.
    void setId(int id) { m_id = id; }
    /// Host side: the colour the entity is drawn in. The library does not call it.
    QColor color() const { return m_color; }
    /// Host side: sets the drawing colour. The library does not call it.
    void setColor(const QColor& color) { m_color = color; }

    /// The kind of entity.
    virtual ZVDEntityKind kind() const = 0;
    /// Host side: extent in drawing units.
    virtual QRectF boundingRect() const = 0;
    /// Host side: a copy with the same id, owned by the caller.
    virtual ZVDEntity* clone() const = 0;

protected:
    int m_id;                  ///< the VD id
    QColor m_color = Qt::black; ///< the drawing colour
};

/// Host side: a straight line of the reference engine. The library does not use it.
class ZVDLine : public ZVDEntity
{
public:
    /// A line from p1 to p2.
    ZVDLine(int id, const QPointF& p1, const QPointF& p2);
    ZVDEntityKind kind() const override { return ZVDEntityKind::Line; }
    QRectF boundingRect() const override;
    ZVDEntity* clone() const override;
    QPointF p1; ///< start point
    QPointF p2; ///< end point
};

/// Host side: an open or closed polyline of the reference engine. The library does not use it.
class ZVDPolyline : public ZVDEntity
{
public:
    /// A polyline through points, closed back to the first point when closed is true.
    ZVDPolyline(int id, const QVector<QPointF>& points, bool closed);
    ZVDEntityKind kind() const override { return ZVDEntityKind::Polyline; }
    QRectF boundingRect() const override;
    ZVDEntity* clone() const override;
    QVector<QPointF> points; ///< the corner points in order
    bool closed;             ///< whether the last point joins the first
};

/// Host side: a circle of the reference engine. The library does not use it.
class ZVDCircle : public ZVDEntity
{
public:
    /// A circle about center.
    ZVDCircle(int id, const QPointF& center, double radius);
    ZVDEntityKind kind() const override { return ZVDEntityKind::Circle; }
    QRectF boundingRect() const override;
    ZVDEntity* clone() const override;
    QPointF center; ///< centre point
    double radius;  ///< radius in drawing units
};

/// Host side: an arc from startAngle sweeping spanAngle, in degrees, counter-clockwise.
/// The library does not use it.
class ZVDArc : public ZVDEntity
{
public:
    /// An arc of the circle about center.
    ZVDArc(int id, const QPointF& center, double radius, double startAngle, double spanAngle);
    ZVDEntityKind kind() const override { return ZVDEntityKind::Arc; }
    QRectF boundingRect() const override;
    ZVDEntity* clone() const override;
    QPointF center;    ///< centre point
    double radius;     ///< radius in drawing units
    double startAngle; ///< start, degrees counter-clockwise from the x axis
    double spanAngle;  ///< sweep in degrees, counter-clockwise
};

/// A text entity: parameter values are shown as texts. Alignment uses Qt::Alignment flags
/// relative to the position. The library reads the texts of parameter entities as their
/// defaults and writes the processor's values into them.
class ZVDText : public ZVDEntity
{
public:
    /// A text at position, height drawing units high.
    ZVDText(int id, const QPointF& position, double height, const std::wstring& text,
            int alignment = 0x0001 | 0x0040 /* Qt::AlignLeft | Qt::AlignBottom */);
    ZVDEntityKind kind() const override { return ZVDEntityKind::Text; }
    QRectF boundingRect() const override;
    ZVDEntity* clone() const override;

    /// The shown text (a leading "@" marks a parameter placeholder and is dropped by the editor
    /// form when it fills an editor).
    std::wstring text() const { return m_text; }
    /// Changes the shown text; the editor form writes each property's value with it. The drawing
    /// that holds the text updates its extent and tells its observers, as notifyChanged does.
    virtual void setText(const std::wstring& text);

    QPointF position; ///< Host side: anchor point in drawing units
    double height;    ///< Host side: text height in drawing units
    int alignment;    ///< Host side: Qt::Alignment flags relative to position

protected:
    std::wstring m_text; ///< the shown text

private:
    friend class ZVectorDrawing;
    /// Host side: the drawing that holds the text, set by ZVectorDrawing; a copy belongs to none.
    struct Holder
    {
        Holder() = default;
        Holder(const Holder&) {}                          ///< a copy is held by no drawing
        Holder& operator=(const Holder&) { return *this; } ///< assigning keeps the holder
        ZVectorDrawing* drawing = nullptr;                ///< null while no drawing holds it
    };
    Holder m_holder; ///< Host side: told by setText
};
