#include "boards/ui/board_delegate.h"
#include "boards/ui/board_grid_events.h"
#include "grid/grid_table_model.h"

#include "boards/board_test_grid.h"

#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
// The order-control screen as far as the board talks to it.
struct FakeControlScreen
{
    bool exists = false;
    bool showing = false;
    QStringList list; // its multi-dispatch grid
    QStringList calls;

    BoardEventHooks hooks()
    {
        BoardEventHooks h;
        h.controlScreenExists = [this] { return exists; };
        h.controlScreenShowing = [this] { return showing; };
        h.openControlScreen = [this] {
            calls << "open";
            exists = true;
            showing = true;
        };
        h.orderAddDelInMap = [this](const QString &no, int type) {
            calls << QStringLiteral("map %1 %2").arg(no).arg(type);
            if (list.contains(no))
                list.removeAll(no);
            else
                list << no;
        };
        h.multiDispatchHas = [this](const QString &no) { return list.contains(no); };
        h.prepareOrderPopup = [this](BoardGrid g) {
            calls << QStringLiteral("prepare %1").arg(int(g));
            return popupAgrees;
        };
        h.popupOrderMenu = [this](const QPoint &) { calls << "popup"; };
        h.openBundle = [this] { calls << "bundle"; };
        h.ensureStore = [this](const QString &st) { calls << "store " + st; };
        h.openOrder = [this](const BoardOrderOpen &o) {
            calls << QStringLiteral("%1 %2 %3 %4 %5").arg(o.kind == BoardOrderOpen::Modify ? "modify" : "quick", o.ordNo,
                                                      o.status, o.dayNo, o.shareGroup);
        };
        return h;
    }
    bool popupAgrees = true;
};

struct BoardEventsTest : ::testing::Test
{
    GridTableModel model;
    QTableView view;
    BoardSelection selection;
    FakeControlScreen screen;
    BoardGridEvents *events = nullptr;

    BoardEventsTest()
    {
        model.setColumns(boardtest::boardColumns("CTV_MAIN_"));
        boardtest::addRow(model, "CTV_MAIN_", {{"ORD_NO", "N1"}, {"STATUS_CD", "1001"}, {"TYPE_CD", "1001"},
                                                {"TODAY_ALL_NO", 5}, {"ORD_ST_CODE", "S1"}, {"CHK", false}});
        boardtest::addRow(model, "CTV_MAIN_", {{"ORD_NO", "N2"}, {"STATUS_CD", "2001"}, {"TYPE_CD", "1009"},
                                                {"ORD_GRP_NO", "G7"}, {"CHK", false}});
        boardtest::addRow(model, "CTV_MAIN_", {{"ORD_NO", "N3"}, {"STATUS_CD", "2002"}, {"TYPE_CD", "1005"},
                                                {"TODAY_ALL_NO", 8}, {"ORD_ST_CODE", "S3"}, {"SHARE_GROUP", "1"},
                                                {"CHK", false}});
        view.setModel(&model);
        view.resize(900, 300);
        view.show();
        events = new BoardGridEvents(&view, BoardGrid::Live, &model, &selection, screen.hooks());
    }

    QPoint cellPos(int row, const QString &column)
    {
        return view.visualRect(model.index(row, model.columnIndex(column))).center();
    }
    void click(int row, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {},
               const QString &column = "CTV_MAIN_ORD_NO")
    {
        QTest::mouseClick(view.viewport(), button, mods, cellPos(row, column));
    }
    bool ticked(int row) { return model.recordValue(row, model.columnIndex("CTV_MAIN_CHK")).toBool(); }
};
} // namespace

TEST_F(BoardEventsTest, CtrlClickFirstOpensTheControlScreenThenTicksAndAdds)
{
    click(1, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(selection.FSELECT_ORD_NO, "N2");
    EXPECT_EQ(screen.calls, QStringList{"open"});
    EXPECT_FALSE(ticked(1));

    screen.calls.clear();
    click(1, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(screen.calls, QStringList{"map N2 1"});
    EXPECT_TRUE(ticked(1));
    EXPECT_EQ(screen.list, QStringList{"N2"});

    // A screen that exists but is hidden is shown and gets the order; the box is not touched.
    screen.calls.clear();
    screen.showing = false;
    click(2, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(screen.calls, (QStringList{"open", "map N3 1"}));
    EXPECT_FALSE(ticked(2));
}

TEST_F(BoardEventsTest, CheckBoxFeedsTheMultiDispatchListOnlyWithRequestedOrders)
{
    screen.exists = screen.showing = true;
    // A received order may be ticked but goes nowhere.
    click(0, Qt::LeftButton, {}, "CTV_MAIN_CHK");
    EXPECT_TRUE(ticked(0));
    EXPECT_EQ(selection.FSELECT_ORD_NO, "N1");
    EXPECT_TRUE(screen.calls.isEmpty());

    click(1, Qt::LeftButton, {}, "CTV_MAIN_CHK");
    EXPECT_TRUE(ticked(1));
    EXPECT_EQ(screen.list, QStringList{"N2"});
    // Unticking takes it out again.
    click(1, Qt::LeftButton, {}, "CTV_MAIN_CHK");
    EXPECT_FALSE(ticked(1));
    EXPECT_TRUE(screen.list.isEmpty());

    // Ticking an order the list already holds does not toggle it out.
    screen.list = QStringList{"N3"};
    screen.calls.clear();
    click(2, Qt::LeftButton, {}, "CTV_MAIN_CHK");
    EXPECT_TRUE(ticked(2));
    EXPECT_TRUE(screen.calls.isEmpty());

    // Without the order-control screen showing, boxes change alone.
    screen.showing = false;
    click(2, Qt::LeftButton, {}, "CTV_MAIN_CHK");
    EXPECT_EQ(screen.list, QStringList{"N3"});
}

TEST_F(BoardEventsTest, RightClicksOpenTheMenuOrTheBundleForm)
{
    click(0, Qt::RightButton);
    EXPECT_EQ(screen.calls, (QStringList{"prepare 0", "popup"}));

    screen.calls.clear();
    screen.popupAgrees = false;
    click(0, Qt::RightButton);
    EXPECT_EQ(screen.calls, QStringList{"prepare 0"});

    screen.calls.clear();
    click(0, Qt::RightButton, Qt::AltModifier); // received: no bundle
    EXPECT_TRUE(screen.calls.isEmpty());
    click(1, Qt::RightButton, Qt::AltModifier);
    EXPECT_EQ(screen.calls, QStringList{"bundle"});
    EXPECT_EQ(selection.FPOP_ORDER_NO, "N2");
    EXPECT_EQ(selection.FPOP_ORD_GRP_NO, "G7");
}

TEST_F(BoardEventsTest, DoubleClickOpensTheOrderByKind)
{
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cellPos(0, "CTV_MAIN_ORD_NO"));
    EXPECT_EQ(screen.calls, (QStringList{"store S1", "modify N1 1001 5 "}));

    screen.calls.clear();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cellPos(1, "CTV_MAIN_ORD_NO")); // same day
    EXPECT_TRUE(screen.calls.isEmpty());

    QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, cellPos(2, "CTV_MAIN_ORD_NO"));
    EXPECT_FALSE(screen.calls.contains("store S3"));
    screen.calls.clear();
    events->cellDoubleClicked(Qt::LeftButton, {});
    EXPECT_EQ(screen.calls, (QStringList{"store S3", "quick N3 2002 8 "}));
}

TEST_F(BoardEventsTest, ArrowKeysFollowTheFocusedRow)
{
    view.setFocus();
    view.setCurrentIndex(model.index(0, model.columnIndex("CTV_MAIN_ORD_NO")));
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(selection.FSELECT_ORD_NO, "N2");
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(selection.FSELECT_ORD_NO, "N3");
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(selection.FSELECT_ORD_NO, "N2");
}

// A poll rebuilds the grid in a new order while the menu of a right-clicked order is open: the
// focus stays on that order, so the menu's actions still act on it.
TEST_F(BoardEventsTest, TheFocusFollowsTheOrderWhenThePollRebuildsTheGrid)
{
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, view.visualRect(model.index(1, 2)).center());
    ASSERT_EQ(selection.FSELECT_ORD_NO, QStringLiteral("N2"));
    const auto focusedOrder = [&] {
        const QModelIndex i = view.currentIndex();
        return BoardCellText(model, i.data(GridTableModel::kRecordRole).toInt(), QStringLiteral("CTV_MAIN_ORD_NO"));
    };
    ASSERT_EQ(focusedOrder(), QStringLiteral("N2"));

    // Sorted anew, and rebuilt from scratch with the rows in another order.
    model.sort(model.columnIndex(QStringLiteral("CTV_MAIN_ORD_NO")), Qt::DescendingOrder);
    EXPECT_EQ(focusedOrder(), QStringLiteral("N2"));
    model.beginUpdate();
    model.clearRecords();
    boardtest::addRow(model, "CTV_MAIN_", {{"ORD_NO", "N9"}, {"STATUS_CD", "1001"}});
    boardtest::addRow(model, "CTV_MAIN_", {{"ORD_NO", "N3"}, {"STATUS_CD", "2002"}});
    boardtest::addRow(model, "CTV_MAIN_", {{"ORD_NO", "N2"}, {"STATUS_CD", "2001"}});
    model.endUpdate();
    EXPECT_EQ(focusedOrder(), QStringLiteral("N2"));
    EXPECT_EQ(selection.FSELECT_ORD_NO, QStringLiteral("N2"));
}

TEST(BoardGridEvents, CompletedAndStoreGridsKeepTheirOwnFields)
{
    GridTableModel comp;
    comp.setColumns(boardtest::boardColumns("CTV_MAIN_COMP_"));
    boardtest::addRow(comp, "CTV_MAIN_COMP_", {{"ORD_NO", "C1"}, {"STATUS_CD", "4001"}});
    QTableView compView;
    compView.setModel(&comp);
    compView.resize(600, 200);
    compView.show();
    BoardSelection sel;
    FakeControlScreen screen;
    new BoardGridEvents(&compView, BoardGrid::Completed, &comp, &sel, screen.hooks());
    QTest::mouseClick(compView.viewport(), Qt::RightButton, {}, compView.visualRect(comp.index(0, 0)).center());
    EXPECT_EQ(sel.FSELECT_ORD_NO_COMP, "C1");
    EXPECT_EQ(sel.FSELECT_ORD_NO, "");
    EXPECT_EQ(screen.calls, (QStringList{"prepare 1", "popup"}));

    GridTableModel store;
    store.setColumns(boardtest::storeColumns());
    boardtest::addRow(store, "CTV_TAKEOUT_", {{"ORD_NO", "T1"}, {"ORD_STATUS_CD", "1001"}, {"ORD_ST_CODE", "S9"},
                                               {"ORD_TODAY_ALL_NO", "3"}});
    QTableView storeView;
    storeView.setModel(&store);
    storeView.resize(600, 200);
    storeView.show();
    screen.calls.clear();
    new BoardGridEvents(&storeView, BoardGrid::StoreOrders, &store, &sel, screen.hooks());
    const QPoint p = storeView.visualRect(store.index(0, 0)).center();
    QTest::mouseClick(storeView.viewport(), Qt::LeftButton, {}, p); // only the right button counts
    EXPECT_EQ(sel.FSELECT_ORD_NO, "");
    QTest::mouseClick(storeView.viewport(), Qt::RightButton, {}, p);
    EXPECT_EQ(sel.FSELECT_ORD_NO, "T1");
    screen.calls.clear();
    QTest::mouseDClick(storeView.viewport(), Qt::LeftButton, {}, p);
    EXPECT_EQ(screen.calls, (QStringList{"store S9", "modify T1 1001 3 "}));
}

TEST(BoardDelegate, PaintsThroughAProxyAndLeavesSelectedRowsAlone)
{
    GridTableModel model;
    model.setColumns(boardtest::boardColumns("CTV_MAIN_"));
    boardtest::addRow(model, "CTV_MAIN_", {{"ORD_NO", "N1"}, {"STATUS_CD", "3001"}, {"CHK", true}});
    boardtest::addRow(model, "CTV_MAIN_", {{"ORD_NO", "N2"}, {"STATUS_CD", "1007"}, {"CHK", false}});
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.sort(model.columnIndex("CTV_MAIN_ORD_NO"), Qt::DescendingOrder);
    QTableView view;
    view.setModel(&proxy);
    BoardColours colours;
    colours.status.insert(3001, 0x303030);
    BoardDelegate *d = InstallBoardDelegate(&view, BoardGrid::Live, &model, [&] { return colours; });

    // Row 0 of the proxy is N2.
    EXPECT_EQ(d->lookOf(proxy.index(0, 0), false).background, kStatus1007Rgb);
    EXPECT_EQ(d->lookOf(proxy.index(1, 0), false).background, 0x303030u);
    EXPECT_FALSE(d->lookOf(proxy.index(1, 0), true).hasBackground);
    // A colour the user picks shows at the next paint.
    colours.status.insert(3001, 0x404040);
    EXPECT_EQ(d->lookOf(proxy.index(1, 0), false).background, 0x404040u);
}

TEST(BoardDelegate, FindsItsColumnsAgainWhenTheGridGetsNewOnes)
{
    GridTableModel model;
    QList<GridColumn> cols = boardtest::boardColumns("CTV_MAIN_");
    const GridColumn status = cols.takeAt(2);
    model.setColumns(cols);
    boardtest::addRow(model, "CTV_MAIN_", {{"ORD_NO", "N1"}});
    QTableView view;
    view.setModel(&model);
    BoardColours colours;
    colours.status.insert(1001, 0x101010);
    colours.status.insert(3001, 0x303030);
    BoardDelegate *d = InstallBoardDelegate(&view, BoardGrid::Live, &model, [&] { return colours; });
    EXPECT_EQ(d->lookOf(model.index(0, 0), false).background, 0x101010u); // no status column: received

    cols.append(status);
    model.setColumns(cols);
    model.setRecordValue(0, model.columnIndex("CTV_MAIN_STATUS_CD"), "3001");
    EXPECT_EQ(d->lookOf(model.index(0, 0), false).background, 0x303030u);
}
