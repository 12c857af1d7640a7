#pragma once

#include "boards/order_menu_plan.h"
#include "records/message_records.h"

#include <QJsonObject>
#include <QString>

#include <functional>

// What the order actions need from the screen, the link and the other windows. Every member may
// stay empty: the link members then use the shared connection, the message box the program's box,
// and a missing screen hook does nothing (a missing refreshPopup counts as "no order focused").
struct OrderActionHooks
{
    // One request and its reply text (empty: no reply). Default: RequestOne on the shared
    // connection with a 30 s read time-out.
    std::function<QString(const QString &code, const QString &callType, const QString &val)> request;
    // The reply check; returns its result text ("1" and the separator on success).
    std::function<QString(const QString &code, const QString &callType, const QString &okMsg,
                          const QString &errMsg, const QString &val)>
        check;
    std::function<int(const QString &text, const QString &kind)> msgBox;
    std::function<void(const QString &line)> log;
    std::function<bool()> rights3;  // HasAuthGrade(3)

    // The board.
    std::function<void()> reloadLiveOrders;   // proc_Load_Order
    std::function<void()> reloadStoreOrders;  // proc_Load_A2_Order_new
    // func_GetOrderPopupSet on the focused row of the live board: re-plans the popup into the
    // state the actions share; false when no row is focused or no menu would open.
    std::function<bool()> refreshPopup;
    std::function<void()> rememberFocusedOrder;  // FSELECT_ORD_NO := the focused row's number
    std::function<void(bool suspended)> suspendLiveGrid;

    // Courier assignment: the order-centred control screen, or the courier pick dialog. prepare
    // fills the dialog from the focused row (false: no row); load fills its courier grid and
    // returns the couriers listed (-1: the load failed); show shows it without waiting.
    std::function<void()> openOrderControlScreen;
    std::function<bool()> prepareCourierPick;
    std::function<void()> refreshCourierList;  // the courier list from the start (no sync mark)
    std::function<int()> loadCourierPick;
    std::function<void()> showCourierPick;
    // The courier dispatch restriction dialog for the ordering store and the courier.
    std::function<void(const QString &storeCode, const QString &courierCode)> openCourierRestriction;

    // Messages: the main window's sender, and the composer with its record, short number and
    // sender name.
    std::function<void(const TMSG_LIST &msg)> sendMessage;
    std::function<void(const TMSG_LIST &msg, const QString &shortNo, const QString &groupName)> openComposer;
    std::function<void(const QString &orderNo, const QString &kind)> cardReceipts;

    // Windows of the popup's other items.
    std::function<void()> openOrderCheck;  // the new-order alarm for the popup order
    std::function<void()> openBundle;      // the bundle form for the popup order
};

// The actions behind the order popup. They work on the popup fields the last popup wrote into the
// shared state, never on the grid.
class OrderActions
{
public:
    OrderActions(OrderPopupState &state, OrderActionHooks hooks = {});

    void setTab(OrderMenuTab tab) { m_tab = tab; }
    OrderMenuTab tab() const { return m_tab; }
    OrderPopupState &state() { return m_state; }
    const OrderActionHooks &hooks() const { return m_hooks; }

    // Runs the action of a clicked menu item.
    void run(const OrderMenuCommand &command);

    // Changes the popup order's status. sCancelCD is the cancel reason, or "XXXXX" for a step of
    // the two-step dispatch cancel (asked once, never sent); pGroupNo 1 also cancels the
    // settlement.
    void proc_OrderChangeStatus(const QString &sChgStatus, const QString &sCancelCD, int pGroupNo);
    void NStatusCancelDvryReadyClick(int tag, const QString &hint, int groupIndex);
    // Dispatch cancel, then waiting; the second step runs only when the first went through.
    void NStatusCancelWaitClick(int groupIndex);
    void NOrderCopy2001Click(int tag);
    void NEtcDvryClick();
    void NEtcDvryRSTRClick();
    void NMsgTitleSendClick(int tag, const QString &caption) { proc_Send_Msg(tag, caption); }
    void proc_Send_Msg(int iTag, const QString &sMsg);
    void NEtcSubInputMsgClick(int tag);
    void NCardApprClick();

    // Bundle dispatch cancel: Tag 1 this order, 2 the whole bundle.
    void NOrdBundleAllCancelClick(int tag);
    // sType "1"/"2"; "999" is the first step of a member's way back to waiting (sent as "1").
    void procOrdBundleCancel(const QString &sOrdNo, const QString &sStatus, const QString &sType);
    void NOrdBundleOneCancelWaitClick(int groupIndex);

    // The fixed-text message record (composer false) or the composer's (title and content empty).
    TMSG_LIST messageRecord(int tag, const QString &caption, bool composer) const;

    // True while a two-step dispatch cancel may go on to its second step.
    bool bStatusCd = false;

private:
    QString request(const QString &code, const QString &callType, const QString &val) const;
    int box(const QString &text, const QString &kind) const;
    void log(const QString &line) const;
    bool rights3() const;
    void reloadActiveBoard() const;

    OrderPopupState &m_state;
    OrderActionHooks m_hooks;
    OrderMenuTab m_tab = OrderMenuTab::Live;
};

// The order's short number in messages: the number from its 7th character on as an integer
// (0 when it is not one).
int ShortOrderNumber(const QString &orderNo);

// The outcome of an action reply: OUT_CODE and OUT_MSG; readable false when the reply is no JSON
// object.
struct ActionReply
{
    bool readable = false;
    QString code;
    QString message;
    QJsonObject object;
};
ActionReply ReadActionReply(const QString &reply);
