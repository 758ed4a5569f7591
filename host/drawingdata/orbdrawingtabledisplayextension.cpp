#include "drawingdata/orbdrawingtabledisplayextension.h"

OrbDrawingTableDisplayExtension::OrbDrawingTableDisplayExtension(QObject* parent)
    : QObject(parent)
{
}

OrbDrawingTableDisplayExtension::~OrbDrawingTableDisplayExtension() = default;

void OrbDrawingTableDisplayExtension::setProcessor(OrbDrawingInfoProcessor* processor)
{
    m_processor = processor;
}
