#pragma once

#include <QString>
#include <QStringList>

#include <array>

class GridTableModel;

// The state of the same-day filter bar (pnlSameDayFiltr), shared by the same-day, completed and
// logistics grids: status and leg buttons by Tag, the total button, four search boxes, the two
// in/out boxes of the logistics grid and the two order-kind buttons.
struct SameDayFilterBar
{
    static constexpr int kButtons = 12; // Tags 1..12 (12, parcel, is hidden)

    bool total = true;                      // btnSameDayTotal
    std::array<bool, kButtons + 1> down{};  // [tag]: the button of that Tag is down
    bool all = false;                       // btnSameDayAll (Tag 9, hidden; logistics only)
    QString order;                          // edSameDayOrder
    QString store;                          // edSameDayStore
    QString worker;                         // edSameDayWorker
    QString cust;                           // edSameDayCust
    bool in = true;                         // chkSameDayIn
    bool out = false;                       // chkSameDayOut
    bool oneDay = true;                     // btnA3OneDay
    bool tb = true;                         // btnA3TB

    // A status or leg button changed to `isDown`: up releases the total button; down with
    // every button down presses it.
    void btnSameDayRegClick(int tag, bool isDown);
    // The total button changed: every button follows it.
    void btnSameDayTotalClick(bool isDown);
};

// Placeholders of the search boxes: a box showing its placeholder counts as empty.
inline const QString kSameDayOrderHint = QStringLiteral("접수번호/도착지");
inline const QString kSameDayStoreHint = QStringLiteral("발주 가맹점");
inline const QString kSameDayWorkerHint = QStringLiteral("배송원연락처/명");
inline const QString kSameDayCustHint = QStringLiteral("고   객   명");
inline const QString kSameDayIn = QStringLiteral("입고");
inline const QString kSameDayOut = QStringLiteral("출고");

// The search text of a box: trimmed, empty when it shows its placeholder.
QString SameDaySearchText(const QString &text, const QString &hint);

// Who looks: the parts of the login that decide the scope conditions.
struct SameDayFilterScope
{
    QString userClass;      // first character of the user type
    QString br;             // the login's branch
    QString stDvryType;     // ST_DVRY_TYPE_CD
    QString brSt;           // BR_ST_CODE, the branch's hub store
    int normal = 0, gansun = 0, jisun = 0;
    bool searchSameDay = false;  // partner head office: the chosen branches narrow the board
    QStringList branchCodes;     // the branches ticked in the board's branch list
};
// The session's login with the given ticked branches.
SameDayFilterScope CurrentSameDayFilterScope(const QStringList &branchCodes);

// Turns the bar's state into the grids' filters; a filter is rebuilt only when its inputs
// changed since it was last applied. Search texts are matched as plain text (no wildcards),
// whatever case.
class SameDayFilter
{
public:
    // The same-day and completed grids; true when they were rebuilt.
    bool proc_A3Filter(const SameDayFilterBar &bar, const SameDayFilterScope &scope, GridTableModel *today,
                       GridTableModel *completed);
    // The logistics grid; true when it was rebuilt.
    bool proc_HUBFilter(const SameDayFilterBar &bar, const SameDayFilterScope &scope, GridTableModel *hub);

    // Filter slots of the grids (0..6): scope, statuses, order search, store, courier, customer,
    // kinds (logistics: 5 in/out).
    static constexpr int kSlots = 7;

private:
    struct A3Inputs
    {
        QString branches, tags, kinds, order, store, worker, cust;
        bool operator==(const A3Inputs &) const = default;
    };
    struct HubInputs
    {
        QString scope, tags, order, worker, inout;
        bool operator==(const HubInputs &) const = default;
    };
    void buildA3(GridTableModel &grid, const QString &prefix, bool completed, const SameDayFilterScope &scope,
                 const QStringList &tags, const QStringList &kinds, const A3Inputs &in);

    bool m_a3Applied = false;
    A3Inputs m_a3;
    bool m_hubApplied = false;
    HubInputs m_hub;
};
