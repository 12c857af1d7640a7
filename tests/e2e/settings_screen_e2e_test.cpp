// The settings screen in the assembled program: "설정" opens it once, an option reaches the
// settings file, a hidden column leaves today's list at once.
#include "e2e_fixture.h"
#include "layout_check.h"

#include "boards/ui/today_orders_screen.h"
#include "devices/ui/settings_screen.h"
#include "main/ui/start_forms.h"
#include "records/reference_records.h"
#include "settings/settings_file.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

namespace
{
TEST_F(EndToEndTest, SettingsScreenOpensOnceWritesOptionsAndHidesColumns)
{
    startAs(QStringLiteral("demo"), QStringLiteral("Demo!2026desk"));
    window->orderPolling.poller.stop();
    window->TopButtonClick(TopButton::Config);
    auto *screen = qobject_cast<TFRM_CONFIG *>(window->ScreenWidget(QStringLiteral("FRM_CONFIG")));
    ASSERT_NE(screen, nullptr) << "the settings screen is built, not stood in for";
    ASSERT_TRUE(QTest::qWaitFor([screen] { return screen->isVisible(); }, 10000));

    // The store list of the session fills the matching grid.
    EXPECT_EQ(screen->CTV_TRS_ST_NAME->rowCount(), G_ST_LIST.count());

    auto *sameDay = screen->findChild<QAbstractButton *>(QStringLiteral("chkSameDay"));
    const bool before = sameDay->isChecked();
    sameDay->click();
    EXPECT_EQ(G_INI->ReadString(QStringLiteral("DELIVERY_SET"), QStringLiteral("DVRY_SAMEDAY"), QString()),
              before ? QStringLiteral("N") : QStringLiteral("Y"));

    // Hiding the first column of the list hides it in today's list at once.
    auto *today = qobject_cast<TFRM_ORD *>(FRM_ORD);
    ASSERT_NE(today, nullptr);
    ASSERT_GT(screen->CHK_ORD_GRID->count(), 3);
    QListWidgetItem *item = screen->CHK_ORD_GRID->item(2);
    const QString caption = item->text();
    item->setCheckState(Qt::Checked);
    EXPECT_EQ(G_INI->ReadString(QStringLiteral("ORD_COLUMN"), caption, QString()), QStringLiteral("0"));
    QAbstractItemModel *model = today->CTV_MAIN->model();
    int column = -1;
    for (int c = 0; c < model->columnCount() && column < 0; ++c)
        if (model->headerData(c, Qt::Horizontal).toString() == caption)
            column = c;
    ASSERT_GE(column, 0);
    EXPECT_TRUE(today->CTV_MAIN->isColumnHidden(column));

    window->resize(1600, 900);
    for (int i = 0; i < screen->cxPageControl1->count(); ++i) {
        if (!screen->cxPageControl1->isTabVisible(i))
            continue;
        screen->cxPageControl1->setCurrentIndex(i);
        const QStringList problems = LayoutCheck::Problems(screen);
        EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
        if (qEnvironmentVariableIsSet("CD_SCREENSHOT_DIR"))
            window->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/settings_%1.png").arg(i));
    }

    // A second press brings the same screen back without rebuilding it.
    window->TopButtonClick(TopButton::Today);
    window->TopButtonClick(TopButton::Config);
    EXPECT_EQ(window->ScreenWidget(QStringLiteral("FRM_CONFIG")), screen);
    EXPECT_EQ(screen->CHK_ORD_GRID->item(2)->checkState(), Qt::Checked);
}
} // namespace
