#include "sample/orbdrawsetwalk.h"

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawingservice.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"

#include <QSharedPointer>
#include <QStringList>

namespace orbdrawsetwalk {

QList<OrbTypeDrawsets> byType(IOrbDrawingFile* file)
{
    QList<OrbTypeDrawsets> out;
    if (!file)
        return out;
    QList<IOrbDrawsetType*> types;
    file->drawsetTypes()->getAll(types, true);
    for (IOrbDrawsetType* type : types) {
        OrbTypeDrawsets entry;
        entry.type = type;
        file->drawsets()->getByType(entry.drawsets, type);
        out.append(entry);
    }
    return out;
}

QList<IOrbDrawset*> drawsets(IOrbDrawingFile* file)
{
    QList<IOrbDrawset*> out;
    for (const OrbTypeDrawsets& entry : byType(file))
        out += entry.drawsets;
    return out;
}

namespace {
IOrbDrawset* named(const QList<IOrbDrawset*>& drawsets, const QString& name)
{
    for (IOrbDrawset* drawset : drawsets) {
        QString text;
        drawset->name(text);
        if (text == name)
            return drawset;
    }
    return nullptr;
}
} // namespace

IOrbDrawset* find(IOrbDrawingFile* file, const QString& name)
{
    return named(drawsets(file), name);
}

QList<IOrbDrawset*> drawsets(IOrbDrawingFileRegistry* files)
{
    QList<IOrbDrawset*> out;
    QStringList names;
    files->fileNames(names);
    for (const QString& fileName : names) {
        QSharedPointer<IOrbDrawingFile> file; // the registry keeps it alive
        files->openFile(file, fileName);
        out += drawsets(file.data());
    }
    return out;
}

IOrbDrawset* find(IOrbDrawingFileRegistry* files, const QString& name)
{
    return named(drawsets(files), name);
}

QString outline(IOrbDrawingFile* file)
{
    QStringList parts;
    for (const OrbTypeDrawsets& entry : byType(file)) {
        QString typeName;
        entry.type->name(typeName);
        QStringList names;
        for (IOrbDrawset* drawset : entry.drawsets) {
            QString name;
            drawset->name(name);
            names << name;
        }
        parts << typeName + QLatin1Char(':') + names.join(QLatin1Char(','));
    }
    return parts.join(QLatin1Char(';'));
}

} // namespace orbdrawsetwalk
