// The store-order tab's grid: it shows the board's model and its header follows the board's sort.

#include "boards/store_order_board.h"
#include "boards/ui/store_order_view.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTableView>

#include <memory>

namespace
{
QString viewStoreRow(const QString &no, const QString &status)
{
    QStringList f;
    for (int i = 0; i < 41; ++i)
        f.append(QString());
    f[0] = no;
    f[10] = status;
    f[12] = QStringLiteral("S000101");
    f[22] = QStringLiteral("2026-12-11 09:05:00");
    return f.join(QChar(0x2502));
}

QString reply(const QStringList &rows, const QString &msg)
{
    QJsonObject o;
    o.insert(QStringLiteral("OUT_CODE"), QStringLiteral("1"));
    o.insert(QStringLiteral("OUT_MSG"), msg);
    o.insert(QStringLiteral("OUT_VAL"), QStringLiteral("7"));
    o.insert(QStringLiteral("OUT_ROW1"), QJsonArray::fromStringList(rows));
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}
} // namespace

TEST(StoreOrderView, ShowsTheBoardAndFollowsItsSort)
{
    StoreOrderBoard board;
    QStringList next;
    board.setRequest([&next](const QString &, const QString &, const QString &, const QString &, int) { return next; });
    StoreOrderBoard::Hooks hooks;
    hooks.log = [](const QString &) {};
    hooks.addStore = [](const QString &) {};
    board.setHooks(hooks);

    std::unique_ptr<QTableView> view(CreateStoreOrderView(board));
    view->resize(900, 400);
    view->show();
    EXPECT_EQ(view->objectName(), "CTV_TAKEOUT");
    EXPECT_EQ(view->model(), &board.CTV_TAKEOUT());
    EXPECT_FALSE(view->verticalHeader()->isVisible());
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);

    const int noCol = board.CTV_TAKEOUT().columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_NO"));
    const int statusCol = board.CTV_TAKEOUT().columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_STATUS_CD"));
    next = {reply({viewStoreRow("A1", "2001"), viewStoreRow("A2", "1001"), viewStoreRow("A3", "4001")}, QStringLiteral("A"))};
    ASSERT_TRUE(board.proc_Load_A2_Order_new());
    ASSERT_EQ(view->model()->rowCount(), 3);
    EXPECT_EQ(view->model()->index(0, noCol).data().toString(), "A3");
    EXPECT_EQ(view->horizontalHeader()->sortIndicatorSection(), noCol);
    EXPECT_EQ(view->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);

    // A header click sorts the rows, not the records.
    view->sortByColumn(statusCol, Qt::AscendingOrder);
    EXPECT_EQ(view->model()->index(0, noCol).data().toString(), "A2");
    EXPECT_EQ(board.gsl_A2OrdNo(), QStringList({"A1", "A2", "A3"}));

    // An incremental row arrives at record 0 and takes its sorted place.
    next = {reply({viewStoreRow("A0", "1001")}, QString())};
    ASSERT_TRUE(board.proc_Load_A2_Order_new());
    EXPECT_EQ(board.gsl_A2OrdNo().first(), "A0");
    EXPECT_EQ(view->model()->rowCount(), 4);
    EXPECT_EQ(view->horizontalHeader()->sortIndicatorSection(), statusCol);

    // Reload-all with no answer empties the grid and its sort mark.
    board.reloadAll();
    next.clear();
    EXPECT_FALSE(board.proc_Load_A2_Order_new());
    EXPECT_EQ(view->model()->rowCount(), 0);
    EXPECT_EQ(board.CTV_TAKEOUT().sortColumn(), -1);
    EXPECT_EQ(view->horizontalHeader()->sortIndicatorSection(), -1);
}
