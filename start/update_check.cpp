#include "start/update_check.h"

#include "settings/deployment_config.h"
#include "reference/edition_table.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>
#include <QXmlStreamReader>

namespace
{
// Texts of the first four child elements of the current element (reader positioned on its start).
QStringList childTexts(QXmlStreamReader &xml)
{
    QStringList texts;
    while (xml.readNextStartElement()) {
        const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        if (texts.size() < 4)
            texts << text;
    }
    return texts;
}

QString localPath(const QString &programDir, QString dest)
{
    dest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (dest.startsWith(QLatin1Char('/')))
        dest.remove(0, 1);
    QString dir = programDir;
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + dest;
}

void trustDeploymentCa(QNetworkRequest &request)
{
    const QString caFile = DeploymentConfig::value(QString::fromLatin1(DeploymentConfig::kCaFile));
    if (caFile.isEmpty())
        return;
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    const QList<QSslCertificate> extra = QSslCertificate::fromPath(caFile, QSsl::Pem);
    if (extra.isEmpty())
        return;
    QList<QSslCertificate> cas = ssl.caCertificates();
    cas += extra;
    ssl.setCaCertificates(cas);
    request.setSslConfiguration(ssl);
}

QByteArray fetchOnce(QNetworkAccessManager &nam, const QString &url, int timeoutMs)
{
    QNetworkRequest request{QUrl(url)};
    trustDeploymentCa(request);
    QNetworkReply *reply = nam.get(request);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    QByteArray body;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && (status == 0 || status == 200))
        body = reply->readAll();
    reply->deleteLater();
    return body;
}
} // namespace

QList<TUpdateInfos> ManifestEntries(const QByteArray &xmlText, int editionRow, const QString &programDir)
{
    QList<TUpdateInfos> entries;
    QXmlStreamReader xml(xmlText);
    if (!xml.readNextStartElement())
        return entries;
    const QString tag = EditionManifestTag(editionRow);
    int position = 0;
    while (xml.readNextStartElement()) {
        ++position;
        if (position > kManifestMaxEntries) {
            xml.skipCurrentElement();
            continue;
        }
        const QStringList t = childTexts(xml);
        if (t.size() < 4 || t.at(0) != tag)
            continue;
        TUpdateInfos info;
        info.src_path = t.at(1);
        info.dest_path = t.at(2);
        info.full_path = localPath(programDir, t.at(2));
        info.file_time = t.at(3);
        entries << info;
    }
    // A manifest cut short in transfer must not start the updater on the part that did arrive.
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        return {};
    return entries;
}

bool UpdateDue(const QByteArray &xml, int editionRow, const QString &programDir)
{
    if (xml.trimmed().isEmpty())
        return false;
    for (const TUpdateInfos &info : ManifestEntries(xml, editionRow, programDir)) {
        const QFileInfo file(info.full_path);
        if (!file.exists())
            return true;
        const QString local = file.lastModified().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (local != info.file_time)
            return true;
    }
    return false;
}

QString ManifestUrl()
{
    return DeploymentConfig::value(QString::fromLatin1(DeploymentConfig::kUpdateManifestUrl));
}

QByteArray FetchManifest(const QString &url, int timeoutMs)
{
    if (url.isEmpty())
        return {};
    QNetworkAccessManager nam;
    QByteArray body = fetchOnce(nam, url, timeoutMs);
    if (body.isEmpty())
        body = fetchOnce(nam, url, timeoutMs);
    return body;
}

bool func_CheckUpdate(const QString &programDir, int editionRow)
{
    const QString url = ManifestUrl();
    if (url.isEmpty())
        return false;
    return UpdateDue(FetchManifest(url), editionRow, programDir);
}

bool StartUpdater(const QString &programDir, const QString &updaterName)
{
    const QString updaterPath = localPath(programDir, updaterName);
    const QString command = DeploymentConfig::value(QString::fromLatin1(DeploymentConfig::kUpdaterCommand));
    QStringList words = command.isEmpty() ? QStringList{updaterPath} : QProcess::splitCommand(command);
    if (words.isEmpty() || updaterName.isEmpty())
        return false;
    for (QString &w : words)
        w.replace(QStringLiteral("%1"), updaterPath);
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words, programDir);
}
