#include "boards/board_filters.h"

#include "grid/grid_table_model.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>

namespace
{
// The columns the filters read, in a board's naming. `p` is the prefix; the completed board
// spells two of them differently.
QList<GridColumn> boardColumns(const QString &p, bool completed)
{
    auto text = [](const QString &name) { return GridColumn{name, name, GridValueType::Text, {}}; };
    return {text(p + "ORD_NO"),
            text(p + "STATUS_CD"),
            text(completed ? p + "PAY_TYPE_CD" : QStringLiteral("CTV_MAINPAY_TYPE_CD")),
            GridColumn{p + "ORD_ST_DISTANCE", {}, GridValueType::Float, {}},
            text(p + "BR_CODE"),
            text(p + "CTH_BR_CODE"),
            text(completed ? p + "DVRY_TYPE_CD" : p + "DRVY_TYPE_CD"),
            text(p + "DVRY_GRP_TYPE"),
            text(p + "SHARE_OVER"),
            text(p + "ORD_PATH_CD"),
            text(p + "POS_TYPE_CD"),
            GridColumn{p + "TODAY_ALL_NO", {}, GridValueType::Integer, {}},
            text(p + "EXT_ORD_NO"),
            text(p + "ADDR4"),
            text(p + "SearchAddr4"),
            text(p + "ORD_ST_NAME"),
            text(p + "SearchSTNAME"),
            text(p + "WK_NAME"),
            text(p + "WK_TEL2"),
            text(p + "SearchWKNAME")};
}

// One order row in the column order above.
struct Order
{
    const char *no, *status, *pay;
    double km;
    const char *br, *cthBr, *group, *groupKind, *shareOver, *path, *pos;
    int todayNo;
    const char *ext, *addr, *addrInitials, *store, *storeInitials, *courier, *courierTel, *courierInitials;
};

const Order kOrders[] = {
    // no   status  pay        km    br    cthBr group  kind shareOver              path    pos   day ext     addr          initials store       initials  courier  tel            initials
    {"A1", "1001", "현금",     2.0, "B1", "",   "G1", "1", "",                    "1001", "P1", 101, "",      "강남구 역삼동", "ㄱㄴㄱ ㅇㅅㄷ", "행복치킨", "ㅎㅂㅊㅋ", "",       "",            ""},
    {"A2", "2001", "카드",     3.0, "B2", "B1", "G2", "1", "",                    "1014", "P2", 102, "X-77",  "서초구 방배동", "ㅅㅊㄱ ㅂㅂㄷ", "피자나라", "ㅍㅈㄴㄹ", "김철수", "01012341234", "ㄱㅊㅅ"},
    {"A3", "2002", "현금(P)",  4.0, "B2", "",   "G9", "1", "2026-12-11 10:00:00", "1028", "P1", 103, "",      "강남구 논현동", "ㄱㄴㄱ ㄴㅎㄷ", "Kimbap 100%", "Kimbap 100%", "", "",          ""},
    {"A4", "3001", "선결제",   5.0, "B3", "B3", "G3", "2", "",                    "1001", "P3", 112, "",      "송파구 잠실동", "ㅅㅍㄱ ㅈㅅㄷ", "행복분식", "ㅎㅂㅂㅅ", "이영희", "01099998888", "ㅇㅇㅎ"},
    {"A5", "3003", "카드",     6.0, "B1", "B1", "G1", "1", "",                    "1016", "P2", 120, "",      "강남구 역삼동 12%", "ㄱㄴㄱ ㅇㅅㄷ 12%", "피자나라", "ㅍㅈㄴㄹ", "김철수", "01012341234", "ㄱㅊㅅ"},
    {"A6", "1002", "현금",     7.0, "B4", "",   "G8", "1", "",                    "1001", "",   121, "",      "마포구 합정동", "ㅁㅍㄱ ㅎㅈㄷ", "행복치킨", "ㅎㅂㅊㅋ", "",       "",            ""},
    {"A7", "1007", "카드",     8.0, "B1", "",   "G1", "2", "",                    "1014", "P1", 130, "",      "강남구 삼성동", "ㄱㄴㄱ ㅅㅅㄷ", "kimbap_house", "kimbap_house", "", "",      ""},
    {"A8", "4003", "현금",     9.0, "B2", "",   "G2", "1", "",                    "1028", "P3", 140, "",      "서초구 서초동", "ㅅㅊㄱ ㅅㅊㄷ", "피자나라", "ㅍㅈㄴㄹ", "",       "",            ""},
    {"A9", "2001", "카드",    15.0, "B1", "",   "G1", "1", "2026-12-11 12:00:00", "1001", "P1", 150, "",      "하남시 신장동", "ㅎㄴㅅ ㅅㅈㄷ", "행복치킨", "ㅎㅂㅊㅋ", "",       "",            ""},
    {"C1", "4001", "현금",     1.0, "B1", "B1", "G1", "1", "",                    "1001", "P1", 160, "",      "강남구 역삼동", "ㄱㄴㄱ ㅇㅅㄷ", "행복치킨", "ㅎㅂㅊㅋ", "박민수", "01055556666", "ㅂㅁㅅ"},
    {"C2", "4002", "카드",     2.0, "B2", "B2", "G2", "1", "",                    "1014", "P2", 161, "",      "서초구 방배동", "ㅅㅊㄱ ㅂㅂㄷ", "피자나라", "ㅍㅈㄴㄹ", "",       "",            ""},
};

QVariantList rowOf(const Order &o)
{
    return {QString::fromUtf8(o.no),     QString::fromUtf8(o.status),  QString::fromUtf8(o.pay),
            o.km,                        QString::fromUtf8(o.br),      QString::fromUtf8(o.cthBr),
            QString::fromUtf8(o.group),  QString::fromUtf8(o.groupKind), QString::fromUtf8(o.shareOver),
            QString::fromUtf8(o.path),   QString::fromUtf8(o.pos),     o.todayNo,
            QString::fromUtf8(o.ext),    QString::fromUtf8(o.addr),    QString::fromUtf8(o.addrInitials),
            QString::fromUtf8(o.store),  QString::fromUtf8(o.storeInitials), QString::fromUtf8(o.courier),
            QString::fromUtf8(o.courierTel), QString::fromUtf8(o.courierInitials)};
}

void fillBoard(GridTableModel &m, const QString &prefix, bool completed)
{
    m.setColumns(boardColumns(prefix, completed));
    std::vector<QVariantList> rows;
    for (const Order &o : kOrders)
        rows.push_back(rowOf(o));
    m.appendRecords(std::move(rows));
}

// Store-order board: order number, status, payment text, path, store name, day number.
void fillStoreBoard(GridTableModel &m)
{
    auto text = [](const char *name) {
        return GridColumn{QString::fromLatin1(name), QString::fromLatin1(name), GridValueType::Text, {}};
    };
    m.setColumns({text("CTV_TAKEOUT_ORD_NO"), text("CTV_TAKEOUT_ORD_STATUS_CD"), text("CTV_TAKEOUT_PAY_TYPE_CD"),
                  text("CTV_TAKEOUT_ORD_PATH_CD"), text("CTV_TAKEOUT_ORD_ST_NAME"),
                  GridColumn{QStringLiteral("CTV_TAKEOUT_ORD_TODAY_ALL_NO"), {}, GridValueType::Integer, {}}});
    m.appendRecords({{"S1", "1001", "현금", "1001", "행복치킨", 11},
                     {"S2", "2002", "카드", "1014", "피자나라", 12},
                     {"S3", "4001", "선결제", "1001", "행복치킨", 21},
                     {"S4", "4002", "현금", "1028", "행복분식", 31},
                     {"S5", "3001", "카드", "1001", "피자나라", 41}});
}

QStringList shown(const GridTableModel &m)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.recordValue(m.recordOfRow(r), 0).toString();
    out.sort();
    return out;
}

TSHARE_GROUP rule(const char *group, const char *receiver, const char *type)
{
    TSHARE_GROUP r;
    r.DVRY_TYPE_CD = QString::fromLatin1(group);
    r.SH_DVRY_TYPE_CD = QString::fromLatin1(receiver);
    r.DVRY_SHARE_TYPE = QString::fromLatin1(type);
    return r;
}

// The bar as it is after the screen is shown: every button down, group mode, no search, a
// distributor with branch B1 of group G1 ticked, unlimited distance.
BoardFilterInputs startInputs()
{
    BoardFilterInputs in;
    in.status.fill(true);
    in.payCash = in.payCard = in.payPrepaid = true;
    in.ownGroupEnabled = true;
    in.userClass = "5";
    in.branchCodes = {"B1"};
    in.branchGroups = {"G1"};
    in.distanceKm = 9999;
    in.now = "2026-12-11 11:00:00";
    return in;
}

void onlyStatus(BoardFilterInputs &in, std::initializer_list<int> buttons)
{
    in.statusAll = false;
    in.status.fill(false);
    for (int b : buttons)
        in.status[size_t(b)] = true;
}

struct Case
{
    const char *name;
    std::function<void(BoardFilterInputs &)> change;
    QStringList shown;
};

const QStringList kAll = {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "C1", "C2"};

} // namespace

// Each case filters a fresh live and completed board by one state of the bar.
TEST(BoardFilters, LiveBoardByBarState)
{
    const std::vector<Case> cases = {
        {"start state restricts nothing", [](BoardFilterInputs &) {}, kAll},
        {"accepted only", [](BoardFilterInputs &in) { onlyStatus(in, {kStAccepted}); }, {"A1"}},
        {"requested takes 2002 too", [](BoardFilterInputs &in) { onlyStatus(in, {kStRequested}); },
         {"A2", "A3", "A9"}},
        {"waiting takes 1007 too", [](BoardFilterInputs &in) { onlyStatus(in, {kStWaiting}); }, {"A6", "A7"}},
        {"all up and no status down shows every status", [](BoardFilterInputs &in) { onlyStatus(in, {}); },
         kAll},
        {"finished acts on the completed board only",
         [](BoardFilterInputs &in) { onlyStatus(in, {kStFinished}); }, kAll},
        {"assigned and cancelled", [](BoardFilterInputs &in) { onlyStatus(in, {kStAssigned, kStCancelled}); },
         {"A4"}},
        {"cash alone keeps the texts holding 현금",
         [](BoardFilterInputs &in) {
             in.payAll = false;
             in.payCard = in.payPrepaid = false;
         },
         {"A1", "A3", "A6", "A8", "C1"}},
        {"card and prepaid",
         [](BoardFilterInputs &in) {
             in.payAll = false;
             in.payCash = false;
         },
         {"A2", "A4", "A5", "A7", "A9", "C2"}},
        {"distance limit 5 km", [](BoardFilterInputs &in) { in.distanceKm = 5; },
         {"A1", "A2", "A3", "A4", "C1", "C2"}},
        {"order number in the day number or the external number",
         [](BoardFilterInputs &in) { in.searchOrderNo = "12"; }, {"A4", "A5", "A6"}},
        {"order number finds the external number", [](BoardFilterInputs &in) { in.searchOrderNo = "x-7"; },
         {"A2"}},
        {"destination typed as initial consonants",
         [](BoardFilterInputs &in) { in.searchDestination = "ㄱㄴㄱ ㅇ"; }, {"A1", "A5", "C1"}},
        {"percent sign is an ordinary character", [](BoardFilterInputs &in) { in.searchDestination = "12%"; },
         {"A5"}},
        {"percent alone finds only texts holding it", [](BoardFilterInputs &in) { in.searchStore = "%"; },
         {"A3"}},
        {"underscore is an ordinary character", [](BoardFilterInputs &in) { in.searchStore = "p_1"; }, {}},
        {"store search ignores letter case", [](BoardFilterInputs &in) { in.searchStore = "KIMBAP"; },
         {"A3", "A7"}},
        {"courier by telephone", [](BoardFilterInputs &in) { in.searchCourier = "9999"; }, {"A4"}},
        {"courier by initials", [](BoardFilterInputs &in) { in.searchCourier = "ㄱㅊ"; }, {"A2", "A5"}},
        {"two boxes: rows matching both",
         [](BoardFilterInputs &in) {
             in.searchStore = "피자";
             in.searchCourier = "김";
         },
         {"A2", "A5"}},
        {"own group: the branch's group, the shared rule's group and sharing orders",
         [](BoardFilterInputs &in) {
             in.sharedGroupDown = false;
             in.shareRules = {rule("G9", "G1", "1"), rule("G8", "G1", "2")};
         },
         {"A1", "A3", "A4", "A5", "A7", "A9", "C1"}},
        {"shared group with one rule hides the own groups and that rule's group",
         [](BoardFilterInputs &in) {
             in.ownGroupDown = false;
             in.shareRules = {rule("G9", "G1", "1")};
         },
         {"A2", "A6", "A8", "C2"}},
        {"shared group with two rules hides both rules' groups",
         [](BoardFilterInputs &in) {
             in.ownGroupDown = false;
             in.shareRules = {rule("G9", "G1", "1"), rule("G8", "G1", "1")};
         },
         {"A2", "A8", "C2"}},
        {"both group buttons up: no group criteria",
         [](BoardFilterInputs &in) { in.ownGroupDown = in.sharedGroupDown = false; }, kAll},
        {"group buttons disabled: no group criteria",
         [](BoardFilterInputs &in) {
             in.ownGroupEnabled = false;
             in.sharedGroupDown = false;
         },
         kAll},
        {"designated dispatch: requested orders of the own and shared groups past their sharing time",
         [](BoardFilterInputs &in) {
             in.groupModeDown = false;
             in.dispatchModeDown = true;
             in.ownGroupEnabled = in.ownGroupDown = in.sharedGroupDown = false;
             in.designatedDown = true;
             in.shareRules = {rule("G9", "G1", "2")};
         },
         {"A3"}},
        {"partner head office narrows the live board to the ticked branches",
         [](BoardFilterInputs &in) { in.userClass = "7"; }, {"A1", "A2", "A5", "A7", "A9", "C1"}},
        {"partner head office with 전체 ticked: only the completed board narrows",
         [](BoardFilterInputs &in) {
             in.userClass = "7";
             in.branchAllTicked = true;
         },
         kAll},
        {"store: ticked paths or POS types",
         [](BoardFilterInputs &in) {
             in.userClass = "1";
             in.pathTags = {"1016"};
             in.posTypeTags = {"P3"};
         },
         {"A4", "A5", "A8"}},
        {"paths do not act for other users",
         [](BoardFilterInputs &in) { in.pathTags = {"1016"}; }, kAll},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GridTableModel live;
        fillBoard(live, "CTV_MAIN_", false);
        BoardFilterEngine engine;
        engine.setModel(FilterBoard::Live, &live);
        BoardFilterInputs in = startInputs();
        c.change(in);
        engine.run(in);
        EXPECT_EQ(shown(live), c.shown);
    }
}

// The completed board: only 완료 and 취소 act, sharing rules take no part in the group views,
// and every user but a store sees only the ticked branches (here B1: A1, A2, A5, A7, A9, C1).
TEST(BoardFilters, CompletedBoardByBarState)
{
    const QStringList base = {"A1", "A2", "A5", "A7", "A9", "C1"};
    const std::vector<Case> cases = {
        {"start state: the ticked branch", [](BoardFilterInputs &) {}, base},
        {"finished only", [](BoardFilterInputs &in) { onlyStatus(in, {kStFinished}); }, {"C1"}},
        {"accepted does not act here", [](BoardFilterInputs &in) { onlyStatus(in, {kStAccepted}); }, base},
        {"cancelled only", [](BoardFilterInputs &in) { onlyStatus(in, {kStAssigned, kStCancelled}); }, {}},
        {"own group without the sharing rules",
         [](BoardFilterInputs &in) {
             in.sharedGroupDown = false;
             in.shareRules = {rule("G9", "G1", "1")};
         },
         {"A1", "A5", "A7", "A9", "C1"}},
        {"shared group", [](BoardFilterInputs &in) { in.ownGroupDown = false; }, {"A2"}},
        {"designated dispatch",
         [](BoardFilterInputs &in) {
             in.groupModeDown = false;
             in.dispatchModeDown = true;
             in.ownGroupEnabled = in.ownGroupDown = in.sharedGroupDown = false;
             in.designatedDown = true;
             in.now = "2026-12-11 12:00:01";
         },
         {"A9"}},
        {"partner head office with 전체 ticked still narrows here",
         [](BoardFilterInputs &in) {
             in.userClass = "7";
             in.branchAllTicked = true;
         },
         base},
        {"store users are not narrowed by branch", [](BoardFilterInputs &in) { in.userClass = "1"; }, kAll},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GridTableModel completed;
        fillBoard(completed, "CTV_MAIN_COMP_", true);
        BoardFilterEngine engine;
        engine.setModel(FilterBoard::Completed, &completed);
        BoardFilterInputs in = startInputs();
        c.change(in);
        engine.run(in);
        EXPECT_EQ(shown(completed), c.shown);
    }
}

TEST(BoardFilters, CompletedBoardByBranchOfEveryClassButStores)
{
    GridTableModel completed;
    fillBoard(completed, "CTV_MAIN_COMP_", true);
    BoardFilterEngine engine;
    engine.setModel(FilterBoard::Completed, &completed);
    BoardFilterInputs in = startInputs();
    in.branchCodes = {"B2", "B3"};
    in.branchGroups = {"G2", "G3"};
    engine.run(in);
    EXPECT_EQ(shown(completed), QStringList({"A2", "A3", "A4", "A8", "C2"}));
    in.userClass = "1";
    engine.run(in);
    EXPECT_EQ(shown(completed), kAll);
}

TEST(BoardFilters, StoreOrderBoard)
{
    struct StoreCase
    {
        const char *name;
        std::function<void(BoardFilterInputs &)> change;
        QStringList shown;
    };
    const std::vector<StoreCase> cases = {
        {"start state", [](BoardFilterInputs &) {}, {"S1", "S2", "S3", "S4", "S5"}},
        {"requested takes 2002", [](BoardFilterInputs &in) { onlyStatus(in, {kStRequested}); }, {"S2"}},
        {"finished and cancelled", [](BoardFilterInputs &in) { onlyStatus(in, {kStFinished, kStCancelled}); },
         {"S3", "S4"}},
        {"assigned does not act here", [](BoardFilterInputs &in) { onlyStatus(in, {kStAssigned}); },
         {"S1", "S2", "S3", "S4", "S5"}},
        {"prepaid only",
         [](BoardFilterInputs &in) {
             in.payAll = in.payCash = in.payCard = false;
         },
         {"S3"}},
        {"store name", [](BoardFilterInputs &in) { in.searchStore = "행복"; }, {"S1", "S3", "S4"}},
        {"two boxes: rows matching both",
         [](BoardFilterInputs &in) {
             in.searchStore = "행복";
             in.searchOrderNo = "1";
         },
         {"S1", "S3", "S4"}},
        {"two boxes narrow, never widen",
         [](BoardFilterInputs &in) {
             in.searchStore = "피자";
             in.searchOrderNo = "41";
         },
         {"S5"}},
        {"destination and courier boxes do not act here",
         [](BoardFilterInputs &in) { in.searchCourier = "김"; }, {"S1", "S2", "S3", "S4", "S5"}},
        {"store user's paths",
         [](BoardFilterInputs &in) {
             in.userClass = "1";
             in.pathTags = {"1014", "1028"};
         },
         {"S2", "S4"}},
    };
    for (const StoreCase &c : cases) {
        SCOPED_TRACE(c.name);
        GridTableModel store;
        fillStoreBoard(store);
        BoardFilterEngine engine;
        engine.setModel(FilterBoard::StoreOrders, &store);
        BoardFilterInputs in = startInputs();
        c.change(in);
        engine.run(in);
        EXPECT_EQ(shown(store), c.shown);
    }
}

TEST(BoardFilters, RebuildsOnlyWhatChanged)
{
    GridTableModel live, completed;
    fillBoard(live, "CTV_MAIN_", false);
    fillBoard(completed, "CTV_MAIN_COMP_", true);
    BoardFilterEngine engine;
    engine.setModel(FilterBoard::Live, &live);
    engine.setModel(FilterBoard::Completed, &completed);
    BoardFilterInputs in = startInputs();

    EXPECT_EQ(engine.run(in), (1u << kBoardFilterInputCount) - 1) << "the first run builds every group";
    EXPECT_EQ(engine.run(in), 0u) << "an order batch with unchanged controls rebuilds nothing";

    in.searchStore = "피자";
    EXPECT_EQ(engine.run(in), 1u << kInSearches);
    in.distanceKm = 4;
    in.payAll = false;
    in.payCash = false;
    EXPECT_EQ(engine.run(in), (1u << kInDistance) | (1u << kInPayment));
    EXPECT_EQ(shown(live), QStringList({"A2", "C2"}));

    // New rows are filtered by the criteria in place, without a rebuild.
    live.appendRecord(rowOf({"N1", "2001", "카드", 1.0, "B1", "", "G1", "1", "", "1001", "P1", 170, "", "",
                             "", "피자헛", "", "", "", ""}));
    live.appendRecord(rowOf({"N2", "2001", "현금", 1.0, "B1", "", "G1", "1", "", "1001", "P1", 171, "", "",
                             "", "피자헛", "", "", "", ""}));
    EXPECT_EQ(engine.run(in), 0u);
    EXPECT_EQ(shown(live), QStringList({"A2", "C2", "N1"}));

    // A new model is built in full.
    GridTableModel other;
    fillBoard(other, "CTV_MAIN_", false);
    engine.setModel(FilterBoard::Live, &other);
    EXPECT_EQ(engine.run(in), (1u << kBoardFilterInputCount) - 1);
    EXPECT_EQ(shown(other), QStringList({"A2", "C2"}));
}

TEST(BoardFilters, DesignatedDispatchFollowsTheClock)
{
    GridTableModel live;
    fillBoard(live, "CTV_MAIN_", false);
    BoardFilterEngine engine;
    engine.setModel(FilterBoard::Live, &live);
    BoardFilterInputs in = startInputs();
    in.groupModeDown = false;
    in.dispatchModeDown = true;
    in.ownGroupEnabled = in.ownGroupDown = in.sharedGroupDown = false;
    in.designatedDown = true;
    in.now = "2026-12-11 11:00:00";
    engine.run(in);
    EXPECT_EQ(shown(live), QStringList());
    // A9 becomes visible through sharing at 12:00: the next run after that shows it, although no
    // control changed.
    in.now = "2026-12-11 12:00:01";
    EXPECT_EQ(engine.run(in), 1u << kInGroups);
    EXPECT_EQ(shown(live), QStringList({"A9"}));

    // Outside designated dispatch the clock alone rebuilds nothing.
    in.designatedDown = false;
    engine.run(in);
    in.now = "2026-12-11 13:00:00";
    EXPECT_EQ(engine.run(in), 0u);
}

TEST(BoardFilters, EmptyStoreBoardKeepsNoStaleSearch)
{
    GridTableModel store;
    fillStoreBoard(store);
    BoardFilterEngine engine;
    engine.setModel(FilterBoard::StoreOrders, &store);
    BoardFilterInputs in = startInputs();
    in.searchStore = "피자";
    engine.run(in);
    store.clearRecords();
    in.searchStore.clear(); // the search is cleared while the board is empty
    engine.run(in);
    fillStoreBoard(store);
    EXPECT_EQ(shown(store), QStringList({"S1", "S2", "S3", "S4", "S5"}));
}

TEST(BoardFilters, SearchTermsAndDistanceSteps)
{
    const QString hint = QStringLiteral("도   착   지");
    EXPECT_EQ(SearchTerm(hint, hint), QString());
    EXPECT_EQ(SearchTerm("   ", hint), QString());
    EXPECT_EQ(SearchTerm("  역삼 ", hint), QString("역삼"));
    EXPECT_EQ(SearchTerm(" 도   착   지 ", hint), QString("도   착   지")) << "only the hint itself is no search";

    struct Step
    {
        int position;
        double km;
        const char *label;
    };
    for (const Step &s : {Step{0, 1, "1km"}, Step{4, 5, "5km"}, Step{9, 10, "10km"}, Step{10, 9999, "무제한"},
                          Step{-3, 1, "1km"}, Step{25, 9999, "무제한"}}) {
        SCOPED_TRACE(s.position);
        EXPECT_EQ(DistanceKmOfPosition(s.position), s.km);
        EXPECT_EQ(DistanceLabelOfPosition(s.position, QStringLiteral("무제한")), QString::fromUtf8(s.label));
    }
}

TEST(BoardFilters, MissingColumnsAreLeftOut)
{
    GridTableModel bare;
    bare.setColumns({GridColumn{"CTV_MAIN_ORD_NO", {}, GridValueType::Text, {}},
                     GridColumn{"CTV_MAIN_STATUS_CD", {}, GridValueType::Text, {}}});
    bare.appendRecords({{"A1", "1001"}, {"A2", "2001"}});
    BoardFilterEngine engine;
    engine.setModel(FilterBoard::Live, &bare);
    BoardFilterInputs in = startInputs();
    in.distanceKm = 1;
    in.searchStore = "행복";
    onlyStatus(in, {kStRequested});
    engine.run(in);
    EXPECT_EQ(shown(bare), QStringList({"A2"}));
}
