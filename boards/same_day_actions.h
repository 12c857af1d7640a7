#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

// The same-day pop-up menu (mnSameDay) and its actions: which items the focused order's status,
// the login's class and rights allow; status changes and hub unloadings sent to the server; the
// delivery labels of the selected orders.

// The tab the menu opened on.
enum class SameDayTab
{
    Today,     // tbA3SameDay, grdA3View
    Completed, // tbEndSameDay, grdEndView
    Logistics, // tbHUBSameDay, grdHUBView
};

// The focused record as the menu reads it (empty texts when the grid has no such column).
struct SameDayFocus
{
    bool focused = false;
    QString status, orderNo, ordStCode, cthWkCode, cthStCode, cthBrCode, cthStTel, extUrl, kind, error;
};

struct SameDayMenuLogin
{
    QString userClass;  // first character of the user type
    QString br;
    QString authTel;
    int gansun = 0, jisun = 0;
    QString orderService;  // FPOP_ORDER_SERVICE, set by the live pop-up
    std::function<bool(int level)> hasAuthGrade;
};

// The remembered pop-up order.
struct SameDayPopupOrder
{
    QString FPOP_ORDER_STATUS, FPOP_ORDER_NO, FPOP_ORD_ST_CODE, FPOP_CTH_WK_CODE, FPOP_CTH_ST_CODE,
        FPOP_CTH_BR_CODE, FPOP_ORD_ST_TEL, FPOP_EXT_URL;
};

struct SameDayMenuPlan
{
    QSet<QString> visible;  // names of the items to show (separators N4, N15, N3 included)
    bool senderTelMsg = false;  // the live pop-up's NEtcSubSenderTelMsg
    SameDayPopupOrder order;
    bool shows(const char *name) const { return visible.contains(QString::fromLatin1(name)); }
};

// Items of the menu with their captions and the status each requests (0: not a status change).
struct SameDayMenuItem
{
    const char *name;
    const char *caption;
    int tag;
};
const QList<SameDayMenuItem> &SameDayMenuItems();

// mnSameDayPopup: `previous` is what the remembered order held before (kept for the tabs that do
// not set every field).
SameDayMenuPlan mnSameDayPopup(SameDayTab tab, const SameDayFocus &focus, const SameDayMenuLogin &login,
                               const SameDayPopupOrder &previous = {});

// What an action needs from around it.
struct SameDayActionHooks
{
    // MsgBox(text, "Q"): true for OK.
    std::function<bool(const QString &text)> confirm;
    // MsgBox(text, "I").
    std::function<void(const QString &text)> inform;
    // RequestOne: code, call type, payload, time-out in ms; the reply text, empty when none.
    std::function<QString(const QString &, const QString &, const QString &, int)> request;
    std::function<void(const QString &)> log;
};
// Defaults: the link's RequestOne and the daily log; confirm and inform must be given.
SameDayActionHooks DefaultSameDayActionHooks();

// proc_SameDayOrderChangeStatus for an item (caption, Tag; the cancel reason's code as `hint`
// for Tag 4002) on the focused order. False when nothing was sent or the server refused.
bool proc_SameDayOrderChangeStatus(const QString &caption, int tag, const QString &hint, const QString &orderNo,
                                   const QString &status, const SameDayActionHooks &hooks);
// proc_SameDayOrderChangeArrive: the unloading at the hub.
bool proc_SameDayOrderChangeArrive(const QString &orderNo, const SameDayActionHooks &hooks);

// Prints delivery labels; real printing is the printing subsystem's.
class ISameDayLabelPrinter
{
public:
    virtual ~ISameDayLabelPrinter() = default;
    // One delivery label of an order; `copies` as the caller gives it ("1").
    virtual void procSameDayPrint(const QString &orderNo, const QString &copies) = 0;
};
// btnSameDayPrintClick: the selected orders' labels, numbers sorted as text. Returns how many.
int btnSameDayPrintClick(QStringList selectedOrderNumbers, ISameDayLabelPrinter &printer);
