// Same-day orders and their logistics legs: the loads with their sync marks, the desks' status
// changes and hub unloadings (written to the database, so the next load brings them back), and
// the scenario step that moves the day on.
#include "sandbox/handler_registry.h"
#include "sandbox/same_day_scenario.h"
#include "sandbox/sandbox_database.h"

namespace
{
// Fields of the same-day load: ID, user class, HD, BR, kind, "0" live / "1" completed, mark.
SandboxReply sameDayLoad(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const QString kind = f.value(4);
    if (kind != QLatin1String("1") && kind != QLatin1String("2") && kind != QLatin1String("3"))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("조회 구분이 올바르지 않습니다."));
    SandboxSameDay::Scope scope{f.value(1).left(1), f.value(2), f.value(3), QString()};
    const bool completed = f.value(5) == QLatin1String("1");
    QString next;
    const QStringList rows =
        SandboxSameDay::loadRows(db, scope, completed, completed ? QString() : f.value(6).left(40), &next);
    return SandboxReply::joinedRows(rows, next);
}

// Fields of the logistics load: ID, user class, HD, BR, BR_ST_CODE, "1", mark. A full answer
// says so with an OUT_MSG beginning with "A".
SandboxReply legLoad(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    SandboxSameDay::Scope scope{f.value(1).left(1), f.value(2), f.value(3), f.value(4)};
    QString next;
    bool full = false;
    const QStringList rows = SandboxSameDay::loadLegs(db, scope, f.value(6).left(40), &next, &full);
    SandboxReply reply = SandboxReply::joinedRows(rows, next);
    reply.outMsg = full ? QStringLiteral("ALL") : QStringLiteral("CHG");
    return reply;
}

SandboxReply outcome(const SandboxSameDay::Outcome &o)
{
    return SandboxReply::code(o.ok ? QStringLiteral("1") : QStringLiteral("0"), o.message);
}
} // namespace

SANDBOX_HANDLER_AREA(same_day)
{
    std::shared_ptr<SandboxDatabase> db = registry.database();
    if (!db)
        return;
    SandboxSameDay::addArea(*db);
    registry.add(QStringLiteral("CS01_32_V02"), [db](const SandboxRequest &request) { return sameDayLoad(*db, request); });
    registry.add(QStringLiteral("CS01_43_V02"), [db](const SandboxRequest &request) { return legLoad(*db, request); });
    // Status change: order number, ID, user class, current status, new status, cancel reason, "", "".
    registry.add(QStringLiteral("CS01_34_V01"), [db](const SandboxRequest &request) {
        const QStringList f = request.fields();
        return outcome(SandboxSameDay::changeStatus(*db, f.value(0).left(40), f.value(3).left(8), f.value(4).left(8),
                                                    f.value(5).left(20)));
    });
    // Unloading at the hub: order number, ID, user class, "", "", "".
    registry.add(QStringLiteral("CS01_45_V01"), [db](const SandboxRequest &request) {
        return outcome(SandboxSameDay::arrive(*db, request.fields().value(0).left(40)));
    });
    registry.addScenarioStep(QStringLiteral("same_day"),
                             [](SandboxDatabase &d, SandboxRandom &rng) { SandboxSameDay::step(d, rng); });
}
