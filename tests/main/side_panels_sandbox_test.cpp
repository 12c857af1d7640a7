// The side panels filled from the demo world over the link, offscreen.
#include "layout_check.h"

#include "common/interface_texts.h"
#include "common/qstring_print.h"
#include "common/program_globals.h"
#include "link/sandbox_link_fixture.h"
#include "reference/reference_loaders.h"
#include "reference/reference_test_support.h"
#include "main/side_panels.h"
#include "main/ui/courier_status_panel.h"
#include "main/ui/store_status_panel.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

namespace
{
class SidePanelsSandboxTest : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        ResetAllReference();
        SetLanguageTexts();
        ASSERT_TRUE(m_dir.isValid());
        OpenSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
        // The demo head office, which sees the branches of both its regions.
        G_USER_INFO.ID = QStringLiteral("head01");
        G_USER_INFO.USER_TYPE_CD = QStringLiteral("7000");
        G_USER_INFO.HD = QStringLiteral("H0001");
        G_REINIT_DONE = true;
        proc_syscode();
        proc_HdList();
        proc_BrList();
        proc_StList();
        GetMyWorkList();
    }
    void TearDown() override
    {
        G_REINIT_DONE = false;
        CloseSettingsFile();
        ResetAllReference();
        SandboxLinkTest::TearDown();
    }
    QTemporaryDir m_dir;
};

TEST_F(SidePanelsSandboxTest, PanelsFillFromTheWorldAndKeepTheirColumnChoices)
{
    ASSERT_GT(G_ST_LIST.count(), 0);
    ASSERT_GT(G_MY_WORKER.MyWorkerArray.count(), 0);

    auto store = std::make_unique<StoreStatusPanel>();
    store->resize(1060, 600);
    store->show();
    store->fillBranches();
    EXPECT_GT(store->cbStStatusBR->count(), 1);
    EXPECT_GT(store->model().grid().rowCount(), 0);
    EXPECT_TRUE(store->footer->text().contains(QStringLiteral("접속 : ")));
    EXPECT_FALSE(store->CTV_STLIST_VIEW->isColumnHidden(CTV_STLIST_VIEW_VBANK));
    QStringList problems = LayoutCheck::Problems(store.get());
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();

    store->chkStatusAccount->setChecked(false);
    EXPECT_TRUE(store->CTV_STLIST_VIEW->isColumnHidden(CTV_STLIST_VIEW_VBANK));
    EXPECT_EQ(G_INI->ReadString(QStringLiteral("User"), QStringLiteral("MainStatusAccount"), QString()), "N");

    auto courier = std::make_unique<CourierStatusPanel>();
    courier->resize(1060, 600);
    courier->show();
    courier->fillBranchesFromLists();
    courier->procUpdateWorkerGrid(true);
    EXPECT_EQ(courier->model().grid().recordCount(), G_MY_WORKER.MyWorkerArray.count());
    // The order loader brings the couriers' states: at work waiting, driving, gone home.
    int i = 0;
    for (TMyWorker &w : G_MY_WORKER.MyWorkerArray) {
        w.WkAttendCD = i % 3 == 2 ? QStringLiteral("0002") : QStringLiteral("0001");
        w.WkAttendWorkWait = i % 3 == 0 ? 1 : 2;
        w.Wk3001Cnt = i % 3 == 1 ? 1 : 0;
        w.WKChangeYN = 1;
        ++i;
    }
    courier->procUpdateWorkerGrid(false);
    const int shown = courier->model().grid().rowCount();
    EXPECT_GT(shown, 0);
    EXPECT_LT(shown, G_MY_WORKER.MyWorkerArray.count()) << "inactive couriers and those gone home are hidden";
    EXPECT_NE(courier->countLabels[btnWorkerAll]->text(), "00");
    EXPECT_FALSE(courier->grdDataWorker->isColumnHidden(grdColWorkerBrName)) << "a head-office user sees the branch";
    problems = LayoutCheck::Problems(courier.get());
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();

    // Pressing "퇴근" shows everyone active, and "전체" goes down with it.
    courier->stateButtons[btnWorkerOut]->click();
    EXPECT_TRUE(courier->stateButtons[btnWorkerAll]->isChecked());
    EXPECT_GT(courier->model().grid().rowCount(), shown);

    // A restart: the settings file is read again and the choice comes back.
    store.reset();
    CloseSettingsFile();
    OpenSettingsFile(m_dir.filePath(QStringLiteral("settings.ini")));
    StoreStatusPanel again;
    EXPECT_FALSE(again.chkStatusAccount->isChecked());
    EXPECT_TRUE(again.chkStatusTel->isChecked());
    EXPECT_TRUE(again.CTV_STLIST_VIEW->isColumnHidden(CTV_STLIST_VIEW_VBANK));
}
} // namespace
