// Map refresh, order list fill and adding one order at 100, 10 000 and 100 000 records, each
// beside a baseline that reads the same rows through the same SQL driver.

#include "binview/map/bins.h"
#include "binview/map/orderstore.h"
#include "binview/orders/orderlist.h"
#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "platform/dates.h"
#include "platform/files.h"
#include "platform/testing/fakeseams.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

struct Fixture {
    explicit Fixture(int records)
    {
        platform::makeFolder(dir.filePath(QStringLiteral("dat")));
        const QString store = dir.filePath(QStringLiteral("库位数据.edb"));
        binview::OrderStore::createEmpty(store);
        {
            binview::OrderStore s;
            s.open(store);
            s.beginTransaction();
            const double today = platform::dateFromDateTime(QDateTime(QDate(2008, 6, 26), QTime(0, 0)));
            static const char *const zones = "ABCDE";
            static const int sizes[] = {16, 17, 10, 8, 12};
            for (int i = 0; i < records; ++i) {
                const int z = i % 5;
                s.addBlank();
                s.write(1, QStringLiteral("SO-%1").arg(i));
                s.write(2, QString(QLatin1Char(zones[z])) + QString::number(i / 5 % sizes[z] + 1));
                s.write(3, QStringLiteral("M%1").arg(i % 40));
                s.write(4, 10 + i % 90);
                s.write(5, today - i % 30);
                s.write(6, i % 7 == 0 ? 0.0 : today + i % 9 - 2);
                s.write(7, QStringLiteral("备注%1").arg(i));
            }
            s.commitTransaction();
        }
        app = std::make_unique<binview::Application>(fakes.seams(), dir.path());
        app->layOutLiveFiles();
        app->openMainWindow();
        if (!app->mainWindow())
            qFatal("the main window did not open");
    }
    QTemporaryDir dir;
    platform::testing::FakeSeams fakes;
    std::unique_ptr<binview::Application> app;
};

// One fixture per size, kept across benchmarks: building 100 000 records takes a while.
Fixture &fixture(int records)
{
    static std::map<int, std::unique_ptr<Fixture>> all;
    auto &f = all[records];
    if (!f)
        f = std::make_unique<Fixture>(records);
    return *f;
}

void BM_BaselineScan(benchmark::State &state)
{
    Fixture &f = fixture(static_cast<int>(state.range(0)));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("baseline"));
    db.setDatabaseName(f.app->storePath());
    db.open();
    for (auto _ : state) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.exec(QStringLiteral("SELECT * FROM \"库位数据\" ORDER BY id"));
        qint64 n = 0;
        while (q.next()) {
            for (int c = 0; c < 9; ++c)
                benchmark::DoNotOptimize(q.value(c));
            ++n;
        }
        benchmark::DoNotOptimize(n);
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("baseline"));
}

// The refresh after another process changed the store: the rows are read again.
void BM_MapRefreshAfterForeignChange(benchmark::State &state)
{
    Fixture &f = fixture(static_cast<int>(state.range(0)));
    binview::OrderStore other;
    other.open(f.app->storePath());
    int change = 0;
    for (auto _ : state) {
        state.PauseTiming();
        other.first();
        if (!other.write(7, QStringLiteral("改%1").arg(++change)))
            state.SkipWithError(qPrintable(other.errorText()));
        state.ResumeTiming();
        f.app->mapRefresh();
    }
}

void BM_MapRefresh(benchmark::State &state)
{
    Fixture &f = fixture(static_cast<int>(state.range(0)));
    for (auto _ : state)
        f.app->mapRefresh();
}

// The three steps of the refresh, to see where its time goes.
void BM_ColourPass(benchmark::State &state)
{
    Fixture &f = fixture(static_cast<int>(state.range(0)));
    for (auto _ : state)
        f.app->colourPass();
}

void BM_PaintZones(benchmark::State &state)
{
    Fixture &f = fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (QChar zone : binview::kZoneLetters)
            f.app->paintZone(zone);
    }
}

void BM_OverviewStatistics(benchmark::State &state)
{
    Fixture &f = fixture(static_cast<int>(state.range(0)));
    for (auto _ : state)
        f.app->overviewStatistics();
}

void BM_OrderListFill(benchmark::State &state)
{
    Fixture &f = fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.app->mainWindow()->orderList()->clear();
        benchmark::DoNotOptimize(f.app->orderListFill());
    }
}

// One order written in one transaction, then the map refresh every command ends with.
void BM_AddOneOrder(benchmark::State &state)
{
    Fixture &f = fixture(static_cast<int>(state.range(0)));
    binview::OrderStore &s = f.app->store();
    for (auto _ : state) {
        s.beginTransaction();
        s.addBlank();
        s.write(1, QStringLiteral("NEW"));
        s.write(2, QStringLiteral("B8"));
        s.write(3, QStringLiteral("M"));
        s.write(4, 1);
        s.write(5, 39625.0);
        s.write(6, 39627.0);
        s.write(7, QString());
        s.commitTransaction();
        f.app->mapRefresh();
    }
}

} // namespace

BENCHMARK(BM_BaselineScan)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapRefreshAfterForeignChange)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapRefresh)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColourPass)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintZones)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OverviewStatistics)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrderListFill)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddOneOrder)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
