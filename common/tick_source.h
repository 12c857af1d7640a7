#pragma once

#include <QtGlobal>

#include <functional>
#include <map>

class QTimer;
class ShellTimer;

// Where the program's one-second timers get their time from. The program uses Qt's timers;
// tests use a manual source and step it, so every tick rule can be checked without waiting.
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

// The source the timers use (the program's Qt source unless a test installed one).
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
    int Tag = 0;  // a tick count of the timer's owner

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
