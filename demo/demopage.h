#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// What every demo page may use: the command line and the folder of the sample drawing library.
struct DemoContext
{
    QStringList arguments;
    QString libraryPath;
    QString serverUrl; // a drawing library on a server (postgresql://...), instead of a folder
    QString language;
    bool resetLibrary = false; // start again from a fresh copy of the sample library
};

// A page of the demo: one widget of the library shown on real data. Pages register themselves
// from their own source file, so each widget family adds its page without touching the others.
struct DemoPage
{
    QString name;   // file name of the screenshot, e.g. "drawsetview"
    QString title;  // tab text
    int order;      // position among the pages
    std::function<QWidget*(const DemoContext&)> create;
};

class DemoPages
{
public:
    static QList<DemoPage>& all();
    static bool add(const DemoPage& page);
};

#define ORB_DEMO_PAGE(ident, ...) static const bool ident##_registered = DemoPages::add(DemoPage{__VA_ARGS__})
