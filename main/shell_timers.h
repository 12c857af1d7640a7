#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QTimer;
class ShellTimer;

// Where the main window's timers get their time from. The program uses Qt's timers; tests use a
// manual source and step it, so every tick rule can be checked without waiting.
class TickSource
{
public:
    virtual ~TickSource() = default;
    virtual void arm(ShellTimer *timer, int intervalMs) = 0;
    virtual void disarm(ShellTimer *timer) = 0;
};

// The program's source: one single-shot Qt timer per armed timer.
class QtTickSource : public TickSource
{
public:
    ~QtTickSource() override;
    void arm(ShellTimer *timer, int intervalMs) override;
    void disarm(ShellTimer *timer) override;

private:
    std::map<ShellTimer *, QTimer *> m_timers;
};

// The tests' source: time moves only through advance().
class ManualTickSource : public TickSource
{
public:
    void arm(ShellTimer *timer, int intervalMs) override;
    void disarm(ShellTimer *timer) override;
    // Moves time on by ms, firing every timer that comes due on the way, in time order.
    void advance(qint64 ms);
    qint64 now() const { return m_now; }

private:
    qint64 m_now = 0;
    std::map<ShellTimer *, qint64> m_due;
};

// The source the main window's timers use (the program's Qt source unless a test installed one).
TickSource &ShellTickSource();
// Installs source (nullptr: back to the Qt source); returns the previous one.
TickSource *SetShellTickSource(TickSource *source);

// A repeating timer like QTimer, driven by a TickSource.
class ShellTimer
{
public:
    explicit ShellTimer(TickSource *source = nullptr);
    ~ShellTimer();
    ShellTimer(const ShellTimer &) = delete;
    ShellTimer &operator=(const ShellTimer &) = delete;

    std::function<void()> onTimeout;
    int Tag = 0;  // the housekeeping timer keeps its tick count here

    void setInterval(int ms) { m_interval = ms; }
    int interval() const { return m_interval; }
    void start();
    void stop();
    bool isActive() const { return m_active; }

    // Called by the source when the interval has passed.
    void fire();

private:
    TickSource *source() const;
    TickSource *m_source;
    int m_interval = 1000;
    bool m_active = false;
};

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
