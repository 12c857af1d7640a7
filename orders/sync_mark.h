#pragma once

#include <QString>

// A sync mark from a reply goes back as a field of the next request: a mark longer than any the
// server makes, or one holding the field separator, would break that request, so it is not kept.
bool IsUsableSyncMark(const QString &mark);
