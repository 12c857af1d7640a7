// A dispatcher types a known customer's number and gets the customer, the last address and the
// fee; then searches a place and gets its address, coordinates and a new fee.
#include "e2e_fixture.h"

#include "grid/grid_table_model.h"
#include "main/top_menu.h"
#include "main/ui/reception_host.h"
#include "main/ui/start_forms.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reception/ui/accept_window.h"

#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QLineEdit>
#include <QSpinBox>

TEST_F(EndToEndTest, CustomerLookupFillsTheAddressAndTheFeeAndTheSearchFindsAPlace)
{
    startAs(QStringLiteral("branch01"), QStringLiteral("Branch!2026pw"));
    auto *acp = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(acp, nullptr);
    ASSERT_TRUE(waitForStoreDetails());
    window->TopButtonClick(TopButton::Today);
    G_HAS_QUICK_STORE = false;
    G_USER_SET.AddrPopup = "N";
    G_USER_SET.SearchAutoDaum = "Y";
    window->TopButtonClick(TopButton::Reception);
    auto *w = qobject_cast<TFRM_ACCEPT *>(acp->FRM_ACP_LIST.at(0));
    ASSERT_NE(w, nullptr);
    ASSERT_FALSE(w->CTE_ST_NO->text().isEmpty());
    ASSERT_TRUE(w->CCB_O8->currentData().isValid()) << "the store's delivery group is chosen";

    // Every demo store knows the customer 010-1234-5678.
    w->CTE_CU_TEL->setText(QStringLiteral("010-1234-5678"));
    w->proc_Load_Customer();
    const QList<SandboxRequest> lookups = requests(QStringLiteral("CS01_03_V02"));
    ASSERT_EQ(lookups.size(), 1);
    EXPECT_EQ(lookups.first().fields(), (QStringList{w->CTE_ST_NO->text(), QStringLiteral("01012345678")}));
    EXPECT_FALSE(w->CTE_CU_NAME->text().isEmpty());
    EXPECT_EQ(w->edCustName->text(), w->CTE_CU_NAME->text());
    EXPECT_GT(w->custOrders->recordCount(), 0);
    EXPECT_FALSE(w->CTE_ADDR1->text().isEmpty());
    EXPECT_FALSE(w->CTE_CU_MAP_X->text().isEmpty());
    ASSERT_EQ(requests(QStringLiteral("CS01_09_V04")).size(), 1);
    EXPECT_GE(w->CSE_DEL_FEE->value(), 3000);
    EXPECT_TRUE(w->CLB_DIS->text().endsWith(QStringLiteral("Km")));
    EXPECT_EQ(w->cxPageControl1->currentIndex(), 3) << "the address page opens to confirm the address";

    // The store's own place is found by the keyword search of the sandbox's address world.
    const QString before = w->CTE_CU_MAP_Y->text();
    w->CTE_ADDR_WORD_S2->setText(w->CTE_ST_NAME->text());
    w->CCB_DISTANCE->setCurrentText(QStringLiteral("20"));
    w->proc_Load_Addr_Daum(1);
    EXPECT_GT(w->addrResults->recordCount(), 0);
    EXPECT_FALSE(w->CTE_AREA1->text().isEmpty());
    EXPECT_FALSE(w->CTE_CU_MAP_X->text().isEmpty());
    EXPECT_NE(w->CTE_CU_MAP_Y->text(), before);
    EXPECT_EQ(requests(QStringLiteral("CS01_09_V04")).size(), 2) << "the new address asks for the fee";
    EXPECT_GE(w->CSE_DEL_FEE->value(), 3000);
    // Leaving the detail address unchanged asks nothing more.
    w->proc_Delivery_Charge(false);
    EXPECT_EQ(requests(QStringLiteral("CS01_09_V04")).size(), 2);
    if (!qEnvironmentVariableIsEmpty("CD_SCREENSHOT_DIR"))
        window->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/reception_customer_fee.png"));

    // The name and memo are saved for the store.
    w->CTE_CU_MEMO->setText(QStringLiteral("벨 누르지 마세요"));
    w->proc_Save_Customer();
    const QList<SandboxRequest> saves = requests(QStringLiteral("CS01_04_V01"));
    ASSERT_EQ(saves.size(), 1);
    EXPECT_EQ(saves.first().fields().value(4), QStringLiteral("벨 누르지 마세요"));
}
