// Feeds arbitrary bytes to the drawing loader, twice: as they come (which mostly exercises the
// checksum) and with the trailing checksum rewritten to match, so that mutations reach the parser
// behind it. Beyond "no crash, leak or hang", every stream the engine accepts must save back to
// exactly the bytes it was read from, and every refused stream must leave the drawing empty with
// the engine's error text.

#include "vectordrawing/orbvectordrawingutils.h"

#include "engine/zvectordrawing.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {
quint32 crc32(const char* data, int size)
{
    quint32 c = 0xFFFFFFFFu;
    for (int i = 0; i < size; ++i) {
        c ^= quint8(data[i]);
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return c ^ 0xFFFFFFFFu;
}

void check(const QByteArray& bytes)
{
    ZVectorDrawing drawing;
    OrbVectorDrawingUtils::loadData(&drawing, bytes);
    if (bytes.isEmpty())
        return;
    if (drawing.lastError().isEmpty()) {
        QByteArray again;
        OrbVectorDrawingUtils::saveData(&drawing, again, vdsfStream, false);
        if (again != bytes)
            std::abort();
    } else if (drawing.count() != 0
               || drawing.lastError() != QString::fromWCharArray(zvd::ERROR_INVALID_STREAM)) {
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    check(bytes);
    if (bytes.size() >= 4) {
        QByteArray sealed = bytes;
        const int body = sealed.size() - 4;
        const quint32 crc = crc32(sealed.constData(), body);
        for (int i = 0; i < 4; ++i)
            sealed[body + i] = char(crc >> (8 * i));
        if (sealed != bytes)
            check(sealed);
    }
    return 0;
}
