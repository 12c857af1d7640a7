// A call rung by the sandbox's caller-ID server opens a reception window in the assembled
// program, with the store whose line was called and the caller as customer.
#include "e2e_fixture.h"

#include "common/program_globals.h"
#include "devices/caller_id_server_link.h"
#include "devices/ui/caller_id_install.h"
#include "main/ui/reception_host.h"
#include "main/ui/start_forms.h"
#include "records/device_records.h"
#include "records/message_records.h"
#include "records/reference_records.h"
#include "reception/ui/accept_window.h"
#include "sandbox/cid_server.h"
#include "text/phone_helpers.h"

#include <QTabWidget>

TEST_F(EndToEndTest, ARingOfTheCallerIdServerOpensAReceptionWindow)
{
    // A distributor's start loads its stores with their kinds and lines.
    startAs(QStringLiteral("branch01"), QStringLiteral("Branch!2026pw"));
    auto *acp = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(acp, nullptr);
    ASSERT_TRUE(waitForStoreDetails());
    // The call is for the line of a store of the session, or, when none has a line, for the first.
    TST_LIST store = G_ST_LIST.at(0);
    for (int i = 0; i < G_ST_LIST.count(); ++i)
        if (!G_ST_LIST.at(i).ST_TEL.trimmed().isEmpty() && G_SL_ST_TEL.contains(RemoveHyphens(G_ST_LIST.at(i).ST_TEL.trimmed()))) {
            store = G_ST_LIST.at(i);
            break;
        }

    SandboxCidServer server;
    ASSERT_TRUE(server.listen(0));
    G_CID_INFO.SERVER_IP = "127.0.0.1";
    G_CID_INFO.PORT = server.port();
    G_CID_INFO.NaeSun = "1001";
    CidServerLink *link = InstalledCidServerLink();
    ASSERT_NE(link, nullptr);
    link->firstInstance = true;
    ASSERT_TRUE(link->fnc_cid_conf());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requests().isEmpty(); }, 10000));

    server.ring(QStringLiteral("01012345678"), RemoveHyphens(store.ST_TEL.trimmed()));
    auto *w = qobject_cast<TFRM_ACCEPT *>(acp->FRM_ACP_LIST.at(0));
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return acp->tabShown(0) && !w->isHidden(); }, 10000));
    EXPECT_EQ(w->CTE_ST_NO->text(), QString(store.ST_CODE));
    EXPECT_EQ(w->CTE_CU_TEL->text(), QStringLiteral("010-1234-5678"));
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_ACP"));
    if (!qEnvironmentVariableIsEmpty("CD_SCREENSHOT_DIR"))
        window->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/caller_id_call.png"));
    link->stop();
}
