#pragma once

#include "sandbox/sandbox_request.h"

#include <QList>
#include <QString>

// The shape of each request the client sends: its call type and how many fields its payload
// holds. The sandbox refuses a request of a known code in any other shape, so a client that
// sends a wrong request fails everywhere it runs against the sandbox, not only in a test that
// looks at that request.
namespace SandboxRequestCheck
{
struct Shape
{
    QString callType;
    int fieldCount = 0;  // negative for a batch: any number of rows of -fieldCount fields
};

// Every shape the client may send for code (some codes are sent by two screens in two shapes);
// empty for a code the table does not know, which is not checked.
QList<Shape> shapesOf(const QString &code);
// Every code the table knows, sorted.
QStringList knownCodes();

// Empty when the request has one of its code's shapes (or its code is unknown here); otherwise
// why it does not, e.g. "CS01_11_V03 sent as ADM3 with 4 fields; expected ADM1 with 5".
QString mismatch(const SandboxRequest &request);

// The payload as sent, with each password and SMS code replaced by "***" (an empty one stays
// empty). A request of such a code whose field count is not its own is masked whole: where the
// secret lies cannot be told.
QString maskedPayload(const SandboxRequest &request);
} // namespace SandboxRequestCheck
