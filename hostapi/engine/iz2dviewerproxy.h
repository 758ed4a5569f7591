#pragma once

#include <QHash>
#include <QPointF>
#include <QString>

/// The viewer side of a drawing editor: coordinate mapping and attribute queries by key.
/// The library's parameter editors extend getAttributes() for automation clients.
class IZ2DViewerProxy
{
public:
    virtual ~IZ2DViewerProxy() = default;
    /// Answers automation queries; the engine editor answers an empty hash.
    virtual QHash<QString, QString> getAttributes(const QString& key) = 0;
    /// Host side: a drawing point in widget coordinates. The library does not call it.
    virtual QPointF WorldPtToScreenPt(const QPointF& world) const = 0;
    /// Host side: a widget point in drawing coordinates. The library does not call it.
    virtual QPointF ScreenPtToWorldPt(const QPointF& screen) const = 0;
};
