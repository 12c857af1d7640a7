#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>


// Courier counters over a branch selection: [0] active couriers off work, [1] active couriers
// resting, [2] active couriers at work and driving, [3] active couriers at work and waiting,
// [4] assigned, [5] departed, [6] completed orders of every courier of the selection.
inline constexpr int kCourierCountSlots = 7;

// The counters over the branches ticked on the order board (G_SL_ORD_FILTER [1]).
extern int G_WK_CNT[kCourierCountSlots];
// The sync mark of the courier refresh: empty asks the server for every courier.
extern QString G_DVRY_SYNC_DT;

// Puts G_WK_CNT and G_DVRY_SYNC_DT back to their start values (tests, re-initialisation).
void ResetCourierRefreshGlobals();

// Recounts `counts` from scratch over the couriers of G_MY_WORKER whose branch is in `branches`.
void CountCouriers(const QStringList &branches, int *counts);

// Keeps G_MY_WORKER current: asks the server for the couriers changed since the last sync mark,
// appends the new ones and updates the known ones, moves the courier counters of the board
// (G_WK_CNT) and of the main window's selection with each change, decides the couriers' map
// markers and queues the changed couriers for the control screens (G_SL_WK_CHG [2] every courier
// reported, [3] every courier whose marker must be shown or hidden).
class CourierListRefresh
{
public:
    // The request as the link sends it: code, call type, payload, page count, time-out in ms;
    // the reply pages, empty when nothing came back.
    using Request = std::function<QStringList(const QString &, const QString &, const QString &,
                                              const QString &, int)>;

    struct Hooks
    {
        // RequestList on the shared client unless replaced.
        Request request;
        // The main window's branch selection (slDvryBrSelectList) and the counters kept over it
        // (G_WK_CNT_BR). Without them only the board's counters move.
        std::function<QStringList()> mainBranches;
        int *mainCounts = nullptr;
        // The side panel's courier grid takes the marked couriers (procUpdateWorkerGrid).
        std::function<void(bool bClearFlag)> updateWorkerGrid;
        // WriteLog unless replaced.
        std::function<void(const QString &)> log;
    };

    CourierListRefresh();
    explicit CourierListRefresh(Hooks hooks);

    Hooks &hooks() { return m_hooks; }

    // One refresh. Does nothing for store users and for logins without a head office. False when
    // nothing was asked or no page came back.
    bool proc_Dvry_List();

    // Applies reply pages as the refresh does after its request (also the entry for pages that
    // came another way). False when a page failed or a row could not be applied.
    bool applyPages(const QStringList &pages);

    // Applies one courier row (its fields already split). False when the row was skipped.
    bool applyRow(const QStringList &fields);

    // Recount of G_WK_CNT over the board's ticked branches, after the board's selection changed.
    static void procBRSelectWkCount();

    // The payload of the request for the current login and mark.
    static QString payload();

private:
    void logLine(const QString &line) const;

    Hooks m_hooks;
    // While pages are applied: the courier codes by index and the two branch selections, so a
    // full list of thousands of couriers does not search the code list once per row.
    struct Lookup
    {
        bool active = false;
        QHash<QString, int> index;
        QSet<QString> board;
        QSet<QString> main;
    };
    Lookup m_lookup;
};
