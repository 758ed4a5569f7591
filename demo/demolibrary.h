#pragma once

#include <QString>

struct DemoContext;
class OrbDrawingService;

namespace demolibrary {
// The folder of drawing files the pages show: the one given with --library, the server library
// given with --server (its URL), or else the demo's
// own copy of the sample drawing library (made on first use, made afresh with --reset-library),
// so that renames in the demo never reach the library other programs use. Empty when it cannot
// be written.
QString path(const DemoContext& context);
// One drawing service over that folder, shared by every page (lives until the demo exits).
OrbDrawingService* service(const DemoContext& context);
} // namespace demolibrary
