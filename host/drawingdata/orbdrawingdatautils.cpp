#include "drawingdata/orbdrawingdatautils.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"

// Interim: the SQLite drawing files replace this with the real opener.
QSharedPointer<IOrbDrawingFile> OrbDrawingDataUtils::createDrawingFile(const QString& path, bool* ok)
{
    Q_UNUSED(path);
    if (ok)
        *ok = false;
    return {};
}

QString OrbDrawingDataUtils::getNodeDisplayText(IOrbDrawset* drawset)
{
    QString text;
    if (drawset)
        drawset->name(text);
    return text;
}
