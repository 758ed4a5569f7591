#pragma once

#include <QSharedPointer>
#include <QString>

class IOrbDrawingFile;
class IOrbDrawset;

/// Helpers of the host's drawing data library.
class OrbDrawingDataUtils
{
public:
    /// Opens the drawing file at path. The check tree's export opens its fresh copy with it to
    /// remove the unchecked content. Null, with *ok false when ok is given (it may be null), for a
    /// missing file, a file that is not a drawing file or a damaged one; the export then fails
    /// and deletes the copy.
    static QSharedPointer<IOrbDrawingFile> createDrawingFile(const QString& path, bool* ok);
    /// The text shown for a drawset in the trees and in the data view's title (null gives an
    /// empty text).
    static QString getNodeDisplayText(IOrbDrawset* drawset);
};
