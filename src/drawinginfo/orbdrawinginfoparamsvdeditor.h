#pragma once

#include "orbdrawingwidgets_export.h"

#include "drawinginfo/orbdrawsetparamsvdeditor.h"

class OrbDrawingInfoEditorFrm;

// The editor embedded in OrbDrawingInfoEditorFrm. It passes the host's automation queries on to
// its form when the process runs with "-e".
class ORBDRAWINGWIDGETS_EXPORT OrbDrawingInfoParamsVDEditor : public OrbDrawsetParamsVDEditor
{
    Q_OBJECT
public:
    explicit OrbDrawingInfoParamsVDEditor(OrbDrawingInfoEditorFrm* form);
    ~OrbDrawingInfoParamsVDEditor() override;

    // The form's answer with "-e" on the command line (exact argument), otherwise empty.
    QHash<QString, QString> getAttributes(const QString& attr) override;

private:
    OrbDrawingInfoEditorFrm* m_form;
};
