#pragma once

#include <QStringList>

// What the polling loop tells the main window's side panels. The order loader reaches the panels
// through this interface, so the panels work before the order boards exist and bind to them after.
class ISidePanels
{
public:
    virtual ~ISidePanels() = default;
    // Copies the couriers of G_MY_WORKER whose change mark is set into the courier panel; after a
    // full load (bClearFlag) the panel is emptied first.
    virtual void procUpdateWorkerGrid(bool bClearFlag) = 0;
    // The store list (connection flags, money) changed: the store panel takes the new values at
    // its next search.
    virtual void storeStatesChanged() = 0;
    // The branches ticked in the courier panel (slDvryBrSelectList), whose couriers G_WK_CNT_BR
    // counts.
    virtual QStringList courierBranches() const { return {}; }
};

// The panels of the running main window; null when there is none.
ISidePanels *SidePanels();
void SetSidePanels(ISidePanels *panels);
