#pragma once

#include <QRectF>

#include <vector>

class ZVectorDrawing;

// A uniform grid over the entities of a drawing, so that a view of a small area looks only at the
// entities near it. The grid is rebuilt by the owner whenever the drawing reports a change (a
// text's setText reports one too).
class ZVDSpatialIndex
{
public:
    // Texts are widened by textSlack times their estimated size on each side: the estimate is
    // not the drawn width.
    void build(const ZVectorDrawing& drawing, double textSlack);
    bool isBuilt() const { return m_built; }
    void invalidate() { m_built = false; }

    // Indices of the entities whose extent meets area, in drawing order.
    void query(const ZVectorDrawing& drawing, const QRectF& area, double textSlack, std::vector<int>& out);
    // The extent of the entity at index i as of the last build (a text's with its slack).
    const QRectF& box(int i) const { return m_boxes[size_t(i)]; }
    bool isText(int i) const { return m_isText[size_t(i)] != 0; }

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
    double m_textSlack = 0;
    std::vector<QRectF> m_boxes; // per entity
    std::vector<unsigned char> m_isText;
    std::vector<int> m_large;      // entities spanning too many cells to list in each
    std::vector<int> m_cellStart;  // cell c holds m_cellItems[m_cellStart[c] .. m_cellStart[c + 1])
    std::vector<int> m_cellItems;
    std::vector<unsigned> m_seen;  // query stamp per entity, so a shape in several cells is taken once
    unsigned m_stamp = 0;
};
