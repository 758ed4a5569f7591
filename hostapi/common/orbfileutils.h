#pragma once

#include <QString>

// File helpers of the host's common library. Each answers true on success and never throws.

// True when path names an existing regular file (a folder is not a file).
bool fileExists(const QString& path);
// Copies source to target byte for byte; with overwrite false an existing target makes it fail.
// A failed copy leaves no partial target behind.
bool copyFile(const QString& source, const QString& target, bool overwrite);
// Deletes the file at path; true when it is gone afterwards (a missing file counts as deleted).
bool deleteFile(const QString& path);
