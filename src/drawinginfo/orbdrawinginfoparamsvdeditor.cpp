#include "drawinginfo/orbdrawinginfoparamsvdeditor.h"

#include "drawinginfo/orbdrawinginfoeditorfrm.h"

#include <QCoreApplication>
#include <QStringList>

OrbDrawingInfoParamsVDEditor::OrbDrawingInfoParamsVDEditor(OrbDrawingInfoEditorFrm* form)
    : OrbDrawsetParamsVDEditor(form), m_form(form)
{
}

OrbDrawingInfoParamsVDEditor::~OrbDrawingInfoParamsVDEditor() = default;

QHash<QString, QString> OrbDrawingInfoParamsVDEditor::getAttributes(const QString& attr)
{
    // Automation only: a whole argument "-e", compared case-sensitively.
    if (m_form && QCoreApplication::arguments().contains(QStringLiteral("-e"), Qt::CaseSensitive))
        return m_form->getAttributes(attr);
    return {};
}
