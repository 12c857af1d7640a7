#include "start/start_globals.h"

int G_FIRST_INSTANCE = 0;
QString G_UPDATER_NAME;
QString G_EXE_DATE;

void SetExeDate(const QString &fileDate)
{
    G_EXE_DATE = fileDate;
}

void ResetStartGlobals()
{
    G_FIRST_INSTANCE = 0;
    G_UPDATER_NAME.clear();
    G_EXE_DATE.clear();
}
