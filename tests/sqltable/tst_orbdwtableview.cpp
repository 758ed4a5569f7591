// Row operations of the table view on models that behave differently: models that drop removed
// rows at once, QSqlTableModel which keeps them until submit, and a model that moves rows (a move
// only asks the model, the same way whatever the model). Guards against: rows removed one by one
// or in an order that shifts rows still to be removed, a selection left on a row that no longer
// exists, moves that go the wrong way, and operations that touch a missing model.
#include "sqltestdb.h"

#include "sqltable/orbdwtableview.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlTableModel>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QtTest>

namespace {
// Logs every removeRows call it receives.
class RecordingModel : public QStandardItemModel
{
public:
    RecordingModel(int rows, int columns)
        : QStandardItemModel(rows, columns)
    {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                setData(index(r, c), QStringLiteral("r%1c%2").arg(r).arg(c));
    }
    bool removeRows(int row, int count, const QModelIndex& parent) override
    {
        calls.append(QStringLiteral("removeRows(%1,%2)").arg(row).arg(count));
        return QStandardItemModel::removeRows(row, count, parent);
    }
    QStringList calls;
};

QList<int> selectedRows(QTableView& view)
{
    QList<int> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void selectRowList(QTableView& view, const QList<int>& rows)
{
    for (int row : rows)
        view.selectionModel()->select(view.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QStringList column0(const QAbstractItemModel& model)
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts.append(model.index(r, 0).data().toString());
    return texts;
}
} // namespace

class tst_OrbDWTableView : public QObject
{
    Q_OBJECT

private:
    SqlTestDatabases m_databases;
    QSqlDatabase m_db; // the SQL suites' table of five rows, never saved to here

private slots:
    void initTestCase()
    {
        QString why;
        bool unavailable = false;
        m_db = m_databases.open(QStringLiteral("sqlite"), &why, &unavailable);
        QVERIFY2(m_db.isValid(), qPrintable(why));
    }

    void insertRow_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("expectedRow");
        // The SQL view's edit column (1): tst_orbdwsqltablewidget insertThroughContextMenu.
        QTest::newRow("no current index") << -1 << 0;
        QTest::newRow("current row 4") << 4 << 4;
    }

    void insertRow()
    {
        QFETCH(int, current);
        QFETCH(int, expectedRow);
        RecordingModel model(8, 3);
        OrbDWTableView view;
        view.setModel(&model);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.selectionModel()->clearCurrentIndex();
        if (current >= 0)
            view.setCurrentIndex(model.index(current, 2));
        QSignalSpy inserted(&view, &OrbDWTableView::onInsertRow);

        view.insertRow();

        QCOMPARE(model.rowCount(), 9);
        QVERIFY(model.index(expectedRow, 0).data().isNull()); // every other row has a text
        const QModelIndex expected = model.index(expectedRow, 0);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(0).value<QModelIndex>(), expected);
        QCOMPARE(view.currentIndex(), expected);
        auto* editor = view.findChild<QLineEdit*>();
        QVERIFY(editor);
        QTRY_VERIFY(editor->isVisible());
        QVERIFY(view.visualRect(expected).contains(editor->geometry().center()));
    }

    void deleteInBlocks()
    {
        RecordingModel model(10, 2);
        OrbDWTableView view;
        view.setModel(&model);
        selectRowList(view, {7, 6, 5, 2});
        // A second column of a selected row counts once.
        view.selectionModel()->select(model.index(6, 1), QItemSelectionModel::Select);

        view.deleteRow();

        QCOMPARE(model.calls, QStringList({QStringLiteral("removeRows(5,3)"), QStringLiteral("removeRows(2,1)")}));
        QCOMPARE(column0(model), QStringList({"r0c0", "r1c0", "r3c0", "r4c0", "r8c0", "r9c0"}));
        QCOMPARE(selectedRows(view), QList<int>({2}));
    }

    void selectionAfterDelete_data()
    {
        QTest::addColumn<bool>("sqlModel");
        QTest::addColumn<QList<int>>("deleted");
        QTest::addColumn<int>("rowsAfter");
        QTest::addColumn<QList<int>>("selectedAfter");
        QTest::newRow("drops rows, last rows") << false << QList<int>{3, 4} << 3 << QList<int>{2};
        QTest::newRow("drops rows, all rows") << false << QList<int>{0, 1, 2, 3, 4} << 0 << QList<int>{};
        QTest::newRow("keeps rows, last rows") << true << QList<int>{3, 4} << 5 << QList<int>{3};
    }

    void selectionAfterDelete()
    {
        QFETCH(bool, sqlModel);
        QFETCH(QList<int>, deleted);
        QFETCH(int, rowsAfter);
        QFETCH(QList<int>, selectedAfter);
        RecordingModel items(5, 2);
        QSqlTableModel table(nullptr, m_db);
        table.setTable(QStringLiteral("item"));
        table.setEditStrategy(QSqlTableModel::OnManualSubmit);
        QVERIFY(table.select());
        OrbDWTableView view;
        view.setModel(sqlModel ? static_cast<QAbstractItemModel*>(&table) : &items);
        // A current index alone is not a selection.
        view.setCurrentIndex(view.model()->index(0, 0));
        view.selectionModel()->clearSelection();
        selectRowList(view, deleted);

        view.deleteRow();

        QCOMPARE(view.model()->rowCount(), rowsAfter);
        QCOMPARE(selectedRows(view), selectedAfter);
    }

    void moves()
    {
        QStringListModel model({"a", "b", "c", "d"});
        OrbDWTableView view;
        view.setModel(&model);
        QVERIFY(!view.canMoveUpRow(model.index(0)));
        QVERIFY(!view.canMoveUpRow(QModelIndex()));
        QVERIFY(!view.canMoveDownRow(model.index(3)));
        QVERIFY(view.canMoveDownRow(model.index(2)));

        view.moveDownRow(model.index(1));
        QCOMPARE(model.stringList(), QStringList({"a", "c", "b", "d"}));
        QCOMPARE(selectedRows(view), QList<int>({2}));
        view.moveUpRow(model.index(2));
        QCOMPARE(model.stringList(), QStringList({"a", "b", "c", "d"}));
        QCOMPARE(selectedRows(view), QList<int>({1}));
        // At the edges nothing moves and the selection stays.
        view.moveDownRow(model.index(3));
        view.moveUpRow(model.index(0));
        QCOMPARE(model.stringList(), QStringList({"a", "b", "c", "d"}));
        QCOMPARE(selectedRows(view), QList<int>({1}));
    }
};

QTEST_MAIN(tst_OrbDWTableView)
#include "tst_orbdwtableview.moc"
