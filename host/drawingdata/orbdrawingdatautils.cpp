#include "drawingdata/orbdrawingdatautils.h"

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdatafaults.h"
#include "drawingdata/orbsqldrawingfile.h"

#include <QDebug>

QSharedPointer<IOrbDrawingFile> OrbDrawingDataUtils::createDrawingFile(const QString& path, bool* ok)
{
    QSharedPointer<IOrbDrawingFile> file;
    if (orbdatafaults::takeCreateFault()) {
        qWarning().noquote() << "cannot open drawing file" << path << ": injected fault";
    } else {
        QString error;
        file = OrbSqlDrawingFile::open(path, OrbSqlDrawingFile::OpenMode::ReadWrite, &error);
        if (!file)
            qWarning().noquote() << "cannot open drawing file:" << error;
    }
    if (ok)
        *ok = !file.isNull();
    return file;
}

// The stored name; a "{key}" placeholder in it is left for the caller to fill from its
// display parameters.
QString OrbDrawingDataUtils::getNodeDisplayText(IOrbDrawset* drawset)
{
    QString text;
    if (drawset)
        drawset->name(text);
    return text;
}
