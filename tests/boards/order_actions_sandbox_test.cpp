// The board's order actions against the in-process sandbox: what goes out for each board, what is
// never sent, the two-step dispatch cancel, the settlement cancel and what the user reads.

#include "../link/sandbox_link_fixture.h"

#include "common/interface_texts.h"
#include "orders/live_order_engine.h"
#include "orders/live_order_loader.h"
#include "boards/order_actions.h"
#include "orders/order_test_support.h"
#include "orders/order_globals.h"
#include "sandbox/order_scenario.h"
#include "sandbox/sandbox_database.h"

namespace
{
const QString kBranch = QStringLiteral("B000101");
const QString kOk = QStringLiteral("성공했습니다.");

class OrderActionsSandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        proc_SetLanKor();
        ResetOrderGlobals();
        G_USER_INFO.ID = QStringLiteral("tester");
        G_USER_INFO.USER_TYPE_CD = "5001";
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = kBranch;
        G_USER_INFO.USER_CODE = kBranch;
        G_USER_INFO.GRP_NAME = QStringLiteral("강남총판");
        G_USER_INFO.AUTH_TEL = QStringLiteral("0215881234");
        hooks.reloadLiveOrders = [this] { ++liveReloads; };
        hooks.reloadStoreOrders = [this] { ++storeReloads; };
        hooks.refreshPopup = [this] {
            ++refreshes;
            return focus(state.fields.FPOP_ORDER_NO);
        };
        hooks.suspendLiveGrid = [this](bool on) { suspended.append(on); };
    }

    void TearDown() override
    {
        ResetOrderGlobals();
        SandboxLinkTest::TearDown();
    }

    SandboxDatabase &db() { return *host->database(); }

    // An order of the branch put into `status` (with a courier when dispatched).
    QString orderIn(const QString &status, QHash<QString, QString> extra = {})
    {
        const QList<QVariantList> rows = db().rows(QStringLiteral("SELECT ord_no FROM orders ORDER BY ord_no"));
        const QString no = rows.size() > m_used
                               ? rows.at(m_used).value(0).toString()
                               : SandboxOrders::copyOrder(db(), rows.first().value(0).toString(), QStringLiteral("1001"));
        ++m_used;
        extra.insert(QStringLiteral("ord_br_code"), kBranch);
        extra.insert(QStringLiteral("takeout_yn"), QStringLiteral("N"));
        extra.insert(QStringLiteral("end_date"), QString());
        extra.insert(QStringLiteral("arr_time"), QString());
        extra.insert(QStringLiteral("ord_status_cd"), status);
        const bool carried = status == QLatin1String("3001") || status == QLatin1String("3003");
        extra.insert(QStringLiteral("cth_wk_code"), carried ? QStringLiteral("K00001") : QString());
        extra.insert(QStringLiteral("ord_grp_no"), extra.value(QStringLiteral("ord_grp_no")));
        SandboxOrders::updateOrder(db(), no, extra);
        return no;
    }

    // The popup opened on the order as the server keeps it.
    bool focus(const QString &no)
    {
        const QHash<QString, QString> o = SandboxOrders::order(db(), no);
        if (o.isEmpty())
            return false;
        OrderPopupFields &f = state.fields;
        f.FPOP_ORDER_SERVICE = o.value(QStringLiteral("takeout_yn"));
        f.FPOP_ORDER_STATUS = o.value(QStringLiteral("ord_status_cd"));
        f.FPOP_ORDER_NO = no;
        f.FPOP_ORD_ST_CODE = o.value(QStringLiteral("ord_st_code"));
        f.FPOP_CTH_WK_CODE = o.value(QStringLiteral("cth_wk_code"));
        f.FPOP_CTH_ST_CODE = o.value(QStringLiteral("cth_st_code"));
        f.FPOP_CTH_BR_CODE = o.value(QStringLiteral("cth_br_code"));
        f.FPOP_ORD_ST_TEL = o.value(QStringLiteral("ord_st_tel"));
        f.FPOP_ORD_GRP_NO = o.value(QStringLiteral("ord_grp_no"));
        return true;
    }

    QString status(const QString &no) { return SandboxOrders::order(db(), no).value(QStringLiteral("ord_status_cd")); }

    QList<SandboxRequest> sent(const QString &prefix = QStringLiteral("CS01_")) const
    {
        QList<SandboxRequest> out;
        for (const SandboxRequest &r : host->receivedRequests())
            if (r.reqNum.startsWith(prefix))
                out.append(r);
        return out;
    }

    QStringList texts(const QString &kind = QStringLiteral("I")) const
    {
        QStringList out;
        for (const auto &[k, t] : boxes.shown)
            if (k == kind)
                out.append(t);
        return out;
    }

    // Whether the live load after `mark` brings the order back.
    bool nextLoadBrings(const QString &mark, const QString &no)
    {
        SandboxOrders::Scope scope{QStringLiteral("5"), QStringLiteral("H0001"), kBranch, QString()};
        for (const QString &row : SandboxOrders::loadRows(db(), scope, false, mark, nullptr))
            if (row.section(QChar(0x2502), 0, 0) == no)
                return true;
        return false;
    }

    QString currentMark()
    {
        QString mark;
        SandboxOrders::Scope scope{QStringLiteral("5"), QStringLiteral("H0001"), kBranch, QString()};
        SandboxOrders::loadRows(db(), scope, false, QStringLiteral("999999999"), &mark);
        return mark;
    }

    OrderPopupState state;
    OrderActionHooks hooks;
    int liveReloads = 0;
    int storeReloads = 0;
    int refreshes = 0;
    QList<bool> suspended;
    int m_used = 0;
};
} // namespace

TEST_F(OrderActionsSandbox, StatusChangeGoesToTheBoardsRequestAndTheServerApplies)
{
    struct Case
    {
        OrderMenuTab tab;
        QString code;
        int fields;
        int liveReloads, storeReloads;
    };
    const std::vector<Case> cases = {
        {OrderMenuTab::Live, "CS01_11_V03", 8, 1, 0},
        {OrderMenuTab::Completed, "CS01_11_V03", 8, 0, 0},
        {OrderMenuTab::StoreOrders, "CS01_63_V01", 7, 0, 1},
    };
    for (const Case &c : cases) {
        host->clearReceived();
        boxes.shown.clear();
        liveReloads = storeReloads = 0;
        const QString no = orderIn(QStringLiteral("1001"));
        const QString mark = currentMark();
        ASSERT_TRUE(focus(no));
        OrderActions actions(state, hooks);
        actions.setTab(c.tab);
        // "배달요청변경" carries no reason; a Hint on a plain change is never sent.
        actions.NStatusCancelDvryReadyClick(2001, QStringLiteral("C01"), 0);

        const QList<SandboxRequest> r = sent();
        ASSERT_EQ(r.size(), 1);
        EXPECT_EQ(r.at(0).reqNum, c.code);
        EXPECT_EQ(r.at(0).callType, QStringLiteral("ADM1"));
        QStringList expected = {no, "tester", "5", "1001", "2001", "", ""};
        if (c.fields == 8)
            expected.append(QString());
        EXPECT_EQ(r.at(0).fields(), expected);
        EXPECT_EQ(status(no), QStringLiteral("2001"));
        EXPECT_TRUE(nextLoadBrings(mark, no));
        EXPECT_EQ(texts(), QStringList{kOk});
        EXPECT_EQ(liveReloads, c.liveReloads);
        EXPECT_EQ(storeReloads, c.storeReloads);
    }
}

TEST_F(OrderActionsSandbox, CancellationCarriesTheReasonAndTheSettlementCancelFollows)
{
    const QString no = orderIn(QStringLiteral("4001"));
    ASSERT_TRUE(focus(no));
    OrderActions actions(state, hooks);
    actions.setTab(OrderMenuTab::Completed);
    actions.NStatusCancelDvryReadyClick(4002, QStringLiteral("C03"), 1);

    const QList<SandboxRequest> r = sent();
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.at(0).fields(), (QStringList{no, "tester", "5", "4001", "4002", "C03", "", ""}));
    EXPECT_EQ(r.at(1).reqNum, QStringLiteral("CS01_27_V01"));
    EXPECT_EQ(r.at(1).callType, QStringLiteral("ADM1"));
    EXPECT_EQ(r.at(1).fields(), (QStringList{no, "tester", "5", "4002"}));
    EXPECT_EQ(status(no), QStringLiteral("4002"));
    EXPECT_EQ(SandboxOrders::order(db(), no).value(QStringLiteral("cancel_aj_yn")), QStringLiteral("Y"));
    EXPECT_EQ(texts(), QStringList{kOk});
}

TEST_F(OrderActionsSandbox, FailedSettlementCancelIsOneMessage)
{
    // Answered "5" (as a refused confirmation would be) and answered "0": either way the user
    // reads one box that says the cancellation stands and only the settlement failed.
    for (const QString &code : {QStringLiteral("5"), QStringLiteral("0")}) {
        boxes.shown.clear();
        host->clearReceived();
        LinkFaults faults;
        faults.outCode.insert(QStringLiteral("CS01_27_V01"), code);
        faults.onlyForCode = QStringLiteral("CS01_27_V01");
        host->setFaults(faults);
        const QString no = orderIn(QStringLiteral("4001"));
        ASSERT_TRUE(focus(no));
        OrderActions actions(state, hooks);
        actions.setTab(OrderMenuTab::Completed);
        actions.NStatusCancelDvryReadyClick(4002, QStringLiteral("C03"), 1);
        host->clearFaults();

        EXPECT_EQ(status(no), QStringLiteral("4002"));
        const QStringList info = texts();
        ASSERT_EQ(info.size(), 1) << info.join('|').toStdString();
        EXPECT_TRUE(info.at(0).startsWith(QStringLiteral("정산취소만 실패했습니다.\r\n")));
        EXPECT_TRUE(info.at(0).endsWith(QStringLiteral("\r\n수정창을 다시 열어 정산취소 하시기 바랍니다.")));
        EXPECT_EQ(texts(QStringLiteral("Q")).size(), 1);
    }
}

TEST_F(OrderActionsSandbox, NothingIsSentWithoutConsentOrForTheSameStatus)
{
    const QString no = orderIn(QStringLiteral("2001"));
    ASSERT_TRUE(focus(no));
    OrderActions actions(state, hooks);
    actions.NStatusCancelDvryReadyClick(2001, QString(), 0);  // already requested
    boxes.setAnswer(2);
    actions.NStatusCancelDvryReadyClick(3003, QString(), 0);  // the user says no
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_TRUE(texts().isEmpty());
    EXPECT_EQ(texts(QStringLiteral("Q")).size(), 2);
    EXPECT_EQ(liveReloads, 0);
}

TEST_F(OrderActionsSandbox, DispatchCancelThenWaitAsksOnceAndNeverSendsTheMarker)
{
    const QString no = orderIn(QStringLiteral("3001"));
    ASSERT_TRUE(focus(no));
    OrderActions actions(state, hooks);
    actions.NStatusCancelWaitClick(0);

    const QList<SandboxRequest> r = sent();
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r.at(0).fields(), (QStringList{no, "tester", "5", "3001", "3002", "", "", ""}));
    EXPECT_EQ(r.at(1).fields(), (QStringList{no, "tester", "5", "2001", "1002", "", "", ""}));
    for (const SandboxRequest &q : r)
        EXPECT_FALSE(q.val.contains(QStringLiteral("XXXXX")));
    EXPECT_EQ(status(no), QStringLiteral("1002"));
    EXPECT_TRUE(SandboxOrders::order(db(), no).value(QStringLiteral("cth_wk_code")).isEmpty());
    EXPECT_EQ(texts(QStringLiteral("Q")).size(), 1);
    EXPECT_EQ(texts(), QStringList{kOk});  // only the second step reports
    EXPECT_EQ(suspended, (QList<bool>{true, false}));
}

TEST_F(OrderActionsSandbox, DispatchCancelThenWaitStopsAtTheFirstFailure)
{
    struct Case
    {
        const char *what;
        std::function<void(SandboxHost &, ScriptedMsgBox &)> arrange;
        int requests;
    };
    const std::vector<Case> cases = {
        {"the server refuses the dispatch cancel",
         [](SandboxHost &host, ScriptedMsgBox &) {
             LinkFaults f;
             f.outCode.insert(QStringLiteral("CS01_11_V03"), QStringLiteral("0"));
             f.once = true;
             host.setFaults(f);
         },
         1},
        {"the user declines", [](SandboxHost &, ScriptedMsgBox &b) { b.setAnswer(2); }, 0},
        {"the order is no longer dispatched", [](SandboxHost &, ScriptedMsgBox &) {}, 1},
    };
    for (const Case &c : cases) {
        host->clearReceived();
        boxes.shown.clear();
        boxes.setAnswer(1);
        refreshes = 0;
        const QString no = orderIn(QStringLiteral("3001"));
        ASSERT_TRUE(focus(no));
        if (std::string(c.what) == "the order is no longer dispatched")
            SandboxOrders::updateOrder(db(), no, {{QStringLiteral("ord_status_cd"), QStringLiteral("3003")}});
        c.arrange(*host, boxes);
        OrderActions actions(state, hooks);
        actions.NStatusCancelWaitClick(0);
        host->clearFaults();
        EXPECT_EQ(sent().size(), c.requests) << c.what;
        EXPECT_FALSE(actions.bStatusCd) << c.what;
        EXPECT_EQ(refreshes, 0) << c.what;
        EXPECT_FALSE(texts().contains(kOk)) << c.what;
    }
}

TEST_F(OrderActionsSandbox, ServerRemarkOnTheDispatchCancelShowsAndTheWaitStillFollows)
{
    host->setHandler(QStringLiteral("CS01_11_V03"), [](const SandboxRequest &) {
        SandboxReply r = SandboxReply::ok();
        r.outMsg = QStringLiteral("배송원에게 알렸습니다.");
        return r;
    });
    const QString no = orderIn(QStringLiteral("3001"));
    ASSERT_TRUE(focus(no));
    OrderActions actions(state, hooks);
    actions.NStatusCancelWaitClick(0);
    EXPECT_EQ(sent().size(), 2);
    EXPECT_EQ(texts(), (QStringList{"배송원에게 알렸습니다.", "배송원에게 알렸습니다.", kOk}));
}

TEST_F(OrderActionsSandbox, OrderCopyAsksWithTheNumberAndTheServerAddsTheCopy)
{
    const QString no = orderIn(QStringLiteral("4001"));
    ASSERT_TRUE(focus(no));
    OrderActions actions(state, hooks);
    state.FSELECTBM = QStringLiteral("1");
    actions.NOrderCopy2001Click(2);
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(texts(), QStringList{"배민 완료 주문은 3시간이 지나면 주문복사를 할 수 없습니다."});
    EXPECT_TRUE(texts(QStringLiteral("Q")).isEmpty());

    boxes.shown.clear();
    state.FSELECTBM = QStringLiteral("0");
    const int before = db().value(QStringLiteral("SELECT COUNT(*) FROM orders")).toInt();
    actions.NOrderCopy2001Click(2);
    EXPECT_EQ(texts(QStringLiteral("Q")), QStringList{no + QStringLiteral("주문복사(요청) 하시겠습니까?")});
    const QList<SandboxRequest> r = sent();
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r.at(0).reqNum, QStringLiteral("CS01_30_V01"));
    EXPECT_EQ(r.at(0).callType, QStringLiteral("ADM3"));
    EXPECT_EQ(r.at(0).fields(), (QStringList{no, "tester", "5", "2"}));
    EXPECT_EQ(db().value(QStringLiteral("SELECT COUNT(*) FROM orders")).toInt(), before + 1);
    EXPECT_EQ(db().value(QStringLiteral("SELECT ord_status_cd FROM orders WHERE org_ord_no = ?"), {no}).toString(),
              QStringLiteral("2001"));
    EXPECT_EQ(texts(), QStringList{kOk});
    EXPECT_EQ(liveReloads, 1);
}

TEST_F(OrderActionsSandbox, BundleMemberBackToWaiting)
{
    struct Case
    {
        const char *what;
        std::function<void(SandboxHost &, ScriptedMsgBox &)> arrange;
        int requests;
        QString finalStatus;
    };
    const std::vector<Case> cases = {
        {"goes through", [](SandboxHost &, ScriptedMsgBox &) {}, 2, "1002"},
        {"the dispatch cancel fails",
         [](SandboxHost &host, ScriptedMsgBox &) {
             LinkFaults f;
             f.outCode.insert(QStringLiteral("CS01_65_V01"), QStringLiteral("0"));
             f.once = true;
             host.setFaults(f);
         },
         1, "2001"},
        {"the server remarks on the dispatch cancel",
         [](SandboxHost &host, ScriptedMsgBox &) {
             host.setHandler(QStringLiteral("CS01_65_V01"), [](const SandboxRequest &) {
                 return SandboxReply::code(QStringLiteral("1"), QStringLiteral("묶음 주문이 정리되었습니다."));
             });
         },
         1, "3001"},
    };
    for (const Case &c : cases) {
        host->clearReceived();
        boxes.shown.clear();
        const QString a = orderIn(QStringLiteral("3001"), {{QStringLiteral("ord_grp_no"), QStringLiteral("7001")}});
        orderIn(QStringLiteral("3001"), {{QStringLiteral("ord_grp_no"), QStringLiteral("7001")}});
        ASSERT_TRUE(focus(a));
        c.arrange(*host, boxes);
        OrderActions actions(state, hooks);
        actions.NOrdBundleOneCancelWaitClick(0);
        host->clearFaults();
        const QList<SandboxRequest> r = sent();
        ASSERT_EQ(r.size(), c.requests) << c.what;
        EXPECT_EQ(r.at(0).reqNum, QStringLiteral("CS01_65_V01"));
        EXPECT_EQ(r.at(0).fields(), (QStringList{a, "tester", "5", "3001", "1"})) << c.what;
        if (c.requests == 2) {
            EXPECT_EQ(r.at(1).fields(), (QStringList{a, "tester", "5", "2001", "1002", "", "", ""}));
        }
        EXPECT_EQ(status(a), c.finalStatus) << c.what;
        EXPECT_EQ(texts(QStringLiteral("Q")).size(), 1) << c.what;
    }
}

TEST_F(OrderActionsSandbox, WholeBundleDispatchCancel)
{
    const QString a = orderIn(QStringLiteral("3001"), {{QStringLiteral("ord_grp_no"), QStringLiteral("7002")}});
    const QString b = orderIn(QStringLiteral("3003"), {{QStringLiteral("ord_grp_no"), QStringLiteral("7002")}});
    ASSERT_TRUE(focus(a));
    OrderActions actions(state, hooks);
    actions.run({OrderMenuRole::BundleCancel, 2, QString(), 0, QStringLiteral("묶음배송 전체배차취소")});
    const QList<SandboxRequest> r = sent();
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r.at(0).fields(), (QStringList{a, "tester", "5", "3001", "2"}));
    EXPECT_EQ(status(a), QStringLiteral("2001"));
    EXPECT_EQ(status(b), QStringLiteral("2001"));
    EXPECT_EQ(SandboxOrders::order(db(), b).value(QStringLiteral("ord_grp_no")), QStringLiteral("7002"));
    EXPECT_EQ(texts(), QStringList{G_MSG_STATUS_CHANGED + QStringLiteral("\r\n")});
}

TEST_F(OrderActionsSandbox, CourierAssignmentAndRestrictionGuards)
{
    const QString no = orderIn(QStringLiteral("2001"));
    ASSERT_TRUE(focus(no));
    int controlScreens = 0, picks = 0, restrictions = 0;
    hooks.openOrderControlScreen = [&] { ++controlScreens; };
    hooks.prepareCourierPick = [] { return true; };
    hooks.loadCourierPick = [] { return 0; };
    hooks.showCourierPick = [&] { ++picks; };
    hooks.openCourierRestriction = [&](const QString &, const QString &) { ++restrictions; };
    bool rights = false;
    hooks.rights3 = [&] { return rights; };
    OrderActions actions(state, hooks);

    G_USER_SET.ViewWorkControlType = QStringLiteral("1");
    G_BR_CHECKED = 0;
    actions.NEtcDvryClick();
    G_BR_CHECKED = 1;
    actions.NEtcDvryClick();
    G_USER_SET.ViewWorkControlType = QStringLiteral("3");
    actions.NEtcDvryClick();
    actions.NEtcDvryRSTRClick();
    rights = true;
    actions.NEtcDvryRSTRClick();
    EXPECT_EQ(texts(), (QStringList{"선택된 총판이 없습니다.", G_MSG_NO_COURIER, "권한이 없습니다.",
                                    "해당주문에 배차된 배송원이 없습니다."}));
    EXPECT_EQ(controlScreens, 1);
    EXPECT_EQ(picks, 0);
    EXPECT_EQ(restrictions, 0);
    EXPECT_TRUE(sent().isEmpty());
}

TEST_F(OrderActionsSandbox, TheReloadAfterAnActionShowsTheServersStateOnTheBoard)
{
    G_USER_INFO.DATA_STATUS = "1";
    G_SL_ORD_FILTER[1] = QStringList{kBranch};
    ordertest::RecordingBoard board;
    ordertest::RecordingPrinter printer;
    ordertest::RecordingSounds sounds;
    LiveOrderEngine engine;
    engine.setBoardSink(&board);
    engine.setPrinter(&printer);
    engine.setSoundPlayer(&sounds);
    LiveOrderLoader loader(engine);
    const QString no = orderIn(QStringLiteral("3001"));
    ASSERT_TRUE(loader.proc_Load_Order());
    engine.dispatchPending();
    auto onBoard = [&]() -> const TA1ORDER * {
        const int i = int(engine.gA1Orders().Numbers().indexOf(no));
        return i < 0 ? nullptr : engine.gA1Orders().GetRecord(i);
    };
    ASSERT_NE(onBoard(), nullptr);
    hooks.reloadLiveOrders = [&] {
        ++liveReloads;
        loader.proc_Load_Order();
        engine.dispatchPending();
    };
    ASSERT_TRUE(focus(no));
    OrderActions actions(state, hooks);
    actions.NStatusCancelWaitClick(0);
    EXPECT_EQ(liveReloads, 2);
    ASSERT_NE(onBoard(), nullptr);
    EXPECT_EQ(onBoard()->ORD_STATUS_CD(), u"1002");
    EXPECT_TRUE(onBoard()->CTH_WK_CODE().isEmpty());
}

TEST(OrderActionsMessages, ShortNumbers)
{
    const std::vector<std::pair<QString, int>> cases = {
        {"20261211000042", 11000042}, {"2026120000042", 42}, {"202612abc", 0}, {"2026", 0}, {"20261299999999999", 0},
    };
    for (const auto &[no, expected] : cases)
        EXPECT_EQ(ShortOrderNumber(no), expected) << no.toStdString();
}

TEST(OrderActionsMessages, ReceiversAndTitlesByTag)
{
    G_USER_INFO.USER_TYPE_CD = "5001";
    G_USER_INFO.USER_CODE = "B000101";
    G_USER_INFO.ID = "tester";
    G_USER_INFO.GRP_NAME = QStringLiteral("강남총판");
    G_USER_INFO.AUTH_TEL = "0215881234";
    OrderPopupState state;
    state.fields.FPOP_ORDER_NO = QStringLiteral("2026120000042");
    state.fields.FPOP_ORD_ST_CODE = QStringLiteral("S000101");
    state.fields.FPOP_CTH_WK_CODE = QStringLiteral("K00001");
    state.fields.FPOP_CTH_ST_CODE = QStringLiteral("S000199");
    state.fields.FPOP_CTH_BR_CODE = QStringLiteral("B000201");
    state.fields.FPOP_ORD_ST_TEL = QStringLiteral("02-555-1234");
    QList<TMSG_LIST> messages;
    OrderActionHooks hooks;
    hooks.sendMessage = [&](const TMSG_LIST &m) { messages.append(m); };
    OrderActions actions(state, hooks);

    struct Case
    {
        int tag;
        QString caption, type, code, title, add1;
    };
    const std::vector<Case> cases = {
        {1, "공지를 확인해주세요.", "3", "S000101", "공지를 확인해주세요.", ""},
        {2, "공지를 확인해주세요.", "3", "S000199", "공지를 확인해주세요.", ""},
        {3, "안전운행해주세요.", "W", "K00001", "안전운행해주세요.", ""},
        {4, "제휴본사/총판으로 전화주세요.", "W", "K00001", "[제휴본사/총판으로 전화주세요.]", "0215881234"},
        {5, "발주가맹점으로 전화주세요.", "W", "K00001", "[가맹점으로 전화주세요.]", "02-555-1234"},
    };
    for (const Case &c : cases) {
        actions.run({OrderMenuRole::MessageText, c.tag, QString(), 0, c.caption});
        ASSERT_FALSE(messages.isEmpty());
        const TMSG_LIST &m = messages.last();
        EXPECT_EQ(m.RCV_GRP_TYPE, c.type) << c.tag;
        EXPECT_EQ(m.RCV_GRP_CODE, c.code) << c.tag;
        EXPECT_EQ(m.MSG_TITLE, c.title) << c.tag;
        EXPECT_EQ(m.ADD_VALUE_1, c.add1) << c.tag;
        EXPECT_EQ(m.MSG_CONTENT, c.caption + QStringLiteral("\n접수번호 : [ 42 ]\n관리자명 : [강남총판]")) << c.tag;
        EXPECT_EQ(m.CON_SEQ_NO, state.fields.FPOP_ORDER_NO);
        EXPECT_EQ(m.SND_GRP_TYPE, QStringLiteral("5"));
        EXPECT_EQ(m.MSG_TYPE_CD, QStringLiteral("4001"));
    }

    // The composer's receivers differ from the fixed texts' for the courier's store and branch.
    const std::vector<std::pair<int, std::pair<QString, QString>>> composer = {
        {1, {"3", "S000101"}}, {2, {"5", "B000201"}}, {3, {"2", "S000199"}}, {4, {"W", "K00001"}}};
    for (const auto &[tag, receiver] : composer) {
        const TMSG_LIST m = actions.messageRecord(tag, QString(), true);
        EXPECT_EQ(m.RCV_GRP_TYPE, receiver.first) << tag;
        EXPECT_EQ(m.RCV_GRP_CODE, receiver.second) << tag;
        EXPECT_TRUE(m.MSG_TITLE.isEmpty() && m.MSG_CONTENT.isEmpty());
    }
}
