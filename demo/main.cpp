// orbdemo: a host application that shows every widget of the library on the sample drawing library.
// With a display it opens a window with one tab per widget; with --screenshots DIR (or without a
// display) it renders every page to DIR/<page>.png and exits.

#include "demopage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QImage>
#include <QMainWindow>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <algorithm>
#include <cstdio>

QList<DemoPage>& DemoPages::all()
{
    static QList<DemoPage> pages;
    return pages;
}

bool DemoPages::add(const DemoPage& page)
{
    all().append(page);
    return true;
}

namespace {
// Loads the library's translation for language: from the build tree first, then from the
// installed share folder beside the binary.
bool loadTranslation(QApplication& app, const QString& language)
{
    if (language.isEmpty() || language.startsWith(QLatin1String("zh")))
        return true;
    auto* translator = new QTranslator(&app);
    const QString file = QStringLiteral("orbdrawingwidgets_") + language;
    const QStringList dirs = {
#ifdef ORB_TRANSLATIONS_DIR
        QStringLiteral(ORB_TRANSLATIONS_DIR),
#endif
        QApplication::applicationDirPath() + QStringLiteral("/../share/OrbDrawingWidgets/translations"),
    };
    for (const QString& dir : dirs) {
        if (translator->load(file, dir)) {
            QApplication::installTranslator(translator);
            return true;
        }
    }
    std::fprintf(stderr, "orbdemo: no translation %s found\n", qPrintable(file));
    delete translator;
    return false;
}

QList<DemoPage> sortedPages()
{
    QList<DemoPage> pages = DemoPages::all();
    std::stable_sort(pages.begin(), pages.end(),
                     [](const DemoPage& a, const DemoPage& b) { return a.order < b.order; });
    return pages;
}

int writeScreenshots(const DemoContext& context, const QString& dir)
{
    QDir().mkpath(dir);
    int failures = 0;
    for (const DemoPage& page : sortedPages()) {
        QWidget* widget = page.create(context);
        if (!widget) {
            std::fprintf(stderr, "orbdemo: page %s could not be built\n", qPrintable(page.name));
            ++failures;
            continue;
        }
        widget->setAttribute(Qt::WA_DontShowOnScreen);
        widget->show();
        // Let layouts, queued zooms and deferred loads run before the grab.
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        const QString file = QDir(dir).filePath(page.name + QStringLiteral(".png"));
        if (!widget->grab().save(file)) {
            std::fprintf(stderr, "orbdemo: cannot write %s\n", qPrintable(file));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(file));
        }
        delete widget;
    }
    return failures == 0 ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbdemo"));

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption shots(QStringLiteral("screenshots"), QStringLiteral("Render every page to DIR and exit."),
                             QStringLiteral("DIR"));
    QCommandLineOption library(QStringLiteral("library"), QStringLiteral("Folder of drawing files."),
                               QStringLiteral("DIR"));
    QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("Language of the texts (en)."),
                            QStringLiteral("LANG"));
    QCommandLineOption quit(QStringLiteral("quit-after"), QStringLiteral("Close the window after MS."),
                            QStringLiteral("MS"));
    parser.addOptions({shots, library, lang, quit});
    parser.process(app);

    DemoContext context;
    context.arguments = QApplication::arguments();
    context.libraryPath = parser.value(library);
    context.language = parser.value(lang);
    loadTranslation(app, context.language);

    const bool headless = QGuiApplication::platformName() == QLatin1String("offscreen")
                          || QGuiApplication::platformName() == QLatin1String("minimal");
    if (parser.isSet(shots) || headless) {
        const QString dir = parser.isSet(shots) ? parser.value(shots) : QStringLiteral("demo-output");
        return writeScreenshots(context, dir);
    }

    QMainWindow window;
    auto* tabs = new QTabWidget(&window);
    for (const DemoPage& page : sortedPages()) {
        if (QWidget* widget = page.create(context))
            tabs->addTab(widget, page.title);
    }
    window.setCentralWidget(tabs);
    window.resize(1280, 800);
    window.setWindowTitle(QStringLiteral("OrbDrawingWidgets demo"));
    window.show();
    if (parser.isSet(quit))
        QTimer::singleShot(parser.value(quit).toInt(), &app, &QApplication::quit);
    return app.exec();
}
