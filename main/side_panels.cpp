#include "main/side_panels.h"

namespace
{
ISidePanels *g_panels = nullptr;
}

ISidePanels *SidePanels()
{
    return g_panels;
}

void SetSidePanels(ISidePanels *panels)
{
    g_panels = panels;
}
