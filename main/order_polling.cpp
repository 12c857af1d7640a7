#include "main/order_polling.h"

#include "common/program_globals.h"
#include "reference/edition_table.h"
#include "main/main_globals.h"
#include "reference/reference_loaders.h"
#include "main/side_panels.h"
#include "messages/message_center.h"
#include "orders/courier_refresh.h"

OrderPolling::OrderPolling(TickSource *source) : poller(source)
{
    poller.setDeliveryGroupCounter(&G_DVRY_INFO_CNT);
    poller.hooks.deliveryGroupInfo = [] { proc_Dvry_info(); };
    poller.hooks.cash = [this] { storeCash.proc_Load_Cash(); };
    poller.hooks.storeStates = [this] { storeCash.procLoadStStatus(); };
    storeCash.hooks.moneyWord = [] {
        return G_EDITION_IDX >= 0 && G_EDITION_IDX < int(G_ED_MONEY_WORD.size()) ? G_ED_MONEY_WORD.at(G_EDITION_IDX)
                                                                             : QStringLiteral("머니");
    };
    storeCash.hooks.storeStatesChanged = [] {
        if (ISidePanels *panels = SidePanels())
            panels->storeStatesChanged();
    };
}

void OrderPolling::bindWindow(WindowHooks window)
{
    storeCash.hooks.setCashPanel = std::move(window.setCashPanel);
    storeCash.hooks.setReceptionBalances = std::move(window.setReceptionBalances);
}

void OrderPolling::bindMessages(MessageCenter *center)
{
    if (!center) {
        poller.setMessageCounter(nullptr);
        poller.hooks.messageCheck = nullptr;
        return;
    }
    poller.setMessageCounter(&center->chkCount);
    poller.hooks.messageCheck = [center] { center->proc_CHECK_Message(false); };
}

void OrderPolling::reinitialize()
{
    storeCash.reinitialize();
    ResetCourierRefreshGlobals();
}
