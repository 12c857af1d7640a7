#include "main/shell_globals.h"

bool G_WK_FIRST_READ = false;
bool G_WK_FIRST_READ_O = false;

void ResetShellGlobals()
{
    G_HAS_DELIVERY_STORE = false;
    G_HAS_QUICK_STORE = false;
    G_WK_FIRST_READ = false;
    G_WK_FIRST_READ_O = false;
    G_URL_PAY_SEND_URL.clear();
    G_URL_ADMIN_PAGE_HOZ.clear();
    G_URL_ADMIN_PAGE_DUXEL.clear();
    G_URL_ADMIN_PAGE_SPELK.clear();
    G_URL_ADMIN_PAGE_PISKA.clear();
    G_URL_ADMIN_PAGE2.clear();
}
