// Creates two widgets of the installed library and checks that they came up.
#include <sqltable/orbdwsqltablewidget.h>
#include <vectordrawing/orbdrawsetviewwidget.h>

#include <QApplication>
#include <QAction>
#include <QSqlDatabase>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);

    OrbDWSqlTableWidget table;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("consumer"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open()) {
        std::fprintf(stderr, "consumer: cannot open an in-memory database\n");
        return 1;
    }
    table.setDatabase(db);
    table.show();

    OrbDrawsetViewWidget view(nullptr);
    view.setupUi();
    view.setDrawset(nullptr);
    view.show();

    app.processEvents();
    const bool ok = table.model() != nullptr && table.actionInsertRow()->isEnabled()
                    && view.VDEditor() != nullptr && view.vectorDrawing() != nullptr;
    std::printf("consumer: %s\n", ok ? "widgets created" : "widgets missing");
    return ok ? 0 : 1;
}
