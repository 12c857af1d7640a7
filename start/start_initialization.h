#pragma once

#include "start/device_start.h"
#include "common/tick_source.h"

#include <QString>

#include <functional>

class TIniFile;

// The start-up initialization after the main window is first shown: settings into the records,
// the login, devices, reception windows, menu rights, the data timer, the contract pages, the
// session length and the idle logout. The window's part is reached through StartWindow.
struct StartWindow
{
    std::function<void()> readSavedLogin;       // saved ID and password into the session
    std::function<bool()> login;                // the login dialog; false: no login
    std::function<void()> terminate;            // no login: end the program
    std::function<void(const CidPanel &)> setCidPanel;
    std::function<void()> pump;
    std::function<void()> showProgress;
    std::function<void()> advance;              // progress gauge step and message pump
    std::function<void()> ktLogin;              // telephone-service login
    std::function<void()> createModifyWindows;
    std::function<void()> armDataTimer;         // the reference-data sequence, 200 ms on
    std::function<void()> loadGridLayouts;
    std::function<void()> createDeliveryWindows;
    std::function<void()> createQuickWindows;
    std::function<void()> applyMenuRights;      // top bar, panels, reception tabs hidden
    std::function<void()> fillStoreStatusBranches;
    std::function<void()> setupCourierGrid;
    std::function<void()> closeProgress;
    std::function<void()> contractPages;
    std::function<void()> askSessionLength;     // the session-length dialog, modal
    std::function<void()> startSessionTimer;
    std::function<void()> loadDeliveryGroups;   // proc_Dvry_List_Init
};

// Proc_Initialization. ini may be null (no settings file). Errors end it with a line in the
// error log; a failed login ends the program through window.terminate.
void Proc_Initialization(TIniFile *ini, IStartDevices &devices, const StartWindow &window);

// The idle time allowed before the automatic logout: G_SESSION_SEC as seconds, 1800 when it is
// not a whole number (or out of range).
int SessionLimitSeconds(const QString &sessionSec);

// tmrSession: every second the desktop session's idle time is logged and compared with the
// limit; at the limit the timer stops and the user is logged out with the time-out message.
class SessionTimeout
{
public:
    static constexpr char kMessage[] = "로그인 유지시간이 만료되어 로그아웃 되었습니다.";
    explicit SessionTimeout(TickSource *source = nullptr);
    ShellTimer tmrSession;
    std::function<void(const QString &message)> logout;
    void tick();
};
