#include "fuzzsupport.h"

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbdrawingservice.h"
#include "sample/orbsamplelibrary.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace orbfuzz {
namespace {
QTemporaryDir* g_dir = nullptr;

void quiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}
} // namespace

void init(int* argc, char*** argv)
{
    if (g_dir)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    // Never destroyed: at exit Qt's SQL post routines would run after the connection registry.
    new QApplication(*argc, *argv);
    g_dir = new QTemporaryDir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/orbfuzz-XXXXXX")
                                                                          : QDir::tempPath() + QStringLiteral("/orbfuzz-XXXXXX"));
    if (!g_dir->isValid())
        std::abort();
}

QString scratchPath(const QString& name)
{
    return g_dir->filePath(name);
}

OrbDrawingService& sampleService()
{
    static OrbDrawingService* service = [] {
        const QString folder = scratchPath(QStringLiteral("sample"));
        QString error;
        if (!OrbSampleLibrary::generate(folder, &error)) {
            std::fprintf(stderr, "sample library: %s\n", qPrintable(error));
            std::abort();
        }
        return new OrbDrawingService(folder);
    }();
    return *service;
}

IOrbDrawset* sampleDrawset()
{
    static IOrbDrawset* found = [] {
        OrbDrawingService& service = sampleService();
        QStringList names;
        service.fileNames(names);
        for (const QString& name : qAsConst(names)) {
            QSharedPointer<IOrbDrawingFile> file;
            service.openFile(file, name);
            if (!file)
                continue;
            QList<IOrbDrawsetType*> types;
            file->drawsetTypes()->getAll(types, true);
            for (IOrbDrawsetType* type : qAsConst(types)) {
                QList<IOrbDrawset*> drawsets;
                file->drawsets()->getByType(drawsets, type);
                if (!drawsets.isEmpty())
                    return drawsets.first();
            }
        }
        std::abort();
        return static_cast<IOrbDrawset*>(nullptr);
    }();
    return found;
}
} // namespace orbfuzz
