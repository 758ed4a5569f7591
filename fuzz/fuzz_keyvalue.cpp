// Key/value and drawing-info texts: the first character is the separator of a key/value list read
// from the rest; the whole text is also an element's drawing info for a processor on a sample
// drawset (opened and calculated) and an automation string for the drawing-info editor form
// (open=CODE, value=CODE, query). Keys of a list must come out unique.

#include "fuzzsupport.h"

#include "drawinginfo/orbdrawinginfoeditorfrm.h"

#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbformulaprocessor.h"
#include "drawingdata/orbkeyvaluelist.h"

#include <QSet>

#include <cstdint>
#include <cstdlib>

namespace {
OrbFormulaProcessor* g_processor = nullptr;
OrbDrawingInfoEditorFrm* g_form = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    orbfuzz::init(argc, argv);
    g_processor = new OrbFormulaProcessor;
    g_processor->setDrawset(orbfuzz::sampleDrawset());
    g_form = new OrbDrawingInfoEditorFrm(&orbfuzz::sampleService());
    g_form->setProcessor(g_processor);
    g_form->refreshProcessor();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));

    OrbKeyValueList list;
    const QChar separator = text.isEmpty() ? QLatin1Char(';') : text.at(0);
    list.loadFromString(text.mid(1), separator);
    const QStringList keys = list.keys();
    if (QSet<QString>(keys.begin(), keys.end()).size() != keys.size() || keys.size() != list.count())
        std::abort();
    OrbKeyValueList again;
    again.loadFromString(list.toString(separator), separator);

    g_processor->setDrawingInfo(text);
    g_processor->open();
    g_processor->calculate();
    g_processor->toDrawingInfo();

    QString value;
    OrbDrawingInfoEditorFrm::parserKeyValue(text, QStringLiteral("value"), value);
    g_form->getAttributes(text);
    return 0;
}
