#include "orders/sync_mark.h"

#include "common/program_globals.h"

namespace
{
constexpr int kMaxMarkChars = 64;
}

bool IsUsableSyncMark(const QString &mark)
{
    // An empty separator (not yet set) would be found in every mark.
    const QString sep = G_FIELD_SEP.isEmpty() ? QString(QChar(0x2502)) : G_FIELD_SEP;
    return mark.size() <= kMaxMarkChars && !mark.contains(sep);
}
