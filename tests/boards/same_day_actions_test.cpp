// The same-day pop-up menu plan, the status and unloading requests with their replies, and the
// label print order.

#include "orders/same_day_test_support.h"

#include "boards/same_day_actions.h"

using namespace ordertest;

namespace
{
SameDayMenuLogin login(const char *cls, int maxGrade, int gansun = 0, int jisun = 0)
{
    SameDayMenuLogin l;
    l.userClass = QString::fromLatin1(cls);
    l.br = QStringLiteral("B000101");
    l.gansun = gansun;
    l.jisun = jisun;
    // Level 1 is the highest right: a login holds every level from its own down to 7.
    l.hasAuthGrade = [maxGrade](int level) { return level >= maxGrade; };
    return l;
}

SameDayFocus focus(const char *status)
{
    SameDayFocus f;
    f.focused = true;
    f.status = QString::fromLatin1(status);
    f.orderNo = QStringLiteral("S1");
    f.ordStCode = QStringLiteral("S0001");
    f.cthStCode = QStringLiteral("S0001");
    f.cthBrCode = QStringLiteral("B000201");
    f.cthStTel = QStringLiteral("0212345678");
    f.kind = QStringLiteral("1009");
    return f;
}

QStringList actionItems(const SameDayMenuPlan &p)
{
    QStringList out;
    for (const SameDayMenuItem &i : SameDayMenuItems())
        if (p.shows(i.name))
            out.append(QString::fromLatin1(i.name));
    return out;
}
} // namespace

TEST(SameDayMenu, PlansByTabStatusClassAndRights)
{
    struct Case
    {
        const char *what;
        SameDayTab tab;
        SameDayFocus focus;
        SameDayMenuLogin login;
        QStringList expected;
    };
    SameDayFocus none;
    SameDayFocus errorRow = focus("6203");
    errorRow.error = QStringLiteral("1");
    SameDayFocus parcel = focus("1001");
    parcel.kind = QStringLiteral("1015");
    SameDayFocus tracked = focus("6101");
    tracked.extUrl = QStringLiteral("https://127.0.0.1/parcel");
    const Case cases[] = {
        {"distributor level 3, 2001, no legs", SameDayTab::Today, focus("2001"), login("5", 3),
         {"mnDayChg3003", "mnDayChg4001", "N15", "mnDayChgMine", "N3", "mnDayMSGStore", "mnDayMSGWKBR",
          "mnDayMSGWKST", "mnDayMSGWorker"}},
        {"distributor with a branch leg, 2001 is a no-arrival status", SameDayTab::Today, focus("2001"),
         login("5", 3, 0, 1),
         {"mnDayChg3003", "mnDayChg4001", "N15", "mnDayChgMine", "N3", "mnDayMSGStore", "mnDayMSGWKBR",
          "mnDayMSGWKST", "mnDayMSGWorker"}},
        {"distributor with a trunk leg on a leg status", SameDayTab::Logistics, focus("7201"), login("5", 3, 1),
         {"mnDayChgArrive", "N4"}},
        {"head office level 1 on the logistics tab, 6203", SameDayTab::Logistics, focus("6203"), login("7", 1),
         {"mnDayChgStatus", "mnDayChgSta6301", "mnDayChgSta7301", "mnDayChgSta8301", "mnDayChgSta2001",
          "mnDayChg4002", "N4"}},
        {"head office on 8101: only the branch unloading left", SameDayTab::Logistics, focus("8101"), login("7", 1),
         {"mnDayChgStatus", "mnDayChgSta8301", "mnDayChgSta2001", "mnDayChg4002", "N4"}},
        {"completed tab, 4001", SameDayTab::Completed, focus("4001"), login("7", 1), {}},
        {"error row on the logistics grid", SameDayTab::Logistics, errorRow, login("7", 1), {}},
        {"no focused record", SameDayTab::Today, none, login("7", 1), {}},
        {"1001 parcel needs level 7 for the request item", SameDayTab::Today, parcel, login("5", 7),
         {"mna32001"}},
        {"1001 at level 3", SameDayTab::Today, focus("1001"), login("5", 3),
         {"mnDayChg6101", "mnDayChg4002", "N4", "mnDayMSGStore", "mnDayMSGWKBR", "mnDayMSGWKST", "mnDayMSGWorker"}},
        {"tracking page with a link", SameDayTab::Today, tracked, login("3", 7), {"mnA3TBNowLIst"}},
    };
    for (const Case &c : cases) {
        QStringList expected = c.expected;
        QStringList got = actionItems(mnSameDayPopup(c.tab, c.focus, c.login));
        std::sort(expected.begin(), expected.end());
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, expected) << c.what;
    }
    // 3001: the dispatch cancel is left out for a store login of an app service order.
    SameDayMenuLogin store = login("1", 3);
    store.orderService = QStringLiteral("Y");
    EXPECT_FALSE(mnSameDayPopup(SameDayTab::Today, focus("3001"), store).shows("mnDayChg2001"));
    EXPECT_TRUE(mnSameDayPopup(SameDayTab::Today, focus("3001"), login("1", 3)).shows("mnDayChg2001"));
    // The remembered order.
    const SameDayMenuPlan p = mnSameDayPopup(SameDayTab::Today, focus("3001"), login("5", 3));
    EXPECT_EQ(p.order.FPOP_ORDER_NO, QStringLiteral("S1"));
    EXPECT_EQ(p.order.FPOP_ORD_ST_TEL, QStringLiteral("0212345678"));
}

namespace
{
class SameDayActionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        G_FIELD_SEP = sep();
        G_USER_INFO = TUSER_INFO();
        G_USER_INFO.ID = QStringLiteral("desk01");
        G_USER_INFO.USER_TYPE_CD = "7001";
        hooks.confirm = [this](const QString &q) {
            asked.append(q);
            return answer;
        };
        hooks.inform = [this](const QString &m) { shown.append(m); };
        hooks.log = [this](const QString &l) { log.append(l); };
        hooks.request = [this](const QString &code, const QString &callType, const QString &val, int timeout) {
            EXPECT_EQ(callType, QStringLiteral("ADM1"));
            EXPECT_EQ(timeout, 30000);
            sent.append(code + QLatin1Char('|') + val);
            if (reply == QLatin1String("throw"))
                throw std::runtime_error("broken");
            return reply;
        };
    }
    static QString replyOf(const char *code, const char *msg)
    {
        QJsonObject o;
        o.insert(QStringLiteral("OUT_CODE"), QString::fromLatin1(code));
        o.insert(QStringLiteral("OUT_MSG"), QString::fromUtf8(msg));
        return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
    }

    SameDayActionHooks hooks;
    bool answer = true;
    QString reply;
    QStringList asked, shown, log, sent;
};
} // namespace

TEST_F(SameDayActionTest, StatusChangeSendsTheItemsTagAndTheCancelReason)
{
    reply = replyOf("1", "OK");
    EXPECT_TRUE(proc_SameDayOrderChangeStatus(QStringLiteral("출발변경"), 3003, QStringLiteral("R1"),
                                              QStringLiteral("S1"), QStringLiteral("3001"), hooks));
    EXPECT_EQ(asked, QStringList{"출발변경 하시겠습니까?"});
    const QString s = sep();
    EXPECT_EQ(sent.at(0), "CS01_34_V01|S1" + s + "desk01" + s + "7" + s + "3001" + s + "3003" + s + s + s + s);
    EXPECT_EQ(shown.at(0), QStringLiteral("상태가 변경되었습니다.\r\nOK"));

    proc_SameDayOrderChangeStatus(QStringLiteral("단순변심"), 4002, QStringLiteral("R07"), QStringLiteral("S1"),
                                  QStringLiteral("3001"), hooks);
    EXPECT_EQ(sent.at(1).split(sep()).at(5), QStringLiteral("R07"));

    answer = false;
    EXPECT_FALSE(proc_SameDayOrderChangeStatus(QStringLiteral("완료변경"), 4001, {}, QStringLiteral("S1"),
                                               QStringLiteral("3003"), hooks));
    EXPECT_EQ(sent.size(), 2) << "nothing sent without OK";
}

TEST_F(SameDayActionTest, RepliesRefusalsAndNoReply)
{
    struct Case
    {
        const char *what;
        QString reply;
        QString shown;
        QString logLine;
        bool ok;
    };
    const Case cases[] = {
        {"refused", replyOf("0", "이미 변경됨"), QStringLiteral("실패했습니다.\n이미 변경됨"), QString(), false},
        {"no reply", QString(), QStringLiteral("인터넷 연결이 원활하지 정보 요청에 실패했습니다."),
         QStringLiteral("CS01_45_V01 ERR[NO RESULT]"), false},
        {"exception", QStringLiteral("throw"), QString(), QStringLiteral("CS01_45_V01 Exception Err broken"), false},
        {"done", replyOf("1", "[S1] 7301"), QStringLiteral("상태가 변경되었습니다.\r\n[S1] 7301"), QString(), true},
    };
    for (const Case &c : cases) {
        shown.clear();
        log.clear();
        reply = c.reply;
        EXPECT_EQ(proc_SameDayOrderChangeArrive(QStringLiteral("S1"), hooks), c.ok) << c.what;
        EXPECT_EQ(shown.value(0), c.shown) << c.what;
        EXPECT_EQ(log.value(0), c.logLine) << c.what;
    }
    EXPECT_EQ(asked.last(), QStringLiteral("상태를 변경하시겠습니까?"));
    EXPECT_EQ(sent.last().split(sep()).size(), 7);
}

TEST(SameDayPrint, LabelsInTextOrder)
{
    struct Printer : ISameDayLabelPrinter
    {
        QStringList printed;
        void procSameDayPrint(const QString &no, const QString &copies) override
        {
            EXPECT_EQ(copies, QStringLiteral("1"));
            printed.append(no);
        }
    } printer;
    EXPECT_EQ(btnSameDayPrintClick({"30", "4", "200"}, printer), 3);
    EXPECT_EQ(printer.printed, (QStringList{"200", "30", "4"}));
}
