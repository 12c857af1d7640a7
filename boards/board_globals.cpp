#include "boards/board_globals.h"

int G_BR_COUNT = 0;
double G_DVRY_DIST_KM = 10.0;

void ResetBoardGlobals()
{
    G_BR_COUNT = 0;
    G_DVRY_DIST_KM = 10.0;
}
