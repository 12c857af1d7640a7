#pragma once

#include <QList>
#include <QSslCertificate>
#include <QString>

// The embedded browser trusts the system's certificate authorities only. A deployment that
// names its own CA file (the sandbox does) pins the certificates in it: a server presenting one of
// them as its own certificate, valid now and naming the host asked for, is trusted too. Nothing
// else that fails verification is accepted.
bool IsPinnedServerChain(const QList<QSslCertificate> &chain, const QString &host);
