// The SQL table widget as a user meets it: through the grid's context menu. Guards against
// actions enabled in the wrong state, an insert whose editor closes with the menu or opens in the
// wrong column, and a model left in the view after the database was taken away (a failed save
// keeps every edit: tst_orbdwsqltablemodel; saving stays enabled while edits wait: actionStates).
#include "sqltestdb.h"

#include "sqltable/orbdwsqltablemodel.h"
#include "sqltable/orbdwsqltableview.h"
#include "sqltable/orbdwsqltablewidget.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>
#include <QtTest>


namespace {
// Opens the grid's context menu as a right click does and clicks the entry named text.
void clickMenuEntry(OrbDWSqlTableWidget& widget, const QString& text)
{
    QWidget* viewport = widget.view()->viewport();
    QTimer::singleShot(0, [&]() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
        if (menu->isVisible())
            menu->close();
    });
    const QPoint pos(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
    QApplication::sendEvent(viewport, &event);
}

// The entries of the grid's context menu (the view's actions), each marked + when enabled.
QString states(OrbDWSqlTableWidget& widget)
{
    QStringList out;
    for (QAction* action : widget.view()->actions())
        out.append(action->isSeparator() ? QStringLiteral("-") : action->text() + (action->isEnabled() ? "+" : "-"));
    return out.join(QLatin1Char(' '));
}
} // namespace

class tst_OrbDWSqlTableWidget : public QObject
{
    Q_OBJECT

    SqlTestDatabases m_databases;

    // A widget on a fresh SQLite table, selected, as an owner sets it up.
    bool setUp(OrbDWSqlTableWidget& widget)
    {
        QString why;
        bool unavailable = false;
        QSqlDatabase db = m_databases.open(QStringLiteral("sqlite"), &why, &unavailable);
        if (!db.isValid()) {
            qWarning() << why;
            return false;
        }
        widget.setDatabase(db);
        widget.setTable(QStringLiteral("item"));
        widget.model()->setSort(0, Qt::AscendingOrder);
        return widget.model()->select();
    }

private slots:
    void actionStates_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("menu");
        const QString none = QStringLiteral("插入行- 删除行- - 保存修改- 撤销修改-");
        const QString clean = QStringLiteral("插入行+ 删除行+ - 保存修改- 撤销修改-");
        const QString dirty = QStringLiteral("插入行+ 删除行+ - 保存修改+ 撤销修改+");
        QTest::newRow("new widget") << "new" << none;
        QTest::newRow("database, clean") << "clean" << clean;
        QTest::newRow("edited") << "edited" << dirty;
        QTest::newRow("row deleted") << "deleted" << dirty;
        QTest::newRow("edit undone") << "reverted" << clean;
        QTest::newRow("invalid database after a valid one") << "invalid" << none;
    }

    void actionStates()
    {
        QFETCH(QString, state);
        QFETCH(QString, menu);
        OrbDWSqlTableWidget widget;
        widget.resize(500, 300);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QVERIFY(widget.view()->width() > 400 && widget.view()->height() > 200); // the grid fills the widget
        if (state != QLatin1String("new")) {
            QVERIFY(setUp(widget));
            OrbDWSqlTableModel* model = widget.model();
            if (state == QLatin1String("edited") || state == QLatin1String("reverted"))
                QVERIFY(model->setData(model->index(0, 1), QStringLiteral("x")));
            if (state == QLatin1String("deleted")) {
                widget.view()->selectRows(1, 1);
                clickMenuEntry(widget, QStringLiteral("删除行"));
                QCOMPARE(model->headerData(1, Qt::Vertical).toString(), QStringLiteral("!"));
            }
            if (state == QLatin1String("reverted"))
                model->revertAll();
            if (state == QLatin1String("invalid")) {
                QPointer<OrbDWSqlTableModel> old = model;
                QSqlDatabase invalid;
                widget.setDatabase(invalid);
                QVERIFY(!old);
                QVERIFY(!widget.model());
                QVERIFY(!widget.view()->model());
            }
        }
        QCOMPARE(states(widget), menu);
    }

    // Every database handed over gave the view one more selection model that nothing freed.
    void setDatabaseLeavesOneSelectionModel()
    {
        OrbDWSqlTableWidget widget;
        for (int i = 0; i < 3; ++i)
            QVERIFY(setUp(widget));
        QSqlDatabase invalid;
        widget.setDatabase(invalid);
        QVERIFY(setUp(widget));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(widget.view()->findChildren<QItemSelectionModel*>(QString(), Qt::FindDirectChildrenOnly).count(), 1);
    }

    // What a user types is checked against the column's declared type and read with the widget's
    // locale; a text column grows to show what was typed rather than cutting it short.
    void typedValues_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QVariant>("stored");
        const QString longNote = QStringLiteral("a note much longer than the column was first made for");
        QTest::newRow("real") << "C" << 4 << "2.25" << QVariant(2.25);
        QTest::newRow("real, letters refused") << "C" << 4 << "abc" << QVariant(1.5);
        QTest::newRow("real, decimal comma") << "de_DE" << 4 << "2,25" << QVariant(2.25);
        QTest::newRow("integer") << "C" << 2 << "42" << QVariant(42);
        QTest::newRow("integer, letters refused") << "C" << 2 << "x" << QVariant(1);
        QTest::newRow("text") << "C" << 1 << longNote << QVariant(longNote);
        QTest::newRow("real emptied is NULL") << "C" << 4 << "\b" << QVariant(QVariant::Double);
    }

    void typedValues()
    {
        QFETCH(QString, locale);
        QFETCH(int, column);
        QFETCH(QString, keys);
        QFETCH(QVariant, stored);
        OrbDWSqlTableWidget widget;
        widget.setLocale(QLocale(locale));
        QVERIFY(setUp(widget));
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        OrbDWSqlTableView* view = widget.view();
        const QModelIndex index = widget.model()->index(0, column);
        view->setColumnWidth(column, 300); // the user's width: typing never takes it back
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QTest::keyClick(view, Qt::Key_F2);
        QPointer<QLineEdit> editor = view->findChild<QLineEdit*>(QStringLiteral("vantroLineEditor"));
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!editor || !editor->isVisible());
        QCOMPARE(index.data(Qt::EditRole), stored);
        QCOMPARE(index.data(Qt::EditRole).isNull(), stored.isNull());
        QVERIFY(view->columnWidth(column) >= 300);
        const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
        QVERIFY(view->visualRect(index).width() >= view->fontMetrics().horizontalAdvance(index.data().toString()) + margins);
    }

    void insertThroughContextMenu()
    {
        OrbDWSqlTableWidget widget;
        QVERIFY(setUp(widget));
        widget.show();
        widget.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&widget));
        widget.view()->selectionModel()->clearCurrentIndex();

        clickMenuEntry(widget, QStringLiteral("插入行"));

        OrbDWSqlTableModel* model = widget.model();
        QCOMPARE(model->rowCount(), 6);
        QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("*"));
        QCOMPARE(widget.view()->currentIndex(), model->index(0, 1));
        QPointer<QLineEdit> editor = widget.view()->findChild<QLineEdit*>(QStringLiteral("vantroLineEditor"));
        QVERIFY(editor);
        // The window's activation changes as the menu closes; the editor must survive it.
        QCoreApplication::processEvents();
        QTRY_VERIFY(editor && editor->isVisible());
        QCOMPARE(widget.view()->visualRect(model->index(0, 1)).center(), editor->geometry().center());
        QTest::keyClicks(editor, QStringLiteral("new"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(model->index(0, 1).data().toString(), QStringLiteral("new"));
        QCOMPARE(states(widget), QStringLiteral("插入行+ 删除行+ - 保存修改+ 撤销修改+"));
    }
};

QTEST_MAIN(tst_OrbDWSqlTableWidget)
#include "tst_orbdwsqltablewidget.moc"
