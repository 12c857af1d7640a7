#include "platform/clock.h"

namespace
{
qint64 g_offsetMs = 0;
QDateTime g_fixed;
} // namespace

namespace AppClock
{
QDateTime now()
{
    if (g_fixed.isValid())
        return g_fixed;
    return QDateTime::currentDateTime().addMSecs(g_offsetMs);
}

qint64 offsetMs() { return g_offsetMs; }
void setOffsetMs(qint64 offset) { g_offsetMs = offset; }
void setFixed(const QDateTime &when) { g_fixed = when; }
void clearFixed() { g_fixed = QDateTime(); }
} // namespace AppClock
