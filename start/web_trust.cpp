#include "start/web_trust.h"

#include "settings/deployment_config.h"

#include <QHostAddress>
#include <QSslCertificateExtension>

namespace
{
// Does the certificate name host, as a DNS name or an IP address of its alternative names?
bool namesHost(const QSslCertificate &cert, const QString &host)
{
    const auto names = cert.subjectAlternativeNames();
    const QHostAddress address(host);
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        if (it.key() == QSsl::DnsEntry && it.value().compare(host, Qt::CaseInsensitive) == 0)
            return true;
        if (it.key() == QSsl::IpAddressEntry && !address.isNull() && QHostAddress(it.value()) == address)
            return true;
    }
    return false;
}
} // namespace

bool IsPinnedServerChain(const QList<QSslCertificate> &chain, const QString &host)
{
    if (chain.isEmpty() || host.isEmpty())
        return false;
    DeploymentConfig::ensureLoaded();
    const QString caFile = DeploymentConfig::value(QString::fromLatin1(DeploymentConfig::kCaFile)).trimmed();
    if (caFile.isEmpty())
        return false;
    const QList<QSslCertificate> pinned = QSslCertificate::fromPath(caFile, QSsl::Pem);
    if (pinned.isEmpty() || !namesHost(chain.first(), host))
        return false;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (chain.first().effectiveDate() > now || chain.first().expiryDate() < now)
        return false;
    // Only the exact certificate the deployment pinned (the sandbox's self-signed one).
    return pinned.contains(chain.first());
}
