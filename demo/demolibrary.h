#pragma once

#include <QList>
#include <QString>

struct DemoContext;
class IOrbDrawingFile;
class IOrbDrawset;
class OrbDrawingService;

namespace demolibrary {
// The folder of drawing files the pages show: the one given with --library, or else the demo's
// own copy of the sample drawing library (made on first use, made afresh with --reset-library),
// so that renames in the demo never reach the library other programs use. Empty when it cannot
// be written.
QString path(const DemoContext& context);
// Every drawset of file, type by type, in display order.
QList<IOrbDrawset*> drawsets(IOrbDrawingFile* file);
// One drawing service over that folder, shared by every page (lives until the demo exits).
OrbDrawingService* service(const DemoContext& context);
} // namespace demolibrary
