#pragma once

class TFRM_MAIN;
class TFRM_ORD;

// Installs the maker of the today's-orders screen: created once at program start, docked in the
// main window's board panel, with the main window's code names and the edition's captions.
void InstallTodayOrdersScreen();
// The screen when it was made, else null.
TFRM_ORD *TodayOrdersScreen();
// Which tabs of today's orders this login sees, and the store login's POS-type columns.
void procOrderTabVisibleCheck(TFRM_ORD *screen);
