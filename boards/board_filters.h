#pragma once

#include "grid/grid_filter.h"
#include "records/delivery_group_records.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <utility>

class GridTableModel;

// The client-side filters of the live, completed and store-order boards. The filter bar's state
// goes in; out come the grid kit's filter groups (an AND of OR groups), addressed by the
// component names of the board columns. Each board remembers what its groups were built from,
// so a run after an order batch with unchanged controls touches nothing.

enum class FilterBoard
{
    Live,
    Completed,
    StoreOrders,
};

// The eight status buttons, in the order of the bar.
enum StatusButton
{
    kStAccepted,  // "접수" 1001
    kStRequested, // "요청" 2001 (and 2002)
    kStAssigned,  // "배차" 3001
    kStDeparted,  // "출발" 3003
    kStFinished,  // "완료" 4001
    kStCancelled, // "취소" 4002
    kStWaiting,   // "대기" 1002 (and 1007)
    kStInquiry,   // "문의" 4003
    kStatusButtonCount
};
// The status code a button stands for (its tag).
int StatusButtonTag(int button);

// Input groups: each has a signature, and a change of it rebuilds the criteria it feeds.
enum BoardFilterInput
{
    kInBranches,   // the published branch selection
    kInSearches,   // the four search boxes
    kInGroups,     // own / shared group buttons, designated dispatch, the branches' groups
    kInPayment,    // payment buttons
    kInStatus,     // status buttons
    kInDistance,   // the distance limit
    kInGroupMode,  // the group / dispatch mode pair (no criteria of its own)
    kInPathsPos,   // the published order-path and POS-type selections
    kBoardFilterInputCount
};

// Filter slots of a board's model. Slots 0-15 belong to these filters; other code may use the
// slots above.
enum BoardFilterSlot
{
    kSlotGroups = 0,          // own or shared groups, designated dispatch: OR
    kSlotDesignated = 1,      // designated dispatch: requested and past the sharing time: AND
    kSlotStatus = 2,          // OR
    kSlotPayment = 3,         // OR
    kSlotDistance = 4,        // OR
    kSlotGroupExclusions = 5, // shared-group view: groups to hide: AND
    kSlotBranches = 6,        // OR
    kSlotPathsPos = 7,        // OR
    kSlotSearchOrderNo = 8,   // each search box its own OR group
    kSlotSearchStore = 9,
    kSlotSearchDestination = 10,
    kSlotSearchCourier = 11,
    kBoardFilterSlotEnd = 16
};

struct BoardFilterInputs
{
    // Status buttons: "전체" and the eight of StatusButton.
    bool statusAll = true;
    std::array<bool, kStatusButtonCount> status{};
    // Payment buttons: "결       제" and cash, card, prepaid.
    bool payAll = true;
    bool payCash = false;
    bool payCard = false;
    bool payPrepaid = false;
    // The group / dispatch mode pair.
    bool groupModeDown = true;
    bool groupModeEnabled = true;
    bool dispatchModeDown = false;
    bool dispatchModeEnabled = true;
    // "내  그  룹", "공 유 그 룹", "지 정 배 차".
    bool ownGroupDown = true;
    bool ownGroupEnabled = false;
    bool sharedGroupDown = true;
    bool designatedDown = false;
    double distanceKm = 10.0;
    // Search terms: the trimmed texts of the boxes, empty for a box that holds no search (see
    // SearchTerm).
    QString searchOrderNo;
    QString searchDestination;
    QString searchStore;
    QString searchCourier;
    // First character of the login's user type: "1" store, "5" distributor, "7" partner head
    // office.
    QString userClass;
    // The published selections: ticked branch codes and, in the same order, their delivery
    // groups; whether the branch list's "전체" item is ticked; ticked order-path and POS-type tags.
    QStringList branchCodes;
    QStringList branchGroups;
    bool branchAllTicked = false;
    QStringList pathTags;
    QStringList posTypeTags;
    QList<TSHARE_GROUP> shareRules;
    // Sharing threshold: the current time as "yyyy-MM-dd HH:mm:ss".
    QString now;
};

// The text a search box contributes: its trimmed text, or nothing when it shows its hint or
// holds blanks only.
QString SearchTerm(const QString &text, const QString &hint);

// The distance limit of a slider position: 0-9 give 1-10 km, 10 (and above) no limit (9999 km).
double DistanceKmOfPosition(int position);
// The label of a slider position: "<km>km", or the unlimited word for position 10.
QString DistanceLabelOfPosition(int position, const QString &unlimitedWord);

// The inputs taken from the shared values: user class, the published selections
// (G_SL_ORD_FILTER), sharing rules, the distance limit and the current time. Button states and
// search terms are left as they are.
void FillSharedFilterInputs(BoardFilterInputs &in);

// The signature of each input group: it changes exactly when an input of the group changes.
std::array<QString, kBoardFilterInputCount> BoardFilterSignatures(const BoardFilterInputs &in,
                                                                 FilterBoard board);

using ColumnOf = std::function<int(const QString &name)>;
using SlotGroups = QList<std::pair<int, FilterGroup>>;

// The criteria that one input group puts on a board: every slot the group owns on that board,
// each with its group (empty = restricts nothing). Conditions on columns the board does not have
// are left out.
SlotGroups BoardFilterGroups(FilterBoard board, int input, const BoardFilterInputs &in,
                             const ColumnOf &columnOf);

// Keeps the boards' models filtered by the bar's state.
class BoardFilterEngine
{
public:
    // The board's model (nullptr: the board is not shown). Setting a model forgets what its
    // groups were built from, so the next run builds them all.
    void setModel(FilterBoard board, GridTableModel *model);
    GridTableModel *model(FilterBoard board) const { return m_boards[size_t(board)].model; }

    // Rebuilds, on every board, the criteria whose input signature changed since that board's
    // last build, inside one update of the model. Returns the input groups rebuilt on any board
    // (bit k = input k).
    unsigned run(const BoardFilterInputs &in);
    // Forgets every signature: the next run rebuilds everything.
    void forget();

private:
    struct Board
    {
        GridTableModel *model = nullptr;
        std::array<QString, kBoardFilterInputCount> signature;
        bool built = false;
    };
    std::array<Board, 3> m_boards;
};
