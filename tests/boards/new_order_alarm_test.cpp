// The new-order alarm: countdown and reminder schedule per order path, the detail's texts and goods
// tree, and accept / reject against the in-process sandbox.

#include "../link/sandbox_link_fixture.h"

#include "common/interface_texts.h"
#include "boards/new_order_alarm.h"
#include "sandbox/order_scenario.h"
#include "sandbox/sandbox_database.h"

namespace
{
const QDate kDay(2026, 12, 11);

QDateTime alarmAt(int h, int m, int s, int ms = 0)
{
    return QDateTime(kDay, QTime(h, m, s, ms));
}

struct AlarmRun
{
    QStringList texts;          // countdown text of every tick
    QList<qint64> soundsAt;     // seconds since the window showed, of every reminder
    int closedAfter = -1;       // seconds since the window showed of the closing tick
};

// Ticks once a second for up to `seconds` after the window showed.
AlarmRun runAlarm(const QString &path, const QString &orderTime, const QDateTime &shown, int seconds)
{
    AlarmRun r;
    for (int n = 1; n <= seconds; ++n) {
        const AlarmTick t = NewOrderAlarmTick(path, orderTime, shown, shown.addSecs(n));
        if (t.close) {
            r.closedAfter = n;
            break;
        }
        r.texts.append(t.waitText);
        if (t.sound)
            r.soundsAt.append(n);
    }
    return r;
}
} // namespace

TEST(NewOrderAlarmSchedule, ParcelPathCountsDownTenMinutesAndRemindsInTheLastFive)
{
    // Shown half a second after the order came in at 10:00:00.
    const QDateTime shown = alarmAt(10, 0, 0, 500);
    EXPECT_EQ(NewOrderAlarmTick("1014", "2026-12-11 10:00:00", shown, alarmAt(10, 0, 0, 1)).waitText,
              QStringLiteral("9분 59초"));
    const AlarmRun r = runAlarm("1014", "2026-12-11 10:00:00", shown, 700);
    QList<qint64> expected;  // 4:30, 4:00, ..., 0:30 left, and the last second
    for (int left = 270; left >= 0; left -= 30)
        expected.append(600 - left - 1);
    EXPECT_EQ(r.soundsAt, expected);
    EXPECT_EQ(r.closedAfter, 600);  // at 10:10:00.5
    EXPECT_EQ(r.texts.first(), QStringLiteral("9분 58초"));
    EXPECT_EQ(r.texts.last(), QStringLiteral("0초"));
}

TEST(NewOrderAlarmSchedule, FiveMinutePathsRemindEveryTenSeconds)
{
    for (const char *path : {"1001", "1016", "1028"}) {
        const AlarmRun r = runAlarm(path, "2026-12-11 10:00:00", alarmAt(10, 0, 0), 400);
        EXPECT_EQ(r.closedAfter, 300) << path;
        ASSERT_FALSE(r.soundsAt.isEmpty()) << path;
        EXPECT_EQ(r.soundsAt.size(), 29) << path;  // 290, 280, ..., 10 seconds left
        EXPECT_EQ(r.soundsAt.first(), 10) << path;
        EXPECT_EQ(r.texts.at(58), QStringLiteral("4분 1초")) << path;
    }
}

TEST(NewOrderAlarmSchedule, OldOrderClosesAtTheFirstTick)
{
    const AlarmRun r = runAlarm("1001", "2026-12-11 09:54:00", alarmAt(10, 0, 0), 10);
    EXPECT_EQ(r.closedAfter, 1);
}

TEST(NewOrderAlarmSchedule, PathsWithoutCountdownRemindSinceShownAndNeverClose)
{
    struct Case
    {
        const char *what;
        QString path, orderTime;
    };
    const std::vector<Case> cases = {
        {"another path", "1004", "2026-12-11 09:00:00"},
        {"an order time that cannot be read", "1001", "09시"},
        {"no order time", "1014", ""},
    };
    for (const Case &c : cases) {
        const AlarmRun r = runAlarm(c.path, c.orderTime, alarmAt(10, 0, 3), 3600);
        EXPECT_EQ(r.closedAfter, -1) << c.what;
        EXPECT_EQ(r.soundsAt.size(), 360) << c.what;
        EXPECT_EQ(r.soundsAt.first(), 10) << c.what;
        EXPECT_TRUE(r.texts.first().isEmpty()) << c.what;
    }
}

TEST(NewOrderAlarmTexts, CountdownDistanceAndPayment)
{
    EXPECT_EQ(AlarmCountdownText(61), QStringLiteral("1분 1초"));
    EXPECT_EQ(AlarmCountdownText(60), QStringLiteral("1분 0초"));
    EXPECT_EQ(AlarmCountdownText(59), QStringLiteral("59초"));

    const std::vector<std::pair<QString, QString>> distances = {
        {"1234.9", "1.234Km"}, {"1000", "1Km"}, {"999.99", "0.999Km"}, {"0", "0Km"},
        {"-3", "0Km"},         {"abc", "0Km"},  {"", "0Km"},          {"1e400", "0Km"},
    };
    for (const auto &[in, out] : distances)
        EXPECT_EQ(AlarmDistanceText(in), out) << in.toStdString();

    struct Pay
    {
        QString where, kind, text;
    };
    const std::vector<Pay> pays = {
        {"1", "1001", "현금"}, {"1", "1002", "카드"}, {"3", "1001", "출발지-현금"},
        {"3", "1003", "출발지-카드"}, {"2", "1001", "선결제"}, {"", "", "선결제"},
    };
    for (const Pay &p : pays)
        EXPECT_EQ(AlarmPaymentText(p.where, p.kind), p.text) << p.where.toStdString() << "/" << p.kind.toStdString();

    EXPECT_EQ(MakeAlarmRejectReason("고객요청", "9999").tag, 9999);
    EXPECT_EQ(MakeAlarmRejectReason("기타", "C01").tag, 1001);
}

TEST(NewOrderAlarmTexts, GoodsTree)
{
    auto goods = [](std::map<int, QString> f) {
        QStringList cols(20);
        for (const auto &[i, v] : f)
            cols[i] = v;
        return cols.join(QChar(0x2502)) + QChar(0x2502);
    };
    const QStringList rows = {
        goods({{1, "G1"}, {2, "후라이드"}, {3, "2"}, {4, "18000"}, {5, "20000"}, {6, "1"}, {11, "2"},
               {7, " 순살 "}, {8, "2000"}, {12, "0"}, {13, "O2"}, {9, "소스"}, {10, "500"}}),
        goods({{1, "G2"}, {2, "콜라"}, {3, "x"}, {4, "0"}, {5, "2500"}, {6, "2"}, {11, "1"}}),
        goods({{1, "G3"}, {2, "반반"}, {3, "1"}, {6, "3"}, {11, "3"}, {8, "abc"}}),  // takes the last base
        goods({{1, "0"}, {11, "4"}}),                                                // an empty line
    };
    auto addition = [](const QString &key, const QString &name, const QString &price, const QString &qty) {
        return QStringList{key, "A", name, price, qty, "", "AC1"}.join(QChar(0x2502)) + QChar(0x2502);
    };
    const QStringList additions = {addition("2", "치킨무", "500", "2"), addition("9", "고아", "100", "1"),
                                   addition("0", "", "0", "1")};
    const QList<AlarmGoodsLine> tree = AlarmGoodsTree(rows, additions);
    ASSERT_EQ(tree.size(), 3);
    EXPECT_EQ(tree.at(0).name, QStringLiteral("콜라"));  // sorted by line key
    EXPECT_EQ(tree.at(0).quantity, 1);
    EXPECT_EQ(tree.at(0).unitPrice, 2500);
    const AlarmGoodsLine &chicken = tree.at(1);
    EXPECT_EQ(chicken.unitPrice, 18000 + 2000 + 500);
    EXPECT_EQ(chicken.amount, 41000);
    EXPECT_EQ(chicken.options[0].name, QStringLiteral("순살"));
    EXPECT_TRUE(chicken.options[0].code.isEmpty());
    EXPECT_EQ(chicken.options[1].code, QStringLiteral("O2"));
    ASSERT_EQ(chicken.additions.size(), 1);  // the orphan is dropped
    EXPECT_EQ(chicken.additions.at(0).amount, 1000);
    EXPECT_EQ(chicken.additions.at(0).addCode, QStringLiteral("AC1"));
    EXPECT_EQ(tree.at(2).unitPrice, 2500);  // the previous line's base price
    EXPECT_TRUE(tree.at(2).additions.isEmpty());
}

namespace
{
class NewOrderAlarmSandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        proc_SetLanKor();
        G_USER_INFO.ID = QStringLiteral("tester");
        G_USER_INFO.USER_TYPE_CD = "5001";
        hooks.show = [this] { ++shows; };
        hooks.hide = [this] { ++hides; };
        hooks.removeNewOrder = [this](const QString &no) { removed.append(no); };
        hooks.playSound = [this](int slot) { sounds.append(slot); };
        const QList<QVariantList> rows = db().rows(QStringLiteral("SELECT ord_no FROM orders ORDER BY ord_no"));
        ASSERT_FALSE(rows.isEmpty());
        no = rows.first().value(0).toString();
        SandboxOrders::updateOrder(db(), no,
                                   {{"ord_status_cd", "1001"}, {"arr_time", ""}, {"ord_path_cd", "1016"},
                                    {"goods_names", "양념치킨 1, 콜라 1.25L 2"}, {"dvry_distance", "1.2345"},
                                    {"ord_today_all_no", "12345"}, {"ord_amt", "25000"}});
    }

    SandboxDatabase &db() { return *host->database(); }
    QString value(const QString &column) { return SandboxOrders::order(db(), no).value(column); }

    QList<SandboxRequest> sent(const QString &code) const
    {
        QList<SandboxRequest> out;
        for (const SandboxRequest &r : host->receivedRequests())
            if (r.reqNum == code)
                out.append(r);
        return out;
    }

    QStringList info() const
    {
        QStringList out;
        for (const auto &[k, t] : boxes.shown)
            if (k == QLatin1String("I"))
                out.append(t);
        return out;
    }

    NewOrderAlarmHooks hooks;
    QString no;
    int shows = 0;
    int hides = 0;
    QStringList removed;
    QList<int> sounds;
};
} // namespace

TEST_F(NewOrderAlarmSandbox, OpensWithTheOrdersDetailAndGoods)
{
    NewOrderAlarm alarm(hooks);
    alarm.openFor("1001", "", no, alarmAt(8, 5, 0));
    const QList<SandboxRequest> r = sent("CS01_13_V01");
    ASSERT_EQ(r.size(), 1);
    EXPECT_EQ(r.at(0).callType, QStringLiteral("ADM3"));
    EXPECT_EQ(r.at(0).pageCount, QStringLiteral("3000"));
    EXPECT_EQ(r.at(0).fields(), (QStringList{no, "tester", "1"}));
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(alarm.visible());
    const NewOrderDetail &d = alarm.detail();
    EXPECT_EQ(d.number, QStringLiteral("12,345"));
    EXPECT_EQ(d.amount, QStringLiteral("25,000"));
    EXPECT_EQ(d.distance, QStringLiteral("1.234Km"));
    EXPECT_EQ(d.payment, QStringLiteral("선결제"));
    EXPECT_EQ(d.orderPath, QStringLiteral("1016"));
    EXPECT_EQ(d.status, QStringLiteral("1001"));
    EXPECT_EQ(d.ordNo, no);
    EXPECT_EQ(d.orderTime, value("ord_date"));
    ASSERT_EQ(d.goods.size(), 2);
    EXPECT_EQ(d.goods.at(0).name, QStringLiteral("양념치킨"));
    EXPECT_EQ(d.goods.at(0).additions.size(), 1);
    EXPECT_EQ(d.goods.at(1).quantity, 2);
}

TEST_F(NewOrderAlarmSandbox, ConfirmedOrChangedOrdersDoNotOpen)
{
    NewOrderAlarm alarm(hooks);
    alarm.openFor("2001", "", no, alarmAt(8, 5, 0));
    alarm.openFor("1001", "2026-12-11 08:40:00", no, alarmAt(8, 5, 0));
    alarm.openFor("1001", "", "20261211999999", alarmAt(8, 5, 0));  // the server knows no such order
    EXPECT_EQ(info(), (QStringList{"이미 주문을 확인하였거나 상태가 변경되었습니다.",
                                   "이미 주문을 확인하였거나 상태가 변경되었습니다."}));
    EXPECT_EQ(sent("CS01_13_V01").size(), 1);
    EXPECT_EQ(shows, 0);
    EXPECT_FALSE(alarm.visible());

    // Showing one order, then asked for one the server does not know: the window goes.
    alarm.openFor("1001", "", no, alarmAt(8, 5, 0));
    ASSERT_TRUE(alarm.visible());
    alarm.openFor("1001", "", "20261211999999", alarmAt(8, 6, 0));
    EXPECT_FALSE(alarm.visible());
    EXPECT_FALSE(alarm.running());
    EXPECT_EQ(hides, 1);
}

TEST_F(NewOrderAlarmSandbox, AcceptSendsTheChosenMinutesAndTheServerApplies)
{
    struct Case
    {
        int status;
        int minutes;
        QString finalStatus;
    };
    for (const Case &c : std::vector<Case>{{1001, 90, "1001"}, {2001, 45, "2001"}}) {
        SandboxOrders::updateOrder(db(), no, {{"ord_status_cd", "1001"}, {"arr_time", ""}});
        host->clearReceived();
        boxes.shown.clear();
        removed.clear();
        NewOrderAlarm alarm(hooks);
        alarm.openFor("1001", "", no, alarmAt(8, 5, 0));
        alarm.chooseMinutes(c.minutes);
        alarm.chooseMinutes(55);  // no such button
        alarm.proc_SendOrderConfirm(c.status, 0);
        const QList<SandboxRequest> r = sent("CS01_12_V02");
        ASSERT_EQ(r.size(), 1);
        EXPECT_EQ(r.at(0).callType, QStringLiteral("ADM1"));
        EXPECT_EQ(r.at(0).fields(),
                  (QStringList{no, "tester", "1001", QString::number(c.status), QString::number(c.minutes)}));
        EXPECT_EQ(value("ord_status_cd"), c.finalStatus);
        EXPECT_FALSE(value("arr_time").isEmpty());
        EXPECT_EQ(removed, QStringList{no});
        EXPECT_EQ(info(), QStringList{"성공했습니다."});
        EXPECT_FALSE(alarm.visible());
        EXPECT_TRUE(alarm.detail().ordNo.isEmpty());
        EXPECT_EQ(alarm.minutes(), 30);
    }
}

TEST_F(NewOrderAlarmSandbox, RejectAsksAndTellsAutomaticFromUserCancellation)
{
    struct Case
    {
        const char *what;
        int reason;
        bool systemReply;
        QString text;
    };
    const std::vector<Case> cases = {
        {"a reason of the user", 12, false, "주문취소 되었습니다"},
        {"the automatic reason", 9999, false, "자동취소 되었습니다"},
        {"the server says it was the system", 12, true, "자동취소 되었습니다"},
    };
    for (const Case &c : cases) {
        SandboxOrders::updateOrder(db(), no, {{"ord_status_cd", "1001"}, {"arr_time", ""}});
        host->clearReceived();
        boxes.shown.clear();
        if (c.systemReply)
            host->setHandler(QStringLiteral("CS01_11_V03"), [](const SandboxRequest &) {
                return SandboxReply::code(QStringLiteral("1"), QStringLiteral("SYSTEM"));
            });
        NewOrderAlarm alarm(hooks);
        alarm.openFor("1001", "", no, alarmAt(8, 5, 0));
        alarm.reject(MakeAlarmRejectReason("사유", QString::number(c.reason)));
        const QList<SandboxRequest> r = sent("CS01_11_V03");
        ASSERT_EQ(r.size(), 1) << c.what;
        EXPECT_EQ(r.at(0).fields(),
                  (QStringList{no, "tester", "5", "1001", "4002", QString::number(c.reason), "", ""}))
            << c.what;
        EXPECT_EQ(boxes.shown.first(), qMakePair(QStringLiteral("Q"), QStringLiteral("주문 취소 하시겠습니까?")));
        EXPECT_EQ(info(), QStringList{c.text}) << c.what;
        if (!c.systemReply) {
            EXPECT_EQ(value("ord_status_cd"), QStringLiteral("4002")) << c.what;
        }
    }
}

TEST_F(NewOrderAlarmSandbox, FailedAcceptKeepsTheWindowAndItsCountdown)
{
    NewOrderAlarm alarm(hooks);
    alarm.openFor("1001", "", no, alarmAt(8, 5, 0));
    SandboxOrders::updateOrder(db(), no, {{"ord_status_cd", "2001"}});  // moved on meanwhile
    alarm.proc_SendOrderConfirm(1001, 0);
    ASSERT_EQ(info().size(), 1);
    EXPECT_TRUE(info().first().startsWith(QStringLiteral("실패했습니다.\r\n")));
    EXPECT_TRUE(alarm.visible());
    EXPECT_TRUE(alarm.running());
    EXPECT_EQ(alarm.detail().ordNo, no);
    EXPECT_TRUE(removed.isEmpty());

    boxes.shown.clear();
    boxes.setAnswer(2);  // the user keeps the order after all
    alarm.reject(MakeAlarmRejectReason("사유", "12"));
    EXPECT_TRUE(sent("CS01_11_V03").isEmpty());
}

TEST_F(NewOrderAlarmSandbox, TheWindowCountsDownFromTheOrderTime)
{
    NewOrderAlarm alarm(hooks);
    const QDateTime placed = QDateTime::fromString(value("ord_date"), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    alarm.openFor("1001", "", no, placed.addSecs(30));
    AlarmTick t = alarm.tick(placed.addSecs(50));
    EXPECT_EQ(alarm.waitText(), QStringLiteral("4분 10초"));
    EXPECT_TRUE(t.sound);
    EXPECT_EQ(sounds, QList<int>{3});
    t = alarm.tick(placed.addSecs(300));
    EXPECT_TRUE(t.close);
    EXPECT_FALSE(alarm.visible());
    EXPECT_EQ(hides, 1);
    EXPECT_TRUE(sent("CS01_12_V02").isEmpty() && sent("CS01_11_V03").isEmpty());  // the server cancels
}
