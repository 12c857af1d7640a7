#include "orders/order_globals.h"

std::array<QStringList, 8> G_SL_ORD_FILTER;
int G_BR_CHECKED = 0;
int G_BR_COUNT = 0;
double G_DVRY_DIST_KM = 10.0;
QStringList gsl_ShareGroup;
TA1Orders G_MAP_ORDERS;
std::array<ChangeList, 8> G_SL_WK_CHG;

void ResetOrderGlobals()
{
    for (QStringList &l : G_SL_ORD_FILTER)
        l.clear();
    G_BR_CHECKED = 0;
    G_BR_COUNT = 0;
    G_DVRY_DIST_KM = 10.0;
    gsl_ShareGroup.clear();
    G_MAP_ORDERS.Clear();
    for (ChangeList &l : G_SL_WK_CHG)
        l.clear();
}
