#pragma once

#include <QString>
#include <QStringList>

// The sample drawing library: a fixed set of drawing files (wells, rain-water inlets and a
// general file) whose every drawset carries a real well-section drawing. The content is the
// same on every run.
class OrbSampleLibrary
{
public:
    // The base names of the files the library consists of, in display order.
    static QStringList fileNames();
    // Writes the library into folder (created when missing); files of the same names are replaced.
    static bool generate(const QString& folder, QString* error);
    // A folder holding the library, generated on first use (and again when it is incomplete or
    // from an older generator). Empty with the reason in error when it cannot be written.
    static QString ensure(const QString& folder, QString* error);
};
