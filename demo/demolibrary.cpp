#include "demolibrary.h"

#include "demopage.h"

#include "drawingdata/orbdrawingservice.h"
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
        it = services().insert(folder, std::make_shared<OrbDrawingService>(folder));
    return it.value().get();
}
} // namespace demolibrary
