// Drawing files of a library on a throwaway PostgreSQL server. Two files opened on one library
// file stand for two clients: every check reads the server again (a file opened anew) or waits
// for the other client's notification, so changes kept only in memory fail here.

#include "checktree/orbdrawingchecktreewidget.h"
#include "common/orbfileutils.h"
#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfileobserver.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbserverlibrary.h"
#include "drawingdata/orbsqldrawingfile.h"
#include "pgtestcluster.h"
#include "sample/orbdrawingfilebuilder.h"
#include "sample/orbdrawsetwalk.h"

#include <QSqlQuery>
#include <QTreeWidgetItem>
#include <QtTest>

namespace {
using File = QSharedPointer<OrbSqlDrawingFile>;

class Counter : public IOrbDrawingFileObserver
{
public:
    void drawingFileChanged(IOrbDrawingFile*, const QList<OrbDrawingChange>&) override { ++count; }
    int count = 0;
};

QString name(IOrbDrawset* s)
{
    QString out;
    s->name(out);
    return out;
}
} // namespace

class tst_OrbServerDrawingFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString why;
        if (!m_cluster.start(&why) || !m_cluster.createDatabase(QStringLiteral("orbtest"), &why))
            QSKIP(qPrintable(why));
        m_library.reset(new OrbServerLibrary(
            QStringLiteral("postgresql://postgres@127.0.0.1:%1/orbtest?schema=team").arg(m_cluster.port())));
        QVERIFY2(m_library->create(&why), qPrintable(why));
        m_sample = m_dir.filePath(QStringLiteral("wells.orbdwg"));
        OrbDrawingFileBuilder b(m_sample);
        QVERIFY(b.create({5020}, 2));
        const qint64 wells = b.addType(5020, QStringLiteral("检查井"), 0);
        const qint64 pits = b.addType(5020, QStringLiteral("集水坑"), 1);
        for (int i = 0; i < 3; ++i) {
            OrbDrawsetDef d;
            d.name = QStringLiteral("W%1").arg(i + 1);
            d.orderNum = i;
            for (int k = 0; k < 300; ++k)
                d.drawing.append(char((k * 7 + i) & 0xff)); // every byte value, zeros included
            d.params.append(OrbParamDef::number(QStringLiteral("H"), QString(), -1, QString()).range(0.1 + i, 1e9));
            QVERIFY(b.addDrawset(wells, d) > 0);
        }
        OrbDrawsetDef pit;
        pit.name = QStringLiteral("P1");
        QVERIFY(b.addDrawset(pits, pit) > 0 && b.commit());
    }

    void init()
    {
        QString why;
        QVERIFY2(m_library->importFile(m_sample, QStringLiteral("wells"), &why), qPrintable(why));
    }

    void importExportKeepBytes()
    {
        const File local = OrbSqlDrawingFile::open(m_sample, OrbSqlDrawingFile::OpenMode::ReadOnly, nullptr);
        File server = open();
        QVERIFY(local && server);
        QCOMPARE(orbdrawsetwalk::outline(server.data()), orbdrawsetwalk::outline(local.data()));

        // Back out through the check tree's export (which copies through the host's file helpers),
        // one drawset unchecked; what stays keeps its bytes and definitions.
        OrbDrawingCheckTreeWidget tree;
        tree.setDrawSetFile(server);
        tree.refreshData();
        const QList<QTreeWidgetItem*> w2 = tree.findItems(QStringLiteral("W2"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(w2.size(), 1);
        w2.first()->setCheckState(0, Qt::Unchecked);
        const QString target = m_dir.filePath(QStringLiteral("export.orbdwg"));
        QVERIFY2(tree.exportDatatoFile(target), qPrintable(tree.exportErrorString()));
        const File exported = OrbSqlDrawingFile::open(target, OrbSqlDrawingFile::OpenMode::ReadOnly, nullptr);
        QVERIFY(exported);
        QCOMPARE(orbdrawsetwalk::outline(exported.data()), QStringLiteral("检查井:W1,W3;集水坑:P1"));
        for (IOrbDrawset* s : orbdrawsetwalk::drawsets(exported.data())) {
            IOrbDrawset* original = orbdrawsetwalk::find(local.data(), name(s));
            QCOMPARE(s->vectorDrawingData(), original->vectorDrawingData());
            OrbDrawsetDef def, originalDef;
            QVERIFY(exported->drawsetDefinition(s, def) && local->drawsetDefinition(original, originalDef));
            QCOMPARE(def.params.size(), originalDef.params.size());
            for (int i = 0; i < def.params.size(); ++i)
                QCOMPARE(def.params.at(i).minValue, originalDef.params.at(i).minValue);
        }

        // The read-only mark travels in both directions.
        QVERIFY(OrbDrawingFileBuilder::setReadOnlyMark(target, true));
        QString why;
        QVERIFY2(m_library->importFile(target, QStringLiteral("frozen"), &why), qPrintable(why));
        const File frozen = open(QStringLiteral("frozen"));
        QVERIFY(frozen && !frozen->isEditable());
        QVERIFY(!copyFile(m_library->filePath(QStringLiteral("none")), m_dir.filePath(QStringLiteral("none")), false));
        QVERIFY(!OrbSqlDrawingFile::openOnServer(*m_library, "none", OrbSqlDrawingFile::OpenMode::ReadOnly, &why) && why.contains("none"));
    }

    // op: a new name, ">" to move to the end, or "-" to remove; on the drawset or on its type.
    void otherClientFollows_data()
    {
        QTest::addColumn<QString>("drawset");
        QTest::addColumn<bool>("onType");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rename drawset") << "W2" << false << "X" << "检查井:W1,X,W3;集水坑:P1";
        QTest::newRow("rename type") << "P1" << true << "坑" << "检查井:W1,W2,W3;坑:P1";
        QTest::newRow("reorder drawsets") << "W1" << false << ">" << "检查井:W2,W3,W1;集水坑:P1";
        QTest::newRow("remove drawset") << "W3" << false << "-" << "检查井:W1,W2;集水坑:P1";
        QTest::newRow("remove type") << "P1" << true << "-" << "检查井:W1,W2,W3";
    }

    void otherClientFollows()
    {
        QFETCH(QString, drawset);
        QFETCH(bool, onType);
        QFETCH(QString, op);
        QFETCH(QString, expected);
        File a = open(), b = open();
        QVERIFY(a && b);
        Counter heard;
        b->addObserver(&heard);
        IOrbDrawset* s = orbdrawsetwalk::find(a.data(), drawset);
        QSharedPointer<IOrbDataStore> store = a->dataStore();
        store->beginUpdate();
        if (op == QLatin1String("-"))
            QVERIFY(onType ? store->removeDrawsetType(s->drawsetType()) : store->removeDrawset(s));
        else if (op == QLatin1String(">"))
            s->setOrderNum(9);
        else if (onType)
            s->drawsetType()->setName(op);
        else
            s->setName(op);
        QVERIFY(store->endUpdate());

        QCOMPARE(orbdrawsetwalk::outline(open().data()), expected);
        QTRY_COMPARE(heard.count, 1);
        QCOMPARE(orbdrawsetwalk::outline(b.data()), expected);
        b->removeObserver(&heard);
    }

    void concurrentSaveRefused()
    {
        File a = open(), b = open();
        IOrbDrawset* mine = orbdrawsetwalk::find(b.data(), QStringLiteral("W1"));
        orbdrawsetwalk::find(a.data(), QStringLiteral("W1"))->setName(QStringLiteral("A's name"));
        // b has not heard of it yet: its save of the same drawset must not overwrite a's.
        // Nor does the rest of its batch go through.
        mine->beginUpdate();
        orbdrawsetwalk::find(b.data(), QStringLiteral("W2"))->setName(QStringLiteral("B's W2"));
        mine->setName(QStringLiteral("B's name"));
        mine->endUpdate();
        QCOMPARE(orbdrawsetwalk::outline(open().data()), QStringLiteral("检查井:A's name,W2,W3;集水坑:P1"));
        QVERIFY2(b->lastError().contains(QStringLiteral("“W1”")) && b->lastError().contains(QStringLiteral("A's name")),
                 qPrintable(b->lastError()));
        QCOMPARE(name(mine), QStringLiteral("A's name"));
        // Once it has the current row, its next save goes through.
        mine->setName(QStringLiteral("B's name"));
        orbdrawsetwalk::find(b.data(), QStringLiteral("W2"))->setName(QStringLiteral("B's W2"));
        QCOMPARE(orbdrawsetwalk::outline(open().data()), QStringLiteral("检查井:B's name,B's W2,W3;集水坑:P1"));
    }

    // The connection lost mid-batch, while idle, and with the whole server.
    void lostConnectionWritesNothing()
    {
        File a = open();
        const QString before = orbdrawsetwalk::outline(a.data());
        QSharedPointer<IOrbDataStore> store = a->dataStore();
        const auto dropConnections = [this] {
            {
                QSqlDatabase admin = m_cluster.connection(QStringLiteral("admin"), QStringLiteral("orbtest"));
                QVERIFY(admin.open());
                QVERIFY(QSqlQuery(admin).exec(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                                             "WHERE pid <> pg_backend_pid() AND datname = 'orbtest'")));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("admin"));
        };
        store->beginUpdate();
        orbdrawsetwalk::find(a.data(), QStringLiteral("W1"))->setName(QStringLiteral("half"));
        dropConnections();
        orbdrawsetwalk::find(a.data(), QStringLiteral("W2"))->setName(QStringLiteral("lost"));
        QVERIFY(!store->endUpdate());
        QCOMPARE(orbdrawsetwalk::outline(a.data()), before);
        QCOMPARE(orbdrawsetwalk::outline(open().data()), before);
        // The next batch runs on a new connection.
        orbdrawsetwalk::find(a.data(), QStringLiteral("W2"))->setName(QStringLiteral("later"));
        QCOMPARE(orbdrawsetwalk::outline(open().data()), QStringLiteral("检查井:W1,later,W3;集水坑:P1"));
        // A connection dropped while idle is opened again for a batch, which stays all or nothing.
        dropConnections();
        orbdrawsetwalk::find(open().data(), QStringLiteral("W1"))->setName(QStringLiteral("other"));
        store->beginUpdate();
        orbdrawsetwalk::find(a.data(), QStringLiteral("W3"))->setName(QStringLiteral("half"));
        orbdrawsetwalk::find(a.data(), QStringLiteral("W1"))->setName(QStringLiteral("refused"));
        QVERIFY(!store->endUpdate());
        QCOMPARE(orbdrawsetwalk::outline(open().data()), QStringLiteral("检查井:other,later,W3;集水坑:P1"));
        // With the server gone a save is refused and says why; once it is back, saves go through.
        m_cluster.stop();
        IOrbDrawset* w1 = orbdrawsetwalk::find(a.data(), QStringLiteral("other"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot reach the server"));
        w1->setName(QStringLiteral("offline"));
        QCOMPARE(name(w1), QStringLiteral("other"));
        QString why;
        QVERIFY2(m_cluster.start(&why), qPrintable(why));
        w1->setName(QStringLiteral("online"));
        QCOMPARE(orbdrawsetwalk::outline(open().data()), QStringLiteral("检查井:online,later,W3;集水坑:P1"));
    }

private:
    File open(const QString& file = QStringLiteral("wells")) const
    {
        return OrbSqlDrawingFile::openOnServer(*m_library, file, OrbSqlDrawingFile::OpenMode::ReadWrite, nullptr);
    }

    PgTestCluster m_cluster;
    QTemporaryDir m_dir;
    QString m_sample;
    std::unique_ptr<OrbServerLibrary> m_library;
};

QTEST_MAIN(tst_OrbServerDrawingFile)
#include "tst_orbserverdrawingfile.moc"
