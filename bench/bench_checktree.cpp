// Export of the checked content of a 10,000-drawset drawing file with half of the drawsets
// unchecked, against what a hand-written export would do: copy the file and delete the same
// drawsets with one DELETE ... WHERE id IN (...).

#include "orbbench.h"

#include "checktree/orbdrawingchecktreenode.h"
#include "checktree/orbdrawingchecktreewidget.h"

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/orbdrawingdatautils.h"
#include "sample/orbdrawingfilebuilder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

struct Fixture
{
    QTemporaryDir dir;
    QString source;
    QSharedPointer<IOrbDrawingFile> file;
    std::unique_ptr<OrbDrawingCheckTreeWidget> tree;
    QString idList; // ids of the unchecked drawsets, comma separated
    int drawsets = 0;
    bool ok = false;
};

bool buildSource(const QString& path, int types, int perType)
{
    OrbDrawingFileBuilder builder(path);
    if (!builder.create({}))
        return false;
    // A small drawing and a few parameters each, so that deletions cascade as in real files.
    const QByteArray drawing(512, 'd');
    for (int t = 0; t < types; ++t) {
        const int typeId = builder.addType(5020 + t % 3, QStringLiteral("类型%1").arg(t), t);
        if (typeId < 0)
            return false;
        for (int i = 0; i < perType; ++i) {
            OrbDrawsetDef def;
            def.name = QStringLiteral("图集%1-%2").arg(t).arg(i);
            def.orderNum = i;
            def.drawing = drawing;
            for (int p = 0; p < 4; ++p)
                def.params.append(
                    OrbParamDef::number(QStringLiteral("P%1").arg(p), QStringLiteral("P%1").arg(p), p + 1, QStringLiteral("100")));
            def.codes.append(OrbCodeDef{QStringLiteral("C1"), QStringLiteral("c1"), QStringLiteral("Code")});
            if (builder.addDrawset(typeId, def) < 0)
                return false;
        }
    }
    return builder.commit();
}

Fixture* g_fixture = nullptr;

// The tree and the open file must go while the application (and its SQL driver) still exists.
void dropFixture()
{
    delete g_fixture;
    g_fixture = nullptr;
}

Fixture& fixture()
{
    if (g_fixture)
        return *g_fixture;
    g_fixture = new Fixture;
    qAddPostRoutine(dropFixture);
    Fixture& f = *g_fixture;
    const int types = orbbench::sized(100, 10);
    const int perType = 100;
    f.drawsets = types * perType;
    f.source = f.dir.filePath(QStringLiteral("source.orbdwg"));
    if (!f.dir.isValid() || !buildSource(f.source, types, perType)) {
        std::fprintf(stderr, "bench_checktree: cannot build %s\n", qPrintable(f.source));
        return f;
    }
    f.file = OrbDrawingDataUtils::createDrawingFile(f.source, nullptr);
    if (!f.file)
        return f;
    f.tree = std::make_unique<OrbDrawingCheckTreeWidget>();
    f.tree->setDrawSetFile(f.file);
    // Every other drawset of every type unchecked: 5,000 single removals, no whole type.
    QStringList ids;
    OrbDrawingCheckTreeNode* root = f.tree->rootNode();
    for (int t = 0; t < root->childCount(); ++t) {
        QTreeWidgetItem* type = root->child(t);
        for (int i = 1; i < type->childCount(); i += 2) {
            type->child(i)->setCheckState(0, Qt::Unchecked);
            ids << type->child(i)->data(0, Qt::UserRole + 1).toString();
        }
    }
    f.idList = ids.join(QLatin1Char(','));
    f.ok = true;
    return f;
}

void BM_CheckTreeExport(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok) {
        state.SkipWithError("no source file");
        return;
    }
    const QString target = f.dir.filePath(QStringLiteral("export.orbdwg"));
    for (auto _ : state) {
        if (!f.tree->exportDatatoFile(target)) {
            state.SkipWithError("export failed");
            return;
        }
    }
    state.counters["drawsets"] = f.drawsets;
}

void BM_CheckTreeExport_Baseline(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.ok) {
        state.SkipWithError("no source file");
        return;
    }
    const QString target = f.dir.filePath(QStringLiteral("baseline.orbdwg"));
    const QString sql = QStringLiteral("DELETE FROM drawset WHERE id IN (%1)").arg(f.idList);
    for (auto _ : state) {
        QFile::remove(target);
        if (!QFile::copy(f.source, target)) {
            state.SkipWithError("copy failed");
            return;
        }
        bool ok = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("baseline"));
            db.setDatabaseName(target);
            if (db.open()) {
                QSqlQuery q(db);
                ok = q.exec(QStringLiteral("PRAGMA foreign_keys=ON")) && db.transaction() && q.exec(sql)
                     && q.numRowsAffected() * 2 == f.drawsets && db.commit();
                q.finish();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("baseline"));
        if (!ok) {
            state.SkipWithError("delete failed");
            return;
        }
    }
}

} // namespace

BENCHMARK(BM_CheckTreeExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckTreeExport_Baseline)->Unit(benchmark::kMillisecond);

ORB_BENCH_MAIN()
