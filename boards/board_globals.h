#pragma once

// Globals of the boards alone (the selections that the order engines read are in
// orders/order_globals.h).

// Index of the first branch item of the branch check lists: 1 for partner head offices, whose
// list starts with "전체", 0 for everyone else.
extern int G_BR_COUNT;
// The live and completed boards' distance limit in km; 9999 stands for no limit.
extern double G_DVRY_DIST_KM;

// Puts the board globals back to their start values (tests).
void ResetBoardGlobals();
