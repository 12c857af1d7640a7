// The statistics screen in the assembled program: a search of last month against the sandbox shows
// the figures the sandbox's own delivery history counts.
#include "e2e_fixture.h"

#include "grid/grid_table_model.h"
#include "grid/ui/grid_footer.h"
#include "history/statistics_grids.h"
#include "history/ui/performance_popup.h"
#include "history/ui/statistics_screen.h"
#include "main/top_menu.h"

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace
{
// The sandbox's history ends the day before its demo day (11 December 2026).
const QString kLastMonth = QStringLiteral("2026-11");

TFRM_STATISTICS *openStatistics(TFRM_MAIN *window)
{
    window->TopButtonClick(TopButton::Statistic);
    return qobject_cast<TFRM_STATISTICS *>(window->ScreenWidget(QString::fromLatin1(ScreenName::kStatistics)));
}

void searchLastMonth(TFRM_STATISTICS *screen, int tab)
{
    screen->pages()->setCurrentIndex(tab);
    const TFRM_STATISTICS::TabControls &t = screen->tab(tab);
    t.monthRange->setChecked(true);
    t.monthStart->setText(kLastMonth);
    t.monthEnd->setText(kLastMonth);
    screen->search();
}

QString footer(const TFRM_STATISTICS::TabControls &t, int tab, int field)
{
    return t.footer->text(Statistics::GridLayoutOfTab(tab).columnOfField(field));
}

void saveScreenshot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("CD_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        w->window()->grab().save(QDir(dir).filePath(name));
}
} // namespace

TEST_F(EndToEndTest, StatisticsOfLastMonthMatchTheStoresDeliveryHistory)
{
    startAs(QStringLiteral("demo"), QStringLiteral("Demo!2026desk"));
    TFRM_STATISTICS *screen = openStatistics(window);
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->isVisible());

    searchLastMonth(screen, Statistics::kPeriodTab);
    const QList<SandboxRequest> sent = requests(QStringLiteral("CS02_03_V01"));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.first().fields().mid(4, 3), (QStringList{"2", "202611", "202611"}));
    const QVariant completed = host->database()->value(
        QStringLiteral("SELECT COUNT(*) FROM delivery_history WHERE st_code = 'S000101' AND status = '4001'"
                       " AND ord_day LIKE '202611%'"));
    const QVariant cancelled = host->database()->value(
        QStringLiteral("SELECT COUNT(*) FROM delivery_history WHERE st_code = 'S000101' AND status = '4002'"
                       " AND ord_day LIKE '202611%'"));
    ASSERT_GT(completed.toInt(), 100);
    const TFRM_STATISTICS::TabControls &t = screen->tab(Statistics::kPeriodTab);
    ASSERT_EQ(t.model->rowCount(), 1);
    EXPECT_EQ(t.model->recordValue(0, 0).toString(), kLastMonth);
    EXPECT_EQ(footer(t, Statistics::kPeriodTab, 1), QLocale(QLocale::English).toString(completed.toInt()));
    EXPECT_EQ(footer(t, Statistics::kPeriodTab, 19), QString::number(cancelled.toInt()));
    EXPECT_TRUE(footer(t, Statistics::kPeriodTab, 20).endsWith('%'));
    saveScreenshot(screen, QStringLiteral("statistics_period.png"));
}

TEST_F(EndToEndTest, DistributorSeesItsStoresAndTheDetailOfOne)
{
    startAs(QStringLiteral("branch01"), QStringLiteral("Branch!2026pw"));
    TFRM_STATISTICS *screen = openStatistics(window);
    ASSERT_NE(screen, nullptr);
    searchLastMonth(screen, Statistics::kStoreTab);
    ASSERT_EQ(requests(QStringLiteral("CS02_09_V01")).size(), 1);
    const TFRM_STATISTICS::TabControls &t = screen->tab(Statistics::kStoreTab);
    const QVariant stores = host->database()->value(
        QStringLiteral("SELECT COUNT(DISTINCT st_code) FROM delivery_history WHERE br_code = 'B000101'"
                       " AND ord_day LIKE '202611%'"));
    const QVariant amount = host->database()->value(
        QStringLiteral("SELECT SUM(ord_amt) FROM delivery_history WHERE br_code = 'B000101' AND status = '4001'"
                       " AND ord_day LIKE '202611%'"));
    ASSERT_GT(stores.toInt(), 1);
    EXPECT_EQ(t.model->rowCount(), stores.toInt());
    EXPECT_EQ(footer(t, Statistics::kStoreTab, 0), QStringLiteral("전체: %1").arg(stores.toInt()));
    EXPECT_EQ(footer(t, Statistics::kStoreTab, 7), QLocale(QLocale::English).toString(amount.toLongLong()));
    saveScreenshot(screen, QStringLiteral("statistics_store.png"));

    // A double click opens the store's orders of that month, loaded week by week.
    int shownRows = -1;
    const auto previous = TFRM_STATISTICS::SetDetailRunner([&](TFRM_PPL_DETAIL_GRADE *popup) {
        shownRows = popup->model()->rowCount();
        popup->show();
        saveScreenshot(popup, QStringLiteral("statistics_detail.png"));
        popup->close();
    });
    const int record = t.model->recordOfRow(0);
    const QString code =
        t.model->recordValue(record, Statistics::GridLayoutOfTab(Statistics::kStoreTab).columnOfField(21)).toString();
    screen->openDetail(Statistics::kStoreTab, 0);
    TFRM_STATISTICS::SetDetailRunner(previous);
    EXPECT_EQ(requests(QStringLiteral("CS07_05_V02")).size(), 5); // 30 days: four weeks and two days
    const QVariant orders = host->database()->value(
        QStringLiteral("SELECT COUNT(*) FROM delivery_history WHERE st_code = ? AND status = '4001'"
                       " AND ord_day LIKE '202611%'"),
        {code});
    EXPECT_EQ(shownRows, orders.toInt());
}
