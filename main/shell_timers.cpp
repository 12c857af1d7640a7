#include "main/shell_timers.h"

HousekeepingTick::HousekeepingTick(TickSource *source)
    : TMR_CHK_PROCESS(source)
{
    TMR_CHK_PROCESS.setInterval(1000);
    TMR_CHK_PROCESS.onTimeout = [this] { tick(); };
}

void HousekeepingTick::start()
{
    TMR_CHK_PROCESS.start();
}

void HousekeepingTick::stop()
{
    TMR_CHK_PROCESS.stop();
}

QString StoreStatusCountdown(int r, int g)
{
    if (r == g)
        return {};
    const int left = r > g ? 10 - (r - g) : g - r;
    return QString::number(left) + QStringLiteral("초");
}

void HousekeepingTick::tick()
{
    TMR_CHK_PROCESS.stop();
    int &count = TMR_CHK_PROCESS.Tag;
    ++count;
    if (count % 3 == 0 && hooks.noticesUnread && hooks.noticesUnread() && hooks.playSound)
        hooks.playSound(0);
    if (count % 5 == 0 && hooks.keepCompanionRunning) {
        try {
            hooks.keepCompanionRunning();
        } catch (...) {
        }
    }
    const int r = count % 10;
    const int g = FI_STORE_STATUS_ST_GAP;
    if (r == g) {
        const bool open = hooks.storeStatusListOpen && hooks.storeStatusListOpen();
        if (!open && hooks.storeStatusSearch) {
            try {
                hooks.storeStatusSearch();
            } catch (...) {
            }
        }
    } else if (hooks.setCountdown) {
        hooks.setCountdown(StoreStatusCountdown(r, g));
    }
    if (count == 60)
        count = 0;
    TMR_CHK_PROCESS.start();
}

MoneyRefresh::MoneyRefresh(TickSource *source)
    : tmrCash(source)
{
    tmrCash.onTimeout = [this] { onTick(); };
}

void MoneyRefresh::click()
{
    if (busy())
        return;
    m_aqua = true;
    if (setBusyColour)
        setBusyColour(true);
    tmrCash.setInterval(1);
    tmrCash.start();
}

void MoneyRefresh::onTick()
{
    tmrCash.stop();
    if (tmrCash.interval() == 1) {
        if (loadCash)
            loadCash();
        tmrCash.setInterval(1000);
        tmrCash.start();
        return;
    }
    m_aqua = false;
    if (setBusyColour)
        setBusyColour(false);
}
