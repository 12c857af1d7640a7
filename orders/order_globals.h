#pragma once

#include "orders/order_list.h"

#include <QSet>
#include <QStringList>

#include <array>

// A list of codes or order numbers in which each appears once, in the order of first arrival.
// Adding is cheap however long the list grows (a full rebuild passes every order through it).
class ChangeList
{
public:
    void append(const QString &value)
    {
        if (!m_seen.contains(value)) {
            m_seen.insert(value);
            m_items.append(value);
        }
    }
    bool contains(const QString &value) const { return m_seen.contains(value); }
    bool isEmpty() const { return m_items.isEmpty(); }
    int size() const { return int(m_items.size()); }
    void clear()
    {
        m_items.clear();
        m_seen.clear();
    }
    const QStringList &items() const { return m_items; }
    bool operator==(const QStringList &other) const { return m_items == other; }

private:
    QStringList m_items;
    QSet<QString> m_seen;
};

// Board selections, published when a selection list closes: [1] ticked branches, [2] their
// delivery groups, [3] their master stores, [4] those stores' groups (parallel to [1]), [5]
// ticked order paths, [6] ticked POS types.
extern std::array<QStringList, 8> G_SL_ORD_FILTER;
// Number of ticked branches, used as a flag: 1 means the board admission rule applies.
extern int G_BR_CHECKED;
// (G_BR_COUNT and G_DVRY_DIST_KM, which only the boards use, are in boards/board_globals.h.)
// Delivery groups whose share rule makes their orders count as this login's own.
extern QStringList gsl_ShareGroup;
// Orders waiting for a courier that this login may dispatch (the control screens' waiting
// list); its numbers are G_MAP_ORDERS.Numbers().
extern TA1Orders G_MAP_ORDERS;
// Change lists drained by the control screens, [1] to [7]: [1] couriers whose current orders
// changed, [2] couriers refreshed by the courier list, [3] couriers whose position changed,
// [7] orders that passed the waiting-order routine. Entry 0 is unused.
extern std::array<class ChangeList, 8> G_SL_WK_CHG;

// The boards and the reference loaders change the selections and share groups above only
// through these; the engines read them.
void SetOrderFilterList(int list, const QStringList &tags);  // G_SL_ORD_FILTER[list]
void SetBranchesChecked(int count);                          // G_BR_CHECKED
void ClearShareGroups();                                     // gsl_ShareGroup
void AddShareGroup(const QString &group);

// Puts the order globals back to their start values (tests, re-initialisation).
void ResetOrderGlobals();
