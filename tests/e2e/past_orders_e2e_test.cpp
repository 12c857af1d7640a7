// The past-orders screen in the assembled program: the demo store finds last week's orders,
// narrows them, exports them and reopens one in the modify window.
#include "e2e_fixture.h"
#include "layout_check.h"

#include "boards/order_board_columns.h"
#include "grid/ui/grid_export.h"
#include "history/past_orders_rows.h"
#include "history/ui/past_orders_screen.h"
#include "main/ui/reception_host.h"
#include "main/ui/start_forms.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

namespace
{
TEST_F(EndToEndTest, PastOrdersFindLastWeekFilterExportAndReopen)
{
    startAs(QStringLiteral("demo"), QStringLiteral("Demo!2026desk"));
    window->orderPolling.poller.stop();
    window->TopButtonClick(TopButton::Past);
    auto *past = qobject_cast<TFRM_ORD_OLD *>(FRM_ORD_OLD);
    ASSERT_NE(past, nullptr) << "the past-orders screen is built, not stood in for";
    ASSERT_TRUE(QTest::qWaitFor([past] { return past->isVisible(); }, 10000));
    EXPECT_EQ(past->pgOrder->currentWidget(), past->pgOrderNormal);

    host->clearReceived();
    boxes.clear();
    past->applyPeriodTag(17, QStringLiteral("최근일주일"));
    const QList<SandboxRequest> sent = requests(QStringLiteral("CS01_50_V02"));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.first().callType, QStringLiteral("ADM3"));
    EXPECT_EQ(sent.first().pageCount, QStringLiteral("10000"));
    GridTableModel &grid = past->CTV_MAIN;
    ASSERT_GT(grid.recordCount(), 30) << "a week of the demo store's orders";
    const int store = PastGeneralColumn(BoardCol::ORD_ST_CODE);
    for (int r = 0; r < grid.recordCount(); ++r)
        ASSERT_EQ(grid.recordValue(r, store).toString(), G_USER_INFO.ST);
    EXPECT_EQ(past->countLabels.at(0)->text(), QString::number(grid.rowCount()));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char('\n')).toStdString();
    window->resize(1600, 900);
    const QStringList problems = LayoutCheck::Problems(past);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    if (qEnvironmentVariableIsSet("CD_SCREENSHOT_DIR"))
        window->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/past_orders.png"));

    // The store's own orders of the same week, newest first.
    past->pgOrder->setCurrentWidget(past->pgA2Ord);
    past->CBT_SEARCHClick();
    ASSERT_EQ(requests(QStringLiteral("CS01_51_V01")).size(), 1);
    EXPECT_GT(past->CTV_TAKEOUT.recordCount(), 5);
    const int shopDate = past->CTV_TAKEOUT.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_DATE"));
    EXPECT_GE(past->CTV_TAKEOUT.recordValue(0, shopDate).toString(),
              past->CTV_TAKEOUT.recordValue(past->CTV_TAKEOUT.recordCount() - 1, shopDate).toString());
    EXPECT_EQ(past->countLabels.at(0)->text(), QString::number(past->CTV_TAKEOUT.rowCount()));
    past->pgOrder->setCurrentWidget(past->pgOrderNormal);

    // Only the cancelled orders.
    past->CBT_ST_ALL->click();
    ASSERT_EQ(past->statusButtons.at(5)->text(), QStringLiteral("취소"));
    past->statusButtons.at(5)->click();
    const int cancelled = grid.rowCount();
    EXPECT_GT(cancelled, 0);
    EXPECT_LT(cancelled, grid.recordCount());
    EXPECT_EQ(past->countLabels.at(6)->text(), QString::number(cancelled));

    // The export writes what the grid shows.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString opened;
    const ExportOpenHandler previous = SetExportOpenHandler([&opened](const QString &f) { opened = f; });
    PastOrdersHooks hooks = PastOrdersProgramHooks();
    hooks.chooseFile = [&dir](const QString &proposed) {
        EXPECT_TRUE(proposed.endsWith(QStringLiteral("내역.xlsx")));
        return dir.filePath(proposed);
    };
    past->setHooks(hooks);
    past->btnOrdOldExcelSave->click();
    SetExportOpenHandler(previous);
    EXPECT_FALSE(opened.isEmpty());
    EXPECT_GT(QFileInfo(opened).size(), 1000);

    // A double click reopens the order in the modify window.
    const int record = grid.recordOfRow(0);
    const QString no = grid.recordValue(record, PastGeneralColumn(BoardCol::ORD_NO)).toString();
    QTableView *view = past->cxGrid1;
    QRect rect;
    for (int c = 0; c < view->model()->columnCount() && !rect.isValid(); ++c)
        if (!view->isColumnHidden(c))
            rect = view->visualRect(view->model()->index(0, c));
    ASSERT_TRUE(rect.isValid());
    // A double click as the desktop delivers it: a press, then the double click.
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    auto *receptions = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(receptions, nullptr);
    ASSERT_NE(receptions->FRM_MOD_LIST, nullptr);
    EXPECT_FALSE(receptions->FRM_MOD_LIST->isHidden());
    EXPECT_EQ(receptions->FRM_MOD_LIST->CTE_ORD_NO->text(), no);
}
} // namespace
