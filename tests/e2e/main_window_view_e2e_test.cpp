// What a dispatcher sees of the assembled main window after a real login against the sandbox, on a
// 1366x768 screen: nothing off-screen, nothing clipped, each side panel opened in turn. With
// CD_SCREENSHOT_DIR set, each state is also saved there as a picture to look at.
#include "e2e_fixture.h"
#include "layout_check.h"

#include "boards/ui/board_delegate.h"
#include "boards/ui/board_filter_bar.h"
#include "boards/ui/today_orders_screen.h"
#include "common/program_globals.h"
#include "grid/grid_table_model.h"
#include "main/main_globals.h"
#include "main/ui/reception_host.h"
#include "main/ui/start_forms.h"
#include "main/ui/today_orders_dock.h"
#include "main/ui/today_orders_grid_binding.h"
#include "messages/message_center.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

namespace
{
class MainWindowView : public EndToEndTest
{
protected:
    // Logs in with the window on a 1366x768 screen and waits until the start-up is over.
    void startAtScreenSize(const QString &id, const QString &password)
    {
        window->setGeometry(0, 0, 1366, 768);
        startAs(id, password);
        window->setGeometry(0, 0, 1366, 768);
        QApplication::processEvents();
    }

    void shoot(const QString &name)
    {
        const QString dir = qEnvironmentVariable("CD_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        QApplication::processEvents();
        window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    // The problems of the whole window, each prefixed with the state it was seen in.
    QStringList problemsIn(const QString &state)
    {
        QStringList out;
        for (const QString &p : LayoutCheck::Problems(window))
            out << state + QStringLiteral(": ") + p;
        return out;
    }
};

TEST_F(MainWindowView, FitsA1366By768ScreenWithEveryPanelOpen)
{
    startAtScreenSize(QStringLiteral("head01"), QStringLiteral("Head!2026pw"));
    EXPECT_LE(window->minimumSizeHint().width(), 1366);
    EXPECT_LE(window->minimumSize().width(), 1366);
    EXPECT_EQ(window->width(), 1366);

    window->TopButtonClick(TopButton::Today);
    QApplication::processEvents();
    shoot(QStringLiteral("today"));
    if (qEnvironmentVariableIsSet("CD_SCREENSHOT_DIR")) {
        const QPixmap strip = window->ATP_MAIN->grab();
        strip.scaled(strip.size() * 3).save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/strip.png"));
    }
    QStringList problems = problemsIn(QStringLiteral("today's orders"));

    QTabBar *strip = window->ATP_MAIN->tabBar();
    for (int i = 0; i < strip->count(); ++i) {
        if (!window->ATP_MAIN->isTabVisible(i))
            continue;
        const QString name = window->ATP_MAIN->tabText(i);
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(i).center());
        QApplication::processEvents();
        QWidget *panel = window->ATP_MAIN->widget(i);
        ASSERT_TRUE(panel->isVisible()) << name.toStdString();
        // The opened panel lies inside the window, beside the strip.
        const QRect onWindow(panel->mapTo(window, QPoint(0, 0)), panel->size());
        EXPECT_TRUE(window->rect().contains(onWindow))
            << name.toStdString() << " at " << onWindow.x() << "," << onWindow.y() << " " << onWindow.width() << "x"
            << onWindow.height();
        EXPECT_EQ(window->width(), 1366) << name.toStdString();
        shoot(QStringLiteral("panel%1").arg(i));
        problems += problemsIn(name);
        // A second click on the open tab slides the panel back.
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(i).center());
        QApplication::processEvents();
        EXPECT_FALSE(panel->isVisible()) << name.toStdString();
    }
    EXPECT_EQ(window->width(), 1366);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MainWindowView, TheLiveBoardShowsItsOrdersWhole)
{
    startAtScreenSize(QStringLiteral("demo"), QStringLiteral("Demo!2026desk"));
    TFRM_ORD *today = TodayOrdersScreen();
    ASSERT_NE(today, nullptr);
    window->TopButtonClick(TopButton::Today);
    ASSERT_TRUE(QTest::qWaitFor([&] { return today->CTV_MAIN->model()->rowCount() > 0; }, 15000));
    QApplication::processEvents();
    // The counters above the board count the store's orders on show: the order-path choices
    // they count under come from the code tables, which arrive after the board was made.
    TodayOrdersGridBinding *grids = TodayOrdersGrids(today);
    ASSERT_NE(grids, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return grids->bar()->countLabel(0)->text().toInt() > 0; }, 60000))
        << "total counter " << grids->bar()->countLabel(0)->text().toStdString();
    shoot(QStringLiteral("demo_board"));

    QTableView *view = today->CTV_MAIN;
    const QAbstractItemModel *m = view->model();
    const QFontMetrics fm(view->font());
    QStringList cut;
    QStringList bareMoney;
    const auto *shown = qobject_cast<BoardDelegate *>(view->itemDelegate());
    ASSERT_NE(shown, nullptr);
    for (int c = 0; c < m->columnCount(); ++c) {
        if (view->isColumnHidden(c))
            continue;
        const QString caption = m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const QString name = m->headerData(c, Qt::Horizontal, GridTableModel::kColumnNameRole).toString();
        for (int r = 0; r < m->rowCount(); ++r) {
            const QString text = shown ? shown->shownText(m->index(r, c)) : m->index(r, c).data().toString();
            // The columns a dispatcher reads the order by are never cut.
            if ((name == QLatin1String("CTV_MAIN_ORD_NO") || name == QLatin1String("CTV_MAIN_ADDR4")
                 || name == QLatin1String("CTV_MAIN_GOODS_NAME") || name == QLatin1String("CTV_MAIN_ORD_ST_NAME"))
                && fm.horizontalAdvance(text) + 8 > view->columnWidth(c))
                cut << caption + QStringLiteral(": ") + text;
            if (name == QLatin1String("CTV_MAIN_DVRY_AMT") && text.size() > 3 && !text.contains(QLatin1Char(',')))
                bareMoney << text;
        }
    }
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(bareMoney.isEmpty()) << "배달료 without separators: " << bareMoney.join(QLatin1Char(' ')).toStdString();
}

// The shell's own screens after a real login: the message panel's grid, the modify caption from the
// loaded code table, the today's-orders button starting on the first board, and the reception
// windows and the control screen's stand-in closing like ordinary windows without blocking 동기화.
TEST_F(MainWindowView, ShellScreensBehaveAfterALogin)
{
    startAtScreenSize(QStringLiteral("demo"), QStringLiteral("Demo!2026desk"));

    auto *grid = window->ATP_MAIN->widget(5)->findChild<QTableView *>(QStringLiteral("CTV_MESSAGE"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model(), &window->messageCenter->grid());

    TFRM_ORD *today = TodayOrdersScreen();
    ASSERT_NE(today, nullptr);
    today->setActivePage(TFRM_ORD::tbOrdComp);
    window->TopButtonClick(TopButton::Today);
    EXPECT_EQ(today->activePage(), TFRM_ORD::tbOrdNow);

    auto *host = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(host, nullptr);
    window->proc_Ord_Modify(QStringLiteral("20261211000019"), QStringLiteral("3001"), QStringLiteral("1"),
                            QStringLiteral("12"), QString(), QString());
    EXPECT_EQ(host->pages->tabText(5), QStringLiteral("수정[배차-12]"));
    auto *closeModify = host->FRM_MOD_LIST->findChild<QPushButton *>(QStringLiteral("CBT_CLOSE"));
    ASSERT_NE(closeModify, nullptr);
    closeModify->click();
    EXPECT_FALSE(host->tabShown(5));
    EXPECT_EQ(G_CUR_FORM, QStringLiteral("FRM_ORD")) << "back to the board the order was opened from";

    window->TopButtonClick(TopButton::Reception);
    ASSERT_TRUE(host->tabShown(0));
    emit host->pages->tabCloseRequested(0);
    EXPECT_FALSE(host->tabShown(0));
    EXPECT_TRUE(host->FRM_ACP_LIST.at(0)->isHidden());
    boxes.clear();
    window->TopButtonClick(TopButton::Refresh);
    EXPECT_FALSE(boxes.contains(QStringLiteral("I 접수창을 모두 닫은 뒤 동기화 하세요."))) << boxes.join(' ').toStdString();

    // The control screen: a window of its own; closing only hides it, the boards stay fed.
    G_USER_SET.ViewWorkControlType = QStringLiteral("1");
    window->TopButtonClick(TopButton::WorkControl);
    EXPECT_TRUE(G_WCO_OPEN);
    QWidget *control = nullptr;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->isWindow() && w->isVisible() && w->windowTitle() == QStringLiteral("배송원관제(주문관제)"))
            control = w;
    ASSERT_NE(control, nullptr);
    control->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(control->isVisible());
    EXPECT_TRUE(G_WCO_OPEN);
}
} // namespace
