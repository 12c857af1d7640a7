#pragma once

#include "reference/reference_sequence.h"

class CourierListRefresh;
class DeliveryInfoBar;
class SameDayPanels;
class StoreOrderBoard;
class TFRM_MAIN;
class TFRM_ORD;

// Installs the maker of the today's-orders screen: created once at program start, docked in the
// main window's board panel, with the main window's code names and the edition's captions.
void InstallTodayOrdersScreen();
// The screen when it was made, else null.
TFRM_ORD *TodayOrdersScreen();
// Which tabs of today's orders this login sees, and the store login's POS-type columns.
void procOrderTabVisibleCheck(TFRM_ORD *screen);

// The boards and bars the maker built beside the screen and bound to the main window's order
// poll; all null for a screen the maker did not make.
struct TodayOrdersParts
{
    StoreOrderBoard *storeBoard = nullptr;
    SameDayPanels *sameDay = nullptr;
    CourierListRefresh *courierRefresh = nullptr;
    DeliveryInfoBar *infoBar = nullptr;
};
TodayOrdersParts TodayOrdersPartsOf(TFRM_ORD *screen);

// Loads the grid layouts of the screen with the settings read after the login.
void LoadTodayOrdersGridLayouts(TFRM_ORD &screen);
// Binds the reference-data steps that fill the board's and the courier panel's lists (branch
// lists, saved ticks, master stores, filter, courier list) and the synchronization's
// ReInitBoardLists.
void BindBoardReferenceSteps(ReferenceLoaderTable &table, TFRM_MAIN *window);
