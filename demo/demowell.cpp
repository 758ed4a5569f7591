#include "demowell.h"

#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include <QColor>

#include <cmath>

namespace {
const QColor kOutline(20, 20, 20);
const QColor kDimension(0, 128, 96);
const QColor kPipe(150, 60, 0);
const QColor kValue(0, 80, 230);
const QColor kGround(110, 90, 60);
constexpr double kTextHeight = 90;
constexpr int kBottomCentre = Qt::AlignHCenter | Qt::AlignBottom;
constexpr int kLeftBottom = Qt::AlignLeft | Qt::AlignBottom;
constexpr int kLeftTop = Qt::AlignLeft | Qt::AlignTop;
constexpr int kRightBottom = Qt::AlignRight | Qt::AlignBottom;

class Builder
{
public:
    explicit Builder(ZVectorDrawing* d) : m_d(d) {}

    void line(double x1, double y1, double x2, double y2, const QColor& c = kOutline)
    {
        auto* e = new ZVDLine(nextId(), QPointF(x1, y1), QPointF(x2, y2));
        e->setColor(c);
        m_d->add(e);
    }
    void poly(const QVector<QPointF>& pts, bool closed, const QColor& c = kOutline)
    {
        auto* e = new ZVDPolyline(nextId(), pts, closed);
        e->setColor(c);
        m_d->add(e);
    }
    void rect(double x1, double y1, double x2, double y2, const QColor& c = kOutline)
    {
        poly({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, true, c);
    }
    void text(int id, double x, double y, const QString& s, int align, const QColor& c = kOutline,
              double h = kTextHeight)
    {
        auto* e = new ZVDText(id > 0 ? id : nextId(), QPointF(x, y), h, s.toStdWString(), align);
        e->setColor(c);
        m_d->add(e);
    }
    void circle(double x, double y, double radius)
    {
        auto* e = new ZVDCircle(nextId(), QPointF(x, y), radius);
        e->setColor(kOutline);
        m_d->add(e);
    }
    void arc(double x, double y, double radius, double start, double span)
    {
        auto* e = new ZVDArc(nextId(), QPointF(x, y), radius, start, span);
        e->setColor(kPipe);
        m_d->add(e);
    }
    // Architectural tick: a short slash through a dimension end.
    void tick(double x, double y)
    {
        line(x - 35, y - 35, x + 35, y + 35, kDimension);
    }
    // Horizontal dimension between x1 and x2 at height y; label and value above the line.
    void hDim(double x1, double x2, double y, const QString& label, const DemoWellParam& p)
    {
        line(x1 - 60, y, x2 + 60, y, kDimension);
        tick(x1, y);
        tick(x2, y);
        const double mid = (x1 + x2) / 2;
        text(p.vdID, mid, y + 25, value(p), kBottomCentre, kValue);
        text(0, mid, y + 25 + kTextHeight * 1.2, label, kBottomCentre);
    }
    // Vertical dimension between y1 and y2 at x; label and value to the right of the line.
    void vDim(double x, double y1, double y2, const QString& label, const DemoWellParam& p)
    {
        line(x, y1 + 60, x, y2 - 60, kDimension);
        tick(x, y1);
        tick(x, y2);
        const double mid = (y1 + y2) / 2;
        text(0, x + 40, mid + 10, label, kLeftBottom);
        text(p.vdID, x + 40, mid - 10, value(p), kLeftTop, kValue);
    }
    static QString value(const DemoWellParam& p)
    {
        return QString::number(p.value, 'f', std::fabs(p.value - std::round(p.value)) < 1e-9 ? 0 : 1);
    }

private:
    int nextId() { return m_next++; }

    ZVectorDrawing* m_d;
    int m_next = 1000; // parameter texts use the ids below this
};

DemoWellParam find(const QList<DemoWellParam>& values, const QString& code)
{
    for (const DemoWellParam& p : values)
        if (p.code == code)
            return p;
    for (const DemoWellParam& p : demowell::params())
        if (p.code == code)
            return p;
    return DemoWellParam{code, code, 0, 0};
}
} // namespace

namespace demowell {
QList<DemoWellParam> params()
{
    return {
        {QStringLiteral("H"), QStringLiteral("井深"), 1, 2500},
        {QStringLiteral("D"), QStringLiteral("井室内径"), 2, 1000},
        {QStringLiteral("T"), QStringLiteral("井壁厚"), 3, 240},
        {QStringLiteral("D1"), QStringLiteral("井筒内径"), 4, 700},
        {QStringLiteral("H1"), QStringLiteral("井筒高"), 5, 600},
        {QStringLiteral("B"), QStringLiteral("底板厚"), 6, 200},
        {QStringLiteral("DN"), QStringLiteral("管径"), 7, 400},
    };
}

void build(ZVectorDrawing* drawing, const QList<DemoWellParam>& values)
{
    if (!drawing)
        return;
    drawing->clear();
    const DemoWellParam pH = find(values, QStringLiteral("H")), pD = find(values, QStringLiteral("D")),
                        pT = find(values, QStringLiteral("T")), pD1 = find(values, QStringLiteral("D1")),
                        pH1 = find(values, QStringLiteral("H1")), pB = find(values, QStringLiteral("B")),
                        pDN = find(values, QStringLiteral("DN"));
    const double H = pH.value, r = pD.value / 2, t = pT.value, r1 = pD1.value / 2, H1 = pH1.value,
                 B = pB.value, DN = pDN.value;
    const double cover = 100;            // cover and frame
    const double coneBottom = -(H1 + 500); // the cone narrows the chamber to the neck
    const double bottom = -H;
    const double outer = r + t;
    const double halfWidth = outer + 900;

    Builder b(drawing);
    // Ground with short hatch strokes on both sides of the well.
    b.line(-halfWidth, 0, -(r1 + t + 120), 0, kGround);
    b.line(r1 + t + 120, 0, halfWidth, 0, kGround);
    for (double x = -halfWidth; x < halfWidth; x += 120) {
        if (std::fabs(x) < r1 + t + 200)
            continue;
        b.line(x, 0, x - 60, -60, kGround);
    }
    // Cover and frame.
    b.rect(-(r1 + t + 120), 0, r1 + t + 120, -cover);
    // Neck walls.
    b.rect(-(r1 + t), -cover, -r1, -H1);
    b.rect(r1, -cover, r1 + t, -H1);
    // Cone: the walls slope from the neck out to the chamber.
    b.poly({{-r1, -H1}, {-r, coneBottom}, {-outer, coneBottom}, {-(r1 + t), -H1}}, true);
    b.poly({{r1, -H1}, {r, coneBottom}, {outer, coneBottom}, {r1 + t, -H1}}, true);
    // Chamber walls, bottom slab and cushion.
    b.rect(-outer, coneBottom, -r, bottom);
    b.rect(r, coneBottom, outer, bottom);
    b.rect(-(outer + 100), bottom, outer + 100, bottom - B);
    b.rect(-(outer + 200), bottom - B, outer + 200, bottom - B - 100, kGround);
    // Inlet and outlet pipes at the invert, with their axes.
    for (int side : {-1, 1}) {
        const double x0 = side * outer, x1 = side * halfWidth;
        b.line(x0, bottom + 40, x1, bottom + 40, kPipe);
        b.line(x0, bottom + 40 + DN, x1, bottom + 40 + DN, kPipe);
        b.line(x1, bottom + 40, x1, bottom + 40 + DN, kPipe);
        for (double x = std::min(x0, x1); x < std::max(x0, x1); x += 160)
            b.line(x, bottom + 40 + DN / 2, x + 90, bottom + 40 + DN / 2, kPipe);
    }
    // Circles mark the ladder rungs, an arc the swing of the cover's lid below the frame.
    for (double y = coneBottom - 150; y > bottom + DN + 200; y -= 300)
        b.circle(-r + 70, y, 30);
    b.arc(0, -cover, 150, 200, 140);

    // Dimensions, their values as parameter texts.
    b.vDim(halfWidth - 250, 0, bottom, QStringLiteral("井深"), pH);
    b.hDim(-r, r, bottom + 650 + DN, QStringLiteral("井室内径"), pD);
    b.hDim(r, outer, bottom - B - 400, QStringLiteral("井壁厚"), pT);
    b.hDim(-r1, r1, -H1 + 20, QStringLiteral("井筒内径"), pD1);
    b.vDim(-halfWidth + 150, 0, -H1, QStringLiteral("井筒高"), pH1);
    b.vDim(-(outer + 350), bottom, bottom - B, QStringLiteral("底板厚"), pB);
    b.text(pDN.vdID, halfWidth - 60, bottom + 40 + DN + 30, Builder::value(pDN), kRightBottom, kValue);
    b.text(0, halfWidth - 60 - kTextHeight * 2.6, bottom + 40 + DN + 30, QStringLiteral("DN"), kRightBottom);
    b.text(0, -halfWidth + 60, bottom + 40 + DN + 30, QStringLiteral("进水管"), kLeftBottom);
    b.text(0, 0, bottom - B - 700, QStringLiteral("检查井剖面图  1:50"), kBottomCentre, kOutline, 130);
}

QByteArray bytes(const QList<DemoWellParam>& values)
{
    ZVectorDrawing drawing;
    build(&drawing, values);
    QByteArray data;
    OrbVectorDrawingUtils::saveData(&drawing, data, vdsfStream, false);
    return data;
}
} // namespace demowell
