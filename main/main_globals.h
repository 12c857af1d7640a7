#pragma once

#include <QString>

// Globals that the main window's creation sets up (the program start's live in
// start/start_globals.h, the others with the session records and the server link).
extern int G_MSG_CHK_CNT;          // polling ticks since the last message check (-1: just checked)
extern int G_DVRY_INFO_CNT;        // polling ticks since the last delivery-group refresh
extern QString G_MSG_SYNC_MARK;    // message-sync mark of the message polling
extern bool G_WC_OPEN;             // list control screen open
extern bool G_WC2_OPEN;            // map control screen open
extern bool G_WCO_OPEN;            // order control screen open
extern bool G_ST_LOADING;          // the store list is being loaded
extern bool G_ST_LOADED;           // the store list has been loaded once

// Message and delivery-group counters and control-screen flags back to a new session's values
// (a step of the main window's creation).
void ResetSessionCounters();

// Puts these globals and the program start's back to their program-start values (tests).
void ResetMainGlobals();
