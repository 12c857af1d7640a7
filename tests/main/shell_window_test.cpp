#include "layout_check.h"
#include "main/no_processes.h"

#include "common/message_box.h"
#include "common/program_globals.h"
#include "start/close_routine.h"
#include "reference/page_addresses.h"
#include "start/process_ops.h"
#include "start/program_start.h"
#include "main/shell_globals.h"
#include "main/shell_requests.h"
#include "main/side_panels.h"
#include "start/ui/app_style.h"
#include "main/ui/courier_status_panel.h"
#include "reference/reference_state.h"
#include "main/ui/main_window.h"
#include "main/ui/reception_host.h"
#include "main/ui/reg_device_admin.h"
#include "main/ui/shell_popups.h"
#include "main/ui/side_panels_dock.h"
#include "main/ui/sound_player.h"
#include "main/ui/start_forms.h"
#include "main/ui/store_status_panel.h"
#include "records/courier_records.h"
#include "records/session_records.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace
{
class ShellWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetCloseProcessTable(&table);
        CloseRoutineSteps().endOwnProcess = [] {};
        previousBox = SetMsgBoxHandler([this](const QString &text, const QString &kind) {
            boxes << text;
            return kind == QLatin1String("S") ? answer : 1;
        });
        ApplyAppStyle(*qApp);
        SelectEdition();
        SetProductionMode();
        ResetShellGlobals();
        G_CUR_FORM.clear();
        InstallShellForms();
        window = new TFRM_MAIN();
        window->Tag = 1;  // no initialization on show
        CreateStartForms(window);
        G_USER_INFO.USER_TYPE_CD = "1003";
        G_USER_INFO.UserAuthGrade = 3;
        G_USER_INFO.SAMEDAY_NORMAL_TYPE = 1;
        G_USER_INFO.GRP_NAME = QStringLiteral("행복치킨 본점");
        G_USER_INFO.GRP_CASH = "152000";
        G_USER_INFO.USER_TYPE_NAME = QStringLiteral("가맹점");
        window->ApplyTopMenuRights(G_USER_INFO, false);
        window->resize(1280, 800);
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        window->Tag = 99;
        delete window;
        SetMsgBoxHandler(previousBox);
        ResetSessionRecords();
    }
    QToolButton *button(TopButton b) { return window->topButtons.value(b); }
    QString front() { return window->pnlMainBoard->currentWidget()->objectName(); }

    NoProcesses table;
    MsgBoxHandler previousBox;
    QStringList boxes;
    int answer = 6;
    TFRM_MAIN *window = nullptr;
};
} // namespace

TEST_F(ShellWindowTest, MenuSwitchingFollowsTheTable)
{
    struct Case
    {
        TopButton button;
        QString curForm;
        QString frontObject;
    };
    const Case cases[] = {
        {TopButton::Today, "FRM_ORD", "TFRM_ORD"},         {TopButton::Past, "FRM_ORD_OLD", "TFRM_ORD_OLD"},
        {TopButton::Config, "FRM_CONFIG", "FRM_CONFIG"},   {TopButton::Product, "FRM_PRODUCT", "FRM_PRODUCT"},
        {TopButton::Home, "FRM_CHR_MAIN", "TFRM_CHR_MAIN"},
    };
    for (const Case &c : cases) {
        QTest::mouseClick(button(c.button), Qt::LeftButton);
        EXPECT_EQ(G_CUR_FORM, c.curForm);
        EXPECT_EQ(front(), c.frontObject);
        EXPECT_TRUE(button(c.button)->isChecked());
        for (const TopButtonInfo &info : TopButtons())
            if (info.screen && info.button != c.button)
                EXPECT_FALSE(button(info.button)->isChecked()) << info.objectName.toStdString();
    }
    // The same by key: a focused button runs on Space.
    button(TopButton::Past)->setFocus();
    QTest::keyClick(button(TopButton::Past), Qt::Key_Space);
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_ORD_OLD"));
    // A screen made on first use is made once.
    QTest::mouseClick(button(TopButton::Config), Qt::LeftButton);
    QTest::mouseClick(button(TopButton::Config), Qt::LeftButton);
    EXPECT_EQ(window->pnlMainBoard->findChildren<QWidget *>("FRM_CONFIG", Qt::FindDirectChildrenOnly).size(), 1);
    // Placeholders speak the user's language, not the form's name.
    const QString text = window->ScreenWidget("FRM_CONFIG")->findChild<QLabel *>("placeholderText")->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("설정"))) << text.toStdString();
    EXPECT_FALSE(text.contains("FRM"));
    // Calculate is hidden for a store; statistics needs level 2.
    EXPECT_FALSE(button(TopButton::Calculate)->isVisible());
    EXPECT_FALSE(button(TopButton::Statistic)->isEnabled());
}

TEST_F(ShellWindowTest, ReceptionOpensFreeWindowsAndModifyCaptions)
{
    auto *host = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(host, nullptr);
    G_HAS_DELIVERY_STORE = true;
    G_HAS_QUICK_STORE = true;
    QTest::mouseClick(button(TopButton::Past), Qt::LeftButton);
    answer = 2;  // neither
    QTest::mouseClick(button(TopButton::Reception), Qt::LeftButton);
    EXPECT_EQ(boxes.last(), QStringLiteral("접수창을 선택하세요."));
    EXPECT_FALSE(host->tabShown(0));
    EXPECT_TRUE(window->cxGroupBox1->isEnabled());
    EXPECT_TRUE(button(TopButton::Reception)->isEnabled());
    answer = 6;
    QTest::mouseClick(button(TopButton::Reception), Qt::LeftButton);
    EXPECT_TRUE(host->tabShown(0));
    EXPECT_EQ(host->pages->tabText(0), QStringLiteral("접수1"));
    EXPECT_EQ(host->FRM_ACP_LIST.at(0)->GI_ORD, 2);
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_ACP"));
    EXPECT_TRUE(button(TopButton::Reception)->isChecked());
    for (int i = 1; i < 5; ++i)
        QTest::mouseClick(button(TopButton::Reception), Qt::LeftButton);
    EXPECT_EQ(host->FRM_ACP_LIST.at(1)->GI_ORD, 0) << "opened from the reception host itself";
    QTest::mouseClick(button(TopButton::Reception), Qt::LeftButton);  // all five busy
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_ACP"));
    G_HAS_DELIVERY_STORE = false;
    const int boxesBefore = boxes.size();
    QTest::mouseClick(button(TopButton::Reception), Qt::LeftButton);
    EXPECT_EQ(boxes.size(), boxesBefore) << "only quick stores: no question";
    EXPECT_TRUE(host->tabShown(6));
    EXPECT_EQ(host->pages->tabText(6), QStringLiteral("접수6"));

    // The status name is the loaded code table's.
    CCB_O2.clear();
    CCB_O2.add(QStringLiteral("3001"), QStringLiteral("배차"));
    window->proc_Ord_Modify("A100", "3001", "2", "12", "1", "G1");
    EXPECT_EQ(host->pages->tabText(5), QStringLiteral("수정[배차-12]"));
    EXPECT_EQ(host->FRM_MOD_LIST->CTE_ORD_NO->text(), QStringLiteral("A100"));
    EXPECT_EQ(host->FRM_MOD_LIST->CTE_ORD_NO->toolTip(), QStringLiteral("2"));
    EXPECT_EQ(host->FRM_MOD_LIST->GI_ORD, 2);
    EXPECT_EQ(host->FRM_MOD_LIST->GI_GUBUN, 1);
    window->proc_Ord_Modify_Quick("Q7", "3001", "3", "x");
    EXPECT_EQ(host->pages->tabText(11), QStringLiteral("수정[배차-3]"));
    EXPECT_EQ(host->FRM_MOD_QUICK->GI_ORD, 1);
    CCB_O2.clear();
}

TEST_F(ShellWindowTest, SoundsMuteAndNewestOnly)
{
    QStringList played;
    const auto previous = SoundPlayer::SetOutput([&](const QString &f) { played << f; });
    G_USER_SET.MuteSound = "0";
    proc_playsound(3);
    proc_playsound(10);
    QApplication::processEvents();
    EXPECT_EQ(played, (QStringList{":/sounds/wave3.wav", ""}));
    EXPECT_TRUE(QFile::exists(":/sounds/wave3.wav"));
    G_USER_SET.MuteSound = "1";
    proc_playsound(0);
    QApplication::processEvents();
    EXPECT_EQ(played.size(), 2);
    // Muted between the request and its playing: nothing plays either.
    G_USER_SET.MuteSound = "0";
    proc_playsound(0);
    G_USER_SET.MuteSound = "1";
    QApplication::processEvents();
    EXPECT_EQ(played.size(), 2);
    SoundPlayer::SetOutput(previous);
}

TEST_F(ShellWindowTest, StatusBarLinkPictureAndScreenshot)
{
    window->proc_Set_Stat();
    EXPECT_TRUE(window->statusPanels[0]->text().endsWith(QStringLiteral(":행복치킨 본점")));
    EXPECT_TRUE(window->statusPanels[3]->text().endsWith(QStringLiteral(":????")));
    window->proc_Load_image(window->CIG_SERVER, 2);
    EXPECT_EQ(window->CIG_SERVER->property("linkPicture").toInt(), 2);
    window->proc_Load_image(window->CIG_SERVER, 7);
    EXPECT_EQ(window->CIG_SERVER->property("linkPicture").toInt(), 2) << "an index outside the list does nothing";
    window->proc_Load_Main(0);
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_CHR_MAIN"));
    EXPECT_NE(qobject_cast<TFRM_CHR_MAIN *>(FRM_CHR_MAIN), nullptr);

    const QStringList problems = LayoutCheck::Problems(window);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();

    const QString out = QDir(QString::fromLocal8Bit(qgetenv("COURIER_DESK_HOME"))).filePath("main_window.png");
    EXPECT_TRUE(window->grab().save(out));
    if (!qEnvironmentVariableIsEmpty("COURIER_SCREENSHOT_OUT"))
        window->grab().save(QString::fromLocal8Bit(qgetenv("COURIER_SCREENSHOT_OUT")));
}

TEST_F(ShellWindowTest, PopupsPassTheLayoutCheck)
{
    TFRM_WK_CALL_POP pop(window);
    pop.show();
    EXPECT_TRUE(LayoutCheck::Problems(&pop).isEmpty()) << LayoutCheck::Problems(&pop).join('\n').toStdString();
    CardSlip slip;
    slip.orderNo = "2026/12:11";
    slip.tranType = QStringLiteral("신용승인");
    TfrmCardApprList card(window);
    card.showSlip(slip);
    EXPECT_TRUE(LayoutCheck::Problems(&card).isEmpty()) << LayoutCheck::Problems(&card).join('\n').toStdString();
    QTemporaryDir desk;
    const QString saved = card.saveImage(desk.path());
    EXPECT_TRUE(saved.endsWith(QStringLiteral("/20261211카드전표.bmp"))) << saved.toStdString();
    EXPECT_TRUE(QFile::exists(saved));
    TfrmRegDeviceAdmin admin(window);
    admin.show();
    EXPECT_TRUE(LayoutCheck::Problems(&admin).isEmpty()) << LayoutCheck::Problems(&admin).join('\n').toStdString();
}

TEST_F(ShellWindowTest, SidePanelsAreDockedAndReachedThroughTheInterface)
{
    CourierStatusPanel *courier = DockedCourierPanel(*window);
    StoreStatusPanel *store = DockedStorePanel(*window);
    ASSERT_NE(courier, nullptr);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(window->ATP_MAIN->widget(1), courier);
    EXPECT_EQ(window->ATP_MAIN->widget(2), store);
    EXPECT_EQ(window->ATP_MAIN->tabText(1), QStringLiteral("배송원 현황"));
    EXPECT_EQ(window->ATP_MAIN->tabText(2), QStringLiteral("가맹점현황"));
    ASSERT_NE(SidePanels(), nullptr);

    // The housekeeping tick's refresh reaches the store panel and moves its phase.
    window->housekeeping.TMR_CHK_PROCESS.Tag = 23;
    window->housekeeping.hooks.storeStatusSearch();
    EXPECT_EQ(window->housekeeping.FI_STORE_STATUS_ST_GAP, 3);
    EXPECT_EQ(store->lbStoreStatusRefresh->text(), QStringLiteral("정보업데이트중"));
    window->housekeeping.hooks.setCountdown(QStringLiteral("7초"));
    EXPECT_EQ(store->lbStoreStatusRefresh->text(), QStringLiteral("7초"));
    // An open branch list keeps the automatic search away.
    store->listOpenChanged(true);
    EXPECT_TRUE(window->housekeeping.hooks.storeStatusListOpen());
    store->listOpenChanged(false);
    EXPECT_FALSE(window->housekeeping.hooks.storeStatusListOpen());

    // A courier marked by the polling loop reaches the grid through SidePanels().
    ResetCourierRecords();
    TMyWorker w;
    w.WkCode = QStringLiteral("W1");
    w.DataStatus = QStringLiteral("1");
    w.WKChangeYN = 2;
    G_MY_WORKER.MyWorkerArray.append(w.WkCode, w);
    SidePanels()->procUpdateWorkerGrid(true);
    EXPECT_EQ(courier->model().grid().recordCount(), 1);
    ResetCourierRecords();
}
