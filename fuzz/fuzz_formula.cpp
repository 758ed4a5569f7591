// Formula and rebar texts: each input line is one parameter of a drawset, its fields separated by
// "|": code, formula, default value, kind (n number, t text, r rebar, q quantity), bar length,
// bar span, minimum, maximum. The drawset is written to a drawing file; a processor opens and
// calculates it, validates every line's default value against every property and builds every
// table. A value that validation accepts must also be taken by saveEditorValue.

#include "fuzzsupport.h"

#include "drawingdata/orbformulaprocessor.h"
#include "drawingdata/orbsqldrawingfile.h"
#include "sample/orbdrawingfilebuilder.h"

#include <cstdint>
#include <cstdlib>

namespace {
OrbParamDef paramOf(const QString& line, int index)
{
    const QStringList f = line.split(QLatin1Char('|'));
    OrbParamDef p;
    p.code = f.value(0).isEmpty() ? QStringLiteral("P%1").arg(index) : f.value(0);
    p.name = p.code;
    p.formula = f.value(1);
    p.defaultValue = f.value(2);
    const QString kind = f.value(3);
    if (kind.startsWith(QLatin1Char('r'))) {
        p.category = OrbParamCategory::Bar;
        p.dataType = OrbParamDataType::Rebar;
    } else if (kind.startsWith(QLatin1Char('t'))) {
        p.dataType = OrbParamDataType::Text;
    } else if (kind.startsWith(QLatin1Char('q'))) {
        p.category = OrbParamCategory::Quantity;
    }
    p.barLength = f.value(4);
    p.barSpan = f.value(5);
    p.minValue = f.value(6).toDouble(&p.hasMin);
    p.maxValue = f.value(7).toDouble(&p.hasMax);
    p.decimals = index % 4;
    p.vdId = index;
    return p;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    orbfuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 64)
        return 0;
    OrbDrawsetDef def;
    def.name = QStringLiteral("fuzz");
    for (int i = 0; i < lines.size(); ++i)
        def.params.append(paramOf(lines.at(i), i));

    const QString path = orbfuzz::scratchPath(QStringLiteral("formula.orbdwg"));
    int drawsetId = -1;
    {
        OrbDrawingFileBuilder builder(path);
        if (!builder.create({}))
            std::abort();
        const int typeId = builder.addType(1, QStringLiteral("fuzz"), 0);
        drawsetId = typeId < 0 ? -1 : builder.addDrawset(typeId, def);
        if (drawsetId < 0 || !builder.commit())
            return 0; // refused by the schema (a duplicate code, ...)
    }
    QString error;
    const QSharedPointer<OrbSqlDrawingFile> file = OrbSqlDrawingFile::open(path, OrbSqlDrawingFile::OpenMode::ReadWrite, &error);
    if (!file)
        std::abort();
    IOrbDrawset* drawset = file->findDrawset(drawsetId);
    if (!drawset)
        std::abort();

    OrbFormulaProcessor processor;
    processor.setDrawset(drawset);
    processor.open();
    processor.calculate();
    OrbDrawsetProps* props = processor.drawsetProps();
    for (int i = 0; i < props->count() && i < 8; ++i) {
        OrbDrawsetProp* prop = props->at(i);
        prop->value(true);
        // Every value is validated; the first accepted one is saved (each save recalculates).
        bool saved = prop->isReadOnly();
        for (const OrbParamDef& p : qAsConst(def.params)) {
            QString message;
            if (!props->validate(prop, p.defaultValue, message) || saved)
                continue;
            if (!props->saveEditorValue({prop}, p.defaultValue))
                std::abort();
            saved = true;
        }
    }
    processor.toDrawingInfo();
    for (const QString& table : processor.tableNames())
        processor.table(table);
    return 0;
}
