#include "tests/devices/caller_id_fixture.h"

#include "devices/call_history.h"

#include <QFile>

namespace
{
QString todaysLog()
{
    QFile f(CallLogPath(AppClock::now().date()));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}
TEST(CallRouteDecision, PrecedenceTable)
{
    CallerIdWorld world;
    using K = CallRouteDecision::Kind;
    using H = CallRouteDecision::Hit;
    struct Case
    {
        const char *caller, *line;
        K kind;
        H hit;
        int store;
        bool matched;
        const char *customerTel;
        const char *caption;
    };
    const Case cases[] = {
        // A store calling from its own number: that store, no customer telephone.
        {"02-111-2222", "0299999999", K::Store, H::CallerStore, 0, true, "", "02-111-2222"},
        // A customer calling the store's line: the customer's number hyphenated.
        {"01012345678", "021112222", K::Store, H::LineStore, 0, true, "010-1234-5678", "021112222"},
        // A number that is a store's and a courier's counts as the store.
        {"025556666", "", K::Store, H::CallerStore, 2, true, "", "025556666"},
        // A courier calling anywhere but a store line.
        {"01077778888", "0299999999", K::Courier, H::CallerCourier, -1, false, "", ""},
        // A courier calling a store's line: the store wins.
        {"01077778888", "02-333-4444", K::Store, H::LineStore, 1, true, "010-7777-8888", "02-333-4444"},
        // A customer calling a courier's line.
        {"01011112222", "010-7777-8888", K::Courier, H::LineCourier, -1, false, "", ""},
        // Nothing known: the first store, the caller as customer.
        {"01011112222", "0299999999", K::Store, H::None, 0, false, "010-1111-2222", "01011112222"},
        // No caller number: the called line is the caption.
        {"", "0299999999", K::Store, H::None, 0, false, "", "0299999999"},
    };
    for (const Case &c : cases) {
        const CallRouteDecision d = DecideCallRoute(callOf(QString::fromUtf8(c.caller), QString::fromUtf8(c.line)));
        SCOPED_TRACE(std::string(c.caller) + " -> " + c.line);
        EXPECT_EQ(d.kind, c.kind);
        EXPECT_EQ(d.hit, c.hit);
        if (c.kind == K::Store) {
            EXPECT_EQ(d.storeIndex, c.store);
            EXPECT_EQ(d.matched, c.matched);
            EXPECT_EQ(d.customerTel, QString::fromUtf8(c.customerTel));
            EXPECT_EQ(d.tabCaption, QString::fromUtf8(c.caption));
            EXPECT_EQ(d.filterOnStore, c.matched);
        }
    }
}

TEST(CallRouter, SixDeliveryCallsTakeFiveWindowsAndTheSixthOnlyFrontsTheHost)
{
    CallerIdWorld world;
    FakeCallTargets targets;
    CallRouter router(targets);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(router.proc_New_Cid(callOf(QStringLiteral("0101234560%1").arg(i), QStringLiteral("021112222"))),
                  CallRouter::Outcome::Opened);
    EXPECT_EQ(router.proc_New_Cid(callOf(QStringLiteral("01012345609"), QStringLiteral("021112222"))),
              CallRouter::Outcome::NoFreeWindow);
    ASSERT_EQ(targets.opened.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(targets.opened.at(i).slot, i);
        EXPECT_EQ(targets.opened.at(i).tab, i);
        EXPECT_EQ(targets.opened.at(i).stCode, QStringLiteral("0000101"));
        EXPECT_EQ(targets.opened.at(i).telTypeCd, QStringLiteral("1001"));
        EXPECT_EQ(targets.opened.at(i).returnScreen, 1);
    }
    EXPECT_EQ(targets.fronts, 6);
    // Every call is in the day's log, the sixth too.
    EXPECT_EQ(todaysLog().count(QLatin1Char('\n')), 6);
}

TEST(CallRouter, QuickStoreOpensSlotFiveOnTabSixAndOtherKindsNothing)
{
    CallerIdWorld world;
    FakeCallTargets targets;
    CallRouter router(targets);
    G_CUR_FORM = QStringLiteral("FRM_ORD_OLD");
    EXPECT_EQ(router.proc_New_Cid(callOf(QStringLiteral("01012345678"), QStringLiteral("023334444"))),
              CallRouter::Outcome::Opened);
    ASSERT_EQ(targets.opened.size(), 1);
    EXPECT_EQ(targets.opened.at(0).slot, 5);
    EXPECT_EQ(targets.opened.at(0).tab, 6);
    EXPECT_EQ(targets.opened.at(0).returnScreen, 2);
    EXPECT_EQ(targets.filters, QStringList{QStringLiteral("|번개퀵|")});

    G_ST_LIST.at(1).SHOP_TYPE = "7";
    EXPECT_EQ(router.proc_New_Cid(callOf(QStringLiteral("01012345678"), QStringLiteral("023334444"))),
              CallRouter::Outcome::NoWindowKind);
    EXPECT_EQ(targets.opened.size(), 1);
    EXPECT_EQ(targets.fronts, 2);
}

TEST(CallRouter, OutOfServiceStoreWarnsOnlyWhenMatchedAndOpensOnTheStoreList)
{
    CallerIdWorld world;
    FakeCallTargets targets;
    CallRouter router(targets);
    // Matched by the called line: the warning, then the window on its first page.
    router.proc_New_Cid(callOf(QStringLiteral("01012345678"), QStringLiteral("025556666")));
    ASSERT_EQ(targets.warnings.size(), 1);
    EXPECT_EQ(targets.warnings.at(0), QStringLiteral("삭제된 가맹점입니다.\r\n다른 가맹점을 선택하세요"));
    ASSERT_EQ(targets.opened.size(), 1);
    EXPECT_TRUE(targets.opened.at(0).firstPage);

    // The fallback store out of service: no warning, still the first page.
    G_ST_LIST.at(0).DATA_STAUS = "2";
    router.proc_New_Cid(callOf(QStringLiteral("01099990000"), QStringLiteral("0299999999")));
    EXPECT_EQ(targets.warnings.size(), 1);
    ASSERT_EQ(targets.opened.size(), 2);
    EXPECT_TRUE(targets.opened.at(1).firstPage);
    EXPECT_EQ(targets.opened.at(1).customerTel, QStringLiteral("010-9999-0000"));

    // Stopped and cash-short stores have their own texts; other states none.
    const std::pair<const char *, const char *> states[] = {
        {"2", "정지된 가맹점입니다.\r\n다른 가맹점을 선택하세요"},
        {"9", "캐쉬부족 가맹점입니다.\r\n다른 가맹점을 선택하세요"},
        {"x", ""},
        {"5", ""},
    };
    for (const auto &[state, text] : states) {
        G_ST_LIST.at(2).DATA_STAUS = QString::fromLatin1(state);
        EXPECT_EQ(DecideCallRoute(callOf(QStringLiteral("025556666"), QString())).warning, QString::fromUtf8(text)) << state;
    }
}

TEST(CallRouter, ACallDuringTheWarningNeverTakesTheSameWindow)
{
    CallerIdWorld world;
    FakeCallTargets targets;
    CallRouter router(targets);
    bool nested = false;
    targets.duringWarning = [&] {
        if (nested)
            return;
        nested = true;
        // A second call arrives while the first one's warning is open.
        router.proc_New_Cid(callOf(QStringLiteral("01011112222"), QStringLiteral("021112222")));
    };
    router.proc_New_Cid(callOf(QStringLiteral("01012345678"), QStringLiteral("025556666")));
    ASSERT_EQ(targets.opened.size(), 2);
    EXPECT_NE(targets.opened.at(0).slot, targets.opened.at(1).slot);
    EXPECT_NE(targets.opened.at(0).tab, targets.opened.at(1).tab);
    EXPECT_FALSE(router.reserved(0));
    EXPECT_FALSE(router.reserved(1));
}

TEST(CallRouter, CourierCallShowsThePopupAndFiltersTheBoardOnTheCourier)
{
    CallerIdWorld world;
    FakeCallTargets targets;
    CallRouter router(targets);
    EXPECT_EQ(router.proc_New_Cid(callOf(QStringLiteral("010-7777-8888"), QString())), CallRouter::Outcome::Courier);
    EXPECT_EQ(targets.courierCalls, QStringList{QStringLiteral("W00001")});
    EXPECT_EQ(targets.filters, QStringList{QStringLiteral("||010-7777-8888")});
    EXPECT_TRUE(targets.opened.isEmpty());
    EXPECT_EQ(targets.fronts, 0);
}

TEST(CallRouter, LowAuthorityNeitherLogsNorRoutes)
{
    CallerIdWorld world;
    FakeCallTargets targets;
    CallRouter router(targets);
    G_USER_INFO.UserAuthGrade = 4;
    EXPECT_EQ(router.proc_New_Cid(callOf(QStringLiteral("01012345678"), QStringLiteral("021112222"))),
              CallRouter::Outcome::NotAllowed);
    EXPECT_TRUE(targets.opened.isEmpty());
    EXPECT_TRUE(todaysLog().isEmpty());
}

TEST(CallRouter, MissingLogFolderIsMadeAndTheCallStillRoutes)
{
    CallerIdWorld world;
    QDir(CallLogDir()).removeRecursively();
    FakeCallTargets targets;
    CallRouter router(targets);
    EXPECT_EQ(router.proc_New_Cid(callOf(QStringLiteral("01012345678"), QStringLiteral("021112222"))),
              CallRouter::Outcome::Opened);
    EXPECT_TRUE(todaysLog().contains(QStringLiteral(") 12:00:00,021112222,01012345678,1\n")));
}

TEST(CallRouter, EmptyStoreListLogsAndOpensNothing)
{
    CallerIdWorld world;
    ResetReferenceRecords();
    ResetMessageRecords();
    FakeCallTargets targets;
    CallRouter router(targets);
    EXPECT_EQ(router.proc_New_Cid(callOf(QStringLiteral("01012345678"), QStringLiteral("021112222"))),
              CallRouter::Outcome::NoStore);
    EXPECT_TRUE(targets.opened.isEmpty());
    EXPECT_EQ(targets.fronts, 1);
}
} // namespace
