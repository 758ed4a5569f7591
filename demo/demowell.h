#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class ZVectorDrawing;

// A well cross-section built in code: the drawing used by the demo pages until drawings come from
// the sample library. Dimension values stand as texts whose VD ids the parameters below name.
struct DemoWellParam
{
    QString code;   // parameter code, e.g. "H"
    QString name;   // display name, e.g. "井深"
    int vdID;       // id of the text that shows the value
    double value;   // value in millimetres
};

namespace demowell {
// The parameters of the default well, in drawing order.
QList<DemoWellParam> params();
// Replaces the content of drawing with the well's cross-section for those parameter values.
void build(ZVectorDrawing* drawing, const QList<DemoWellParam>& values = params());
// The same drawing as the engine's stream bytes, as a drawset hands it out.
QByteArray bytes(const QList<DemoWellParam>& values = params());
} // namespace demowell
