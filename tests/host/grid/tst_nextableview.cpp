// The host grid as the library's views use it. Guards against: copied text that loses its shape
// (order, gaps, tabs inside cells), row selection that reaches past the model, check boxes that follow the check-state role (which
// SQL models answer 0 for every boolean) instead of the value, read-only cells that can be edited,
// delegates freed too early or never, and a header click that re-selects an SQL model and
// silently drops its unsubmitted edits.
#include "controls/taldefaultitemdelegate.h"
#include "grid/nextableview.h"
#include "grid/vantrodefaultitemdelegate.h"
#include "grid/vantroheaderview.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QIdentityProxyModel>
#include <QMessageBox>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QStandardItemModel>
#include <QtTest>

namespace {
QStandardItemModel* makeModel(int rows, int columns, QObject* parent)
{
    auto* model = new QStandardItemModel(rows, columns, parent);
    for (int c = 0; c < columns; ++c)
        model->setHeaderData(c, Qt::Horizontal, QString(QChar('A' + c)));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            model->setData(model->index(r, c), QStringLiteral("%1%2").arg(QChar('a' + c)).arg(r));
    return model;
}

// Answers the check-state role with 0 whatever the value, as QSqlTableModel-based models do.
class UncheckedProxy : public QIdentityProxyModel
{
public:
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::CheckStateRole)
            return 0;
        return QIdentityProxyModel::data(index, role);
    }
};

// Column 0: line editor; column 1: check box; column 2: check box filled by the data source.
class StyledDelegate : public TalDefaultItemDelegate
{
public:
    StyledDelegate()
        : TalDefaultItemDelegate(true, nullptr)
    {
    }
    ZEditStyle editStyle(const QModelIndex& index, bool& flag) const override
    {
        if (index.column() == 2)
            flag = true;
        return index.column() == 0 ? esLineEdit : esCheckBox;
    }
};

} // namespace

class tst_NexTableView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sortguard"));
        m_db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(m_db.open());
        QSqlQuery query(m_db);
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT)")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO t (name) VALUES ('b'), ('c'), ('a')")));
    }

    void copy_data()
    {
        QTest::addColumn<QList<QPoint>>("cells"); // (column, row)
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QString>("text");
        QTest::newRow("block") << QList<QPoint>{{0, 0}, {1, 0}, {0, 1}, {1, 1}} << true
                               << QStringLiteral("A\tB\na0\tb0\na1\tb1\n");
        QTest::newRow("gaps stay empty, order follows the grid")
            << QList<QPoint>{{2, 3}, {0, 1}} << true << QStringLiteral("A\tC\na1\t\n\tc3\n");
        QTest::newRow("tab and line break inside a cell") << QList<QPoint>{{1, 2}} << true
                                                          << QStringLiteral("B\nb x y\n");
        QTest::newRow("copying not allowed") << QList<QPoint>{{0, 0}} << false << QStringLiteral("unchanged");
    }

    void copy()
    {
        QFETCH(QList<QPoint>, cells);
        QFETCH(bool, allowed);
        QFETCH(QString, text);
        NexTableView view;
        QStandardItemModel* model = makeModel(4, 3, &view);
        model->setData(model->index(2, 1), QStringLiteral("b\tx\ny"));
        view.setModel(model);
        view.setAllowCopy(allowed);
        for (const QPoint& cell : cells)
            view.selectionModel()->select(model->index(cell.y(), cell.x()), QItemSelectionModel::Select);
        QApplication::clipboard()->setText(QStringLiteral("unchanged"));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);

        QCOMPARE(QApplication::clipboard()->text(), text);
    }

    void checkBoxEdits_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("before");
        QTest::addColumn<QVariant>("after");
        QTest::newRow("true to false") << 1 << QVariant(true) << QVariant(false);
        QTest::newRow("null to true") << 1 << QVariant(QVariant::Bool) << QVariant(true);
        QTest::newRow("read-only stays") << 2 << QVariant(true) << QVariant(true);
    }

    void checkBoxEdits()
    {
        QFETCH(int, column);
        QFETCH(QVariant, before);
        QFETCH(QVariant, after);
        NexTableView view;
        auto* source = new QStandardItemModel(2, 3, &view);
        source->setData(source->index(0, column), before);
        UncheckedProxy proxy;
        proxy.setSourceModel(source);
        view.setModel(&proxy);
        view.setItemDelegate(new StyledDelegate);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QModelIndex cell = proxy.index(0, column);
        QCOMPARE(VantroDefaultItemDelegate::checkStateOf(QVariant(QVariant::Bool)), Qt::PartiallyChecked); // SQL NULL

        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(cell).center());
        view.setCurrentIndex(cell);
        QTest::keyClick(&view, Qt::Key_A); // only Space and Select toggle from the keyboard

        QCOMPARE(cell.data(Qt::EditRole), after);
        QCOMPARE(cell.data(Qt::EditRole).isNull(), after.isNull());
        QTest::keyClick(&view, Qt::Key_Space); // Space toggles a box that may change
        QCOMPARE(cell.data(Qt::EditRole).toBool() != after.toBool(), column == 1);
        QCheckBox box; // the editor a double click beside the box opens saves what it shows
        box.setChecked(true);
        view.itemDelegate()->setModelData(&box, &proxy, proxy.index(1, 1));
        QCOMPARE(proxy.index(1, 1).data(Qt::EditRole), QVariant(true));
    }

    // Going to a cell never leaves it under the frozen column, and going to a frozen cell keeps the
    // horizontal position (the data view goes to a record's cell on every navigation).
    void frozenColumnScroll()
    {
        QStandardItemModel* model = makeModel(200, 30, this);
        NexTableView view;
        QAbstractItemView& base = view; // scrollTo as the views it works with call it
        view.setModel(model);
        view.setFixedColCount(1);
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
        const int right = view.horizontalScrollBar()->value();
        base.scrollTo(model->index(150, 0));
        QVERIFY(view.horizontalScrollBar()->value() == right && view.verticalScrollBar()->value() > 0);
        base.scrollTo(model->index(150, 1));
        QCOMPARE(view.visualRect(model->index(150, 1)).left(), view.columnWidth(0));
    }

    void sortKeepsUnsubmittedEdits_data()
    {
        QTest::addColumn<bool>("dirty");
        QTest::newRow("unsubmitted edit") << true;
        QTest::newRow("clean") << false;
    }

    void sortKeepsUnsubmittedEdits()
    {
        QFETCH(bool, dirty);
        QSqlTableModel model(nullptr, m_db);
        model.setTable(QStringLiteral("t"));
        model.setEditStrategy(QSqlTableModel::OnManualSubmit);
        QVERIFY(model.select());
        NexTableView view;
        view.setModel(&model);
        view.horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
        view.setSortingEnabled(true); // sorts at once, by the indicator
        QCOMPARE(model.index(0, 0).data().toInt(), 3);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        if (dirty)
            QVERIFY(model.setData(model.index(0, 1), QStringLiteral("edited")));
        QHeaderView* header = view.horizontalHeader();

        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));

        auto* message = view.findChild<QMessageBox*>(QStringLiteral("sortRefusedMessage"));
        QCOMPARE(bool(message), dirty);
        QCOMPARE(model.isDirty(), dirty);
        QCOMPARE(header->sortIndicatorSection(), dirty ? 0 : 1);
        if (dirty) {
            QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("edited"));
            message->close();
        } else {
            const QString first = header->sortIndicatorOrder() == Qt::AscendingOrder ? QStringLiteral("a") : QStringLiteral("c");
            QCOMPARE(model.index(0, 1).data().toString(), first);
            header->setSortIndicator(-1, Qt::AscendingOrder); // cleared: the rows stay as they are
            QCOMPARE(model.index(0, 1).data().toString(), first);
        }
    }

private:
    QSqlDatabase m_db;
};

QTEST_MAIN(tst_NexTableView)
#include "tst_nextableview.moc"
