#include "zvdspatialindex.h"

#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"

#include <algorithm>
#include <cmath>

namespace {
// About this many shapes per cell, and at most this many cells a side.
constexpr double kShapesPerCell = 4.0;
constexpr int kMaxCellsPerSide = 2048;
// A shape over more cells than this is kept in one list that every query looks at.
constexpr int kMaxCellsPerShape = 64;
// Areas over more than this share of the cells are answered by one pass over all entities: in
// drawing order already, and cheaper than gathering and sorting most of the drawing.
constexpr double kLinearShare = 0.25;

bool overlaps(const QRectF& a, const QRectF& b)
{
    // Unlike QRectF::intersects, a zero-width or zero-height extent (an axis-parallel line) counts.
    return a.left() <= b.right() && a.right() >= b.left() && a.top() <= b.bottom() && a.bottom() >= b.top();
}

QRectF widened(const QRectF& box, double slack)
{
    const double dx = box.width() * slack, dy = box.height() * slack;
    return box.adjusted(-dx, -dy, dx, dy);
}
} // namespace

void ZVDSpatialIndex::build(const ZVectorDrawing& drawing, double textSlack)
{
    const int n = drawing.count();
    m_boxes.resize(size_t(n));
    m_isText.resize(size_t(n));
    m_seen.assign(size_t(n), 0);
    m_stamp = 0;
    m_textSlack = textSlack;
    m_large.clear();
    m_bounds = QRectF();
    bool any = false;
    for (int i = 0; i < n; ++i) {
        const ZVDEntity* e = drawing.at(i);
        const bool text = e->kind() == ZVDEntityKind::Text;
        const QRectF box = text ? widened(e->boundingRect(), textSlack) : e->boundingRect();
        m_boxes[size_t(i)] = box;
        m_isText[size_t(i)] = text;
        if (!any) {
            m_bounds = box;
            any = true;
        } else {
            m_bounds.setLeft(std::min(m_bounds.left(), box.left()));
            m_bounds.setTop(std::min(m_bounds.top(), box.top()));
            m_bounds.setRight(std::max(m_bounds.right(), box.right()));
            m_bounds.setBottom(std::max(m_bounds.bottom(), box.bottom()));
        }
    }
    const double cells = std::max(1.0, n / kShapesPerCell);
    const double w = std::max(m_bounds.width(), 1e-9), h = std::max(m_bounds.height(), 1e-9);
    m_columns = std::clamp(int(std::sqrt(cells * w / h)), 1, kMaxCellsPerSide);
    m_rows = std::clamp(int(cells / m_columns), 1, kMaxCellsPerSide);
    m_cellWidth = w / m_columns;
    m_cellHeight = h / m_rows;

    // Two passes: count per cell, then fill, so that the cells share one array.
    m_cellStart.assign(size_t(m_columns) * size_t(m_rows) + 1, 0);
    auto forCells = [&](int i, auto&& visit) {
        const QRectF& b = m_boxes[size_t(i)];
        const int c0 = column(b.left()), c1 = column(b.right()), r0 = row(b.top()), r1 = row(b.bottom());
        if ((c1 - c0 + 1) * (r1 - r0 + 1) > kMaxCellsPerShape)
            return false;
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                visit(size_t(r) * size_t(m_columns) + size_t(c));
        return true;
    };
    for (int i = 0; i < n; ++i)
        if (!forCells(i, [&](size_t cell) { ++m_cellStart[cell + 1]; }))
            m_large.push_back(i);
    for (size_t c = 1; c < m_cellStart.size(); ++c)
        m_cellStart[c] += m_cellStart[c - 1];
    m_cellItems.assign(size_t(m_cellStart.back()), 0);
    std::vector<int> fill(m_cellStart.begin(), m_cellStart.end() - 1);
    for (int i = 0; i < n; ++i)
        forCells(i, [&](size_t cell) { m_cellItems[size_t(fill[cell]++)] = i; });
    m_built = true;
}

namespace {
// The cell of a coordinate, clamped in floating point first: a far-away view edge (a deep zoom, a
// drawing with huge coordinates) would not fit an int.
int clampedCell(double offset, double cellSize, int cells)
{
    const double cell = std::floor(offset / cellSize);
    return cell != cell ? 0 : int(std::clamp(cell, 0.0, double(cells - 1)));
}
} // namespace

int ZVDSpatialIndex::column(double x) const
{
    return clampedCell(x - m_bounds.left(), m_cellWidth, m_columns);
}

int ZVDSpatialIndex::row(double y) const
{
    return clampedCell(y - m_bounds.top(), m_cellHeight, m_rows);
}

bool ZVDSpatialIndex::coversMostCells(const QRectF& area) const
{
    const double columns = column(area.right()) - column(area.left()) + 1;
    const double rows = row(area.bottom()) - row(area.top()) + 1;
    return columns * rows >= kLinearShare * m_columns * m_rows;
}

void ZVDSpatialIndex::query(const ZVectorDrawing& drawing, const QRectF& area, double textSlack,
                            std::vector<int>& out)
{
    out.clear();
    const int n = drawing.count();
    if (!m_built || size_t(n) != m_boxes.size() || textSlack != m_textSlack)
        build(drawing, textSlack);
    if (coversMostCells(area)) {
        for (int i = 0; i < n; ++i)
            if (overlaps(m_boxes[size_t(i)], area))
                out.push_back(i);
        return;
    }
    if (++m_stamp == 0) { // wrapped: old stamps could collide
        std::fill(m_seen.begin(), m_seen.end(), 0);
        m_stamp = 1;
    }
    if (overlaps(m_bounds, area)) {
        const int c0 = column(area.left()), c1 = column(area.right()), r0 = row(area.top()), r1 = row(area.bottom());
        for (int r = r0; r <= r1; ++r) {
            for (int c = c0; c <= c1; ++c) {
                const size_t cell = size_t(r) * size_t(m_columns) + size_t(c);
                for (int k = m_cellStart[cell]; k < m_cellStart[cell + 1]; ++k) {
                    const int i = m_cellItems[size_t(k)];
                    if (m_seen[size_t(i)] == m_stamp)
                        continue;
                    m_seen[size_t(i)] = m_stamp;
                    if (overlaps(m_boxes[size_t(i)], area))
                        out.push_back(i);
                }
            }
        }
    }
    for (int i : m_large)
        if (overlaps(m_boxes[size_t(i)], area))
            out.push_back(i);
    std::sort(out.begin(), out.end());
}
