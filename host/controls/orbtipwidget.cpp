#include "controls/orbtipwidget.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int kArrow = 8;  // height of the arrow that points at the anchor
constexpr int kBorder = 1;
constexpr int kPadding = 2;         // between the border and the content
constexpr int kArrowInset = 4;      // least distance of the arrow's side from the tip's edge
const QColor kBackground(255, 255, 250);
const QColor kOutline(150, 150, 150);

bool isPress(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
           || type == QEvent::NonClientAreaMouseButtonPress;
}
} // namespace

OrbTipWidget* OrbTipWidget::createTipWidget(QWidget* owner, QWidget* anchor, QWidget* content)
{
    if (!owner || !anchor || !content)
        return nullptr;
    return new OrbTipWidget(owner, anchor, content);
}

OrbTipWidget::OrbTipWidget(QWidget* owner, QWidget* anchor, QWidget* content)
    : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_anchor(anchor), m_content(content)
{
    setObjectName(QStringLiteral("orbTipWidget"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);

    // The content keeps the size it was given (a picture is drawn at its designed size).
    const QSize size = content->testAttribute(Qt::WA_Resized) ? content->size() : content->sizeHint();
    content->setParent(this);
    content->setMinimumSize(size);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(content);
    const int m = kBorder + kPadding;
    layout->setContentsMargins(m, m + kArrow, m, m);
    hide();
}

OrbTipWidget::~OrbTipWidget()
{
    if (!m_watched.isEmpty())
        qApp->removeEventFilter(this);
}

void OrbTipWidget::addWidgetEventFilter(QWidget* widget)
{
    if (!widget)
        return;
    for (const QPointer<QWidget>& w : m_watched)
        if (w == widget)
            return;
    if (m_watched.isEmpty())
        qApp->installEventFilter(this);
    m_watched.append(widget);
}

bool OrbTipWidget::isWatched(QWidget* widget) const
{
    for (const QPointer<QWidget>& w : m_watched)
        if (w && (w == widget || w->isAncestorOf(widget)))
            return true;
    return false;
}

bool OrbTipWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (!isVisible() || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (isPress(event->type())) {
        const bool onTip = widget == this || isAncestorOf(widget);
        const bool onAnchor = m_anchor && (widget == m_anchor || m_anchor->isAncestorOf(widget));
        if (!onTip && !onAnchor && isWatched(widget))
            hide();
    } else if (event->type() == QEvent::Hide) {
        for (const QPointer<QWidget>& w : m_watched)
            if (w == widget)
                hide();
    } else if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        if (widget->isWindow() && isWatched(widget))
            placeAtAnchor();
    }
    return false;
}

void OrbTipWidget::placeAtAnchor()
{
    if (!m_anchor)
        return;
    const QSize size = sizeHint().expandedTo(minimumSizeHint());
    const QPoint anchorTop = m_anchor->mapToGlobal(QPoint(0, 0));
    QPoint pos(anchorTop.x(), anchorTop.y() + m_anchor->height());
    m_above = false;
    if (const QScreen* screen = m_anchor->screen()) {
        const QRect avail = screen->availableGeometry();
        if (pos.y() + size.height() > avail.bottom() && anchorTop.y() - size.height() >= avail.top()) {
            pos.setY(anchorTop.y() - size.height());
            m_above = true;
        }
        pos.setX(qBound(avail.left(), pos.x(), qMax(avail.left(), avail.right() - size.width())));
    }
    auto* lay = layout();
    const int m = kBorder + kPadding;
    lay->setContentsMargins(m, m + (m_above ? 0 : kArrow), m, m + (m_above ? kArrow : 0));
    const int arrowMin = kArrow + kArrowInset;
    m_arrowX = qBound(arrowMin, anchorTop.x() + m_anchor->width() / 2 - pos.x(), qMax(arrowMin, size.width() - arrowMin));
    resize(size);
    move(pos);

    // The window takes the shape of the bubble: body and arrow.
    const int bodyTop = m_above ? 0 : kArrow;
    const int bodyBottom = m_above ? size.height() - kArrow : size.height();
    QPolygon arrow;
    if (m_above)
        arrow << QPoint(m_arrowX - kArrow, bodyBottom) << QPoint(m_arrowX, size.height()) << QPoint(m_arrowX + kArrow, bodyBottom);
    else
        arrow << QPoint(m_arrowX - kArrow, bodyTop) << QPoint(m_arrowX, 0) << QPoint(m_arrowX + kArrow, bodyTop);
    setMask(QRegion(0, bodyTop, size.width(), bodyBottom - bodyTop) + QRegion(arrow));
    update();
}

void OrbTipWidget::showEvent(QShowEvent* event)
{
    placeAtAnchor();
    QFrame::showEvent(event);
}

void OrbTipWidget::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kOutline);
    const int w = width() - 1;
    const int h = height() - 1;
    QPolygon outline;
    if (m_above) {
        const int b = h - kArrow;
        outline << QPoint(0, 0) << QPoint(w, 0) << QPoint(w, b) << QPoint(m_arrowX + kArrow, b)
                << QPoint(m_arrowX, h) << QPoint(m_arrowX - kArrow, b) << QPoint(0, b);
    } else {
        outline << QPoint(0, kArrow) << QPoint(m_arrowX - kArrow, kArrow) << QPoint(m_arrowX, 0)
                << QPoint(m_arrowX + kArrow, kArrow) << QPoint(w, kArrow) << QPoint(w, h) << QPoint(0, h);
    }
    painter.drawPolygon(outline);
}
