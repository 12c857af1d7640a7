#include "link/address_service.h"

#include "link/verified_tls.h"

#include "settings/deployment_config.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>

QByteArray EncodeForm(const FormFields &fields)
{
    QByteArray out;
    for (const auto &[name, value] : fields) {
        if (!out.isEmpty())
            out += '&';
        out += QUrl::toPercentEncoding(name) + '=' + QUrl::toPercentEncoding(value);
    }
    return out;
}

QString UnwrapAddressReply(const QString &body)
{
    const QString t = body.trimmed();
    if (t.size() <= 2)
        return QString();
    return t.mid(1, t.size() - 2);
}

QString PostAddressForm(const QString &url, const FormFields &fields, int timeoutMs)
{
    const QUrl target(url);
    if (!target.isValid() || target.scheme() != QLatin1String("https"))
        return QString();
    QNetworkAccessManager manager;
    QNetworkRequest request(target);
    request.setSslConfiguration(VerifiedTlsConfiguration());
    request.setTransferTimeout(timeoutMs);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = manager.post(request, EncodeForm(fields));
    reply->setReadBufferSize(kAddressReplyMaxBytes + 1);
    QEventLoop loop;
    bool tooLong = false;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64 total) {
        if (received > kAddressReplyMaxBytes || total > kAddressReplyMaxBytes) {
            tooLong = true;
            reply->abort();
        }
    });
    // The transfer time-out notices silence only; this bounds a server that trickles bytes.
    QTimer whole;
    whole.setSingleShot(true);
    QObject::connect(&whole, &QTimer::timeout, reply, &QNetworkReply::abort);
    whole.start(3 * timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    QString result;
    if (!tooLong && reply->error() == QNetworkReply::NoError) {
        const QByteArray body = reply->read(kAddressReplyMaxBytes + 1);
        if (body.size() <= kAddressReplyMaxBytes)
            result = UnwrapAddressReply(QString::fromUtf8(body));
    }
    reply->deleteLater();
    return result;
}
