// Hostile drawing files: each is built here from a valid file plus raw SQL, as an attacker would
// edit one. Before the reader was hardened these hung (views, quadratic key lookups), crashed
// (a deep formula chain) or wrote into the wrong row (ids cut to 32 bits); every check reads the
// file back or the values the processor computed, so a reader that only refuses nothing or
// computes nothing fails.

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbformulaprocessor.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "drawingdata/orbsqldrawingfile.h"
#include "sample/orbdrawingfilebuilder.h"
#include "sample/orbdrawsetwalk.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr qint64 kWideId = 4294967297LL; // 2^32 + 1: the same as id 1 when cut to 32 bits

// Runs the statements on the file over a connection of its own; the first value of the last
// one's first row goes to value.
bool runSql(const QString& path, const QStringList& statements, QString* value = nullptr)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString& sql : statements) {
            QSqlQuery query(db);
            ok = ok && query.exec(sql);
            if (!ok)
                qWarning() << sql << query.lastError().text();
            else if (value && query.next())
                *value = query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return ok;
}

// A drawing file with one type (id 1) and the given drawsets, then the raw statements.
bool craft(const QString& path, const QList<OrbDrawsetDef>& drawsets, const QStringList& statements = {})
{
    OrbDrawingFileBuilder b(path);
    if (!b.create({}) || b.addType(5020, QStringLiteral("T"), 0) != 1)
        return false;
    for (const OrbDrawsetDef& d : drawsets) {
        if (b.addDrawset(1, d) <= 0)
            return false;
    }
    return b.commit() && runSql(path, statements);
}

OrbDrawsetDef drawset(const QString& name, qint64 id = 0, const QString& keyValues = QString())
{
    OrbDrawsetDef d;
    d.id = id;
    d.name = name;
    d.keyValues = keyValues;
    return d;
}

OrbParamDef param(const QString& code, const QString& formula, const QString& value = QString())
{
    return formula.isEmpty() ? OrbParamDef::number(code, code, -1, value) : OrbParamDef::derived(code, code, formula, 0);
}

} // namespace

class tst_OrbSqlDrawingFileHostile : public QObject
{
    Q_OBJECT

private slots:
    void refusedAtOpen_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("reason");
        const QString columns = QStringLiteral("id, type_id, name, order_num, visible, key_values");
        QTest::newRow("recursive view for drawset")
            << QStringList{QStringLiteral("DROP TABLE drawset"),
                           QStringLiteral("CREATE VIEW drawset AS WITH RECURSIVE r(%1) AS (SELECT 1, 1, 'x', 0, 1, '' "
                                          "UNION ALL SELECT id + 1, 1, 'x', 0, 1, '' FROM r) SELECT * FROM r")
                               .arg(columns)}
            << "view drawset";
        QTest::newRow("other SQLite database") << QStringList{QStringLiteral("DROP TABLE orb_meta")} << "不是图集文件";
        QTest::newRow("newer schema")
            << QStringList{QStringLiteral("UPDATE orb_meta SET value = '99' WHERE key = 'schema_version'")} << "版本 99";
        QTest::newRow("trigger") << QStringList{QStringLiteral("CREATE TRIGGER t AFTER UPDATE ON drawset BEGIN "
                                                               "SELECT 1; END")}
                                 << "trigger t";
        QTest::newRow("duplicate ids, no primary key")
            << QStringList{QStringLiteral("DROP TABLE drawset"),
                           QStringLiteral("CREATE TABLE drawset(%1)").arg(columns),
                           QStringLiteral("INSERT INTO drawset VALUES(7, 1, 'a', 0, 1, ''), (7, 1, 'b', 0, 1, '')")}
            << "drawset lacks column id";
        QTest::newRow("type name past the limit")
            << QStringList{QStringLiteral("UPDATE drawset_type SET name = '{' || hex(zeroblob(500)) || '}'")}
            << "1000";
        QTest::newRow("key-value text past the limit")
            << QStringList{QStringLiteral("UPDATE drawset SET key_values = hex(zeroblob(2100000))")} << "4194304";
    }

    void refusedAtOpen()
    {
        QFETCH(QStringList, statements);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(craft(path, {drawset(QStringLiteral("a"))}, statements));
        QString error;
        QVERIFY(!OrbSqlDrawingFile::open(path, OrbSqlDrawingFile::OpenMode::ReadWrite, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    // Ids past 32 bits stay apart: a rename and the definition reach only their own row.
    void wideIdsStayApart()
    {
        const QString path = m_dir.filePath(QStringLiteral("wide"));
        OrbDrawsetDef wide = drawset(QStringLiteral("wide"), kWideId);
        wide.params.append(param(QStringLiteral("P"), QString(), QStringLiteral("1")));
        QVERIFY(craft(path, {drawset(QStringLiteral("one"), 1), wide}));
        auto file = OrbSqlDrawingFile::open(path, OrbSqlDrawingFile::OpenMode::ReadWrite, nullptr);
        QVERIFY(file);
        const QList<IOrbDrawset*> drawsets = orbdrawsetwalk::drawsets(file.data());
        QCOMPARE(drawsets.size(), 2);
        QCOMPARE(file->findDrawset(kWideId), drawsets.at(1));
        OrbDrawsetDef one, read;
        QVERIFY(file->drawsetDefinition(drawsets.at(0), one) && file->drawsetDefinition(drawsets.at(1), read));
        QCOMPARE(one.params.size(), 0);
        QCOMPARE(read.params.size(), 1);
        drawsets.at(1)->setName(QStringLiteral("renamed"));
        file.reset();
        QString names;
        QVERIFY(runSql(path, {QStringLiteral("SELECT group_concat(name) FROM (SELECT name FROM drawset ORDER BY id)")}, &names));
        QCOMPARE(names, QStringLiteral("one,renamed"));
    }

    // 200,000 distinct keys load in file order (a scan per key took minutes).
    void manyKeysLoad()
    {
        const int count = 200000;
        QStringList items;
        for (int i = 0; i < count; ++i)
            items.append(QStringLiteral("k%1=%1").arg(i));
        const QString path = m_dir.filePath(QStringLiteral("keys"));
        QVERIFY(craft(path, {drawset(QStringLiteral("a"), 0, items.join(QLatin1Char(';')) + QStringLiteral(";k5=x"))}));
        auto file = OrbSqlDrawingFile::open(path, OrbSqlDrawingFile::OpenMode::ReadOnly, nullptr);
        QVERIFY(file);
        OrbKeyValueList* keys = orbdrawsetwalk::drawsets(file.data()).first()->keyValues();
        QCOMPARE(keys->count(), count);
        QCOMPARE(keys->keys().mid(4, 2), (QStringList{QStringLiteral("k4"), QStringLiteral("k5")}));
        QCOMPARE(keys->getValue(QStringLiteral("k5")).toString(), QStringLiteral("x"));
        QCOMPARE(keys->getValue(QStringLiteral("k199999")).toString(), QStringLiteral("199999"));
    }

    // Derived values listed in reverse order of their chain: evaluated without recursion; a
    // chain past the limit and a cycle are refused with a message, not a crash or a hang.
    void formulaChains_data()
    {
        QTest::addColumn<int>("links");
        QTest::addColumn<bool>("cycle");
        QTest::addColumn<QString>("topValue");
        QTest::addColumn<QString>("message");
        QTest::newRow("short chain") << 500 << false << "500" << "";
        QTest::newRow("chain past the limit") << 30000 << false << "" << "公式链超过 1000 层";
        QTest::newRow("cycle") << 50 << true << "" << "公式循环引用";
    }

    void formulaChains()
    {
        QFETCH(int, links);
        QFETCH(bool, cycle);
        QFETCH(QString, topValue);
        QFETCH(QString, message);
        OrbDrawsetDef d = drawset(QStringLiteral("chain"));
        for (int i = links; i >= 1; --i)
            d.params.append(param(QStringLiteral("p%1").arg(i), QStringLiteral("p%1 + 1").arg(i - 1)));
        d.params.append(cycle ? param(QStringLiteral("p0"), QStringLiteral("p%1").arg(links))
                              : param(QStringLiteral("p0"), QString(), QStringLiteral("0")));
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(craft(path, {d}));
        auto file = OrbSqlDrawingFile::open(path, OrbSqlDrawingFile::OpenMode::ReadOnly, nullptr);
        QVERIFY(file);
        OrbFormulaProcessor processor;
        processor.setDrawset(orbdrawsetwalk::drawsets(file.data()).first());
        processor.open();
        QSignalSpy debug(&processor, &OrbDrawingInfoProcessor::onOutputDebugInfo);
        processor.calculate();
        QCOMPARE(processor.drawsetProps()->at(0)->value(false), topValue);
        bool reported = message.isEmpty();
        for (const QList<QVariant>& args : debug)
            reported = reported || args.first().toString().contains(message);
        QVERIFY(reported);
    }

    // A damaged part of a file reads as an error, and the rest of the file as it was. Up to 8 MB
    // the integrity check before the first write keeps the damaged file from being written.
    void damagedPart_data()
    {
        QTest::addColumn<int>("megabytes");
        QTest::newRow("small file") << 1;
        QTest::newRow("large file") << 9;
    }

    void damagedPart()
    {
        QFETCH(int, megabytes);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        OrbDrawsetDef big = drawset(QStringLiteral("big"));
        big.drawing = QByteArray(megabytes * 1024 * 1024, 'x');
        OrbDrawsetDef small = drawset(QStringLiteral("small"));
        small.drawing = QByteArray("small drawing");
        QVERIFY(craft(path, {small, big}));
        {
            // The first word of an overflow page of the big drawing points to the next page.
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.seek(f.size() / 2 / 4096 * 4096));
            QCOMPARE(f.write("\xff\xff\xff\xff", 4), qint64(4));
        }
        QString error;
        auto file = OrbSqlDrawingFile::open(path, OrbSqlDrawingFile::OpenMode::ReadWrite, &error);
        QVERIFY2(file, qPrintable(error));
        const QList<IOrbDrawset*> drawsets = orbdrawsetwalk::drawsets(file.data());
        QCOMPARE(drawsets.size(), 2);
        QCOMPARE(drawsets.at(0)->vectorDrawingData(), small.drawing);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read:.*malformed")));
        QVERIFY(drawsets.at(1)->vectorDrawingData().isEmpty());
        if (megabytes < 8) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray before = f.readAll();
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is damaged: nothing is written")));
            drawsets.at(0)->setName(QStringLiteral("renamed"));
            QString name;
            drawsets.at(0)->name(name);
            QCOMPARE(name, small.name);
            QVERIFY(f.seek(0));
            QCOMPARE(f.readAll(), before);
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_OrbSqlDrawingFileHostile)
#include "tst_orbsqldrawingfilehostile.moc"
