// The courier status panel's grid refresh with 5,000 couriers: a full refresh (every courier new,
// the grid emptied first) and a refresh of 100 changed couriers, each with the counts and the
// filter the panel runs after it. The baseline, measured in the same run, copies the same values
// into plain rows (what any refresh has to read at least). main() prints both against the targets
// (full refresh < 50 ms, 100 changed < 5 ms), then runs the benchmarks.
#include "common/program_globals.h"
#include "main/courier_panel.h"
#include "reference/reference_state.h"
#include "records/courier_records.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <vector>

namespace
{
constexpr int kCouriers = 5000;
constexpr int kChanged = 100;

void makeCouriers()
{
    ResetCourierRecords();
    static const char *const attend[] = {"0001", "0001", "0001", "0003", "0002"};
    for (int i = 0; i < kCouriers; ++i) {
        TMyWorker w;
        w.WkCode = QStringLiteral("W%1").arg(i + 1, 5, 10, QLatin1Char('0'));
        w.Wkname = QStringLiteral("배송원%1").arg(i);
        w.BrCode = QStringLiteral("B%1").arg(i % 50 * 100 + 101, 6, 10, QLatin1Char('0'));
        w.BrName = QStringLiteral("총판%1").arg(i % 50);
        w.DataStatus = i % 23 == 22 ? QStringLiteral("0") : QStringLiteral("1");
        w.WkAttendCD = QString::fromLatin1(attend[i % 5]);
        w.WkAttendWorkWait = 1 + i % 2;
        w.Wk3001Cnt = i % 3;
        w.Wk3003Cnt = i % 2;
        w.Wk4001Cnt = i % 7;
        w.WkTel = QStringLiteral("010%1").arg(10000000 + i);
        w.WKCarNumber = QStringLiteral("%1가%2").arg(10 + i % 90).arg(1000 + i);
        w.WkCash = QString::number(i * 10);
        w.WKChangeYN = 2;
        G_MY_WORKER.MyWorkerArray.append(w.WkCode, w);
    }
}

void markAllNew()
{
    for (TMyWorker &w : G_MY_WORKER.MyWorkerArray)
        w.WKChangeYN = 2;
}

void markChanged(int round)
{
    for (int k = 0; k < kChanged; ++k) {
        TMyWorker &w = G_MY_WORKER.MyWorkerArray[(k * 47 + round * 13) % kCouriers];
        w.Wk3001Cnt = (w.Wk3001Cnt + 1) % 4;
        w.WkAttendWorkWait = w.Wk3001Cnt > 0 ? 2 : 1;
        w.WKChangeYN = 1;
    }
}

CourierPanelModel &panel()
{
    static CourierPanelModel *m = [] {
        auto *model = new CourierPanelModel;
        QStringList names, codes;
        for (int b = 0; b < 50; ++b) {
            names.append(QStringLiteral("총판%1").arg(b));
            codes.append(QStringLiteral("B%1").arg(b * 100 + 101, 6, 10, QLatin1Char('0')));
        }
        model->branches.fill(names, codes);
        model->procDvryBRSelectAddList();
        return model;
    }();
    return *m;
}

// The least a refresh does: every value of every courier read into a row.
std::vector<QVariantList> baselineCopy()
{
    std::vector<QVariantList> rows;
    rows.reserve(kCouriers);
    for (const TMyWorker &w : G_MY_WORKER.MyWorkerArray)
        rows.push_back({w.BrName, w.WkCode, w.Wkname, QString(w.WkTel), QString(w.WKCarNumber), QString(w.ConnectYN),
                        w.WkAttendCD, w.Wk3001Cnt, w.Wk3003Cnt, w.Wk4001Cnt, QString(w.WkCash), QString(w.WKCashOSTD),
                        QString(w.WkLanX), QString(w.WkLatY), w.WkAttendCD, w.BrCode, QString(w.WkTel), w.DataStatus,
                        w.StCode});
    return rows;
}

double fullRefreshMs()
{
    markAllNew();
    QElapsedTimer t;
    t.start();
    panel().procUpdateWorkerGrid(true);
    return t.nsecsElapsed() / 1e6;
}

double changedRefreshMs(int round)
{
    markChanged(round);
    QElapsedTimer t;
    t.start();
    panel().procUpdateWorkerGrid(false);
    return t.nsecsElapsed() / 1e6;
}

double baselineMs()
{
    QElapsedTimer t;
    t.start();
    auto rows = baselineCopy();
    benchmark::DoNotOptimize(rows);
    return t.nsecsElapsed() / 1e6;
}

void BM_FullRefresh(benchmark::State &state)
{
    for (auto _ : state) {
        markAllNew();
        panel().procUpdateWorkerGrid(true);
    }
}
BENCHMARK(BM_FullRefresh)->Unit(benchmark::kMillisecond);

void BM_ChangedRefresh(benchmark::State &state)
{
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        markChanged(++round);
        state.ResumeTiming();
        panel().procUpdateWorkerGrid(false);
    }
}
BENCHMARK(BM_ChangedRefresh)->Unit(benchmark::kMicrosecond);

void BM_BaselineCopy(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(baselineCopy());
}
BENCHMARK(BM_BaselineCopy)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ResetReferenceState();
    CCB_WA.add(QStringLiteral("0002"), QStringLiteral("퇴근"));
    CCB_WA.add(QStringLiteral("0003"), QStringLiteral("휴식"));
    G_REINIT_DONE = true;
    makeCouriers();
    panel();

    const int rounds = qEnvironmentVariableIsSet("CD_BENCH_SMOKE") ? 2 : 10;
    double full = 1e9, changed = 1e9, base = 1e9;
    for (int r = 0; r < rounds; ++r) {
        full = std::min(full, fullRefreshMs());
        changed = std::min(changed, changedRefreshMs(r));
        base = std::min(base, baselineMs());
    }
    std::printf("couriers %d, shown %d\n", kCouriers, panel().grid().rowCount());
    std::printf("full refresh %.2f ms (target < 50: %s), baseline copy %.2f ms, ratio %.2f\n", full,
                full < 50 ? "met" : "MISSED", base, base > 0 ? full / base : 0.0);
    std::printf("refresh of %d changed %.3f ms (target < 5: %s), baseline copy of all %.2f ms\n", kChanged, changed,
                changed < 5 ? "met" : "MISSED", base);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
