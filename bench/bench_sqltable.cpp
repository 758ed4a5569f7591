// SQL table model and view on a 100,000-row SQLite table, each beside a plain QSqlTableModel
// doing the same work: select plus reading every cell through the model, and removing 5,000
// selected rows in 50 blocks (pending, manual submit).

#include "orbbench.h"

#include "sqltable/orbdwsqltablemodel.h"
#include "sqltable/orbdwsqltableview.h"

#include <QItemSelection>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {
int tableRows()
{
    return orbbench::sized(100000, 10000);
}

// The table, created once per process.
QSqlDatabase& database()
{
    static QTemporaryDir dir;
    static QSqlDatabase db;
    if (db.isValid())
        return db;
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
    db.setDatabaseName(dir.filePath(QStringLiteral("bench.sqlite")));
    if (!db.open()) {
        std::fprintf(stderr, "bench_sqltable: %s\n", qPrintable(db.lastError().text()));
        return db;
    }
    QSqlQuery query(db);
    query.exec(QStringLiteral("CREATE TABLE item (id INTEGER PRIMARY KEY, code TEXT, diameter REAL, "
                              "count INTEGER, flag BOOLEAN, note TEXT)"));
    db.transaction();
    query.prepare(QStringLiteral("INSERT INTO item (code, diameter, count, flag, note) VALUES (?, ?, ?, ?, ?)"));
    for (int i = 0; i < tableRows(); ++i) {
        query.addBindValue(QStringLiteral("N%1").arg(i));
        query.addBindValue(8.0 + i % 7 * 2);
        query.addBindValue(i % 31);
        query.addBindValue(i % 3 == 0 ? QVariant(QVariant::Bool) : QVariant(i % 2 == 0));
        query.addBindValue(QStringLiteral("note %1").arg(i % 97));
        query.exec();
    }
    db.commit();
    // Warm up (file cache, driver) so that the first benchmark does not pay for it.
    QSqlTableModel warm(nullptr, db);
    warm.setTable(QStringLiteral("item"));
    warm.select();
    while (warm.canFetchMore())
        warm.fetchMore();
    return db;
}

void selectAndRead(QSqlTableModel& model, benchmark::State& state)
{
    model.setTable(QStringLiteral("item"));
    if (!model.select()) {
        state.SkipWithError(qPrintable(model.lastError().text()));
        return;
    }
    while (model.canFetchMore())
        model.fetchMore();
    qint64 checksum = 0;
    const int columns = model.columnCount();
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < columns; ++column)
            checksum += model.data(model.index(row, column), Qt::DisplayRole).isNull() ? 0 : 1;
    }
    benchmark::DoNotOptimize(checksum);
    if (model.rowCount() != tableRows())
        state.SkipWithError("not every row was fetched");
}

void BM_SqlSelectFetchAll(benchmark::State& state)
{
    QSqlDatabase& db = database();
    for (auto _ : state) {
        OrbDWSqlTableModel model(nullptr, db);
        selectAndRead(model, state);
    }
}

void BM_SqlSelectFetchAll_Baseline(benchmark::State& state)
{
    QSqlDatabase& db = database();
    for (auto _ : state) {
        QSqlTableModel model(nullptr, db);
        model.setEditStrategy(QSqlTableModel::OnManualSubmit);
        selectAndRead(model, state);
    }
}

// Reading every cell of a loaded model: the cost of the data() override alone.
template <typename Model>
void readLoaded(benchmark::State& state)
{
    QSqlDatabase& db = database();
    Model model(nullptr, db);
    model.setEditStrategy(QSqlTableModel::OnManualSubmit);
    model.setTable(QStringLiteral("item"));
    model.select();
    while (model.canFetchMore())
        model.fetchMore();
    const int columns = model.columnCount();
    for (auto _ : state) {
        qint64 checksum = 0;
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < columns; ++column)
                checksum += model.data(model.index(row, column), Qt::DisplayRole).isNull() ? 0 : 1;
        }
        benchmark::DoNotOptimize(checksum);
    }
}

void BM_SqlReadCells(benchmark::State& state)
{
    readLoaded<OrbDWSqlTableModel>(state);
}

void BM_SqlReadCells_Baseline(benchmark::State& state)
{
    readLoaded<QSqlTableModel>(state);
}

// 50 blocks of rows spread over the table, 5,000 rows in all (500 when quick).
QList<QPair<int, int>> blocks()
{
    const int blockRows = orbbench::quick() ? 10 : 100;
    const int step = tableRows() / 50;
    QList<QPair<int, int>> out;
    for (int b = 0; b < 50; ++b)
        out.append(qMakePair(b * step + step / 4, blockRows));
    return out;
}

std::unique_ptr<QSqlTableModel> loaded(std::unique_ptr<QSqlTableModel> model)
{
    model->setTable(QStringLiteral("item"));
    model->select();
    while (model->canFetchMore())
        model->fetchMore();
    return model;
}

void BM_SqlDeleteBlocks(benchmark::State& state)
{
    QSqlDatabase& db = database();
    for (auto _ : state) {
        state.PauseTiming();
        auto model = loaded(std::make_unique<OrbDWSqlTableModel>(nullptr, db));
        OrbDWSqlTableView view;
        view.setModel(model.get());
        QItemSelection selection;
        for (const auto& block : blocks())
            selection.select(model->index(block.first, 0), model->index(block.first + block.second - 1, 0));
        view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        state.ResumeTiming();

        view.deleteRow();

        state.PauseTiming();
        int pending = 0;
        for (const auto& block : blocks())
            pending += model->headerData(block.first, Qt::Vertical).toString() == QLatin1String("!") ? block.second : 0;
        if (pending != blocks().size() * blocks().first().second)
            state.SkipWithError("rows were not marked for deletion");
        view.setModel(nullptr);
        model.reset();
        state.ResumeTiming();
    }
}

// The same removal written with plain Qt: a QTableView over a QSqlTableModel, the selected rows
// collected and removed block by block from the bottom.
void BM_SqlDeleteBlocks_Baseline(benchmark::State& state)
{
    QSqlDatabase& db = database();
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QSqlTableModel>(nullptr, db);
        model->setEditStrategy(QSqlTableModel::OnManualSubmit);
        model = loaded(std::move(model));
        QTableView view;
        view.setModel(model.get());
        QItemSelection selection;
        for (const auto& block : blocks())
            selection.select(model->index(block.first, 0), model->index(block.first + block.second - 1, 0));
        view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        state.ResumeTiming();

        QList<int> rows;
        for (const QModelIndex& index : view.selectionModel()->selectedRows())
            rows.append(index.row());
        std::sort(rows.begin(), rows.end(), std::greater<int>());
        int i = 0;
        while (i < rows.size()) {
            int j = i;
            while (j + 1 < rows.size() && rows[j + 1] == rows[j] - 1)
                ++j;
            model->removeRows(rows[j], j - i + 1);
            i = j + 1;
        }
        view.selectRow(rows.last());

        state.PauseTiming();
        view.setModel(nullptr);
        model.reset();
        state.ResumeTiming();
    }
}
} // namespace

BENCHMARK(BM_SqlSelectFetchAll)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_SqlSelectFetchAll_Baseline)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_SqlReadCells)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_SqlReadCells_Baseline)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_SqlDeleteBlocks)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_SqlDeleteBlocks_Baseline)->Unit(benchmark::kMillisecond)->Repetitions(3);

ORB_BENCH_MAIN()
