#pragma once

#include <QString>

#include <functional>

class QWidget;
class MainWindowLink;
class TfrmLogin;

// The login road: the modal login dialog, the login exchange on a connection of its own, the
// user record, the program clock, the shared connection and the detours to the password change,
// the phone verification and the PC registration.

// InstallLoginForms and InstallLoginInitialization, which install the login into the main
// window, are in main/ui/start_window.h.
// The saved login of the settings file into the session: the save flags, the ID when it was
// saved, the password from the keyring, and the server mode of the test edition.
void ReadSavedLoginIntoSession();

// The dialog of the current login (null outside func_Login).
extern TfrmLogin *frmLogin;

// Shows the login dialog modally. False when no login happened (the caller ends the program).
bool func_Login();
// The whole login exchange with the dialog's current input; asaveAdmin writes the saved-login
// settings first.
void proc_Login(bool ASaveAdmin);
// Repeats the last accepted login request (as it was sent, password included) and refreshes part
// of the user record. Used before the administration page opens.
void proc_CheckChangeLoginInfo();

// What the login needs of the main window, installed by it; the defaults work without a window.
struct LoginWindowHooks
{
    // The main window's login marker: 99 = no login, 0 = logged in.
    std::function<void(int)> setTag;
    std::function<int()> tag;
    // Ends the application when the dialog closes without a login.
    std::function<void()> terminate;
};
void SetLoginWindowHooks(LoginWindowHooks hooks);
// The main window registers itself while it lives (null when it goes): it parents the login's
// dialogs and the shared connection's events, and loginTag is its login marker, which the login
// sets when no hooks are installed.
void SetLoginMainWindow(QWidget *window, int *loginTag);
// Sets the main window's login marker through the hooks.
void SetLoginMarker(int tag);

// The owner of the shared connection's events: a MainWindowLink child of the main window, made
// on first use when the window has none.
MainWindowLink *SharedLinkOwner();
// Creates G_TCP_CLIENT with the main window's events and connects it, or reconnects an existing
// client that is down. A client that is up is left alone.
void ConnectSharedSocket();
// The endpoint lookup, then ConnectSharedSocket (the password change needs the connection
// before any login).
void OpenSharedConnection();

// One request on the shared connection (empty reply when there is no connection yet).
QString SharedRequestOne(const QString &code, const QString &callType, const QString &payload);

// The remote-support program: the deployment's "support.command", started detached.
void StartRemoteSupport();
// Opens the ID and password search page modally (production = the "상용" choice).
void ShowIdSearchPage(QWidget *parent, bool production);

// Test seams: replace how the three follow-up dialogs are shown (the default runs each modally
// and returns its result, 1 = OK).
enum class LoginDialogKind
{
    PasswordChange,
    PhoneVerify,
    PcRegister,
};
using LoginDialogRunner = std::function<int(LoginDialogKind, QWidget *dialog)>;
LoginDialogRunner SetLoginDialogRunner(LoginDialogRunner runner);

// The accepted payload kept for the re-check (AcceptedLoginPayload).
QString SavedLoginPayload();
// Forgets the session state of this file (tests).
void ResetLoginFlow();
