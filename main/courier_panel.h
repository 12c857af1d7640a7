#pragma once

#include "grid/grid_table_model.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>

struct TMyWorker;

// The courier status panel without its widgets: the grid of couriers over G_MY_WORKER, the state
// buttons, the branch check-list, the search boxes, the per-state counts and the filter they make.

// Counters for the couriers of the checked branches: [0] left work, [1] resting, [2] driving,
// [3] waiting, [4] assigned orders, [5] departed orders, [6] completed orders.
extern int G_WK_CNT_BR[7];

// Column indexes of the courier grid, in the grid's order.
enum CourierPanelColumn
{
    grdColWorkerBrName,
    grdColWorkerCode,
    grdColWorkerName,
    grdColWorkerTel,
    grdColWorkerCarNumber,
    grdColWorkerConnectYN,
    grdColWorkerAttend,
    grdColWorker3001,
    grdColWorker3003,
    grdColWorker4001,
    grdColWorkerCashNow,
    grdColWorkerOSTD,
    grdColWorkerPosX,
    grdColWorkerPosY,
    grdColWorkerAttendCode,
    grdColWorkerBrCode,
    grdColWorkerOrgTel,
    grdColWorkerDataStatus,
    grdColWorkeStcode,
    kCourierPanelColumnCount
};

// The state toggles: 0 "전체", then 배차, 출발, 완료, 운행, 대기, 휴식, 퇴근.
enum CourierStateButton
{
    btnWorkerAll,
    btnWorker3001,
    btnWorker3003,
    btnWorker4001,
    btnWorkerWork,
    btnWorkerWait,
    btnWorkerRest,
    btnWorkerOut,
    kCourierStateButtonCount
};

struct CourierStateButtons
{
    // All down at start except "전체" and "퇴근".
    std::array<bool, kCourierStateButtonCount> down{false, true, true, true, true, true, true, false};

    // A click left button b in its new state; keeps "전체" and the others in step.
    void toggled(int b);
};

// The branch check-list: item 0 is "전체" with code "0", then one item per branch.
struct CourierBranchChoice
{
    QStringList names;
    QStringList codes;
    QList<bool> checked;

    // Fills "전체" plus the given branches, all checked.
    void fill(const QStringList &branchNames, const QStringList &branchCodes);
    // The user changed the check mark of item `clicked`; applies the list's rules (at least one
    // branch stays selected, "전체" follows the others).
    void clicked(int item);
    // The codes of the checked branches without the "all" entry (slDvryBrSelectList).
    QStringList selectedCodes() const;
};

// The texts of the count labels, in button order (전체 … 퇴근), from G_WK_CNT_BR.
std::array<QString, kCourierStateButtonCount> CourierCountTexts();

// The courier grid with its filter. Rows follow G_MY_WORKER's order: record i is courier i.
class CourierPanelModel
{
public:
    CourierPanelModel();

    GridTableModel &grid() { return m_grid; }
    const GridTableModel &grid() const { return m_grid; }

    CourierStateButtons buttons;
    CourierBranchChoice branches;
    QString nameText;   // search boxes, trimmed when read; a box showing its hint counts as empty
    QString telText;
    QString carText;
    bool bWorkerFlag = false;  // the user is editing the filter
    QStringList slDvryBrSelectList;
    QString FSELECT_WK_CODE;

    // Copies the marked couriers of G_MY_WORKER into the grid (clearing it first when asked),
    // clears their marks, shows the counts and re-applies the filter unless the user is editing
    // it. False when the grid is out of step with the list (the walk stops there).
    bool procUpdateWorkerGrid(bool bClearFlag);
    void procDvryBRSelectAddList();
    void procDvryBRSelectWkCount();
    // The count label texts after procDvryBRSelectWkCount.
    std::array<QString, kCourierStateButtonCount> countTexts;
    void procDvryWkCountDisplay() { countTexts = CourierCountTexts(); }

    // Builds the filter from the buttons, branches and boxes; does nothing when they did not
    // change since the last time or before the initialization is done. True when it re-filtered.
    bool applyFilter();

    // The courier code of a grid row (a shown row), "" when there is none.
    QString courierOfRow(int row) const;

private:
    void writeRow(int record, const TMyWorker &w);

    GridTableModel m_grid;
    QStringList m_filterKeys;  // sWorkerFilter0 … sWorkerFilter5
    bool m_filterBuilt = false;
};
