#include "demolibrary.h"

#include "demopage.h"

#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbserverlibrary.h"
#include "sample/orbsamplelibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

namespace demolibrary {
QString path(const DemoContext& context)
{
    if (!context.libraryPath.isEmpty())
        return context.libraryPath;
    if (!context.serverUrl.isEmpty())
        return context.serverUrl;
    static QString folder;
    if (folder.isEmpty()) {
        QString own = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        if (own.isEmpty())
            own = QDir::temp().filePath(QStringLiteral("orbdemo"));
        own = QDir(own).filePath(QStringLiteral("sample-library"));
        if (context.resetLibrary)
            QDir(own).removeRecursively();
        QString error;
        folder = OrbSampleLibrary::ensure(own, &error);
        if (folder.isEmpty())
            std::fprintf(stderr, "orbdemo: no sample library: %s\n", qPrintable(error));
    }
    return folder;
}

namespace {
QHash<QString, std::shared_ptr<OrbDrawingService>>& services()
{
    static QHash<QString, std::shared_ptr<OrbDrawingService>> all;
    return all;
}

// A library on a server; an empty one gets the sample library's files first.
std::shared_ptr<OrbDrawingService> serverService(const DemoContext& context)
{
    const OrbServerLibrary library(context.serverUrl);
    QString error;
    QStringList names;
    // An unreachable server still gives a service: it lists no file and says why (skippedFiles).
    if (!library.create(&error) || !library.fileNames(names, &error))
        std::fprintf(stderr, "orbdemo: %s\n", qPrintable(error));
    else if (names.isEmpty()) {
        DemoContext local = context;
        local.serverUrl.clear();
        const QString folder = path(local);
        for (const QString& name : OrbSampleLibrary::fileNames()) {
            if (!library.importFile(QDir(folder).filePath(name + QStringLiteral(".orbdwg")), name, &error))
                std::fprintf(stderr, "orbdemo: cannot import %s: %s\n", qPrintable(name), qPrintable(error));
        }
    }
    return std::make_shared<OrbDrawingService>(library);
}

// The files close while the application (and its SQL driver) still exists.
void closeServices()
{
    services().clear();
}
} // namespace

OrbDrawingService* service(const DemoContext& context)
{
    if (services().isEmpty())
        qAddPostRoutine(closeServices);
    const QString folder = path(context);
    auto it = services().find(folder);
    if (it == services().end())
        it = services().insert(folder, context.serverUrl.isEmpty() || !context.libraryPath.isEmpty()
                                           ? std::make_shared<OrbDrawingService>(folder)
                                           : serverService(context));
    return it.value().get();
}
} // namespace demolibrary
