#include "platform/desktop_idle.h"

#ifdef CD_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#endif

#include <algorithm>
#include <limits>

// The X11 headers define macros (None, Bool, Status) that collide with Qt's names; they come last.
#ifdef CD_HAVE_XSS
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#endif

namespace
{
#ifdef CD_HAVE_XSS
class XssIdleReader : public IDesktopIdleReader
{
public:
    static std::unique_ptr<XssIdleReader> open()
    {
        Display *display = XOpenDisplay(nullptr);
        if (!display)
            return nullptr;
        int eventBase = 0, errorBase = 0;
        XScreenSaverInfo *info = nullptr;
        if (!XScreenSaverQueryExtension(display, &eventBase, &errorBase) || !(info = XScreenSaverAllocInfo())) {
            XCloseDisplay(display);
            return nullptr;
        }
        return std::unique_ptr<XssIdleReader>(new XssIdleReader(display, info));
    }
    ~XssIdleReader() override
    {
        XFree(m_info);
        XCloseDisplay(m_display);
    }
    std::optional<quint64> idleMs() override
    {
        if (!XScreenSaverQueryInfo(m_display, DefaultRootWindow(m_display), m_info))
            return std::nullopt;
        return quint64(m_info->idle);
    }

private:
    XssIdleReader(Display *display, XScreenSaverInfo *info) : m_display(display), m_info(info) {}
    Display *m_display;
    XScreenSaverInfo *m_info;
};
#endif

#ifdef CD_HAVE_DBUS
// One method call on the session bus with a short wait: the time-out asks every second from the
// UI thread, and a desktop that does not answer must not freeze the program.
class DBusIdleReader : public IDesktopIdleReader
{
public:
    DBusIdleReader(QString service, QString path, QString interface, QString method)
        : m_service(std::move(service)), m_path(std::move(path)), m_interface(std::move(interface)),
          m_method(std::move(method))
    {
    }
    std::optional<quint64> idleMs() override
    {
        QDBusMessage call = QDBusMessage::createMethodCall(m_service, m_path, m_interface, m_method);
        const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 250);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return std::nullopt;
        bool ok = false;
        const qulonglong ms = reply.arguments().constFirst().toULongLong(&ok);
        if (!ok)
            return std::nullopt;
        return quint64(ms);
    }

private:
    QString m_service, m_path, m_interface, m_method;
};

std::unique_ptr<IDesktopIdleReader> dbusReader()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return nullptr;
    // GNOME's idle monitor answers in milliseconds; so does the ScreenSaver interface of the
    // desktops that implement its idle-time call.
    const struct
    {
        const char *service, *path, *interface, *method;
    } candidates[] = {
        {"org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core", "org.gnome.Mutter.IdleMonitor",
         "GetIdletime"},
        {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver",
         "GetSessionIdleTime"},
    };
    for (const auto &c : candidates) {
        if (!bus.interface()->isServiceRegistered(QString::fromLatin1(c.service)).value())
            continue;
        auto reader = std::make_unique<DBusIdleReader>(QString::fromLatin1(c.service), QString::fromLatin1(c.path),
                                                       QString::fromLatin1(c.interface), QString::fromLatin1(c.method));
        if (reader->idleMs())
            return reader;
    }
    return nullptr;
}
#endif
} // namespace

std::unique_ptr<IDesktopIdleReader> MakeDesktopIdleReader(const QString &qpaPlatform)
{
    if (qpaPlatform == QLatin1String("offscreen") || qpaPlatform == QLatin1String("minimal")
        || qpaPlatform.isEmpty())
        return nullptr;
#ifdef CD_HAVE_XSS
    if (qpaPlatform == QLatin1String("xcb"))
        if (auto reader = XssIdleReader::open())
            return reader;
#endif
#ifdef CD_HAVE_DBUS
    if (auto reader = dbusReader())
        return reader;
#endif
    return nullptr;
}

SessionIdleSource::SessionIdleSource(std::unique_ptr<IDesktopIdleReader> desktop, const IIdleSource *own)
    : m_desktop(std::move(desktop)), m_own(own)
{
}

quint32 SessionIdleSource::idleSeconds() const
{
    const quint32 own = m_own ? m_own->idleSeconds() : 0;
    if (!m_desktop)
        return own;
    const std::optional<quint64> ms = m_desktop->idleMs();
    if (!ms)
        return own;
    const quint64 seconds = std::min<quint64>(*ms / 1000, std::numeric_limits<quint32>::max());
    return m_own ? std::min(own, quint32(seconds)) : quint32(seconds);
}
