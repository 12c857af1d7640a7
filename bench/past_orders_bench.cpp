// A past-orders search of 50,000 orders filling the general grid, against the bare parse of the
// same reply pages (JSON and row splitting only), and the process's memory with those rows. The
// targets: within 3x of the bare parse, under 1.5 s, under 300 MB. Printed for people; a missed
// target never fails the run.

#include "grid/grid_table_model.h"
#include "history/past_orders_rows.h"
#include "history/past_orders_search.h"
#include "text/text_helpers.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

namespace
{
int g_pastRows = 50000;
bool g_pastSmoke = false;
const QString kPastBenchSep = QString(QChar(0x2502));

QString pastBenchRow(int i, std::mt19937 &rng)
{
    QStringList f;
    for (int c = 0; c < 122; ++c)
        f.append(QString());
    const int day = 1 + int(rng() % 28);
    const QString date = QStringLiteral("2026-11-%1 %2:%3:00")
                             .arg(day, 2, 10, QLatin1Char('0'))
                             .arg(10 + rng() % 12, 2, 10, QLatin1Char('0'))
                             .arg(rng() % 60, 2, 10, QLatin1Char('0'));
    f[0] = QStringLiteral("20261100%1").arg(i, 7, 10, QLatin1Char('0'));
    f[1] = QString::number(i % 90 + 1);
    f[3] = QString::number(i % 900 + 1);
    f[4] = QStringLiteral("1001");
    f[5] = rng() % 15 ? QStringLiteral("4001") : QStringLiteral("4002");
    f[6] = date;
    f[8] = date;
    f[10] = date;
    f[11] = QStringLiteral("010%1").arg(rng() % 100000000, 8, 10, QLatin1Char('0'));
    f[13] = QStringLiteral("서울 강남구 역삼동 %1-%2").arg(rng() % 999).arg(rng() % 40);
    f[14] = QString::number(300 + rng() % 4000);
    f[15] = QStringLiteral("3500");
    f[16] = QString::number(12000 + rng() % 40000);
    f[19] = rng() % 2 ? QStringLiteral("1") : QStringLiteral("2");
    f[20] = rng() % 2 ? QStringLiteral("1001") : QStringLiteral("1002");
    f[21] = f[16];
    f[24] = QStringLiteral("김배송%1").arg(rng() % 300);
    f[25] = QStringLiteral("010%1").arg(rng() % 100000000, 8, 10, QLatin1Char('0'));
    f[26] = QStringLiteral("문 앞에 놓아 주세요");
    f[29] = QStringLiteral("1001");
    f[31] = QStringLiteral("홍길동");
    f[32] = QStringLiteral("N");
    f[33] = QStringLiteral("S%1").arg(rng() % 160, 4, 10, QLatin1Char('0'));
    f[34] = QStringLiteral("행복치킨 %1호점").arg(rng() % 160);
    f[37] = QStringLiteral("101동 1001호");
    f[39] = QStringLiteral("후라이드치킨 1, 콜라 1.25L 1");
    f[43] = QStringLiteral("B0001");
    f[73] = QStringLiteral("37.50%1").arg(rng() % 10000);
    f[74] = QStringLiteral("127.03%1").arg(rng() % 10000);
    f[76] = QStringLiteral("37.501");
    f[77] = QStringLiteral("127.031");
    f[110] = QStringLiteral("서울");
    f[111] = QStringLiteral("강남구");
    f[112] = QStringLiteral("역삼동");
    return f.join(kPastBenchSep);
}

QStringList pastBenchPages(int rows)
{
    std::mt19937 rng(20261211);
    QStringList pages;
    QJsonArray page;
    for (int i = 0; i < rows; ++i) {
        page.append(pastBenchRow(i, rng));
        if (page.size() == 10000 || i == rows - 1) {
            QJsonObject o;
            o.insert(QStringLiteral("OUT_CODE"), QStringLiteral("1"));
            o.insert(QStringLiteral("OUT_MSG"), QString());
            o.insert(QStringLiteral("OUT_ROW1"), page);
            pages.append(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
            page = QJsonArray();
        }
    }
    return pages;
}

double pastRssMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

struct PastFigures
{
    double bare = 0, fill = 0, rss = 0, before = 0;
};

PastFigures pastMeasure(const QStringList &pages, int rounds)
{
    PastFigures best{1e12, 1e12, 0};
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        qsizetype fields = 0;
        ReadPastPages(QStringLiteral("CS01_50_V02"), pages,
                      [&](const QString &row) {
                          fields += SplitUnescaped(kPastBenchSep, row).size();
                          return true;
                      },
                      {});
        best.bare = qMin(best.bare, double(t.nsecsElapsed()) / 1e6);
        if (fields == 0)
            std::printf("nothing parsed\n");

        GridTableModel grid;
        grid.setColumns(PastGeneralColumns());
        PastRowContext ctx = PastRowContext::Current();
        PayTotals scratch;
        if (r == 0)
            best.before = pastRssMb();
        t.restart();
        grid.beginUpdate();
        ReadPastPages(QStringLiteral("CS01_50_V02"), pages,
                      [&](const QString &row) { return AppendPastGeneralRow(grid, row, ctx, scratch); }, {});
        grid.endUpdate();
        best.fill = qMin(best.fill, double(t.nsecsElapsed()) / 1e6);
        // Memory of the first round, before later rounds reuse what the allocator kept.
        if (r == 0)
            best.rss = pastRssMb();
    }
    return best;
}

void BM_PastOrdersFill(benchmark::State &state)
{
    const QStringList pages = pastBenchPages(g_pastSmoke ? 2000 : 10000);
    for (auto _ : state) {
        GridTableModel grid;
        grid.setColumns(PastGeneralColumns());
        PastRowContext ctx = PastRowContext::Current();
        PayTotals scratch;
        grid.beginUpdate();
        ReadPastPages(QStringLiteral("CS01_50_V02"), pages,
                      [&](const QString &row) { return AppendPastGeneralRow(grid, row, ctx, scratch); }, {});
        grid.endUpdate();
        benchmark::DoNotOptimize(grid.recordCount());
    }
}
} // namespace

BENCHMARK(BM_PastOrdersFill)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    g_pastSmoke = qEnvironmentVariableIsSet("CD_BENCH_SMOKE");
    for (int i = 1; i < argc; ++i)
        g_pastSmoke |= std::strcmp(argv[i], "--smoke") == 0;
    if (g_pastSmoke)
        g_pastRows = 5000;
    QCoreApplication app(argc, argv);

    const QStringList pages = pastBenchPages(g_pastRows);
    const PastFigures f = pastMeasure(pages, g_pastSmoke ? 1 : 3);
    const double ratio = f.fill / qMax(0.001, f.bare);
    const char *judge = g_pastSmoke ? "(smoke run, not judged)" : "";
    std::printf("past orders, %d rows of 122 fields in pages of 10,000\n", g_pastRows);
    std::printf("%-34s %9.2f ms\n", "bare parse (JSON, row split)", f.bare);
    std::printf("%-34s %9.2f ms   target <= 1500 ms   %s\n", "grid fill", f.fill,
                g_pastSmoke ? judge : (f.fill <= 1500 ? "PASS" : "FAIL"));
    std::printf("%-34s %9.2f x    target <= 3 x       %s\n", "fill / bare parse", ratio,
                g_pastSmoke ? judge : (ratio <= 3 ? "PASS" : "FAIL"));
    std::printf("%-34s %9.1f MB\n", "process memory before the fill", f.before);
    std::printf("%-34s %9.1f MB   target <  300 MB    %s\n", "process memory with the rows", f.rss,
                g_pastSmoke ? judge : (f.rss < 300 ? "PASS" : "FAIL"));
    std::fflush(stdout);

    std::vector<char *> args;
    for (int i = 0; i < argc; ++i)
        if (std::strcmp(argv[i], "--smoke") != 0)
            args.push_back(argv[i]);
    int n = int(args.size());
    benchmark::Initialize(&n, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
