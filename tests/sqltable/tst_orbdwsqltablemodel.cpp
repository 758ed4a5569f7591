// The SQL model and delegate on an SQLite file and a throwaway PostgreSQL cluster. Guards against
// booleans reaching the grid as integers, serial keys (PostgreSQL reports no auto value) offered
// for editing, dirty marks missing or left behind, changes not announced, and a failed save that
// drops edits which the rollback took back out of the database.
#include "sqltestdb.h"

#include "sqltable/orbdwsqlsubmit.h"
#include "sqltable/orbdwsqltablemodel.h"
#include "sqltable/orbdwsqltableviewdelegate.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QtTest>

#define OPEN_MODEL(model)                                                                   \
    QFETCH_GLOBAL(QString, backend);                                                        \
    QString why;                                                                            \
    bool unavailable = false;                                                               \
    QSqlDatabase db = m_databases.open(backend, &why, &unavailable);                        \
    if (unavailable)                                                                        \
        QSKIP(qPrintable(why));                                                             \
    QVERIFY2(db.isValid(), qPrintable(why));                                                \
    OrbDWSqlTableModel model(nullptr, db);                                                  \
    model.setTable(QStringLiteral("item"));                                                 \
    model.setSort(0, Qt::AscendingOrder);                                                   \
    QVERIFY2(model.select(), qPrintable(model.lastError().text()))

class tst_OrbDWSqlTableModel : public QObject
{
    Q_OBJECT
    SqlTestDatabases m_databases;

    // The value in the database, read past the model.
    static QVariant stored(QSqlDatabase& db, const char* column, const char* name)
    {
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT %1 FROM item WHERE name = '%2'").arg(column, name));
        return query.next() ? query.value(0) : QVariant(QStringLiteral("<missing>"));
    }

    // What the grid shows: each row's header mark, then its cells, "*" after a changed one.
    static QStringList shown(const OrbDWSqlTableModel& model)
    {
        QStringList cells;
        for (int row = 0; row < model.rowCount(); ++row) {
            cells << model.headerData(row, Qt::Vertical).toString();
            for (int column = 0; column < model.columnCount(); ++column)
                cells << model.index(row, column).data().toString() + (model.isDirty(model.index(row, column)) ? "*" : "");
        }
        return cells;
    }

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::newRow("sqlite") << QStringLiteral("sqlite");
        QTest::newRow("postgres") << QStringLiteral("postgres");
    }

    void booleanColumns()
    {
        OPEN_MODEL(model);
        const QVector<QVariant> expected = {true, false, QVariant(QVariant::Bool), true, false};
        for (int row = 0; row < expected.size(); ++row) {
            for (int role : {int(Qt::DisplayRole), int(Qt::EditRole)}) {
                const QVariant value = model.index(row, 3).data(role);
                QCOMPARE(value.userType(), int(QMetaType::Bool));
                QCOMPARE(value, expected[row]);
                QCOMPARE(value.isNull(), expected[row].isNull());
            }
            QCOMPARE(model.index(row, 3).data(Qt::CheckStateRole), QVariant(0));
        }
        QCOMPARE(model.index(1, 2).data(), QVariant(2)); // other columns untouched
        QVERIFY(!model.isBoolColumn(-1) && !model.isBoolColumn(5));
        // A boolean set through the grid is stored as one.
        QVERIFY(model.setData(model.index(2, 3), true));
        QVERIFY(OrbDWSqlSubmit::submitAll(&model, &why));
        QCOMPARE(stored(db, "done", "c").toBool(), true);
        model.setTable(QStringLiteral("flag")); // another table, its own boolean columns
        QVERIFY(model.select());
        QCOMPARE(model.index(0, 0).data().userType(), int(QMetaType::Bool));
    }

    void editStyles_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("flagAfter");
        QTest::newRow("key filled in by the database") << 0 << int(esLineEdit) << true;
        QTest::newRow("text") << 1 << int(esLineEdit) << false;
        QTest::newRow("boolean") << 3 << int(esCheckBox) << false;
        QTest::newRow("other model") << -1 << int(esDefault) << false;
    }

    void editStyles()
    {
        QFETCH(int, column);
        QFETCH(int, style);
        QFETCH(bool, flagAfter);
        OPEN_MODEL(model);
        QStandardItemModel other(1, 1);
        other.setData(other.index(0, 0), true);
        const QModelIndex index = column >= 0 ? model.index(0, column) : other.index(0, 0);
        OrbDWSqlTableViewDelegate delegate;
        bool flag = false;
        QCOMPARE(int(delegate.editStyle(index, flag)), style);
        QCOMPARE(flag, flagAfter);
    }

    void dirtyCellsAreYellow()
    {
        OPEN_MODEL(model);
        auto yellow = [&](int row, int column) {
            const QVariant v = model.index(row, column).data(Qt::BackgroundRole);
            return v.canConvert<QBrush>() && v.value<QBrush>() == QBrush(Qt::yellow, Qt::SolidPattern);
        };
        QVERIFY(model.setData(model.index(1, 2), 20));
        QVERIFY(yellow(1, 2));
        QVERIFY(!yellow(1, 1));
        model.revertAll();
        QVERIFY(!yellow(1, 2));
        QVERIFY(model.setData(model.index(1, 2), 20));
        QVERIFY(OrbDWSqlSubmit::submitAll(&model, &why));
        QVERIFY(!yellow(1, 2));
        QCOMPARE(stored(db, "qty", "b").toInt(), 20);
    }

    // A failed save keeps every edit: a row the database refuses (names are unique; row 0 reached
    // the database first and the rollback takes it back out), the server gone before the save,
    // the connection cut by a trigger on the second row or by a deferred trigger at the commit,
    // the SQLite file removed before the save, the connection closed by its owner. A reselect on
    // the dead connection used to empty the model, so every pending change was lost.
    void failedSaveKeepsEveryEdit_data()
    {
        QTest::addColumn<QString>("when");
        for (const char* when : {"refused", "before", "during", "commit", "closed"})
            QTest::newRow(when) << QString::fromLatin1(when);
    }

    void failedSaveKeepsEveryEdit()
    {
        QFETCH(QString, when);
        OPEN_MODEL(model);
        const bool sqlite = backend == QLatin1String("sqlite");
        const bool cut = when == QLatin1String("during") || when == QLatin1String("commit");
        if (sqlite && cut)
            QSKIP("an SQLite file can only be removed between two statements");
        QSqlQuery query(db);
        if (cut) {
            // The session ends itself; the sleep is where it notices.
            QVERIFY(query.exec(QStringLiteral("CREATE OR REPLACE FUNCTION orb_cut() RETURNS trigger LANGUAGE plpgsql AS $$ "
                                              "BEGIN PERFORM pg_terminate_backend(pg_backend_pid()); "
                                              "PERFORM pg_sleep(60); RETURN NEW; END $$")));
            QVERIFY(query.exec(when == QLatin1String("during")
                                   ? QStringLiteral("CREATE TRIGGER cut BEFORE UPDATE ON item FOR EACH ROW "
                                                    "WHEN (NEW.name = 'cut') EXECUTE FUNCTION orb_cut()")
                                   : QStringLiteral("CREATE CONSTRAINT TRIGGER cut AFTER UPDATE ON item DEFERRABLE "
                                                    "INITIALLY DEFERRED FOR EACH ROW EXECUTE FUNCTION orb_cut()")));
        }
        const bool refused = when == QLatin1String("refused");
        QVERIFY(model.setData(model.index(0, 2), 100));
        QVERIFY(model.setData(model.index(1, 1), refused ? QStringLiteral("c") : QStringLiteral("cut")));
        QVERIFY(model.removeRow(3));
        QVERIFY(model.insertRow(5));
        QVERIFY(model.setData(model.index(5, 1), QStringLiteral("f")));
        QVERIFY(model.setData(model.index(5, 3), true));
        const QStringList before = shown(model);

        if (sqlite && when == QLatin1String("before"))
            QVERIFY(QFile::remove(m_databases.sqliteFile(db)));
        else if (when == QLatin1String("before"))
            m_databases.postgres().stop();
        else if (when == QLatin1String("closed"))
            db.close();
        QVERIFY(!OrbDWSqlSubmit::submitAll(&model, &why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(shown(model), before);
        if (!refused)
            return;
        QCOMPARE(stored(db, "qty", "a").toInt(), 1);
        QCOMPARE(stored(db, "qty", "d").toInt(), 4);
        QCOMPARE(stored(db, "qty", "f").toString(), QStringLiteral("<missing>"));
        // Corrected, the same edits save in full.
        QVERIFY(model.setData(model.index(1, 1), QStringLiteral("bb")));
        QVERIFY2(OrbDWSqlSubmit::submitAll(&model, &why), qPrintable(why));
        QCOMPARE(stored(db, "qty", "a").toInt(), 100);
        QCOMPARE(stored(db, "qty", "bb").toInt(), 2);
        QCOMPARE(stored(db, "qty", "d").toString(), QStringLiteral("<missing>"));
        QCOMPARE(stored(db, "done", "f").toBool(), true);
        QCOMPARE(model.rowCount(), 5);
    }
};

QTEST_MAIN(tst_OrbDWSqlTableModel)
#include "tst_orbdwsqltablemodel.moc"
