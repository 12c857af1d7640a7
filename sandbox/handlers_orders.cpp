// Today's orders: the live and completed order loads with their sync marks (and the cash balance
// that shares their request code), and the scenario step that moves the morning on.
#include "sandbox/handler_registry.h"
#include "sandbox/order_cash.h"
#include "sandbox/order_scenario.h"
#include "sandbox/sandbox_database.h"

#include <QDateTime>

namespace
{
// Fields of the order load: ID, USER_TYPE_CD, HD, BR, ST, "0" live / "1" completed, sync mark,
// business-to-business flag.
SandboxReply orderLoad(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    SandboxOrders::Scope scope;
    scope.userClass = f.value(1).left(1);
    scope.hd = f.value(2);
    scope.br = f.value(3);
    scope.st = f.value(4);
    const bool completed = f.value(5) == QLatin1String("1");
    const QString mark = completed ? QString() : f.value(6).left(40);
    QString next;
    const QStringList rows = SandboxOrders::loadRows(db, scope, completed, mark, &next);
    return SandboxReply::joinedRows(rows, next);
}
} // namespace

SANDBOX_HANDLER_AREA(orders)
{
    std::shared_ptr<SandboxDatabase> db = registry.database();
    if (!db)
        return;
    SandboxOrders::addArea(*db);
    SandboxCash::addArea(*db);
    registry.add(QStringLiteral("CS01_01_V07"), [db](const SandboxRequest &request) {
        if (request.callType == QLatin1String("CMM8"))
            return SandboxCash::load(*db, request);
        return orderLoad(*db, request);
    });
    registry.addScenarioStep(QStringLiteral("orders"),
                             [](SandboxDatabase &d, SandboxRandom &rng) { SandboxOrders::step(d, rng); });
    registry.addScenarioStep(QStringLiteral("cash"), [](SandboxDatabase &d, SandboxRandom &rng) { SandboxCash::step(d, rng); });
}
