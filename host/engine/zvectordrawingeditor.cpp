#include "engine/zvectordrawingeditor.h"

#include "engine/zvdeinsertpoint.h"
#include "engine/zvdentity.h"
#include "engine/zvdinitialfont.h"
#include "engine/zvectordrawing.h"
#include "engine/zvpviewer.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
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
constexpr double kPickTolerance = 4.0;
constexpr int kDenseShapes = 8000;

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
// cheaper than one curve per call, and within a tenth of a pixel of the true curve.
constexpr double kMaxChordRadius = 60.0;

// Appends chords of the arc about screen centre c (angles in degrees, counter-clockwise on screen).
void appendArcChords(QVector<QLineF>& out, const QPointF& c, double r, double startDeg, double spanDeg)
{
    // Chord error r * (1 - cos(step / 2)) stays below 0.1 px.
    const int full = std::clamp(int(std::ceil(M_PI * std::sqrt(5.0 * r))), 8, 96);
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

bool overlaps(const QRectF& a, const QRectF& b)
{
    // Unlike QRectF::intersects, a zero-width or zero-height extent (an axis-parallel line) counts.
    return a.left() <= b.right() && a.right() >= b.left() && a.top() <= b.bottom() && a.bottom() >= b.top();
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
    std::map<QRgb, QVector<QLineF>> lineBatches;
    std::vector<ZVDEntity*> visible;
    QFont textFont;

    QTransform transformFor(const QRectF& target) const
    {
        const QPointF c = target.center();
        return QTransform(scale, 0, 0, -scale, c.x() - center.x() * scale, c.y() + center.y() * scale);
    }

    void zoomAbout(const QPointF& screen, const QRectF& target, double factor)
    {
        const QPointF world = transformFor(target).inverted().map(screen);
        scale = std::clamp(scale * factor, kMinScale, kMaxScale);
        // Keep the drawing point under the cursor where it was.
        const QPointF c = target.center();
        center = QPointF(world.x() - (screen.x() - c.x()) / scale, world.y() + (screen.y() - c.y()) / scale);
        fitted = false;
    }
};

ZVectorDrawingEditor::ZVectorDrawingEditor(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<Private>())
{
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
    const QRectF box = d->drawing->boundingRect();
    d->fitted = true;
    if (d->drawing->count() == 0) {
        d->center = QPointF();
        d->scale = 1.0;
    } else {
        const double w = std::max(1, width() - 2 * kFitMargin);
        const double h = std::max(1, height() - 2 * kFitMargin);
        double s = kMaxScale;
        if (box.width() > 0)
            s = std::min(s, w / box.width());
        if (box.height() > 0)
            s = std::min(s, h / box.height());
        if (s >= kMaxScale)
            s = 1.0; // a single point: keep one unit per pixel
        d->scale = std::clamp(s, kMinScale, kMaxScale);
        d->center = box.center();
    }
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
    for (int i = d->drawing->count() - 1; i >= 0; --i) {
        ZVDEntity* e = d->drawing->at(i);
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
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    const QRectF targetF(target);
    d->renderTransform = d->transformFor(targetF);
    const QTransform inverse = d->renderTransform.inverted();
    const QRectF visible = inverse.mapRect(targetF);

    // The drawing's own grid, when it comes from the stream and is not too dense to see.
    const double spacing = d->drawing->gridSpacing();
    if (d->gridFromStream && spacing > 0 && spacing * d->scale >= 8.0) {
        QVector<QLineF> lines;
        const double x0 = std::floor(visible.left() / spacing) * spacing;
        const double y0 = std::floor(visible.top() / spacing) * spacing;
        for (double x = x0; x <= visible.right() && lines.size() < 4000; x += spacing)
            lines.append(d->renderTransform.map(QLineF(x, visible.top(), x, visible.bottom())));
        for (double y = y0; y <= visible.bottom() && lines.size() < 8000; y += spacing)
            lines.append(d->renderTransform.map(QLineF(visible.left(), y, visible.right(), y)));
        painter.setPen(QPen(QColor(232, 232, 232), 0));
        painter.drawLines(lines);
    }

    // Entities whose extent misses the view are skipped; texts get slack for their estimated width.
    d->batching = true;
    d->lineBatches.clear();
    const double slack = 2.0 / d->scale;
    const QRectF cull = visible.adjusted(-slack, -slack, slack, slack);
    const int n = d->drawing->count();
    d->visible.clear();
    int shapes = 0;
    for (int i = 0; i < n; ++i) {
        ZVDEntity* e = d->drawing->at(i);
        QRectF box = e->boundingRect();
        const bool text = e->kind() == ZVDEntityKind::Text;
        if (text)
            box.adjust(-box.width() * 0.5, -box.height() * 0.5, box.width() * 0.5, box.height() * 0.5);
        if (!overlaps(box, cull))
            continue;
        d->visible.push_back(e);
        if (!text)
            ++shapes;
    }
    // A view crowded with thousands of shapes draws them without antialiasing: each is a few
    // pixels there, and antialiased strokes would cost more than a frame. Texts stay smooth.
    painter.setRenderHint(QPainter::Antialiasing, shapes <= kDenseShapes);
    painter.setBrush(Qt::NoBrush);
    QPen pen(Qt::black, 1.0);
    pen.setCosmetic(true);
    painter.setPen(pen);
    for (ZVDEntity* e : d->visible) {
        const bool selected = d->hasSelection && e->id() == d->selectedId;
        const QColor color = selected ? QColor(255, 128, 0) : e->color();
        const double width = selected ? 2.0 : 1.0;
        // Pens are set only when they change: most neighbouring entities share one.
        const QPen& current = painter.pen();
        if (current.color() != color || current.widthF() != width || !current.isCosmetic()
            || current.style() != Qt::SolidLine) {
            pen.setColor(color);
            pen.setWidthF(width);
            painter.setPen(pen);
        }
        drawEntity(painter, e);
    }
    d->batching = false;
    for (const auto& batch : d->lineBatches) {
        QPen pen(QColor::fromRgba(batch.first), 1.0);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawLines(batch.second);
    }
    d->lineBatches.clear();

    // Insert-point marker: a small cross at its drawing position.
    if (d->insertPoint->isVisible()) {
        const QPointF p = d->renderTransform.map(d->insertPoint->position());
        if (targetF.contains(p)) {
            painter.setPen(QPen(QColor(200, 0, 200), 2.0));
            painter.drawLine(p + QPointF(-6, 0), p + QPointF(6, 0));
            painter.drawLine(p + QPointF(0, -6), p + QPointF(0, 6));
        }
    }

    // View axes in the lower-left corner.
    if (d->viewer->Options()->ViewAxesEnabled()) {
        const QPointF o(target.left() + 16, target.bottom() - 16);
        painter.setPen(QPen(QColor(200, 0, 0), 1.5));
        painter.drawLine(o, o + QPointF(36, 0));
        painter.setPen(QPen(QColor(0, 150, 0), 1.5));
        painter.drawLine(o, o + QPointF(0, -36));
        QFont f = font();
        f.setPixelSize(10);
        painter.setFont(f);
        painter.setPen(QColor(200, 0, 0));
        painter.drawText(o + QPointF(39, 4), QStringLiteral("X"));
        painter.setPen(QColor(0, 150, 0));
        painter.drawText(o + QPointF(-3, -39), QStringLiteral("Y"));
    }
    painter.restore();
}

void ZVectorDrawingEditor::drawEntity(QPainter& painter, ZVDEntity* entity)
{
    if (!entity)
        return;
    // Called outside render() (a subclass drawing on its own): use the widget's mapping.
    const QTransform& t = d->batching ? d->renderTransform : viewTransform();
    const QColor color = painter.pen().color();
    switch (entity->kind()) {
    case ZVDEntityKind::Line: {
        auto* l = static_cast<ZVDLine*>(entity);
        const QLineF line(t.map(l->p1), t.map(l->p2));
        if (d->batching && painter.pen().widthF() <= 1.0)
            d->lineBatches[color.rgba()].append(line);
        else
            painter.drawLine(line);
        break;
    }
    case ZVDEntityKind::Polyline: {
        auto* pl = static_cast<ZVDPolyline*>(entity);
        if (pl->points.isEmpty())
            break;
        QPolygonF poly = t.map(QPolygonF(pl->points));
        if (d->batching && painter.pen().widthF() <= 1.0) {
            QVector<QLineF>& batch = d->lineBatches[color.rgba()];
            for (int k = 0; k + 1 < poly.size(); ++k)
                batch.append(QLineF(poly[k], poly[k + 1]));
            if (pl->closed && poly.size() > 2)
                batch.append(QLineF(poly.last(), poly.first()));
        } else if (pl->closed) {
            painter.drawPolygon(poly);
        } else {
            painter.drawPolyline(poly);
        }
        break;
    }
    case ZVDEntityKind::Circle: {
        auto* c = static_cast<ZVDCircle*>(entity);
        const double r = c->radius * d->scale;
        if (d->batching && r <= kMaxChordRadius && painter.pen().widthF() <= 1.0)
            appendArcChords(d->lineBatches[color.rgba()], t.map(c->center), r, 0, 360);
        else
            painter.drawEllipse(t.map(c->center), r, r);
        break;
    }
    case ZVDEntityKind::Arc: {
        auto* a = static_cast<ZVDArc*>(entity);
        const double r = a->radius * d->scale;
        const QPointF c = t.map(a->center);
        const double span = std::clamp(a->spanAngle, -360.0, 360.0);
        if (d->batching && r <= kMaxChordRadius && painter.pen().widthF() <= 1.0)
            appendArcChords(d->lineBatches[color.rgba()], c, r, a->startAngle, span);
        else
            painter.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), qRound(a->startAngle * 16),
                            qRound(span * 16));
        break;
    }
    case ZVDEntityKind::Text: {
        auto* text = static_cast<ZVDText*>(entity);
        const double px = text->height * d->scale;
        if (px < kMinTextPixels) {
            // Too small to read: a faint bar where the text stands.
            const QRectF box = t.mapRect(text->boundingRect());
            if (box.width() >= 1.0) {
                QColor faint = color;
                faint.setAlpha(110);
                const QLineF bar(box.left(), box.center().y(), box.right(), box.center().y());
                if (d->batching) {
                    d->lineBatches[faint.rgba()].append(bar);
                } else {
                    const QPen old = painter.pen();
                    painter.setPen(QPen(faint, 0));
                    painter.drawLine(bar);
                    painter.setPen(old);
                }
            }
            break;
        }
        const double size = std::min(px, kMaxTextPixels);
        QFont f = d->textFont;
        f.setPixelSize(std::max(1, qRound(size)));
        painter.setFont(f);
        // A wide box anchored by the alignment lets QPainter place the text without measuring it.
        constexpr double wide = 1e5;
        const QPointF anchor = t.map(text->position);
        int flags = Qt::TextDontClip | Qt::AlignVCenter;
        double x = anchor.x();
        if (text->alignment & Qt::AlignRight) {
            x -= wide;
            flags |= Qt::AlignRight;
        } else if (text->alignment & Qt::AlignHCenter) {
            x -= wide / 2;
            flags |= Qt::AlignHCenter;
        } else {
            flags |= Qt::AlignLeft;
        }
        double top = anchor.y() - size;
        if (text->alignment & Qt::AlignTop)
            top = anchor.y();
        else if (text->alignment & Qt::AlignVCenter)
            top = anchor.y() - size / 2;
        painter.drawText(QRectF(x, top, wide, size), flags,
                         QString::fromStdWString(text->text()));
        break;
    }
    }
}

void ZVectorDrawingEditor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    render(painter, rect());
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
        update();
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
