// Writes the sample drawing library into a folder: orbsamplegen DIR
#include "sample/orbsamplelibrary.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: orbsamplegen DIR\n");
        return 2;
    }
    QString error;
    if (!OrbSampleLibrary::generate(args.at(1), &error)) {
        std::fprintf(stderr, "orbsamplegen: %s\n", qPrintable(error));
        return 1;
    }
    for (const QString& name : OrbSampleLibrary::fileNames())
        std::printf("%s\n", qPrintable(name));
    return 0;
}
