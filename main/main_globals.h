#pragma once

#include <QString>

// Globals that the program start and the main window's creation set up (the others live with
// the session records and the server link).
extern int G_FIRST_INSTANCE;       // 1 when this process created the single-instance marker
extern QString G_UPDATER_NAME;     // file name of the edition's updater
extern QString G_EXE_DATE;         // program file time "yyyymmddhhnn", empty when unknown
extern int G_DVRY_INFO_CNT;        // polling ticks since the last delivery-group refresh
extern QString G_MSG_SYNC_MARK;    // message-sync mark of the message polling
extern bool G_WC_OPEN;             // list control screen open
extern bool G_WC2_OPEN;            // map control screen open
extern bool G_WCO_OPEN;            // order control screen open
extern bool G_ST_LOADING;          // the store list is being loaded
extern bool G_ST_LOADED;           // the store list has been loaded once

// Puts these globals back to their program-start values (tests).
void ResetMainGlobals();
