// The goods load of every store of the large sandbox world (2,000 stores, 200,000 goods) merged
// into the store records, against a baseline of bare QJsonDocument parsing of the same reply pages.
//
// The replies are made once by the sandbox's own handlers and kept in a temporary file, so neither
// the sandbox's database nor the page texts of other stores sit in memory while the parse is
// measured; each store's pages are read from the file before its parse starts (untimed). Target:
// the merge within 3x of the baseline, and the process under 300 MB at its peak.
// CD_BENCH_SMOKE=1 uses the demo world instead, so that CI runs it in seconds.
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "records/goods_parse.h"
#include "records/reference_records.h"
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_request.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>

#include <cstdio>
#include <malloc.h>
#include <memory>

namespace
{
const QString kSep = QString(QChar(0x2502));

// "VmHWM" / "VmRSS" of this process in MB; 0 when /proc is not there.
double procStatusMb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key) + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// Forgets the peak so far, so that the next VmHWM is the peak from here on.
void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

struct World
{
    QStringList stores;
    QList<QJsonObject> groupRows;  // "C_0".."C_4" of every store
    QTemporaryFile pages;          // per store: QStringList of its goods pages
    qint64 goods = 0;
};

// Makes the world, asks the handlers for every store's groups and goods, and keeps the pages.
bool makeWorld(World &w, SandboxWorldSize size)
{
    auto db = std::make_shared<SandboxDatabase>(SandboxDatabase::Options{QString(), size});
    HandlerRegistry registry;
    registry.setDatabase(db);
    registerDemoHandlers(registry);
    QString error;
    if (!db->initialize(&error)) {
        std::fprintf(stderr, "sandbox world: %s\n", qPrintable(error));
        return false;
    }
    for (const QVariantList &r : db->rows(QStringLiteral("SELECT st_code FROM stores ORDER BY st_code")))
        w.stores << r.at(0).toString();
    w.goods = db->value(QStringLiteral("SELECT COUNT(*) FROM goods")).toLongLong();

    SandboxRequest groups;
    groups.reqNum = QStringLiteral("CS00_05_V01");
    groups.callType = QStringLiteral("ADM1");
    groups.val = QStringLiteral("5000") + kSep + kSep + kSep + kSep + kSep;
    for (const QJsonValue &v : registry.dispatch(groups).rows)
        w.groupRows << v.toObject();

    if (!w.pages.open())
        return false;
    QDataStream out(&w.pages);
    for (const QString &st : w.stores) {
        SandboxRequest req;
        req.reqNum = QStringLiteral("CS00_06_V04");
        req.callType = QStringLiteral("ADM3");
        req.pageCount = QStringLiteral("2000");
        req.val = st + kSep + kSep;
        out << registry.dispatch(req).buildPages(2000);
    }
    w.pages.flush();
    return true;
}

// The store list as the store and group loaders leave it: default group 0, then the server's groups.
void fillStores(const World &w)
{
    ResetReferenceRecords();
    for (const QString &st : w.stores) {
        TST_LIST &s = G_ST_LIST.append(st);
        s.ST_CODE = st;
        s.GOODS_GRP_LST.append(QStringLiteral("0")).GRP_NO = QStringLiteral("0");
    }
    for (const QJsonObject &o : w.groupRows) {
        const ReplyRow row = ReplyRow::fromObject(o);
        if (TST_LIST *s = G_ST_LIST.find(row.text(0)))
            FillGoodsGroupRow(s->GOODS_GRP_LST.append(row.text(1)), row);
    }
}

// Bare parsing: every page through QJsonDocument, every row text taken out of its array.
qint64 bareParse(const QStringList &pages)
{
    qint64 rows = 0;
    for (const QString &p : pages) {
        const QJsonObject o = QJsonDocument::fromJson(p.toUtf8()).object();
        for (const char *section : {"OUT_ROW1", "OUT_ROW2", "OUT_ROW3"}) {
            for (const QJsonValue &v : o.value(QLatin1String(section)).toArray()) {
                benchmark::DoNotOptimize(v.toString().size());
                ++rows;
            }
        }
    }
    return rows;
}

struct Figures
{
    double mergeMs = 0, bareMs = 0, peakMb = 0, recordsMb = 0;
    qint64 goodsMerged = 0;
};

Figures measure(World &w)
{
    Figures f;
    // What the world's making freed goes back to the system, so that the peak below is the merge's.
    malloc_trim(0);
    fillStores(w);
    const double rssBefore = procStatusMb("VmRSS:");
    resetPeak();
    QElapsedTimer t;
    w.pages.seek(0);
    QDataStream in(&w.pages);
    for (int i = 0; i < w.stores.size(); ++i) {
        QStringList pages;
        in >> pages;
        t.start();
        benchmark::DoNotOptimize(bareParse(pages));
        f.bareMs += double(t.nsecsElapsed()) / 1e6;
        t.start();
        ParseGoodsSync(pages, i);
        f.mergeMs += double(t.nsecsElapsed()) / 1e6;
    }
    f.peakMb = procStatusMb("VmHWM:");
    f.recordsMb = procStatusMb("VmRSS:") - rssBefore;
    for (const TST_LIST &s : G_ST_LIST)
        f.goodsMerged += s.GOODS_LIST.count();
    return f;
}

World *g_world = nullptr;

void BM_MergeOneStore(benchmark::State &state)
{
    g_world->pages.seek(0);
    QDataStream in(&g_world->pages);
    QStringList pages;
    in >> pages;
    for (auto _ : state) {
        G_ST_LIST.at(0).GOODS_LIST.clear();
        ParseGoodsSync(pages, 0);
    }
}
BENCHMARK(BM_MergeOneStore)->Unit(benchmark::kMicrosecond);

void BM_BareParseOneStore(benchmark::State &state)
{
    g_world->pages.seek(0);
    QDataStream in(&g_world->pages);
    QStringList pages;
    in >> pages;
    for (auto _ : state)
        benchmark::DoNotOptimize(bareParse(pages));
}
BENCHMARK(BM_BareParseOneStore)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    G_FIELD_SEP = kSep;
    const bool smoke = qEnvironmentVariableIsSet("CD_BENCH_SMOKE");
    World world;
    QElapsedTimer made;
    made.start();
    if (!makeWorld(world, smoke ? SandboxWorldSize::Demo : SandboxWorldSize::Large))
        return 1;
    std::printf("%s world: %lld stores, %lld goods, replies made in %.1f s\n", smoke ? "demo" : "large",
                qlonglong(world.stores.size()), qlonglong(world.goods), double(made.elapsed()) / 1000.0);
    const Figures f = measure(world);
    if (f.goodsMerged != world.goods) {
        std::fprintf(stderr, "merged %lld goods of %lld\n", qlonglong(f.goodsMerged), qlonglong(world.goods));
        return 1;
    }
    const double ratio = f.bareMs > 0 ? f.mergeMs / f.bareMs : 0;
    std::printf("goods merge %.0f ms, bare QJsonDocument %.0f ms, ratio %.2f (target <= 3.00: %s)\n", f.mergeMs,
                f.bareMs, ratio, ratio <= 3.0 ? "met" : "MISSED");
    std::printf("records +%.0f MB, process peak %.0f MB (target < 300 MB: %s)\n", f.recordsMb, f.peakMb,
                f.peakMb < 300 ? "met" : "MISSED");
    std::fflush(stdout);

    g_world = &world;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ResetReferenceRecords();
    return 0;
}
