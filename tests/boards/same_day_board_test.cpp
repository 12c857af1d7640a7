// The same-day grids: columns, row fill, groups and colours, count labels, double click, and the
// filter bar's filters on fixture grids fed by the engine.

#include "orders/same_day_test_support.h"

#include "boards/same_day_board.h"
#include "boards/same_day_filter.h"

using namespace ordertest;

namespace
{
const QString kStamp = QStringLiteral("20261211090000000");

QStringList shownNumbers(const GridTableModel &g, const QString &prefix)
{
    QStringList out;
    const int c = g.columnIndex(prefix + QStringLiteral("ORD_NO"));
    for (int r = 0; r < g.rowCount(); ++r)
        out.append(g.recordValue(g.recordOfRow(r), c).toString());
    return out;
}
} // namespace

TEST(SameDayBoard, ColumnsOfBothGrids)
{
    const QList<GridColumn> today = SameDayGridColumns(SameDayBoard::Today);
    const QList<GridColumn> comp = SameDayGridColumns(SameDayBoard::Completed);
    ASSERT_EQ(today.size(), 99);
    ASSERT_EQ(comp.size(), 99);
    EXPECT_EQ(today.at(1).name, QStringLiteral("grdA3Col_ExtSubCode"));
    EXPECT_EQ(today.at(1).caption, QStringLiteral("송장번호"));
    EXPECT_EQ(comp.last().name, QStringLiteral("grdEndCol_ExtSubCode"));
    EXPECT_EQ(today.last().name, QStringLiteral("grdA3Col_ORD_GRP_AREA"));
    QSet<QString> names;
    for (const GridColumn &c : today)
        names.insert(c.name);
    EXPECT_EQ(names.size(), 99) << "no column twice";
    const int dist = int(std::find_if(today.begin(), today.end(), [](const GridColumn &c) {
                             return c.name == QLatin1String("grdA3Col_DVRY_DISTANCE");
                         }) - today.begin());
    EXPECT_EQ(today.at(dist).type, GridValueType::Float);
    const QStringList hiddenToday = SameDayHiddenColumns(SameDayBoard::Today);
    const QStringList hiddenComp = SameDayHiddenColumns(SameDayBoard::Completed);
    EXPECT_TRUE(hiddenToday.contains(QStringLiteral("grdA3Col_StaGroup")));
    EXPECT_FALSE(hiddenToday.contains(QStringLiteral("grdA3Col_EA_LAT_Y")));
    EXPECT_TRUE(hiddenComp.contains(QStringLiteral("grdEndCol_EA_LAT_Y")));
    EXPECT_EQ(hiddenComp.size(), hiddenToday.size() + 2);
}

TEST(SameDayBoard, GroupsAndColoursByStatus)
{
    struct Case
    {
        const char *status, *group, *colour;
    };
    const Case cases[] = {
        {"1001", "1", "CB_1001"}, {"2001", "2", "CB_2001"}, {"2002", "-1", "CB_2001"}, {"3001", "3", "CB_3001"},
        {"3003", "4", "CB_3003"}, {"4001", "5", "CB_4001"}, {"1002", "6", "CB_1002"}, {"1007", "6", "CB_1002"},
        {"4002", "7", "CB_4002"}, {"4003", "8", "CB_4003"}, {"6203", "9", "CB_6000"}, {"7301", "10", "CB_7000"},
        {"8101", "11", "CB_8000"}, {"8433", "12", "CB_8000"}, {"5001", "-1", ""},    {"6999", "-1", "CB_6000"},
    };
    for (const Case &c : cases) {
        const QString s = QString::fromLatin1(c.status);
        EXPECT_EQ(procSameDayGroup(s), QString::fromLatin1(c.group)) << c.status;
        EXPECT_EQ(SameDayStatusColourKey(s), QString::fromLatin1(c.colour)) << c.status;
    }
}

TEST(SameDayBoard, CountLabelsShowDashesUntilTheCompletedLoad)
{
    SameDayCounts counts{};
    for (int i = 0; i <= 12; ++i)
        counts[size_t(i)] = 10 + i;
    const auto before = proc_SameDayCountView(counts, false);
    const auto after = proc_SameDayCountView(counts, true);
    EXPECT_EQ(before[0], QStringLiteral("10"));
    EXPECT_EQ(before[5], QStringLiteral("-"));  // edSameDayComplete
    EXPECT_EQ(before[7], QStringLiteral("-"));  // edSameDayCancel
    EXPECT_EQ(after[5], QStringLiteral("15"));
    EXPECT_EQ(after[11], QStringLiteral("21")); // edSameDay8000; the parcel slot has no label
    EXPECT_EQ(SameDayCountLabels()[11].name, QStringLiteral("edSameDay8000"));
}

TEST(SameDayBoard, EngineFillsTheGridsAndTheCompletedRowKeepsItsLocalHub)
{
    SameDayEngine engine;
    SameDayBoardModels models;
    QStringList log;
    models.setLogger([&](const QString &l) { log.append(l); });
    SameDayEngine::Hooks hooks;
    hooks.myOrder = [](const A3Values &) { return true; };
    hooks.log = [&](const QString &l) { log.append(l); };
    engine.setHooks(hooks);
    engine.setSink(&models);
    const std::map<int, QString> hub = {{86, QStringLiteral("U000201")}, {87, QStringLiteral("지선 성수허브")},
                                        {89, QStringLiteral("박지훈")}, {90, QStringLiteral("01055556666")},
                                        {13, QStringLiteral("7500")}, {97, QStringLiteral("600000000001")}};
    engine.enqueue(QStringLiteral("A3,0,"), {page({sameDayRow("A1", "8203", kStamp, hub),
                                                  sameDayRow("A2", "1001", kStamp)})});
    engine.dispatchPending();
    GridTableModel &today = models.grdA3View();
    ASSERT_EQ(today.recordCount(), 2);
    auto cell = [](const GridTableModel &g, int r, const QString &name) {
        return g.recordValue(r, g.columnIndex(name));
    };
    EXPECT_EQ(cell(today, 0, "grdA3Col_StaGroup").toString(), QStringLiteral("11"));
    EXPECT_EQ(cell(today, 0, "grdA3Col_DVRY_AMT"), QVariant(7500));
    EXPECT_EQ(cell(today, 0, "grdA3Col_ExtSubCode").toString(), QStringLiteral("600000000001"));
    EXPECT_EQ(cell(today, 0, "grdA3Col_error").toString(), QString());

    engine.enqueue(QStringLiteral("A3,0,M"), {page({sameDayRow("A1", "4001", "20261211100000000", hub)})});
    engine.dispatchPending();
    GridTableModel &comp = models.grdEndView();
    ASSERT_EQ(comp.recordCount(), 1);
    ASSERT_EQ(today.recordCount(), 1);
    EXPECT_EQ(cell(today, 0, "grdA3Col_ORD_NO").toString(), QStringLiteral("A2"));
    EXPECT_EQ(cell(comp, 0, "grdEndCol_LOC_HUB_NAME").toString(), QStringLiteral("지선 성수허브"));
    EXPECT_EQ(cell(comp, 0, "grdEndCol_CTH_LOC_WK_TEL").toString(), QStringLiteral("01055556666"));

    models.proc_SetA3Order(0, nullptr);
    models.proc_SetA3CompOrder(5, engine.gA3CompOrders().at(0).get());
    EXPECT_TRUE(log.contains(QStringLiteral("proc_SetA3Order ERR")));
    EXPECT_TRUE(log.contains(QStringLiteral("proc_SetA3CompOrder ERR")));
}

TEST(SameDayBoard, DoubleClickOpensOnlySameDayKind)
{
    SameDayBoardModels models;
    TA3ORDER o;
    ASSERT_TRUE(proc_SetA3OrderFromRow(o, sameDayRow("A1", "2001", kStamp, {{27, QStringLiteral("S0001")},
                                                                           {3, QStringLiteral("42")}})));
    models.rowInserted(SameDayBoard::Today, 0, o);
    ASSERT_TRUE(proc_SetA3OrderFromRow(o, sameDayRow("A2", "2001", kStamp, {{27, QStringLiteral("S0002")},
                                                                           {4, QStringLiteral("1011")}})));
    models.rowInserted(SameDayBoard::Today, 1, o);
    QStringList opened, loaded;
    SameDayOpenHooks hooks;
    hooks.storeIndex = [](const QString &code) { return code == QLatin1String("S0001") ? 0 : 1; };
    hooks.storeNameMissing = [](int i) { return i == 1; };
    hooks.loadStoreInfo = [&](const QString &code) { loaded.append(code); };
    hooks.openOrder = [&](const QString &no, const QString &st, const QString &one, const QString &allNo,
                          const QString &kind, const QString &share) {
        opened.append(QStringList{no, st, one, allNo, kind, share}.join('|'));
    };
    grdA3ViewCellDblClick(models.grdA3View(), QStringLiteral("grdA3Col_"), 0, hooks);
    grdA3ViewCellDblClick(models.grdA3View(), QStringLiteral("grdA3Col_"), 1, hooks);
    grdA3ViewCellDblClick(models.grdA3View(), QStringLiteral("grdA3Col_"), 7, hooks);
    EXPECT_EQ(opened, QStringList{"A1|2001|1|42|1009|"});
    EXPECT_EQ(loaded, QStringList{"S0002"}) << "kind 1011 loads its store but opens nothing";
}

// ---- filters --------------------------------------------------------------------------------

namespace
{
class SameDayFilterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        G_FIELD_SEP = sep();
        SameDayEngine::Hooks hooks;
        hooks.myOrder = [](const A3Values &) { return true; };
        hooks.log = [](const QString &) {};
        engine.setHooks(hooks);
        engine.setSink(&models);
        engine.enqueue(QStringLiteral("A3,0,"),
                       {page({sameDayRow("A1", "1001", kStamp, {{37, QStringLiteral("서울 성동구 왕십리로 12")}}),
                              sameDayRow("A2", "6203", kStamp,
                                         {{74, QStringLiteral("최유나")}, {36, QStringLiteral("BR2")},
                                          {67, QStringLiteral("1")}}),
                              sameDayRow("A3", "3001", kStamp,
                                         {{4, QStringLiteral("1014")}, {97, QStringLiteral("612345")},
                                          {36, QStringLiteral("BR2")}, {67, QStringLiteral("2")}}),
                              sameDayRow("A12", "4003", kStamp, {{28, QStringLiteral("성수허브")}})})});
        engine.dispatchPending();
        scope.userClass = QStringLiteral("3");
    }
    QStringList shown() { return shownNumbers(models.grdA3View(), QStringLiteral("grdA3Col_")); }
    bool filter() { return f.proc_A3Filter(bar, scope, &models.grdA3View(), &models.grdEndView()); }

    SameDayEngine engine;
    SameDayBoardModels models;
    SameDayFilterBar bar;
    SameDayFilterScope scope;
    SameDayFilter f;
};
} // namespace

TEST_F(SameDayFilterTest, StatusButtonsAndTheTotalButton)
{
    EXPECT_TRUE(filter());
    EXPECT_EQ(shown(), (QStringList{"A1", "A2", "A3", "A12"}));
    EXPECT_FALSE(filter()) << "nothing changed: nothing rebuilt";

    bar.btnSameDayTotalClick(false);
    EXPECT_FALSE(filter()) << "total up with no button down asks for the same rows";
    EXPECT_EQ(shown(), (QStringList{"A1", "A2", "A3", "A12"})) << "total up, no button: no status condition";

    bar.btnSameDayRegClick(1, true);
    filter();
    EXPECT_EQ(shown(), QStringList{"A1"});
    bar.btnSameDayRegClick(9, true);
    filter();
    EXPECT_EQ(shown(), (QStringList{"A1", "A2"}));
    bar.btnSameDayRegClick(1, false);
    bar.btnSameDayRegClick(9, false);
    filter();
    EXPECT_EQ(shown(), (QStringList{"A1", "A2", "A3", "A12"}));
    EXPECT_FALSE(bar.total);

    bar.btnSameDayTotalClick(true);
    EXPECT_TRUE(bar.down[5]);
    bar.btnSameDayRegClick(5, false);
    EXPECT_FALSE(bar.total) << "a button going up releases the total button";
    bar.btnSameDayRegClick(5, true);
    EXPECT_TRUE(bar.total) << "all twelve down presses it again";
}

TEST_F(SameDayFilterTest, SearchBoxesAndKinds)
{
    struct Case
    {
        const char *what;
        QString SameDayFilterBar::*box;
        QString text;
        QStringList expected;
    };
    const Case cases[] = {
        {"number, addresses and invoice, trimmed", &SameDayFilterBar::order, QStringLiteral("  12 "), {"A1", "A3", "A12"}},
        {"new address", &SameDayFilterBar::order, QStringLiteral("왕십리"), {"A1"}},
        {"invoice number", &SameDayFilterBar::order, QStringLiteral("612345"), {"A3"}},
        {"placeholder is empty", &SameDayFilterBar::order, kSameDayOrderHint, {"A1", "A2", "A3", "A12"}},
        {"wildcards are plain text", &SameDayFilterBar::order, QStringLiteral("A%"), {}},
        {"store", &SameDayFilterBar::store, QStringLiteral("성수"), {"A12"}},
        {"collection courier", &SameDayFilterBar::worker, QStringLiteral("유나"), {"A2"}},
        {"customer", &SameDayFilterBar::cust, QStringLiteral("민준"), {"A1", "A2", "A3", "A12"}},
    };
    for (const Case &c : cases) {
        SameDayFilterBar fresh;
        bar = fresh;
        bar.*(c.box) = c.text;
        filter();
        EXPECT_EQ(shown(), c.expected) << c.what;
    }
    bar = SameDayFilterBar();
    bar.tb = false;
    filter();
    EXPECT_EQ(shown(), (QStringList{"A1", "A2", "A12"})) << "parcel kinds off";
}

TEST_F(SameDayFilterTest, CompletedGridFiltersOnItsOwnColumns)
{
    engine.enqueue(QStringLiteral("A3,0,M"),
                   {page({sameDayRow("A3", "4001", "20261211100000000",
                                     {{4, QStringLiteral("1014")}, {97, QStringLiteral("612345")}})})});
    engine.dispatchPending();
    bar.order = QStringLiteral("612345");
    filter();
    EXPECT_EQ(shownNumbers(models.grdEndView(), QStringLiteral("grdEndCol_")), QStringList{"A3"});
    bar.order.clear();
    bar.tb = false;
    filter();
    EXPECT_TRUE(shownNumbers(models.grdEndView(), QStringLiteral("grdEndCol_")).isEmpty());
}

TEST_F(SameDayFilterTest, ScopeOfDistributorsAndHeadOffices)
{
    scope.userClass = QStringLiteral("5");
    scope.br = QStringLiteral("BR1");
    scope.stDvryType = QStringLiteral("D9");
    scope.normal = 1;
    filter();
    // A2 and A3 belong to another branch; A2's delivery group is not "2", so it shows.
    EXPECT_EQ(shown(), (QStringList{"A1", "A2", "A12"}));

    scope.userClass = QStringLiteral("7");
    scope.searchSameDay = true;
    scope.branchCodes = QStringList{QStringLiteral("BR2")};
    filter();
    EXPECT_EQ(shown(), (QStringList{"A2", "A3"}));
    scope.searchSameDay = false;
    filter();
    EXPECT_EQ(shown().size(), 4);
}
