// courier-sandbox: runs the stand-in server on fixed ports until SIGTERM or SIGINT, and writes a
// client deployment config pointing at it.
#include "sandbox/sandbox_host.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    // Only async-signal-safe work here; the event loop picks the byte up.
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

bool installSignalHandlers(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier] {
        notifier->setEnabled(false);
        char c;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &c, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

// A folder of the sandbox's own, so that a start from any folder leaves nothing behind there:
// $XDG_DATA_HOME/courier-sandbox (~/.local/share/courier-sandbox).
QString defaultWorkDir()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::home().filePath(QStringLiteral(".local/share"));
    return QDir(base).filePath(QStringLiteral("courier-sandbox"));
}

quint16 portOption(const QCommandLineParser &parser, const QString &name, bool *ok)
{
    const uint value = parser.value(name).toUInt(ok);
    if (*ok && value > 65535)
        *ok = false;
    return quint16(value);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("courier-sandbox"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Stand-in for the central server (link and HTTPS lookup)."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("link-port"), QStringLiteral("TCP port of the link (0: any)."),
                      QStringLiteral("port"), QStringLiteral("0")});
    parser.addOption({QStringLiteral("lookup-port"), QStringLiteral("HTTPS port of the lookup (0: any)."),
                      QStringLiteral("port"), QStringLiteral("0")});
    parser.addOption({QStringLiteral("workdir"),
                      QStringLiteral("Folder for the certificate, the client config, the world's database and the"
                                     " request log (default: %1).")
                          .arg(QDir::toNativeSeparators(defaultWorkDir())),
                      QStringLiteral("dir")});
    parser.addOption({QStringLiteral("db"), QStringLiteral("SQLite file of the world (default: sandbox.db in the workdir; \":memory:\" for none)."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("request-log"),
                      QStringLiteral("File that gets one line per request received: time, code, call type, page"
                                     " count, field count, answer and payload, passwords and SMS codes masked"
                                     " (default: requests.log in the workdir; \"off\" for none)."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("seed-size"),
                      QStringLiteral("Size of a newly seeded world: demo or large. An existing database keeps its"
                                     " size; asking for large on a demo world is refused."),
                      QStringLiteral("size"), QStringLiteral("demo")});
    parser.addOption({QStringLiteral("scenario-interval"),
                      QStringLiteral("Milliseconds between two moves of the demo world (0: it stands still)."),
                      QStringLiteral("ms"), QStringLiteral("5000")});
    parser.process(app);

    bool linkOk = false;
    bool lookupOk = false;
    SandboxHost::Options options;
    options.linkPort = portOption(parser, QStringLiteral("link-port"), &linkOk);
    options.lookupPort = portOption(parser, QStringLiteral("lookup-port"), &lookupOk);
    const QString workDir = parser.value(QStringLiteral("workdir"));
    options.workDir = QDir(workDir.isEmpty() ? defaultWorkDir() : workDir).absolutePath();
    const QString requestLog = parser.value(QStringLiteral("request-log"));
    if (requestLog == QLatin1String("off"))
        options.requestLog = false;
    else if (!requestLog.isEmpty())
        options.requestLogPath = QFileInfo(requestLog).absoluteFilePath();
    const QString db = parser.value(QStringLiteral("db"));
    if (db == QLatin1String(":memory:"))
        options.databasePath.clear();
    else
        options.databasePath = db.isEmpty() ? QDir(options.workDir).filePath(QStringLiteral("sandbox.db"))
                                            : QFileInfo(db).absoluteFilePath();
    const QString size = parser.value(QStringLiteral("seed-size"));
    if (size != QLatin1String("demo") && size != QLatin1String("large")) {
        std::fprintf(stderr, "courier-sandbox: --seed-size is demo or large\n");
        return 2;
    }
    options.worldSize = size == QLatin1String("large") ? SandboxWorldSize::Large : SandboxWorldSize::Demo;
    bool intervalOk = false;
    options.scenarioIntervalMs = parser.value(QStringLiteral("scenario-interval")).toInt(&intervalOk);
    if (!intervalOk || options.scenarioIntervalMs < 0) {
        std::fprintf(stderr, "courier-sandbox: --scenario-interval is a number of milliseconds\n");
        return 2;
    }
    if (!linkOk || !lookupOk) {
        std::fprintf(stderr, "courier-sandbox: ports must be numbers from 0 to 65535\n");
        return 2;
    }
    if (!installSignalHandlers(app)) {
        std::fprintf(stderr, "courier-sandbox: cannot install signal handlers\n");
        return 1;
    }

    SandboxHost host(options);
    if (!host.start()) {
        std::fprintf(stderr, "courier-sandbox: %s\n", qPrintable(host.errorString()));
        return 1;
    }
    const QString configPath = QDir(options.workDir).filePath(QStringLiteral("courier_desk.conf"));
    if (!host.writeClientConfig(configPath)) {
        std::fprintf(stderr, "courier-sandbox: cannot write %s\n", qPrintable(configPath));
        return 1;
    }
    std::printf("SANDBOX READY link=%u lookup=%u config=%s\n", unsigned(host.linkPort()), unsigned(host.lookupPort()),
                qPrintable(QDir::toNativeSeparators(configPath)));
    if (!host.requestLogPath().isEmpty())
        std::printf("SANDBOX REQUEST LOG %s\n", qPrintable(QDir::toNativeSeparators(host.requestLogPath())));
    std::fflush(stdout);
    return app.exec();
}
