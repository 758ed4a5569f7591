#pragma once

#include <QString>

class IOrbDrawset;
class OrbDrawingService;

// Shared set-up of the fuzz targets: an offscreen application, a scratch folder (in memory where
// possible), the sample library and one of its drawsets.
namespace orbfuzz {
// Creates the application (offscreen, Qt's own messages silenced) once.
void init(int* argc, char*** argv);
QString scratchPath(const QString& name);
// The sample library's service, generated into the scratch folder on first use.
OrbDrawingService& sampleService();
// The first drawset of the sample library that has parameters (a well).
IOrbDrawset* sampleDrawset();
} // namespace orbfuzz
