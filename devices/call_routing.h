#pragma once

#include "common/caller_id_header.h"

#include <QSet>
#include <QString>

// What one call is, decided from its numbers and the telephone lists alone.
struct CallRouteDecision
{
    enum class Kind { Courier, Store };
    enum class Hit { None, CallerStore, LineStore, CallerCourier, LineCourier };
    enum class Window { None, Delivery, Quick };
    Kind kind = Kind::Store;
    Hit hit = Hit::None;
    // Courier call.
    QString wkCode;
    QString wkTel;
    // Store call.
    int storeIndex = -1;   // -1: no store at all (empty store list)
    bool matched = false;  // one of the numbers is this store's
    Window window = Window::None;
    QString tabCaption;
    QString customerTel;   // hyphenated; empty when the store itself calls
    bool filterOnStore = false;
    bool inService = true;
    QString warning;       // shown before the window opens (matched stores out of service)
};

// The routing decision for rec from G_SL_ST_TEL, G_SL_WK_TEL and G_ST_LIST. A number in both lists
// counts as a store; the caller's number is looked up in both lists before the called line is
// looked up among the couriers.
CallRouteDecision DecideCallRoute(const HEADER &rec);

// What the routing needs of the main window: the reception host, the today's-orders board and
// the courier-call popup. The program binds it to its windows; tests bind a fake.
class ICallTargets
{
public:
    virtual ~ICallTargets() = default;
    // Slot 0-4 delivery, 5-9 quick; tab 0-4 delivery, 6-10 quick.
    virtual bool windowFree(int slot) const = 0;
    virtual bool tabFree(int tab) const = 0;
    struct Opening
    {
        int slot = 0;
        int tab = 0;
        int returnScreen = 0;
        QString caption;
        QString stCode;
        QString stName;
        QString telTypeCd;
        int storeIndex = 0;
        QString customerTel;
        bool firstPage = false;  // the store is not in service: the store list page
    };
    // Docks, prepares and shows the window; its tab comes to the front.
    virtual void openWindow(const Opening &opening) = 0;
    virtual void showCourierCall(const QString &wkCode) = 0;
    // Sets the board's search boxes (empty = cleared to its hint) and filters.
    virtual void filterBoard(const QString &cuTel, const QString &cuAddr, const QString &cuName,
                             const QString &wkName) = 0;
    virtual void warn(const QString &text) = 0;
    // G_CUR_FORM := "FRM_ACP", the host to the front, the top buttons released.
    virtual void frontReception() = 0;
};

// proc_New_Cid: routes one call. A slot and its tab are taken before anything that can pump
// events (the warning, the window's own set-up), so a call that arrives meanwhile never takes the
// same window; they are let go when the window is shown, which then keeps them itself.
class CallRouter
{
public:
    explicit CallRouter(ICallTargets &targets) : m_targets(targets) {}

    enum class Outcome { NotAllowed, Courier, Opened, NoFreeWindow, NoWindowKind, NoStore };
    Outcome proc_New_Cid(HEADER rec);
    bool reserved(int slot) const { return m_slots.contains(slot); }

private:
    ICallTargets &m_targets;
    QSet<int> m_slots;
    QSet<int> m_tabs;
};

// The routing the program uses (installed at start with the main window's targets); calls that
// arrive before it is installed are logged and dropped.
void SetCallRouter(CallRouter *router);
CallRouter *CurrentCallRouter();
// Routes through the installed router.
void RouteCall(const HEADER &rec);
