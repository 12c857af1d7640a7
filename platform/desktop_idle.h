#pragma once

#include "platform/idle_monitor.h"

#include <QString>

#include <memory>
#include <optional>

// The desktop session's idle time: input anywhere on the desktop counts, so a user working in
// another program is not logged out of this one.
class IDesktopIdleReader
{
public:
    virtual ~IDesktopIdleReader() = default;
    // Milliseconds since the last input on the desktop, or nothing when it cannot be read now.
    virtual std::optional<quint64> idleMs() = 0;
};

// The reader the desktop offers: the X11 screen-saver extension on an X11 session, else the
// desktop's D-Bus idle interface (GNOME's idle monitor, then org.freedesktop.ScreenSaver). Null
// when there is neither, for example on the offscreen platform. qpaPlatform is the name of the
// running GUI platform ("xcb", "wayland", "offscreen", ...).
std::unique_ptr<IDesktopIdleReader> MakeDesktopIdleReader(const QString &qpaPlatform);

// The idle time the session time-out reads: the desktop's when it can be read, never more than the
// program's own (its input is desktop input too); the program's own when the desktop has none.
class SessionIdleSource : public IIdleSource
{
public:
    SessionIdleSource(std::unique_ptr<IDesktopIdleReader> desktop, const IIdleSource *own);
    quint32 idleSeconds() const override;
    bool usesDesktop() const { return m_desktop != nullptr; }

private:
    std::unique_ptr<IDesktopIdleReader> m_desktop;
    const IIdleSource *m_own;
};
