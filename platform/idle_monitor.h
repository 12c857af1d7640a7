#pragma once

#include <QObject>

#include <functional>

// Seconds since the user's last keyboard or mouse input, for the session time-out. The
// desktop's own idle time is read where the desktop offers it (desktop_idle.h); the program's own
// input, watched by IdleMonitor, is the fallback where it does not.
class IIdleSource
{
public:
    virtual ~IIdleSource() = default;
    virtual quint32 idleSeconds() const = 0;
};

// An application-wide event filter that notes the time of every key, mouse, wheel and touch event.
class IdleMonitor : public QObject, public IIdleSource
{
    Q_OBJECT
public:
    // nowMs gives a monotonic time in milliseconds (tests pass their own).
    explicit IdleMonitor(std::function<qint64()> nowMs = {}, QObject *parent = nullptr);
    ~IdleMonitor() override;

    // Starts watching the running application's events.
    void install();
    quint32 idleSeconds() const override;
    // Counts as input now (also called for every input event).
    void noteInput();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<qint64()> m_nowMs;
    qint64 m_lastInputMs = 0;
    bool m_installed = false;
};

// The source GetIdleSeconds reads; the main window installs its monitor at start.
void SetIdleSource(const IIdleSource *source);
// (now - last input) in whole seconds; 0 while no source is installed.
quint32 GetIdleSeconds();
