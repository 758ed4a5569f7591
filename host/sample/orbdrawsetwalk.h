#pragma once

#include <QList>
#include <QString>

class IOrbDrawingFile;
class IOrbDrawingFileRegistry;
class IOrbDrawset;
class IOrbDrawsetType;

// A drawing file's drawsets in display order, type by type, as the demo pages and the tests look
// them up (types from getAll, each type's drawsets from getByType).
struct OrbTypeDrawsets
{
    IOrbDrawsetType* type = nullptr;
    QList<IOrbDrawset*> drawsets;
};

namespace orbdrawsetwalk {
// Every type of file with its drawsets; empty for a null file.
QList<OrbTypeDrawsets> byType(IOrbDrawingFile* file);
// Every drawset of file, in display order.
QList<IOrbDrawset*> drawsets(IOrbDrawingFile* file);
// Every drawset of every file of the registry, files in their listed order.
QList<IOrbDrawset*> drawsets(IOrbDrawingFileRegistry* files);
// The first drawset named name, or null.
IOrbDrawset* find(IOrbDrawingFile* file, const QString& name);
// The first drawset named name in the registry's files, in their listed order, or null.
IOrbDrawset* find(IOrbDrawingFileRegistry* files, const QString& name);
// "type:drawset,drawset;type:..." of file: its content at a glance, for comparisons.
QString outline(IOrbDrawingFile* file);
} // namespace orbdrawsetwalk
