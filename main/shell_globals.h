#pragma once

#include <QString>

// Session values the main window's shell reads. The store loader sets the two store-kind flags;
// the server configuration sets the page addresses.
extern bool G_HAS_DELIVERY_STORE;  // some store of the login has shop type 1, 2 or 3
extern bool G_HAS_QUICK_STORE;     // some store of the login has shop type 4, 5 or 6
extern bool G_WK_FIRST_READ;       // list/map control took its ready-order snapshot
extern bool G_WK_FIRST_READ_O;     // order control took its ready-order snapshot
extern QString G_URL_PAY_SEND_URL;          // platform-payment agreement page
extern QString G_URL_ADMIN_PAGE_HOZ;        // per-edition administration pages
extern QString G_URL_ADMIN_PAGE_DUXEL;
extern QString G_URL_ADMIN_PAGE_SPELK;
extern QString G_URL_ADMIN_PAGE_PISKA;
extern QString G_URL_ADMIN_PAGE2;           // the administration page the top button opens

// Puts these values back to their program-start values (tests).
void ResetShellGlobals();
