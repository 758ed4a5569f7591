// Writes arbitrary bytes to a file and opens it as a drawing file, then reads everything a widget
// can reach through it: types, drawsets, their key/values and drawings, definitions, catalogues,
// and a formula processor opened, calculated and asked for every table. A refused file must say
// why; nothing may crash, leak or hang.

#include "fuzzsupport.h"

#include "drawingdata/iorbcatalog.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbformulaprocessor.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "drawingdata/orbsqldrawingfile.h"

#include <QFile>
#include <QSet>

#include <cstdint>
#include <cstdlib>

namespace {
void readAll(OrbSqlDrawingFile& file)
{
    QString text;
    QSet<int> elementTypes;
    file.fileName(text);
    file.elementTypes(elementTypes);
    file.isEditable();
    QList<IOrbDrawsetType*> types;
    file.drawsetTypes()->getAll(types, true);
    for (IOrbDrawsetType* type : qAsConst(types)) {
        type->name(text);
        QList<IOrbDrawset*> drawsets;
        file.drawsets()->getByType(drawsets, type);
        for (IOrbDrawset* drawset : qAsConst(drawsets)) {
            drawset->name(text);
            if (OrbKeyValueList* values = drawset->keyValues())
                values->toString(QLatin1Char(';'));
            drawset->vectorDrawingData();
            QList<IOrbCodeEntry*> codes;
            file.codeCatalog()->getByDrawset(codes, drawset);
            for (IOrbCodeEntry* code : qAsConst(codes))
                code->displayName();
            OrbFormulaProcessor processor;
            processor.setDrawset(drawset);
            processor.open();
            processor.calculate();
            processor.toDrawingInfo();
            for (const QString& table : processor.tableNames())
                processor.table(table);
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    orbfuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = orbfuzz::scratchPath(QStringLiteral("input.orbdwg"));
    QFile::remove(path + QStringLiteral("-journal"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    out.write(reinterpret_cast<const char*>(data), qint64(size));
    out.close();
    QString error;
    const QSharedPointer<OrbSqlDrawingFile> file = OrbSqlDrawingFile::open(path, OrbSqlDrawingFile::OpenMode::ReadOnly, &error);
    if (!file) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    readAll(*file);
    return 0;
}
