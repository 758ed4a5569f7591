#include "drawingdata/orbdrawinginfoprocessor.h"

OrbDrawingInfoProcessor::OrbDrawingInfoProcessor(QObject* parent)
    : QObject(parent)
{
}

OrbDrawingInfoProcessor::~OrbDrawingInfoProcessor() = default;
