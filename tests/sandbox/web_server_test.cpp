#include "raw_link_client.h"

#include "sandbox/sandbox_host.h"
#include "sandbox/web_server.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>

namespace
{
struct HttpResult
{
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;
    QByteArray body;
};

class WebServerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_host = new SandboxHost();
        ASSERT_TRUE(s_host->start()) << qPrintable(s_host->errorString());
    }
    static void TearDownTestSuite()
    {
        delete s_host;
        s_host = nullptr;
    }
    void SetUp() override
    {
        s_host->setLookupMode(SandboxHost::LookupMode::Normal, SandboxHost::LookupMode::Normal);
        s_host->setLookupAnswer({});
        s_host->clearReceived();
    }

    // How long a request may take that is expected to be answered: generous, since the TLS
    // handshake is slow under the sanitizers on a busy machine.
    static constexpr int kAnswerMs = 120000;

    // A GET that trusts only the given CA file (the system's CAs when it is empty).
    static HttpResult get(const QString &url, const QString &caFile, int transferTimeoutMs = kAnswerMs)
    {
        return send(url, caFile, transferTimeoutMs, nullptr);
    }
    static HttpResult post(const QString &url, const QByteArray &body)
    {
        return send(url, s_host->caFile(), kAnswerMs, &body);
    }
    static HttpResult send(const QString &url, const QString &caFile, int transferTimeoutMs, const QByteArray *body)
    {
        QNetworkAccessManager nam;
        QNetworkRequest request{QUrl(url)};
        if (!caFile.isEmpty()) {
            QSslConfiguration config = QSslConfiguration::defaultConfiguration();
            config.setCaCertificates(QSslCertificate::fromPath(caFile));
            request.setSslConfiguration(config);
        }
        request.setTransferTimeout(transferTimeoutMs);
        if (body)
            request.setHeader(QNetworkRequest::ContentTypeHeader,
                              QByteArrayLiteral("application/x-www-form-urlencoded; charset=UTF-8"));
        QNetworkReply *reply = body ? nam.post(request, *body) : nam.get(request);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(transferTimeoutMs + 5000, &loop, &QEventLoop::quit);  // a guard, never reached when all is well
        loop.exec();
        HttpResult out;
        out.error = reply->isFinished() ? reply->error() : QNetworkReply::TimeoutError;
        out.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        out.body = reply->isOpen() ? reply->readAll() : QByteArray();
        delete reply;
        return out;
    }
    static HttpResult get(const QString &url) { return get(url, s_host->caFile()); }
    static QString primary(const QString &p = QStringLiteral("TST,TT,1301"), const SandboxHost *host = s_host)
    {
        return QString(host->primaryLookupUrlFormat()).replace(QStringLiteral("%s,%s,%s"), p);
    }
    static QString fallback(const QString &p = QStringLiteral("TST,TT,1301"), const SandboxHost *host = s_host)
    {
        return QString(host->fallbackLookupUrlFormat()).replace(QStringLiteral("%s,%s,%s"), p);
    }

    static SandboxHost *s_host;
};
SandboxHost *WebServerTest::s_host = nullptr;

TEST_F(WebServerTest, BothLookupPathsAnswerTheLinkAddress)
{
    const QByteArray expected = "127.0.0.1," + QByteArray::number(s_host->linkPort());
    for (const QString &url : {primary(QStringLiteral("ABC,S,1301")), fallback(QStringLiteral("ABC,S,1301"))}) {
        SCOPED_TRACE(qPrintable(url));
        const HttpResult r = get(url);
        EXPECT_EQ(r.error, QNetworkReply::NoError);
        EXPECT_EQ(r.status, 200);
        EXPECT_EQ(r.body, expected);
        EXPECT_EQ(s_host->lastLookupQuery(), "ABC,S,1301");
    }
    EXPECT_EQ(s_host->lookupPaths(),
              (QStringList{QStringLiteral("/api/FindServerEndPoint"), QStringLiteral("/connectInfo.jsp")}));
}

TEST_F(WebServerTest, LookupModesAnswerEmptyFailOrNothing)
{
    struct Case
    {
        SandboxHost::LookupMode mode;
        QNetworkReply::NetworkError error;
        int status;
    };
    const Case cases[] = {
        {SandboxHost::LookupMode::Empty, QNetworkReply::NoError, 200},
        {SandboxHost::LookupMode::Fail, QNetworkReply::InternalServerError, 500},
        {SandboxHost::LookupMode::Drop, QNetworkReply::RemoteHostClosedError, 0},
        {SandboxHost::LookupMode::Stall, QNetworkReply::OperationCanceledError, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.mode));
        // The switch is per path: the fallback keeps answering normally.
        s_host->setLookupMode(c.mode, SandboxHost::LookupMode::Normal);
        // Only the stalled answer waits for the client's give-up; the others must not be cut short by
        // a slow handshake on a loaded machine (or in the sanitizer build).
        const int timeoutMs = c.mode == SandboxHost::LookupMode::Stall ? 400 : kAnswerMs;
        const HttpResult r = get(primary(), s_host->caFile(), timeoutMs);
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(r.status, c.status);
        if (c.mode != SandboxHost::LookupMode::Fail) {
            EXPECT_TRUE(r.body.isEmpty());
        }
        EXPECT_EQ(get(fallback()).body, "127.0.0.1," + QByteArray::number(s_host->linkPort()));
    }
}

TEST_F(WebServerTest, WithoutTheSandboxCaTheHandshakeIsRefused)
{
    const HttpResult r = get(primary(), QString());
    EXPECT_EQ(r.error, QNetworkReply::SslHandshakeFailedError);
    EXPECT_TRUE(r.body.isEmpty());
}

TEST_F(WebServerTest, CertificateNamesTheLoopbackAddressAndHost)
{
    const QList<QSslCertificate> certs = QSslCertificate::fromPath(s_host->caFile());
    ASSERT_EQ(certs.size(), 1);
    const auto names = certs.first().subjectAlternativeNames();
    EXPECT_TRUE(names.values(QSsl::IpAddressEntry).contains(QStringLiteral("127.0.0.1")));
    EXPECT_TRUE(names.values(QSsl::DnsEntry).contains(QStringLiteral("localhost")));
    EXPECT_LT(certs.first().effectiveDate(), QDateTime::currentDateTimeUtc().addSecs(-3000));
    EXPECT_GT(certs.first().expiryDate(), QDateTime::currentDateTimeUtc().addDays(300));
}

TEST_F(WebServerTest, ASecondLinkPortIsHandedOutAndServes)
{
    SandboxHost host;
    ASSERT_TRUE(host.start());
    const quint16 second = host.openSecondLinkPort();
    ASSERT_NE(second, 0);
    ASSERT_NE(second, host.linkPort());
    const QString tst = QStringLiteral("TST,TT,1301");
    EXPECT_EQ(get(primary(tst, &host), host.caFile()).body, "127.0.0.1," + QByteArray::number(second));

    RawLinkClient client;
    ASSERT_TRUE(client.connectTo(second));
    EXPECT_TRUE(client.handshake());

    host.setLookupAnswer(QStringLiteral(" 10.0.0.9 , x "));
    EXPECT_EQ(get(fallback(tst, &host), host.caFile()).body, " 10.0.0.9 , x ");
    // Each host makes its own certificate: this fixture's CA does not open the other host.
    EXPECT_EQ(get(primary(tst, &host), s_host->caFile()).error, QNetworkReply::SslHandshakeFailedError);
}

TEST_F(WebServerTest, RoutesServeTheirPathsAndTheRestIsNotFound)
{
    s_host->setRoute(QStringLiteral("/update/manifest.xml"), [](const WebRequest &) {
        return WebReply::text("<files/>", "text/xml");
    });
    const QString base = s_host->webBaseUrl();
    HttpResult r = get(base + QStringLiteral("/update/manifest.xml"));
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, "<files/>");
    r = get(base + QStringLiteral("/no/such/page"));
    EXPECT_EQ(r.status, 404);

    // The client config names every served address.
    const QString path = s_host->workDir() + QStringLiteral("/client.conf");
    ASSERT_TRUE(s_host->writeClientConfig(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("lookup.primary = " + s_host->primaryLookupUrlFormat().toUtf8() + "\n"));
    EXPECT_TRUE(text.contains("lookup.fallback = " + s_host->fallbackLookupUrlFormat().toUtf8() + "\n"));
    EXPECT_TRUE(text.contains("tls.ca_file = " + s_host->caFile().toUtf8() + "\n"));
    EXPECT_TRUE(text.contains("update.manifest_url = " + base.toUtf8() + "/update/manifest.xml\n"));
}

TEST(SandboxHttp, ParsesOneRequestAndRefusesWhatIsOutOfBounds)
{
    struct Case
    {
        QByteArray bytes;
        SandboxHttp::Parse result;
    };
    const Case cases[] = {
        {"GET /a?p=1 HTTP/1.1\r\nHost: x\r\n", SandboxHttp::Parse::NeedMore},
        {"GET /a?p=1 HTTP/1.1\r\nHost: x\r\n\r\n", SandboxHttp::Parse::Complete},
        {"POST /f HTTP/1.1\r\nContent-Length: 5\r\n\r\nab", SandboxHttp::Parse::NeedMore},
        {"POST /f HTTP/1.1\r\nContent-Length: 5\r\n\r\nabcde", SandboxHttp::Parse::Complete},
        {"POST /f HTTP/1.1\r\nContent-Length: 99999999\r\n\r\n", SandboxHttp::Parse::Bad},
        {"POST /f HTTP/1.1\r\nContent-Length: -1\r\n\r\n", SandboxHttp::Parse::Bad},
        {"GARBAGE\r\n\r\n", SandboxHttp::Parse::Bad},
        {"GET /a HTTP/1.1\r\nno colon here\r\n\r\n", SandboxHttp::Parse::Bad},
        {"GET /a HTTP/1.1\r\nX: " + QByteArray(SandboxHttp::kMaxHead, 'y'), SandboxHttp::Parse::Bad},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bytes.left(60).constData());
        WebRequest r;
        EXPECT_EQ(SandboxHttp::parseRequest(c.bytes, &r), c.result);
    }
    WebRequest r;
    ASSERT_EQ(SandboxHttp::parseRequest("GET /api/FindServerEndPoint?p=A%2CB,TT,1301 HTTP/1.1\r\n\r\n", &r),
              SandboxHttp::Parse::Complete);
    EXPECT_EQ(r.path, "/api/FindServerEndPoint");
    EXPECT_EQ(r.queryValue(QStringLiteral("p")), "A,B,TT,1301");
}

TEST_F(WebServerTest, PaymentPageAnswersEachKindAndNeverEchoesThePassword)
{
    const QString url = s_host->webBaseUrl() + QStringLiteral("/pay/send.html");
    const auto form = [](const QByteArray &id, const QByteArray &kind) {
        const QByteArray sep = QStringLiteral("│").toUtf8();
        return "sData=COMMON" + sep + id + sep + "S3cret%21pw" + sep + kind + sep + "P" + sep + "[A]PC-1" + sep;
    };
    // The agreement page names the signer, whose encoded separator stays part of the ID.
    HttpResult r = post(url, form("br%E2%94%82x%3Cb%3E", "000008"));
    EXPECT_EQ(r.status, 200);
    const QString agreement = QString::fromUtf8(r.body);
    EXPECT_TRUE(agreement.contains(QStringLiteral("<title>서명</title>")));
    EXPECT_TRUE(agreement.contains(QStringLiteral("br│x&lt;b&gt; 님")));
    EXPECT_TRUE(agreement.contains(QStringLiteral("종료 처리")));
    // Any other kind is a payment request.
    r = post(url, form("demo", "000003"));
    const QString payment = QString::fromUtf8(r.body);
    EXPECT_TRUE(payment.contains(QStringLiteral("<title>결제</title>")));
    EXPECT_TRUE(payment.contains(QStringLiteral("demo 님의 결제 요청 (000003)")));
    for (const QString &text : {agreement, payment}) {
        EXPECT_FALSE(text.contains(QStringLiteral("S3cret")));
    }
    // Nothing posted, nothing to show.
    r = get(url);
    EXPECT_TRUE(QString::fromUtf8(r.body).contains(QStringLiteral("잘못된 요청입니다.")));
    r = post(url, QByteArray());
    EXPECT_EQ(r.status, 200);
}
} // namespace
