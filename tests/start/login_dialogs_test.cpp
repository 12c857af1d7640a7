// The login dialogs' own behaviour, without a server: input checks, keys, modes and countdowns.
#include "settings/deployment_config.h"
#include "records/session_records.h"
#include "link/link_test_support.h"
#include "common/message_box.h"
#include "common/ui/message_box_dialog.h"
#include "reference/edition_table.h"
#include "start/ui/id_search_page.h"
#include "start/ui/login_dialog.h"
#include "start/ui/login_flow.h"
#include "start/ui/new_login_panel.h"
#include "start/ui/password_change_dialog.h"
#include "start/ui/pc_register_dialog.h"
#include "start/ui/phone_verify_dialog.h"
#include "platform/process_control.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace
{
class LoginDialogsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSessionRecords();
        ResetLoginFlow();
        SetLoginWindowHooks({[this](int t) { tag = t; }, [this] { return tag; }, [] {}});
    }
    void TearDown() override { ResetLoginFlow(); }

    ScriptedMsgBox boxes;
    int tag = 0;
};
} // namespace

TEST_F(LoginDialogsTest, LoginButtonChecksPasswordThenIdBeforeAnythingIsSent)
{
    TfrmLogin dialog;
    int logins = 0;
    dialog.onLogin = [&logins] { ++logins; };
    // Only the hint stands in the password box: it is not a password.
    EXPECT_EQ(dialog.CTE_PW->placeholderText(), QStringLiteral("비밀번호"));
    EXPECT_EQ(dialog.CTE_PW->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, dialog.CTE_PW), '*');
    dialog.CTE_ID->setText(QStringLiteral("demo"));
    dialog.cxButton26Click(dialog.AdvGlassButton2);
    EXPECT_EQ(logins, 0);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown.at(0), (QPair<QString, QString>{"I", "비밀번호를 입력하세요."}));
    EXPECT_TRUE(dialog.AdvGlassButton2->isEnabled());

    dialog.CTE_PW->setText(QStringLiteral("   "));  // blanks only
    dialog.cxButton26Click(dialog.AdvGlassButton2);
    EXPECT_EQ(logins, 0);

    dialog.CTE_PW->setText(QStringLiteral("pw"));
    for (const auto &id : {QString(), QStringLiteral("가나다라마바사"), QStringLiteral("abcdefghijklmnopqrstu")}) {
        boxes.shown.clear();
        dialog.CTE_ID->setText(id);
        dialog.cxButton26Click(dialog.AdvGlassButton2);
        EXPECT_EQ(logins, 0) << id.toStdString();
        EXPECT_EQ(boxes.shown.value(0), (QPair<QString, QString>{"E", "아이디를 확인해주세요"}));
    }
    dialog.CTE_ID->setText(QStringLiteral("abcdefghijklmnopqrst"));  // exactly 20 bytes
    dialog.cxButton26Click(dialog.AdvGlassButton2);
    EXPECT_EQ(logins, 1);
    EXPECT_TRUE(dialog.AdvGlassButton2->isEnabled());
}

TEST_F(LoginDialogsTest, EnterKeysAndTheCloseButton)
{
    TfrmLogin dialog;
    int logins = 0;
    dialog.onLogin = [&logins] { ++logins; };
    dialog.show();
    dialog.CTE_ID->setText(QStringLiteral("demo"));
    QTest::keyClick(dialog.CTE_ID, Qt::Key_Return);  // empty password: move on, send nothing
    EXPECT_EQ(logins, 0);
    EXPECT_TRUE(boxes.shown.isEmpty());
    dialog.CTE_PW->setText(QStringLiteral("secret"));
    QTest::keyClick(dialog.CTE_PW, Qt::Key_Return);
    EXPECT_EQ(logins, 1);
    QTest::keyClick(dialog.CTE_ID, Qt::Key_Enter);
    EXPECT_EQ(logins, 2);

    // This build is not the test edition: no server choice.
    EXPECT_TRUE(dialog.cxGroupBox1->isHidden());
    G_USER_INFO.ID = QStringLiteral("demo");
    dialog.AdvGlassButton1->click();
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(dialog.Tag, 99);
    EXPECT_EQ(tag, 99);
    EXPECT_TRUE(G_USER_INFO.ID.isEmpty());
}

TEST_F(LoginDialogsTest, EnterWhileALoginRunsStartsNoSecondLogin)
{
    TfrmLogin dialog;
    dialog.show();
    dialog.CTE_ID->setText(QStringLiteral("demo"));
    dialog.CTE_PW->setText(QStringLiteral("secret"));
    int logins = 0;
    dialog.onLogin = [&] {
        if (++logins > 1)
            return;
        // The exchange pumps events while it connects: keys typed meanwhile arrive here.
        QTest::keyClick(dialog.CTE_PW, Qt::Key_Return);
        QTest::keyClick(dialog.CTE_ID, Qt::Key_Enter);
    };
    dialog.AdvGlassButton2->click();
    EXPECT_EQ(logins, 1);
    EXPECT_TRUE(dialog.AdvGlassButton2->isEnabled());
    QTest::keyClick(dialog.CTE_PW, Qt::Key_Return);  // once it has ended, Enter logs in again
    EXPECT_EQ(logins, 2);
}

TEST_F(LoginDialogsTest, EnterAfterAnAutoClosedFailureBoxSendsNoSecondLogin)
{
    // The program's own message box, closing information boxes by itself after 30 ms.
    const MsgBoxHandler scripted = SetMsgBoxHandler(nullptr);
    InstallMsgBoxDialog([] { return 30; });
    TfrmLogin dialog;
    dialog.show();
    dialog.CTE_ID->setText(QStringLiteral("demo"));
    dialog.CTE_PW->setText(QStringLiteral("wrong"));
    dialog.CTE_PW->setFocus();
    int logins = 0;
    int boxResult = 0;
    dialog.onLogin = [&] {
        ++logins;
        boxResult = MsgBox(QStringLiteral("아이디 또는 비밀번호가 일치하지 않습니다."), QStringLiteral("I"));
    };
    QTest::keyClick(dialog.CTE_PW, Qt::Key_Return);
    EXPECT_EQ(logins, 1);
    EXPECT_EQ(boxResult, 2) << "closed by itself";
    // The user's Enter for the box arrives just after it vanished.
    QTest::keyClick(dialog.CTE_PW, Qt::Key_Return);
    QTest::keyClick(dialog.CTE_ID, Qt::Key_Enter);
    EXPECT_EQ(logins, 1);
    // A deliberate Enter a moment later logs in again.
    QTest::qWait(kEnterGraceAfterAutoCloseMs + 100);
    dialog.onLogin = [&] { ++logins; };  // no box this time, so nothing is held back for later tests
    QTest::keyClick(dialog.CTE_PW, Qt::Key_Return);
    EXPECT_EQ(logins, 2);
    SetMsgBoxHandler(scripted);
}

TEST_F(LoginDialogsTest, PasswordChangeModesAndPhoneBox)
{
    for (const char *mode : {"17", "23", "24"}) {
        TfrmPasswordChage dialog;
        dialog.setMode(QLatin1String(mode));
        dialog.show();
        EXPECT_EQ(!dialog.pnl180Change->isHidden(), QLatin1String(mode) == QLatin1String("23")) << mode;
        EXPECT_EQ(!dialog.imgMemo17->isHidden(), QLatin1String(mode) == QLatin1String("17"));
        EXPECT_EQ(!dialog.imgMemo24->isHidden(), QLatin1String(mode) == QLatin1String("24"));
        if (QLatin1String(mode) == QLatin1String("23")) {
            dialog.btnNowChange->click();
            EXPECT_TRUE(dialog.pnl180Change->isHidden());
        }
    }

    TfrmPasswordChage dialog;
    dialog.show();
    EXPECT_FALSE(dialog.btnReqAuth->isEnabled());
    EXPECT_FALSE(dialog.btnAuth->isEnabled());
    EXPECT_FALSE(dialog.btnChangePassword->isEnabled());
    QTest::keyClicks(dialog.edtPhoneNumber, QStringLiteral("01a0-9"));
    EXPECT_EQ(dialog.edtPhoneNumber->text(), QStringLiteral("0109"));
    EXPECT_TRUE(dialog.btnReqAuth->isEnabled());  // any key press enables the request
    dialog.edtAuthNum->clear();
    dialog.btnAuthClick();
    EXPECT_EQ(boxes.shown.value(0), (QPair<QString, QString>{"E", "인증번호를 입력하세요."}));

    // Closing asks first; "no" keeps the dialog.
    boxes.shown.clear();
    boxes.setAnswer(2);
    dialog.cxImage1->click();
    EXPECT_TRUE(dialog.isVisible());
    boxes.setAnswer(1);
    dialog.cxImage1->click();
    EXPECT_EQ(dialog.result(), 2);
    EXPECT_EQ(boxes.shown.value(0).first, QStringLiteral("Q"));
}

TEST_F(LoginDialogsTest, NewPasswordRefusalKeepsTheDialogAndSendsNothing)
{
    TfrmPasswordChage dialog;
    dialog.edtOrgPassWord->setText(QStringLiteral("short1A!"));
    dialog.edtNewPassword->setText(QStringLiteral("short1A!"));
    dialog.btnChangePasswordClick();
    ASSERT_EQ(boxes.shown.size(), 1);  // no confirmation asked
    EXPECT_EQ(boxes.shown.at(0).second, QStringLiteral("비밀번호는 10자 이상 입력해주세요."));
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.edtOrgPassWord->echoMode(), QLineEdit::Password);
}

namespace
{
// Starts the countdown the way an accepted code request does.
class PendingPhoneDialog : public TFRM_AUTH_PHONE
{
public:
    void codeSent(const QString &phone)
    {
        FSAuthPhone = phone;
        startCountdown();
    }
};
} // namespace

TEST_F(LoginDialogsTest, CountdownExpiryAsksForANewCode)
{
    PendingPhoneDialog phone;
    phone.FormShow();
    EXPECT_EQ(phone.CLB_AUTH_TIME->text(), QStringLiteral("00:00"));
    phone.proc_Reg_Auth_Phone();
    EXPECT_EQ(boxes.shown.value(0).second, QStringLiteral("인증요청을 해야합니다."));

    boxes.shown.clear();
    phone.codeSent(QStringLiteral("01012345678"));
    EXPECT_EQ(phone.CLB_AUTH_TIME->text(), QStringLiteral("03:00"));
    EXPECT_TRUE(phone.TMR_AUTH_TIME_NUM.isActive());
    phone.proc_Req_Auth_Phone();  // pending: refused without a request
    EXPECT_EQ(boxes.shown.value(0).second, QStringLiteral("인증번호요청 상태입니다."));
    for (int i = 0; i < 179; ++i)
        phone.TMR_AUTH_TIME_NUMTimer();
    EXPECT_EQ(phone.CLB_AUTH_TIME->text(), QStringLiteral("00:01"));
    EXPECT_EQ(phone.FSAuthPhone, QStringLiteral("01012345678"));
    phone.TMR_AUTH_TIME_NUMTimer();
    EXPECT_EQ(phone.CLB_AUTH_TIME->text(), QStringLiteral("00:00"));
    EXPECT_FALSE(phone.TMR_AUTH_TIME_NUM.isActive());
    EXPECT_EQ(boxes.shown.last(), (QPair<QString, QString>{"I", "인증번호 요청을 다시하세요"}));
    EXPECT_TRUE(phone.FSAuthPhone.isEmpty());
    boxes.shown.clear();
    phone.proc_Reg_Auth_Phone();
    EXPECT_EQ(boxes.shown.value(0).second, QStringLiteral("인증요청을 해야합니다."));
}

TEST_F(LoginDialogsTest, PcRegistrationInputs)
{
    TFRM_REG_DEVICE dialog;
    dialog.show();
    QTest::keyClicks(dialog.edtRegDeviceAuthPhoneNum, QStringLiteral("010x1"));
    EXPECT_EQ(dialog.edtRegDeviceAuthPhoneNum->text(), QStringLiteral("0101"));
    EXPECT_EQ(boxes.shown.value(0).second, QStringLiteral("숫자만 입력 가능합니다."));
    QKeyEvent wide(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("１"));  // a full-width digit
    QApplication::sendEvent(dialog.edtRegDeviceAuthPhoneNum, &wide);
    EXPECT_EQ(dialog.edtRegDeviceAuthPhoneNum->text(), QStringLiteral("0101"));
    boxes.shown.clear();
    dialog.CTE_AUTH_NUM->setText(QStringLiteral("12-3"));
    dialog.CBTN_REGClick();
    EXPECT_EQ(boxes.shown.value(0).second, QStringLiteral("인증번호를 정확히 입력하세요"));
    EXPECT_EQ(dialog.CTE_AUTH_NUM->maxLength(), 13);
    EXPECT_EQ(dialog.CTE_ALIAS_NAME->maxLength(), 33);
    dialog.CBTN_CANCEL->click();
    EXPECT_EQ(dialog.result(), 2);
}

TEST_F(LoginDialogsTest, SearchPageClosesOnItsCloseAlert)
{
    TFRM_IDSEARCH page;
    page.show();
    EXPECT_FALSE(page.Chromium1Jsdialog(QStringLiteral("정상처리되었습니다.")));
    EXPECT_EQ(page.result(), 0);
    bool loaded = false;
    QObject::connect(page.Chromium1, &QWebEngineView::loadFinished, [&loaded](bool) { loaded = true; });
    page.Chromium1->setHtml(QStringLiteral("<html><body><button id=\"i\" onclick=\"alert('일치하는 아이디가 없습니다.')\">찾기</button>"
                                           "<button id=\"c\" onclick=\"alert('close')\">닫기</button></body></html>"));
    ASSERT_TRUE(QTest::qWaitFor([&loaded] { return loaded; }, 15000));
    // Any other alert is a message for the user.
    page.Chromium1->page()->runJavaScript(QStringLiteral("document.getElementById('i').click();"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !boxes.shown.isEmpty(); }, 10000));
    EXPECT_EQ(boxes.shown.first(), (QPair<QString, QString>{"I", "일치하는 아이디가 없습니다."}));
    EXPECT_EQ(page.result(), 0);
    page.Chromium1->page()->runJavaScript(QStringLiteral("document.getElementById('c').click();"));
    EXPECT_TRUE(QTest::qWaitFor([&page] { return page.result() == 2; }, 10000));
}

TEST_F(LoginDialogsTest, TestEditionDocksTheAlternativePanelThatHandsItsInputOver)
{
    G_EDITION_IDX = kTestEdition;
    G_PROGRAM_NAME = G_ED_PROGRAM_NAME.at(kTestEdition);
    TfrmLogin dialog;
    QStringList sent;
    dialog.onLogin = [&] { sent << dialog.CTE_ID->text() + QLatin1Char('/') + dialog.CTE_PW->text(); };
    dialog.CTE_ID->setText(QStringLiteral("demo"));
    dialog.cxRadioButton2->setChecked(true);
    dialog.show();
    ASSERT_NE(dialog.newLogin, nullptr);
    EXPECT_FALSE(dialog.newLogin->isHidden());
    EXPECT_EQ(dialog.newLogin->edtId->text(), QStringLiteral("demo"));
    EXPECT_EQ(dialog.newLogin->edtPw->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                          dialog.newLogin->edtPw),
              '*');
    EXPECT_TRUE(dialog.newLogin->btnDev->isChecked());
    EXPECT_FALSE(dialog.newLogin->cxGroupBox1->isHidden());  // the test edition offers the server choice
    QTest::keyClick(dialog.newLogin->edtPw, Qt::Key_Return);  // empty password: nothing
    EXPECT_TRUE(sent.isEmpty());
    dialog.newLogin->edtPw->setText(QStringLiteral("pw"));
    dialog.newLogin->ChkSaveId->setChecked(true);
    QTest::keyClick(dialog.newLogin->edtPw, Qt::Key_Return);
    EXPECT_EQ(sent, QStringList{QStringLiteral("demo/pw")});
    EXPECT_TRUE(dialog.CCB_SAVE_ID->isChecked());
    dialog.newLogin->btnClose->click();
    EXPECT_EQ(dialog.result(), 2);
    G_EDITION_IDX = 0;
    G_PROGRAM_NAME.clear();
}

namespace
{
class FakeProcesses : public IProcessControl
{
public:
    QList<ProcessInfo> running;
    QList<qint64> ended;
    QStringList started;
    bool startWorks = true;
    QList<ProcessInfo> processes() const override { return running; }
    bool terminate(qint64 pid) override
    {
        ended << pid;
        return true;
    }
    bool startDetached(const QString &program, const QStringList &args, const QString &, qint64 *pid) override
    {
        started << (QStringList{program} + args).join(QLatin1Char(' '));
        *pid = 77;
        return startWorks;
    }
    int runAndWait(const QString &, const QStringList &) override { return -1; }
    qint64 ownPid() const override { return 1; }
};
} // namespace

TEST_F(LoginDialogsTest, RemoteSupportRunsTheConfiguredCommandOnce)
{
    FakeProcesses fake;
    SetProcessControl(&fake);
    DeploymentConfig::clear();
    DeploymentConfig::setValue(DeploymentConfig::kSupportCommand, QString());
    StartRemoteSupport();  // nothing configured
    EXPECT_EQ(boxes.shown.value(0).second, QStringLiteral("원격 프로그램을 설치파일이 존재하지 않습니다 업데이트 받으세요."));
    EXPECT_TRUE(fake.started.isEmpty());

    boxes.shown.clear();
    DeploymentConfig::setValue(DeploymentConfig::kSupportCommand, QStringLiteral("/opt/support/remote-helper --hidden"));
    ProcessInfo old;
    old.pid = 42;
    old.exeName = QStringLiteral("remote-helper");
    fake.running = {old};
    TfrmLogin dialog;
    dialog.btnMainTopRemote->click();
    EXPECT_EQ(fake.ended, QList<qint64>{42});
    EXPECT_EQ(fake.started, QStringList{QStringLiteral("/opt/support/remote-helper --hidden")});
    EXPECT_TRUE(boxes.shown.isEmpty());
    SetProcessControl(nullptr);
    DeploymentConfig::clear();
}
