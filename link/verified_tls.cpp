#include "link/verified_tls.h"

#include "settings/deployment_config.h"

#include <QSslCertificate>
#include <QSslSocket>

QSslConfiguration VerifiedTlsConfiguration()
{
    QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
    conf.setProtocol(QSsl::TlsV1_2OrLater);
    conf.setPeerVerifyMode(QSslSocket::VerifyPeer);
    DeploymentConfig::ensureLoaded();
    const QString caFile = DeploymentConfig::value(QString::fromLatin1(DeploymentConfig::kCaFile));
    if (!caFile.isEmpty()) {
        const QList<QSslCertificate> extra = QSslCertificate::fromPath(caFile, QSsl::Pem);
        if (!extra.isEmpty())
            conf.addCaCertificates(extra);
    }
    return conf;
}
