#pragma once

#include "orbdrawingwidgets_export.h"

#include "engine/orbcustomvectordrawingeditor.h"

#include <QHash>
#include <QString>

// The host's in-place parameter editor set up for drawset drawings: no grid from the stream, no
// insert-point marker, no view axes and none of the engine's own mouse and key commands.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawsetParamsVDEditor : public OrbCustomVectorDrawingEditor
{
    Q_OBJECT
public:
    explicit OrbDrawsetParamsVDEditor(QWidget* parent = nullptr);
    ~OrbDrawsetParamsVDEditor() override;

    // Reloads the parameters first, so the answer reflects the current drawing.
    QHash<QString, QString> getAttributes(const QString& attr) override;
};
