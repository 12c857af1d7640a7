#pragma once

#include <QString>

// Sends a courier assignment again as a forced one after the server asked to confirm it (val is
// the assignment's payload; kind "1009" marks a same-day order) and shows the result box.
void ForceBaecha(const QString &val, const QString &kind);
