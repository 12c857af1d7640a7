#pragma once

#include "common/tick_source.h"

#include <QString>

#include <functional>

// The one-second housekeeping tick: the unread-notice reminder every third tick, the companion
// program every fifth, the store-status refresh once every ten at its phase, the count wrapping
// at 60. The duties are hooks so that the rule is testable without the panels.
class HousekeepingTick
{
public:
    struct Hooks
    {
        std::function<bool()> noticesUnread;
        std::function<void(int slot)> playSound;
        std::function<void()> keepCompanionRunning;  // errors are the hook's own
        std::function<bool()> storeStatusListOpen;  // FB_STORE_STATUS_ST_POP
        std::function<void()> storeStatusSearch;
        std::function<void(const QString &)> setCountdown;  // lbStoreStatusRefresh
    };

    explicit HousekeepingTick(TickSource *source = nullptr);
    Hooks hooks;
    ShellTimer TMR_CHK_PROCESS;
    int FI_STORE_STATUS_ST_GAP = 0;

    void start();
    void stop();
    // One tick (what the timer runs): stops the timer, does the duties, starts it again.
    void tick();
};

// The countdown text of the store-status panel for tick count mod 10 = r and phase g; empty when
// r = g (the refresh runs instead).
QString StoreStatusCountdown(int r, int g);

// The money refresh of the status bar: a click colours the money panel aqua, lets the event loop
// paint it, reloads the balance and keeps the colour a second longer; clicks meanwhile do nothing.
class MoneyRefresh
{
public:
    explicit MoneyRefresh(TickSource *source = nullptr);
    std::function<void()> loadCash;
    std::function<void(bool aqua)> setBusyColour;
    ShellTimer tmrCash;

    void click();
    bool busy() const { return m_aqua || tmrCash.isActive(); }

private:
    void onTick();
    bool m_aqua = false;
};
