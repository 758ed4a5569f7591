#pragma once

#include <QString>

/// \file
/// File helpers of the host's common library. Each answers true on success and never throws.
/// The check tree's export works with them: it deletes an old target, copies the source drawing
/// file and deletes the copy again when a later step fails.

/// True when path names an existing regular file (a folder is not a file). The editor form and
/// the drawset viewer also use it to check for a preferred font file.
bool fileExists(const QString& path);
/// Copies source to target byte for byte; with overwrite false an existing target makes it fail
/// (the export always passes false, after deleting the old target). A failed copy leaves no
/// partial target behind.
bool copyFile(const QString& source, const QString& target, bool overwrite);
/// Deletes the file at path; true when it is gone afterwards (a missing file counts as deleted).
/// False stops the export before anything is copied.
bool deleteFile(const QString& path);
