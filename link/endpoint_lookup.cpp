#include "link/endpoint_lookup.h"

#include "link/verified_tls.h"

#include "common/daily_log.h"
#include "settings/deployment_config.h"
#include "records/session_records.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>

QString G_TEST_EDITION_PROGRAM_NAME;

namespace
{
constexpr int kDefaultPort = 7996;
int g_lookupTimeoutMs = 5000;

// The answer body, or no value on any failure (connection, TLS, HTTP status, time-out).
bool fetchAnswer(const QString &url, QString *answer)
{
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setSslConfiguration(VerifiedTlsConfiguration());
    request.setTransferTimeout(g_lookupTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The transfer time-out only notices silence; a server that keeps sending a byte now and
    // then is cut off by this bound on the whole request.
    QTimer whole;
    whole.setSingleShot(true);
    QObject::connect(&whole, &QTimer::timeout, reply, &QNetworkReply::abort);
    whole.start(2 * g_lookupTimeoutMs);
    if (!reply->isFinished())
        loop.exec();
    const bool ok = reply->error() == QNetworkReply::NoError;
    if (ok)
        *answer = QString::fromUtf8(reply->readAll());
    reply->deleteLater();
    return ok;
}
} // namespace

QString EndpointLookupMode()
{
    if (G_USER_INFO.GUBUN != QLatin1String("R"))
        return QStringLiteral("TT");
    if (!G_TEST_EDITION_PROGRAM_NAME.isEmpty() && G_PROGRAM_NAME == G_TEST_EDITION_PROGRAM_NAME)
        return QStringLiteral("TS");
    return QStringLiteral("S");
}

QString EndpointLookupQuery()
{
    QString version = G_VERSION;
    version.remove(QLatin1Char('.'));
    return G_DEVICE + QLatin1Char(',') + EndpointLookupMode() + QLatin1Char(',') + version;
}

QString EndpointLookupUrl(const QString &urlFmt)
{
    QString version = G_VERSION;
    version.remove(QLatin1Char('.'));
    const QString values[3] = {G_DEVICE, EndpointLookupMode(), version};
    QString out;
    int next = 0;
    for (qsizetype i = 0; i < urlFmt.size(); ++i) {
        if (next < 3 && urlFmt.at(i) == QLatin1Char('%') && i + 1 < urlFmt.size()
            && urlFmt.at(i + 1) == QLatin1Char('s')) {
            out += values[next++];
            ++i;
        } else {
            out += urlFmt.at(i);
        }
    }
    return out;
}

bool ParseEndpointAnswer(const QString &answer, EndpointAnswer *out)
{
    const qsizetype comma = answer.indexOf(QLatin1Char(','));
    if (comma < 0)
        return false;
    const QString host = answer.left(comma).trimmed();
    if (host.isEmpty())
        return false;
    // Only the piece up to a second comma is the port, as with a plain split.
    const QString portText = answer.mid(comma + 1).section(QLatin1Char(','), 0, 0).trimmed();
    bool isNumber = false;
    const int port = portText.toInt(&isNumber);
    out->host = host;
    out->port = (isNumber && port > 0 && port <= 65535) ? port : kDefaultPort;
    return true;
}

void FindServerEndPoint(const QString &urlFmt, int attempt)
{
    QString answer;
    // A failed transfer (connection, TLS, time-out) and an answer without a comma write no line.
    if (!urlFmt.isEmpty() && fetchAnswer(EndpointLookupUrl(urlFmt), &answer)) {
        answer = answer.trimmed();
        EndpointAnswer parsed;
        if (answer.isEmpty()) {
            WriteLog(QStringLiteral("Server Check Fail,") + QString::number(attempt + 1));
        } else if (ParseEndpointAnswer(answer, &parsed)) {
            // Both values change together or not at all.
            G_SERVER_HOST = parsed.host;
            G_SERVER_PORT = parsed.port;
            WriteLog(QStringLiteral("Server Check Success,") + QString::number(attempt + 1));
            return;
        }
    }
    if (attempt == 0)
        FindServerEndPoint(FallbackLookupUrlFormat(), 1);
}

QString PrimaryLookupUrlFormat()
{
    DeploymentConfig::ensureLoaded();
    return DeploymentConfig::value(QString::fromLatin1(DeploymentConfig::kLookupPrimary));
}

QString FallbackLookupUrlFormat()
{
    DeploymentConfig::ensureLoaded();
    return DeploymentConfig::value(QString::fromLatin1(DeploymentConfig::kLookupFallback));
}

int EndpointLookupTimeoutMs()
{
    return g_lookupTimeoutMs;
}

void SetEndpointLookupTimeoutMs(int ms)
{
    g_lookupTimeoutMs = ms;
}
