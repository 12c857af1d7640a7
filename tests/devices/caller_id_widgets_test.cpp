#include "tests/devices/caller_id_fixture.h"
#include "tests/layout_check.h"

#include "devices/call_history.h"
#include "devices/ui/call_history_panel.h"
#include "devices/ui/call_targets.h"
#include "devices/ui/caller_id_settings_frame.h"
#include "main/ui/reception_host.h"
#include "main/ui/start_forms.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QFile>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

namespace
{
struct FrameSetup
{
    CallerIdWorld world;
    FrameSetup() { OpenSettingsFile(world.dir.filePath(QStringLiteral("env.ini"))); }
    ~FrameSetup() { CloseSettingsFile(); }
    static QString key(const QString &section, const QString &k)
    {
        return G_INI->ReadString(section, k, QStringLiteral("<none>"));
    }
};
TEST(CallerIdSettingsFrame, TypeUsePortAndRateWriteAtOnce)
{
    FrameSetup s;
    TFRM_CID_SET frame(1);
    frame.setPortNames({QStringLiteral("ttyS0"), QStringLiteral("ttyS1")});
    EXPECT_EQ(frame.CGB_NAME->title(), QStringLiteral("CID장비2"));
    EXPECT_TRUE(frame.CRB_SUNPO->isHidden());
    EXPECT_EQ(frame.CTV_CID_SET->item(7, 0)->text(), QStringLiteral("채널8"));

    frame.CRB_CALLSTAR->click();
    EXPECT_EQ(FrameSetup::key(QStringLiteral("COMCID2"), QStringLiteral("iType")), QStringLiteral("1"));
    EXPECT_EQ(frame.CCB_COM_RATE->currentText(), QStringLiteral("19200"));
    frame.CRB_SEEID4->click();
    EXPECT_EQ(G_COM_CID[1].iType, 3);
    EXPECT_EQ(frame.CCB_COM_RATE->currentText(), QStringLiteral("4800"));

    frame.CCB_USE->click();
    EXPECT_EQ(FrameSetup::key(QStringLiteral("COMCID2"), QStringLiteral("USE")), QStringLiteral("1"));
    frame.CCB_COM_RATE->setCurrentIndex(frame.CCB_COM_RATE->findText(QStringLiteral("57600")));
    frame.CCB_COM_RATEClick();
    EXPECT_EQ(FrameSetup::key(QStringLiteral("COMCID2"), QStringLiteral("RATE")), QStringLiteral("57600"));
    frame.CCB_COM_PORT->setCurrentIndex(1);
    frame.CCB_COM_PORTClick();
    EXPECT_EQ(G_COM_CID[1].COMNAME, QStringLiteral("ttyS1"));
    // The channel table waits for the save button.
    EXPECT_EQ(FrameSetup::key(QStringLiteral("COMCID2"), QStringLiteral("CH0")), QStringLiteral("<none>"));
    // Slot 0 is untouched.
    EXPECT_EQ(G_COM_CID[0].iType, 0);
}

TEST(CallerIdSettingsFrame, SaveWritesChannelsReopensSerialOrAsksForRestart)
{
    FrameSetup s;
    TFRM_CID_SET frame(1);
    frame.setPortNames({QStringLiteral("ttyS0"), QStringLiteral("ttyS1")});
    QStringList reopened;
    QString reopenError;
    frame.reopenPort = [&](int box, const QString &port, int baud) {
        reopened << QStringLiteral("%1:%2:%3").arg(box).arg(port).arg(baud);
        return reopenError;
    };
    frame.setChannel(2, QStringLiteral("0000102"), QStringLiteral("퀵 대표번호"));
    frame.CCB_USE->click();
    frame.CRB_BURMI->click();
    frame.CBT_SAVEClick();
    EXPECT_EQ(FrameSetup::key(QStringLiteral("COMCID2"), QStringLiteral("CH2")), QStringLiteral("0000102"));
    EXPECT_EQ(FrameSetup::key(QStringLiteral("COMCID2"), QStringLiteral("MSG2")), QStringLiteral("퀵 대표번호"));
    EXPECT_EQ(FrameSetup::key(QStringLiteral("COMCID2"), QStringLiteral("CH0")), QString());
    EXPECT_EQ(reopened, QStringList{QStringLiteral("2:ttyS0:19200")});
    EXPECT_EQ(s.world.boxes.last(), QStringLiteral("I:저장했습니다."));

    reopenError = QStringLiteral("busy");
    frame.CBT_SAVEClick();
    EXPECT_TRUE(s.world.boxes.contains(QStringLiteral("I:ttyS0 연결오류 : busy")));
    EXPECT_EQ(G_COM_CID[1].Use_yn, QStringLiteral("1"));

    // A library box in use: the restart notice (the library itself is missing here, which
    // switches the slot off; the notice follows the use flag as it was).
    frame.CRB_SEEID4->click();
    G_COM_CID[1].Use_yn = "1";
    s.world.boxes.clear();
    frame.CBT_SAVEClick();
    EXPECT_EQ(G_COM_CID[1].Use_yn, QStringLiteral("0"));
    EXPECT_EQ(s.world.boxes.size(), 1);
    EXPECT_EQ(reopened.size(), 2);

    frame.resize(720, 520);
    frame.show();
    const QStringList problems = LayoutCheck::Problems(&frame);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

TEST(CallerIdSettingsFrame, FillsFromTheRecords)
{
    FrameSetup s;
    G_COM_CID[0].Use_yn = "1";
    G_COM_CID[0].iType = 1;
    G_COM_CID[0].COMNAME = "ttyS1";
    G_COM_CID[0].Rate = "38400";
    G_COM_CID[0].CH[4] = "0000103";
    G_COM_CID[0].MSG[4] = "폐업";
    TFRM_CID_SET frame(0);
    frame.setPortNames({QStringLiteral("ttyS0"), QStringLiteral("ttyS1")});
    frame.fillFromRecords();
    EXPECT_TRUE(frame.CCB_USE->isChecked());
    EXPECT_TRUE(frame.CRB_CALLSTAR->isChecked());
    EXPECT_EQ(frame.CCB_COM_PORT->currentText(), QStringLiteral("ttyS1"));
    EXPECT_EQ(frame.CCB_COM_RATE->currentText(), QStringLiteral("38400"));
    EXPECT_EQ(frame.channelStore(4), QStringLiteral("0000103"));
    EXPECT_EQ(frame.channelText(4), QStringLiteral("폐업"));
    EXPECT_EQ(frame.channelStore(0), QString());
    // Nothing was written by filling.
    EXPECT_EQ(FrameSetup::key(QStringLiteral("COMCID1"), QStringLiteral("USE")), QStringLiteral("<none>"));
}

TEST(CallHistoryPanel, RoutedCallRoundTripsThroughTheLogAndRoutesAgain)
{
    CallerIdWorld world;
    FakeCallTargets targets;
    CallRouter router(targets);
    router.proc_New_Cid(callOf(QStringLiteral("01012345678"), QStringLiteral("02-111-2222")));
    CallHistoryPanel panel;
    QList<HEADER> again;
    panel.route = [&](const HEADER &h) {
        again << h;
        router.proc_New_Cid(h);
    };
    panel.proc_Load_CidLog();
    ASSERT_EQ(panel.CTV_CID_VIEW->rowCount(), 1);
    EXPECT_EQ(panel.CTV_CID_VIEW->item(0, 0)->text(), QStringLiteral("12:00:00"));
    EXPECT_EQ(panel.CTV_CID_VIEW->item(0, 1)->text(), QStringLiteral("010-1234-5678"));
    EXPECT_EQ(panel.CTV_CID_VIEW->item(0, 2)->text(), QStringLiteral("02-111-2222"));
    EXPECT_EQ(panel.CTV_CID_VIEW->item(0, 4)->text(), QStringLiteral("1"));
    EXPECT_TRUE(panel.CTV_CID_VIEW->isColumnHidden(3));

    panel.rerouteFocusedRow();   // no focused row: nothing
    EXPECT_TRUE(again.isEmpty());
    panel.CTV_CID_VIEW->setCurrentCell(0, 0);
    panel.rerouteFocusedRow();
    ASSERT_EQ(again.size(), 1);
    EXPECT_EQ(again.at(0).sTelNum.trimmed(), QStringLiteral("01012345678"));
    EXPECT_EQ(again.at(0).sMainLn.trimmed(), QStringLiteral("021112222"));
    EXPECT_EQ(targets.opened.size(), 2);
    panel.proc_Load_CidLog();
    EXPECT_EQ(panel.CTV_CID_VIEW->rowCount(), 2);

    // A damaged line among good ones is skipped; no file for the day keeps the rows.
    QFile log(CallLogPath(AppClock::now().date()));
    ASSERT_TRUE(log.open(QIODevice::Append));
    log.write("garbage without bracket\n(x) 1,2\n");
    log.close();
    panel.proc_Load_CidLog();
    EXPECT_EQ(panel.CTV_CID_VIEW->rowCount(), 2);
    QFile::remove(log.fileName());
    panel.proc_Load_CidLog();
    EXPECT_EQ(panel.CTV_CID_VIEW->rowCount(), 2);
}

TEST(MainWindowCallTargets, CallsOpenTheHostsWindowsWithTheCall)
{
    CallerIdWorld world;
    TFRM_ACP host;
    QWidget *previousHost = FRM_ACP;
    FRM_ACP = &host;
    MainWindowCallTargets targets(nullptr);
    CallRouter router(targets);
    for (int i = 0; i < 6; ++i)
        router.proc_New_Cid(callOf(QStringLiteral("0101234567%1").arg(i), QStringLiteral("021112222")));
    for (int i = 0; i < 5; ++i) {
        ReceptionWindow *w = host.FRM_ACP_LIST.at(i);
        EXPECT_FALSE(w->isHidden()) << i;
        EXPECT_TRUE(host.tabShown(i));
        EXPECT_EQ(w->GI_ACP_NUM, i);
        EXPECT_EQ(w->call().storeCode, QStringLiteral("0000101"));
        EXPECT_EQ(w->call().callerTel, FormatPhone(QStringLiteral("0101234567%1").arg(i), 0));
        EXPECT_EQ(host.pages->tabText(i), QStringLiteral("021112222"));
    }
    EXPECT_FALSE(host.tabShown(5));
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_ACP"));

    // Closing one frees it for the next call; a quick store's call takes tab 6.
    host.closeTab(2);
    router.proc_New_Cid(callOf(QStringLiteral("01099990000"), QStringLiteral("021112222")));
    EXPECT_EQ(host.FRM_ACP_LIST.at(2)->call().callerTel, QStringLiteral("010-9999-0000"));
    router.proc_New_Cid(callOf(QStringLiteral("01099990000"), QStringLiteral("023334444")));
    EXPECT_TRUE(host.tabShown(6));
    EXPECT_FALSE(host.FRM_ACP_QUICK.at(0)->isHidden());
    FRM_ACP = previousHost;
}
} // namespace
