#pragma once

#include <QSslConfiguration>

// TLS for every HTTPS exchange of the program: TLS 1.2 or later, the peer always verified against
// the system's authorities plus the deployment's own CA file when one is configured.
QSslConfiguration VerifiedTlsConfiguration();
