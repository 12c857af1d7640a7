#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A certificate for the sandbox's HTTPS server, made in memory at start: EC P-256 key, subject and
// issuer CN=localhost, subjectAltName IP:127.0.0.1 and DNS:localhost, valid from an hour ago for a
// year. Being self-signed it is also the one CA the client is told to trust.
struct SelfSignedCert
{
    QByteArray certPem;
    QByteArray keyPem;

    // Empty optional when OpenSSL fails (error text in *error when given).
    static std::optional<SelfSignedCert> make(QString *error = nullptr);
};
