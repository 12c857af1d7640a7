#include "orders/order_globals.h"

std::array<QStringList, 8> G_SL_ORD_FILTER;
int G_BR_CHECKED = 0;
QStringList gsl_ShareGroup;
TA1Orders G_MAP_ORDERS;
std::array<QStringList, 8> G_SL_WK_CHG;

void AddUnique(QStringList &list, const QString &value)
{
    if (!list.contains(value))
        list.append(value);
}

void ResetOrderGlobals()
{
    for (QStringList &l : G_SL_ORD_FILTER)
        l.clear();
    G_BR_CHECKED = 0;
    gsl_ShareGroup.clear();
    G_MAP_ORDERS.Clear();
    for (QStringList &l : G_SL_WK_CHG)
        l.clear();
}
