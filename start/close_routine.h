#pragma once

#include <QString>

#include <functional>

class IProcessTable;

// What the close routine closes, in this order. Each owner installs its step when it exists
// (the server link, the boards, the devices...); a step nobody installed is skipped.
struct CloseSteps
{
    std::function<void()> freeTcpClient;             // disconnect and free the shared server client
    std::function<void()> stopTimers;                // board and main-window timers
    std::function<void()> freeSharedLists;           // store array and the shared code lists
    std::function<void()> freePrinterNamesAndNotices;// printer names, unread notice numbers, QR picture
    std::function<void()> stopCallerIdServer;        // network caller-ID polling and client
    std::function<void()> freeProgressWindow;
    std::function<void()> closeReceptionWindows;     // five + one delivery, five + one quick
    std::function<void()> resetBoardIndicators;      // caller-ID activity, server picture
    std::function<void()> closeViewAndControlScreens;// courier view, control screens, notice list
    std::function<void()> closePrinters;             // ports, sockets, printer objects, goods lists
    std::function<void()> closeSubForms;             // the board's sub-screens
    std::function<bool()> telephoneLoggedIn;         // telephone-service login state
    std::function<void()> telephoneLogout;
    std::function<void()> freeOrderThreadLists;      // order-thread lists, partner POS goods
    std::function<void()> destroyStruct;             // proc_DestroyStruct
    std::function<void()> endOwnProcess;             // the last step; the default quits the application
};

// The installed steps (one set per program).
CloseSteps &CloseRoutineSteps();

// The courier-view program that the close routine ends.
inline constexpr char kCourierViewProgram[] = "WK_VIEW.exe";

// The close routine. Wipes the session password first, then runs the steps in order (the shared
// server client is freed before anything else, so no request or retry runs while a message is
// on screen). Ends the courier-view program and the other instances of this program
// that belong to this user, shows message (kind "E") when it is not empty, and ends this
// process last. No other user's process is ever signalled. A failing step is logged as
// "TFRM_MAIN Except" and the routine goes straight on to ending this process, so a broken step
// cannot leave a half-closed program running.
void proc_Close(const QString &message, const CloseSteps &steps, IProcessTable &table, const QString &ownProgramName);
// The program's routine with the installed steps and the process table (the system's unless
// one was installed with SetCloseProcessTable).
void proc_Close(const QString &message);
// Installs the table proc_Close(message) uses; nullptr restores the system's. Tests use a fake so
// that closing a window under test never signals a real process.
void SetCloseProcessTable(IProcessTable *table);

// The file name of the running program (no folder).
QString OwnProgramFileName();
