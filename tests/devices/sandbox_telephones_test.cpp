#include "tests/devices/caller_id_fixture.h"

#include "devices/caller_id_server_link.h"
#include "devices/caller_id_sources.h"
#include "devices/ui/caller_id_ports.h"
#include "sandbox/cid_server.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace
{
bool waitUntil(const std::function<bool()> &done, int ms = 5000)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}
// One ring of the sandbox reaches the client through its server link and through its serial box.
TEST(SandboxTelephones, ARingArrivesByTheServerAndByTheBox)
{
    CallerIdWorld world;
    FakeCallTargets targets;
    CallRouter router(targets);
    SetCallRouter(&router);

    SandboxCidServer server;
    ASSERT_TRUE(server.listen(0)) << server.errorString().toStdString();
    const QString box = server.openSerialBox(QString());
    ASSERT_FALSE(box.isEmpty());

    G_CID_INFO.SERVER_IP = "127.0.0.1";
    G_CID_INFO.PORT = server.port();
    G_CID_INFO.NaeSun = "1001";
    CidServerLink link;
    link.route = [](const HEADER &h) { RouteCall(h); };
    ASSERT_TRUE(link.fnc_cid_conf());
    ASSERT_TRUE(waitUntil([&] { return server.requests().size() >= 1; }));

    G_COM_CID[0].Use_yn = "1";
    G_COM_CID[0].iType = CidBox::kCallStar;
    G_COM_CID[0].CH[0] = "0000101";
    CallerIdSources sources;
    CallerIdStartDevices devices(nullptr);
    devices.chunk = [&sources](int slot, const QByteArray &bytes) { sources.serialChunk(slot, bytes); };
    ASSERT_EQ(devices.openCallerIdPort(1, box, 19200), QString());

    server.ring(QStringLiteral("010-1234-5678"), QStringLiteral("021112222"));
    ASSERT_TRUE(waitUntil([&] { return targets.opened.size() == 2; }, 6000));
    for (const ICallTargets::Opening &o : targets.opened) {
        EXPECT_EQ(o.stCode, QStringLiteral("0000101"));
        EXPECT_EQ(o.customerTel, QStringLiteral("010-1234-5678"));
    }
    EXPECT_NE(targets.opened.at(0).slot, targets.opened.at(1).slot);
    EXPECT_TRUE(server.requests().first().startsWith(QStringLiteral("1010000")));
    link.stop();
    SetCallRouter(nullptr);
}
} // namespace
