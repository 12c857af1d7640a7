// The sandbox as a witness of what the client sends: the request log, the shape check of every
// request code, and the page addresses and clocks it hands out.
#include "raw_link_client.h"
#include "row_separator.h"

#include "sandbox/handler_registry.h"
#include "sandbox/handlers_login.h"
#include "sandbox/request_check.h"
#include "sandbox/request_log.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_host.h"
#include "sandbox/scenario_clock.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QMutex>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <csignal>

namespace
{
QString joined(const QStringList &fields)
{
    QString out;
    for (const QString &f : fields)
        out += f + kSep;
    return out;
}

// The eleven login fields as the program sends them.
QString loginPayload(const QString &id, const QString &password)
{
    return joined({id, password, QStringLiteral("[A]PC-1"), QStringLiteral("P"), QStringLiteral("10"), QString(),
                   QStringLiteral("R"), QStringLiteral("1301"), QStringLiteral("202601010900"), QString(),
                   QStringLiteral("K")});
}

std::optional<QJsonObject> ask(RawLinkClient &client, const QString &code, const QString &callType, const QString &val)
{
    client.sendRequest(code, callType, val);
    const auto reply = client.readReply(20000);
    if (!reply || reply->isEmpty())
        return std::nullopt;
    return reply->first().json();
}

// Qt warnings of this thread and the sandbox's while a test runs.
class WarningCapture
{
public:
    WarningCapture() { s_previous = qInstallMessageHandler(&WarningCapture::handle); }
    ~WarningCapture() { qInstallMessageHandler(s_previous); }
    QStringList lines() const
    {
        QMutexLocker lock(&s_mutex);
        return s_lines;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type == QtDebugMsg || type == QtInfoMsg)
            return;
        QMutexLocker lock(&s_mutex);
        s_lines.append(text);
    }
    static inline QtMessageHandler s_previous = nullptr;
    static inline QMutex s_mutex;
    static inline QStringList s_lines;
};
} // namespace

TEST(RequestShapes, EveryDemoCodeHasItsShapeAndOtherShapesAreTold)
{
    HandlerRegistry registry;
    auto db = std::make_shared<SandboxDatabase>();
    registry.setDatabase(db);
    registerDemoHandlers(registry);
    // The courier assignments are built by the screens that pick the courier; their shape is theirs.
    const QStringList unchecked = {QStringLiteral("CS01_18_V03"), QStringLiteral("CS01_46_V01")};
    for (const QString &code : registry.codes()) {
        if (!unchecked.contains(code)) {
            EXPECT_FALSE(SandboxRequestCheck::shapesOf(code).isEmpty()) << "no shape for " << code.toStdString();
        }
    }

    struct Case
    {
        const char *code;
        const char *callType;
        int fields;
        bool accepted;
    };
    const Case cases[] = {
        {"LN02_01_V02", "SLG1", 11, true},
        {"LN02_01_V02", "SLG1", 12, false},  // a password holding the separator
        {"LN02_01_V02", "ADM1", 11, false},
        {"CS01_01_V07", "ADM10", 8, true},   // the order load ...
        {"CS01_01_V07", "CMM8", 8, true},    // ... and the cash load share the code
        {"CS01_01_V07", "CMM8", 7, false},
        {"CS01_11_V03", "ADM1", 8, true},
        {"CS01_11_V03", "ADM1", 9, false},   // a cancel reason holding the separator
        {"MG00_03_V01", "MSG2", 20, true},
        {"MG00_03_V01", "MSG2", 21, false},  // a message text holding the separator
        {"999", "DUM", 1, true},
        {"999", "ADM1", 1, false},
        {"CS05_01_V02", "ADM3", 2, false},
        {"NO_SUCH_CODE", "ANY", 3, true},    // unknown codes are the registry's to answer
    };
    for (const Case &c : cases) {
        SandboxRequest request;
        request.reqNum = QLatin1String(c.code);
        request.callType = QLatin1String(c.callType);
        QStringList fields;
        for (int i = 0; i < c.fields; ++i)
            fields << QStringLiteral("f%1").arg(i);
        request.val = joined(fields);
        const QString why = SandboxRequestCheck::mismatch(request);
        EXPECT_EQ(why.isEmpty(), c.accepted) << c.code << " " << c.callType << " " << c.fields << ": "
                                             << why.toStdString();
    }

    SandboxRequest wrong;
    wrong.reqNum = QStringLiteral("CS00_10_V01");
    wrong.callType = QStringLiteral("ADM1");
    wrong.val = joined({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(SandboxRequestCheck::mismatch(wrong),
              QStringLiteral("CS00_10_V01 sent as ADM1 with 2 fields; expected ADM3 with 4 fields"));
    // The check runs for every handler in one place: the registry answers it before the handler.
    const SandboxReply reply = registry.dispatch(wrong);
    EXPECT_EQ(reply.outCode, "0");
    EXPECT_TRUE(reply.outMsg.startsWith(QStringLiteral("wrong request: CS00_10_V01"))) << reply.outMsg.toStdString();
}

TEST(RequestLog, EveryRequestIsWrittenWithPasswordsAndSmsCodesMasked)
{
    SandboxHost::Options options;
    options.withLookup = false;
    SandboxHost host(options);
    ASSERT_TRUE(host.start()) << host.errorString().toStdString();
    ASSERT_FALSE(host.requestLogPath().isEmpty());
    EXPECT_EQ(QFileInfo(host.requestLogPath()).fileName(), QStringLiteral("requests.log"));

    RawLinkClient client;
    ASSERT_TRUE(client.connectTo(host.linkPort()));
    ASSERT_TRUE(client.handshake());
    const QString password = QLatin1String(SandboxLogin::kDemoPassword);
    auto reply = ask(client, QStringLiteral("LN02_01_V02"), QStringLiteral("SLG1"),
                     loginPayload(QLatin1String(SandboxLogin::kDemoId), password));
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->value("OUT_CODE").toString(), "1");
    reply = ask(client, QStringLiteral("CS08_18_V01"), QStringLiteral("ADM1"),
                joined({"1", "77", "482913", "U", "demo", "New!Secret2026", "N"}));
    ASSERT_TRUE(reply.has_value());
    // A password holding the separator: where it ends cannot be told, so the whole payload is masked.
    reply = ask(client, QStringLiteral("LN02_01_V02"), QStringLiteral("SLG1"),
                loginPayload(QStringLiteral("demo"), QStringLiteral("Ab1!│hidden-tail")));
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->value("OUT_CODE").toString(), "0");
    EXPECT_TRUE(reply->value("OUT_MSG").toString().contains(QStringLiteral("with 12 fields")));
    reply = ask(client, QStringLiteral("CS00_10_V01"), QStringLiteral("ADM3"),
                joined({"demo", "1003", "tab\there", "line\nbreak"}));
    ASSERT_TRUE(reply.has_value());

    const QList<SandboxRequestLog::Entry> entries = host.loggedRequests();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries.at(0).code, "LN02_01_V02");
    EXPECT_EQ(entries.at(0).callType, "SLG1");
    EXPECT_EQ(entries.at(0).pageCount, "100");
    EXPECT_EQ(entries.at(0).fieldCount, 11);
    EXPECT_EQ(entries.at(0).replyCode, "1");
    EXPECT_TRUE(entries.at(0).time.isValid());
    EXPECT_TRUE(entries.at(0).payload.startsWith(QStringLiteral("demo│***│[A]PC-1│"))) << entries.at(0).payload.toStdString();
    EXPECT_EQ(entries.at(1).payload, joined({"1", "77", "***", "U", "demo", "***", "N"}));
    EXPECT_EQ(entries.at(2).fieldCount, 12);
    EXPECT_EQ(entries.at(2).replyCode, "0");
    EXPECT_FALSE(entries.at(2).why.isEmpty());
    EXPECT_EQ(entries.at(2).payload, QStringLiteral("***"));
    // Tabs and line breaks of a payload keep to their line.
    EXPECT_EQ(entries.at(3).payload, joined({"demo", "1003", "tab\there", "line\nbreak"}));

    QFile file(host.requestLogPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_EQ(text.count(QLatin1Char('\n')), 4);
    for (const QString &secret : {password, QStringLiteral("482913"), QStringLiteral("New!Secret2026"),
                                  QStringLiteral("hidden-tail")})
        EXPECT_FALSE(text.contains(secret)) << secret.toStdString();

    // A test that clears what was received reads only what comes after.
    host.clearReceived();
    EXPECT_TRUE(host.loggedRequests().isEmpty());
    ASSERT_TRUE(ask(client, QStringLiteral("999"), QStringLiteral("DUM"), kSep).has_value());
    ASSERT_EQ(host.loggedRequests().size(), 1);
    EXPECT_EQ(host.loggedRequests().first().code, "999");
}

TEST(ScenarioClock, StampsMayRunFastButNeverPastTheWallClock)
{
    const qint64 wall = ScenarioMorning().msecsTo(ScenarioWallNow());
    ASSERT_GT(wall, 60000) << "the machine's clock lies before the demo morning";
    EXPECT_EQ(ScenarioAdvance(0, 20000), 20000);               // far behind: a whole step
    const qint64 nearWall = ScenarioAdvance(wall - 5000, 20000);  // catching up: up to now, not past it
    EXPECT_GE(nearWall, wall - 5000);
    EXPECT_LE(nearWall, ScenarioMorning().msecsTo(ScenarioWallNow()));
    EXPECT_EQ(ScenarioAdvance(wall + 60000, 20000), wall + 60000);  // ahead (an old world): never back
}

TEST(SandboxWebBase, PageAddressesUseTheServedHostAndPort)
{
    SandboxWebBase base;
    const QString home = QStringLiteral("https://localhost/");
    EXPECT_EQ(base.resolve(home), home);  // not listening yet
    base.setUrl(QStringLiteral("https://127.0.0.1:40443"));
    EXPECT_EQ(base.resolve(home), QStringLiteral("https://127.0.0.1:40443/"));
    EXPECT_EQ(base.resolve(QStringLiteral("https://localhost")), QStringLiteral("https://127.0.0.1:40443"));
    EXPECT_EQ(base.resolve(QStringLiteral("https://localhost.example/x")), QStringLiteral("https://localhost.example/x"));
    EXPECT_EQ(base.resolve(QStringLiteral("127.0.0.1:7790")), QStringLiteral("127.0.0.1:7790"));
}

TEST(SandboxWebBase, TheConfigurationHandsOutTheHomePageTheWebServerServes)
{
    SandboxHost host;
    ASSERT_TRUE(host.start()) << host.errorString().toStdString();
    RawLinkClient client;
    ASSERT_TRUE(client.connectTo(host.linkPort()));
    ASSERT_TRUE(client.handshake());
    const auto reply = ask(client, QStringLiteral("CS00_10_V01"), QStringLiteral("ADM3"), joined({"a", "1003", "", ""}));
    ASSERT_TRUE(reply.has_value());
    QHash<QString, QString> pages;
    for (const QJsonValue &row : reply->value("OUT_ROW1").toArray()) {
        const QStringList f = row.toString().split(kSep);
        if (f.value(0) == QLatin1String("CAURL"))
            pages.insert(f.value(1), f.value(2));
    }
    ASSERT_TRUE(pages.contains(QStringLiteral("MAIN_HOME")));
    EXPECT_EQ(pages.value(QStringLiteral("MAIN_HOME")), host.webBaseUrl() + QStringLiteral("/"));
    for (auto it = pages.cbegin(); it != pages.cend(); ++it)
        EXPECT_TRUE(it.value().startsWith(host.webBaseUrl() + QLatin1Char('/'))) << it.value().toStdString();
}

TEST(SandboxDatabase, ALargeWorldIsNotSilentlyAskedOfADemoDatabase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SandboxHost::Options options;
    options.withLookup = false;
    options.workDir = dir.path();
    options.databasePath = dir.filePath(QStringLiteral("sandbox.db"));
    {
        SandboxHost demo(options);
        ASSERT_TRUE(demo.start()) << demo.errorString().toStdString();
    }
    options.worldSize = SandboxWorldSize::Large;
    SandboxHost large(options);
    EXPECT_FALSE(large.start());
    EXPECT_TRUE(large.errorString().contains(QStringLiteral("holds a demo world"))) << large.errorString().toStdString();
}

TEST(SandboxHost, StopsWithoutQtWarningsWhileItsWorldMoves)
{
    WarningCapture warnings;
    // Counted on the sandbox's thread (reading the world from here would race its writes); it
    // outlives the host.
    std::atomic<int> steps{0};
    {
        SandboxHost::Options options;
        options.withLookup = false;
        options.scenarioIntervalMs = 10;
        SandboxHost host(options);
        host.addScenarioStep(QStringLiteral("count"), [&steps](SandboxDatabase &, SandboxRandom &) { ++steps; });
        ASSERT_TRUE(host.start()) << host.errorString().toStdString();
        QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired() && steps.load() < 3)
            QThread::msleep(10);
        ASSERT_FALSE(deadline.hasExpired()) << "the scenario timer never fired";
    }
    EXPECT_TRUE(warnings.lines().isEmpty()) << warnings.lines().join(QLatin1Char('\n')).toStdString();
}

// The README's first account sees its board fill: a steady share of the new orders is its store's,
// and they move through the statuses like the rest.
TEST(DemoWorld, TheDemoStoreGetsASteadyFlowOfOrdersInEveryStatus)
{
    SandboxHost::Options options;
    options.withLookup = false;
    SandboxHost host(options);
    ASSERT_TRUE(host.start()) << host.errorString().toStdString();
    const auto demoOrders = [&] {
        return host.database()
            ->value(QStringLiteral("SELECT COUNT(*) FROM orders o JOIN users u ON u.st = o.ord_st_code WHERE u.id = ?"),
                    {QLatin1String(SandboxLogin::kDemoId)})
            .toInt();
    };
    EXPECT_GE(demoOrders(), 3);  // already in the seeded morning
    host.stepScenario(60);
    EXPECT_GE(demoOrders(), 20);
    QStringList statuses;
    for (const QVariantList &r : host.database()->rows(
             QStringLiteral("SELECT DISTINCT o.ord_status_cd FROM orders o JOIN users u ON u.st = o.ord_st_code"
                            " WHERE u.id = ? ORDER BY 1"),
             {QLatin1String(SandboxLogin::kDemoId)}))
        statuses << r.value(0).toString();
    EXPECT_TRUE(statuses.contains(QStringLiteral("4001"))) << statuses.join(QLatin1Char(',')).toStdString();
    EXPECT_GE(statuses.size(), 4) << statuses.join(QLatin1Char(',')).toStdString();
}

#ifdef COURIER_SANDBOX_EXE
// Started without --workdir, the program keeps its files in a folder of its own and names its
// request log; it stops on SIGTERM without a warning.
TEST(SandboxExecutable, UsesAFolderOfItsOwnAndWritesTheRequestLog)
{
    QTemporaryDir data;
    QTemporaryDir cwd;
    ASSERT_TRUE(data.isValid() && cwd.isValid());
    QProcess help;
    help.start(QStringLiteral(COURIER_SANDBOX_EXE), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(60000));
    const QString helpText = QString::fromUtf8(help.readAllStandardOutput());
    EXPECT_TRUE(helpText.contains(QStringLiteral("--request-log"))) << helpText.toStdString();
    EXPECT_TRUE(helpText.contains(QStringLiteral("requests.log")));
    EXPECT_TRUE(helpText.contains(QStringLiteral("courier-sandbox)"))) << helpText.toStdString();

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(cwd.path());
    process.start(QStringLiteral(COURIER_SANDBOX_EXE),
                  {QStringLiteral("--db"), QStringLiteral(":memory:"), QStringLiteral("--scenario-interval"),
                   QStringLiteral("50")});
    ASSERT_TRUE(process.waitForStarted(60000));
    QByteArray out;
    QDeadlineTimer deadline(120000);
    while (!out.contains("SANDBOX REQUEST LOG") && !deadline.hasExpired()
           && process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
        out += process.readAllStandardOutput();
    const QString own = QDir(data.path()).filePath(QStringLiteral("courier-sandbox"));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("SANDBOX READY link=(\\d+) .*\nSANDBOX REQUEST LOG (.+)\n"))
            .match(QString::fromUtf8(out));
    ASSERT_TRUE(m.hasMatch()) << out.constData();
    EXPECT_EQ(m.captured(2), QDir(own).filePath(QStringLiteral("requests.log")));
    EXPECT_TRUE(QFile::exists(QDir(own).filePath(QStringLiteral("courier_desk.conf"))));
    EXPECT_TRUE(QDir(cwd.path()).isEmpty());

    RawLinkClient client;
    ASSERT_TRUE(client.connectTo(quint16(m.captured(1).toUInt())));
    ASSERT_TRUE(client.handshake());
    ASSERT_TRUE(ask(client, QStringLiteral("999"), QStringLiteral("DUM"), kSep).has_value());
    const QList<SandboxRequestLog::Entry> entries = SandboxRequestLog::read(m.captured(2));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.first().code, "999");

    ::kill(pid_t(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    const QByteArray err = process.readAllStandardError();
    EXPECT_FALSE(err.contains("QObject")) << err.constData();
    EXPECT_FALSE(err.contains("Timer")) << err.constData();
}
#endif
