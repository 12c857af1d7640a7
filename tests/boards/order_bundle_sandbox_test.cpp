// Bundles against the in-process sandbox: forming, numbering from the reply, removal,
// dissolving, the form closing itself, and the rows following the order batches.

#include "../link/sandbox_link_fixture.h"

#include "common/interface_texts.h"
#include "boards/order_actions.h"
#include "orders/live_order_engine.h"
#include "orders/live_order_loader.h"
#include "boards/order_bundle.h"
#include "boards/order_bundle_feed.h"
#include "orders/order_globals.h"
#include "orders/order_test_support.h"
#include "sandbox/order_scenario.h"
#include "sandbox/sandbox_database.h"

namespace
{
const QString kBundleBranch = QStringLiteral("B000101");
const QString kFailed = QStringLiteral("실패하였습니다 다시 시도해주세요");

class OrderBundleSandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        proc_SetLanKor();
        G_USER_INFO.ID = QStringLiteral("tester");
        G_USER_INFO.USER_TYPE_CD = "5001";
        G_USER_INFO.BR = kBundleBranch;
        hooks.reloadLiveOrders = [this] {
            ++reloads;
            refreshLists();
        };
        hooks.closed = [this] { ++closes; };
    }

    void TearDown() override
    {
        ResetOrderGlobals();
        SandboxLinkTest::TearDown();
    }

    SandboxDatabase &db() { return *host->database(); }

    // n requested orders that allow manual bundling, in no bundle.
    QStringList requestedOrders(int n)
    {
        QStringList out;
        const QList<QVariantList> rows = db().rows(QStringLiteral("SELECT ord_no FROM orders ORDER BY ord_no"));
        for (int i = 0; i < n; ++i) {
            const QString no = i < rows.size() ? rows.at(i).value(0).toString()
                                               : SandboxOrders::copyOrder(db(), rows.first().value(0).toString(),
                                                                          QStringLiteral("2001"));
            SandboxOrders::updateOrder(db(), no,
                                       {{"ord_status_cd", "2001"}, {"ord_grp_no", ""}, {"manual_grp_yn", "Y"},
                                        {"cth_wk_code", ""}, {"ord_br_code", kBundleBranch}});
            out.append(no);
        }
        // Everything else leaves the board.
        db().exec(QStringLiteral("UPDATE orders SET ord_status_cd = '4001' WHERE ord_no NOT IN ('")
                  + out.join(QStringLiteral("','")) + QStringLiteral("')"));
        refreshLists();
        return out;
    }

    std::shared_ptr<TA1ORDER> record(const QString &no)
    {
        const QHash<QString, QString> v = SandboxOrders::order(db(), no);
        QStringList cols;
        for (const QString &c : SandboxOrders::rowColumns())
            cols.append(v.value(c));
        auto o = std::make_shared<TA1ORDER>();
        EXPECT_TRUE(proc_SetA1OrderFromRow(*o, cols.join(QChar(0x2502)), {}));
        return o;
    }

    // The live board and the waiting orders as the server keeps them now.
    void refreshLists()
    {
        live = TA1Orders();
        map = TA1Orders();
        for (const QVariantList &r : db().rows(QStringLiteral(
                 "SELECT ord_no, ord_status_cd FROM orders WHERE ord_status_cd NOT IN ('4001','4002') ORDER BY ord_no"))) {
            auto o = record(r.value(0).toString());
            live.Add(o);
            if (r.value(1).toString() == QLatin1String("2001"))
                map.Add(o);
        }
    }

    QString group(const QString &no) { return SandboxOrders::order(db(), no).value(QStringLiteral("ord_grp_no")); }

    QList<SandboxRequest> bundleRequests() const
    {
        QList<SandboxRequest> out;
        for (const SandboxRequest &r : host->receivedRequests())
            if (r.reqNum == QLatin1String("CS01_64_V01"))
                out.append(r);
        return out;
    }

    QStringList infoTexts() const
    {
        QStringList out;
        for (const auto &[k, t] : boxes.shown)
            out.append(t);
        return out;
    }

    OrderPopupFields popupOn(const QString &no)
    {
        OrderPopupFields f;
        f.FPOP_ORDER_NO = no;
        f.FPOP_ORDER_STATUS = SandboxOrders::order(db(), no).value(QStringLiteral("ord_status_cd"));
        f.FPOP_ORD_GRP_NO = group(no);
        return f;
    }

    void tick(OrderBundle &form, const QString &no)
    {
        for (int i = 0; i < form.candidates().size(); ++i)
            if (form.candidates().at(i).ordNo == no)
                form.toggleCandidate(i);
    }

    OrderBundleHooks hooks;
    TA1Orders live;
    TA1Orders map;
    int reloads = 0;
    int closes = 0;
};
} // namespace

TEST_F(OrderBundleSandbox, FirstAddFormsTheBundleAndTakesItsNumberFromTheReply)
{
    const QStringList n = requestedOrders(4);
    OrderBundle form(hooks);
    ASSERT_TRUE(form.open(popupOn(n[0]), live, map));
    EXPECT_EQ(form.FGrpOrdNo(), QStringList{n[0]});
    EXPECT_TRUE(form.edtGrpNo.isEmpty());
    EXPECT_EQ(form.FOrdBundleOrdNo(), (QStringList{n[1], n[2], n[3]}));

    tick(form, n[1]);
    tick(form, n[3]);
    form.add(map);

    const QList<SandboxRequest> r = bundleRequests();
    ASSERT_EQ(r.size(), 2);
    // Bottom-up: the lower of the two ticked rows forms the bundle, the other joins it.
    EXPECT_EQ(r.at(0).callType, QStringLiteral("ADM3"));
    EXPECT_EQ(r.at(0).fields(), (QStringList{"0", "tester", "5", "", n[0] + "," + n[3] + ","}));
    const QString g = group(n[0]);
    ASSERT_FALSE(g.isEmpty());
    EXPECT_EQ(r.at(1).fields(), (QStringList{"1", "tester", "5", g, n[1]}));
    EXPECT_EQ(form.edtGrpNo, g);
    EXPECT_EQ(form.FGrpOrdNo(), (QStringList{n[0], n[3], n[1]}));
    EXPECT_EQ(form.FOrdBundleOrdNo(), QStringList{n[2]});
    EXPECT_EQ(group(n[1]), g);
    EXPECT_EQ(group(n[3]), g);
    EXPECT_TRUE(group(n[2]).isEmpty());
    EXPECT_EQ(reloads, 1);
    EXPECT_TRUE(infoTexts().isEmpty());
}

TEST_F(OrderBundleSandbox, RepliesThatAreNoGroupFailTheAdd)
{
    struct Case
    {
        const char *what;
        SandboxReply reply;
    };
    const std::vector<Case> cases = {
        {"group \"0\" with OUT_CODE 1", SandboxReply::rowsOf({{"0"}})},
        {"empty group", SandboxReply::rowsOf({{""}})},
        {"failure code", SandboxReply::code("0", "묶을 수 없습니다.")},
    };
    for (const Case &c : cases) {
        host->setHandler(QStringLiteral("CS01_64_V01"), [reply = c.reply](const SandboxRequest &) { return reply; });
        boxes.shown.clear();
        const QStringList n = requestedOrders(3);
        OrderBundle form(hooks);
        ASSERT_TRUE(form.open(popupOn(n[0]), live, map));
        tick(form, n[1]);
        tick(form, n[2]);
        form.add(map);
        EXPECT_EQ(infoTexts(), QStringList{kFailed}) << c.what;
        EXPECT_TRUE(form.isOpen()) << c.what;
        EXPECT_EQ(form.FGrpOrdNo(), QStringList{n[0]}) << c.what;  // no row moved
        EXPECT_EQ(form.FOrdBundleOrdNo(), (QStringList{n[1], n[2]})) << c.what;
        EXPECT_TRUE(form.edtGrpNo.isEmpty()) << c.what;
    }
}

TEST_F(OrderBundleSandbox, RemovingMembersAndTheFormClosingUnderTwo)
{
    const QStringList n = requestedOrders(3);
    OrderBundle form(hooks);
    ASSERT_TRUE(form.open(popupOn(n[0]), live, map));
    tick(form, n[1]);
    tick(form, n[2]);
    form.add(map);
    const QString g = form.edtGrpNo;
    ASSERT_EQ(form.FGrpOrdNo(), (QStringList{n[0], n[2], n[1]}));

    // Removing the base moves the base to the first remaining row.
    host->clearReceived();
    form.toggleMember(0);
    form.remove(map);
    ASSERT_TRUE(form.isOpen());
    ASSERT_EQ(bundleRequests().size(), 1);
    EXPECT_EQ(bundleRequests().at(0).fields(), (QStringList{"2", "tester", "5", g, n[0]}));
    EXPECT_EQ(form.edtOrdNo, n[2]);
    EXPECT_EQ(form.FGrpOrdNo(), (QStringList{n[2], n[1]}));
    EXPECT_TRUE(form.FOrdBundleOrdNo().contains(n[0]));

    // Both remaining members ticked: two removals, then the form closes.
    host->clearReceived();
    form.setAllChecked(true);
    form.remove(map);
    EXPECT_EQ(bundleRequests().size(), 2);
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(closes, 1);
    for (const QString &no : n)
        EXPECT_TRUE(group(no).isEmpty()) << no.toStdString();
}

TEST_F(OrderBundleSandbox, DissolveSendsTheGroupWithAnEmptyLastField)
{
    const QStringList n = requestedOrders(3);
    OrderBundle form(hooks);
    ASSERT_TRUE(form.open(popupOn(n[0]), live, map));
    tick(form, n[1]);
    tick(form, n[2]);
    form.add(map);
    const QString g = form.edtGrpNo;
    host->clearReceived();
    form.dissolve();
    ASSERT_EQ(bundleRequests().size(), 1);
    EXPECT_EQ(bundleRequests().at(0).fields(), (QStringList{"3", "tester", "5", g, ""}));
    EXPECT_FALSE(form.isOpen());
    for (const QString &no : n)
        EXPECT_TRUE(group(no).isEmpty());
}

TEST_F(OrderBundleSandbox, ALoneMemberIsNeitherDissolvedNorRemoved)
{
    const QStringList n = requestedOrders(2);
    for (int action = 0; action < 2; ++action) {
        boxes.shown.clear();
        host->clearReceived();
        OrderBundle form(hooks);
        ASSERT_TRUE(form.open(popupOn(n[0]), live, map));
        form.edtGrpNo = QStringLiteral("9999");  // a group the form believes in
        if (action == 0)
            form.dissolve();
        else
            form.remove(map);
        EXPECT_EQ(infoTexts(), QStringList{"주문을 다시 선택해주세요"});
        EXPECT_FALSE(form.isOpen());
        EXPECT_TRUE(bundleRequests().isEmpty());
    }
}

TEST_F(OrderBundleSandbox, AddingToNoGroupSendsNothing)
{
    const QStringList n = requestedOrders(2);
    OrderBundle form(hooks);
    ASSERT_TRUE(form.open(popupOn(n[0]), live, map));
    EXPECT_FALSE(form.funcOrdBundle(1, n[1]));
    EXPECT_EQ(infoTexts(), QStringList{"그룹번호가 없습니다 다시 선택해주세요"});
    EXPECT_FALSE(form.isOpen());
    EXPECT_TRUE(bundleRequests().isEmpty());
}

TEST_F(OrderBundleSandbox, OpeningNeedsWaitingOrdersAndARequestedBaseOrder)
{
    const QStringList n = requestedOrders(2);
    OrderBundle form(hooks);
    EXPECT_FALSE(form.open(popupOn(n[0]), live, TA1Orders()));
    EXPECT_TRUE(infoTexts().isEmpty());

    SandboxOrders::updateOrder(db(), n[0], {{"ord_status_cd", "2002"}});
    refreshLists();
    EXPECT_FALSE(form.open(popupOn(n[0]), live, map.isEmpty() ? live : map));
    EXPECT_EQ(infoTexts(), (QStringList{"기준이된 주문의 상태가 변경되었습니다.", "묶음 주문의 상태가 변경되었습니다."}));
    EXPECT_FALSE(form.isOpen());
}

TEST_F(OrderBundleSandbox, CandidatesAreManualRequestsOutsideAnyBundle)
{
    const QStringList n = requestedOrders(4);
    SandboxOrders::updateOrder(db(), n[2], {{"manual_grp_yn", "N"}});
    SandboxOrders::updateOrder(db(), n[3], {{"ord_status_cd", "1001"}});
    refreshLists();
    OrderBundle form(hooks);
    ASSERT_TRUE(form.open(popupOn(n[0]), live, map));
    QStringList shown;
    for (int i : form.shownCandidates())
        shown.append(form.candidates().at(i).ordNo);
    EXPECT_EQ(shown, QStringList{n[1]});
}

TEST_F(OrderBundleSandbox, TheOpenFormFollowsTheOrderBatches)
{
    const QStringList n = requestedOrders(4);
    OrderBundle form(hooks);
    ASSERT_TRUE(form.open(popupOn(n[0]), live, map));
    tick(form, n[1]);
    form.add(map);
    const QString g = form.edtGrpNo;
    ASSERT_FALSE(g.isEmpty());

    // Another client bundles n[2] into this group; n[3] goes into another bundle.
    SandboxOrders::updateOrder(db(), n[2], {{"ord_grp_no", g}});
    SandboxOrders::updateOrder(db(), n[3], {{"ord_grp_no", "1"}});
    form.orderChanged(*record(n[2]));
    form.orderChanged(*record(n[3]));
    EXPECT_EQ(form.FGrpOrdNo(), (QStringList{n[0], n[1], n[2]}));
    EXPECT_TRUE(form.FOrdBundleOrdNo().isEmpty());

    // A member leaves the bundle: it moves down.
    SandboxOrders::updateOrder(db(), n[2], {{"ord_grp_no", ""}});
    form.orderChanged(*record(n[2]));
    EXPECT_EQ(form.FGrpOrdNo(), (QStringList{n[0], n[1]}));
    EXPECT_EQ(form.FOrdBundleOrdNo(), QStringList{n[2]});

    // A member is dispatched: the form says so and closes.
    SandboxOrders::updateOrder(db(), n[1], {{"ord_status_cd", "3001"}});
    form.orderChanged(*record(n[1]));
    EXPECT_EQ(infoTexts(), QStringList{"묶음 주문의 상태가 변경되었습니다."});
    EXPECT_FALSE(form.isOpen());
    form.orderChanged(*record(n[2]));  // a closed form is left alone
    EXPECT_TRUE(form.FOrdBundleOrdNo().isEmpty());
}

TEST_F(OrderBundleSandbox, FinishingTheBaseOrderClosesTheForm)
{
    const QStringList n = requestedOrders(3);
    OrderBundle form(hooks);
    ASSERT_TRUE(form.open(popupOn(n[0]), live, map));
    form.orderFinished(n[2]);
    EXPECT_EQ(form.FOrdBundleOrdNo(), QStringList{n[1]});
    form.orderFinished(n[0]);
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(closes, 1);
}

TEST_F(OrderBundleSandbox, PollsBringTheServersChangesIntoTheOpenForm)
{
    G_USER_INFO.HD = "H0001";
    G_USER_INFO.DATA_STATUS = "1";
    G_SL_ORD_FILTER[1] = QStringList{kBundleBranch};
    const QStringList n = requestedOrders(3);
    OrderBundle form(hooks);
    ordertest::RecordingBoard board;
    ordertest::RecordingPrinter printer;
    ordertest::RecordingSounds sounds;
    OrderBundleFeed feed(&board, &form);
    LiveOrderEngine engine;
    engine.setBoardSink(&feed);
    engine.setPrinter(&printer);
    engine.setSoundPlayer(&sounds);
    LiveOrderLoader loader(engine);
    ASSERT_TRUE(loader.proc_Load_Order());
    engine.dispatchPending();
    ASSERT_EQ(engine.gA1Orders().Count(), 3);
    ASSERT_TRUE(form.open(popupOn(n[0]), engine.gA1Orders(), engine.gA1Orders()));
    ASSERT_EQ(form.shownCandidates().size(), 2);

    // Another desk dispatches a candidate: the next poll takes it out of the candidates shown.
    SandboxOrders::updateOrder(db(), n[2], {{"ord_status_cd", "3001"}, {"cth_wk_code", "K00001"}});
    ASSERT_TRUE(loader.proc_Load_Order());
    engine.dispatchPending();
    ASSERT_TRUE(form.isOpen());
    ASSERT_EQ(form.shownCandidates().size(), 1);
    EXPECT_EQ(form.candidates().at(form.shownCandidates().first()).ordNo, n[1]);

    // The server cancels the base order: the form closes.
    SandboxOrders::updateOrder(db(), n[0], {{"ord_status_cd", "4002"}, {"cancel_date", "2026-12-11 08:30:00"}});
    ASSERT_TRUE(loader.proc_Load_Order());
    engine.dispatchPending();
    EXPECT_FALSE(form.isOpen());
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(board.live, engine.gA1Orders().Numbers());  // the board's own sink still gets every row
}

TEST(OrderBundleRows, VisibleTexts)
{
    TA1ORDER o;
    o.set(A1::ORD_ST_NAME, u"역삼점");
    o.set(A1::ORD_STATUS_CD, u"2001");
    o.set(A1::ORD_DATE, u"2026-12-11 09:00:00");
    o.set(A1::READY_CHANGE_DATE, u"2026-12-11 09:05:00");
    o.set(A1::TAKEOUT_YN, u"N");
    o.DVRY_AMT = 3500;
    o.DVRY_DISTANCE = 1234.9;
    const QStringList t = BundleRowTexts(o, QDateTime(QDate(2026, 12, 11), QTime(9, 17, 59)));
    EXPECT_EQ(t.at(0), QStringLiteral("역삼점"));
    EXPECT_EQ(t.at(3), QStringLiteral("12"));
    EXPECT_EQ(t.at(5), QStringLiteral("1.234"));
    EXPECT_EQ(t.at(6), QStringLiteral("3500"));
    o.set(A1::TAKEOUT_YN, u"Y");
    o.DVRY_DISTANCE = 0;
    const QStringList takeout = BundleRowTexts(o, QDateTime(QDate(2026, 12, 11), QTime(9, 17, 59)));
    EXPECT_TRUE(takeout.at(5).isEmpty());
    EXPECT_TRUE(takeout.at(6).isEmpty());
}
