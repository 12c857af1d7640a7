#pragma once

#include <QDateTime>

// The program's own clock. The login brings it to the server's time by keeping the difference
// as an offset; the system clock is never touched.
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
