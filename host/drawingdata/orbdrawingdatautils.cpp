#include "drawingdata/orbdrawingdatautils.h"

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdatafaults.h"
#include "drawingdata/orbdrawingschema.h"
#include "drawingdata/orbsqldrawingfile.h"

#include <QDebug>
#include <QFile>

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

bool OrbDrawingDataUtils::makeFileEditable(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return false;
    const QFileDevice::Permissions permissions = file.permissions();
    if (!(permissions & QFileDevice::WriteOwner)
        && !file.setPermissions(permissions | QFileDevice::WriteOwner | QFileDevice::WriteUser))
        return false;
    return orbschema::setReadOnlyMark(path, false);
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
