// Opening a new-order reception window from a call: the reset, the store list of 40 stores, the
// delivery-group list of 200 groups and the requests the start sends (the store's saved names and
// goods) against the in-process sandbox. The baseline, measured in the same run, sends the same
// requests bare (same codes and payloads, no window). main() prints both against the targets
// (under 100 ms, within 3x of the bare round trips), then runs the benchmarks. The customer lookup
// and the fee request join the start when the window gets them; their requests then count in
// both figures.
#include "common/program_globals.h"
#include "grid/grid_table_model.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "link/server_connection.h"
#include "link/session_cipher.h"
#include "main/ui/reception_host.h"
#include "records/delivery_group_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reception/ui/accept_window.h"
#include "reference/reference_state.h"
#include "sandbox/sandbox_host.h"
#include "settings/deployment_config.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>

namespace
{
constexpr int kStores = 40;
constexpr int kGroups = 200;

struct BenchWorld
{
    std::unique_ptr<SandboxHost> host;
    std::unique_ptr<TFRM_ACP> acp;
    QList<SandboxRequest> sent;  // what one start sends
};

BenchWorld &world()
{
    static BenchWorld w;
    return w;
}

void makeStoresAndGroups()
{
    ResetReferenceRecords();
    gsl_Out_DVRY.clear();
    QList<TDVRY_LIST> outs;
    G_DVRY_GRP_INFO.clear();
    TDVRY_GRP_INFO own;
    own.DVRY_TYPE_CD = "D000";
    own.STATUS_TYPE = "1";
    G_DVRY_GRP_INFO.append(own);
    for (int g = 1; g <= kGroups; ++g) {
        const QString code = QStringLiteral("D%1").arg(g, 3, 10, QLatin1Char('0'));
        gsl_Out_DVRY.append(code);
        TDVRY_GRP_INFO info;
        info.DVRY_TYPE_CD = code;
        info.STATUS_TYPE = "1";
        info.DELAY_TIME = g % 7;
        info.EX_YN = g % 3 == 0 ? "Y" : "N";
        info.EX_CHARGE = "500";
        info.EX_S_TIME = "1800";
        info.EX_E_TIME = "2200";
        info.BMNG_TIME = g % 5 == 0 ? "Y" : "N";
        info.MNG_STIME = "2200";
        info.MNG_ETIME = "0400";
        G_DVRY_GRP_INFO.append(info);
        TDVRY_LIST out;
        out.DVRY_TYPE_CD = code;
        out.DT_NAME = QStringLiteral("배송그룹%1").arg(g);
        outs.append(out);
    }
    G_SL_BR_DVRY_TYPE = {QStringLiteral("D000")};
    for (int i = 0; i < kStores; ++i) {
        const QString code = QStringLiteral("S%1").arg(i + 101, 6, 10, QLatin1Char('0'));
        TST_LIST &s = G_ST_LIST.append(code);
        s.ST_CODE = code;
        s.ST_NAME = QStringLiteral("가맹점%1").arg(i);
        s.SHOP_TYPE = "1";
        s.DATA_STAUS = "1";
        s.ST_SHAREYN = "N";
        s.MULTI_TYPE = "N";
        s.READY_TIME = "15";
        s.DVRY_LOCK_TIME = 30;
        s.DVRY_TYPE_CD = "D000";
        s.DVRY_OUT_LIST = outs;
    }
}

ReceptionCall benchCall()
{
    const TST_LIST &s = G_ST_LIST.at(0);
    return ReceptionCall{s.ST_CODE, s.ST_NAME, s.TEL_TYPE_CD, 0, QStringLiteral("01012345678"), true};
}

double openMs()
{
    ReceptionWindow *w = world().acp->FRM_ACP_LIST.at(0);
    w->hide();
    for (int i = 0; i < kStores; ++i) {
        // Each start fetches the store's caches as a first call of the day would.
        G_ST_LIST[i].GOODS_SYNC_DT = QString();
        G_ST_LIST[i].KEYWORD_ADDR_NO = 0;
        G_ST_LIST[i].KEYWORD_GRP_NO = 0;
    }
    QElapsedTimer t;
    t.start();
    world().acp->proc_New_Call(benchCall(), 1);
    return double(t.nsecsElapsed()) / 1e6;
}

double bareMs()
{
    QElapsedTimer t;
    t.start();
    for (const SandboxRequest &r : world().sent)
        benchmark::DoNotOptimize(
            RequestList(G_TCP_CLIENT, r.reqNum, r.callType, JoinRequestFields(r.fields()), r.pageCount, 30000));
    return double(t.nsecsElapsed()) / 1e6;
}

void BM_OpenFromCall(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(openMs());
}
BENCHMARK(BM_OpenFromCall)->Unit(benchmark::kMillisecond);

void BM_BareRequests(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(bareMs());
}
BENCHMARK(BM_BareRequests)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    G_SESSION_KEY = SessionCipher::makeSessionKey(QStringLiteral("CDK"));
    G_USER_INFO.ID = QStringLiteral("demo");
    G_USER_INFO.USER_TYPE_CD = QStringLiteral("1001");
    G_USER_SET.MenuPopup = "N";
    world().host = std::make_unique<SandboxHost>();
    if (!world().host->start()) {
        std::fprintf(stderr, "could not start the sandbox: %s\n", qPrintable(world().host->errorString()));
        return 1;
    }
    DeploymentConfig::clear();
    DeploymentConfig::setValue(DeploymentConfig::kLookupPrimary, world().host->primaryLookupUrlFormat());
    DeploymentConfig::setValue(DeploymentConfig::kLookupFallback, world().host->fallbackLookupUrlFormat());
    DeploymentConfig::setValue(DeploymentConfig::kCaFile, world().host->caFile());
    CreateTcpClient(G_TCP_CLIENT);
    if (!ConnectServer(G_TCP_CLIENT, QStringLiteral("127.0.0.1"), world().host->linkPort(), 10000)) {
        std::fprintf(stderr, "could not connect to the sandbox\n");
        return 1;
    }
    makeStoresAndGroups();
    InstallReceptionWindows();
    world().acp = std::make_unique<TFRM_ACP>();
    world().acp->resize(1280, 800);
    world().acp->show();

    world().host->clearReceived();
    openMs();  // warm-up, and the requests one start sends
    world().sent = world().host->receivedRequests();

    const int rounds = qEnvironmentVariableIsSet("CD_BENCH_SMOKE") ? 2 : 10;
    double open = 1e9, bare = 1e9;
    for (int r = 0; r < rounds; ++r) {
        open = std::min(open, openMs());
        bare = std::min(bare, bareMs());
    }
    auto *w = qobject_cast<TFRM_ACCEPT *>(world().acp->FRM_ACP_LIST.at(0));
    std::printf("stores %d, groups %d, requests per start %d\n", w ? int(w->stores->recordCount()) : 0,
                w ? int(w->groups->recordCount()) : 0, int(world().sent.size()));
    std::printf("open from a call %.2f ms (target < 100: %s), bare requests %.2f ms, ratio %.2f (target <= 3: %s)\n",
                open, open < 100 ? "met" : "MISSED", bare, bare > 0 ? open / bare : 0.0,
                bare > 0 && open / bare <= 3 ? "met" : (bare > 0 ? "MISSED" : "no requests"));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    world().acp.reset();
    FreeTcpClient(G_TCP_CLIENT);
    world().host.reset();
    return 0;
}
