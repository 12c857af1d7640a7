#include "main/main_globals.h"

int G_FIRST_INSTANCE = 0;
QString G_UPDATER_NAME;
QString G_EXE_DATE;
int G_DVRY_INFO_CNT = -1;
QString G_MSG_SYNC_MARK;
bool G_WC_OPEN = false;
bool G_WC2_OPEN = false;
bool G_WCO_OPEN = false;
bool G_ST_LOADING = false;
bool G_ST_LOADED = false;

void ResetMainGlobals()
{
    G_FIRST_INSTANCE = 0;
    G_UPDATER_NAME.clear();
    G_EXE_DATE.clear();
    G_DVRY_INFO_CNT = -1;
    G_MSG_SYNC_MARK.clear();
    G_WC_OPEN = G_WC2_OPEN = G_WCO_OPEN = false;
    G_ST_LOADING = G_ST_LOADED = false;
}
