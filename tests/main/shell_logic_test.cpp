#include "common/interface_texts.h"
#include "common/program_globals.h"
#include "main/shell_pages.h"
#include "main/shell_timers.h"
#include "main/status_bar_texts.h"
#include "main/top_menu.h"
#include "records/business_rules.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QUrlQuery>

namespace
{
TUSER_INFO user(const QString &type, int grade)
{
    TUSER_INFO u;
    u.USER_TYPE_CD = type;
    u.UserAuthGrade = grade;
    return u;
}
} // namespace

TEST(TopMenu, RightsPerUserTable)
{
    struct Case
    {
        QString type;
        int grade;
        int sameDay;
        TopButton button;
        bool enabled, visible;
    };
    const Case cases[] = {
        {"1003", 3, 1, TopButton::Reception, true, true},
        {"1003", 3, 0, TopButton::Reception, false, true},   // store without normal same-day
        {"7003", 3, 0, TopButton::Reception, true, true},    // head office always
        {"1004", 4, 1, TopButton::Reception, false, true},   // grade 4 lacks level 3
        {"1004", 4, 1, TopButton::Today, true, true},
        {"1005", 5, 1, TopButton::Today, false, true},
        {"1002", 2, 1, TopButton::Calculate, true, false},   // store: hidden
        {"5002", 2, 1, TopButton::Calculate, true, true},
        {"5003", 3, 1, TopButton::Calculate, false, true},
        {"7003", 3, 1, TopButton::Worker, true, true},
        {"1001", 1, 1, TopButton::Admin, true, true},
        {"1002", 2, 1, TopButton::Admin, false, true},
        {"1009", 9, 1, TopButton::Home, true, true},
        {"1009", 9, 1, TopButton::Refresh, true, true},
    };
    for (const Case &c : cases) {
        TUSER_INFO u = user(c.type, c.grade);
        u.SAMEDAY_NORMAL_TYPE = c.sameDay;
        const TopMenuRights r = TopMenuRightsFor(u, false);
        EXPECT_EQ(r.of(c.button).enabled, c.enabled) << c.type.toStdString() << " " << int(c.button);
        EXPECT_EQ(r.of(c.button).visible, c.visible) << c.type.toStdString() << " " << int(c.button);
    }
    TUSER_INFO u = user("1003", 3);
    EXPECT_FALSE(TopMenuRightsFor(u, false).of(TopButton::WorkControl).visible);
    EXPECT_FALSE(TopMenuRightsFor(u, false).of(TopButton::Print).enabled);
    EXPECT_TRUE(TopMenuRightsFor(u, true).of(TopButton::Print).enabled);
    EXPECT_TRUE(TopMenuRightsFor(u, false).sidePanelsVisible);
    u.BR_DVRY_YN = "Y";
    EXPECT_TRUE(TopMenuRightsFor(u, false).of(TopButton::WorkControl).visible);
    TUSER_INFO head = user("7003", 3);
    head.DVRY_MNG_YN = "Y";
    EXPECT_TRUE(TopMenuRightsFor(head, false).of(TopButton::WorkControl).visible);
    EXPECT_FALSE(TopMenuRightsFor(user("1004", 4), false).sidePanelsVisible);
    EXPECT_EQ(TopButtons().size(), 15);
}

TEST(TopMenu, ButtonDownTable)
{
    struct Case
    {
        QString cur;
        bool active, grade4;
        bool any;
        TopButton button;
        bool rerun;
        QString after;
    };
    const Case cases[] = {
        {"", true, true, false, TopButton::Home, false, ""},
        {"FRM_ACP", true, true, true, TopButton::Reception, false, "FRM_ACP"},
        {"FRM_ORD", true, true, true, TopButton::Today, false, "FRM_ORD"},
        {"FRM_ORD", false, true, false, TopButton::Today, true, "FRM_ORD"},
        {"FRM_ORD_OLD", true, true, true, TopButton::Past, false, "FRM_ORD_OLD"},
        {"FRM_CONFIG", true, true, true, TopButton::Config, false, "FRM_CONFIG"},
        {"FRM_CALCULATE", true, true, true, TopButton::Calculate, false, "FRM_CALCULATE"},
        {"FRM_PRODUCT", true, true, true, TopButton::Product, false, "FRM_PRODUCT"},
        {"FRM_STOREINFO", true, true, true, TopButton::MyInfo, false, "FRM_STOREINFO"},
        {"FRM_PEOPLE_NEW", true, true, true, TopButton::Worker, false, "FRM_PEOPLE_NEW"},
        {"FRM_STATISTICS", true, true, true, TopButton::Statistic, false, "FRM_STATISTICS"},
        {"FRM_CHR_MAIN", true, true, true, TopButton::Home, false, "FRM_CHR_MAIN"},
        {"FRM_ORD", true, false, true, TopButton::Home, false, "FRM_CHR_MAIN"},  // without level 4
        {"FRM_OTHER", true, true, false, TopButton::Home, false, "FRM_OTHER"},
    };
    for (const Case &c : cases) {
        const ButtonDown d = TopMenuButtonDown(c.cur, c.active, c.grade4);
        EXPECT_EQ(d.any, c.any) << c.cur.toStdString();
        if (c.any) {
            EXPECT_EQ(d.button, c.button) << c.cur.toStdString();
        }
        EXPECT_EQ(d.rerunToday, c.rerun) << c.cur.toStdString();
        EXPECT_EQ(d.curForm, c.after) << c.cur.toStdString();
    }
}

TEST(TopMenu, ReceptionChoicesAndCaptions)
{
    EXPECT_EQ(ChooseReceptionKind(true, true, 6), ReceptionKind::Delivery);
    EXPECT_EQ(ChooseReceptionKind(true, true, 7), ReceptionKind::Quick);
    EXPECT_EQ(ChooseReceptionKind(true, true, 2), ReceptionKind::None);
    EXPECT_EQ(ChooseReceptionKind(false, true, 0), ReceptionKind::Quick);
    EXPECT_EQ(ChooseReceptionKind(true, false, 0), ReceptionKind::Delivery);
    EXPECT_EQ(ChooseReceptionKind(false, false, 0), ReceptionKind::Delivery);
    EXPECT_TRUE(NeedsKindQuestion(true, true));
    EXPECT_FALSE(NeedsKindQuestion(false, true));
    EXPECT_EQ(ReceptionReturnScreen("FRM_ORD_OLD"), 2);
    EXPECT_EQ(ReceptionReturnScreen("FRM_ORD"), 1);
    EXPECT_EQ(ReceptionReturnScreen("FRM_CHR_MAIN"), 0);
    EXPECT_EQ(FirstFreeSlot({true, true, false, true, false}), 2);
    EXPECT_EQ(FirstFreeSlot({true, true, true, true, true}), -1);
    EXPECT_EQ(ReceptionTabCaption(0), QStringLiteral("접수1"));
    EXPECT_EQ(ReceptionTabCaption(9), QStringLiteral("접수10"));
    EXPECT_EQ(ModifyTabCaption(QStringLiteral("배차"), "12"), QStringLiteral("수정[배차-12]"));
    EXPECT_EQ(ModifyOrderKind("2"), 2);
    EXPECT_EQ(ModifyOrderKind("x"), 1);
    EXPECT_EQ(ControlScreenFor("2"), ControlScreen::List);
    EXPECT_EQ(ControlScreenFor("3"), ControlScreen::Map);
    EXPECT_EQ(ControlScreenFor("1"), ControlScreen::Order);
}

TEST(TopMenu, AdminPageAndWebAddresses)
{
    EXPECT_EQ(ChooseAdminPage("https://a", "", "https://d", "", "https://p"), QStringLiteral("https://p"));
    EXPECT_EQ(ChooseAdminPage("https://a", "", "", "", ""), QStringLiteral("https://a"));
    EXPECT_TRUE(AdminGroupStateMessage("1003").isEmpty());
    EXPECT_EQ(AdminGroupStateMessage("5003"), QStringLiteral("소속 총판의 상태가 정상인 경우에만 접근가능합니다."));
    EXPECT_TRUE(IsWebAddress("https://example.com/x"));
    EXPECT_TRUE(IsWebAddress("http://127.0.0.1:8080/"));
    for (const char *bad : {"file:///etc/passwd", "C:\\Windows\\calc.exe", "javascript:alert(1)", "https://", ""})
        EXPECT_FALSE(IsWebAddress(QString::fromUtf8(bad))) << bad;
}

TEST(ShellTimers, HousekeepingTickTable)
{
    ManualTickSource source;
    HousekeepingTick hk(&source);
    QList<int> sounds, searches;
    QStringList labels;
    int companion = 0;
    bool unread = true;
    bool listOpen = false;
    int tick = 0;
    hk.hooks.noticesUnread = [&] { return unread; };
    hk.hooks.playSound = [&](int slot) { sounds << tick * 100 + slot; };
    hk.hooks.keepCompanionRunning = [&] { ++companion; throw std::runtime_error("ignored"); };
    hk.hooks.storeStatusListOpen = [&] { return listOpen; };
    hk.hooks.storeStatusSearch = [&] { searches << tick; };
    hk.hooks.setCountdown = [&](const QString &t) { labels << t; };
    hk.FI_STORE_STATUS_ST_GAP = 3;
    hk.start();
    for (tick = 1; tick <= 10; ++tick) {
        source.advance(1000);
        EXPECT_EQ(hk.TMR_CHK_PROCESS.Tag, tick);
        EXPECT_TRUE(hk.TMR_CHK_PROCESS.isActive());
    }
    EXPECT_EQ(sounds, (QList<int>{300, 600, 900}));
    EXPECT_EQ(companion, 2);
    EXPECT_EQ(searches, (QList<int>{3}));
    // Phase 3: tick 1 -> 2초, 2 -> 1초, 4 -> 9초 ... 10 (r 0) -> 3초.
    EXPECT_EQ(labels.at(0), QStringLiteral("2초"));
    EXPECT_EQ(labels.at(1), QStringLiteral("1초"));
    EXPECT_EQ(labels.at(2), QStringLiteral("9초"));
    EXPECT_EQ(labels.last(), QStringLiteral("3초"));
    listOpen = true;
    unread = false;
    sounds.clear();
    source.advance(50 * 1000);
    EXPECT_EQ(hk.TMR_CHK_PROCESS.Tag, 0) << "the count wraps at 60";
    EXPECT_EQ(searches, (QList<int>{3})) << "no refresh while the branch list is open";
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_EQ(StoreStatusCountdown(3, 3), QString());
}

TEST(ShellTimers, MoneyRefreshIgnoresClicksWhileBusy)
{
    ManualTickSource source;
    MoneyRefresh m(&source);
    int loads = 0;
    QList<bool> colours;
    m.loadCash = [&] { ++loads; };
    m.setBusyColour = [&](bool aqua) { colours << aqua; };
    m.click();
    m.click();
    EXPECT_EQ(colours, (QList<bool>{true}));
    source.advance(1);
    EXPECT_EQ(loads, 1);
    m.click();
    source.advance(999);
    EXPECT_TRUE(m.busy());
    source.advance(1);
    EXPECT_FALSE(m.busy());
    EXPECT_EQ(colours, (QList<bool>{true, false}));
    m.click();
    source.advance(1001);
    EXPECT_EQ(loads, 2);
}

TEST(StatusBar, TextsPerUserClass)
{
    SetLanguageTexts();
    struct Case
    {
        QString type;
        QString panel0prefix;
        bool set0;
    };
    const Case cases[] = {{"7002", G_TXT_HD_NAME, true}, {"5002", G_TXT_BR_NAME, true},
                          {"1002", G_TXT_BR_NAME, true}, {"3002", QString(), false}};
    for (const Case &c : cases) {
        TUSER_INFO u = user(c.type, 2);
        u.GRP_NAME = QStringLiteral("행복치킨");
        u.GRP_CASH = "1234567";
        u.VBank_Name = QStringLiteral("국민");
        u.VBank = "12345678901234";
        u.USER_TYPE_NAME = QStringLiteral("가맹점");
        const StatusBarTexts t = StatusBarTextsFor(u, false, QStringLiteral("캐시"), "1.3.01");
        EXPECT_EQ(t.set[0], c.set0) << c.type.toStdString();
        if (c.set0) {
            EXPECT_EQ(t.panel[0], c.panel0prefix + QStringLiteral(":행복치킨"));
        }
        EXPECT_EQ(t.panel[3], QStringLiteral("캐시:1,234,567"));
        EXPECT_TRUE(t.panel[4].startsWith(QStringLiteral("충전:국민 ")));
        EXPECT_EQ(t.panel[6], QStringLiteral("가맹점"));
        EXPECT_EQ(t.panel[7], QStringLiteral("Ver1.3.01"));
    }
    TUSER_INFO low = user("1003", 3);
    low.GRP_CASH = "500";
    low.CASH_OSTD = "25000";
    EXPECT_EQ(MoneyPanelText(low, QStringLiteral("캐시")), QStringLiteral("캐시:??\?\?(25,000)"));
    EXPECT_EQ(StatusBarTextsFor(low, true, "", "1").panel[6], QStringLiteral("테스트"));
    EXPECT_EQ(GroupedAmount("abc"), QStringLiteral("0"));
}

TEST(StatusColours, DefaultsAndSettings)
{
    QTemporaryDir dir;
    TIniFile ini(dir.filePath("a.ini"));
    ini.WriteString("Other", "x", "1");
    QList<StatusColour> c = ApplyStatusColours(&ini);
    ASSERT_EQ(c.size(), 11);
    EXPECT_EQ(c.at(1).key, QStringLiteral("CB_2001"));
    EXPECT_EQ(c.at(1).colour, 0x00C0C0C0);
    EXPECT_EQ(c.at(2).colour, 0x00808040);
    EXPECT_EQ(G_STATUS_COLOR_3001, QStringLiteral("#408080"));
    ini.WriteString("Status", "CB_3003", "clRed");
    c = ApplyStatusColours(&ini);
    EXPECT_EQ(c.at(3).colour, clRed);
    EXPECT_EQ(G_STATUS_COLOR_3003, QStringLiteral("#FF0000"));
}

TEST(ShellPages, HomeAddressIsEncoded)
{
    TUSER_INFO u = user("1003", 3);
    u.ID = QStringLiteral("demo&x=1");
    u.GRP_NAME = QStringLiteral("행복 치킨&Co");
    u.HD = "H0001";
    u.BR = "B000101";
    u.ST = "S000101";
    u.BR_ST_CODE = "S000900";
    const QUrl url = HomePageUrl("https://home.example/", u);
    const QString text = url.toString(QUrl::FullyEncoded);
    EXPECT_TRUE(text.contains("USER_ID=demo%26x%3D1")) << text.toStdString();
    EXPECT_TRUE(text.contains("&MULTI_TYPE=&GRP_NAME=")) << text.toStdString();
    EXPECT_TRUE(text.contains("ST_CODE=S000101"));
    const QUrlQuery q(url);
    EXPECT_EQ(q.queryItemValue("USER_NAME", QUrl::FullyDecoded), u.GRP_NAME) << "empty NM gives the group name";
    EXPECT_EQ(q.queryItemValue("GRP_NAME", QUrl::FullyDecoded), u.GRP_NAME);
    u.USER_TYPE_CD = "5003";
    EXPECT_TRUE(HomePageUrl("https://home.example/", u).toString().contains("ST_CODE=S000900"));
    EXPECT_TRUE(HomePageUrl("file:///tmp/x", u).isEmpty());
}

TEST(ShellPages, PromotionThreeDayRuleAndContractBody)
{
    EXPECT_EQ(PromotionHideUntil(true, QDate(2026, 12, 10)), QStringLiteral("2026-12-13"));
    EXPECT_EQ(PromotionHideUntil(false, QDate(2026, 12, 10)), QStringLiteral("2026-12-10"));
    EXPECT_TRUE(PromotionStaysHidden("2026-12-13", QDateTime(QDate(2026, 12, 12), QTime(23, 59))));
    EXPECT_FALSE(PromotionStaysHidden("2026-12-13", QDateTime(QDate(2026, 12, 13), QTime(0, 0))));
    EXPECT_FALSE(PromotionStaysHidden("garbage", QDateTime(QDate(2026, 12, 1), QTime(0, 0))));
    TUSER_INFO u;
    u.ID = QStringLiteral("br 01");
    u.MC = "[A]PC-1";
    EXPECT_EQ(PlatformContractBody(u, QStringLiteral("p&w")),
              QStringLiteral("sData=COMMON│br%2001│p%26w│000008│P│[A]PC-1│").toUtf8());
}

TEST(ShellPages, CardSlipRows)
{
    const QString sep = QStringLiteral("│");
    auto row = [&](const QString &ord, const QString &kind, const QString &inst, int fields, const QString &cup = "") {
        QStringList f = {ord, kind, "국민", inst, "123456", "2026-12-11", "1000", "11000", "A1", "BZ", "OW", "TEL",
                         "SHOP", "ADDR", "", cup, ""};
        return f.mid(0, fields).join(sep);
    };
    CardSlip s;
    QString last;
    ASSERT_TRUE(ReadCardSlipRows({row("1", "11", "0", 17, "500")}, sep, s, last));
    EXPECT_EQ(s.money, QStringLiteral("9500 원"));
    EXPECT_EQ(s.cupPrice, QStringLiteral("500 원"));
    EXPECT_EQ(s.tax, QStringLiteral("1000 원"));
    EXPECT_EQ(s.total, QStringLiteral("11000 원"));
    EXPECT_EQ(s.instalment, QStringLiteral("일시불"));
    EXPECT_EQ(s.cardNum, QStringLiteral("123456**********"));
    CardSlip s2;
    ASSERT_TRUE(ReadCardSlipRows({row("1", "11", "3", 16), row("1", "12", "x", 16)}, sep, s2, last));
    EXPECT_EQ(s2.money, QStringLiteral("10000 원"));
    EXPECT_TRUE(s2.cupPrice.isEmpty());
    EXPECT_EQ(s2.tranType, QStringLiteral("승인취소")) << "the second row shows";
    EXPECT_EQ(s2.instalment, QStringLiteral("일시불"));
    CardSlip s3;
    ASSERT_TRUE(ReadCardSlipRows({row("1", "11", "3", 16)}, sep, s3, last));
    EXPECT_EQ(s3.instalment, QStringLiteral("3할부"));
    ASSERT_TRUE(ReadCardSlipRows({row("1", "99", "3", 16)}, sep, s3, last));
    EXPECT_TRUE(s3.tranType.isEmpty()) << "an unknown kind shows nothing";
    ASSERT_TRUE(ReadCardSlipRows({row("1", "11", "0", 16), row("2", "11", "0", 16)}, sep, s3, last));
    EXPECT_EQ(last, QStringLiteral("2"));
    EXPECT_FALSE(ReadCardSlipRows({row("1", "11", "0", 10)}, sep, s3, last));
    EXPECT_EQ(CardSlipFileName("123"), QStringLiteral("123카드전표.bmp"));
    EXPECT_EQ(CardSlipFileName("../../etc/x"), QStringLiteral("etcx카드전표.bmp"));
    EXPECT_EQ(CardSlipFileName(QStringLiteral("a\nb:c")), QStringLiteral("abc카드전표.bmp"));
}

TEST(ShellPages, CourierCallAndDevices)
{
    const QString sep = QStringLiteral("│");
    CourierCallInfo info;
    ReadCourierCallRows({"김배송│강남총판│01012345678│"}, {"3│1│7│"}, sep, info);
    EXPECT_EQ(info.name, QStringLiteral("김배송"));
    EXPECT_EQ(info.tel, QStringLiteral("010-1234-5678"));
    EXPECT_EQ(info.counts, QStringLiteral("배차:3/출발:1/완료:7"));
    CourierCallInfo two;
    ReadCourierCallRows({"a│b│c│", "d│e│f│"}, {"1│2│3│"}, sep, two);
    EXPECT_FALSE(two.hasPerson);
    EXPECT_TRUE(two.hasCounts);
    RegDevice d{"demo", "[A]PC-1", "P", "1", QStringLiteral("계산대"), "2026-11-02 10:00:00"};
    EXPECT_EQ(DeviceNickShown(d, "[A]PC-1"), QStringLiteral("계산대(현재기기)"));
    EXPECT_EQ(DeviceNickForEdit(QStringLiteral("계산대(현재기기)")), QStringLiteral("계산대"));
    EXPECT_EQ(DeviceDateShown(d.putDate), QStringLiteral("26-11-02"));
    EXPECT_EQ(DeviceTypeText("I"), QStringLiteral("스마트폰"));
    EXPECT_EQ(DeviceStatusText("2"), QStringLiteral("정지"));
    EXPECT_FALSE(DeviceNickFits(QString(40, QChar(0xAC00))));
}

TEST(Sounds, SlotsAndMute)
{
    TUSER_SET set;
    EXPECT_TRUE(SoundMayPlay(set));
    set.MuteSound = "1";
    EXPECT_FALSE(SoundMayPlay(set));
    EXPECT_EQ(SoundFileOfSlot(7), QStringLiteral(":/sounds/wave7.wav"));
    EXPECT_TRUE(SoundFileOfSlot(6).isEmpty());
    EXPECT_TRUE(SoundFileOfSlot(10).isEmpty());
}
