#pragma once

#include "grid/combo_fill.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

class TIniFile;

// One item of the board's branch list: the branch and, kept with it, what the boards need of it.
struct BranchChoice
{
    QString name;        // shown text
    QString code;        // branch code ("0" for the "전체" item)
    QString group;       // the branch's delivery group
    QString masterStore; // the branch's master store, "99999999" when it has none
    QString masterGroup; // that store's delivery group, "99999999" when none
    bool ticked = true;
    bool operator==(const BranchChoice &) const = default;
};

// The login's branches as the start fills the list, all ticked; `withAll` puts a "전체" item
// first (partner head offices).
QList<BranchChoice> LoginBranchChoices(bool withAll);

// Which part of the network the boards show: the branch list (head offices and distributors),
// and for stores the order-path and POS-type lists. Ticks change freely while a list is open;
// closing it publishes the choice to G_SL_ORD_FILTER (and the session's selection lists), which
// the board filters, the order visibility rules and the control screens read, saves it to the
// settings file and refilters the boards. A list never ends up with nothing ticked.
class BoardSelections
{
public:
    // What a choice sets off elsewhere; unset hooks are skipped.
    struct Hooks
    {
        // The branch choice changed: the completed live and same-day lists load again when their
        // tabs are next shown.
        std::function<void()> clearCompletedLoaded;
        std::function<void()> refilter;         // the board filters
        std::function<void()> recountCallSums;  // the selection's call counts
        std::function<void()> recountCouriers;  // couriers of the ticked branches
        std::function<void()> checkStoreOrders; // the store-order board's counts
        // "내  그  룹" and "공 유 그 룹" are enabled exactly when the selection flag is 1.
        std::function<void(bool enabled)> setGroupButtonsEnabled;
        // The open courier-control screen (if any) refreshes itself and takes these ticks, item
        // by item from index 0, without reacting to them.
        std::function<void(const QList<bool> &ticks)> refreshControlScreen;
    };

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    // The settings file the choices are saved to; nullptr: G_INI.
    void setSettings(TIniFile *ini) { m_ini = ini; }

    // A selection drop-down is open: the polling loop skips loading the order pages meanwhile.
    bool FCB_SELECT_MNGBR = false;
    void popupOpened() { FCB_SELECT_MNGBR = true; }

    // Branches -------------------------------------------------------------------------------
    // The start: the login's branches (a partner head office's list starts with "전체", so
    // `firstBranch` is 1, else 0), ticked as the settings file saved them. Sets G_BR_COUNT and
    // G_BR_CHECKED (the number of branches) and clears the completed-list flags; the caller
    // closes the list afterwards to publish it. When the saved codes name none of the branches
    // (first start, or a branch list that changed completely) every branch stays ticked.
    void loadBranches(const QList<BranchChoice> &items, int firstBranch, const QStringList &savedCodes);
    const QList<BranchChoice> &branches() const { return m_branches; }
    int firstBranch() const { return m_firstBranch; }
    // The "전체" item exists and is ticked.
    bool branchAllTicked() const;
    // branchAllTicked() as of the last close: what the boards filter by.
    bool publishedAllTicked = false;
    // A user click turned item `index` to `ticked`; keeps "전체" and the at-least-one rule.
    void branchToggled(int index, bool ticked);
    // The branch list closed (or another screen handed over its ticks): publish, refilter,
    // recount, refresh the control screen, save.
    void closeBranches();
    // A courier-control screen's branch list closed: the board takes its ticks item by item and
    // closes its own list.
    void takeBranchTicks(const QList<bool> &ticks);
    // Ticked branches from the first real one on, as (code, name), for the delivery-group
    // settings.
    QList<std::pair<QString, QString>> tickedBranches() const;

    // Order paths and POS types (stores) ------------------------------------------------------
    // Item 0 is "전체" (tag 0); the ticks come from the settings file through the fill.
    void loadPaths(const QList<CheckItem> &items) { m_paths = items; }
    void loadPosTypes(const QList<CheckItem> &items) { m_posTypes = items; }
    const QList<CheckItem> &paths() const { return m_paths; }
    const QList<CheckItem> &posTypes() const { return m_posTypes; }
    void pathToggled(int index, bool ticked);
    void posTypeToggled(int index, bool ticked);
    void closePaths();
    void closePosTypes();

private:
    TIniFile *settings() const;
    void call(const std::function<void()> &hook) const
    {
        if (hook)
            hook();
    }
    bool closeTagList(const QList<CheckItem> &items, int list, const QString &section);

    Hooks m_hooks;
    TIniFile *m_ini = nullptr;
    QList<BranchChoice> m_branches;
    int m_firstBranch = 0;
    QList<CheckItem> m_paths;
    QList<CheckItem> m_posTypes;
};
