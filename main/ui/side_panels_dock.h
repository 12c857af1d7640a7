#pragma once

class CourierStatusPanel;
class StoreStatusPanel;
class TFRM_MAIN;

// Docks the courier status panel and the store-status panel into the main window's slide-out
// strip (tabs 1 and 2) and binds them: the housekeeping tick's store refresh and countdown, the
// canned-message menu, the reference loads and the polling loop (SidePanels()).
void DockSidePanels(TFRM_MAIN &window);

// The docked panels of a window (null before DockSidePanels).
CourierStatusPanel *DockedCourierPanel(const TFRM_MAIN &window);
StoreStatusPanel *DockedStorePanel(const TFRM_MAIN &window);
