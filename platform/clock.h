#pragma once

#include <QDateTime>

// The program's own clock. The desktop original set the PC clock to the server's time at
// login; we never touch the system clock and keep the difference as an offset instead.
// Tests can pin the clock to a fixed moment.
namespace AppClock
{
QDateTime now();
qint64 offsetMs();
void setOffsetMs(qint64 offset);
// Pins now() to a fixed time until clearFixed() (tests).
void setFixed(const QDateTime &when);
void clearFixed();
}
