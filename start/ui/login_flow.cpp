#include "start/ui/login_flow.h"

#include "common/daily_log.h"
#include "settings/deployment_config.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "link/endpoint_lookup.h"
#include "link/link_state.h"
#include "start/main_window_link.h"
#include "link/request_link.h"
#include "link/server_connection.h"
#include "link/tcp_client.h"
#include "start/login.h"
#include "reference/page_addresses.h"
#include "start/program_start.h"
#include "start/ui/ad_panel.h"
#include "start/ui/id_search_page.h"
#include "start/ui/login_dialog.h"
#include "start/ui/password_change_dialog.h"
#include "start/ui/pc_register_dialog.h"
#include "start/ui/phone_verify_dialog.h"
#include "platform/clock.h"
#include "platform/process_control.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QTimer>

TfrmLogin *frmLogin = nullptr;

namespace
{
int g_localTag = 0;      // the login marker when there is no main window
QWidget *g_mainWindow = nullptr;  // the main window while it lives (SetLoginMainWindow)
int *g_mainTag = nullptr;         // its login marker
LoginWindowHooks g_windowHooks;

LoginDialogRunner &dialogRunner()
{
    static LoginDialogRunner runner;
    return runner;
}

void setTag(int tag)
{
    if (g_windowHooks.setTag)
        g_windowHooks.setTag(tag);
    else if (g_mainWindow)
        *g_mainTag = tag;
    else
        g_localTag = tag;
}

int tag()
{
    if (g_windowHooks.tag)
        return g_windowHooks.tag();
    return g_mainWindow ? *g_mainTag : g_localTag;
}

void terminateApplication()
{
    if (g_windowHooks.terminate) {
        g_windowHooks.terminate();
        return;
    }
    // Queued: the login runs before the application's event loop has started.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

int runDialog(LoginDialogKind kind, QDialog *dialog)
{
    if (dialogRunner())
        return dialogRunner()(kind, dialog);
    return dialog->exec();
}

QWidget *dialogParent()
{
    if (frmLogin)
        return frmLogin;
    return g_mainWindow;
}

void openPasswordChange(const QString &outCode)
{
    if (!frmPasswordChage)
        frmPasswordChage = new TfrmPasswordChage(dialogParent());
    frmPasswordChage->setMode(outCode);
    runDialog(LoginDialogKind::PasswordChange, frmPasswordChage);
    delete frmPasswordChage;
    frmPasswordChage = nullptr;
}

bool runPhoneVerification()
{
    if (!FRM_AUTH_PHONE)
        FRM_AUTH_PHONE = new TFRM_AUTH_PHONE(dialogParent());
    const int result = runDialog(LoginDialogKind::PhoneVerify, FRM_AUTH_PHONE);
    delete FRM_AUTH_PHONE;
    FRM_AUTH_PHONE = nullptr;
    return result == 1;
}

bool runPcRegistration()
{
    auto *dialog = new TFRM_REG_DEVICE(dialogParent());
    const int result = runDialog(LoginDialogKind::PcRegister, dialog);
    delete dialog;
    return result == 1;
}

void writeSavedLogin(const QString &password)
{
    G_USER_SET.SaveId = frmLogin && frmLogin->CCB_SAVE_ID->isChecked() ? "Y" : "N";
    G_USER_SET.SavePw = frmLogin && frmLogin->CCB_SAVE_PW->isChecked() ? "Y" : "N";
    if (!G_INI)
        return;
    SavedLogin saved;
    saved.id = G_USER_INFO.ID;
    saved.saveId = G_USER_SET.SaveId == QLatin1String("Y");
    saved.savePassword = G_USER_SET.SavePw == QLatin1String("Y");
    saved.password = saved.savePassword ? password : QString();
    saved.gubun = G_USER_INFO.GUBUN;
    WriteSavedLogin(G_INI, saved);
    WipeText(saved.password);
}

// Everything after an accepted reply. False when the login stopped on the way (system user, a
// cancelled verification or registration); the dialog then stays open.
bool finishAcceptedLogin(const LoginReply &reply)
{
    setTag(0);
    if (!ApplyLoginRow(reply.row)) {
        MsgBox(QStringLiteral("시스템 사용자는 로그인 할 수 없습니다."), QStringLiteral("I"));
        return false;
    }
    AdoptServerTime(G_SERVER_TIME);
    G_USER_INFO.ST_MSG_SYNC_DT = QString();
    G_MSG_FILE = StoredMessageFileName(AppClock::now());
    ConnectSharedSocket();
    if (reply.row.text(16) != QLatin1String("Y") && !runPhoneVerification())
        return false;
    if (reply.row.text(17) != QLatin1String("Y") && !runPcRegistration())
        return false;
    return true;
}

// The login exchange for the dialog's ID (already in G_USER_INFO.ID) and password. An accepted
// login keeps the password and the payload for the session; every other copy is wiped.
void runLogin(QString &password, bool saveAdmin)
{
    proc_SetUserGubunValue();
    FindServerEndPoint(PrimaryLookupUrlFormat(), 0);
    if (saveAdmin)
        writeSavedLogin(password);
    if (G_USER_INFO.MC.isEmpty())
        G_USER_INFO.MC = LocalMachineId();
    QString payload = BuildLoginPayload(G_USER_INFO.ID, password);
    QString text;
    RequestOneNewConn(QString::fromLatin1(kLoginCode), QString::fromLatin1(kLoginCallType), payload, text);
    const LoginReply reply = ParseLoginReply(text);
    bool accepted = false;
    if (text.isEmpty() || !reply.valid) {
        MsgBox(G_MSG_NET_FAIL + G_MSG_LOGIN_FAIL, QStringLiteral("I"));
    } else if (const LoginCodeKind kind = ClassifyLoginCode(reply.outCode); kind != LoginCodeKind::Accepted) {
        MsgBox(reply.outCode + QLatin1Char(':') + reply.outMsg, QStringLiteral("E"));
        if (kind == LoginCodeKind::PasswordChange)
            openPasswordChange(reply.outCode);
    } else if (!reply.hasRow) {
        // An acceptance without the user's row would log in nobody; the attempt has failed.
        MsgBox(G_MSG_NET_FAIL + G_MSG_LOGIN_FAIL, QStringLiteral("I"));
    } else {
        KeepAcceptedLogin(payload, password);
        accepted = true;
    }
    WipeText(payload);
    WipeText(password);
    if (!accepted || !finishAcceptedLogin(reply))
        return;
    if (frmLogin)
        frmLogin->done(1);
    WriteLog(QStringLiteral("Program Main LoginAfter"));
}

// The login button's part of the road, after the dialog's input checks.
void loginButtonRoad()
{
    G_USER_INFO.ID = frmLogin->CTE_ID->text().trimmed();
    QString password = frmLogin->CTE_PW->text();
    G_USER_INFO.GUBUN = "R";
    if (IsTestEditionProgram() && frmLogin->cxRadioButton2->isChecked())
        G_USER_INFO.GUBUN = "T";
    proc_SetUserGubunValue();
    if (G_INI)
        G_INI->WriteString(QStringLiteral("USER"), QStringLiteral("GUBUN"), G_USER_INFO.GUBUN);
    runLogin(password, true);
}

QList<QPixmap> editionPictures()
{
    QList<QPixmap> pictures;
    for (const QByteArray *data : {&G_RES_LOGO, &G_RES_LOGIN_IMG3, &G_RES_LOGIN_IMG4}) {
        QPixmap pixmap;
        if (!data->isEmpty() && pixmap.loadFromData(*data))
            pictures << pixmap;
    }
    return pictures;
}

void prepareDialog(TfrmLogin *dialog)
{
    dialog->setPictures(editionPictures());
    dialog->CCB_SAVE_ID->setChecked(G_USER_SET.SaveId == QLatin1String("Y"));
    dialog->CCB_SAVE_PW->setChecked(G_USER_SET.SavePw == QLatin1String("Y"));
    if (G_USER_INFO.GUBUN == QLatin1String("T"))
        dialog->cxRadioButton2->setChecked(true);
    else
        dialog->cxRadioButton1->setChecked(true);
    dialog->CTE_ID->setText(G_USER_INFO.ID.trimmed());
    // A remembered password moves into the box; the record does not keep it.
    dialog->CTE_PW->setText(G_USER_INFO.PW);
    WipeText(G_USER_INFO.PW);
    dialog->onLogin = loginButtonRoad;
}
} // namespace

bool func_Login()
{
    setTag(99);
    try {
        frmLogin = new TfrmLogin(g_mainWindow);
        prepareDialog(frmLogin);
        frmLogin->exec();
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("func_Login:") + QString::fromLocal8Bit(e.what()));
    }
    if (frmLogin) {
        // The password box is emptied before the dialog goes.
        frmLogin->CTE_PW->clear();
        delete frmLogin;
        frmLogin = nullptr;
    }
    if (tag() == 99) {
        terminateApplication();
        return false;
    }
    return !G_USER_INFO.ID.isEmpty();
}

void proc_Login(bool ASaveAdmin)
{
    QString password = frmLogin ? frmLogin->CTE_PW->text() : QString();
    runLogin(password, ASaveAdmin);
}

void proc_CheckChangeLoginInfo()
{
    QString payload = AcceptedLoginPayload();
    if (payload.isEmpty())
        return;  // no accepted login to repeat
    QString text;
    RequestOneNewConn(QString::fromLatin1(kLoginCode), QString::fromLatin1(kLoginCallType), payload, text);
    WipeText(payload);
    if (text.isEmpty()) {
        MsgBox(G_MSG_NET_FAIL + G_MSG_LOGIN_FAIL, QStringLiteral("I"));
        return;
    }
    const LoginReply reply = ParseLoginReply(text);
    if (reply.outCode != QLatin1String("1") || !reply.hasRow)
        return;
    RefreshLoginRow(reply.row);
}

void ReadSavedLoginIntoSession()
{
    if (!G_INI)
        return;
    SavedLogin saved = ReadSavedLogin(G_INI);
    G_USER_SET.SaveId = saved.saveId ? "Y" : "N";
    G_USER_SET.SavePw = saved.savePassword ? "Y" : "N";
    if (saved.saveId)
        G_USER_INFO.ID = saved.id;
    G_USER_INFO.PW = saved.password;
    WipeText(saved.password);
    // Only the test edition lets the user choose the server; it remembers the choice.
    if (IsTestEditionProgram() && (saved.gubun == QLatin1String("R") || saved.gubun == QLatin1String("T")))
        G_USER_INFO.GUBUN = saved.gubun;
}

void SetLoginMarker(int t)
{
    setTag(t);
}

void SetLoginMainWindow(QWidget *window, int *loginTag)
{
    g_mainWindow = window;
    g_mainTag = window ? loginTag : nullptr;
}

void SetLoginWindowHooks(LoginWindowHooks hooks)
{
    g_windowHooks = std::move(hooks);
}

MainWindowLink *SharedLinkOwner()
{
    static QPointer<MainWindowLink> fallback;
    if (g_mainWindow) {
        if (auto *owner = g_mainWindow->findChild<MainWindowLink *>())
            return owner;
        return new MainWindowLink(g_mainWindow);
    }
    if (!fallback)
        fallback = new MainWindowLink(qApp);
    return fallback;
}

void ConnectSharedSocket()
{
    if (!G_TCP_CLIENT) {
        SharedLinkOwner()->proc_SocketConnect();
        return;
    }
    // One client for the whole run: a second press reuses it and only reconnects when it is down.
    if (!G_TCP_CLIENT->isConnected())
        ConnectServer(G_TCP_CLIENT, G_SERVER_HOST, G_SERVER_PORT, kConnectTimeoutMs);
}

void OpenSharedConnection()
{
    FindServerEndPoint(PrimaryLookupUrlFormat(), 0);
    ConnectSharedSocket();
}

QString SharedRequestOne(const QString &code, const QString &callType, const QString &payload)
{
    QString reply;
    if (!G_TCP_CLIENT)
        return reply;
    RequestOne(G_TCP_CLIENT, code, callType, payload, QString(), QString(), 30000, reply);
    return reply;
}

void StartRemoteSupport()
{
    try {
        DeploymentConfig::ensureLoaded();
        QStringList command =
            QProcess::splitCommand(DeploymentConfig::value(QString::fromLatin1(DeploymentConfig::kSupportCommand)));
        if (command.isEmpty()) {
            MsgBox(QStringLiteral("원격 프로그램을 설치파일이 존재하지 않습니다 업데이트 받으세요."), QStringLiteral("I"));
            return;
        }
        const QString program = command.takeFirst();
        // A support session left from an earlier press is ended first, so only one runs.
        const QString exeName = QFileInfo(program).fileName();
        if (IsProcessRunning(exeName))
            KillProcessByName(exeName);
        // Started detached: the program goes on while the support session runs.
        qint64 pid = 0;
        if (!ProcessControl().startDetached(program, command, QString(), &pid))
            MsgBox(QStringLiteral("원격 프로그램을 설치파일이 존재하지 않습니다 업데이트 받으세요."), QStringLiteral("I"));
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("ezHelpClient_Err:") + QString::fromLocal8Bit(e.what()));
    }
}

void ShowIdSearchPage(QWidget *parent, bool production)
{
    if (!FRM_IDSEARCH)
        FRM_IDSEARCH = new TFRM_IDSEARCH(parent);
    FRM_IDSEARCH->loadPage(IdSearchPageUrl(production));
    FRM_IDSEARCH->exec();
    delete FRM_IDSEARCH;
    FRM_IDSEARCH = nullptr;
}

LoginDialogRunner SetLoginDialogRunner(LoginDialogRunner runner)
{
    LoginDialogRunner previous = std::move(dialogRunner());
    dialogRunner() = std::move(runner);
    return previous;
}

QString SavedLoginPayload()
{
    return AcceptedLoginPayload();
}

void ResetLoginFlow()
{
    ForgetSessionLogin();
    g_localTag = 0;
    g_windowHooks = {};
}
