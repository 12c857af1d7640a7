#include "link/link_events.h"

#include <utility>

namespace
{
OrderBoardHooks *g_boardHooks = nullptr;

MainWindowCloser &closerSlot()
{
    static MainWindowCloser closer;
    return closer;
}
} // namespace

OrderBoardHooks *SetOrderBoardHooks(OrderBoardHooks *hooks)
{
    return std::exchange(g_boardHooks, hooks);
}

OrderBoardHooks *CurrentOrderBoardHooks()
{
    return g_boardHooks;
}

MainWindowCloser SetMainWindowCloser(MainWindowCloser closer)
{
    MainWindowCloser previous = std::move(closerSlot());
    closerSlot() = std::move(closer);
    return previous;
}

void CloseMainWindow()
{
    if (closerSlot())
        closerSlot()();
}

LinkEvents &LinkEvents::instance()
{
    static LinkEvents events;
    return events;
}
