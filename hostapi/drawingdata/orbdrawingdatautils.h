#pragma once

#include <QSharedPointer>
#include <QString>

class IOrbDrawingFile;
class IOrbDrawset;

class OrbDrawingDataUtils
{
public:
    // Opens the drawing file at path. Null, with *ok false when ok is given, for a missing file,
    // a file that is not a drawing file, a newer schema or a damaged database.
    static QSharedPointer<IOrbDrawingFile> createDrawingFile(const QString& path, bool* ok);
    // Makes the drawing file at path editable, dropping the read-only state a copy takes over from
    // a read-only source. The library calls it on the copy an export has just made. True when the
    // file may be edited afterwards; a file that already may is left byte for byte as it is.
    static bool makeFileEditable(const QString& path);
    // The text shown for a drawset in the trees and in the data view's title.
    static QString getNodeDisplayText(IOrbDrawset* drawset);
};
