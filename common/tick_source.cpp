#include "common/tick_source.h"

#include <QTimer>

#include <algorithm>
#include <limits>

namespace
{
TickSource *g_source = nullptr;
} // namespace

QtTickSource::~QtTickSource()
{
    for (auto &[timer, qt] : m_timers)
        delete qt;
}

void QtTickSource::arm(ShellTimer *timer, int intervalMs)
{
    QTimer *&qt = m_timers[timer];
    if (!qt) {
        qt = new QTimer();
        qt->setSingleShot(true);
        QObject::connect(qt, &QTimer::timeout, [timer] { timer->fire(); });
    }
    qt->start(intervalMs);
}

void QtTickSource::disarm(ShellTimer *timer)
{
    const auto it = m_timers.find(timer);
    if (it == m_timers.end())
        return;
    // Deleted later: disarm may be called from inside the timer's own timeout.
    it->second->stop();
    it->second->deleteLater();
    m_timers.erase(it);
}

void ManualTickSource::arm(ShellTimer *timer, int intervalMs)
{
    m_due[timer] = m_now + std::max(0, intervalMs);
}

void ManualTickSource::disarm(ShellTimer *timer)
{
    m_due.erase(timer);
}

void ManualTickSource::advance(qint64 ms)
{
    const qint64 end = m_now + ms;
    for (;;) {
        ShellTimer *next = nullptr;
        qint64 when = std::numeric_limits<qint64>::max();
        for (const auto &[timer, due] : m_due)
            if (due <= end && due < when) {
                when = due;
                next = timer;
            }
        if (!next)
            break;
        m_now = when;
        m_due.erase(next);
        next->fire();
    }
    m_now = end;
}

TickSource &ShellTickSource()
{
    static QtTickSource qtSource;
    return g_source ? *g_source : qtSource;
}

TickSource *SetShellTickSource(TickSource *source)
{
    TickSource *previous = g_source;
    g_source = source;
    return previous;
}

ShellTimer::ShellTimer(TickSource *source)
    : m_source(source)
{
}

ShellTimer::~ShellTimer()
{
    if (m_active)
        source()->disarm(this);
}

TickSource *ShellTimer::source() const
{
    return m_source ? m_source : &ShellTickSource();
}

void ShellTimer::start()
{
    m_active = true;
    source()->arm(this, m_interval);
}

void ShellTimer::stop()
{
    if (!m_active)
        return;
    m_active = false;
    source()->disarm(this);
}

void ShellTimer::fire()
{
    if (!m_active)
        return;
    // A repeating timer: re-armed before its handler, which may stop it.
    source()->arm(this, m_interval);
    if (onTimeout)
        onTimeout();
}
