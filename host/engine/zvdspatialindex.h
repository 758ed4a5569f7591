#pragma once

#include <QRectF>

#include <vector>

class ZVectorDrawing;

// A uniform grid over the shapes of a drawing, so that a view of a small area looks only at the
// entities near it. Texts are not in the grid: their extent follows their text, which changes
// without notice (ZVDText::setText), so they are measured on every query. The grid is rebuilt by
// the owner whenever the drawing reports a change.
class ZVDSpatialIndex
{
public:
    void build(const ZVectorDrawing& drawing);
    bool isBuilt() const { return m_built; }
    void invalidate() { m_built = false; }

    // Indices of the entities whose extent meets area, in drawing order. Texts are widened by
    // textSlack times their estimated size on each side before the test.
    void query(const ZVectorDrawing& drawing, const QRectF& area, double textSlack, std::vector<int>& out);
    // The extent of the shape at index i as of the last build.
    const QRectF& shapeBox(int i) const { return m_boxes[size_t(i)]; }

private:
    bool coversMostCells(const QRectF& area) const;
    int column(double x) const;
    int row(double y) const;

    bool m_built = false;
    QRectF m_bounds;
    int m_columns = 0;
    int m_rows = 0;
    double m_cellWidth = 1;
    double m_cellHeight = 1;
    std::vector<QRectF> m_boxes;   // per entity; texts keep an empty box
    std::vector<int> m_texts;      // text indices, in drawing order
    std::vector<int> m_large;      // shapes spanning too many cells to list in each
    std::vector<int> m_cellStart;  // cell c holds m_cellItems[m_cellStart[c] .. m_cellStart[c + 1])
    std::vector<int> m_cellItems;
    std::vector<unsigned> m_seen;  // query stamp per entity, so a shape in several cells is taken once
    unsigned m_stamp = 0;
};
