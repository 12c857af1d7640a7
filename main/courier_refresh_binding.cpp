#include "main/courier_refresh_binding.h"

#include "main/courier_panel.h"
#include "main/side_panels.h"

void BindCourierRefreshToSidePanels(CourierListRefresh::Hooks &hooks)
{
    hooks.updateWorkerGrid = [](bool bClearFlag) {
        if (ISidePanels *panels = SidePanels())
            panels->procUpdateWorkerGrid(bClearFlag);
    };
    hooks.mainBranches = [] {
        const ISidePanels *panels = SidePanels();
        return panels ? panels->courierBranches() : QStringList();
    };
    hooks.mainCounts = G_WK_CNT_BR;
}
