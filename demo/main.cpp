// orbdemo: a host application that shows every widget of the library on the sample drawing library.
// With a display it opens a window with one tab per widget; with --screenshots DIR (or without a
// display) it renders every page to DIR/<page>.png and exits.

#include "demolibrary.h"
#include "demopage.h"

#include "drawingdata/orbdrawingservice.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
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
// Loads the translation file for language: from the build tree first, then from the installed
// share folder beside the binary.
bool loadTranslation(QApplication& app, const QString& file)
{
    auto* translator = new QTranslator(&app);
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

// The texts of the library and of the reference host in language (the sources are Chinese), and
// Qt's own texts (message box buttons and the like) in the same language.
void loadTranslations(QApplication& app, const QString& language)
{
    const bool chinese = language.isEmpty() || language.startsWith(QLatin1String("zh"));
    if (!chinese) {
        loadTranslation(app, QStringLiteral("orbdrawingwidgets_") + language);
        loadTranslation(app, QStringLiteral("orbreferencehost_") + language);
    }
    const QString qtLanguage = chinese ? (language.isEmpty() ? QStringLiteral("zh_CN") : language) : language;
    if (qtLanguage.startsWith(QLatin1String("en")))
        return; // Qt's own texts are English
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + qtLanguage, QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qt);
    } else {
        std::fprintf(stderr, "orbdemo: no Qt translation for %s (package qttranslations5-l10n)\n", qPrintable(qtLanguage));
        delete qt;
    }
}

// The files of the library the drawing service left out, one line each with the reason.
QString skippedText(const DemoContext& context)
{
    OrbDrawingService* service = demolibrary::service(context);
    const QStringList skipped = service ? service->skippedFiles() : QStringList();
    if (skipped.isEmpty())
        return QString();
    return QStringLiteral("Skipped %1 file(s) of the library %2:\n").arg(skipped.size()).arg(demolibrary::path(context))
           + skipped.join(QLatin1Char('\n'));
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
    QCommandLineOption reset(QStringLiteral("reset-library"),
                             QStringLiteral("Start again from a fresh copy of the sample library."));
    QCommandLineOption server(QStringLiteral("server"),
                              QStringLiteral("Drawing library on a PostgreSQL server instead of the local sample library "
                                             "(postgresql://user@host:port/database?schema=name); filled with the "
                                             "sample drawing files when empty."),
                              QStringLiteral("URL"));
    parser.addOptions({shots, library, lang, quit, reset, server});
    parser.process(app);

    DemoContext context;
    context.arguments = QApplication::arguments();
    context.libraryPath = parser.value(library);
    context.serverUrl = parser.value(server);
    context.language = parser.value(lang);
    context.resetLibrary = parser.isSet(reset);
    loadTranslations(app, context.language);

    const bool headless = QGuiApplication::platformName() == QLatin1String("offscreen")
                          || QGuiApplication::platformName() == QLatin1String("minimal");
    if (parser.isSet(shots) || headless) {
        const QString skipped = skippedText(context);
        if (!skipped.isEmpty())
            std::fprintf(stderr, "orbdemo: %s\n", qPrintable(skipped));
        const QString dir = parser.isSet(shots) ? parser.value(shots) : QStringLiteral("demo-output");
        return writeScreenshots(context, dir);
    }

    QMainWindow window;
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    const QString skipped = skippedText(context);
    if (!skipped.isEmpty()) {
        auto* label = new QLabel(skipped, central);
        label->setObjectName(QStringLiteral("skippedFiles"));
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setStyleSheet(QStringLiteral("QLabel { background: #fff4ce; padding: 4px; }"));
        layout->addWidget(label);
    }
    auto* tabs = new QTabWidget(central);
    layout->addWidget(tabs, 1);
    for (const DemoPage& page : sortedPages()) {
        if (QWidget* widget = page.create(context))
            tabs->addTab(widget, page.title);
    }
    window.setCentralWidget(central);
    window.resize(1280, 800);
    window.setWindowTitle(QStringLiteral("OrbDrawingWidgets demo"));
    window.show();
    if (parser.isSet(quit))
        QTimer::singleShot(parser.value(quit).toInt(), &app, &QApplication::quit);
    return app.exec();
}
