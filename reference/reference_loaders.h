#pragma once

#include "records/reference_records.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

// The reference loaders of the session. Each loader is one plain function that sends its request
// on the shared client and stores the reply; the storing half (Apply...) works on reply page
// texts alone, so it runs without a server. Failures go to the daily log only.

// --- Code tables and server configuration -----------------------------------------------------
inline constexpr char kSysCodeRequest[] = "CS00_01_V02";
inline constexpr char kCodeListRequest[] = "CS00_17_V02";
inline constexpr char kConfigRequest[] = "CS00_10_V01";

void proc_syscode();
void ApplySysCodePages(const QStringList &pages);
// The order paths ("O3") and point-of-sale kinds ("PT").
void procO3List();
void procPTList();
void ApplyCodeListPages(const QString &listCode, const QStringList &pages);
// A code group some screen needs; asks only when no row of the group is held yet.
void proc_GetCodeList(const QString &group);
void ApplyGetCodeListPages(const QStringList &pages);
void proc_Com_CS_Code();
void ApplyConfigPages(const QStringList &pages);

// The pick-list tag of an order path or point-of-sale kind: characters 1 to 3 of DT_VALUE2 as a
// number, 110 when they are not one.
int PathTag(const QString &dtValue2);

// --- Head offices, branches, share list -------------------------------------------------------
inline constexpr char kHdListRequest[] = "CS00_02_V01";
inline constexpr char kBrListRequest[] = "CS00_03_V01";
inline constexpr char kShareListRequest[] = "CS00_09_V01";

void proc_HdList();
void ApplyHdListPages(const QStringList &pages);
void proc_BrList();
void ApplyBrListPages(const QStringList &pages);
void proc_Share_List();
void ApplyShareListPages(const QStringList &pages);

// --- Delivery groups --------------------------------------------------------------------------
inline constexpr char kDvryOutRequest[] = "CS00_08_V01";
inline constexpr char kDvryInitRequest[] = "CS09_04_V01";
inline constexpr char kDvryMsgRequest[] = "CS09_03_V01";
inline constexpr char kDvryInfoRequest[] = "CS00_00_V01";

void proc_Dvry_Out_List();
void ApplyDvryOutPages(const QStringList &pages);
void proc_Dvry_List_Init();
void ApplyDvryListInitPages(const QStringList &pages, const QTime &now);
// The settings of one group after the server announced a change; iIdx is the caller's index of
// the group's entry, checked against the code.
void proc_Dvry_List_MSG(const QString &sDvryCD, int iIdx);
void ApplyDvryListMsgReply(const QString &sDvryCD, int iIdx, const QString &reply, const QTime &now);
void proc_Dvry_info();
void ApplyDvryInfoPages(const QStringList &pages, const QTime &now);
// The group-code text of the live-state request: own group, then "," and each other entry's code.
QString DvryInfoCodes();

// Entry of G_DVRY_GRP_INFO that belongs to a group code: 0 for the user's own group, the entry
// carrying that code otherwise; -1 when no entry has it.
int DvryGrpIndex(const QString &code);
// Whether now (local time) lies inside the group's supervised hours.
bool SupervisedHours(const TDVRY_GRP_INFO &entry, const QTime &now);

// --- Couriers and telephone lists -------------------------------------------------------------
inline constexpr char kMyWorkRequest[] = "CS00_16_V01";
inline constexpr char kStTelRequest[] = "CS00_14_V01";
inline constexpr char kWkTelRequest[] = "CS00_15_V01";

void GetMyWorkList();
void ApplyMyWorkPages(const QStringList &pages);
void proc_Load_TelList();
void ApplyStTelPages(const QStringList &pages);
void proc_Load_WkTelList();
void ApplyWkTelPages(const QStringList &pages);

// --- Stores ------------------------------------------------------------------------------------
inline constexpr char kStListRequest[] = "CS00_04_V02";

void proc_StList();
void ApplyStListPages(const QStringList &pages, const QDate &today);
// One store's record (the code must be in the store list; another code is refused), then its
// goods groups and goods.
void proc_GetStInfo(const QString &sStCode);
// False when nothing was stored (unknown code, no reply, exception): the goods are then not loaded.
bool ApplyStInfoPages(const QString &sStCode, const QStringList &pages, const QDate &today);
void proc_Add_StNo(const QString &sStCode);
// CHARGE_DAY_POS of a day-of-month text.
QString ChargeDayText(const QString &day, const QDate &today);

// --- Frequently used names of stores ----------------------------------------------------------
inline constexpr char kStNamesRequest[] = "CS00_07_V05";

// Loads the names of one store once per run; bClear forces a reload.
void proc_St_Favarity3(const QString &sStCode, bool bClear);
// Steps before the request: the reset of a forced reload and the default group. False when the
// store is unknown or already loaded (no request is then sent).
bool PrepareStoreNames(TST_LIST &store, bool bClear);
void ApplyStoreNamesPages(TST_LIST &store, const QStringList &pages);
