// Store connection states and cash balances: the loads against the in-process sandbox, and the
// money texts.

#include "../link/sandbox_link_fixture.h"

#include "orders/store_cash_loads.h"
#include "records/reference_records.h"

#include <limits>

namespace
{
const QString kHd = QStringLiteral("H0001");
const QString kCashBranch = QStringLiteral("B000101");

class StoreCashSandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        ResetReferenceRecords();
        G_USER_INFO.USER_TYPE_CD = "5000";
        G_USER_INFO.HD = kHd;
        G_USER_INFO.BR = kCashBranch;
        G_USER_INFO.USER_CODE = kCashBranch;
        G_USER_INFO.MULTI_TYPE = "0";
        G_USER_INFO.UserAuthGrade = 1;
        for (const QVariantList &r : db().rows(QStringLiteral("SELECT st_code FROM stores WHERE br_code = ? ORDER BY st_code"),
                                               {kCashBranch})) {
            TST_LIST st;
            st.ST_CODE = r.at(0).toString();
            G_ST_LIST.append(st.ST_CODE, st);
        }
        THD_LIST hd;
        hd.HD_CODE = kHd;
        TBR_LIST br;
        br.BR_CODE = kCashBranch;
        hd.BR_LIST.append(kCashBranch, br);
        G_HD_LIST.append(kHd, hd);
        loads.hooks.setCashPanel = [this](const QString &t) { panel = t; };
        loads.hooks.setReceptionBalances = [this](qint64 a, qint64 f) { balances << qMakePair(a, f); };
        loads.hooks.storeStatesChanged = [this] { ++statesChanged; };
        loads.hooks.moneyWord = [] { return QStringLiteral("머니"); };
    }
    void TearDown() override
    {
        ResetReferenceRecords();
        SandboxLinkTest::TearDown();
    }

    SandboxDatabase &db() const { return *host->database(); }
    QList<QStringList> sent(const QString &code, const QString &callType) const
    {
        QList<QStringList> out;
        for (const SandboxRequest &r : host->receivedRequests())
            if (r.reqNum == code && r.callType == callType)
                out << r.fields();
        return out;
    }
    qint64 money(const QString &kind, const QString &code, const char *column) const
    {
        return db().value(QStringLiteral("SELECT %1 FROM cash_balances WHERE kind = ? AND code = ?")
                              .arg(QLatin1String(column)),
                          {kind, code})
            .toLongLong();
    }

    StoreCashLoads loads;
    QString panel;
    QList<QPair<qint64, qint64>> balances;
    int statesChanged = 0;
};

TEST_F(StoreCashSandbox, StoreStatesFollowTheServerByMark)
{
    ASSERT_TRUE(loads.procLoadStStatus());
    ASSERT_EQ(sent("1", "SOK1").size(), 1);
    EXPECT_EQ(sent("1", "SOK1")[0], (QStringList{"3", kHd, kCashBranch, "", ""}));
    auto expectLikeServer = [this] {
        for (const TST_LIST &st : G_ST_LIST)
            EXPECT_EQ(QString(st.ST_CONN_YN),
                      db().value(QStringLiteral("SELECT conn_yn FROM store_states WHERE st_code = ?"), {QString(st.ST_CODE)})
                          .toString())
                << st.ST_CODE.toStdString();
    };
    expectLikeServer();
    EXPECT_EQ(statesChanged, 1);
    const QString mark = loads.gsSyncStDate;
    EXPECT_FALSE(mark.isEmpty());

    for (int i = 0; i < 6; ++i)
        host->stepScenario(1);
    ASSERT_TRUE(loads.procLoadStStatus());
    EXPECT_EQ(sent("1", "SOK1").last().value(4), mark);
    expectLikeServer();

    // A failure reply keeps the mark; no reply marks the link down.
    const QString now = loads.gsSyncStDate;
    LinkFaults faults;
    faults.outCode.insert(QStringLiteral("1"), QStringLiteral("0"));
    host->setFaults(faults);
    EXPECT_TRUE(loads.procLoadStStatus());
    EXPECT_EQ(loads.gsSyncStDate, now);
    EXPECT_TRUE(log.contains(QStringLiteral("1 is Fail 0:")));
    LinkFaults silent;
    silent.closeMidFrame = true;
    silent.onlyForCode = QStringLiteral("1");
    host->setFaults(silent);
    int topArea = 0;
    loads.hooks.enableTopArea = [&] { ++topArea; };
    EXPECT_FALSE(loads.procLoadStStatus());
    EXPECT_FALSE(G_CONNECTED);
    EXPECT_EQ(topArea, 1);
    EXPECT_TRUE(log.contains(QStringLiteral("1 Status Info ERR[NO RESULT]")));
}

TEST_F(StoreCashSandbox, CashReachesRecordsStatusBarAndReceptionWindows)
{
    ASSERT_TRUE(loads.proc_Load_Cash());
    ASSERT_EQ(sent("CS01_01_V07", "CMM8").size(), 1);
    EXPECT_EQ(sent("CS01_01_V07", "CMM8")[0], (QStringList{"tester", "5000", kHd, kCashBranch, "", "0", "", "0"}));

    const TBR_LIST &br = G_HD_LIST.find(kHd)->BR_LIST.at(0);
    EXPECT_EQ(br.CASH.cash, money("2", kCashBranch, "cash"));
    EXPECT_EQ(QString(br.CASH_BR), QString::number(money("2", kCashBranch, "cash")));
    for (const TST_LIST &st : G_ST_LIST) {
        EXPECT_EQ(st.CASH.cash, money("3", st.ST_CODE, "cash")) << st.ST_CODE.toStdString();
        EXPECT_EQ(st.CASH.outstanding, money("3", st.ST_CODE, "outstanding"));
        EXPECT_FALSE(QString(st.ST_CONN_TIME).isEmpty());
    }
    // The user's own row is the branch's.
    const TCashFigures user = G_USER_INFO.CASH;
    EXPECT_EQ(user.cash, money("2", kCashBranch, "cash"));
    EXPECT_EQ(panel, CashPanelText(QStringLiteral("머니"), user, true));
    ASSERT_EQ(balances.size(), 1);
    EXPECT_EQ(balances[0], qMakePair(user.cash - user.outstanding, user.cash - user.deposit - user.outstanding));

    // The next load carries the mark and brings what the day changed.
    const QString mark = loads.gsSyncCashDate;
    EXPECT_FALSE(mark.isEmpty());
    for (int i = 0; i < 10; ++i)
        host->stepScenario(1);
    ASSERT_TRUE(loads.proc_Load_Cash());
    EXPECT_EQ(sent("CS01_01_V07", "CMM8").last().value(6), mark);
    EXPECT_EQ(G_HD_LIST.find(kHd)->BR_LIST.at(0).CASH.cash, money("2", kCashBranch, "cash"));
    for (const TST_LIST &st : G_ST_LIST)
        EXPECT_EQ(st.CASH.cash, money("3", st.ST_CODE, "cash")) << st.ST_CODE.toStdString();
}

TEST_F(StoreCashSandbox, WithoutMoneyRightsTheBalanceIsHiddenAndTheWindowsUntouched)
{
    G_USER_INFO.UserAuthGrade = 3;
    db().exec(QStringLiteral("UPDATE cash_balances SET outstanding = 25000 WHERE kind = '2' AND code = ?"), {kCashBranch});
    ASSERT_TRUE(loads.proc_Load_Cash());
    EXPECT_EQ(panel, QStringLiteral("머니:????"));
    EXPECT_TRUE(balances.isEmpty());
    EXPECT_EQ(G_USER_INFO.CASH.outstanding, 25000);
}

TEST_F(StoreCashSandbox, AmountsTooLongForTheirFieldsAreKeptWhole)
{
    const QString store = G_ST_LIST.at(0).ST_CODE;
    db().exec(QStringLiteral("UPDATE cash_balances SET cash = 123456789012 WHERE kind = '3' AND code = ?"), {store});
    ASSERT_TRUE(loads.proc_Load_Cash());
    const TST_LIST &st = *G_ST_LIST.find(store);
    EXPECT_EQ(st.CASH.cash, 123456789012);
    EXPECT_EQ(QString(st.CASH_ST), QString()) << "never a cut number";
    EXPECT_TRUE(log.contains(QStringLiteral("CS01_01_V07 Cash Info cash too long for its field: 123456789012")));
}

TEST_F(StoreCashSandbox, BranchOfNoLoadedHeadOfficeChangesNothing)
{
    G_HD_LIST.clear();
    THD_LIST other;
    other.HD_CODE = "H0009";
    G_HD_LIST.append(QStringLiteral("H0009"), other);
    G_USER_INFO.USER_CODE = "X";
    ASSERT_TRUE(loads.proc_Load_Cash());
    EXPECT_EQ(G_HD_LIST.at(0).CASH.cash, 0);
    EXPECT_TRUE(G_HD_LIST.at(0).BR_LIST.isEmpty());
    EXPECT_EQ(G_USER_INFO.CASH.cash, 0);
    EXPECT_EQ(panel, QStringLiteral("머니:0"));
}

TEST_F(StoreCashSandbox, NoCashReplyMarksTheLinkDown)
{
    LinkFaults silent;
    silent.closeMidFrame = true;
    silent.onlyForCode = QStringLiteral("CS01_01_V07");
    host->setFaults(silent);
    EXPECT_FALSE(loads.proc_Load_Cash());
    EXPECT_FALSE(G_CONNECTED);
    EXPECT_TRUE(panel.isEmpty());
    EXPECT_TRUE(log.contains(QStringLiteral("CS01_01_V07 Cash Info ERR[NO RESULT]")));
}

TEST(CashTexts, PanelText)
{
    struct Case
    {
        qint64 cash, outstanding;
        bool rights;
        const char *text;
    };
    const Case cases[] = {
        {1520000, 0, true, "머니:1,520,000"},
        {1520000, 25000, true, "머니:1,520,000(25,000)"},
        {1520000, 25000, false, "머니:????"},
        {0, 0, true, "머니:0"},
        {999, -5, true, "머니:999"},
        {-3000, 0, true, "머니:-3,000"},
        {123456789012, 1000, true, "머니:123,456,789,012(1,000)"},
    };
    for (const Case &c : cases) {
        TCashFigures f;
        f.cash = c.cash;
        f.outstanding = c.outstanding;
        EXPECT_EQ(CashPanelText(QStringLiteral("머니"), f, c.rights), QString::fromUtf8(c.text)) << c.text;
    }
}

TEST(CashTexts, AmountsFromTheServer)
{
    struct Case
    {
        const char *text;
        std::optional<qint64> value;
    };
    const Case cases[] = {
        {"1520000", 1520000},  {" -300 ", -300},         {"+5", 5},
        {"0", 0},              {"", std::nullopt},       {"-", std::nullopt},
        {"abc", std::nullopt}, {"1e5", std::nullopt},    {"1,000", std::nullopt},
        {"12.5", std::nullopt}, {"999999999999999", 999999999999999}, {"1000000000000000", std::nullopt},
        {"-999999999999999", -999999999999999}, {"99999999999999999999", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParseAmount(QString::fromLatin1(c.text)), c.value) << c.text;
}
} // namespace
