#include "platform/idle_monitor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

namespace
{
const IIdleSource *g_idleSource = nullptr;

qint64 monotonicMs()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TabletPress:
        return true;
    default:
        return false;
    }
}
} // namespace

IdleMonitor::IdleMonitor(std::function<qint64()> nowMs, QObject *parent)
    : QObject(parent), m_nowMs(nowMs ? std::move(nowMs) : std::function<qint64()>(monotonicMs))
{
    m_lastInputMs = m_nowMs();
}

IdleMonitor::~IdleMonitor()
{
    if (g_idleSource == this)
        g_idleSource = nullptr;
    if (m_installed && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void IdleMonitor::install()
{
    if (m_installed || !QCoreApplication::instance())
        return;
    QCoreApplication::instance()->installEventFilter(this);
    m_installed = true;
}

quint32 IdleMonitor::idleSeconds() const
{
    const qint64 idle = m_nowMs() - m_lastInputMs;
    return idle <= 0 ? 0 : quint32(idle / 1000);
}

void IdleMonitor::noteInput() { m_lastInputMs = m_nowMs(); }

bool IdleMonitor::eventFilter(QObject *watched, QEvent *event)
{
    if (event && isUserInput(event->type()))
        noteInput();
    return QObject::eventFilter(watched, event);
}

void SetIdleSource(const IIdleSource *source) { g_idleSource = source; }

quint32 GetIdleSeconds() { return g_idleSource ? g_idleSource->idleSeconds() : 0; }
