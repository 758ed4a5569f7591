// Drawing files at library scale: opening a file of 200 types x 50 drawsets and listing every
// type's drawsets, and removing 5,000 drawsets through the data store inside one batch (the
// export path) against one direct DELETE of the same rows.

#include "orbbench.h"

#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbdrawingdatautils.h"
#include "sample/orbdrawingfilebuilder.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>

namespace {
int typeCount()
{
    return orbbench::sized(200, 40);
}
constexpr int kPerType = 50;

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// A file with typeCount() x 50 drawsets, each with a 3 KB drawing and eight parameters.
QString templateFile()
{
    static QString path;
    if (!path.isEmpty())
        return path;
    path = scratch().filePath(QStringLiteral("library.orbdwg"));
    OrbDrawingFileBuilder b(path);
    if (!b.create({}))
        std::abort();
    const QByteArray drawing(3000, 'x');
    for (int t = 0; t < typeCount(); ++t) {
        const int type = b.addType(5020 + t % 3, QStringLiteral("type %1").arg(t), typeCount() - t);
        for (int s = 0; s < kPerType; ++s) {
            OrbDrawsetDef d;
            d.name = QStringLiteral("drawset %1-%2").arg(t).arg(s);
            d.orderNum = (s * 7) % kPerType;
            d.keyValues = QStringLiteral("WSJ=1;YSJ=0");
            d.drawing = drawing;
            for (int p = 0; p < 8; ++p)
                d.params.append(
                    OrbParamDef::number(QStringLiteral("P%1").arg(p), QStringLiteral("P%1").arg(p), -1, QStringLiteral("100")));
            if (b.addDrawset(type, d) < 0)
                std::abort();
        }
    }
    if (!b.commit())
        std::abort();
    return path;
}

QString freshCopy()
{
    static int n = 0;
    const QString copy = scratch().filePath(QStringLiteral("copy%1.orbdwg").arg(++n));
    QFile::remove(copy);
    if (!QFile::copy(templateFile(), copy))
        std::abort();
    return copy;
}

void BM_OpenAndList(benchmark::State& state)
{
    const QString path = templateFile();
    for (auto _ : state) {
        auto file = OrbDrawingDataUtils::createDrawingFile(path, nullptr);
        QList<IOrbDrawsetType*> types;
        file->drawsetTypes()->getAll(types, true);
        int listed = 0;
        for (IOrbDrawsetType* t : types) {
            QList<IOrbDrawset*> drawsets;
            file->drawsets()->getByType(drawsets, t);
            listed += drawsets.size();
        }
        if (listed != typeCount() * kPerType)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(listed);
    }
    state.counters["drawsets"] = typeCount() * kPerType;
}

// The same rows read with plain Qt SQL in display order.
void BM_OpenAndList_Baseline(benchmark::State& state)
{
    const QString path = templateFile();
    for (auto _ : state) {
        int listed = 0;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("baseline"));
            db.setDatabaseName(path);
            db.open();
            QSqlQuery q(db);
            q.setForwardOnly(true);
            q.exec(QStringLiteral("SELECT t.id, t.name, d.id, d.name, d.order_num, d.visible, d.key_values "
                                  "FROM drawset_type t JOIN drawset d ON d.type_id = t.id "
                                  "ORDER BY t.order_num, t.id, d.order_num, d.id"));
            while (q.next())
                listed += q.value(3).toString().isEmpty() ? 0 : 1;
        }
        QSqlDatabase::removeDatabase(QStringLiteral("baseline"));
        if (listed != typeCount() * kPerType)
            state.SkipWithError("wrong count");
    }
}

// Every other drawset, given as objects of the source file (as the export does).
void BM_RemoveDrawsets(benchmark::State& state)
{
    auto source = OrbDrawingDataUtils::createDrawingFile(templateFile(), nullptr);
    QList<IOrbDrawset*> victims;
    QList<IOrbDrawsetType*> types;
    source->drawsetTypes()->getAll(types, true);
    for (IOrbDrawsetType* t : types) {
        QList<IOrbDrawset*> drawsets;
        source->drawsets()->getByType(drawsets, t);
        for (int i = 0; i < drawsets.size(); i += 2)
            victims.append(drawsets.at(i));
    }
    for (auto _ : state) {
        state.PauseTiming();
        const QString copyPath = freshCopy();
        auto copy = OrbDrawingDataUtils::createDrawingFile(copyPath, nullptr);
        auto store = copy->dataStore();
        state.ResumeTiming();
        store->beginUpdate();
        int removed = 0;
        for (IOrbDrawset* s : victims)
            removed += store->removeDrawset(s) ? 1 : 0;
        store->endUpdate();
        state.PauseTiming();
        if (removed != victims.size())
            state.SkipWithError("removal failed");
        copy.reset();
        QFile::remove(copyPath);
        state.ResumeTiming();
    }
    state.counters["removed"] = victims.size();
}

void BM_RemoveDrawsets_Baseline(benchmark::State& state)
{
    QStringList ids;
    {
        auto source = OrbDrawingDataUtils::createDrawingFile(templateFile(), nullptr);
        QList<IOrbDrawsetType*> types;
        source->drawsetTypes()->getAll(types, true);
        for (IOrbDrawsetType* t : types) {
            QList<IOrbDrawset*> drawsets;
            source->drawsets()->getByType(drawsets, t);
            for (int i = 0; i < drawsets.size(); i += 2)
                ids.append(QString::number(drawsets.at(i)->id()));
        }
    }
    const QString sql = QStringLiteral("DELETE FROM drawset WHERE id IN (%1)").arg(ids.join(QLatin1Char(',')));
    for (auto _ : state) {
        state.PauseTiming();
        const QString copyPath = freshCopy();
        int removed = 0;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("baseline"));
            db.setDatabaseName(copyPath);
            db.open();
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
            state.ResumeTiming();
            q.exec(sql);
            removed = q.numRowsAffected();
            state.PauseTiming();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("baseline"));
        if (removed != ids.size())
            state.SkipWithError("delete failed");
        QFile::remove(copyPath);
        state.ResumeTiming();
    }
}
} // namespace

BENCHMARK(BM_OpenAndList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndList_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveDrawsets)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RemoveDrawsets_Baseline)->Unit(benchmark::kMillisecond)->Iterations(3);

ORB_BENCH_MAIN()
