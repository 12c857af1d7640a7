#pragma once

#include "history/past_orders_search.h"
#include "main/status_bar_texts.h"

#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class GridTableModel;

// The controls that narrow the loaded past orders, as the general grid's filter reads them.
struct PastFilterInput
{
    PastBranchSelection sel;  // the affiliation buttons act only while a branch is chosen
    bool ordIn = true;        // "내  소  속": ordered by the branch
    bool wkIn = false;        // "타그룹공유": dispatched to the branch
    bool cthWkOut = false;    // "내배송그룹": of the branch's delivery group
    bool payAll = true, payCash = false, payCard = false, payPre = false;
    bool statusAll = true;
    QList<int> statuses;      // the pressed status buttons' statuses (1001, 2001, ...)
    QString cuName, cuTel, cuAddr, wkName, ordNo;  // search boxes; blank = no condition
    double distanceLimit = 10;  // kilometres from the ordering store
};

// Statuses a status button shows: the same set its counter counts ("요청" 2001 and 2002, "대기"
// 1002 and 1007), so a pressed button never shows fewer rows than its counter says.
QList<int> PastStatusButtonCodes(int buttonStatus);

// Rebuilds the general grid's filter from the controls (every group replaced).
void ApplyPastGeneralFilter(GridTableModel &grid, const PastFilterInput &in);

// Slider: positions 0-9 give 1-10 km, 10 gives no limit (9999).
double PastDistanceLimit(int position);
QString PastDistanceLabel(int position);

// The counters over the rows the general grid shows.
struct PastCounts
{
    // 0 total, 1 접수 1001, 2 요청 2001/2002, 3 배차 3001, 4 출발 3003, 5 완료 4001, 6 취소 4002,
    // 7 대기 1002/1007, 8 문의 (any other status)
    std::array<int, 9> labels{};
    QString payText;  // footer under the address: completed orders by how they were paid
};
PastCounts CountPastGeneral(const GridTableModel &grid);
// The payment class of a completed order's pay text: 0 cash, 1 card, 2 prepaid, 3 cash to the
// courier ("현금(P)"). A pick-up payment ("출발지-") counts under the way it was paid.
int PastPayClass(const QString &payText);

// Colour of a row: background by its status (the colour of that status's count label), low
// coordinate accuracy of a delivery, and the font of a cancelled card or receipt.
struct PastStatusColours
{
    std::array<TColor, 9> byLabel{};  // same index as PastCounts::labels
    TColor normalB = 0xFFFFFF;
    TColor normalF = 0x000000;
    TColor noAddrB = 0xFF8000;
    TColor cardCancelF = 0x0000FF;
    // The settings file's status colours and the user's colours.
    static PastStatusColours Current();
};
struct PastRowColour
{
    TColor background = 0xFFFFFF;
    std::optional<TColor> font;  // empty: the font colour stays as it is
};
PastRowColour PastGeneralRowColour(const QString &status, const QString &takeoutYn, const QString &xyAccType,
                                   const QString &tranType, const PastStatusColours &colours);
// The counter label a status is counted under (index of PastCounts::labels, 1-8).
int PastStatusLabel(int status);

// The stores ticked in the main window's store tree (",code,code") that filter the store grid:
// none when every store is ticked; only stores of the list, and of the chosen branch when one
// is chosen. branchOf gives a listed store's branch.
QStringList PastStoreSelection(const QString &ticked, const QStringList &storeCodes,
                               const std::function<QString(const QString &)> &branchOf, const QString &chosenBranch);

// Rebuilds the store grid's filter: ticked stores, payment, status, and the store-name, phone and
// order-number boxes (one group: any filled box may match).
void ApplyPastStoreFilter(GridTableModel &grid, const PastFilterInput &in, const QStringList &stores);

// The same-day grid's filter: affiliation by the login, status buttons and the boxes.
struct PastSameDayFilterInput
{
    QString userClass;
    bool searchSameDay = false;  // G_USER_SET.SEARCHSAMEDAY is "Y"
    QString chosenBranch;        // the branch box's choice (head offices)
    QString br;                  // the login's branch
    QString stDvryType;          // the login's ST_DVRY_TYPE_CD
    int sameDayNormal = 0, sameDayLocal = 0;
    bool statusAll = true;
    QList<int> statuses;         // pressed status buttons (4001, 1002, 4002, 4003)
    QString ordNo, wkName, cuName, cuTel, cuAddr;
};
// Rebuilds the filter of a same-day grid whose column names carry `prefix`. The store-name box
// looks at the ordering store and the phone box at the customer's phone; a distributor's shared
// orders still have to be of its branch.
void ApplyPastSameDayFilter(GridTableModel &grid, const QString &prefix, const PastSameDayFilterInput &in);

// The same-day counters over the loaded rows (filtering does not change them).
struct PastSameDayCounts
{
    int total = 0, done = 0, waiting = 0, cancelled = 0, inquiry = 0;
};
PastSameDayCounts CountPastSameDay(const GridTableModel &grid, const QString &prefix);
