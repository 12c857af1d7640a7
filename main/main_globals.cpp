#include "main/main_globals.h"

#include "common/program_globals.h"
#include "link/link_state.h"
#include "start/start_globals.h"

int G_MSG_CHK_CNT = -1;
int G_DVRY_INFO_CNT = -1;
QString G_MSG_SYNC_MARK;
bool G_WC_OPEN = false;
bool G_WC2_OPEN = false;
bool G_WCO_OPEN = false;
bool G_ST_LOADING = false;
bool G_ST_LOADED = false;

void ResetSessionCounters()
{
    G_REINIT_DONE = false;
    G_MSG_SYNC_MARK.clear();
    G_MSG_CHK_CNT = -1;
    G_DVRY_INFO_CNT = -1;
    G_MSG_CHK_TICKS = 5;
    G_DVRY_INFO_TICKS = 10;
    G_WC_OPEN = G_WC2_OPEN = G_WCO_OPEN = false;
    G_ST_LOADING = G_ST_LOADED = false;
}

void ResetMainGlobals()
{
    ResetStartGlobals();
    G_MSG_CHK_CNT = -1;
    G_DVRY_INFO_CNT = -1;
    G_MSG_SYNC_MARK.clear();
    G_WC_OPEN = G_WC2_OPEN = G_WCO_OPEN = false;
    G_ST_LOADING = G_ST_LOADED = false;
}
