// Building every copy of a 30-line order on four command-printer slots: the goods lines, the
// blocks, the customer, store and kitchen copies and the kitchen tickets in both widths, and their
// conversion to the printer's code page. The baseline, measured in the same run, converts the
// same finished texts to the code page bare. main() prints both against the target (under 5 ms),
// then runs the benchmarks.
#include "devices/escpos_copies.h"
#include "records/device_records.h"
#include "text/cp949.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace
{
ReceiptOrder benchOrder()
{
    ReceiptOrder o;
    o.orderNo = QStringLiteral("2026121100001");
    o.daySerial = QStringLiteral("17");
    o.modNo = QStringLiteral("2");
    o.orderTime = QStringLiteral("2026-12-11 12:34:56");
    o.kindWord = QStringLiteral("배달");
    o.kindText = QStringLiteral("배달 (전화)");
    o.customerTel = QStringLiteral("010-1234-5678");
    o.address = QStringLiteral("서울 강남구 역삼동 123-45 한빛빌딩 501호");
    o.amount = QStringLiteral("540000");
    o.discount = QStringLiteral("0");
    o.payGubun = QStringLiteral("도착지결제");
    o.payType = QStringLiteral("카드");
    o.remain = QStringLiteral("540000");
    o.memo = QStringLiteral("문 앞에 두세요");
    o.bizName = QStringLiteral("한빛치킨");
    o.storeTel = QStringLiteral("02-555-1234");
    for (int i = 0; i < 30; ++i) {
        ReceiptGoods g;
        g.goodsNo = QString::number(100 + i);
        g.name = i % 3 == 0 ? QStringLiteral("양념반후라이드반치킨(순살, 매운맛,컵보증금)") : QStringLiteral("콜라 1.25L");
        g.price = 18000;
        g.quantity = 1 + i % 3;
        g.amount = g.price * g.quantity;
        o.goods.append(g);
    }
    return o;
}

std::array<TPRINT_SET, 4> benchSlots()
{
    std::array<TPRINT_SET, 4> s{};
    for (int i = 0; i < 4; ++i) {
        s[size_t(i)].Use_yn = true;
        s[size_t(i)].IGubun = i % 2;
        s[size_t(i)].PRT_OUT = QStringLiteral("1111");
        s[size_t(i)].PRT_GRP = QStringLiteral("0");
        s[size_t(i)].BIZNAME = QStringLiteral("1");
    }
    return s;
}

qsizetype buildAll(const ReceiptOrder &o, const std::array<TPRINT_SET, 4> &slotSet, QStringList *texts)
{
    const QList<TGrpPrint> groups;
    const PrintArgument arg{o.orderNo, o.address, QStringLiteral("3"), QStringLiteral("한빛치킨")};
    const auto blocks = BuildReceiptBlocks(o, slotSet, groups, -1);
    qsizetype bytes = 0;
    for (size_t s = 0; s < 4; ++s) {
        EscPosStreams streams;
        BuildEscPosStreams({&o, &arg, &slotSet[s], &blocks[s], &groups, QString()}, streams, nullptr);
        const QStringList &lines = slotSet[s].IGubun == 0 ? streams.narrow : streams.wide;
        bytes += EscPosStreamBytes(lines).size();
        if (texts)
            *texts << lines.join(QStringLiteral("\r\n"));
    }
    return bytes;
}

void BM_AllCopies(benchmark::State &state)
{
    const ReceiptOrder o = benchOrder();
    const auto slotSet = benchSlots();
    for (auto _ : state)
        benchmark::DoNotOptimize(buildAll(o, slotSet, nullptr));
}
BENCHMARK(BM_AllCopies)->Unit(benchmark::kMillisecond);

void BM_BareConversion(benchmark::State &state)
{
    QStringList texts;
    buildAll(benchOrder(), benchSlots(), &texts);
    for (auto _ : state)
        for (const QString &t : texts)
            benchmark::DoNotOptimize(Cp949::encode(t));
}
BENCHMARK(BM_BareConversion)->Unit(benchmark::kMillisecond);

double msPerRun(const std::function<void()> &f)
{
    const int runs = qEnvironmentVariableIsSet("CD_BENCH_SMOKE") ? 3 : 50;
    f();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < runs; ++i)
        f();
    return double(t.nsecsElapsed()) / 1e6 / runs;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const ReceiptOrder o = benchOrder();
    const auto slotSet = benchSlots();
    QStringList texts;
    buildAll(o, slotSet, &texts);
    const double all = msPerRun([&] { buildAll(o, slotSet, nullptr); });
    const double bare = msPerRun([&] {
        for (const QString &t : texts)
            Cp949::encode(t);
    });
    std::printf("receipt copies of a 30-line order on 4 slots: %.3f ms (target under 5 ms); bare code-page "
                "conversion of the same texts: %.3f ms (%.1fx)\n",
                all, bare, bare > 0 ? all / bare : 0.0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
