// Reference loading from the large sandbox world: 2,000 stores and 5,000 couriers fetched over the
// link once, then stored into the records by the loaders' storing half, against a baseline of bare
// QJsonDocument parsing of the same reply pages (every page parsed and every row's text taken).
// main() times both, prints the ratio against the 3x target and the peak memory against 300 MB,
// then runs the benchmarks. Other reference lists (goods) can be added the same way.
// The sandbox runs in a child process: its large world (SQLite with 200,000 goods, about 400 MB)
// would otherwise be the peak, and the peak is meant to be the client's.
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/server_connection.h"
#include "link/session_cipher.h"
#include "reference/reference_loaders.h"
#include "reference/reference_pages.h"
#include "reference/reference_state.h"
#include "records/courier_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "sandbox/sandbox_host.h"
#include "settings/deployment_config.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace
{
struct Replies
{
    QStringList stores;
    QStringList couriers;
};

Replies &replies()
{
    static Replies r;
    return r;
}

// Where the child's sandbox listens: link port, primary and fallback lookup formats, CA file.
struct SandboxAddress
{
    quint16 linkPort = 0;
    QString primaryLookup;
    QString fallbackLookup;
    QString caFile;
};

struct SandboxChild
{
    pid_t pid = -1;
    int toChild = -1;    // closing it tells the child to stop
    int fromChild = -1;  // the address, one line
};

// Forks before the client makes any thread. The child starts the large world, writes its address
// as one tab-separated line and serves until the parent closes its end of the pipe.
bool startSandboxChild(int argc, char **argv, SandboxChild *child)
{
    int down[2];
    int up[2];
    if (::pipe(down) != 0 || ::pipe(up) != 0)
        return false;
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        ::close(down[1]);
        ::close(up[0]);
        int code = 1;
        {
            QCoreApplication app(argc, argv);
            SandboxHost::Options options;
            options.worldSize = SandboxWorldSize::Large;
            SandboxHost host(options);
            if (host.start()) {
                const QByteArray line = (QString::number(host.linkPort()) + QLatin1Char('\t') + host.primaryLookupUrlFormat()
                                         + QLatin1Char('\t') + host.fallbackLookupUrlFormat() + QLatin1Char('\t')
                                         + host.caFile() + QLatin1Char('\n'))
                                            .toUtf8();
                if (::write(up[1], line.constData(), size_t(line.size())) == line.size()) {
                    char c;
                    while (::read(down[0], &c, 1) > 0) {
                    }
                    code = 0;
                }
            } else {
                std::fprintf(stderr, "sandbox: %s\n", qPrintable(host.errorString()));
            }
        }
        ::_exit(code);
    }
    ::close(down[0]);
    ::close(up[1]);
    child->pid = pid;
    child->toChild = down[1];
    child->fromChild = up[0];
    return true;
}

bool readSandboxAddress(const SandboxChild &child, SandboxAddress *address)
{
    QByteArray line;
    char c;
    while (line.size() < 65536 && ::read(child.fromChild, &c, 1) == 1 && c != '\n')
        line.append(c);
    const QStringList parts = QString::fromUtf8(line).split(QLatin1Char('\t'));
    if (parts.size() != 4)
        return false;
    address->linkPort = quint16(parts.at(0).toUInt());
    address->primaryLookup = parts.at(1);
    address->fallbackLookup = parts.at(2);
    address->caFile = parts.at(3);
    return address->linkPort != 0;
}

void stopSandboxChild(SandboxChild *child)
{
    if (child->pid <= 0)
        return;
    ::close(child->toChild);
    ::close(child->fromChild);
    int status = 0;
    ::waitpid(child->pid, &status, 0);
    child->pid = -1;
}

// Fetches the two lists once from a large world, as the system user who sees everything.
bool fetch(const SandboxAddress &host, double *requestMs)
{
    DeploymentConfig::clear();
    DeploymentConfig::setValue(DeploymentConfig::kLookupPrimary, host.primaryLookup);
    DeploymentConfig::setValue(DeploymentConfig::kLookupFallback, host.fallbackLookup);
    DeploymentConfig::setValue(DeploymentConfig::kCaFile, host.caFile);
    G_SESSION_KEY = SessionCipher::makeSessionKey(QStringLiteral("CDK"));
    G_USER_INFO.ID = QStringLiteral("system01");
    G_USER_INFO.USER_TYPE_CD = QStringLiteral("9000");
    G_USER_INFO.HD = QStringLiteral("H0001");
    CreateTcpClient(G_TCP_CLIENT);
    if (!ConnectServer(G_TCP_CLIENT, QStringLiteral("127.0.0.1"), host.linkPort, 10000)) {
        std::fprintf(stderr, "could not connect to the sandbox\n");
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    replies().stores = RequestReference(QString::fromLatin1(kStListRequest), QStringLiteral("ADM3"),
                                        {G_USER_INFO.USER_TYPE_CD, G_USER_INFO.HD, QString(), QString(), QString()});
    replies().couriers = RequestReference(QString::fromLatin1(kMyWorkRequest), QStringLiteral("ADM3"),
                                          {G_USER_INFO.ID, G_USER_INFO.USER_TYPE_CD, G_USER_INFO.HD, QString(), QString()});
    *requestMs = double(timer.nsecsElapsed()) / 1e6;
    FreeTcpClient(G_TCP_CLIENT);
    return !replies().stores.isEmpty() && !replies().couriers.isEmpty();
}

// The lists are emptied outside the timed part: what is measured is a load into empty lists, as at
// start, not the release of the lists a reload replaces.
void emptyLists()
{
    G_ST_LIST.clear();
    G_MY_WORKER.MyWorkerArray.clear();
    G_DVRY_GRP_INFO.clear();
    ResetReferenceState();
}

int load()
{
    ApplyStListPages(replies().stores, QDate(2026, 12, 11));
    ApplyMyWorkPages(replies().couriers);
    return G_ST_LIST.count() + G_MY_WORKER.MyWorkerArray.count();
}

int parseOnly(const QStringList &pages)
{
    int n = 0;
    for (const QString &text : pages) {
        const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
        for (const QJsonValue &row : doc.object().value(QStringLiteral("OUT_ROW1")).toArray())
            n += row.toString().isEmpty() ? 0 : 1;
    }
    return n;
}

int baseline()
{
    return parseOnly(replies().stores) + parseOnly(replies().couriers);
}

void BM_ReferenceLoad(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        emptyLists();
        state.ResumeTiming();
        benchmark::DoNotOptimize(load());
    }
}
BENCHMARK(BM_ReferenceLoad)->Unit(benchmark::kMillisecond);

void BM_Baseline(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(baseline());
}
BENCHMARK(BM_Baseline)->Unit(benchmark::kMillisecond);

double averageMs(int (*fn)(), int rounds)
{
    qint64 total = 0;
    for (int i = 0; i < rounds; ++i) {
        emptyLists();
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(fn());
        total += timer.nsecsElapsed();
    }
    return double(total) / 1e6 / rounds;
}

double peakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}
} // namespace

int main(int argc, char **argv)
{
    SandboxChild child;
    if (!startSandboxChild(argc, argv, &child)) {
        std::fprintf(stderr, "could not start the sandbox process\n");
        return 1;
    }
    SandboxAddress address;
    const bool ready = readSandboxAddress(child, &address);
    QCoreApplication app(argc, argv);
    double requestMs = 0;
    const bool fetched = ready && fetch(address, &requestMs);
    stopSandboxChild(&child);
    if (!fetched)
        return 1;
    const int loaded = load();
    const int parsed = baseline();
    std::printf("stores %d, couriers %d (rows parsed %d); both requests %.0f ms\n", int(G_ST_LIST.count()),
                int(G_MY_WORKER.MyWorkerArray.count()), parsed, requestMs);
    if (G_ST_LIST.count() < 1900 || G_MY_WORKER.MyWorkerArray.count() < 4500 || loaded <= 0) {
        std::fprintf(stderr, "the large world did not load its stores and couriers\n");
        return 1;
    }
    const int rounds = qEnvironmentVariableIsSet("CD_BENCH_SMOKE") ? 2 : 10;
    const double path = averageMs(&load, rounds);
    const double base = averageMs(&baseline, rounds);
    const double ratio = path / base;
    const double peak = peakMb();
    std::printf("reference load into empty lists %.2f ms, baseline %.2f ms, ratio %.2f (target <= 3.00: %s); peak %.0f MB (target < "
                "300: %s)\n",
                path, base, ratio, ratio <= 3.0 ? "met" : "MISSED", peak, peak < 300 ? "met" : "MISSED");
    std::fflush(stdout);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
