// The English translation as a host application loads it, and the Chinese texts without it.
#include "fakedrawingdata.h"

#include "controls/vantropushbutton.h"
#include "inputdialog/orbdrawingsinputfrm.h"
#include "sqltable/orbdwsqltablewidget.h"
#include "sqltable/orbdwsqltableview.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {
// Opens the grid's context menu as a right click does and returns "text|tooltip" per entry.
QStringList contextMenuTexts(OrbDWSqlTableWidget& widget)
{
    QStringList texts;
    QWidget* viewport = widget.view()->viewport();
    QTimer::singleShot(0, [&]() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                texts.append(action->text() + QLatin1Char('|') + action->toolTip());
        }
        menu->close();
    });
    const QPoint pos(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
    QApplication::sendEvent(viewport, &event);
    return texts;
}

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
    void texts_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("dialog"); // title, reset, OK, cancel
        QTest::addColumn<QStringList>("menu");
        QTest::newRow("english translation")
            << true
            << QStringList{QStringLiteral("Cloud Drawing Sets"), QStringLiteral("Restore Defaults"),
                           QStringLiteral("OK"), QStringLiteral("Cancel")}
            << QStringList{QStringLiteral("Insert Row|Insert Row"), QStringLiteral("Delete Row|Delete Row"),
                           QStringLiteral("Save Changes|Save Changes"),
                           QStringLiteral("Undo Changes|Undo Changes")};
    }

    void texts()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, dialog);
        QFETCH(QStringList, menu);

        QTranslator translator;
        if (english) {
            QVERIFY2(translator.load(QStringLiteral(ORB_TEST_QM)), ORB_TEST_QM);
            QVERIFY(QCoreApplication::installTranslator(&translator));
        }
        // Widgets pick up the translator that is installed when they are built.
        FakeLog log;
        FakeDrawingService service(&log);
        std::unique_ptr<OrbDrawingsInputFrm> frm(new OrbDrawingsInputFrm(&service));
        OrbDWSqlTableWidget table;
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));

        QTRY_COMPARE(frm->windowTitle(), dialog.at(0));
        QCOMPARE(buttonText(frm.get(), "btnReset"), dialog.at(1));
        QCOMPARE(buttonText(frm.get(), "btnOk"), dialog.at(2));
        QCOMPARE(buttonText(frm.get(), "btnCancel"), dialog.at(3));
        QCOMPARE(contextMenuTexts(table), menu);

        if (english)
            QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
