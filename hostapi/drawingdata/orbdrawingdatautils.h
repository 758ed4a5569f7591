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
    // The text shown for a drawset in the trees and in the data view's title.
    static QString getNodeDisplayText(IOrbDrawset* drawset);
};
