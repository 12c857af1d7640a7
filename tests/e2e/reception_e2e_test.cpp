// The reception windows in the assembled program: opened from the top menu and from a call,
// filled from the session's stores and groups, and closed back to where the user was.
#include "e2e_fixture.h"

#include "common/program_globals.h"
#include "grid/grid_table_model.h"
#include "main/top_menu.h"
#include "main/ui/reception_host.h"
#include "main/ui/start_forms.h"
#include "records/reference_records.h"
#include "reception/ui/accept_window.h"
#include "reference/reference_state.h"

#include <QComboBox>
#include <QStackedWidget>
#include <QTabWidget>

TEST_F(EndToEndTest, ReceptionWindowsOpenFromTheMenuAndACallAndCloseBack)
{
    // A distributor's start loads its stores with their kinds and groups.
    startAs(QStringLiteral("branch01"), QStringLiteral("Branch!2026pw"));
    auto *acp = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(acp, nullptr);
    // The stores and groups arrive with the start-up's reference loads.
    ASSERT_TRUE(waitForStoreDetails());
    window->TopButtonClick(TopButton::Today);
    ASSERT_EQ(G_CUR_FORM, QStringLiteral("FRM_ORD"));
    G_HAS_QUICK_STORE = false;  // no question which kind of window
    window->TopButtonClick(TopButton::Reception);
    auto *first = qobject_cast<TFRM_ACCEPT *>(acp->FRM_ACP_LIST.at(0));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(acp->tabShown(0));
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_ACP"));
    EXPECT_FALSE(first->CTE_ST_NO->text().isEmpty());
    EXPECT_FALSE(first->CTE_ST_NAME->text().isEmpty());
    EXPECT_GT(first->stores->recordCount(), 0);
    EXPECT_GE(first->groups->recordCount(), 1) << "at least the store's own group";
    EXPECT_FALSE(first->CGB_ACC->isHidden());
    EXPECT_TRUE(first->GB_LOAD);

    if (!qEnvironmentVariableIsEmpty("CD_SCREENSHOT_DIR"))
        window->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/reception_demo.png"));

    // A call for the second store of the list takes the next window and tab.
    ASSERT_GE(G_ST_LIST.count(), 1);
    const TST_LIST &store = G_ST_LIST.at(G_ST_LIST.count() > 1 ? 1 : 0);
    ReceptionWindow *second = acp->proc_New_Call(
        ReceptionCall{store.ST_CODE, store.ST_NAME, store.TEL_TYPE_CD, G_ST_LIST.count() > 1 ? 1 : 0,
                      QStringLiteral("01055556666"), true},
        ReceptionReturnScreen(G_CUR_FORM));
    ASSERT_EQ(second, acp->FRM_ACP_LIST.at(1));
    EXPECT_TRUE(acp->tabShown(1));
    EXPECT_EQ(acp->pages->currentIndex(), 1);
    EXPECT_EQ(qobject_cast<TFRM_ACCEPT *>(second)->CTE_CU_TEL->text(), QStringLiteral("01055556666"));

    // Closing one keeps the host in front with the other; closing the last returns to today's orders.
    first->proc_Close_Accept();
    EXPECT_FALSE(acp->tabShown(0));
    EXPECT_EQ(acp->pages->currentIndex(), 1);
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_ACP"));
    qobject_cast<TFRM_ACCEPT *>(second)->proc_Close_Accept();
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_ORD"));
    EXPECT_FALSE(acp->anyTabShown());

    // Opened from the home page, closing brings today's orders to the front with their name.
    window->TopButtonClick(TopButton::Home);
    window->TopButtonClick(TopButton::Reception);
    ASSERT_EQ(first->GI_ORD, 0);
    first->proc_Close_Accept();
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_ORD"));
    EXPECT_EQ(window->pnlMainBoard->currentWidget(), window->ScreenWidget(QStringLiteral("FRM_ORD")));
}
