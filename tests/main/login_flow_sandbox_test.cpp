// The login road end to end against the sandbox: the login dialog driven offscreen, the
// follow-up dialogs driven through the dialog runner without their own event loops.
#include "layout_check.h"

#include "settings/deployment_config.h"
#include "common/interface_texts.h"
#include "records/session_records.h"
#include "settings/settings_file.h"
#include "link/endpoint_lookup.h"
#include "link/link_state.h"
#include "start/main_window_link.h"
#include "link/server_connection.h"
#include "link/session_cipher.h"
#include "link/tcp_client.h"
#include "link/link_test_support.h"
#include "start/login.h"
#include "start/start_globals.h"
#include "reference/page_addresses.h"
#include "start/ui/id_search_page.h"
#include "start/program_start.h"
#include "start/ui/login_dialog.h"
#include "start/ui/app_style.h"
#include "main/ui/main_window.h"
#include "main/ui/shell_popups.h"
#include "main/ui/start_forms.h"
#include "main/ui/today_orders_dock.h"
#include "boards/ui/today_orders_screen.h"
#include "boards/store_order_board.h"
#include "main/top_menu.h"
#include "main/shell_globals.h"
#include "start/ui/login_flow.h"
#include "main/ui/start_window.h"
#include "start/ui/password_change_dialog.h"
#include "start/ui/pc_register_dialog.h"
#include "start/ui/phone_verify_dialog.h"
#include "start/web_trust.h"
#include "platform/clock.h"
#include "common/tick_source.h"
#include "common/program_globals.h"
#include "sandbox/handlers_login.h"
#include "link/sandbox_client_config.h"
#include "sandbox/sandbox_host.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QTimer>
#include <QUrlQuery>
#include <QToolButton>
#include <QStackedWidget>
#include <QTableView>

#include <functional>
#include <memory>

namespace
{
class LoginFlowSandboxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSessionRecords();
        ResetLinkState();
        ResetLoginFlow();
        G_LOG_DIR = log.dir();
        G_CID_DIR = log.dir();
        G_SESSION_KEY = SessionCipher::makeSessionKey(QStringLiteral("CDK"));
        G_USER_INFO.GUBUN = QStringLiteral("R");
        G_USER_INFO.GUBUN_MODE = QStringLiteral("R");
        G_USER_INFO.MC = QStringLiteral("[A]TESTPC");
        G_VERSION = QStringLiteral("1.3.01");
        G_DEVICE = QStringLiteral("CDK");
        G_PROGRAM_NAME = QStringLiteral("CourierDesk");
        G_EXE_DATE = QStringLiteral("202601010900");
        OpenSettingsFile(dir.filePath(QStringLiteral("CourierDesk_env.ini")));
        SetEndpointLookupTimeoutMs(5000);
        host = std::make_unique<SandboxHost>();
        ASSERT_TRUE(host->start()) << host->errorString().toStdString();
        PointClientAtSandbox(*host);
        SetLoginWindowHooks({[this](int t) { tag = t; }, [this] { return tag; }, [this] { ++terminated; }});
        SetLoginDialogRunner([this](LoginDialogKind kind, QWidget *dialog) {
            opened << kind;
            auto *d = static_cast<QDialog *>(dialog);
            d->setResult(0);
            if (drive)
                drive(kind, d);
            return d->result();
        });
        AppClock::setOffsetMs(0);
    }

    void TearDown() override
    {
        SetLoginDialogRunner({});
        FreeTcpClient(G_TCP_CLIENT);
        host.reset();
        DeploymentConfig::clear();
        CloseSettingsFile();
        ResetLoginFlow();
        ResetLinkState();
        AppClock::setOffsetMs(0);
    }

    // Runs func_Login: types id and password, presses login; when the dialog is still open after
    // that, runs stillOpen (if any) and closes it with its close button.
    bool login(const QString &id, const QString &password, std::function<void()> stillOpen = {})
    {
        dialogWasOpen = false;
        QTimer::singleShot(0, [&, stillOpen] {
            ASSERT_NE(frmLogin, nullptr);
            frmLogin->CTE_ID->setText(id);
            frmLogin->CTE_PW->setText(password);
            frmLogin->CCB_SAVE_ID->setChecked(saveIdBox);
            frmLogin->AdvGlassButton2->click();
            if (!frmLogin)
                return;
            if (frmLogin->isVisible()) {
                dialogWasOpen = true;
                if (stillOpen)
                    stillOpen();
                frmLogin->AdvGlassButton1->click();
            }
        });
        return func_Login();
    }

    QList<SandboxRequest> requests(const QString &code) const
    {
        QList<SandboxRequest> out;
        for (const SandboxRequest &r : host->receivedRequests())
            if (r.reqNum == code)
                out << r;
        return out;
    }

    bool logMentions(const QString &text) const
    {
        for (const QString &line : log.lines())
            if (line.contains(text))
                return true;
        return false;
    }

    bool shown(const QString &text) const
    {
        for (const auto &box : boxes.shown)
            if (box.second == text)
                return true;
        return false;
    }

    QTemporaryDir dir;
    LogCapture log;
    ScriptedMsgBox boxes;
    std::unique_ptr<SandboxHost> host;
    int tag = 0;
    int terminated = 0;
    bool dialogWasOpen = false;
    bool saveIdBox = false;
    QList<LoginDialogKind> opened;
    std::function<void(LoginDialogKind, QDialog *)> drive;
};
} // namespace

TEST_F(LoginFlowSandboxTest, EachAcceptedClassLogsInAndConnectsTheSharedSocket)
{
    struct Case
    {
        const char *id;
        const char *pw;
        const char *typeCd;
        const char *userCode;
    };
    const Case cases[] = {
        {SandboxLogin::kDemoId, SandboxLogin::kDemoPassword, "1003", "H0001"},  // store
        {"branch01", "Branch!2026pw", "5000", "B000101"},                       // distributor
        {"head01", "Head!2026pw", "7001", "H0001"},                             // partner head office
        {"code3", "Code!2026pw", "1003", "H0001"},                              // accepted codes 3, 4, 9
        {"code4", "Code!2026pw", "1003", "H0001"},
        {"code9", "Code!2026pw", "1003", "H0001"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        FreeTcpClient(G_TCP_CLIENT);
        G_CONNECTED = false;
        host->clearReceived();
        boxes.shown.clear();
        ASSERT_TRUE(login(QLatin1String(c.id), QLatin1String(c.pw)));
        EXPECT_FALSE(dialogWasOpen);
        EXPECT_EQ(tag, 0);
        EXPECT_EQ(terminated, 0);
        EXPECT_EQ(G_USER_INFO.ID, QLatin1String(c.id));
        EXPECT_EQ(G_USER_INFO.USER_TYPE_CD, QLatin1String(c.typeCd));
        EXPECT_EQ(G_USER_INFO.USER_CODE, QLatin1String(c.userCode));
        EXPECT_EQ(G_SERVER_TIME.size(), 14);
        EXPECT_TRUE(G_MSG_FILE.endsWith(QLatin1Char('_') + QLatin1String(c.id) + QStringLiteral(".Dat")));
        ASSERT_NE(G_TCP_CLIENT, nullptr);
        EXPECT_TRUE(G_TCP_CLIENT->isConnected());
        EXPECT_TRUE(G_CONNECTED);
        EXPECT_TRUE(boxes.shown.isEmpty());
        EXPECT_TRUE(opened.isEmpty());
        // The login request: its own connection, the build's mode and version; the password stays
        // in memory for the session, in no log.
        const auto sent = requests(QStringLiteral("LN02_01_V02"));
        ASSERT_EQ(sent.size(), 1);
        EXPECT_EQ(sent.first().callType, QStringLiteral("SLG1"));
        const QStringList f = sent.first().fields();
        ASSERT_EQ(f.size(), 11);
        EXPECT_EQ(f.at(1), QLatin1String(c.pw));
        EXPECT_EQ(f.at(6), QStringLiteral("R"));
        EXPECT_EQ(f.at(7), QStringLiteral("1301"));
        EXPECT_EQ(G_USER_INFO.PW, QLatin1String(c.pw));
        EXPECT_EQ(SavedLoginPayload(), sent.first().val);
        EXPECT_FALSE(logMentions(QLatin1String(c.pw)));
        EXPECT_TRUE(log.contains(QStringLiteral("Program Main LoginAfter")));
    }
}

TEST_F(LoginFlowSandboxTest, OtherEditionsLogInToProductionWhateverTheSavedMode)
{
    G_USER_INFO.GUBUN = QStringLiteral("T");  // a remembered test-server choice
    ASSERT_TRUE(login(QLatin1String(SandboxLogin::kDemoId), QLatin1String(SandboxLogin::kDemoPassword)));
    EXPECT_EQ(QString(G_USER_INFO.GUBUN), QStringLiteral("R"));
    EXPECT_EQ(G_INI->ReadString(QStringLiteral("USER"), QStringLiteral("GUBUN"), QString()), QStringLiteral("R"));
}

TEST_F(LoginFlowSandboxTest, KeptPayloadIsTheAcceptedOneEvenWithTheFieldSeparatorInThePassword)
{
    // A server that accepts whatever it is sent.
    host->setHandler(QStringLiteral("LN02_01_V02"), [](const SandboxRequest &) {
        SandboxReply reply;
        QJsonObject row;
        row.insert(QStringLiteral("C_2"), QStringLiteral("1003"));
        row.insert(QStringLiteral("C_16"), QStringLiteral("Y"));
        row.insert(QStringLiteral("C_17"), QStringLiteral("Y"));
        reply.rows.append(row);
        return reply;
    });
    ASSERT_TRUE(login(QStringLiteral("demo"), QStringLiteral("Ab1!│hidden-tail")));
    const auto sent = requests(QStringLiteral("LN02_01_V02"));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(SavedLoginPayload(), sent.first().val);
    EXPECT_EQ(G_USER_INFO.PW, QStringLiteral("Ab1!│hidden-tail"));
    EXPECT_FALSE(logMentions(QStringLiteral("hidden-tail")));
}

TEST_F(LoginFlowSandboxTest, ProgramClockFollowsTheServerWithoutTouchingTheSystemClock)
{
    AppClock::setOffsetMs(-3600 * 1000);  // a program clock an hour behind
    ASSERT_TRUE(login(QLatin1String(SandboxLogin::kDemoId), QLatin1String(SandboxLogin::kDemoPassword)));
    EXPECT_LT(qAbs(AppClock::now().secsTo(QDateTime::currentDateTime())), 5);
}

TEST_F(LoginFlowSandboxTest, RefusalsKeepTheDialogOpen)
{
    EXPECT_FALSE(login(QStringLiteral("system01"), QStringLiteral("System!2026pw")));
    EXPECT_TRUE(dialogWasOpen);
    EXPECT_TRUE(shown(QStringLiteral("시스템 사용자는 로그인 할 수 없습니다.")));
    EXPECT_EQ(G_TCP_CLIENT, nullptr);  // no shared socket for a refused class
    EXPECT_EQ(tag, 99);
    EXPECT_EQ(terminated, 1);

    boxes.shown.clear();
    EXPECT_FALSE(login(QLatin1String(SandboxLogin::kDemoId), QStringLiteral("wrong-password")));
    EXPECT_TRUE(dialogWasOpen);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown.first().first, QStringLiteral("E"));
    EXPECT_EQ(boxes.shown.first().second, QStringLiteral("2:아이디 또는 비밀번호가 일치하지 않습니다."));

    // An acceptance that names no user logs nobody in.
    host->setHandler(QStringLiteral("LN02_01_V02"), [](const SandboxRequest &) { return SandboxReply::ok(); });
    boxes.shown.clear();
    EXPECT_FALSE(login(QLatin1String(SandboxLogin::kDemoId), QLatin1String(SandboxLogin::kDemoPassword)));
    EXPECT_TRUE(dialogWasOpen);
    EXPECT_EQ(boxes.shown.value(0).second, G_MSG_NET_FAIL + G_MSG_LOGIN_FAIL);
    EXPECT_EQ(G_TCP_CLIENT, nullptr);

    // The saved-login settings are written before the server answers, refusal or not; the
    // password never goes into the file.
    const auto setting = [](const char *key) { return G_INI->ReadString(QStringLiteral("USER"), QLatin1String(key), QStringLiteral("?")); };
    EXPECT_EQ(setting("SAVEID"), QStringLiteral("N"));
    EXPECT_EQ(setting("ID"), QString());
    EXPECT_EQ(setting("GUBUN"), QStringLiteral("R"));
    saveIdBox = true;
    EXPECT_FALSE(login(QLatin1String(SandboxLogin::kDemoId), QStringLiteral("wrong-password")));
    EXPECT_EQ(setting("SAVEID"), QStringLiteral("Y"));
    EXPECT_EQ(setting("ID"), QStringLiteral("EGFGNGPG"));  // "demo" packed
    EXPECT_EQ(setting("PW"), QString());
}

TEST_F(LoginFlowSandboxTest, HintOfAnEmptyBoxIsNeverSentAndTheIdIsLimitedTo20Bytes)
{
    EXPECT_FALSE(login(QLatin1String(SandboxLogin::kDemoId), QString()));
    EXPECT_TRUE(shown(QStringLiteral("비밀번호를 입력하세요.")));
    EXPECT_TRUE(frmLogin == nullptr);

    boxes.shown.clear();
    EXPECT_FALSE(login(QStringLiteral("가나다라마바사"), QStringLiteral("Some!2026pw")));  // 21 bytes
    EXPECT_EQ(boxes.shown.value(0).second, QStringLiteral("아이디를 확인해주세요"));
    EXPECT_EQ(boxes.shown.value(0).first, QStringLiteral("E"));
    EXPECT_TRUE(requests(QStringLiteral("LN02_01_V02")).isEmpty());

    boxes.shown.clear();
    EXPECT_FALSE(login(QStringLiteral("가나다라마바"), QStringLiteral("Some!2026pw")));  // 18 bytes: sent
    ASSERT_EQ(requests(QStringLiteral("LN02_01_V02")).size(), 1);
    EXPECT_EQ(requests(QStringLiteral("LN02_01_V02")).first().fields().value(0), QStringLiteral("가나다라마바"));
}

TEST_F(LoginFlowSandboxTest, Code23OpensThePasswordChangeAndTheDeferralEndsIt)
{
    drive = [this](LoginDialogKind kind, QDialog *d) {
        ASSERT_EQ(kind, LoginDialogKind::PasswordChange);
        auto *dlg = static_cast<TfrmPasswordChage *>(d);
        dlg->FormShow();
        EXPECT_EQ(dlg->mode(), QStringLiteral("23"));
        EXPECT_FALSE(dlg->pnl180Change->isHidden());
        EXPECT_FALSE(dlg->btnChangePassword->isEnabled());
        dlg->btn90ChangeClick();
    };
    EXPECT_FALSE(login(QStringLiteral("expire23"), QStringLiteral("Change!2026pw")));
    EXPECT_TRUE(dialogWasOpen);  // the attempt ended; the login dialog stayed open
    EXPECT_EQ(opened, QList<LoginDialogKind>{LoginDialogKind::PasswordChange});
    ASSERT_GE(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown.at(0).second, QStringLiteral("23:비밀번호를 변경한 지 90일이 지났습니다."));
    const QString deadline = AppClock::now().date().addDays(90).toString(QStringLiteral("yyyy-MM-dd"));
    EXPECT_TRUE(shown(QStringLiteral("비밀번호변경을\n") + deadline + QStringLiteral(" 까지 유예하였습니다")));
    const auto defer = requests(QStringLiteral("CS08_18_V01"));
    ASSERT_EQ(defer.size(), 1);
    EXPECT_EQ(defer.first().fields(),
              (QStringList{"0", "", "", "U", "expire23", "", "Y"}));
    EXPECT_EQ(defer.first().callType, QStringLiteral("ADM1"));

    // Deferred: the same password now logs in.
    drive = {};
    opened.clear();
    EXPECT_TRUE(login(QStringLiteral("expire23"), QStringLiteral("Change!2026pw")));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(LoginFlowSandboxTest, SmsCodeCheckAndPasswordChangeToTheEnd)
{
    const QString newPassword = QStringLiteral("Fresh#2026pass");
    drive = [&](LoginDialogKind, QDialog *d) {
        auto *dlg = static_cast<TfrmPasswordChage *>(d);
        dlg->FormShow();
        EXPECT_TRUE(dlg->pnl180Change->isHidden());  // only mode 23 offers the deferral
        dlg->edtId->setText(QStringLiteral("expire17"));
        dlg->edtPhoneNumber->setText(QStringLiteral("0106666777"));  // ten digits
        dlg->btnReqAuthClick();
        EXPECT_TRUE(shown(QStringLiteral("연락처를 확인해주세요")));
        dlg->edtPhoneNumber->setText(QStringLiteral("01066667777"));
        dlg->btnReqAuthClick();
        EXPECT_TRUE(shown(QStringLiteral("인증번호가 발송되었습니다.")));
        EXPECT_FALSE(dlg->GLAUTH_SEQ.isEmpty());
        EXPECT_TRUE(dlg->btnAuth->isEnabled());
        dlg->edtAuthNum->setText(QStringLiteral("00000"));
        dlg->btnAuthClick();
        EXPECT_FALSE(dlg->btnChangePassword->isEnabled());
        dlg->edtAuthNum->setText(SandboxLogin::lastSmsCode());
        dlg->btnAuthClick();
        EXPECT_TRUE(shown(QStringLiteral("인증되었습니다.")));
        ASSERT_TRUE(dlg->btnChangePassword->isEnabled());
        EXPECT_FALSE(dlg->btnReqAuth->isEnabled());
        dlg->edtOrgPassWord->setText(newPassword);
        dlg->edtNewPassword->setText(newPassword);
        dlg->btnChangePasswordClick();
        EXPECT_TRUE(shown(QStringLiteral("정보를 수정하시겠습니까?")));
        EXPECT_TRUE(shown(QStringLiteral("비밀번호가 정상적으로 변경되었습니다!")));
    };
    EXPECT_FALSE(login(QStringLiteral("expire17"), QStringLiteral("Change!2026pw")));
    EXPECT_TRUE(dialogWasOpen);
    const auto change = requests(QStringLiteral("CS08_18_V01"));
    ASSERT_EQ(change.size(), 1);
    const QStringList f = change.first().fields();
    EXPECT_EQ(f.value(0), QStringLiteral("1"));
    EXPECT_EQ(f.value(4), QStringLiteral("expire17"));
    EXPECT_EQ(f.value(5), newPassword);
    EXPECT_EQ(requests(QStringLiteral("CS08_17_V01")).first().fields(),
              (QStringList{"U", "expire17", "3", "01066667777"}));
    EXPECT_FALSE(logMentions(newPassword));

    drive = {};
    EXPECT_FALSE(login(QStringLiteral("expire17"), QStringLiteral("Change!2026pw")));  // the old one is gone
    EXPECT_TRUE(login(QStringLiteral("expire17"), newPassword));
}

TEST_F(LoginFlowSandboxTest, PhoneVerificationThenLogin)
{
    drive = [&](LoginDialogKind kind, QDialog *d) {
        ASSERT_EQ(kind, LoginDialogKind::PhoneVerify);
        // The shared socket is up before the verification runs.
        ASSERT_NE(G_TCP_CLIENT, nullptr);
        EXPECT_TRUE(G_TCP_CLIENT->isConnected());
        auto *dlg = static_cast<TFRM_AUTH_PHONE *>(d);
        dlg->FormShow();
        dlg->CTE_AUTH_PHONE->setText(QStringLiteral("010-123-456"));  // 9 digits
        dlg->proc_Req_Auth_Phone();
        EXPECT_TRUE(shown(QStringLiteral("휴대전화번호를 정확히 입력하세요")));
        dlg->CTE_AUTH_PHONE->setText(QStringLiteral("010-1234-5678"));
        dlg->proc_Req_Auth_Phone();
        EXPECT_EQ(dlg->CLB_AUTH_TIME->text(), QStringLiteral("03:00"));
        dlg->proc_Req_Auth_Phone();  // a code is pending: nothing is sent
        EXPECT_TRUE(shown(QStringLiteral("인증번호요청 상태입니다.")));
        dlg->CTE_AUTH_NUM->setText(QStringLiteral("123"));
        dlg->proc_Reg_Auth_Phone();
        EXPECT_TRUE(shown(QStringLiteral("인증번호를 정확히 입력하세요")));
        dlg->CTE_AUTH_NUM->setText(SandboxLogin::lastSmsCode());
        dlg->proc_Reg_Auth_Phone();
    };
    EXPECT_TRUE(login(QStringLiteral("phone01"), QStringLiteral("Phone!2026pw")));
    EXPECT_EQ(opened, QList<LoginDialogKind>{LoginDialogKind::PhoneVerify});
    EXPECT_EQ(G_USER_INFO.AUTH_TEL, QStringLiteral("01012345678"));
    const auto sms = requests(QStringLiteral("LN00_03_V01"));
    ASSERT_EQ(sms.size(), 1);
    EXPECT_EQ(sms.first().fields(), (QStringList{"1", "H0001", "phone01", "1", "01012345678"}));
    const auto reg = requests(QStringLiteral("LN00_04_V01"));
    ASSERT_EQ(reg.size(), 1);
    EXPECT_EQ(reg.first().fields().mid(2), (QStringList{"1", "H0001", "phone01", "01012345678"}));

    // Verified now: the next login asks nothing.
    drive = {};
    opened.clear();
    FreeTcpClient(G_TCP_CLIENT);
    EXPECT_TRUE(login(QStringLiteral("phone01"), QStringLiteral("Phone!2026pw")));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(LoginFlowSandboxTest, PcRegistrationForALoginThatAsksForIt)
{
    drive = [&](LoginDialogKind kind, QDialog *d) {
        ASSERT_EQ(kind, LoginDialogKind::PcRegister);
        auto *dlg = static_cast<TFRM_REG_DEVICE *>(d);
        dlg->FormShow();
        dlg->edtRegDeviceAuthPhoneNum->setText(QStringLiteral("01088889999"));
        SandboxLogin::setRevealSmsCode(true);  // the server's message then carries the code
        dlg->CBTN_REQ_AUTH_NUMClick();
        SandboxLogin::setRevealSmsCode(false);
        EXPECT_FALSE(dlg->GS_AUTH_NUM.isEmpty());
        EXPECT_TRUE(shown(QStringLiteral("인증번호가 발송되었습니다. [") + SandboxLogin::lastSmsCode() + QLatin1Char(']')));
        dlg->CTE_ALIAS_NAME->setText(QString(34, QChar(0xAC00)));  // the box keeps 33
        EXPECT_EQ(dlg->CTE_ALIAS_NAME->text().size(), 33);
        dlg->CTE_AUTH_NUM->setText(SandboxLogin::lastSmsCode());
        dlg->CBTN_REGClick();
        EXPECT_TRUE(shown(QStringLiteral("등록되었습니다")));
    };
    EXPECT_TRUE(login(QStringLiteral("pcreg01"), QStringLiteral("Pcreg!2026pw")));
    EXPECT_EQ(opened, QList<LoginDialogKind>{LoginDialogKind::PcRegister});
    const auto req = requests(QStringLiteral("LN00_03_V01"));
    ASSERT_EQ(req.size(), 1);
    EXPECT_EQ(req.first().fields(), (QStringList{"L5", "H0001", "pcreg01", "2", "01088889999"}));
    const auto reg = requests(QStringLiteral("LN00_05_V01"));
    ASSERT_EQ(reg.size(), 1);
    EXPECT_EQ(reg.first().fields().mid(2, 5), (QStringList{"1", "H0001", "pcreg01", "[A]TESTPC", "P"}));
    EXPECT_EQ(reg.first().fields().value(7), QString(33, QChar(0xAC00)));

    // The same PC logs in without being asked again; a cancelled registration stops a login.
    drive = {};
    opened.clear();
    FreeTcpClient(G_TCP_CLIENT);
    EXPECT_TRUE(login(QStringLiteral("pcreg01"), QStringLiteral("Pcreg!2026pw")));
    EXPECT_TRUE(opened.isEmpty());
    G_USER_INFO.MC = QStringLiteral("[A]OTHERPC");
    EXPECT_FALSE(login(QStringLiteral("pcreg01"), QStringLiteral("Pcreg!2026pw")));
    EXPECT_EQ(opened, QList<LoginDialogKind>{LoginDialogKind::PcRegister});
    EXPECT_TRUE(dialogWasOpen);
}

TEST_F(LoginFlowSandboxTest, RecheckSendsTheAcceptedPayloadWithThePassword)
{
    const QString password = QStringLiteral("Branch!2026pw");
    ASSERT_TRUE(QDir().mkpath(RequestTraceDir()));
    G_REQ_TRACE = true;
    ASSERT_TRUE(login(QStringLiteral("branch01"), password));
    const auto loginSent = requests(QStringLiteral("LN02_01_V02"));
    ASSERT_EQ(loginSent.size(), 1);
    G_USER_INFO.NM = "stale";
    host->clearReceived();
    proc_CheckChangeLoginInfo();
    const auto sent = requests(QStringLiteral("LN02_01_V02"));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.first().val, loginSent.first().val) << "the re-check repeats the accepted login";
    EXPECT_EQ(sent.first().fields().value(1), password);
    EXPECT_EQ(G_USER_INFO.NM, QStringLiteral("강남총판"));
    EXPECT_EQ(G_USER_INFO.PW, password) << "the session keeps its password";

    // The sandbox, like the server, refuses the same request without the password (from this PC
    // too), and such a refusal changes nothing.
    QString without = SavedLoginPayload();
    QStringList fields = without.split(QStringLiteral("│"));
    fields[1].clear();
    without = fields.join(QStringLiteral("│"));
    QString reply;
    RequestOneNewConn(QStringLiteral("LN02_01_V02"), QStringLiteral("SLG1"), without, reply);
    EXPECT_TRUE(reply.contains(QStringLiteral("\"OUT_CODE\":\"2\""))) << reply.toStdString();

    // No file the program wrote (daily log, traces, settings file) holds the password after the
    // login and the re-check.
    EXPECT_FALSE(logMentions(password));
    EXPECT_FALSE(QDir(RequestTraceDir()).entryList(QDir::Files).isEmpty());
    for (const QString &folder : {log.dir(), RequestTraceDir(), dir.path()}) {
        for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files)) {
            QFile f(file.filePath());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_FALSE(QString::fromUtf8(f.readAll()).contains(password)) << file.filePath().toStdString();
        }
    }
    QDir(RequestTraceDir()).removeRecursively();
    G_REQ_TRACE = false;

    // Logout and close end the session: the password and the kept payload are gone.
    ForgetSessionLogin();
    EXPECT_TRUE(G_USER_INFO.PW.isEmpty());
    EXPECT_TRUE(SavedLoginPayload().isEmpty());
    host->clearReceived();
    proc_CheckChangeLoginInfo();
    EXPECT_TRUE(requests(QStringLiteral("LN02_01_V02")).isEmpty());
}

TEST_F(LoginFlowSandboxTest, SearchPageLoadsFromThePinnedSandboxAndClosesItself)
{
    const QList<QSslCertificate> sandboxCert = QSslCertificate::fromPath(host->caFile(), QSsl::Pem);
    ASSERT_FALSE(sandboxCert.isEmpty());
    EXPECT_TRUE(IsPinnedServerChain(sandboxCert, QStringLiteral("127.0.0.1")));
    EXPECT_FALSE(IsPinnedServerChain(sandboxCert, QStringLiteral("example.com")));
    DeploymentConfig::setValue(DeploymentConfig::kCaFile, QString());
    EXPECT_FALSE(IsPinnedServerChain(sandboxCert, QStringLiteral("127.0.0.1")));
    DeploymentConfig::setValue(DeploymentConfig::kCaFile, host->caFile());

    DeploymentConfig::setValue(DeploymentConfig::kWebHost, host->webBaseUrl());
    TFRM_IDSEARCH page;
    page.show();
    bool finished = false;
    bool ok = false;
    QObject::connect(page.Chromium1, &QWebEngineView::loadFinished, [&](bool success) {
        finished = true;
        ok = success;
    });
    page.loadPage(IdSearchPageUrl(true));
    ASSERT_TRUE(QTest::qWaitFor([&finished] { return finished; }, 20000));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(host->lookupPaths().contains(QStringLiteral("/member/user_sch.php")));
    EXPECT_EQ(page.Chromium1->title(), QStringLiteral("아이디/비밀번호 찾기"));
    page.Chromium1->page()->runJavaScript(QStringLiteral("document.getElementById('close').click();"));
    EXPECT_TRUE(QTest::qWaitFor([&page] { return page.result() == 2; }, 10000));
}

TEST_F(LoginFlowSandboxTest, StartUpEndsAtALoggedInMainWindow)
{
    ResetLoginFlow();  // the main window's own login marker
    SelectEdition();
    SetProductionMode();
    G_USER_INFO.MC = QString();
    InstallLoginInitialization();
    // The window's creation runs pending events itself, so the driver waits for the dialog.
    QTimer driver;
    driver.setInterval(10);
    QObject::connect(&driver, &QTimer::timeout, [&driver] {
        if (!frmLogin || !frmLogin->isVisible())
            return;
        driver.stop();
        frmLogin->CTE_ID->setText(QLatin1String(SandboxLogin::kDemoId));
        frmLogin->CTE_PW->setText(QLatin1String(SandboxLogin::kDemoPassword));
        frmLogin->AdvGlassButton2->click();
        if (frmLogin && frmLogin->isVisible())
            frmLogin->AdvGlassButton1->click();
    });
    driver.start();
    auto *window = new TFRM_MAIN();
    window->show();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Tag, 0);
    EXPECT_EQ(G_USER_INFO.ID, QLatin1String(SandboxLogin::kDemoId));
    EXPECT_TRUE(G_USER_INFO.MC.startsWith(QStringLiteral("[A]")));
    ASSERT_NE(G_TCP_CLIENT, nullptr);
    EXPECT_TRUE(G_TCP_CLIENT->isConnected());
    EXPECT_NE(window->findChild<MainWindowLink *>(), nullptr);  // the window follows the shared socket
    TFRM_MAIN::SetInitializationHook({});
    FreeTcpClient(G_TCP_CLIENT);
    delete window;
    QApplication::restoreOverrideCursor();
}

TEST_F(LoginFlowSandboxTest, DemoLoginReachesTheShellWithMenuStatusLinkAndHomePageFromTheSandbox)
{
    ResetLoginFlow();  // the main window's own login marker
    ApplyAppStyle(*qApp);
    // The program's pages come from the sandbox's web server, as in the demo's configuration.
    DeploymentConfig::setValue(DeploymentConfig::kWebHost, host->webBaseUrl());
    SelectEdition();
    SetProductionMode();
    G_USER_INFO.MC = QString();
    InstallLoginInitialization();
    InstallShellForms();
    TFRM_MAIN::SetInitializationHook([login = TFRM_MAIN::InitializationHook()](TFRM_MAIN *window) {
        if (login)
            login(window);
        if (window->Tag != 99 && !G_USER_INFO.ID.isEmpty())
            window->StartShell();
    });
    QTimer driver;
    driver.setInterval(10);
    QObject::connect(&driver, &QTimer::timeout, [&driver] {
        if (!frmLogin || !frmLogin->isVisible())
            return;
        driver.stop();
        frmLogin->CTE_ID->setText(QLatin1String(SandboxLogin::kDemoId));
        frmLogin->CTE_PW->setText(QLatin1String(SandboxLogin::kDemoPassword));
        frmLogin->AdvGlassButton2->click();
        if (frmLogin && frmLogin->isVisible())
            frmLogin->AdvGlassButton1->click();
    });
    driver.start();
    auto *window = new TFRM_MAIN();
    CreateStartForms(window);
    window->resize(1280, 800);
    window->show();
    ASSERT_EQ(window->Tag, 0);
    ASSERT_EQ(G_USER_INFO.ID, QLatin1String(SandboxLogin::kDemoId));

    // Menu: the home, today's and past orders buttons are there for a store.
    for (const TopButton b : {TopButton::Home, TopButton::Today, TopButton::Past})
        EXPECT_TRUE(window->topButtons.value(b) && window->topButtons.value(b)->isVisible());
    // Status bar: the store's name as the sandbox gave it.
    EXPECT_FALSE(G_USER_INFO.GRP_NAME.isEmpty());
    EXPECT_TRUE(window->statusPanels[0]->text().endsWith(QLatin1Char(':') + G_USER_INFO.GRP_NAME))
        << window->statusPanels[0]->text().toStdString();
    // Link picture: the server link is up.
    EXPECT_TRUE(QTest::qWaitFor([window] { return window->CIG_SERVER->property("linkPicture").toInt() == 2; }, 5000));
    // Home page: the sandbox's "/" with the user's query, in front.
    auto *home = qobject_cast<TFRM_CHR_MAIN *>(FRM_CHR_MAIN);
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_CHR_MAIN"));
    EXPECT_EQ(window->pnlMainBoard->currentWidget(), home);
    EXPECT_EQ(home->lastRequested.toString(QUrl::RemoveQuery), host->webBaseUrl() + QStringLiteral("/"));
    EXPECT_EQ(QUrlQuery(home->lastRequested).queryItemValue(QStringLiteral("USER_ID")), QLatin1String(SandboxLogin::kDemoId));
    EXPECT_TRUE(QTest::qWaitFor([home] { return home->CHR_MAIN->title() == QStringLiteral("홈"); }, 20000))
        << home->CHR_MAIN->title().toStdString();
    EXPECT_TRUE(host->lookupPaths().contains(QStringLiteral("/")));
    QTest::qWait(300);  // the page's first paint
    const QStringList problems = LayoutCheck::Problems(window);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();

    const QString shot = dir.filePath(QStringLiteral("demo_main_window.png"));
    EXPECT_TRUE(window->grab().save(shot));
    if (!qEnvironmentVariableIsEmpty("COURIER_SCREENSHOT_OUT"))
        QFile::copy(shot, QString::fromLocal8Bit(qgetenv("COURIER_SCREENSHOT_OUT")));

    TFRM_MAIN::SetInitializationHook({});
    FreeTcpClient(G_TCP_CLIENT);
    window->Tag = 99;
    delete window;
    QApplication::restoreOverrideCursor();
}

TEST_F(LoginFlowSandboxTest, NoServerMeansOneNetworkMessageAndTheDialogStays)
{
    // The lookup fails, so the mode's default address is used; nothing answers there.
    host->setLookupMode(SandboxHost::LookupMode::Fail, SandboxHost::LookupMode::Fail);
    DeploymentConfig::setValue(QString::fromLatin1(ServerHostKey::kBalancer), QStringLiteral("127.0.0.1"));
    QTcpServer probe;  // the default port must be free on this machine for the test to mean anything
    if (!probe.listen(QHostAddress::LocalHost, kBalancerServerPort))
        GTEST_SKIP() << "port 7996 is in use";
    probe.close();
    EXPECT_FALSE(login(QLatin1String(SandboxLogin::kDemoId), QLatin1String(SandboxLogin::kDemoPassword), [] {
        // proc_SetUserGubunValue put the default in place before the lookup.
        EXPECT_EQ(G_SERVER_HOST, QStringLiteral("127.0.0.1"));
        EXPECT_EQ(G_SERVER_PORT, kBalancerServerPort);
    }));
    EXPECT_TRUE(dialogWasOpen);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown.first(), (QPair<QString, QString>{"I", G_MSG_NET_FAIL + G_MSG_LOGIN_FAIL}));
    EXPECT_TRUE(requests(QStringLiteral("LN02_01_V02")).isEmpty());
}

TEST_F(LoginFlowSandboxTest, DemoLoginShowsTodaysOrdersFilledByALiveLoad)
{
    // Every one-second timer of the program moves only when the test moves this source on.
    ManualTickSource ticks;
    struct SourceGuard
    {
        TickSource *previous;
        ~SourceGuard() { SetShellTickSource(previous); }
    } sourceGuard{SetShellTickSource(&ticks)};
    ResetLoginFlow();
    ApplyAppStyle(*qApp);
    DeploymentConfig::setValue(DeploymentConfig::kWebHost, host->webBaseUrl());
    SelectEdition();
    SetProductionMode();
    G_USER_INFO.MC = QString();
    InstallLoginInitialization();
    InstallShellForms();
    TFRM_MAIN::SetInitializationHook([login = TFRM_MAIN::InitializationHook()](TFRM_MAIN *window) {
        if (login)
            login(window);
        if (window->Tag != 99 && !G_USER_INFO.ID.isEmpty())
            window->StartShell();
    });
    QTimer driver;
    driver.setInterval(10);
    QObject::connect(&driver, &QTimer::timeout, [&driver] {
        if (!frmLogin || !frmLogin->isVisible())
            return;
        driver.stop();
        frmLogin->CTE_ID->setText(QLatin1String(SandboxLogin::kDemoId));
        frmLogin->CTE_PW->setText(QLatin1String(SandboxLogin::kDemoPassword));
        frmLogin->AdvGlassButton2->click();
        if (frmLogin && frmLogin->isVisible())
            frmLogin->AdvGlassButton1->click();
    });
    driver.start();
    auto *window = new TFRM_MAIN();
    CreateStartForms(window);
    window->resize(1280, 800);
    window->show();
    ASSERT_EQ(window->Tag, 0);

    // The screen was made at start and docked in the board panel. The program's start decides its
    // tabs in the login's screen steps; this test's login road has none, so it asks here.
    auto *today = qobject_cast<TFRM_ORD *>(FRM_ORD);
    ASSERT_NE(today, nullptr);
    EXPECT_EQ(today->parentWidget(), window->pnlMainBoard);
    // The logistics board is one of the same-day boards a store login may be given.
    G_USER_SET.SEARCHSAMEDAY_HUB = QStringLiteral("Y");
    procOrderTabVisibleCheck(today);
    EXPECT_TRUE(today->tabVisible(TFRM_ORD::tbOrdNow));
    EXPECT_TRUE(today->tabVisible(TFRM_ORD::tbA2Ord));
    EXPECT_TRUE(today->tabVisible(TFRM_ORD::tbHUBSameDay));
    ASSERT_NE(window->topButtons.value(TopButton::Today), nullptr);
    window->topButtons.value(TopButton::Today)->click();
    EXPECT_EQ(window->pnlMainBoard->currentWidget(), today);

    // The boards built beside the screen sit in its containers.
    auto *storeView = today->CTV_TAKEOUT->findChild<QTableView *>();
    auto *hubView = today->grdHUBView->findChild<QTableView *>();
    ASSERT_NE(storeView, nullptr);
    ASSERT_NE(hubView, nullptr);
    EXPECT_EQ(today->CTV_MAIN->model()->rowCount(), 0) << "the screen makes no load of its own";

    // The poll's ticks do nothing until the start-up sequence has run; this test's login road has
    // none, so it marks it done here.
    G_REINIT_DONE = true;
    // The poll runs after the login; its third tick loads every board whose tab is shown.
    ASSERT_TRUE(window->orderPolling.poller.isActive());
    host->clearReceived();
    const auto count = [this](const char *code, const char *callType) {
        int n = 0;
        for (const SandboxRequest &r : host->receivedRequests())
            n += r.reqNum == QLatin1String(code) && r.callType == QLatin1String(callType);
        return n;
    };
    const auto seconds = [&ticks](int n) {
        for (int i = 0; i < n; ++i) {
            ticks.advance(1000);
            QCoreApplication::processEvents();
        }
    };
    seconds(3);
    EXPECT_EQ(count("CS01_01_V07", "ADM10"), 1);
    EXPECT_EQ(count("CS01_48_V01", "ADM9"), 1);
    EXPECT_EQ(count("CS01_43_V02", "ADM13"), 1);
    EXPECT_TRUE(QTest::qWaitFor([today] { return today->CTV_MAIN->model()->rowCount() > 0; }, 5000));
    EXPECT_EQ(today->boards().CTV_MAIN.recordCount(), today->engine().gA1Orders().Count());
    EXPECT_FALSE(today->loader().gsSyncDate.isEmpty());
    EXPECT_GT(storeView->model()->rowCount(), 0);
    // The screen's count pass reads the store board's counters from the screen.
    const TodayOrdersParts parts = TodayOrdersPartsOf(today);
    ASSERT_NE(parts.storeBoard, nullptr);
    EXPECT_GT(parts.storeBoard->iA2OrdCount()[0], 0);
    EXPECT_EQ(today->iA2OrdCount, parts.storeBoard->iA2OrdCount());
    EXPECT_EQ(today->gsA2SyncDate, parts.storeBoard->gsA2SyncDate);
    // The logistics legs carry an in/out mark only for a distributor's own stations; with both
    // boxes ticked the store sees every leg.
    auto *outBox = today->findChild<QCheckBox *>(QStringLiteral("chkSameDayOut"));
    ASSERT_NE(outBox, nullptr);
    today->setActivePage(TFRM_ORD::tbHUBSameDay);
    if (!outBox->isChecked())
        outBox->click();
    EXPECT_GT(hubView->model()->rowCount(), 0);
    today->setActivePage(TFRM_ORD::tbOrdNow);
    EXPECT_TRUE(window->orderPolling.poller.isActive()) << "the loads leave the poll running";

    // The sandbox's morning moves on; the next loads of the poll bring the changes.
    const auto contents = [](const QAbstractItemModel *m) {
        QStringList cells;
        for (int r = 0; r < m->rowCount(); ++r)
            for (int c = 0; c < m->columnCount(); ++c)
                cells << m->index(r, c).data().toString();
        return cells;
    };
    QTest::qWait(200);
    const QStringList problems = LayoutCheck::Problems(today);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    // Pictures of the three boards; the live one goes where the variable says (beside the
    // home-page picture when that is already there), the others beside it.
    const QString shot = dir.filePath(QStringLiteral("demo_todays_orders.png"));
    EXPECT_TRUE(window->grab().save(shot));

    // Not every move of the morning touches this store: the morning moves on a step at a time,
    // the poll loading after each, until the store's live board changed.
    const QStringList liveBefore = contents(today->CTV_MAIN->model());
    const QString markBefore = today->loader().gsSyncDate;
    int rounds = 0;
    for (; rounds < 30 && contents(today->CTV_MAIN->model()) == liveBefore; ++rounds) {
        host->stepScenario(1);
        seconds(3);
    }
    EXPECT_NE(contents(today->CTV_MAIN->model()), liveBefore);
    EXPECT_EQ(count("CS01_01_V07", "ADM10"), 1 + rounds) << "one live load every third tick";
    EXPECT_NE(today->loader().gsSyncDate, markBefore);
    EXPECT_EQ(today->boards().CTV_MAIN.recordCount(), today->engine().gA1Orders().Count());

    today->setActivePage(TFRM_ORD::tbA2Ord);
    QTest::qWait(100);
    const QString storeShot = dir.filePath(QStringLiteral("demo_store_orders.png"));
    EXPECT_TRUE(window->grab().save(storeShot));
    today->setActivePage(TFRM_ORD::tbHUBSameDay);
    QTest::qWait(100);
    const QString hubShot = dir.filePath(QStringLiteral("demo_logistics.png"));
    EXPECT_TRUE(window->grab().save(hubShot));
    if (!qEnvironmentVariableIsEmpty("COURIER_SCREENSHOT_OUT")) {
        const QFileInfo out(QString::fromLocal8Bit(qgetenv("COURIER_SCREENSHOT_OUT")));
        const auto beside = [&out](const char *what) {
            return out.dir().filePath(out.completeBaseName() + QLatin1String(what) + QLatin1Char('.') + out.suffix());
        };
        if (!QFile::copy(shot, out.filePath()))
            QFile::copy(shot, beside("_todays_orders"));
        QFile::copy(storeShot, beside("_store_orders"));
        QFile::copy(hubShot, beside("_logistics"));
    }
    today->setActivePage(TFRM_ORD::tbOrdNow);

    // Reload-all: the live board is asked for again at once with every mark forgotten, and the
    // poll goes on with the other boards.
    seconds(60);  // a cash load sets the cash mark
    EXPECT_FALSE(window->orderPolling.storeCash.gsSyncCashDate.isEmpty());
    host->clearReceived();
    today->btnLoadOrderAll->click();
    EXPECT_EQ(count("CS01_01_V07", "ADM10"), 1);
    EXPECT_TRUE(window->orderPolling.storeCash.gsSyncCashDate.isEmpty());
    EXPECT_TRUE(window->orderPolling.poller.isActive());
    seconds(3);
    EXPECT_EQ(count("CS01_48_V01", "ADM9"), 1);
    EXPECT_GT(storeView->model()->rowCount(), 0) << "the store board is rebuilt from its full load";

    // The screen closed while the window stays: the poll stops, and a tick after it reaches
    // nothing of the screen that is gone.
    window->proc_SubFormClose(1);
    EXPECT_EQ(TodayOrdersScreen(), nullptr);
    EXPECT_FALSE(window->orderPolling.poller.isActive());
    host->clearReceived();
    for (int i = 0; i < 3; ++i)
        window->orderPolling.poller.tick();
    EXPECT_EQ(count("CS01_01_V07", "ADM10"), 0);
    EXPECT_EQ(count("CS01_48_V01", "ADM9"), 0);

    TFRM_MAIN::SetInitializationHook({});
    FreeTcpClient(G_TCP_CLIENT);
    window->Tag = 99;
    delete window;
    QApplication::restoreOverrideCursor();
}
