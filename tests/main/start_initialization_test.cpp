#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "start/device_start.h"
#include "reference/reference_sequence.h"
#include "start/start_initialization.h"
#include "start/start_settings.h"
#include "main/top_menu.h"
#include "platform/idle_monitor.h"
#include "records/device_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/settings_file.h"
#include "text/text_helpers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

namespace
{
class StartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ResetSessionRecords();
        previousLogDir = G_LOG_DIR;
        G_LOG_DIR = dir.path() + QLatin1Char('/');
        previousBox = SetMsgBoxHandler([this](const QString &text, const QString &kind) {
            boxes << kind + QLatin1Char(' ') + text;
            return 1;
        });
        ResetDeviceRecords();
        G_SESSION_SEC.clear();
        G_REINIT_DONE = false;
        ini = std::make_unique<TIniFile>(dir.path() + QStringLiteral("/test_env.ini"));
    }
    void TearDown() override
    {
        SetMsgBoxHandler(previousBox);
        G_LOG_DIR = previousLogDir;
        SetIdleSource(nullptr);
        ResetSessionRecords();
        ResetDeviceRecords();
        G_LOG_DIR = previousLogDir;
    }
    QStringList logLines() const
    {
        QFile f(DailyLogPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList out;
        for (const QString &line : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            out << line.mid(line.indexOf(QLatin1Char('-')) + 1);
        return out;
    }
    void write(const char *section, const char *key, const QString &value)
    {
        ini->WriteString(QString::fromLatin1(section), QString::fromLatin1(key), value);
    }

    QTemporaryDir dir;
    std::unique_ptr<TIniFile> ini;
    QString previousLogDir;
    MsgBoxHandler previousBox;
    QStringList boxes;
};

class FakeDevices : public IStartDevices
{
public:
    QStringList calls;
    bool vendorLoads = true;
    bool vendorOpens = true;
    QString serialError;
    QString networkError;
    QString openCallerIdPort(int box, const QString &port, int baud) override
    {
        calls << QStringLiteral("cid%1 %2 %3").arg(box).arg(port).arg(baud);
        return serialError;
    }
    bool loadVendorLibrary() override
    {
        calls << QStringLiteral("vendor");
        return vendorLoads;
    }
    bool openVendorPort(int portNo) override
    {
        calls << QStringLiteral("vendor port %1").arg(portNo);
        return vendorOpens;
    }
    QString probeSerialPrinter(int slot, const QString &port, int baud) override
    {
        calls << QStringLiteral("prt%1 serial %2 %3").arg(slot).arg(port).arg(baud);
        return {};
    }
    QString connectNetworkPrinter(int slot, const QString &host, quint16 port, int timeoutMs) override
    {
        calls << QStringLiteral("prt%1 net %2:%3 %4").arg(slot).arg(host).arg(port).arg(timeoutMs);
        return networkError;
    }
    QString selectSystemPrinter(int slot, int index) override
    {
        calls << QStringLiteral("prt%1 system %2").arg(slot).arg(index);
        return {};
    }
    QStringList installedPrinters() override { return {QStringLiteral("Office"), QStringLiteral("Receipt")}; }
};

class FakeIdle : public IIdleSource
{
public:
    quint32 seconds = 0;
    quint32 idleSeconds() const override { return seconds; }
};

class FakeReceptions : public IReceptionWindows
{
public:
    bool delivery = false, deliveryModify = false, quick = false, quickModify = false;
    bool anyDeliveryOpen() const override { return delivery; }
    bool deliveryModifyOpen() const override { return deliveryModify; }
    bool anyQuickOpen() const override { return quick; }
    bool quickModifyOpen() const override { return quickModify; }
};

QStringList names(const QList<SequenceStep> &steps)
{
    QStringList out;
    for (const SequenceStep &s : steps)
        out << s.name;
    return out;
}

// Fake loaders for every step that record their names in order.
ReferenceLoaderTable recordingTable(QStringList &calls)
{
    ReferenceLoaderTable t;
    for (const QString &cls : {QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("7")})
        for (const QString &name : names(StartupLoadSteps(cls)) + names(ReInitLoadSteps(cls, 0)))
            t.insert(name, [&calls, name] { calls << name; });
    for (const char *closing : {RefStep::kSetStat, RefStep::kNoticeInfo, RefStep::kLoadMessage}) {
        const QString name = QString::fromLatin1(closing);
        t.insert(name, [&calls, name] { calls << name; });
    }
    return t;
}
} // namespace

TEST_F(StartTest, MissingFileGivesTheDefaults)
{
    ReadStartSettings(nullptr);
    ReadPrinterSettings(nullptr);
    ReadCallerIdSettings(nullptr);
    EXPECT_EQ(G_USER_SET.MuteSound, QStringLiteral("0"));
    EXPECT_EQ(G_USER_SET.FONT_SIZE, 10);
    EXPECT_EQ(G_USER_SET.ViewWorkControlType, QStringLiteral("3"));
    EXPECT_EQ(G_USER_SET.MsgTime, 1500);
    EXPECT_EQ(G_USER_SET.ColorNormalB, 0xFFFFFFu);
    EXPECT_EQ(G_USER_SET.ColorOrdStNoChkB, 0xFFFFFFu);  // no file at all: the window colour
    EXPECT_EQ(G_USER_INFO.CHARGE_POS_YN, QStringLiteral("Y"));
    EXPECT_TRUE(G_SESSION_SEC.isEmpty());
    EXPECT_EQ(G_CID_INFO.PORT, 20005);
    EXPECT_EQ(G_CID_INFO.IGubun, 1);
    for (const TPRINT_SET &p : G_PRINT_SET) {
        EXPECT_FALSE(p.Use_yn);
        EXPECT_EQ(p.PRT_STAT, QStringLiteral("01000"));
    }
    EXPECT_EQ(G_COM_CID[0].Use_yn, QStringLiteral("0"));
    EXPECT_EQ(G_START_VIEW.OrdDisPos, 9);
    EXPECT_TRUE(G_USER_INFO.MC.startsWith(QStringLiteral("[A]")));
}

TEST_F(StartTest, SavedSettingsFillTheirRecords)
{
    write("User", "MuteSound", "1");
    write("user", "FONT_SIZE", "13");          // another spelling of the section
    write("User", "DATA_HEIGHT", "x");         // not a number: default
    write("User", "StockUse", "12345");        // cut to 3
    write("User", "Msg3", "곧 도착합니다");
    write("User", "ORDER_TIME_FORMAT_2", "1");
    write("User", "BT_USE", "1");              // no ID and password: off
    write("User", "ColorNormalB", "clRed");
    write("User", "VIEW_WORK_CONTROL", "2");
    write("User", "MainStatusAccount", "N");
    write("User", "bOrdConfirmMsg", "7");
    write("User", "dtAdPopUp", "2026-03-01");
    write("USER", "ID", QString::fromLatin1(PackNibbles(QByteArray("demo"), false)));
    write("USER", "TRS_APP_USE", "1");
    write("SESSION", "demo", "600");
    write("DELIVERY_SET", "USE_YN", "Y");
    write("DELIVERY_SET", "ILEN", "3");
    for (int i = 0; i < 4; ++i)
        write("DELIVERY_SET", QStringLiteral("ST_NO_LIST%1").arg(i).toLatin1().constData(), QString::number(100 + i));
    write("DELIVERY_SET", "COMNAME", "/dev/ttyS1");
    write("DELIVERY_SET", "DVRY_SAMEDAY", "Y");
    write("ORD_OLD", "DISPOS", "4");
    write("CHARGE", "DATE", "2026-02-28X");
    write("CID", "USE", "1");
    write("CID", "NaeSun", "201");
    write("CID", "Port", "7000");
    write("KTCID", "USE", "1");
    write("KTCID", "ID", "ktuser");
    write("SOLBI_INFO", "StoreId", "S-1");

    ReadStartSettings(ini.get());

    EXPECT_EQ(G_USER_SET.MuteSound, QStringLiteral("1"));
    EXPECT_EQ(G_USER_SET.FONT_SIZE, 13);
    EXPECT_EQ(G_USER_SET.DATA_HEIGHT, 25);
    EXPECT_EQ(G_USER_SET.StockUse, QStringLiteral("123"));
    EXPECT_EQ(G_USER_SET.Msg3, QStringLiteral("곧 도착합니다"));
    EXPECT_EQ(G_USER_SET.ORDER_TIME_VIEW[2], QStringLiteral("1"));
    EXPECT_EQ(G_USER_SET.BT_USE, 0);
    EXPECT_EQ(G_USER_SET.ColorNormalB, 0xFF0000u);
    EXPECT_EQ(G_USER_SET.ColorOrdDvryNoAddrB, 0xFF8000u);  // default orange once the file exists
    EXPECT_EQ(G_USER_SET.ViewWorkControlType, QStringLiteral("2"));
    EXPECT_FALSE(G_START_VIEW.MainStatusAccount);
    EXPECT_TRUE(G_START_VIEW.MainStatusTel);
    EXPECT_TRUE(G_USER_SET.bOrdConfirmMsg);
    EXPECT_EQ(G_USER_SET.dtAdPopUp, QStringLiteral("2026-03-01"));
    EXPECT_EQ(G_USER_INFO.TRS_APP_USE, QStringLiteral("1"));
    EXPECT_EQ(G_SESSION_SEC, QStringLiteral("600"));
    EXPECT_TRUE(G_DELIVERY_SET.Use_yn);
    EXPECT_EQ(G_DVRY_COM[2].Use_yn, QStringLiteral("1"));
    EXPECT_EQ(G_DVRY_COM[2].COMNAME, QStringLiteral("/dev/ttyS1"));
    EXPECT_EQ(G_DELIVERY_SET.ST_NO_LIST, (QStringList{"100", "101", "102"}));
    EXPECT_EQ(G_DELIVERY_SET.BST_NAME_LIST.size(), 3);
    EXPECT_EQ(G_USER_SET.SEARCHSAMEDAY, QStringLiteral("Y"));
    EXPECT_EQ(G_START_VIEW.OrdOldDisPos, 4);
    EXPECT_EQ(G_USER_SET.ChargeViewData, QStringLiteral("2026-02-28"));
    EXPECT_EQ(G_CID_INFO.Use_yn, QStringLiteral("1"));
    EXPECT_EQ(G_CID_INFO.PORT, 7000);
    EXPECT_EQ(G_CID_KT_INFO.ID, QStringLiteral("ktuser"));
    EXPECT_EQ(G_SOLBI_INFO.StoreId, QStringLiteral("S-1"));
    EXPECT_EQ(InitialCidPanel(), (CidPanel{QStringLiteral("내선:201"), CidPanel::Colour::Yellow}));
}

TEST_F(StartTest, CallerIdBoxesOpenByKind)
{
    write("COMCID1", "USE", "1");
    write("COMCID1", "iType", "0");
    write("COMCID1", "COMNAME", "/dev/ttyUSB0");
    write("COMCID1", "RATE", "19200");
    write("COMCID1", "CH3", "0312345678");
    write("COMCID2", "USE", "1");
    write("COMCID2", "iType", "2");
    write("COMCID2", "COMNAME", "COM7");
    write("MULTI_COMCID2", "USE", "1");
    write("MULTI_COMCID2", "MSG1", "2번 회선");
    FakeDevices devices;
    devices.vendorOpens = false;

    const CidPanel panel = StartCallerIdDevices(devices, ini.get(), InitialCidPanel());

    EXPECT_EQ(devices.calls, (QStringList{"cid1 /dev/ttyUSB0 19200", "vendor", "vendor port 7"}));
    EXPECT_EQ(panel, (CidPanel{QStringLiteral("CID:실패"), CidPanel::Colour::Red}));
    EXPECT_EQ(G_COM_CID[0].CH[3], QStringLiteral("0312345678"));
    EXPECT_EQ(G_COM_CID[1].Use_yn, QStringLiteral("0"));
    EXPECT_EQ(ini->ReadString(QStringLiteral("COMCID2"), QStringLiteral("USE"), QString()), QStringLiteral("0"));
    EXPECT_EQ(G_DVRY_COM[1].Use_yn, QStringLiteral("1"));
    EXPECT_EQ(G_DVRY_COM[1].MSG[1], QStringLiteral("2번 회선"));
    EXPECT_TRUE(logLines().contains(QStringLiteral("CID_CONN[SEE-ID][COM7]):오픈 실패")));

    // A library that does not initialize switches the box off as well.
    write("COMCID2", "USE", "1");
    devices.vendorLoads = false;
    devices.calls.clear();
    StartCallerIdDevices(devices, ini.get(), {});
    EXPECT_EQ(ini->ReadString(QStringLiteral("COMCID2"), QStringLiteral("USE"), QString()), QStringLiteral("0"));
    EXPECT_TRUE(logLines().contains(QStringLiteral("CID_CONN[SEE-ID]:DLL초기화에 실패하였습니다.")));

    // A serial box that opens shows its port on yellow.
    ini->WriteString(QStringLiteral("COMCID2"), QStringLiteral("USE"), QStringLiteral("0"));
    EXPECT_EQ(StartCallerIdDevices(devices, ini.get(), {}),
              (CidPanel{QStringLiteral("CID:/dev/ttyUSB0"), CidPanel::Colour::Yellow}));
}

TEST_F(StartTest, PrintersOpenByTypeAndFailuresAreLogged)
{
    write("Print1", "USE", "1");
    write("Print1", "TYPE", "1");
    write("Print1", "NAME", "10.0.0.9");
    write("Print1", "RAGE", "abc");           // not a port: 9100
    write("Print2", "USE", "1");
    write("Print2", "TYPE", "0");
    write("Print2", "NAME", "/dev/ttyS0");
    write("Print2", "RAGE", "1234");          // not a rate: the port keeps its own
    write("Print3", "USE", "1");
    write("Print3", "TYPE", "2");
    write("Print3", "NAME", "Receipt");
    write("Print4", "USE", "Y");              // only "1" is on
    FakeDevices devices;
    devices.networkError = QStringLiteral("Connection refused");

    StartPrinters(devices, ini.get(), devices.installedPrinters());

    EXPECT_EQ(devices.calls,
              (QStringList{"prt1 net 10.0.0.9:9100 1000", "prt2 serial /dev/ttyS0 0", "prt3 system 1"}));
    EXPECT_TRUE(logLines().contains(QStringLiteral("PRT1_CLT_ERR : Connection refused")));
    EXPECT_FALSE(G_PRINT_SET[3].Use_yn);
}

TEST(StartRates, SelectedBaud)
{
    const std::pair<const char *, int> cases[] = {{"4800", 4800}, {"115200", 115200}, {"9600", 9600},
                                                   {"1200", 0},    {"", 9600},         {"x", 9600}};
    for (const auto &[text, baud] : cases)
        EXPECT_EQ(SelectedBaud(QString::fromLatin1(text)), baud) << text;
}

TEST(ReferenceSequence, StepsPerUserClass)
{
    const QStringList store = names(StartupLoadSteps(QStringLiteral("1")));
    EXPECT_EQ(store, (QStringList{"proc_syscode", "procO3List", "proc_HdList", "proc_BrList",
                                  "proc_LoadConfigAddrInfo", "proc_Load_Addr", "proc_Sys_Addr",
                                  "proc_GetComboMngBrList", "procPTList", "proc_Com_CS_Code"}));
    const QStringList head = names(StartupLoadSteps(QStringLiteral("7")));
    EXPECT_EQ(head.mid(0, 13),
              (QStringList{"proc_syscode", "procO3List", "proc_HdList", "proc_BrList", "proc_Dvry_Out_List",
                           "proc_StList", "proc_Goods_group", "proc_LoadConfigAddrInfo", "proc_Load_Addr",
                           "proc_Sys_Addr", "proc_Load_TelList", "proc_Load_WkTelList", "GetMyWorkList"}));
    EXPECT_FALSE(head.contains(QStringLiteral("procPTList")));
    EXPECT_EQ(head.last(), QStringLiteral("proc_Com_CS_Code"));
    EXPECT_EQ(names(StartupLoadSteps(QStringLiteral("5"))), head);
    EXPECT_EQ(names(ReInitLoadSteps(QStringLiteral("1"), 1)), (QStringList{"proc_Sys_Addr"}));
    EXPECT_EQ(names(ReInitLoadSteps(QStringLiteral("5"), 0)),
              (QStringList{"proc_HdList", "proc_BrList", "proc_Dvry_Out_List", "proc_StList", "proc_Goods_group",
                           "proc_Sys_Addr", "proc_Load_TelList", "proc_Load_WkTelList", "GetMyWorkList",
                           "ReInitBoardLists", "proc_Share_List"}));
}

TEST_F(StartTest, StartupSequenceRunsInOrderWithItsLogLines)
{
    G_USER_INFO.USER_TYPE_CD = "1003";
    G_USER_INFO.UserAuthGrade = 3;
    G_REINIT_DONE = true;
    QStringList calls;
    SequenceWindow w;
    w.advance = [&calls] { calls << QStringLiteral("advance"); };
    w.setBusy = [&calls](bool busy) { calls << (busy ? QStringLiteral("busy") : QStringLiteral("idle")); };
    w.frontToday = [&calls] { calls << QStringLiteral("today"); };
    w.closeProgress = [&calls] { calls << QStringLiteral("close progress"); };
    RunStartupSequence(QStringLiteral("1"), recordingTable(calls), w);

    calls.removeAll(QStringLiteral("advance"));
    EXPECT_EQ(calls, (QStringList{"busy", "proc_syscode", "procO3List", "proc_HdList", "proc_BrList",
                                  "proc_LoadConfigAddrInfo", "proc_Load_Addr", "proc_Sys_Addr",
                                  "proc_GetComboMngBrList", "procPTList", "proc_Com_CS_Code", "today",
                                  "proc_Set_Stat", "idle", "proc_Notice_Info", "proc_Load_Message",
                                  "close progress"}));
    const QStringList log = logLines();
    EXPECT_EQ(log.first(), QStringLiteral("NEW LOG : Initialize Timer Start"));
    EXPECT_TRUE(log.contains(QStringLiteral("NEW LOG : proc_syscode Start")));
    EXPECT_FALSE(log.contains(QStringLiteral("NEW LOG : procPTList Start")));
    EXPECT_FALSE(log.contains(QStringLiteral("NEW LOG : proc_Com_CS_Code Start")));  // stores: no line
    EXPECT_EQ(log.last(), QStringLiteral("NEW LOG : Initialize Timer End"));
    EXPECT_EQ(G_USER_INFO.DATA_STATUS, QStringLiteral("1"));
    EXPECT_EQ(G_USER_INFO.Ord_Read, 1);
}

TEST_F(StartTest, AFailingLoaderEndsTheLoadButTheClosingStepsRun)
{
    G_USER_INFO.USER_TYPE_CD = "5003";
    QStringList calls;
    ReferenceLoaderTable table = recordingTable(calls);
    table.insert(QStringLiteral("proc_StList"), [] { throw std::runtime_error("bad reply"); });
    bool enabled = false;
    SequenceWindow w;
    w.setBusy = [&enabled](bool busy) { enabled = !busy; };
    RunStartupSequence(QStringLiteral("5"), table, w);

    EXPECT_TRUE(calls.contains(QStringLiteral("proc_Dvry_Out_List")));
    EXPECT_FALSE(calls.contains(QStringLiteral("proc_Goods_group")));
    EXPECT_TRUE(calls.contains(QStringLiteral("proc_Load_Message")));
    EXPECT_TRUE(enabled);
    EXPECT_EQ(boxes, (QStringList{"I frmMain[tmr_InitializationTimer]:bad reply"}));
    EXPECT_EQ(logLines().last(), QStringLiteral("NEW LOG : Initialize Timer End"));
}

TEST_F(StartTest, SynchronizationIsRefusedWhileAReceptionWindowIsOpen)
{
    struct Case
    {
        bool delivery, deliveryModify, quick, quickModify;
        const char *box;
    };
    const Case cases[] = {
        {true, true, false, false, "I 접수창을 모두 닫은 뒤 동기화 하세요."},
        {false, true, true, false, "I 수정창을 닫은 뒤 동기화 하세요."},
        {false, false, true, true, "I 접수창을 모두 닫은 뒤 동기화 하세요."},
        {false, false, false, true, "I 수정창을 닫은 뒤 동기화 하세요."},
    };
    for (const Case &c : cases) {
        FakeReceptions open;
        open.delivery = c.delivery;
        open.deliveryModify = c.deliveryModify;
        open.quick = c.quick;
        open.quickModify = c.quickModify;
        QStringList calls;
        QList<bool> polling;
        SequenceWindow w;
        w.setHousekeeping = [&polling](bool on) { polling << on; };
        boxes.clear();
        G_REINIT_DONE = true;
        proc_ReInitialization(0, QStringLiteral("5"), recordingTable(calls), w, &open);
        EXPECT_TRUE(calls.isEmpty());
        EXPECT_EQ(boxes, QStringList{QString::fromUtf8(c.box)});
        EXPECT_EQ(polling, (QList<bool>{false, true}));  // stopped, then resumed at once
        EXPECT_TRUE(G_REINIT_DONE);
    }

    // All closed: the load runs, and the flag is down while it does.
    FakeReceptions closed;
    QStringList calls;
    QList<bool> flagDuringLoad;
    ReferenceLoaderTable table = recordingTable(calls);
    table.insert(QStringLiteral("proc_HdList"), [&] { flagDuringLoad << G_REINIT_DONE; });
    proc_ReInitialization(0, QStringLiteral("1"), table, SequenceWindow{}, &closed);
    EXPECT_EQ(flagDuringLoad, QList<bool>{false});
    EXPECT_EQ(calls, (QStringList{"proc_BrList", "proc_Dvry_Out_List", "proc_Sys_Addr", "ReInitBoardLists",
                                  "proc_Share_List"}));
    EXPECT_TRUE(G_REINIT_DONE);
}

TEST_F(StartTest, IdleLogoutFiresFromTheIdleSource)
{
    struct Case
    {
        const char *sessionSec;
        quint32 idle;
        bool loggedOut;
    };
    const Case cases[] = {{"0", 0, true},       {"abc", 1799, false}, {"abc", 1800, true},
                          {"", 1800, true},     {"60", 59, false},    {"60", 60, true}};
    FakeIdle idle;
    SetIdleSource(&idle);
    for (const Case &c : cases) {
        ManualTickSource ticks;
        SessionTimeout session(&ticks);
        QStringList messages;
        session.logout = [&messages](const QString &m) { messages << m; };
        G_SESSION_SEC = QString::fromLatin1(c.sessionSec);
        idle.seconds = c.idle;
        session.tmrSession.start();
        ticks.advance(999);
        EXPECT_TRUE(messages.isEmpty());
        ticks.advance(1);
        EXPECT_EQ(messages.size(), c.loggedOut ? 1 : 0) << c.sessionSec << " " << c.idle;
        EXPECT_EQ(session.tmrSession.isActive(), !c.loggedOut);
        if (c.loggedOut) {
            EXPECT_EQ(messages.first(), QStringLiteral("로그인 유지시간이 만료되어 로그아웃 되었습니다."));
        }
    }
    EXPECT_EQ(logLines().last(), QStringLiteral("60"));  // one line per tick with the idle seconds
}

TEST_F(StartTest, InitializationWithoutLoginEndsBeforeTheDevices)
{
    write("COMCID1", "USE", "1");
    FakeDevices devices;
    QStringList calls;
    StartWindow w;
    w.login = [] { return false; };
    w.terminate = [&calls] { calls << QStringLiteral("terminate"); };
    w.createDeliveryWindows = [&calls] { calls << QStringLiteral("reception"); };
    Proc_Initialization(ini.get(), devices, w);
    EXPECT_EQ(calls, QStringList{"terminate"});
    EXPECT_TRUE(devices.calls.isEmpty());
    EXPECT_TRUE(logLines().contains(QStringLiteral("NEW LOG : Try Main Form Terminate")));
}

TEST_F(StartTest, InitializationRunsItsStepsInOrder)
{
    write("User", "FONT_SIZE", "12");
    write("CHECK_BR00100002", "0000201", "");
    write("CHECK_BR00100002", "0000202", "");
    FakeDevices devices;
    QStringList calls;
    auto rec = [&calls](const char *name) { return [&calls, name] { calls << QString::fromLatin1(name); }; };
    StartWindow w;
    w.login = [&] {
        calls << QStringLiteral("login");
        EXPECT_EQ(G_USER_SET.FONT_SIZE, 12);  // settings are read before the login
        G_USER_INFO.ID = "head01";
        G_USER_INFO.USER_TYPE_CD = "7003";
        G_USER_INFO.HD = "00100";
        G_USER_INFO.BR = "002";
        return true;
    };
    w.showProgress = rec("progress");
    w.armDataTimer = rec("timer");
    w.createDeliveryWindows = rec("delivery");
    w.createQuickWindows = rec("quick");
    w.applyMenuRights = rec("rights");
    w.closeProgress = [&calls] { calls << (G_REINIT_DONE ? QStringLiteral("done") : QStringLiteral("not done")); };
    w.contractPages = rec("contract");
    w.askSessionLength = rec("session dialog");
    w.startSessionTimer = rec("tmrSession");
    w.loadDeliveryGroups = rec("groups");
    Proc_Initialization(ini.get(), devices, w);

    EXPECT_EQ(calls, (QStringList{"login", "progress", "timer", "delivery", "quick", "rights", "done", "contract",
                                  "session dialog", "tmrSession", "groups"}));
    EXPECT_EQ(G_SL_SEL_BR_CODE, (QStringList{"0000201", "0000202"}));
    const QStringList log = logLines();
    EXPECT_EQ(log.first(), QStringLiteral("NEW LOG : Initialize Start"));
    EXPECT_TRUE(log.contains(QStringLiteral("NEW LOG : Print Setting End")));
    EXPECT_EQ(log.at(log.size() - 2), QStringLiteral("NEW LOG : Initialize end"));

    // With a saved session length the dialog is not shown.
    write("SESSION", "head01", "900");
    calls.clear();
    Proc_Initialization(ini.get(), devices, w);
    EXPECT_FALSE(calls.contains(QStringLiteral("session dialog")));
    EXPECT_EQ(G_SESSION_SEC, QStringLiteral("900"));
}

TEST(TopMenu, DeliveryGroupButtonAndConnectionPanel)
{
    struct Case
    {
        const char *type;
        int grade;
        const char *brDvry;
        bool groupButton, panelLeft;
    };
    const Case cases[] = {
        {"5003", 3, "Y", true, false},
        {"5004", 4, "Y", false, false},  // hidden, but the panel stays where it is
        {"5003", 3, "N", true, false},
        {"5004", 4, "N", false, true},
    };
    for (const Case &c : cases) {
        TUSER_INFO u;
        u.USER_TYPE_CD = QString::fromLatin1(c.type);
        u.UserAuthGrade = c.grade;
        u.BR_DVRY_YN = QString::fromLatin1(c.brDvry);
        const TopMenuRights r = TopMenuRightsFor(u, false);
        EXPECT_EQ(r.dvryGrpSetVisible, c.groupButton) << c.type << c.brDvry;
        EXPECT_EQ(r.connectViewLeft, c.panelLeft) << c.type << c.brDvry;
    }
}
