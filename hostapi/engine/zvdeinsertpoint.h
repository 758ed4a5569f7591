#pragma once

#include <QPointF>

// The editor's insert-point marker.
class ZVDEInsertPoint
{
public:
    virtual ~ZVDEInsertPoint() = default;
    virtual void setVisible(bool visible) { m_visible = visible; }
    bool isVisible() const { return m_visible; }
    QPointF position() const { return m_position; }
    void setPosition(const QPointF& p) { m_position = p; }

private:
    bool m_visible = true;
    QPointF m_position;
};
