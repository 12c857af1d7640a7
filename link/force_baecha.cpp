#include "link/force_baecha.h"

#include "link/reply_check.h"

void ForceBaecha(const QString &val, const QString &kind)
{
    ForceBaechaResult(val, kind);
}
