#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

struct TCOM_CODE_LIST;
struct TDVRY_GRP_INFO;
struct TST_LIST;

// The rules behind the reception window's lists and layout, kept apart from the widgets so that
// they can be checked without a window.

// Lock-time choice of a store's lock seconds: -1 and 0 stay; 1-60 rounds up to tens of seconds,
// 61-180 up to whole minutes, 181-300 is five minutes, 301-600 ten minutes; anything else is
// "no sharing" (-1).
int LockTimeValue(int seconds);

// The lock-time choices (value, text) in the order of the combo.
struct ChoiceItem
{
    int value = 0;
    QString text;
};
const QList<ChoiceItem> &LockTimeChoices();
const QList<ChoiceItem> &CookingTimeChoices();   // 0 "즉시" .. 120 minutes
const QList<ChoiceItem> &TakeoutTimeChoices();   // 0 "즉시", 5 "5분 후" .. 120 "2시간 후"
const QList<ChoiceItem> &KitchenTimeChoices();   // 0 "도착시", 5 "5분 전" .. 120 "2시간 전"
int ChoiceIndex(const QList<ChoiceItem> &items, int value);

// Store grid --------------------------------------------------------------------------------

enum StoreColumn
{
    kStCode,
    kStName,
    kStMulti,
    kStTel,
    kStCash,
    kStX,
    kStY,
    kStStatus,
    kStTelType,
    kStShopType,
    kStColumnCount
};

// Whether a store is offered in the reception window's store list: not switched off, a
// delivery, errand or same-day store, and not a shared store.
bool StoreListed(const TST_LIST &store);
// The row of a listed store.
QVariantList StoreRow(const TST_LIST &store);
// "개별", "메인" or "종속" by the store's multi-store type.
QString StoreMultiText(const QString &multiType);
// Whether a store of that multi-store type becomes the window's store when none is set yet.
bool StoreMayBeDefault(const QString &storeMultiType, const QString &userMultiType);

struct StoreGridFill
{
    QList<QVariantList> rows;
    QString defaultCode;   // set only when the window had no store
    QString defaultName;
};
// Rows of every listed store of G_ST_LIST in list order; when currentCode is empty the first
// store that may be the default becomes it.
StoreGridFill BuildStoreGrid(const QString &currentCode, const QString &userMultiType);

// Delivery groups ---------------------------------------------------------------------------

enum GroupColumn
{
    kGrpName,
    kGrpCode,
    kGrpStatus,
    kGrpDelay,
    kGrpSurcharge,
    kGrpTel,
    kGrpColumnCount
};

// The G_DVRY_GRP_INFO entry of a group: the own group through G_SL_BR_DVRY_TYPE, other groups
// through gsl_Out_DVRY (index k gives entry k + 1); when the code is not listed, entry 0 when it
// has that code. nullptr when no entry belongs to the code.
TDVRY_GRP_INFO *FindOwnGroupInfo(const QString &code);
TDVRY_GRP_INFO *FindOutGroupInfo(const QString &code);

// Whether now ("hhnn") lies inside the group's management hours; true when the group keeps none.
bool GroupInManagementHours(const TDVRY_GRP_INFO &info, const QString &nowHhnn);
// The service state the grid shows: the group's state, but "1" (in service) reads "0" outside
// its management hours. Both the load and the refresh show this, so the rule is never lost.
QString GroupStatusShown(const TDVRY_GRP_INFO &info, const QString &nowHhnn);
// "원활" below one minute; else the minutes and "분지연" (own group and refresh) or "지연".
QString GroupDelayText(int delayMinutes, bool longForm);
// "할증\n<charge>원" while the surcharge window is open, else "미할증".
QString GroupSurchargeText(const QString &exYn, const QString &charge, const QString &start,
                           const QString &end, const QString &nowHhnn);

// Delay in minutes of the group with that code; 0 when the group has no entry or no delay (never
// another group's delay).
int GroupDelayOf(const QString &code);

// Order paths -------------------------------------------------------------------------------

struct OrderPathItem
{
    QString code;
    QString name;
    int tag = 11;
};
// The order-path choices of group "O3": a new order offers the unlocked paths whose value is not
// editionValue; a modification offers a locked path alone, otherwise every unlocked path.
QList<OrderPathItem> OrderPathItems(const QList<TCOM_CODE_LIST> &codes, bool newOrder,
                                    const QString &orderPathCode, const QString &editionValue);

// Goods groups of the embedded menu board: (name, group number) rows.
QList<QStringList> GoodsGroupRows(const TST_LIST &store, bool appPanelShown);
// A group name as the goods-group grid shows it ("&" doubled, markup characters as entities).
QString GoodsGroupNameShown(const QString &name);

// Closing ------------------------------------------------------------------------------------

enum class CloseReturn
{
    OtherTab,   // another reception tab is still open: it becomes the current one
    Today,
    Past,
    Nothing,
};
CloseReturn CloseReturnOf(bool otherTabOpen, int giOrd);
