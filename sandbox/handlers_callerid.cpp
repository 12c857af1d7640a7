// The demo's telephones: a network caller-ID server and a serial caller-ID box, both rung by
// "/sandbox/ring" (scripts/ring.sh) and, now and then, by the scenario driver.
//
// The server starts only when COURIER_SANDBOX_CID_PORT names its port (scripts/run_demo.sh sets
// it), so test sandboxes never take a fixed port. COURIER_SANDBOX_CID_BOX names where the box's
// pseudo-terminal is linked (empty: no box).
#include "sandbox/cid_server.h"
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>
#include <memory>

namespace
{
bool cidNumberOk(const QString &s)
{
    static const QRegularExpression re(QStringLiteral("^[0-9-]{2,20}$"));
    return re.match(s).hasMatch();
}

// The telephone of the demo login's store: the line a customer calls.
QString demoStoreLine(const SandboxDatabase &db)
{
    return db.value(QStringLiteral("SELECT s.tel FROM stores s JOIN users u ON u.st = s.st_code WHERE u.id = 'demo'"))
        .toString();
}

WebReply ringRoute(SandboxCidServer &server, const SandboxDatabase &db, const WebRequest &request)
{
    if (request.method != "POST" || request.body.size() > 4096)
        return WebReply::error(400);
    const QJsonObject o = QJsonDocument::fromJson(request.body).object();
    const QString number = o.value(QStringLiteral("number")).toString().trimmed();
    QString line = o.value(QStringLiteral("line")).toString().trimmed();
    if (line.isEmpty())
        line = demoStoreLine(db);
    line.remove(QLatin1Char('-'));
    if (!cidNumberOk(number) || (!line.isEmpty() && !cidNumberOk(line)))
        return WebReply::error(400);
    server.ring(QString(number).remove(QLatin1Char('-')), line, o.value(QStringLiteral("channel")).toInt(1));
    std::printf("SANDBOX RING %s -> %s\n", qPrintable(number), qPrintable(line));
    std::fflush(stdout);
    QJsonObject answer{{"number", number}, {"line", line}};
    return WebReply::text(QJsonDocument(answer).toJson(QJsonDocument::Compact), "application/json");
}
} // namespace

SANDBOX_HANDLER_AREA(callerid)
{
    bool ok = false;
    const int port = qEnvironmentVariableIntValue("COURIER_SANDBOX_CID_PORT", &ok);
    if (!ok || port < 0 || port > 65535)
        return;
    auto server = std::make_shared<SandboxCidServer>();
    if (!server->listen(quint16(port))) {
        std::fprintf(stderr, "SANDBOX CID server not started: %s\n", qPrintable(server->errorString()));
        return;
    }
    const QString box = server->openSerialBox(qEnvironmentVariable("COURIER_SANDBOX_CID_BOX"));
    std::printf("SANDBOX CID server=127.0.0.1:%u box=%s\n", unsigned(server->port()), qPrintable(box));
    std::fflush(stdout);
    auto dbp = registry.database();
    registry.addRoute(QStringLiteral("/sandbox/ring"),
                      [server, dbp](const WebRequest &r) { return ringRoute(*server, *dbp, r); });
    // Every few minutes a customer of the demo store calls again.
    auto last = std::make_shared<QDateTime>(QDateTime::currentDateTime());
    registry.addScenarioStep(QStringLiteral("calls"), [server, last](SandboxDatabase &world, SandboxRandom &rng) {
        const QDateTime t = QDateTime::currentDateTime();
        if (last->secsTo(t) < 150)
            return;
        *last = t;
        const QString line = demoStoreLine(world).remove(QLatin1Char('-'));
        const QList<QVariantList> known = world.rows(QStringLiteral(
            "SELECT ord_cu_tel FROM orders WHERE ord_cu_tel <> '' ORDER BY ord_no DESC LIMIT 20"));
        const QString number = known.isEmpty() ? rng.mobile() : rng.pick(known).value(0).toString();
        server->ring(QString(number).remove(QLatin1Char('-')), line);
    });
}
