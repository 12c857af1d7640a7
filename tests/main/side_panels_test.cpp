#include "common/interface_texts.h"
#include "common/qstring_print.h"
#include "common/program_globals.h"
#include "main/courier_panel.h"
#include "reference/reference_state.h"
#include "main/store_panel.h"
#include "records/courier_records.h"
#include "records/reference_records.h"
#include "settings/settings_file.h"
#include "text/date_helpers.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace
{
struct CourierSeed
{
    const char *code;
    const char *br;
    const char *status;
    const char *attend;
    int waitWork;  // 1 waiting, 2 driving
    int c3001, c3003, c4001;
    const char *tel = "01012345678";
    const char *car = "";
    const char *name = "";
};

void seedCouriers(const QList<CourierSeed> &seeds)
{
    ResetCourierRecords();
    for (const CourierSeed &s : seeds) {
        TMyWorker w;
        w.WkCode = QString::fromUtf8(s.code);
        w.Wkname = QString::fromUtf8(*s.name ? s.name : s.code);
        w.BrCode = QString::fromUtf8(s.br);
        w.DataStatus = QString::fromUtf8(s.status);
        w.WkAttendCD = QString::fromUtf8(s.attend);
        w.WkAttendWorkWait = s.waitWork;
        w.Wk3001Cnt = s.c3001;
        w.Wk3003Cnt = s.c3003;
        w.Wk4001Cnt = s.c4001;
        w.WkTel = QString::fromUtf8(s.tel);
        w.WKCarNumber = QString::fromUtf8(s.car);
        w.WKChangeYN = 2;
        G_MY_WORKER.MyWorkerArray.append(w.WkCode, w);
    }
}

QStringList shownCouriers(const CourierPanelModel &m)
{
    QStringList out;
    for (int r = 0; r < m.grid().rowCount(); ++r)
        out.append(m.courierOfRow(r));
    out.sort();
    return out;
}

class CourierPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetReferenceState();
        CCB_WA.add(QStringLiteral("0001"), QStringLiteral("출근"));
        CCB_WA.add(QStringLiteral("0002"), QStringLiteral("퇴근"));
        CCB_WA.add(QStringLiteral("0003"), QStringLiteral("휴식"));
        G_REINIT_DONE = true;
        // driving: has assigned orders; waiting: none; one resting, one gone home, one inactive.
        seedCouriers({
            {"W1", "B1", "1", "0001", 2, 1, 0, 0},
            {"W2", "B1", "1", "0001", 2, 0, 2, 0},
            {"W3", "B1", "1", "0001", 1, 0, 0, 3},
            {"W4", "B2", "1", "0003", 0, 0, 0, 0},
            {"W5", "B2", "1", "0002", 0, 0, 0, 1},
            {"W6", "B2", "0", "0001", 2, 4, 1, 2},
        });
        model.branches.fill({QStringLiteral("강남"), QStringLiteral("서초")}, {QStringLiteral("B1"), QStringLiteral("B2")});
        model.procDvryBRSelectAddList();
    }
    void TearDown() override
    {
        G_REINIT_DONE = false;
        ResetCourierRecords();
        ResetReferenceState();
    }
    CourierPanelModel model;
};

TEST_F(CourierPanelTest, StateButtonsFilterTheCouriers)
{
    ASSERT_TRUE(model.procUpdateWorkerGrid(true));
    struct Case
    {
        const char *what;
        QList<int> down;  // buttons down besides the defaults being reset
        QStringList shown;
    };
    const QList<Case> cases = {
        {"start state: left work hidden", {btnWorker3001, btnWorker3003, btnWorker4001, btnWorkerWork, btnWorkerWait, btnWorkerRest},
         {"W1", "W2", "W3", "W4"}},
        {"everything down", {btnWorker3001, btnWorker3003, btnWorker4001, btnWorkerWork, btnWorkerWait, btnWorkerRest, btnWorkerOut},
         {"W1", "W2", "W3", "W4", "W5"}},
        {"only assigned", {btnWorker3001}, {"W1"}},
        {"only departed and completed", {btnWorker3003, btnWorker4001}, {"W2", "W3", "W5"}},
        {"only resting", {btnWorkerRest}, {"W4"}},
        {"only waiting", {btnWorkerWait}, {"W3"}},
        {"only gone home", {btnWorkerOut}, {"W5"}},
        {"nothing down: only active couriers", {}, {"W1", "W2", "W3", "W4", "W5"}},
    };
    for (const Case &c : cases) {
        model.buttons.down.fill(false);
        for (int b : c.down) {
            model.buttons.down[b] = true;
            model.buttons.toggled(b);
        }
        model.applyFilter();
        EXPECT_EQ(shownCouriers(model), c.shown) << c.what;
        EXPECT_EQ(model.buttons.down[btnWorkerAll], c.down.size() == 7) << c.what;
    }
}

TEST_F(CourierPanelTest, AllButtonMovesEveryStateButton)
{
    CourierStateButtons b;
    EXPECT_FALSE(b.down[btnWorkerAll]);
    b.down[btnWorkerOut] = true;
    b.toggled(btnWorkerOut);
    EXPECT_TRUE(b.down[btnWorkerAll]);
    b.down[btnWorkerAll] = false;
    b.toggled(btnWorkerAll);
    for (bool d : b.down)
        EXPECT_FALSE(d);
}

TEST(CourierBranchChoice, ListRules)
{
    struct Case
    {
        const char *what;
        QList<bool> before;  // after the user's click
        int clicked;
        QList<bool> after;
    };
    const QList<Case> cases = {
        {"all checked again checks everything", {true, false, true, false}, 0, {true, true, true, true}},
        {"all unchecked keeps the first branch", {false, true, true, true}, 0, {false, true, false, false}},
        {"a branch unchecked unchecks all", {true, true, false, true}, 2, {false, true, false, true}},
        {"last branch unchecked is checked again", {false, false, false, false}, 2, {false, false, true, false}},
        {"every branch checked checks all", {false, true, true, true}, 3, {true, true, true, true}},
        {"one branch only: the last stays and all follows", {false, false}, 1, {true, true}},
        {"single item stays checked", {false}, 0, {true}},
    };
    for (const Case &c : cases) {
        CourierBranchChoice choice;
        choice.names = QStringList(c.before.size());
        choice.codes = QStringList(c.before.size());
        choice.checked = c.before;
        choice.clicked(c.clicked);
        EXPECT_EQ(choice.checked, c.after) << c.what;
    }
    CourierBranchChoice choice;
    choice.fill({QStringLiteral("a"), QStringLiteral("b")}, {QStringLiteral("B1"), QStringLiteral("B2")});
    EXPECT_EQ(choice.selectedCodes(), (QStringList{QStringLiteral("B1"), QStringLiteral("B2")}));
    choice.clicked(99);  // out of range: nothing
    EXPECT_EQ(choice.checked, (QList<bool>{true, true, true}));
}

TEST_F(CourierPanelTest, CountsSkipInactiveCouriersButKeepTheirOrders)
{
    ASSERT_TRUE(model.procUpdateWorkerGrid(true));
    // left, resting, driving, waiting, 3001, 3003, 4001
    EXPECT_EQ(QList<int>(std::begin(G_WK_CNT_BR), std::end(G_WK_CNT_BR)), (QList<int>{1, 1, 2, 1, 5, 3, 6}));
    const auto t = model.countTexts;
    EXPECT_EQ(t[btnWorkerAll], "5");
    EXPECT_EQ(t[btnWorkerWork], "2");
    EXPECT_EQ(t[btnWorkerWait], "1");
    EXPECT_EQ(t[btnWorkerRest], "1");
    EXPECT_EQ(t[btnWorkerOut], "1");
    EXPECT_EQ(t[btnWorker3001], "5");

    // Only branch B2 checked.
    model.branches.checked = {false, false, true};
    model.procDvryBRSelectAddList();
    model.procDvryBRSelectWkCount();
    EXPECT_EQ(QList<int>(std::begin(G_WK_CNT_BR), std::end(G_WK_CNT_BR)), (QList<int>{1, 1, 0, 0, 4, 1, 3}));
    model.applyFilter();
    EXPECT_EQ(shownCouriers(model), (QStringList{"W4"}));  // the start buttons hide W5
}

TEST_F(CourierPanelTest, ChangeMarksUpdateRowsInPlace)
{
    ASSERT_TRUE(model.procUpdateWorkerGrid(true));
    EXPECT_EQ(model.grid().recordCount(), 6);
    for (const TMyWorker &w : G_MY_WORKER.MyWorkerArray)
        EXPECT_EQ(w.WKChangeYN, 0);
    EXPECT_EQ(model.grid().recordValue(0, grdColWorkerAttend).toString(), "운행");
    EXPECT_EQ(model.grid().recordValue(3, grdColWorkerAttend).toString(), "휴식");
    EXPECT_EQ(model.grid().recordValue(0, grdColWorkerCashNow).toString(), "0");

    // W3 takes an order and becomes a driver; W4 goes home.
    TMyWorker &w3 = G_MY_WORKER.MyWorkerArray[2];
    w3.Wk3001Cnt = 1;
    w3.WkAttendWorkWait = 2;
    w3.WKChangeYN = 1;
    TMyWorker &w4 = G_MY_WORKER.MyWorkerArray[3];
    w4.WkAttendCD = QStringLiteral("0002");
    w4.WKChangeYN = 1;
    ASSERT_TRUE(model.procUpdateWorkerGrid(false));
    EXPECT_EQ(model.grid().recordCount(), 6);
    EXPECT_EQ(model.grid().recordValue(2, grdColWorkerAttend).toString(), "운행");
    EXPECT_EQ(model.grid().recordValue(3, grdColWorkerAttend).toString(), "퇴근");
    EXPECT_EQ(shownCouriers(model), (QStringList{"W1", "W2", "W3"}));
    EXPECT_EQ(G_WK_CNT_BR[2], 3);

    // A new courier is appended.
    TMyWorker w7;
    w7.WkCode = QStringLiteral("W7");
    w7.BrCode = QStringLiteral("B1");
    w7.DataStatus = QStringLiteral("1");
    w7.WkAttendCD = QStringLiteral("0001");
    w7.WkAttendWorkWait = 1;
    w7.WKChangeYN = 2;
    G_MY_WORKER.MyWorkerArray.append(w7.WkCode, w7);
    ASSERT_TRUE(model.procUpdateWorkerGrid(false));
    EXPECT_EQ(shownCouriers(model), (QStringList{"W1", "W2", "W3", "W7"}));

    // The list was reordered behind the grid's back: the walk stops and leaves the rest marked.
    TMyWorker moved = G_MY_WORKER.MyWorkerArray[0];
    G_MY_WORKER.MyWorkerArray.removeAt(0);
    G_MY_WORKER.MyWorkerArray.append(moved.WkCode, moved);
    G_MY_WORKER.MyWorkerArray[0].WKChangeYN = 1;
    G_MY_WORKER.MyWorkerArray[1].WKChangeYN = 1;
    EXPECT_FALSE(model.procUpdateWorkerGrid(false));
    EXPECT_EQ(G_MY_WORKER.MyWorkerArray[1].WKChangeYN, 1);
    EXPECT_EQ(model.grid().recordValue(0, grdColWorkerCode).toString(), "W1");
}

TEST_F(CourierPanelTest, SearchBoxesNarrowTheList)
{
    seedCouriers({
        {"W1", "B1", "1", "0001", 1, 0, 0, 0, "01098761234", "서울12가3456", "김민준"},
        {"W2", "B1", "1", "0001", 1, 0, 0, 0, "0298760000", "부산34나5678", "이서연"},
        {"W3", "B2", "1", "0001", 1, 0, 0, 0, "01055550000", "서울99다0001", "박민서"},
    });
    ASSERT_TRUE(model.procUpdateWorkerGrid(true));
    struct Case
    {
        const char *name, *tel, *car;
        QStringList shown;
    };
    const QList<Case> cases = {
        {"", "01", "", {"W1", "W3"}},
        {"민", "", "", {"W1", "W3"}},
        {"민", "", "서울12", {"W1"}},
        {"   ", "", "", {"W1", "W2", "W3"}},
        {"%", "", "", {}},  // the user's text is plain text, not a pattern
        {"", "9876", "부산", {"W2"}},
    };
    for (const Case &c : cases) {
        model.nameText = QString::fromUtf8(c.name);
        model.telText = QString::fromUtf8(c.tel);
        model.carText = QString::fromUtf8(c.car);
        EXPECT_TRUE(model.applyFilter());
        EXPECT_EQ(shownCouriers(model), c.shown) << c.name << "/" << c.tel << "/" << c.car;
    }
    EXPECT_FALSE(model.applyFilter()) << "an unchanged filter is not rebuilt";
    // Before the initialization is done the filter does not run.
    G_REINIT_DONE = false;
    model.nameText = QStringLiteral("김");
    EXPECT_FALSE(model.applyFilter());
}

// ---------------------------------------------------------------------------------------------

struct StoreSeed
{
    const char *code;
    const char *br;
    const char *dvry;
    const char *multi;
    const char *conn;
    const char *name = "가게";
    const char *cash = "0";
};

class StorePanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetReferenceRecords();
        SetLanguageTexts();
        THD_LIST hd;
        hd.HD_CODE = QStringLiteral("H1");
        TBR_LIST a;
        a.BR_CODE = QStringLiteral("BA");
        a.DVRY_TYPE_CD = QStringLiteral("D01");
        TBR_LIST c;
        c.BR_CODE = QStringLiteral("BC");  // no delivery group
        hd.BR_LIST.append(a.BR_CODE, a);
        hd.BR_LIST.append(c.BR_CODE, c);
        G_HD_LIST.append(hd.HD_CODE, hd);
        addStores({
            {"S1", "BA", "D01", "M", "Y", "행복치킨 역삼점", "12000.6"},
            {"S2", "BA", "D01", "S", "Y", "바삭통닭", "abc"},
            {"S3", "BA", "D01", "", "N", "든든국밥"},
            {"S4", "BB", "D01", "M", "Y", "달빛족발"},
            {"S5", "BB", "D02", "", "N", "초록샐러드"},
            {"S6", "BC", "", "", "N", "꽃길분식"},
            {"S7", "BD", "", "", "N", "바다횟집"},
        });
    }
    void TearDown() override { ResetReferenceRecords(); }
    static void addStores(const QList<StoreSeed> &seeds)
    {
        for (const StoreSeed &s : seeds) {
            TST_LIST st;
            st.ST_CODE = QString::fromUtf8(s.code);
            st.BR_CODE = QString::fromUtf8(s.br);
            st.DVRY_TYPE_CD = QString::fromUtf8(s.dvry);
            st.MULTI_TYPE = QString::fromUtf8(s.multi);
            st.ST_CONN_YN = QString::fromUtf8(s.conn);
            st.ST_NAME = QString::fromUtf8(s.name);
            st.CASH_ST = QString::fromUtf8(s.cash);
            G_ST_LIST.append(st.ST_CODE, st);
        }
    }
    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 0; r < model.grid().rowCount(); ++r)
            out.append(model.grid().recordValue(model.grid().recordOfRow(r), c).toString());
        return out;
    }
    StorePanelModel model;
};

TEST_F(StorePanelTest, BranchTreeTakesSharedStoresWithTheirPrefix)
{
    model.rebuild(QStringLiteral("BA"));
    EXPECT_EQ(column(CTV_STLIST_VIEW_ST_CD), (QStringList{"S1", "S2", "S3", "S4"}));
    EXPECT_EQ(column(CTV_STLIST_VIEW_ST_TYPE), (QStringList{"메인", "종속", "일반", "공유-메인"}));
    EXPECT_EQ(column(CTV_STLIST_VIEW_PAY), (QStringList{"12001", "0", "0", "0"}));
    EXPECT_EQ(model.connectionSummary(), "접속 : 3, 미접속 : 1");
    EXPECT_FALSE(model.FB_STORE_STATUS_ST_POP);

    // Without a delivery group only the branch's own stores; an unknown branch likewise.
    model.rebuild(QStringLiteral("BC"));
    EXPECT_EQ(column(CTV_STLIST_VIEW_ST_CD), (QStringList{"S6"}));
    EXPECT_EQ(model.connectionSummary(), "접속 : 0, 미접속 : 1");
    model.rebuild(QStringLiteral("BD"));
    EXPECT_EQ(column(CTV_STLIST_VIEW_ST_CD), (QStringList{"S7"}));
    model.rebuild(QStringLiteral("ZZ"));
    EXPECT_EQ(model.grid().rowCount(), 0);
    EXPECT_EQ(model.connectionSummary(), "접속 : 0, 미접속 : 1") << "no rows: the footer keeps its text";
}

TEST_F(StorePanelTest, SearchKeepsMatchingNamesAndSetsThePhase)
{
    model.rebuild(QStringLiteral("BA"));
    model.searchText = QStringLiteral("통닭");
    model.search(27);
    EXPECT_EQ(column(CTV_STLIST_VIEW_ST_CD), (QStringList{"S2"}));
    EXPECT_EQ(model.FI_STORE_STATUS_ST_GAP, 7);
    EXPECT_EQ(model.refreshLabel, "정보업데이트중");
    model.proc_StoreStatusTreeFilter(QStringLiteral("   "));
    EXPECT_EQ(model.grid().rowCount(), 4);
    model.proc_StoreStatusTreeFilter(QStringLiteral("역삼"));
    EXPECT_EQ(column(CTV_STLIST_VIEW_ST_CD), (QStringList{"S1"}));

    // The periodic search shows the stores' current connection and money, in the same rows.
    G_ST_LIST.find(QStringLiteral("S3"))->ST_CONN_YN = QStringLiteral("Y");
    G_ST_LIST.find(QStringLiteral("S1"))->CASH_ST = QStringLiteral("500");
    G_ST_LIST.find(QStringLiteral("S5"))->DVRY_TYPE_CD = QStringLiteral("D01");
    model.searchText.clear();
    model.search(3);
    EXPECT_EQ(column(CTV_STLIST_VIEW_ST_CD), (QStringList{"S1", "S2", "S3", "S4"}));
    EXPECT_EQ(column(CTV_STLIST_VIEW_CONN_YN), (QStringList{"접속중", "접속중", "접속중", "접속중"}));
    EXPECT_EQ(column(CTV_STLIST_VIEW_PAY).first(), "500");
    EXPECT_EQ(model.connectionSummary(), "접속 : 4, 미접속 : 0");
}

TEST(StorePanelRules, CellTexts)
{
    EXPECT_EQ(StoreWorkTimeText(QStringLiteral("09002130")), "09:00~21:30");
    EXPECT_EQ(StoreWorkTimeText(QStringLiteral("09")), "09:~:");  // short text: no crash
    struct Money
    {
        const char *text;
        qint64 value;
    };
    for (const Money &m : QList<Money>{{"1500", 1500}, {"-20.5", -21}, {"", 0}, {"x1", 0}, {"1e300", 9000000000000000000LL},
                                       {"nan", 0}, {"inf", 0}})
        EXPECT_EQ(StoreMoney(QString::fromUtf8(m.text)), m.value) << m.text;

    struct Look
    {
        const char *conn, *status;
        bool grey, red;
    };
    for (const Look &l : QList<Look>{{"접속중", "1", false, false}, {"미접속", "2", true, true}, {"접속중", "", false, false},
                                     {"접속중", "x", false, false}, {"미접속", "0", true, true}}) {
        const StoreRowLook look = StoreRowLookOf(QString::fromUtf8(l.conn), QString::fromUtf8(l.status));
        EXPECT_EQ(look.grey, l.grey) << l.conn << l.status;
        EXPECT_EQ(look.red, l.red) << l.conn << l.status;
    }
}

TEST(StorePanelRules, WeekdayMarks)
{
    SetLanguageTexts();
    const auto weekdays = StoreWeekdayMarks(WeekdaysText(QStringLiteral("0111110")));
    QString open, closed;
    for (const auto &[name, isOpen] : weekdays)
        (isOpen ? open : closed) += name;
    EXPECT_EQ(open, "월화수목금");
    EXPECT_EQ(closed, "일토");
    for (const auto &[name, isOpen] : StoreWeekdayMarks(QStringLiteral("  ")))
        EXPECT_TRUE(isOpen) << name.toStdString();
}

TEST(StorePanelRules, ColumnChoicesLiveInTheSettingsFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    {
        TIniFile ini(path);
        const StoreColumnChoices start = StoreColumnChoices::read(&ini);
        EXPECT_TRUE(start.tel && start.account && start.wkDay);
        EXPECT_TRUE(StoreColumnChoices::write(&ini, 1, false));
        EXPECT_TRUE(StoreColumnChoices::write(&ini, 2, false));
        EXPECT_TRUE(StoreColumnChoices::write(&ini, 2, true));
        EXPECT_FALSE(StoreColumnChoices::write(&ini, 3, true));
        EXPECT_FALSE(StoreColumnChoices::write(nullptr, 0, true));
    }
    TIniFile again(path);
    EXPECT_EQ(again.ReadString(QStringLiteral("User"), QStringLiteral("MainStatusAccount"), QString()), "N");
    const StoreColumnChoices c = StoreColumnChoices::read(&again);
    EXPECT_TRUE(c.tel);
    EXPECT_FALSE(c.account);
    EXPECT_TRUE(c.wkDay);
    EXPECT_FALSE(c.columnVisible(CTV_STLIST_VIEW_VBANK));
    EXPECT_TRUE(c.columnVisible(CTV_STLIST_VIEW_WK_DAY));
    EXPECT_FALSE(c.columnVisible(CTV_STLIST_VIEW_ST_CD));
}

TEST(StorePanelRules, MasterStoreListsStayParallel)
{
    ResetReferenceRecords();
    for (const auto &[code, master, dvry, br] : QList<std::tuple<QString, QString, QString, QString>>{
             {"S1", "Y", "D01", "BA"}, {"S2", "N", "D01", "BA"}, {"S3", "Y", "", "BB"}}) {
        TST_LIST st;
        st.ST_CODE = code;
        st.BR_MASTER_YN = master;
        st.DVRY_TYPE_CD = dvry;
        st.BR_CODE = br;
        G_ST_LIST.append(code, st);
    }
    G_SL_MASTER_ST_CODE = QStringList{QStringLiteral("S0")};
    G_SL_MASTER_DVRY_TYPE = QStringList{QStringLiteral("D00")};
    G_SL_MASTER_BR_CODE = QStringList{QStringLiteral("B0")};
    SetBrStCodeList();
    EXPECT_EQ(G_SL_MASTER_ST_CODE, (QStringList{"S0", "S1", "S3"}));
    EXPECT_EQ(G_SL_MASTER_DVRY_TYPE, (QStringList{"D00", "D01", ""}));
    EXPECT_EQ(G_SL_MASTER_BR_CODE, (QStringList{"B0", "BA", "BB"}));
    ResetReferenceRecords();
}
} // namespace
