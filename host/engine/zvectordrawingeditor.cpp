#include "engine/zvectordrawingeditor.h"

#include "engine/zvdeinsertpoint.h"
#include "engine/zvdentity.h"
#include "engine/zvdinitialfont.h"
#include "engine/zvectordrawing.h"
#include "engine/zvpviewer.h"
#include "zvdpixelcanvas.h"
#include "zvdspatialindex.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSettings>
#include <QWheelEvent>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <map>

namespace {
// Texts below this pixel height are drawn as a bar: glyphs would be unreadable and slow.
constexpr double kMinTextPixels = 3.0;
constexpr double kMaxTextPixels = 2048.0;
constexpr double kMinScale = 1e-9;
constexpr double kMaxScale = 1e9;
constexpr int kFitMargin = 16;
// Zoom stays within these factors of the fitted view: further out the drawing shrinks to a dot,
// further in one stroke fills the view and the way back is hundreds of wheel steps.
constexpr double kMaxZoomOut = 10.0;
constexpr double kMaxZoomIn = 500.0;
constexpr double kPickTolerance = 4.0;
constexpr int kDenseShapes = 8000;

const QColor kBackground(Qt::white);
const QColor kGridColor(232, 232, 232);
const QColor kSelectionColor(255, 128, 0);
const QColor kInsertPointColor(200, 0, 200);
const QColor kAxisXColor(200, 0, 0);
const QColor kAxisYColor(0, 150, 0);
// Strokes are cosmetic (screen pixels); the selected entity is drawn thicker.
constexpr double kStrokeWidth = 1.0;
constexpr double kSelectedStrokeWidth = 2.0;
// A grid finer than this (pixels between lines) is not drawn; nor more lines than these.
constexpr double kMinGridPixels = 8.0;
constexpr int kMaxVerticalGridLines = 4000;
constexpr int kMaxGridLines = 8000;
// Entities this close (pixels) to the view's edge are still drawn: strokes have a width.
constexpr double kCullSlackPixels = 2.0;
// Estimated text extents are widened by this fraction on each side before culling.
constexpr double kTextCullSlack = 0.5;
constexpr double kInsertPointArm = 6.0;
constexpr double kInsertPointPen = 2.0;
// View axes: inset from the lower-left corner, arm length, pen and label size in pixels.
constexpr double kAxesInset = 16.0;
constexpr double kAxisLength = 36.0;
constexpr double kAxisPen = 1.5;
constexpr int kAxisLabelPixels = 10;
const QPointF kAxisXLabelOffset(kAxisLength + 3, 4);
const QPointF kAxisYLabelOffset(-3, -(kAxisLength + 3));
// Alpha of the bar that stands for an unreadably small text.
constexpr int kTinyTextAlpha = 110;
// Width of the box a text is laid out in: wide enough for any text, so that QPainter aligns it
// without measuring it first.
constexpr double kTextLayoutWidth = 1e5;

// Font files in the order they are tried for the default font: CJK-capable ones first.
const char* const kFontCandidates[] = {
    "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
    "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc",
    "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
    "/usr/share/fonts/truetype/arphic/uming.ttc",
    "C:/Windows/Fonts/msyh.ttc",
    "C:/Windows/Fonts/simsun.ttc",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
};

QString firstExistingFont()
{
    for (const char* path : kFontCandidates) {
        const QString p = QString::fromLatin1(path);
        if (QFileInfo(p).isFile())
            return p;
    }
    return QString();
}

// Family of a font file, loaded once per process; the system default when it cannot be loaded.
QString familyOfFontFile(const QString& path)
{
    static QHash<QString, QString> cache;
    const auto it = cache.constFind(path);
    if (it != cache.constEnd())
        return it.value();
    QString family;
    if (!path.isEmpty()) {
        const int id = QFontDatabase::addApplicationFont(path);
        if (id >= 0) {
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty())
                family = families.first();
        }
    }
    if (family.isEmpty())
        family = QFont().family();
    cache.insert(path, family);
    return family;
}

double distanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b)
{
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    double t = len2 > 0 ? QPointF::dotProduct(p - a, ab) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF q = a + t * ab;
    return std::hypot(p.x() - q.x(), p.y() - q.y());
}

// Circles and arcs up to this screen radius are drawn as chords batched with the lines: far
// cheaper than one curve per call, and within a tenth of a pixel of the true curve (half a pixel
// in a dense view drawn without antialiasing, where finer chords change no pixel).
constexpr double kMaxChordRadius = 60.0;
constexpr double kChordError = 0.1;
constexpr double kDenseChordError = 0.5;
constexpr int kMinChords = 8;
constexpr int kMinDenseChords = 6;
constexpr int kMaxChords = 96;

// Appends chords of the arc about screen centre c (angles in degrees, counter-clockwise on screen).
void appendArcChords(QVector<QLineF>& out, const QPointF& c, double r, double startDeg, double spanDeg, bool dense)
{
    // Chord error r * (1 - cos(step / 2)), about r * step^2 / 8, stays below the allowed error.
    const double error = dense ? kDenseChordError : kChordError;
    const int full = std::clamp(int(std::ceil(2 * M_PI * std::sqrt(r / (8 * error)))),
                                dense ? kMinDenseChords : kMinChords, kMaxChords);
    const int n = std::max(2, int(std::ceil(full * std::fabs(spanDeg) / 360.0)));
    const double step = qDegreesToRadians(spanDeg) / n;
    const double cs = std::cos(step), sn = std::sin(step);
    double x = std::cos(qDegreesToRadians(startDeg)), y = std::sin(qDegreesToRadians(startDeg));
    QPointF prev(c.x() + r * x, c.y() - r * y);
    for (int i = 0; i < n; ++i) {
        const double nx = x * cs - y * sn;
        y = x * sn + y * cs;
        x = nx;
        const QPointF next(c.x() + r * x, c.y() - r * y);
        out.append(QLineF(prev, next));
        prev = next;
    }
}

} // namespace

struct ZVectorDrawingEditor::Private
{
    std::unique_ptr<ZVectorDrawing> drawing = std::make_unique<ZVectorDrawing>();
    QString fontFile;
    QString fontFamily;
    bool gridFromStream = true;
    bool acceptInput = true;
    bool saveSettings = false;
    std::unique_ptr<zvp::CViewer> viewer = std::make_unique<zvp::CViewer>();
    std::unique_ptr<ZVDEInsertPoint> insertPoint = std::make_unique<ZVDEInsertPoint>();

    QPointF center;      // drawing point at the centre of the view
    double scale = 1.0;  // pixels per drawing unit
    bool fitted = true;  // the view shows zoomAll's result: a resize fits again

    bool panning = false;
    QPoint lastPanPos;
    int selectedId = 0;
    bool hasSelection = false;

    // Set while render() runs: the mapping in use and the pending batched lines per colour.
    QTransform renderTransform;
    bool batching = false;
    // Whether the last full frame was dense (drawn without antialiasing); a partial frame (the
    // strip a pan exposes) keeps that choice so that it matches the picture beside it.
    bool dense = false;
    std::map<QRgb, QVector<QLineF>> lineBatches;
    // Shapes smaller than a pixel: one dot each, batched per colour.
    std::map<QRgb, QVector<QPointF>> dotBatches;
    // One cosmetic pen per entity colour, so that switching colours allocates nothing.
    mutable QHash<QRgb, QPen> pens;
    // A dense view sets its thin strokes straight into pixels; the strokes of one entity are
    // gathered here first, in the colour of the pen they were made with.
    ZVDPixelCanvas canvas;
    bool onCanvas = false;
    QVector<QLineF> strokes;
    QRgb strokeColour = 0;
    // On the canvas a shape keeps this pen, and its strokes take shapeColour, unless drawEntity
    // sets a pen of its own: setting a pen per entity costs more than its pixels. The colour is
    // one no entity is expected to be drawn with.
    QPen canvasPen{QColor(1, 2, 3, 4), kStrokeWidth};
    QRgb shapeColour = 0;
    std::vector<int> visible;
    std::vector<int> near; // entities about the cursor, for picking
    ZVDSpatialIndex index;
    QFont textFont;
    ZVectorDrawingEditor* q = nullptr;

    // Lines of the current batch for the pen colour, or null when this stroke is drawn at once.
    QVector<QLineF>* batchFor(const QPainter& painter)
    {
        if (!batching || painter.pen().widthF() > kStrokeWidth)
            return nullptr;
        if (onCanvas) {
            strokeColour = painter.pen() == canvasPen ? shapeColour : qPremultiply(painter.pen().color().rgba());
            return &strokes;
        }
        return &lineBatches[painter.pen().color().rgba()];
    }

    void drawGrid(QPainter& painter, const QRectF& visible) const;
    void renderArea(QPainter& painter, const QRect& target, const QRect& area);
    void drawEntities(QPainter& painter, const QRect& area, const QRectF& visible, bool fullFrame);
    bool drawAsDot(const ZVDEntity& entity, const QRectF& box);
    void strokesToCanvas();
    void setEntityPen(QPainter& painter, QPen& pen, const ZVDEntity& entity) const;
    void flushBatches(QPainter& painter);
    void drawInsertPoint(QPainter& painter, const QRectF& target) const;
    void drawViewAxes(QPainter& painter, const QRect& target, QFont labelFont) const;

    void drawLine(QPainter& painter, const QTransform& t, const ZVDLine& line);
    void drawPolyline(QPainter& painter, const QTransform& t, const ZVDPolyline& polyline);
    void drawCircle(QPainter& painter, const QTransform& t, const ZVDCircle& circle);
    void drawArc(QPainter& painter, const QTransform& t, const ZVDArc& arc);
    void drawText(QPainter& painter, const QTransform& t, const ZVDText& text);
    void drawTinyText(QPainter& painter, const QTransform& t, const ZVDText& text);

    QTransform transformFor(const QRectF& target) const
    {
        const QPointF c = target.center();
        return QTransform(scale, 0, 0, -scale, c.x() - center.x() * scale, c.y() + center.y() * scale);
    }

    // Pixels per drawing unit that fit the whole drawing into target.
    double fitScale(const QRectF& target) const
    {
        return drawing->count() == 0 ? 1.0 : fitScale(target, drawing->boundingRect());
    }

    // The same for a drawing whose bounding box is box (a pass over every entity).
    double fitScale(const QRectF& target, const QRectF& box) const
    {
        if (drawing->count() == 0)
            return 1.0;
        const double w = std::max(1.0, target.width() - 2 * kFitMargin);
        const double h = std::max(1.0, target.height() - 2 * kFitMargin);
        double s = kMaxScale;
        if (box.width() > 0)
            s = std::min(s, w / box.width());
        if (box.height() > 0)
            s = std::min(s, h / box.height());
        if (s >= kMaxScale)
            s = 1.0; // a single point: keep one unit per pixel
        return std::clamp(s, kMinScale, kMaxScale);
    }

    void zoomAbout(const QPointF& screen, const QRectF& target, double factor)
    {
        const QPointF world = transformFor(target).inverted().map(screen);
        const double fit = fitScale(target);
        const double lowest = std::max(kMinScale, std::min(scale, fit / kMaxZoomOut));
        const double highest = std::min(kMaxScale, std::max(scale, fit * kMaxZoomIn));
        scale = std::clamp(scale * factor, lowest, highest);
        // Keep the drawing point under the cursor where it was.
        const QPointF c = target.center();
        center = QPointF(world.x() - (screen.x() - c.x()) / scale, world.y() + (screen.y() - c.y()) / scale);
        fitted = false;
    }
};

// The drawing's own grid, when it comes from the stream and is not too dense to see.
void ZVectorDrawingEditor::Private::drawGrid(QPainter& painter, const QRectF& visible) const
{
    const double spacing = drawing->gridSpacing();
    if (!gridFromStream || spacing <= 0 || spacing * scale < kMinGridPixels)
        return;
    QVector<QLineF> lines;
    const double x0 = std::floor(visible.left() / spacing) * spacing;
    const double y0 = std::floor(visible.top() / spacing) * spacing;
    for (double x = x0; x <= visible.right() && lines.size() < kMaxVerticalGridLines; x += spacing)
        lines.append(renderTransform.map(QLineF(x, visible.top(), x, visible.bottom())));
    for (double y = y0; y <= visible.bottom() && lines.size() < kMaxGridLines; y += spacing)
        lines.append(renderTransform.map(QLineF(visible.left(), y, visible.right(), y)));
    painter.setPen(QPen(kGridColor, 0));
    painter.drawLines(lines);
}

// Entities whose extent misses the view are skipped (through the spatial index); texts get slack
// for their estimated width.
void ZVectorDrawingEditor::Private::drawEntities(QPainter& painter, const QRect& area, const QRectF& visibleArea,
                                                 bool fullFrame)
{
    // The batches are emptied by each flush but keep their capacity from frame to frame.
    batching = true;
    const double slack = kCullSlackPixels / scale;
    index.query(*drawing, visibleArea.adjusted(-slack, -slack, slack, slack), kTextCullSlack, visible);
    if (fullFrame) {
        int shapes = 0;
        for (int i : visible)
            shapes += !index.isText(i);
        dense = shapes > kDenseShapes;
    }
    // A view crowded with thousands of shapes draws them without antialiasing: each is a few
    // pixels there, and antialiased strokes would cost more than a frame. Its thin strokes go
    // straight into pixels. Texts stay smooth.
    painter.setRenderHint(QPainter::Antialiasing, !dense);
    onCanvas = dense;
    if (onCanvas) {
        canvas.begin(area);
        canvasPen.setCosmetic(true);
    }
    painter.setBrush(Qt::NoBrush);
    QPen pen(Qt::black, kStrokeWidth);
    pen.setCosmetic(true);
    painter.setPen(pen);
    for (int i : visible) {
        ZVDEntity* e = drawing->at(i);
        if (!index.isText(i) && drawAsDot(*e, index.box(i)))
            continue;
        if (onCanvas && !index.isText(i) && !(hasSelection && e->id() == selectedId)) {
            if (!(painter.pen() == canvasPen))
                painter.setPen(canvasPen);
            shapeColour = qPremultiply(e->color().rgba());
        } else {
            setEntityPen(painter, pen, *e);
        }
        q->drawEntity(painter, e);
        if (!strokes.isEmpty())
            strokesToCanvas();
    }
    batching = false;
    flushBatches(painter);
    if (onCanvas)
        canvas.end(painter);
    onCanvas = false;
}

void ZVectorDrawingEditor::Private::strokesToCanvas()
{
    for (const QLineF& l : qAsConst(strokes))
        canvas.line(l.p1(), l.p2(), strokeColour);
    strokes.clear();
}

// Level of detail: a shape smaller than a pixel is one dot, not a stroke of its own.
bool ZVectorDrawingEditor::Private::drawAsDot(const ZVDEntity& entity, const QRectF& box)
{
    if (box.width() * scale >= 1.0 || box.height() * scale >= 1.0 || (hasSelection && entity.id() == selectedId))
        return false;
    const QPointF at = renderTransform.map(box.center());
    if (onCanvas)
        canvas.dot(at, qPremultiply(entity.color().rgba()));
    else
        dotBatches[entity.color().rgba()].append(at);
    return true;
}

// Pens are set only when they change: most neighbouring entities share one.
void ZVectorDrawingEditor::Private::setEntityPen(QPainter& painter, QPen& pen, const ZVDEntity& entity) const
{
    const bool selected = hasSelection && entity.id() == selectedId;
    const QColor color = selected ? kSelectionColor : entity.color();
    const double width = selected ? kSelectedStrokeWidth : kStrokeWidth;
    const QPen& current = painter.pen();
    if (current.color() == color && current.widthF() == width && current.isCosmetic()
        && current.style() == Qt::SolidLine)
        return;
    if (selected) {
        pen.setColor(color);
        pen.setWidthF(width);
        painter.setPen(pen);
        return;
    }
    auto it = pens.find(color.rgba());
    if (it == pens.end()) {
        QPen made(color, kStrokeWidth);
        made.setCosmetic(true);
        it = pens.insert(color.rgba(), made);
    }
    painter.setPen(it.value());
}

void ZVectorDrawingEditor::Private::flushBatches(QPainter& painter)
{
    for (auto& batch : lineBatches) {
        if (batch.second.isEmpty())
            continue;
        QPen pen(QColor::fromRgba(batch.first), kStrokeWidth);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawLines(batch.second);
        batch.second.clear();
    }
    for (auto& batch : dotBatches) {
        if (batch.second.isEmpty())
            continue;
        QPen pen(QColor::fromRgba(batch.first), kStrokeWidth);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawPoints(batch.second);
        batch.second.clear();
    }
}

// Insert-point marker: a small cross at its drawing position.
void ZVectorDrawingEditor::Private::drawInsertPoint(QPainter& painter, const QRectF& target) const
{
    if (!insertPoint->isVisible())
        return;
    const QPointF p = renderTransform.map(insertPoint->position());
    if (!target.contains(p))
        return;
    painter.setPen(QPen(kInsertPointColor, kInsertPointPen));
    painter.drawLine(p + QPointF(-kInsertPointArm, 0), p + QPointF(kInsertPointArm, 0));
    painter.drawLine(p + QPointF(0, -kInsertPointArm), p + QPointF(0, kInsertPointArm));
}

// View axes in the lower-left corner.
void ZVectorDrawingEditor::Private::drawViewAxes(QPainter& painter, const QRect& target, QFont labelFont) const
{
    if (!viewer->Options()->ViewAxesEnabled())
        return;
    const QPointF o(target.left() + kAxesInset, target.bottom() - kAxesInset);
    painter.setPen(QPen(kAxisXColor, kAxisPen));
    painter.drawLine(o, o + QPointF(kAxisLength, 0));
    painter.setPen(QPen(kAxisYColor, kAxisPen));
    painter.drawLine(o, o + QPointF(0, -kAxisLength));
    labelFont.setPixelSize(kAxisLabelPixels);
    painter.setFont(labelFont);
    painter.setPen(kAxisXColor);
    painter.drawText(o + kAxisXLabelOffset, QStringLiteral("X"));
    painter.setPen(kAxisYColor);
    painter.drawText(o + kAxisYLabelOffset, QStringLiteral("Y"));
}

void ZVectorDrawingEditor::Private::drawLine(QPainter& painter, const QTransform& t, const ZVDLine& line)
{
    const QLineF mapped(t.map(line.p1), t.map(line.p2));
    if (QVector<QLineF>* batch = batchFor(painter))
        batch->append(mapped);
    else
        painter.drawLine(mapped);
}

void ZVectorDrawingEditor::Private::drawPolyline(QPainter& painter, const QTransform& t, const ZVDPolyline& polyline)
{
    if (polyline.points.isEmpty())
        return;
    const QPolygonF poly = t.map(QPolygonF(polyline.points));
    if (QVector<QLineF>* batch = batchFor(painter)) {
        for (int k = 0; k + 1 < poly.size(); ++k)
            batch->append(QLineF(poly[k], poly[k + 1]));
        if (polyline.closed && poly.size() > 2)
            batch->append(QLineF(poly.last(), poly.first()));
    } else if (polyline.closed) {
        painter.drawPolygon(poly);
    } else {
        painter.drawPolyline(poly);
    }
}

void ZVectorDrawingEditor::Private::drawCircle(QPainter& painter, const QTransform& t, const ZVDCircle& circle)
{
    const double r = circle.radius * scale;
    QVector<QLineF>* batch = r <= kMaxChordRadius ? batchFor(painter) : nullptr;
    if (batch)
        appendArcChords(*batch, t.map(circle.center), r, 0, 360, dense);
    else
        painter.drawEllipse(t.map(circle.center), r, r);
}

void ZVectorDrawingEditor::Private::drawArc(QPainter& painter, const QTransform& t, const ZVDArc& arc)
{
    const double r = arc.radius * scale;
    const QPointF c = t.map(arc.center);
    const double span = std::clamp(arc.spanAngle, -360.0, 360.0);
    QVector<QLineF>* batch = r <= kMaxChordRadius ? batchFor(painter) : nullptr;
    if (batch)
        appendArcChords(*batch, c, r, arc.startAngle, span, dense);
    else
        painter.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), qRound(arc.startAngle * 16), qRound(span * 16));
}

void ZVectorDrawingEditor::Private::drawText(QPainter& painter, const QTransform& t, const ZVDText& text)
{
    const double px = text.height * scale;
    if (px < kMinTextPixels) {
        drawTinyText(painter, t, text);
        return;
    }
    const double size = std::min(px, kMaxTextPixels);
    QFont f = textFont;
    f.setPixelSize(std::max(1, qRound(size)));
    painter.setFont(f);
    const QPointF anchor = t.map(text.position);
    int flags = Qt::TextDontClip | Qt::AlignVCenter;
    double x = anchor.x();
    if (text.alignment & Qt::AlignRight) {
        x -= kTextLayoutWidth;
        flags |= Qt::AlignRight;
    } else if (text.alignment & Qt::AlignHCenter) {
        x -= kTextLayoutWidth / 2;
        flags |= Qt::AlignHCenter;
    } else {
        flags |= Qt::AlignLeft;
    }
    double top = anchor.y() - size;
    if (text.alignment & Qt::AlignTop)
        top = anchor.y();
    else if (text.alignment & Qt::AlignVCenter)
        top = anchor.y() - size / 2;
    painter.drawText(QRectF(x, top, kTextLayoutWidth, size), flags, QString::fromStdWString(text.text()));
}

// Too small to read: a faint bar where the text stands.
void ZVectorDrawingEditor::Private::drawTinyText(QPainter& painter, const QTransform& t, const ZVDText& text)
{
    const QRectF box = t.mapRect(text.boundingRect());
    if (box.width() < 1.0)
        return;
    QColor faint = painter.pen().color();
    faint.setAlpha(kTinyTextAlpha);
    const QLineF bar(box.left(), box.center().y(), box.right(), box.center().y());
    if (onCanvas) {
        canvas.line(bar.p1(), bar.p2(), qPremultiply(faint.rgba()));
        return;
    }
    if (batching) {
        lineBatches[faint.rgba()].append(bar);
        return;
    }
    const QPen old = painter.pen();
    painter.setPen(QPen(faint, 0));
    painter.drawLine(bar);
    painter.setPen(old);
}

ZVectorDrawingEditor::ZVectorDrawingEditor(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<Private>())
{
    d->q = this;
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(40, 40);
    d->drawing->addObserver(this);
    const QString initial = ZVDInitialFont::path();
    setDefaultFont(initial.isEmpty() ? firstExistingFont() : initial);
}

ZVectorDrawingEditor::~ZVectorDrawingEditor()
{
    if (d->saveSettings) {
        QSettings settings(QStringLiteral("OrbDrawingWidgets"), QStringLiteral("ZVectorDrawingEditor"));
        settings.setValue(QStringLiteral("viewAxes"), d->viewer->Options()->ViewAxesEnabled());
        settings.setValue(QStringLiteral("gridFromStream"), d->gridFromStream);
    }
    d->drawing->removeObserver(this);
}

ZVectorDrawing* ZVectorDrawingEditor::vectorDrawing() const
{
    return d->drawing.get();
}

QString ZVectorDrawingEditor::defaultFont() const
{
    return d->fontFile;
}

void ZVectorDrawingEditor::setDefaultFont(const QString& fontFile)
{
    d->fontFile = fontFile;
    d->fontFamily = familyOfFontFile(fontFile);
    d->textFont = QFont(d->fontFamily);
    d->textFont.setStyleStrategy(QFont::PreferAntialias);
    update();
}

void ZVectorDrawingEditor::zoomAll()
{
    d->fitted = true;
    const QRectF box = d->drawing->count() == 0 ? QRectF() : d->drawing->boundingRect();
    d->scale = d->fitScale(QRectF(rect()), box);
    d->center = box.center();
    update();
}

void ZVectorDrawingEditor::loadGridFromStream(bool enabled)
{
    if (d->gridFromStream == enabled)
        return;
    d->gridFromStream = enabled;
    update();
}

bool ZVectorDrawingEditor::gridFromStream() const
{
    return d->gridFromStream;
}

void ZVectorDrawingEditor::setAccpetMouseKeyInput(bool accept)
{
    d->acceptInput = accept;
    if (!accept && d->hasSelection) {
        d->hasSelection = false;
        update();
    }
}

bool ZVectorDrawingEditor::acceptMouseKeyInput() const
{
    return d->acceptInput;
}

void ZVectorDrawingEditor::setSaveSettings(bool save)
{
    if (d->saveSettings == save)
        return;
    d->saveSettings = save;
    if (save) {
        // Settings saved by an earlier editor apply from now on.
        QSettings settings(QStringLiteral("OrbDrawingWidgets"), QStringLiteral("ZVectorDrawingEditor"));
        d->viewer->Options()->SetViewAxesEnabled(
            settings.value(QStringLiteral("viewAxes"), d->viewer->Options()->ViewAxesEnabled()).toBool());
        d->gridFromStream = settings.value(QStringLiteral("gridFromStream"), d->gridFromStream).toBool();
        update();
    }
}

bool ZVectorDrawingEditor::saveSettings() const
{
    return d->saveSettings;
}

zvp::CViewer* ZVectorDrawingEditor::getViewer() const
{
    return d->viewer.get();
}

ZVDEInsertPoint* ZVectorDrawingEditor::insertPoint() const
{
    return d->insertPoint.get();
}

QTransform ZVectorDrawingEditor::viewTransform() const
{
    return d->transformFor(QRectF(rect()));
}

double ZVectorDrawingEditor::viewScale() const
{
    return d->scale;
}

QRect ZVectorDrawingEditor::entityScreenRect(const ZVDEntity* entity) const
{
    if (!entity)
        return QRect();
    const QTransform t = viewTransform();
    if (entity->kind() == ZVDEntityKind::Text) {
        const auto* text = static_cast<const ZVDText*>(entity);
        const double px = text->height * d->scale;
        if (px >= kMinTextPixels && px <= kMaxTextPixels) {
            QFont f = d->textFont;
            f.setPixelSize(std::max(1, qRound(px)));
            const QFontMetricsF fm(f);
            const double w = fm.horizontalAdvance(QString::fromStdWString(text->text()));
            const QPointF anchor = t.map(text->position);
            double x = anchor.x();
            if (text->alignment & Qt::AlignRight)
                x -= w;
            else if (text->alignment & Qt::AlignHCenter)
                x -= w / 2;
            double top = anchor.y() - px;
            if (text->alignment & Qt::AlignTop)
                top = anchor.y();
            else if (text->alignment & Qt::AlignVCenter)
                top = anchor.y() - px / 2;
            return QRectF(x, top, w, px).toAlignedRect();
        }
    }
    return t.mapRect(entity->boundingRect()).toAlignedRect();
}

ZVDEntity* ZVectorDrawingEditor::entityAt(const QPoint& pos) const
{
    const QPointF p(pos);
    const QTransform t = viewTransform();
    // Only what the index has about the cursor, topmost first: a pick does not walk the drawing.
    const QPointF at = t.inverted().map(p);
    const double reach = (kPickTolerance + kCullSlackPixels) / d->scale;
    d->index.query(*d->drawing, QRectF(at.x() - reach, at.y() - reach, 2 * reach, 2 * reach), kTextCullSlack, d->near);
    for (auto i = d->near.rbegin(); i != d->near.rend(); ++i) {
        ZVDEntity* e = d->drawing->at(*i);
        const QRectF box = QRectF(entityScreenRect(e)).adjusted(-kPickTolerance, -kPickTolerance,
                                                                kPickTolerance, kPickTolerance);
        if (!box.contains(p))
            continue;
        switch (e->kind()) {
        case ZVDEntityKind::Text:
            return e;
        case ZVDEntityKind::Line: {
            auto* l = static_cast<ZVDLine*>(e);
            if (distanceToSegment(p, t.map(l->p1), t.map(l->p2)) <= kPickTolerance)
                return e;
            break;
        }
        case ZVDEntityKind::Polyline: {
            auto* pl = static_cast<ZVDPolyline*>(e);
            const int n = pl->points.size();
            for (int k = 0; k + 1 < n + (pl->closed ? 1 : 0); ++k) {
                if (distanceToSegment(p, t.map(pl->points[k]), t.map(pl->points[(k + 1) % n])) <= kPickTolerance)
                    return e;
            }
            if (n == 1 && distanceToSegment(p, t.map(pl->points[0]), t.map(pl->points[0])) <= kPickTolerance)
                return e;
            break;
        }
        case ZVDEntityKind::Circle: {
            auto* c = static_cast<ZVDCircle*>(e);
            const QPointF sc = t.map(c->center);
            if (std::fabs(std::hypot(p.x() - sc.x(), p.y() - sc.y()) - c->radius * d->scale) <= kPickTolerance)
                return e;
            break;
        }
        case ZVDEntityKind::Arc: {
            auto* a = static_cast<ZVDArc*>(e);
            const QPointF sc = t.map(a->center);
            const double dist = std::hypot(p.x() - sc.x(), p.y() - sc.y());
            if (std::fabs(dist - a->radius * d->scale) > kPickTolerance)
                break;
            // Screen y points down: the drawing angle is measured with y flipped.
            double angle = qRadiansToDegrees(std::atan2(sc.y() - p.y(), p.x() - sc.x()));
            const double a0 = std::min(a->startAngle, a->startAngle + a->spanAngle);
            const double span = std::fabs(a->spanAngle);
            double rel = std::fmod(angle - a0, 360.0);
            if (rel < 0)
                rel += 360.0;
            if (span >= 360.0 || rel <= span)
                return e;
            break;
        }
        }
    }
    return nullptr;
}

void ZVectorDrawingEditor::onNotify(int, std::vector<ZVDEntity*>&, void*)
{
    d->index.invalidate();
    update();
}

QHash<QString, QString> ZVectorDrawingEditor::getAttributes(const QString&)
{
    return {};
}

QPointF ZVectorDrawingEditor::WorldPtToScreenPt(const QPointF& world) const
{
    return viewTransform().map(world);
}

QPointF ZVectorDrawingEditor::ScreenPtToWorldPt(const QPointF& screen) const
{
    return viewTransform().inverted().map(screen);
}

void ZVectorDrawingEditor::render(QPainter& painter, const QRect& target)
{
    d->renderArea(painter, target, target);
}

// Draws the part area of the view target (all of it, or a strip that a pan uncovered).
void ZVectorDrawingEditor::Private::renderArea(QPainter& painter, const QRect& target, const QRect& area)
{
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, kBackground);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    const QRectF targetF(target);
    renderTransform = transformFor(targetF);
    const QRectF visibleArea = renderTransform.inverted().mapRect(QRectF(area));
    drawGrid(painter, visibleArea);
    drawEntities(painter, area, visibleArea, area == target);
    drawInsertPoint(painter, targetF);
    drawViewAxes(painter, target, q->font());
    painter.restore();
}

void ZVectorDrawingEditor::drawEntity(QPainter& painter, ZVDEntity* entity)
{
    if (!entity)
        return;
    // Called outside render() (a subclass drawing on its own): use the widget's mapping.
    const QTransform& t = d->batching ? d->renderTransform : viewTransform();
    switch (entity->kind()) {
    case ZVDEntityKind::Line:
        d->drawLine(painter, t, *static_cast<ZVDLine*>(entity));
        break;
    case ZVDEntityKind::Polyline:
        d->drawPolyline(painter, t, *static_cast<ZVDPolyline*>(entity));
        break;
    case ZVDEntityKind::Circle:
        d->drawCircle(painter, t, *static_cast<ZVDCircle*>(entity));
        break;
    case ZVDEntityKind::Arc:
        d->drawArc(painter, t, *static_cast<ZVDArc*>(entity));
        break;
    case ZVDEntityKind::Text:
        d->drawText(painter, t, *static_cast<ZVDText*>(entity));
        break;
    }
}

void ZVectorDrawingEditor::paintEvent(QPaintEvent* event)
{
    // After a pan only the uncovered strips are exposed: the rest of the picture was moved.
    QPainter painter(this);
    const QRect whole = rect();
    if (event->rect() == whole) {
        render(painter, whole);
        return;
    }
    for (const QRect& area : event->region())
        d->renderArea(painter, whole, area & whole);
}

void ZVectorDrawingEditor::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (d->fitted)
        zoomAll();
}

void ZVectorDrawingEditor::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    d->zoomAbout(event->position(), QRectF(rect()), std::pow(1.2, delta / 120.0));
    event->accept();
    update();
}

void ZVectorDrawingEditor::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton) {
        d->panning = true;
        d->lastPanPos = event->pos();
        setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && d->acceptInput) {
        ZVDEntity* e = entityAt(event->pos());
        d->hasSelection = e != nullptr;
        d->selectedId = e ? e->id() : 0;
        update();
    }
    QWidget::mousePressEvent(event);
}

void ZVectorDrawingEditor::mouseMoveEvent(QMouseEvent* event)
{
    if (d->panning) {
        const QPoint delta = event->pos() - d->lastPanPos;
        d->lastPanPos = event->pos();
        d->center -= QPointF(delta.x() / d->scale, -delta.y() / d->scale);
        d->fitted = false;
        // The picture on screen moves along; only the uncovered strips are drawn anew.
        scroll(delta.x(), delta.y());
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void ZVectorDrawingEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && d->panning) {
        d->panning = false;
        unsetCursor();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void ZVectorDrawingEditor::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
}

void ZVectorDrawingEditor::keyPressEvent(QKeyEvent* event)
{
    if (d->acceptInput) {
        const QRectF r(rect());
        switch (event->key()) {
        case Qt::Key_Home:
            zoomAll();
            return;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            d->zoomAbout(r.center(), r, 1.2);
            update();
            return;
        case Qt::Key_Minus:
            d->zoomAbout(r.center(), r, 1 / 1.2);
            update();
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event);
}

void ZVectorDrawingEditor::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
}
