#include "sandbox/handler_registry.h"

// Requests that belong to the link itself.
SANDBOX_HANDLER_AREA(link)
{
    // The keep-alive: the client ignores the answer, a plain success keeps the connection warm.
    registry.add(QStringLiteral("999"), [](const SandboxRequest &) { return SandboxReply::ok(); });
}
