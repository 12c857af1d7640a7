#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

struct TA1ORDER;

// The order popup of the today's-orders screen: which items a right click on an order offers, and
// the keys of that order which every menu action then works on. The plan is a pure function of
// the focused row, the board it sits on and the logged-in user; the widgets only show it.

// Items of the order popup, top to bottom, plus the two telephone texts of the courier message
// submenu whose visibility the plan also decides.
enum class OrderMenuItem : int
{
    NStatusTitle,
    NStatusOrderCheck,
    NStatusReady,
    NStatusStart,
    NStatusStartCancel,
    NStatusWait,
    NStatusWaitFree,
    NStatusCancelDvryReady,
    NStatusCancelWait,
    NOrdBundleOneCancel,
    NOrdBundleAllCancel,
    NOrdBundleOneCancelWait,
    NStatusComplete,
    NStatusCancel,
    NStatusCancelNAcc,
    NOrderCopy1001,
    NOrderCopy2001,
    N1,
    NEtcTitle,
    NEtcDvry,
    NEtcDvryAnother,
    NEtcDvryShow,
    NEtcDvryRSTR,
    nOrdBundle,
    N2,
    NEtcStMsg,
    NEtcWkBrMsg,
    NEtcWkStMsg,
    NEtcDvryMsg,
    NCardAppr,
    NEtcSubSenderTelMsg,
    NEtcSubOrdStTelMsg,
    Count
};
inline constexpr int kOrderMenuItemCount = int(OrderMenuItem::Count);

// What an item is and what its click hands to the action: the caption (used verbatim as message
// text), the Tag, the Hint and the GroupIndex.
enum class OrderMenuRole
{
    Header,
    Separator,
    StatusChange,      // proc_OrderChangeStatus(Tag, Hint, GroupIndex)
    CancelThenWait,    // the two-step dispatch cancel
    BundleCancel,      // bundle dispatch cancel, Tag 1 this order / 2 the whole bundle
    BundleCancelWait,  // bundle member back to waiting
    CancelReasons,     // submenu of cancel reasons
    OrderCheck,        // the new-order alarm
    Copy,              // order copy, Tag 1 / 2
    CourierAssign,
    CourierRestrict,
    Bundle,
    MessageMenu,       // submenu of messages
    CardReceipts,
    MessageText,       // a fixed text inside a message submenu
    Compose,           // "직접입력" inside a message submenu
    None,              // never shown
};

struct OrderMenuItemInfo
{
    OrderMenuItem id;
    const char *name;  // the component name
    QString caption;
    int tag = 0;
    QString hint;
    int groupIndex = 0;
    OrderMenuRole role;
};

// What a menu item hands to its action (the item's Tag, Hint, GroupIndex and caption).
struct OrderMenuCommand
{
    OrderMenuRole role = OrderMenuRole::None;
    int tag = 0;
    QString hint;
    int groupIndex = 0;
    QString caption;
};

// Every item of the popup in menu order (the two telephone texts are not top-level items: they
// belong to the courier message submenu).
const QList<OrderMenuItemInfo> &OrderMenuItems();
const OrderMenuItemInfo &OrderMenuItemInfoOf(OrderMenuItem item);

// One entry of a message submenu: a fixed text (Tag = receiver kind), a separator, or the composer.
struct OrderMessageEntry
{
    enum Kind
    {
        FixedText,
        Separator,
        Compose,
    };
    Kind kind = FixedText;
    QString caption;
    int tag = 0;
    // Set for the two telephone texts of the courier submenu, whose visibility the plan decides.
    std::optional<OrderMenuItem> item;
};
// The entries of one of NEtcStMsg, NEtcWkBrMsg, NEtcWkStMsg, NEtcDvryMsg; empty for other items.
QList<OrderMessageEntry> OrderMessageEntries(OrderMenuItem parent);

// A cancel reason of the common-code group "O4", in the order of the main window's list.
struct OrderCancelReason
{
    QString code;
    QString name;
};

// The board the popup opens on.
enum class OrderMenuTab
{
    Live,         // tbOrdNow, CTV_MAIN
    Completed,    // tbOrdComp, CTV_MAIN_COMP
    StoreOrders,  // tbA2Ord, CTV_TAKEOUT
    Other,
};

// What the rules read of the focused row (the twin columns of each board).
struct OrderMenuRow
{
    QString TAKEOUT_YN;
    QString STATUS_CD;
    QString ORD_NO;
    QString READY_TIME2;
    QString ORD_ST_CODE;
    QString CTH_WK_CODE;
    QString CTH_ST_CODE;
    QString CTH_BR_CODE;
    QString ORD_ST_TEL;
    QString ORD_GRP_NO;
    QString END_DATE2;
    QString ARR_TIME;
    QString ORD_PATH_CD;
    QString MANUAL_GRP_YN;
    QString SHARE_GROUP;
    QString DVRY_TYPE_CD;  // the ordering delivery group
    QString ORD_HD_CODE;
    QString BR_CODE;
    QString READY_CHANGE_DATE2;
    QString DVRY_LOCK_TIME;  // whole seconds
    QString PAY_TYPE_CD;     // the payment word ("카드"), completed board
    QString CANCEL_AJ_ABLE;  // completed board
    QString ORG_ORD_NO;      // completed board

    // The row of a live or completed order as the boards fill it; payWord is the board's
    // payment text of the order.
    static OrderMenuRow fromOrder(const TA1ORDER &order, const QString &payWord = QString());
    // The row read from the board's cells: cell(column name) gives the text of the focused row's
    // cell, names with the board's prefix (CTV_MAIN_, CTV_MAIN_COMP_, CTV_TAKEOUT_).
    static OrderMenuRow fromCells(OrderMenuTab tab, const std::function<QString(const QString &column)> &cell);
};

// What the rules read of the login and the reference lists.
struct OrderMenuUser
{
    QString userClass;  // first character of USER_TYPE_CD
    QString ID;
    QString HD;
    QString BR;
    QString MNG_DVRY_TYPE_CD;
    QString BR_DVRY_YN;
    QString AUTH_TEL;
    bool rights3 = false;
    // The delivery groups of the ticked branches (G_SL_ORD_FILTER [2]).
    QStringList selDvryTypes;
    // The delivery groups with their lock rule, in G_DVRY_GRP_INFO order: code and
    // DVRY_LOCKTIME_CTH_YN.
    QList<std::pair<QString, QString>> dvryGroups;
    QStringList slBrCode;       // G_SL_BR_CODE
    QStringList slBrDvryType;   // G_SL_BR_DVRY_TYPE
    // The branch of a store of G_ST_LIST; nullopt when the store is not in the list.
    std::function<std::optional<QString>(const QString &storeCode)> storeBranch;
    // The second value of an order path in the common codes "O3".
    std::function<QString(const QString &path)> pathValue2;

    // The running session's login, rights and reference lists.
    static OrderMenuUser current();
};

// The keys of the order the popup opened for; every action reads these, never the grid.
struct OrderPopupFields
{
    QString FPOP_ORDER_SERVICE;
    QString FPOP_ORDER_STATUS;
    QString FPOP_ORDER_NO;
    QString FPOP_READY_TIME;
    QString FPOP_ORD_ST_CODE;
    QString FPOP_CTH_WK_CODE;
    QString FPOP_CTH_ST_CODE;
    QString FPOP_CTH_BR_CODE;
    QString FPOP_ORD_ST_TEL;
    QString FPOP_ORD_GRP_NO;
};

struct OrderMenuPlan
{
    bool popup = false;  // the menu opens
    std::array<bool, kOrderMenuItemCount> visible{};
    // The popup fields were rewritten (false: the previous popup's fields stay).
    bool fieldsWritten = false;
    bool groupNoWritten = false;  // only the live board writes the bundle group
    OrderPopupFields fields;
    QString FSELECTBM = QStringLiteral("0");

    bool shows(OrderMenuItem item) const { return visible[size_t(item)]; }
    QStringList shownNames() const;
};

// The popup-set functions: func_GetOrderPopupSet for the live and store-order tabs and
// func_GetOrderPopupSet_Comp for the completed tab. row is the focused row (nullopt: none).
OrderMenuPlan PlanOrderMenu(OrderMenuTab tab, const std::optional<OrderMenuRow> &row, const OrderMenuUser &user,
                            const QDateTime &now);

// The popup state the screen keeps between popups: the fields, FSELECTBM and the menu.
struct OrderPopupState
{
    OrderPopupFields fields;
    QString FSELECTBM = QStringLiteral("0");
    OrderMenuPlan lastPlan;

    // Takes what the plan rewrites; returns whether the menu opens.
    bool apply(const OrderMenuPlan &plan);
};
