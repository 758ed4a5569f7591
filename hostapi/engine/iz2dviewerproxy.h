#pragma once

#include <QHash>
#include <QPointF>
#include <QString>

// The viewer side of a drawing editor: coordinate mapping and attribute queries by key.
class IZ2DViewerProxy
{
public:
    virtual ~IZ2DViewerProxy() = default;
    // Answers automation queries; the engine editor answers an empty hash.
    virtual QHash<QString, QString> getAttributes(const QString& key) = 0;
    virtual QPointF WorldPtToScreenPt(const QPointF& world) const = 0;
    virtual QPointF ScreenPtToWorldPt(const QPointF& screen) const = 0;
};
