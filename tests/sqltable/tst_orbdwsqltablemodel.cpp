// The SQL model and delegate on real databases (an SQLite file and a throwaway PostgreSQL cluster).
// Guards against: booleans reaching the grid as integers or as an always-unchecked check state,
// database-filled keys offered for editing (PostgreSQL reports serial keys as plain fields),
// dirty cells not marked or marked forever, changes not announced, and a failed save that drops
// edits which the rollback took out of the database.
#include "sqltestdb.h"

#include "sqltable/orbdwsqlsubmit.h"
#include "sqltable/orbdwsqltablemodel.h"
#include "sqltable/orbdwsqltableviewdelegate.h"

#include <QBrush>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardItemModel>
#include <QtTest>

class TstOrbDWSqlTableModel : public QObject
{
    Q_OBJECT

private:
    SqlTestDatabases m_databases;
    enum Column { Id = 0, Name = 1, Qty = 2, Done = 3 };

    // The value stored in the database, read past the model.
    static QVariant stored(QSqlDatabase& db, const QString& column, const QString& name)
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT %1 FROM item WHERE name = ?").arg(column));
        query.addBindValue(name);
        if (!query.exec() || !query.next())
            return QStringLiteral("<missing>");
        return query.value(0);
    }

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::newRow("sqlite") << QStringLiteral("sqlite");
        QTest::newRow("postgres") << QStringLiteral("postgres");
    }

#define OPEN_DB(db, model)                                                      \
    QFETCH_GLOBAL(QString, backend);                                            \
    QString why;                                                                \
    bool unavailable = false;                                                   \
    QSqlDatabase db = m_databases.open(backend, &why, &unavailable);            \
    if (unavailable)                                                            \
        QSKIP(qPrintable(why));                                                 \
    QVERIFY2(db.isValid(), qPrintable(why));                                    \
    OrbDWSqlTableModel model(nullptr, db);                                      \
    model.setTable(QStringLiteral("item"));                                     \
    model.setSort(Id, Qt::AscendingOrder);                                      \
    QVERIFY2(model.select(), qPrintable(model.lastError().text()))

    void booleanColumns()
    {
        OPEN_DB(db, model);
        QCOMPARE(model.editStrategy(), QSqlTableModel::OnManualSubmit);
        const QVector<QVariant> expected = {true, false, QVariant(), true, false};
        for (int row = 0; row < expected.size(); ++row) {
            for (int role : {int(Qt::DisplayRole), int(Qt::EditRole)}) {
                const QVariant value = model.index(row, Done).data(role);
                QCOMPARE(value.userType(), int(QMetaType::Bool));
                QCOMPARE(value.isNull(), expected[row].isNull());
                if (!expected[row].isNull())
                    QCOMPARE(value.toBool(), expected[row].toBool());
            }
            // The check-state role carries no value: the grid must not read it.
            QCOMPARE(model.index(row, Done).data(Qt::CheckStateRole), QVariant(0));
        }
        // Other columns come through untouched.
        QCOMPARE(model.index(1, Qty).data().toInt(), 2);
        QCOMPARE(model.index(1, Name).data().toString(), QStringLiteral("b"));
        // A boolean edited through the grid is stored as a boolean.
        QVERIFY(model.setData(model.index(2, Done), true));
        QString error;
        QVERIFY2(OrbDWSqlSubmit::submitAll(&model, &error), qPrintable(error));
        QCOMPARE(stored(db, QStringLiteral("done"), QStringLiteral("c")).toBool(), true);
        QCOMPARE(model.index(2, Done).data().toBool(), true);
    }

    void editStyles_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("flagBefore");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("flagAfter");
        QTest::newRow("database-filled key") << int(Id) << false << int(esLineEdit) << true;
        QTest::newRow("text") << int(Name) << false << int(esLineEdit) << false;
        QTest::newRow("text keeps a set flag") << int(Name) << true << int(esLineEdit) << true;
        QTest::newRow("integer") << int(Qty) << false << int(esLineEdit) << false;
        QTest::newRow("boolean") << int(Done) << false << int(esCheckBox) << false;
    }

    void editStyles()
    {
        QFETCH(int, column);
        QFETCH(bool, flagBefore);
        QFETCH(int, style);
        QFETCH(bool, flagAfter);
        OPEN_DB(db, model);
        OrbDWSqlTableViewDelegate delegate;
        bool flag = flagBefore;
        QCOMPARE(int(delegate.editStyle(model.index(0, column), flag)), style);
        QCOMPARE(flag, flagAfter);
    }

    void editStyleOutsideSqlModels()
    {
        QFETCH_GLOBAL(QString, backend);
        if (backend != QLatin1String("sqlite"))
            QSKIP("independent of the database");
        OrbDWSqlTableViewDelegate delegate;
        QStandardItemModel other(2, 2);
        other.setData(other.index(0, 0), true);
        bool flag = false;
        QCOMPARE(delegate.editStyle(other.index(0, 0), flag), esDefault);
        QCOMPARE(delegate.editStyle(QModelIndex(), flag), esDefault);
        QVERIFY(!flag);
    }

    void dirtyCellsAreYellow()
    {
        OPEN_DB(db, model);
        const QModelIndex edited = model.index(1, Qty);
        const QModelIndex untouched = model.index(1, Name);
        auto isYellow = [](const QModelIndex& index) {
            const QVariant v = index.data(Qt::BackgroundRole);
            const QBrush brush = v.value<QBrush>();
            return v.canConvert<QBrush>() && brush.color() == QColor(Qt::yellow) && brush.style() == Qt::SolidPattern;
        };
        QVERIFY(!isYellow(edited));
        QVERIFY(model.setData(edited, 20));
        QVERIFY(isYellow(edited));
        QVERIFY(!isYellow(untouched));
        model.revertAll();
        QVERIFY(!isYellow(edited));
        QCOMPARE(edited.data().toInt(), 2);

        QVERIFY(model.setData(model.index(1, Qty), 20));
        QString error;
        QVERIFY2(OrbDWSqlSubmit::submitAll(&model, &error), qPrintable(error));
        QVERIFY(!isYellow(model.index(1, Qty)));
        QCOMPARE(stored(db, QStringLiteral("qty"), QStringLiteral("b")).toInt(), 20);
    }

    void recordChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("edit") << QStringLiteral("edit");
        QTest::newRow("insert") << QStringLiteral("insert");
        QTest::newRow("delete") << QStringLiteral("delete");
    }

    void recordChanged()
    {
        QFETCH(QString, change);
        OPEN_DB(db, model);
        QSignalSpy spy(&model, &OrbDWSqlTableModel::onRecordChanged);
        if (change == QLatin1String("edit"))
            QVERIFY(model.setData(model.index(0, Name), QStringLiteral("aa")));
        else if (change == QLatin1String("insert"))
            QVERIFY(model.insertRow(0));
        else
            QVERIFY(model.removeRow(2));
        QVERIFY(spy.count() >= 1);
        // A reset (select) is not a change of records.
        spy.clear();
        model.revertAll();
        QVERIFY(model.select());
        const int afterRevert = spy.count();
        spy.clear();
        QVERIFY(model.select());
        QCOMPARE(spy.count(), 0);
        QVERIFY(afterRevert >= 1);
    }

    void failedSubmitKeepsEveryEdit()
    {
        OPEN_DB(db, model);
        // Row 0 is written before row 1 fails, so the rollback takes it back out of the database.
        QVERIFY(model.setData(model.index(0, Qty), 100));
        QVERIFY(model.setData(model.index(1, Name), QStringLiteral("c"))); // duplicate name
        QVERIFY(model.removeRow(3));
        QVERIFY(model.insertRow(5));
        QVERIFY(model.setData(model.index(5, Name), QStringLiteral("f")));
        QVERIFY(model.setData(model.index(5, Done), true));

        QString error;
        QVERIFY(!OrbDWSqlSubmit::submitAll(&model, &error));
        QVERIFY(!error.isEmpty());
        // Nothing reached the database...
        QCOMPARE(stored(db, QStringLiteral("qty"), QStringLiteral("a")).toInt(), 1);
        QCOMPARE(stored(db, QStringLiteral("qty"), QStringLiteral("d")).toInt(), 4);
        QCOMPARE(stored(db, QStringLiteral("qty"), QStringLiteral("f")).toString(), QStringLiteral("<missing>"));
        // ...and nothing left the model.
        QVERIFY(model.isDirty());
        QCOMPARE(model.rowCount(), 6);
        QCOMPARE(model.index(0, Qty).data().toInt(), 100);
        QVERIFY(model.isDirty(model.index(0, Qty)));
        QCOMPARE(model.index(1, Name).data().toString(), QStringLiteral("c"));
        QCOMPARE(model.headerData(3, Qt::Vertical).toString(), QStringLiteral("!"));
        QCOMPARE(model.index(5, Name).data().toString(), QStringLiteral("f"));
        QCOMPARE(model.index(5, Done).data().toBool(), true);

        // Corrected, the same edits save in full.
        QVERIFY(model.setData(model.index(1, Name), QStringLiteral("bb")));
        QVERIFY2(OrbDWSqlSubmit::submitAll(&model, &error), qPrintable(error));
        QCOMPARE(stored(db, QStringLiteral("qty"), QStringLiteral("a")).toInt(), 100);
        QCOMPARE(stored(db, QStringLiteral("qty"), QStringLiteral("bb")).toInt(), 2);
        QCOMPARE(stored(db, QStringLiteral("qty"), QStringLiteral("d")).toString(), QStringLiteral("<missing>"));
        QCOMPARE(stored(db, QStringLiteral("done"), QStringLiteral("f")).toBool(), true);
        QVERIFY(!model.isDirty());
        QCOMPARE(model.rowCount(), 5);
    }
};

QTEST_MAIN(TstOrbDWSqlTableModel)
#include "tst_orbdwsqltablemodel.moc"
