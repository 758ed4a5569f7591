// The English translation as a host application loads it, and the Chinese texts without it.
#include "fakedrawingdata.h"

#include "controls/vantropushbutton.h"
#include "inputdialog/orbdrawingsinputfrm.h"
#include "sqltable/orbdwsqltablewidget.h"
#include "sqltable/orbdwsqltableview.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {
QString buttonText(QWidget* dialog, const char* name)
{
    auto* button = dialog->findChild<VantroPushButton*>(QLatin1String(name));
    return button ? button->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}
} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void referenceHostAndQtTexts()
    {
        // Every message of the reference host has an English text, so --lang en shows no Chinese
        // from the processor or the drawing files; and Qt's own Chinese texts are installed.
        QTranslator host;
        QVERIFY(host.load(QStringLiteral(ORB_TEST_HOST_QM)));
        const QRegularExpression call(QStringLiteral("\\btr\\(\"([^\"]+)\"\\)"));
        int checked = 0;
        const QDir sources(QStringLiteral(ORB_TEST_HOST_SOURCES));
        for (const QString& name : sources.entryList({QStringLiteral("*.cpp")})) {
            QFile f(sources.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString code = QString::fromUtf8(f.readAll());
            for (auto it = call.globalMatch(code); it.hasNext(); ++checked) {
                const QString source = it.next().captured(1);
                QVERIFY2(!host.translate("OrbDrawingWidgets", source.toUtf8().constData()).isEmpty(), qPrintable(source));
            }
        }
        QVERIFY(checked > 30);
        QTranslator qt;
        QVERIFY(qt.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::location(QLibraryInfo::TranslationsPath)));
        QCOMPARE(qt.translate("QPlatformTheme", "&Yes"), QStringLiteral("是(&Y)"));
    }
    // Widgets pick up the translator that is installed when they are built.
    void englishTexts()
    {
        QTranslator translator;
        QVERIFY2(translator.load(QStringLiteral(ORB_TEST_QM)), ORB_TEST_QM);
        QVERIFY(QCoreApplication::installTranslator(&translator));
        FakeLog log;
        FakeDrawingService service(&log);
        std::unique_ptr<OrbDrawingsInputFrm> frm(new OrbDrawingsInputFrm(&service));
        OrbDWSqlTableWidget table;
        QTRY_COMPARE(frm->windowTitle(), QStringLiteral("Cloud Drawing Sets"));
        QCOMPARE(buttonText(frm.get(), "btnReset"), QStringLiteral("Restore Defaults"));
        QCOMPARE(buttonText(frm.get(), "btnOk"), QStringLiteral("OK"));
        QCOMPARE(buttonText(frm.get(), "btnCancel"), QStringLiteral("Cancel"));
        // The grid's context menu shows the view's actions.
        QStringList menu;
        for (QAction* action : table.view()->actions())
            menu.append(action->text() + QLatin1Char('|') + action->toolTip());
        QCOMPARE(menu, (QStringList{"Insert Row|Insert Row", "Delete Row|Delete Row", "|",
                                    "Save Changes|Save Changes", "Undo Changes|Undo Changes"}));
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
