#include "boards/board_drawing.h"
#include "boards/board_order_open.h"
#include "records/session_records.h"

#include "boards/board_test_grid.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace
{
BoardColours fixtureColours()
{
    BoardColours c;
    for (int tag : {1001, 1002, 2001, 3001, 3003, 4001, 4002, 4003})
        c.status.insert(tag, 0x100000u + quint32(tag));
    c.normalB = 0xEEEEEE;
    c.normalF = 0x111111;
    c.stNoChkB = 0x0000FF;
    c.stNoChkF = 0xFFFF00;
    c.dvryNoAddrB = 0xFF8000;
    c.cardCancelF = 0xFF0000;
    return c;
}

quint32 st(int tag)
{
    return 0x100000u + quint32(tag);
}

const QDateTime kNow(QDate(2026, 12, 11), QTime(10, 0, 0));

struct LookCase
{
    const char *what;
    BoardGrid grid;
    BoardRowCells cells;
    quint32 background;
    bool hasText;
    quint32 text;
    bool hasFont;
    bool bold;
};

BoardRowCells row(const QString &status)
{
    BoardRowCells r;
    r.status = status;
    r.takeoutYn = QStringLiteral("N");
    r.xyAccType = QStringLiteral("1");
    return r;
}

BoardRowCells with(BoardRowCells r, void (*edit)(BoardRowCells &))
{
    edit(r);
    return r;
}

void appOrder11s(BoardRowCells &r)
{
    r.orderPath = "1016";
    r.orderDate2 = "2026-12-11 09:59:49";
}
} // namespace

TEST(BoardDrawing, RowLooksFollowStatusAndUserColours)
{
    const BoardColours c = fixtureColours();
    const auto B = BoardGrid::Live;
    const auto C = BoardGrid::Completed;
    const auto S = BoardGrid::StoreOrders;
    const std::vector<LookCase> cases = {
        {"live received", B, row("1001"), st(1001), false, 0, true, false},
        {"live status not a number reads as received", B, row("x"), st(1001), false, 0, true, false},
        {"live 1007 has its fixed colour", B, row("1007"), 0x898C22, false, 0, true, false},
        {"live 2002 as requested", B, row("2002"), st(2001), false, 0, true, false},
        {"live 3003", B, row("3003"), st(3003), false, 0, true, false},
        {"live 4003", B, row("4003"), st(4003), false, 0, true, false},
        {"live unknown status", B, row("5001"), 0xEEEEEE, false, 0, true, false},
        {"waiting app order after 11 s", B, with(row("1001"), appOrder11s), 0x0000FF, true, 0xFFFF00, false, false},
        {"app order at exactly 10 s is not late", B,
         with(row("1001"), [](BoardRowCells &r) { r.orderPath = "1016"; r.orderDate2 = "2026-12-11 09:59:50"; }),
         st(1001), false, 0, true, false},
        {"app order with an arrival time is not waiting", B,
         with(with(row("1001"), appOrder11s), [](BoardRowCells &r) { r.arrTime = "10:20"; }), st(1001), false, 0, true, false},
        {"requested app order is not waiting", B, with(row("2001"), appOrder11s), st(2001), false, 0, true, false},
        {"unreadable order time is not waiting", B,
         with(row("1001"), [](BoardRowCells &r) { r.orderPath = "1016"; r.orderDate2 = "soon"; }), st(1001), false, 0, true, false},
        {"low accuracy delivery", B, with(row("3001"), [](BoardRowCells &r) { r.xyAccType = "3"; }), 0xFF8000, false, 0, true, false},
        {"low accuracy takeout keeps its status colour", B,
         with(row("3001"), [](BoardRowCells &r) { r.xyAccType = "3"; r.takeoutYn = "Y"; }), st(3001), false, 0, true, false},
        {"waiting app order wins over low accuracy and ignores the pay type", B,
         with(with(row("1001"), appOrder11s), [](BoardRowCells &r) { r.xyAccType = "3"; r.payType = "현금"; r.tranType = "12"; }),
         0x0000FF, true, 0xFFFF00, false, false},
        {"approval cancelled", B, with(row("1001"), [](BoardRowCells &r) { r.tranType = " 12 "; }), st(1001), true, 0xFF0000, true, false},
        {"receipt cancelled", B, with(row("1001"), [](BoardRowCells &r) { r.tranType = "22"; }), st(1001), true, 0xFF0000, true, false},
        {"approval", B, with(row("1001"), [](BoardRowCells &r) { r.tranType = "11"; }), st(1001), true, 0x111111, true, false},
        {"approval kind not a number", B, with(row("1001"), [](BoardRowCells &r) { r.tranType = "zz"; }), st(1001), true, 0x111111, true, false},
        {"cash is bold", B, with(row("2001"), [](BoardRowCells &r) { r.payType = "현금"; }), st(2001), false, 0, true, true},
        {"completed delivered", C, row("4001"), st(4001), false, 0, true, false},
        {"completed other status", C, row("3001"), 0xEEEEEE, false, 0, true, false},
        {"completed low accuracy takes the status colour", C,
         with(row("4002"), [](BoardRowCells &r) { r.xyAccType = "3"; }), st(4002), false, 0, true, false},
        {"completed card cancel and cash", C,
         with(row("4001"), [](BoardRowCells &r) { r.tranType = "12"; r.payType = "현금"; }), st(4001), true, 0xFF0000, true, true},
        {"store 1007 in the waiting colour", S, row("1007"), st(1002), false, 0, true, false},
        {"store 2002 as requested", S, row("2002"), st(2001), false, 0, true, false},
        {"store unknown status is white", S, row("9"), 0xFFFFFF, false, 0, true, false},
        {"store card cancel is red", S, with(row("1001"), [](BoardRowCells &r) { r.tranType = "22"; }), st(1001), true, 0xFF0000, true, false},
        {"store other card kind is black", S, with(row("1001"), [](BoardRowCells &r) { r.tranType = "21"; }), st(1001), true, 0x000000, true, false},
    };
    for (const LookCase &k : cases) {
        SCOPED_TRACE(k.what);
        const BoardCellLook look = BoardRowLook(k.grid, k.cells, c, kNow.toSecsSinceEpoch(), false);
        EXPECT_TRUE(look.hasBackground);
        EXPECT_EQ(look.background, k.background);
        EXPECT_EQ(look.hasText, k.hasText);
        if (k.hasText)
            EXPECT_EQ(look.text, k.text);
        EXPECT_EQ(look.hasFont, k.hasFont);
        EXPECT_EQ(look.bold, k.bold);
    }
}

TEST(BoardDrawing, SelectedRowKeepsTheSelectionColours)
{
    for (BoardGrid g : {BoardGrid::Live, BoardGrid::Completed, BoardGrid::StoreOrders})
        EXPECT_EQ(BoardRowLook(g, row("1001"), fixtureColours(), kNow.toSecsSinceEpoch(), true), BoardCellLook{});
}

TEST(BoardDrawing, CompletedGridKeepsOnlyAPureRedAddressColour)
{
    BoardColours c = fixtureColours();
    BoardRowCells low = row("4001");
    low.xyAccType = "3";
    c.dvryNoAddrB = 0xFF0000;
    EXPECT_EQ(BoardRowLook(BoardGrid::Completed, low, c, 0, false).background, 0xFF0000u);
    c.dvryNoAddrB = 0xFE0000;
    EXPECT_EQ(BoardRowLook(BoardGrid::Completed, low, c, 0, false).background, st(4001));
}

TEST(BoardDrawing, ReadsTheLookCellsOfAGridRowByColumnName)
{
    GridTableModel model;
    QList<GridColumn> cols = boardtest::boardColumns("CTV_MAIN_");
    // The pay type of the store grid is a code column in some screens: its shown name counts.
    model.setColumns(cols);
    const int r = boardtest::addRow(model, "CTV_MAIN_",
                                    {{"STATUS_CD", "1001"},
                                     {"ORD_PATH_CD", "1016"},
                                     {"ORD_DATE2", "2026-12-11 09:59:40"},
                                     {"TAKEOUT_YN", "N"},
                                     {"XY_ACC_TYPE", "3"},
                                     {"CTV_MAINPAY_TYPE_CD", "현금"},
                                     {"TRAN_TYPE", "12"}});
    const BoardRowCells cells = BoardRowCellsOf(model, r, BoardGrid::Live);
    EXPECT_EQ(cells.status, "1001");
    EXPECT_EQ(cells.payType, "현금");
    EXPECT_EQ(cells.tranType, "12");
    const BoardCellLook look = BoardRowLook(BoardGrid::Live, cells, fixtureColours(), kNow.toSecsSinceEpoch(), false);
    EXPECT_TRUE(look.waitingAppOrder);

    GridTableModel store;
    QList<GridColumn> scols = boardtest::storeColumns();
    scols[5].lookup = {{"1001", "현금"}, {"1002", "카드"}};
    store.setColumns(scols);
    const int s = boardtest::addRow(store, "CTV_TAKEOUT_", {{"ORD_STATUS_CD", "2001"}, {"PAY_TYPE_CD", "1001"}});
    EXPECT_TRUE(BoardRowLook(BoardGrid::StoreOrders, BoardRowCellsOf(store, s, BoardGrid::StoreOrders),
                             fixtureColours(), 0, false).bold);
}

TEST(BoardDrawing, StatusColoursComeFromTheSettingsKeys)
{
    BoardColours c;
    c.setStatusColour("CB_3003", ColorFromRgb(0x12, 0x34, 0x56));
    c.setStatusColour("CB_6000", ColorFromRgb(1, 2, 3)); // a same-day label: not a board colour
    c.setStatusColour("CB_x", clRed);
    c.setStatusColour("CB_1002", clWindow);
    EXPECT_EQ(c.statusColour(3003), 0x123456u);
    EXPECT_EQ(c.statusColour(1002), 0xFFFFFFu);
    EXPECT_FALSE(c.status.contains(6000));
    EXPECT_EQ(c.statusColour(4001), 0xFFFFFFu); // not set yet

    TUSER_SET set;
    set.ColorOrdDvryNoAddrB = 0xFF0000;
    c.takeUserColours(set);
    EXPECT_EQ(c.dvryNoAddrB, 0xFF0000u);
}

TEST(BoardDrawing, MemoCellsHintTheirOwnText)
{
    EXPECT_EQ(BoardCellHint("CTV_MAIN_ORD_MEMO", "문 앞에 두세요"), "문 앞에 두세요");
    EXPECT_EQ(BoardCellHint("CTV_MAIN_COMP_ORD_MEMO", "긴 메모"), "긴 메모");
    EXPECT_EQ(BoardCellHint("CTV_MAIN_ADDR4", "서울"), "");
}

TEST(BoardOrderOpen, DoubleClickOpensByOrderKind)
{
    GridTableModel live;
    live.setColumns(boardtest::boardColumns("CTV_MAIN_"));
    const auto add = [&](const QString &kind) {
        return boardtest::addRow(live, "CTV_MAIN_",
                                 {{"ORD_NO", "A" + kind}, {"STATUS_CD", "2001"}, {"TYPE_CD", kind},
                                  {"TODAY_ALL_NO", 17}, {"ORD_ST_CODE", "S01"}, {"SHARE_GROUP", "1"}});
    };
    struct Case
    {
        QString kind;
        BoardOrderOpen::Kind expect;
    };
    for (const Case &k : {Case{"1001", BoardOrderOpen::Modify}, Case{"1003", BoardOrderOpen::Modify},
                          Case{"1004", BoardOrderOpen::ModifyQuick}, Case{"1007", BoardOrderOpen::ModifyQuick},
                          Case{"1009", BoardOrderOpen::None}, Case{"", BoardOrderOpen::None}}) {
        SCOPED_TRACE(k.kind.toStdString());
        const BoardOrderOpen open = DecideBoardOrderOpen(BoardGrid::Live, live, add(k.kind));
        EXPECT_EQ(open.kind, k.expect);
        if (k.expect == BoardOrderOpen::Modify) {
            EXPECT_EQ(open.ordNo, "A" + k.kind);
            EXPECT_EQ(open.status, "2001");
            EXPECT_EQ(open.ordGubun, "1");
            EXPECT_EQ(open.dayNo, "17");
            EXPECT_EQ(open.orderType, "");
            EXPECT_EQ(open.shareGroup, "1");
            EXPECT_EQ(open.storeCode, "S01");
        }
    }

    GridTableModel comp;
    comp.setColumns(boardtest::boardColumns("CTV_MAIN_COMP_"));
    const int c = boardtest::addRow(comp, "CTV_MAIN_COMP_",
                                    {{"ORD_NO", "C1"}, {"STATUS_CD", "4001"}, {"TYPE_CD", "1002"},
                                     {"TODAY_ALL_NO", "9"}, {"SHARE_GROUP", "1"}});
    const BoardOrderOpen compOpen = DecideBoardOrderOpen(BoardGrid::Completed, comp, c);
    EXPECT_EQ(compOpen.kind, BoardOrderOpen::Modify);
    EXPECT_EQ(compOpen.shareGroup, "");
    EXPECT_EQ(compOpen.dayNo, "9");

    GridTableModel store;
    store.setColumns(boardtest::storeColumns());
    const int s = boardtest::addRow(store, "CTV_TAKEOUT_",
                                    {{"ORD_NO", "T1"}, {"ORD_STATUS_CD", "1001"}, {"ORD_TODAY_ALL_NO", "0012"},
                                     {"ORD_ST_CODE", "S02"}});
    const BoardOrderOpen storeOpen = DecideBoardOrderOpen(BoardGrid::StoreOrders, store, s);
    EXPECT_EQ(storeOpen, (BoardOrderOpen{BoardOrderOpen::Modify, "T1", "1001", "1", "0012", "2", "", "S02"}));

    EXPECT_EQ(DecideBoardOrderOpen(BoardGrid::Live, live, 999).kind, BoardOrderOpen::None);
}
