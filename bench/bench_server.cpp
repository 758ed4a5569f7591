// Drawing files of a library on a PostgreSQL server (a throwaway cluster on 127.0.0.1): opening
// a file of 10,000 drawsets and listing them, against one plain query of the same rows; and the
// time from a rename's commit in one client to the new name in another client's drawing tree,
// against a bare NOTIFY between two connections.

#include "orbbench.h"

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbserverlibrary.h"
#include "drawingdata/orbsqldrawingfile.h"
#include "drawingtree/orbdrawingtreewidget.h"
#include "pgtestcluster.h"
#include "sample/orbdrawingfilebuilder.h"
#include "sample/orbdrawsetwalk.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QElapsedTimer>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {
int typeCount()
{
    return orbbench::sized(200, 40);
}
constexpr int kPerType = 50;

struct Server
{
    PgTestCluster cluster;
    std::unique_ptr<OrbServerLibrary> library;
    QString why;
};

Server* g_server = nullptr;

// The benchmark process ends with _exit, past every destructor: a detached watcher stops the
// server and removes its folder once this process is gone.
void stopServerAfterExit(const PgTestCluster& cluster)
{
    QString folder;
    {
        QSqlDatabase db = cluster.connection(QStringLiteral("watch"));
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("SHOW data_directory")) && query.next())
            folder = query.value(0).toString().section(QLatin1Char('/'), 0, -3);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("watch"));
    if (!folder.startsWith(QDir::tempPath()))
        return;
    QProcess::startDetached(
        QStringLiteral("sh"),
        {QStringLiteral("-c"),
         QStringLiteral("while kill -0 %1 2>/dev/null; do sleep 1; done; B=$(ls -d /usr/lib/postgresql/*/bin | sort -V | "
                        "tail -n 1); runuser -u postgres -- \"$B/pg_ctl\" -D '%2/pg/data' -m immediate -w stop "
                        ">/dev/null 2>&1; rm -rf '%2'")
             .arg(QCoreApplication::applicationPid())
             .arg(folder)});
}

// The cluster with a library holding "big" (typeCount() x 50 drawsets, small drawings) and
// "small" (one type, two drawsets); null with why set when no server can start here.
Server* server()
{
    static const bool started = [] {
        auto* s = g_server = new Server;
        if (!s->cluster.start(&s->why))
            return false;
        stopServerAfterExit(s->cluster);
        if (!s->cluster.createDatabase(QStringLiteral("orbbench"), &s->why))
            return false;
        s->library.reset(new OrbServerLibrary(
            QStringLiteral("postgresql://postgres@127.0.0.1:%1/orbbench").arg(s->cluster.port())));
        QTemporaryDir dir;
        if (!s->library->create(&s->why)) {
            s->library.reset();
            return false;
        }
        for (const int types : {typeCount(), 1}) {
            const QString path = dir.filePath(QStringLiteral("f.orbdwg"));
            OrbDrawingFileBuilder b(path);
            b.create({});
            for (int t = 0; t < types; ++t) {
                const qint64 type = b.addType(5020, QStringLiteral("type %1").arg(t), t);
                for (int i = 0; i < (types == 1 ? 2 : kPerType); ++i) {
                    OrbDrawsetDef d;
                    d.name = QStringLiteral("drawset %1-%2").arg(t).arg(i);
                    d.orderNum = i;
                    d.drawing = QByteArray(64, 'x');
                    b.addDrawset(type, d);
                }
            }
            if (!b.commit() || !s->library->importFile(path, types == 1 ? QStringLiteral("small") : QStringLiteral("big"), &s->why))
                s->library.reset();
            if (!s->library)
                break;
        }
        return true;
    }();
    Q_UNUSED(started);
    return g_server && g_server->library ? g_server : nullptr;
}

bool noServer(benchmark::State& state)
{
    if (server())
        return false;
    state.SkipWithError("no PostgreSQL server could start");
    return true;
}

void BM_ServerOpenAndList(benchmark::State& state)
{
    if (noServer(state))
        return;
    for (auto _ : state) {
        auto file = OrbSqlDrawingFile::openOnServer(*server()->library, QStringLiteral("big"),
                                                    OrbSqlDrawingFile::OpenMode::ReadWrite, nullptr);
        const int listed = file ? orbdrawsetwalk::drawsets(file.data()).size() : 0;
        if (listed != typeCount() * kPerType)
            state.SkipWithError("wrong count");
    }
    state.counters["drawsets"] = typeCount() * kPerType;
}

// The same rows read with plain Qt SQL on a new connection, in display order.
void BM_ServerOpenAndList_Baseline(benchmark::State& state)
{
    if (noServer(state))
        return;
    const QString sql = QStringLiteral(
        "SELECT t.id, t.name, d.id, d.name, d.order_num, d.visible, d.key_values FROM orb_library.drawset_type t "
        "JOIN orb_library.drawset d ON d.type_id = t.id JOIN orb_library.orb_file f ON f.id = t.file_id "
        "WHERE f.name = 'big' ORDER BY t.order_num, t.id, d.order_num, d.id");
    for (auto _ : state) {
        QStringList names;
        {
            QSqlDatabase db = server()->cluster.connection(QStringLiteral("baseline"), QStringLiteral("orbbench"));
            const bool open = db.open();
            QSqlQuery rows(db);
            rows.setForwardOnly(true);
            for (bool ok = open && rows.exec(sql); ok && rows.next();)
                names.append(rows.value(3).toString());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("baseline"));
        if (names.size() != typeCount() * kPerType)
            state.SkipWithError("wrong count");
    }
}

// A rename committed by one client until the other client's drawing tree shows the new name.
void BM_ServerRenameReachesOtherTree(benchmark::State& state)
{
    if (noServer(state))
        return;
    const auto open = [] {
        return OrbSqlDrawingFile::openOnServer(*server()->library, QStringLiteral("small"),
                                               OrbSqlDrawingFile::OpenMode::ReadWrite, nullptr);
    };
    QSharedPointer<OrbSqlDrawingFile> writer = open(), reader = open();
    OrbDrawingTreeWidget tree;
    tree.setDrawingFile(reader);
    tree.refreshData();
    IOrbDrawset* drawset = orbdrawsetwalk::drawsets(writer.data()).value(0);
    int n = 0;
    for (auto _ : state) {
        const QString name = QStringLiteral("renamed %1").arg(++n);
        drawset->beginUpdate();
        drawset->setName(name);
        drawset->endUpdate();
        QElapsedTimer waited;
        waited.start();
        while (tree.model()->match(tree.model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchRecursive).isEmpty()
               && waited.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (waited.elapsed() >= 5000)
            state.SkipWithError("the other tree never showed the rename");
    }
}

// A bare notification between two connections.
void BM_ServerRenameReachesOtherTree_Baseline(benchmark::State& state)
{
    if (noServer(state))
        return;
    {
        QSqlDatabase a = server()->cluster.connection(QStringLiteral("a"), QStringLiteral("orbbench"));
        QSqlDatabase b = server()->cluster.connection(QStringLiteral("b"), QStringLiteral("orbbench"));
        a.open();
        b.open();
        int heard = 0;
        QObject::connect(b.driver(),
                         QOverload<const QString&, QSqlDriver::NotificationSource, const QVariant&>::of(
                             &QSqlDriver::notification),
                         [&heard] { ++heard; });
        b.driver()->subscribeToNotification(QStringLiteral("bench"));
        QSqlQuery notify(a);
        for (auto _ : state) {
            const int before = heard;
            notify.exec(QStringLiteral("NOTIFY bench, 'x'"));
            QElapsedTimer waited;
            waited.start();
            while (heard == before && waited.elapsed() < 5000)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("a"));
    QSqlDatabase::removeDatabase(QStringLiteral("b"));
}
} // namespace

BENCHMARK(BM_ServerOpenAndList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServerOpenAndList_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServerRenameReachesOtherTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServerRenameReachesOtherTree_Baseline)->Unit(benchmark::kMillisecond);

ORB_BENCH_MAIN()
