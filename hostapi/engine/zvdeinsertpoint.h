#pragma once

#include <QPointF>

/// The editor's insert-point marker. The library's parameter editor hides it.
class ZVDEInsertPoint
{
public:
    virtual ~ZVDEInsertPoint() = default;
    /// Shows or hides the marker; the library calls it with false.
    virtual void setVisible(bool visible) { m_visible = visible; }
    /// Host side: whether the marker is drawn. The library does not call it.
    bool isVisible() const { return m_visible; }
    /// Host side: where the marker stands, in drawing units. The library does not call it.
    QPointF position() const { return m_position; }
    /// Host side: moves the marker. The library does not call it.
    void setPosition(const QPointF& p) { m_position = p; }

private:
    bool m_visible = true;
    QPointF m_position;
};
