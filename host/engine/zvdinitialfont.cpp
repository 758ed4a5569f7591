#include "engine/zvdinitialfont.h"

namespace {
QString& current()
{
    static QString path;
    return path;
}
} // namespace

void ZVDInitialFont::set(const QString& fontFile)
{
    current() = fontFile;
}

QString ZVDInitialFont::path()
{
    return current();
}
