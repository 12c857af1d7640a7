#pragma once

#include <QString>

// Globals that the program start sets up (the main window's own live in main/main_globals.h).
extern int G_FIRST_INSTANCE;       // 1 when this process created the single-instance marker
extern QString G_UPDATER_NAME;     // file name of the edition's updater
extern QString G_EXE_DATE;         // program file time "yyyymmddhhnn", empty when unknown

// The program file's time as the main window's creation reads it.
void SetExeDate(const QString &fileDate);

// Puts these globals back to their program-start values (tests).
void ResetStartGlobals();
