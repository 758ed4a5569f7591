#pragma once

#include "orbdrawingwidgets_export.h"

#include "engine/zvdconstants.h"

#include <QByteArray>

class QString;
class QWidget;
class ZVectorDrawing;
class ZVectorDrawingEditor;

// Moves vector drawings between the engine and byte arrays, the form drawsets hand them out in.
class ORBDRAWINGWIDGETS_EXPORT OrbVectorDrawingUtils
{
public:
    // Replaces the content of drawing with the drawing stored in data; empty data empties it.
    // False when data holds no readable drawing (the drawing is then empty).
    static bool loadData(ZVectorDrawing* drawing, const QByteArray& data);
    // Shows, centred over view, that its drawing could not be read; damaged false takes it away.
    static void showDamagedNotice(QWidget* view, bool damaged);
    // Writes drawing into data: XML for format 1, the engine's stream for every other format.
    static void saveData(ZVectorDrawing* drawing, QByteArray& data, EnVDSaveFormat format, bool flag);
    // Makes editor draw with the font file fileName from the folder of its default font, when
    // that file exists there and the default font is not already one (names compared in any case).
    static void preferFontBeside(ZVectorDrawingEditor* editor, const QString& fileName);
};
