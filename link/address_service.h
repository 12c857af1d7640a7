#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The outside address-search service: an HTTPS POST of a form, answered with a JSON object
// wrapped in one extra character on each side.

using FormFields = QList<QPair<QString, QString>>;

// Longest reply body accepted; a longer one counts as a failure.
inline constexpr qint64 kAddressReplyMaxBytes = 4 * 1024 * 1024;
inline constexpr int kAddressServiceTimeoutMs = 3000;

// "name=value&..." with every name and value percent-encoded, in the given order.
QByteArray EncodeForm(const FormFields &fields);

// The body trimmed and without its first and last character; "" when two characters or fewer.
QString UnwrapAddressReply(const QString &body);

// Posts the form to url and returns the unwrapped reply, or "" on any failure (connection, TLS,
// an HTTP error status, silence longer than timeoutMs, a body over the limit). Certificates are
// verified against the system CAs plus the deployment's CA file. The event loop runs while it waits.
QString PostAddressForm(const QString &url, const FormFields &fields, int timeoutMs = kAddressServiceTimeoutMs);
