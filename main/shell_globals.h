#pragma once

#include "reference/reference_state.h"

#include <QString>

// Session values the main window's shell reads. The store-kind flags (G_HAS_DELIVERY_STORE,
// G_HAS_QUICK_STORE) and the page addresses (G_URL_PAY_SEND_URL, G_URL_ADMIN_PAGE*) are set by the
// reference loaders and declared with them.
extern bool G_WK_FIRST_READ;       // list/map control took its ready-order snapshot
extern bool G_WK_FIRST_READ_O;     // order control took its ready-order snapshot

// Puts these values, and the store-kind flags and page addresses the shell reads, back to their
// program-start values (tests).
void ResetShellGlobals();
