// The reception window's menu board for a store with 2,000 goods in 60 groups: building the tiles
// of the whole store, of one group, and filtered by an initial consonant, beside a baseline that
// walks the same store's goods cache reading the fields the board reads. Target: each board build
// under 30 ms (it runs on every filter tap).
#include "reception/menu_board_filter.h"
#include "records/reference_records.h"
#include "text/hangul_initials.h"

#include <benchmark/benchmark.h>

namespace
{

const int kBoardGoods = 2000;
const int kBoardGroups = 60;

TST_LIST &boardStore()
{
    static TST_LIST st = [] {
        TST_LIST s;
        s.ST_CODE = "S000001";
        s.SHOP_TYPE = "1";
        static const QStringList syllables{"가", "나", "다", "라", "마", "바", "사", "아", "자", "차", "카", "타",
                                           "파", "하", "A", "7"};
        for (int g = 0; g < kBoardGroups; ++g) {
            TST_GOODS_GROUP_LIST &grp = s.GOODS_GRP_LST.append(QStringLiteral("G%1").arg(g));
            grp.GRP_NO = QStringLiteral("G%1").arg(g);
            grp.DATA_STATUS = "1";
        }
        for (int i = 0; i < kBoardGoods; ++i) {
            TGOODS_LIST rec;
            rec.ST_GOODS_NO = QString::number(100000 + i);
            rec.GOODS_NAME = syllables.at(i % syllables.size()) + QStringLiteral("메뉴 %1").arg(i);
            rec.GOODS_NAM = DivHan1(rec.GOODS_NAME);
            rec.ORD_PRICE = QString::number(3000 + (i % 80) * 500);
            rec.SELL_PRICE = rec.ORD_PRICE;
            rec.DATA_STATUS = "1";
            rec.ORD_STATUS = i % 23 == 0 ? "2" : "1";
            rec.OPTION_1_CNT = i % 3 == 0 ? "2" : "0";
            rec.ADD_GOODS_CNT = "0";
            rec.GRP_NO = QStringLiteral("G%1").arg(i % kBoardGroups);
            s.GOODS_LIST.append(rec.ST_GOODS_NO, rec);
            s.GOODS_GRP_LST[1 + i % (kBoardGroups - 1)].GOODS.append(QLatin1Char(' ') + QString(rec.ST_GOODS_NO), rec);
        }
        return s;
    }();
    return st;
}

void BM_GoodsCacheWalk(benchmark::State &state)
{
    const TST_LIST &st = boardStore();
    for (auto _ : state) {
        qint64 sum = 0;
        for (int i = 0; i < st.GOODS_LIST.count(); ++i) {
            const TGOODS_LIST &g = st.GOODS_LIST.at(i);
            sum += QString(g.ORD_PRICE).toLongLong() + QString(g.GOODS_NAME).size() + QString(g.GOODS_NAM).size();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_GoodsCacheWalk)->Unit(benchmark::kMillisecond);

void BM_MenuBoardWholeStore(benchmark::State &state)
{
    const TST_LIST &st = boardStore();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildMenuBoard(st, MenuBoardFilter{}));
}
BENCHMARK(BM_MenuBoardWholeStore)->Unit(benchmark::kMillisecond);

void BM_MenuBoardConsonant(benchmark::State &state)
{
    const TST_LIST &st = boardStore();
    MenuBoardFilter f;
    f.consonantTag = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildMenuBoard(st, f));
}
BENCHMARK(BM_MenuBoardConsonant)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_MenuBoardGroupPage(benchmark::State &state)
{
    const TST_LIST &st = boardStore();
    MenuBoardFilter f;
    f.groupNo = QStringLiteral("G7");
    f.consonantTag = 4;
    for (auto _ : state) {
        const QList<MenuBoardTile> tiles = BuildMenuBoard(st, f);
        benchmark::DoNotOptimize(MenuBoardPage(tiles, 0, 20));
    }
}
BENCHMARK(BM_MenuBoardGroupPage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
