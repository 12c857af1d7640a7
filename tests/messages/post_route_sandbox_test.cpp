#include "messages_fixture.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>

namespace
{
// POSTs a JSON object to the sandbox's web route, trusting only the sandbox's own certificate.
QJsonObject postJson(const SandboxHost &host, const QByteArray &body, int *status)
{
    QNetworkAccessManager nam;
    QNetworkRequest request(QUrl(host.webBaseUrl() + QStringLiteral("/sandbox/post-message")));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    ssl.setCaCertificates(QSslCertificate::fromPath(host.caFile()));
    request.setSslConfiguration(ssl);
    QNetworkReply *reply = nam.post(request, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);  // a guard for a hung server only
    loop.exec();
    *status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QJsonObject out = QJsonDocument::fromJson(reply->readAll()).object();
    reply->deleteLater();
    return out;
}
} // namespace

// A demo user posts a message and a notice through the web route; both reach the client.
TEST_F(MessagesSandboxTest, PostRouteReachesTheClient)
{
    int status = 0;
    const QJsonObject m = postJson(*host, R"({"what":"message","to_id":"tester","title":"웹에서","content":"안녕"})", &status);
    EXPECT_EQ(status, 200);
    ASSERT_FALSE(m.value("msg_no").toString().isEmpty());
    const QJsonObject n = postJson(*host, R"({"what":"notice","title":"웹 공지","body":"<p>x</p>"})", &status);
    ASSERT_FALSE(n.value("seq_no").toString().isEmpty());
    postJson(*host, "not json", &status);
    EXPECT_EQ(status, 400);

    center->proc_CHECK_Message(false);
    EXPECT_EQ(G_SL_MSG_NO, QStringList{m.value("msg_no").toString()});
    EXPECT_EQ(center->list().rowCount(), 1);
    G_NOTICE_STAMP = QStringLiteral("20000101000000");
    center->notices().proc_Notice_Info(QString());
    EXPECT_TRUE(center->notices().unread().contains(n.value("seq_no").toString()));
}
