#include "orders/order_globals.h"

std::array<QStringList, 8> G_SL_ORD_FILTER;
int G_BR_CHECKED = 0;
QStringList gsl_ShareGroup;
TA1Orders G_MAP_ORDERS;
std::array<ChangeList, 8> G_SL_WK_CHG;

void ResetOrderGlobals()
{
    for (QStringList &l : G_SL_ORD_FILTER)
        l.clear();
    G_BR_CHECKED = 0;
    gsl_ShareGroup.clear();
    G_MAP_ORDERS.Clear();
    for (ChangeList &l : G_SL_WK_CHG)
        l.clear();
}

void SetOrderFilterList(int list, const QStringList &tags)
{
    G_SL_ORD_FILTER[size_t(list)] = tags;
}

void SetBranchesChecked(int count)
{
    G_BR_CHECKED = count;
}

void ClearShareGroups()
{
    gsl_ShareGroup.clear();
}

void AddShareGroup(const QString &group)
{
    gsl_ShareGroup.append(group);
}
