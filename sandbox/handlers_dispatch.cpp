#include "sandbox/handler_registry.h"

// Courier assignment, as the reply check and the forced resend send it: the stand-in accepts every
// assignment (a forced one ends with the field "2"), so the success path can be walked end to end.
SANDBOX_HANDLER_AREA(dispatch)
{
    const auto assign = [](const SandboxRequest &request) {
        if (request.fields().size() < 2)
            return SandboxReply::code(QStringLiteral("0"), QStringLiteral("배차 정보가 없습니다."));
        return SandboxReply::ok();
    };
    registry.add(QStringLiteral("CS01_18_V03"), assign);  // delivery order
    registry.add(QStringLiteral("CS01_46_V01"), assign);  // same-day order
}
