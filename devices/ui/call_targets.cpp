#include "devices/ui/call_targets.h"

#include "boards/ui/board_filter_bar.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "main/top_menu.h"
#include "main/ui/main_window.h"
#include "main/ui/reception_host.h"
#include "main/ui/shell_popups.h"
#include "main/ui/start_forms.h"
#include "main/ui/today_orders_dock.h"
#include "boards/ui/today_orders_screen.h"

#include <QTabWidget>

namespace
{
ReceptionWindow *windowOfSlot(TFRM_ACP *host, int slot)
{
    if (!host)
        return nullptr;
    if (slot >= 0 && slot < 5)
        return host->FRM_ACP_LIST.value(slot);
    if (slot >= 5 && slot < 10)
        return host->FRM_ACP_QUICK.value(slot - 5);
    return nullptr;
}

BoardFilterBar *todayFilterBar(TFRM_MAIN *window)
{
    if (QWidget *screen = TodayOrdersScreen())
        if (auto *bar = screen->findChild<BoardFilterBar *>())
            return bar;
    return window ? window->findChild<BoardFilterBar *>() : nullptr;
}
} // namespace

TFRM_ACP *MainWindowCallTargets::host() const
{
    if (auto *h = qobject_cast<TFRM_ACP *>(FRM_ACP))
        return h;
    return m_window ? m_window->findChild<TFRM_ACP *>() : nullptr;
}

bool MainWindowCallTargets::windowFree(int slot) const
{
    ReceptionWindow *w = windowOfSlot(host(), slot);
    return w && w->isHidden();
}

bool MainWindowCallTargets::tabFree(int tab) const
{
    TFRM_ACP *h = host();
    return h && tab >= 0 && tab < h->pages->count() && !h->tabShown(tab);
}

void MainWindowCallTargets::openWindow(const Opening &o)
{
    TFRM_ACP *h = host();
    ReceptionWindow *w = windowOfSlot(h, o.slot);
    if (!w)
        return;
    w->GI_ORD = o.returnScreen;
    w->GI_ACP_NUM = o.slot;
    w->GI_GUBUN = 0;
    ReceptionCall call;
    call.storeCode = o.stCode;
    call.storeName = o.stName;
    call.orderPath = o.telTypeCd;
    call.storeIndex = o.storeIndex;
    call.callerTel = o.customerTel;
    call.storeNormal = !o.firstPage;
    w->SetCall(call);
    w->proc_Acc_init();
    h->openInTab(w, o.tab, o.caption);
}

void MainWindowCallTargets::showCourierCall(const QString &wkCode)
{
    if (!FRM_WK_CALL_POP)
        new TFRM_WK_CALL_POP(m_window);
    FRM_WK_CALL_POP->proc_ClearEdit();
    proc_GetWkCallInfo(wkCode);
    FRM_WK_CALL_POP->show();
}

void MainWindowCallTargets::filterBoard(const QString &, const QString &cuAddr, const QString &cuName,
                                        const QString &wkName)
{
    // This board has no customer-telephone box, and the routing only ever clears that search.
    BoardFilterBar *bar = todayFilterBar(m_window);
    if (!bar)
        return;
    bar->CTE_CU_ADDR->setSearchText(cuAddr);
    bar->CTE_CU_NAME->setSearchText(cuName);
    bar->CTE_WK_NAME->setSearchText(wkName);
    bar->proc_Filter();
}

void MainWindowCallTargets::warn(const QString &text)
{
    MsgBox(text, QStringLiteral("E"));
}

void MainWindowCallTargets::frontReception()
{
    G_CUR_FORM = QString::fromLatin1(ScreenName::kReception);
    if (m_window) {
        m_window->FrontScreen(QString::fromLatin1(ScreenName::kReception));
        m_window->proc_TopMenuButtonDownFalse(true);
    }
}
