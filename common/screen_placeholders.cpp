#include "common/screen_placeholders.h"

#include "common/daily_log.h"

#include <QSet>

namespace
{
QStringList &noted()
{
    static QStringList list;
    return list;
}

QString entry(const char *screen, const QString &what)
{
    return QString::fromLatin1(screen) + QStringLiteral(" : ") + what;
}
} // namespace

void NoteScreenPlaceholder(const char *screen, const QString &what)
{
    const QString e = entry(screen, what);
    if (!noted().contains(e))
        noted().append(e);
}

std::function<void()> ScreenPlaceholder(const char *screen, const QString &step)
{
    NoteScreenPlaceholder(screen, step);
    const QString line = QStringLiteral("Not built yet : ") + entry(screen, step);
    return [line, logged = false]() mutable {
        if (logged)
            return;
        logged = true;
        WriteLog(line);
    };
}

QStringList ScreenPlaceholders()
{
    return noted();
}
