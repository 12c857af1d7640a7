#include "raw_link_client.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>

#include <csignal>

namespace
{
// How long a test waits for the sandbox process to answer: it seeds its world and makes its keys
// first, which under the sanitizers on a busy machine takes many seconds. Only a hung process
// waits this long.
constexpr int kProcessWaitMs = 120000;

// The sandbox process of a test; killed if the test ends before the process does.
struct SandboxProcess : QProcess
{
    ~SandboxProcess() override
    {
        if (state() != QProcess::NotRunning) {
            kill();
            waitForFinished(kProcessWaitMs);
        }
    }

    // Standard output up to its first line break: the ready line, or what came before the process
    // ended.
    QByteArray firstLine()
    {
        const QDeadlineTimer deadline(kProcessWaitMs);
        QByteArray out;
        while (!out.contains('\n') && !deadline.hasExpired()) {
            if (!waitForReadyRead(int(deadline.remainingTime())) && state() == QProcess::NotRunning)
                break;
            out += readAllStandardOutput();
        }
        return out + readAllStandardOutput();
    }
};

// A port that was free a moment ago.
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// The body of a GET that trusts only caFile; empty on any error.
QByteArray fetch(const QString &url, const QString &caFile)
{
    QNetworkAccessManager nam;
    QNetworkRequest request{QUrl(url)};
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setCaCertificates(QSslCertificate::fromPath(caFile));
    request.setSslConfiguration(config);
    request.setTransferTimeout(kProcessWaitMs);
    std::unique_ptr<QNetworkReply> reply(nam.get(request));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    return reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
}
} // namespace

TEST(SandboxExecutable, StartsOnTheGivenPortWritesTheConfigAndStopsOnSigterm)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const quint16 linkPort = freePort();
    SandboxProcess process;
    process.setProgram(QStringLiteral(COURIER_SANDBOX_EXE));
    process.setArguments({QStringLiteral("--link-port"), QString::number(linkPort), QStringLiteral("--lookup-port"),
                          QStringLiteral("0"), QStringLiteral("--workdir"), dir.path()});
    process.start();
    ASSERT_TRUE(process.waitForStarted(kProcessWaitMs));

    const QByteArray out = process.firstLine();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^SANDBOX READY link=(\\d+) lookup=(\\d+) config=(.+)\n"))
            .match(QString::fromUtf8(out));
    ASSERT_TRUE(m.hasMatch()) << out.constData() << process.readAllStandardError().constData();
    EXPECT_EQ(m.captured(1).toUInt(), linkPort);
    EXPECT_NE(m.captured(2).toUInt(), 0u);
    EXPECT_EQ(m.captured(3), dir.filePath(QStringLiteral("courier_desk.conf")));

    QFile config(m.captured(3));
    ASSERT_TRUE(config.open(QIODevice::ReadOnly));
    const QByteArray text = config.readAll();
    EXPECT_TRUE(text.contains("lookup.primary = https://127.0.0.1:" + m.captured(2).toUtf8()
                              + "/api/FindServerEndPoint?p=%s,%s,%s\n"));
    EXPECT_TRUE(text.contains("tls.ca_file = " + dir.filePath(QStringLiteral("sandbox_ca.pem")).toUtf8()));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("sandbox_ca.pem"))));

    RawLinkClient client;
    ASSERT_TRUE(client.connectTo(linkPort));
    EXPECT_TRUE(client.handshake());

    // The lookup and the update manifest are served over HTTPS that the written CA file opens.
    const QString base = QStringLiteral("https://127.0.0.1:") + m.captured(2);
    EXPECT_EQ(fetch(base + QStringLiteral("/api/FindServerEndPoint?p=DSK,S,1301"),
                    dir.filePath(QStringLiteral("sandbox_ca.pem"))),
              "127.0.0.1," + QByteArray::number(linkPort));
    EXPECT_TRUE(text.contains("update.manifest_url = " + base.toUtf8() + "/update/manifest.xml\n"));
    EXPECT_TRUE(fetch(base + QStringLiteral("/update/manifest.xml"), dir.filePath(QStringLiteral("sandbox_ca.pem")))
                    .contains("<?xml"));

    ::kill(pid_t(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(kProcessWaitMs));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
}

TEST(SandboxExecutable, ABusyPortIsReportedAndTheProcessFails)
{
    QTcpServer busy;
    ASSERT_TRUE(busy.listen(QHostAddress::LocalHost, 0));
    QTemporaryDir dir;
    SandboxProcess process;
    process.start(QStringLiteral(COURIER_SANDBOX_EXE),
                  {QStringLiteral("--link-port"), QString::number(busy.serverPort()), QStringLiteral("--workdir"),
                   dir.path()});
    ASSERT_TRUE(process.waitForFinished(kProcessWaitMs));
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_FALSE(process.readAllStandardOutput().contains("SANDBOX READY"));
    EXPECT_TRUE(process.readAllStandardError().contains("link port"));
}
