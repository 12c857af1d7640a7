// What a dispatcher sees of the assembled main window after a real login against the sandbox, on a
// 1366x768 screen: nothing off-screen, nothing clipped, each side panel opened in turn. With
// CD_SCREENSHOT_DIR set, each state is also saved there as a picture to look at.
#include "layout_check.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "link/link_events.h"
#include "link/sandbox_link_fixture.h"
#include "start/close_routine.h"
#include "main/main_globals.h"
#include "main/ui/reception_host.h"
#include "main/no_processes.h"
#include "start/process_ops.h"
#include "start/program_start.h"
#include "reference/reference_test_support.h"
#include "start/start_settings.h"
#include "start/ui/app_style.h"
#include "main/ui/contract_page.h"
#include "start/ui/login_dialog.h"
#include "start/ui/login_flow.h"
#include "main/ui/main_window.h"
#include "main/ui/sound_player.h"
#include "main/ui/start_forms.h"
#include "main/ui/start_window.h"
#include "main/ui/today_orders_dock.h"
#include "main/ui/today_orders_grid_binding.h"
#include "boards/ui/board_filter_bar.h"
#include "messages/message_center.h"
#include "boards/ui/board_delegate.h"
#include "boards/ui/today_orders_screen.h"
#include "records/device_records.h"
#include "settings/settings_file.h"
#include "grid/grid_table_model.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace
{
class WindowViewNoDevices : public IStartDevices
{
public:
    QString openCallerIdPort(int, const QString &, int) override { return {}; }
    bool loadVendorLibrary() override { return false; }
    bool openVendorPort(int) override { return false; }
    QString probeSerialPrinter(int, const QString &, int) override { return {}; }
    QString connectNetworkPrinter(int, const QString &, quint16, int) override { return {}; }
    QString selectSystemPrinter(int, int) override { return {}; }
    QStringList installedPrinters() override { return {}; }
};

QStringList logLines()
{
    QFile f(DailyLogPath());
    QStringList out;
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        out << line.mid(line.indexOf(QLatin1Char('-')) + 1);
    return out;
}

class MainWindowViewTest : public SandboxLinkTest
{
protected:
    bool connectAtStart() const override { return false; }

    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        // The program's own look: its font, palette and style sheet.
        previousFont = QApplication::font();
        previousPalette = QApplication::palette();
        previousSheet = qApp->styleSheet();
        ApplyAppStyle(*qApp);
        ResetAllReference();
        ResetDeviceRecords();
        SetCloseProcessTable(&table);
        CloseRoutineSteps() = CloseSteps();
        CloseRoutineSteps().endOwnProcess = [] {};
        previousBox = SetMsgBoxHandler([this](const QString &text, const QString &kind) {
            boxes << kind + QLatin1Char(' ') + text;
            return 1;
        });
        SetStartDevices(&devices);
        previousRunner = SetContractPageRunner([](TfrmReqPay *) {});
        previousSound = SoundPlayer::SetOutput([](const QString &) {});
        SelectEdition();
        SetProductionMode();
        InstallStartInitialization();
        InstallShellForms();
        window = new TFRM_MAIN();
        QFile::remove(G_INI_PATH);
        OpenSettingsFile(G_INI_PATH);
        CreateStartForms(window);
        QApplication::restoreOverrideCursor();
        PointClientAtSandbox(*host);
        G_USER_INFO.GUBUN = QStringLiteral("R");
    }

    void TearDown() override
    {
        window->sessionTimeout.tmrSession.stop();
        window->Tag = 1;
        delete window;
        QFile::remove(G_INI_PATH);
        SetStartDevices(nullptr);
        SetContractPageRunner(previousRunner);
        SoundPlayer::SetOutput(previousSound);
        SetLoginScreenHook({});
        TFRM_MAIN::SetInitializationHook({});
        SetMsgBoxHandler(previousBox);
        SetMainWindowCloser({});
        CloseRoutineSteps() = CloseSteps();
        SetCloseProcessTable(nullptr);
        ForgetSessionLogin();
        ResetAllReference();
        qApp->setStyleSheet(previousSheet);
        QApplication::setPalette(previousPalette);
        QApplication::setFont(previousFont);
        SandboxLinkTest::TearDown();
    }

    // Logs in through the dialog with the window at 1366x768 and waits until the start-up is over.
    void startAs(const QString &id, const QString &password)
    {
        G_INI->WriteString(QStringLiteral("SESSION"), id, QStringLiteral("1200"));
        QTimer::singleShot(0, [id, password] {
            ASSERT_NE(frmLogin, nullptr);
            frmLogin->CTE_ID->setText(id);
            frmLogin->CTE_PW->setText(password);
            frmLogin->AdvGlassButton2->click();
        });
        const qsizetype before = logLines().size();
        window->setGeometry(0, 0, 1366, 768);
        window->show();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return logLines().mid(before).contains(QStringLiteral("NEW LOG : Initialize Timer End")); }, 20000));
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

    NoProcesses table;
    WindowViewNoDevices devices;
    ContractPageRunner previousRunner;
    MsgBoxHandler previousBox;
    SoundPlayer::Output previousSound;
    QStringList boxes;
    TFRM_MAIN *window = nullptr;
    QFont previousFont;
    QPalette previousPalette;
    QString previousSheet;
};

TEST_F(MainWindowViewTest, FitsA1366By768ScreenWithEveryPanelOpen)
{
    startAs(QStringLiteral("head01"), QStringLiteral("Head!2026pw"));
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
} // namespace

namespace
{
TEST_F(MainWindowViewTest, TheLiveBoardShowsItsOrdersWhole)
{
    startAs(QStringLiteral("demo"), QStringLiteral("Demo!2026desk"));
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
} // namespace

namespace
{
// The shell's own screens after a real login: the message panel's grid, the modify caption from the
// loaded code table, the today's-orders button starting on the first board, and the stand-ins of
// reception and control screens closing like ordinary windows without blocking 동기화.
TEST_F(MainWindowViewTest, ShellScreensBehaveAfterALogin)
{
    startAs(QStringLiteral("demo"), QStringLiteral("Demo!2026desk"));

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
    host->FRM_MOD_LIST->btnClose->click();
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

    // The control stand-in: a window of its own with a close button; closing frees it.
    G_USER_SET.ViewWorkControlType = QStringLiteral("1");
    window->TopButtonClick(TopButton::WorkControl);
    EXPECT_TRUE(G_WCO_OPEN);
    QWidget *control = nullptr;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->isWindow() && w->isVisible() && w->windowTitle() == QStringLiteral("배송원관제(주문관제)"))
            control = w;
    ASSERT_NE(control, nullptr);
    control->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(G_WCO_OPEN);
}
} // namespace
