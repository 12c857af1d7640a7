#include "boards/ui/board_export.h"
#include "boards/ui/board_layout_keeper.h"
#include "grid/grid_table_model.h"
#include "grid/ui/grid_export.h"
#include "grid/ui/grid_layout_view.h"
#include "grid/xlsx_reader.h"
#include "settings/settings_file.h"

#include "boards/board_test_grid.h"

#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
struct BoardUiTest : ::testing::Test
{
    QTemporaryDir dir;
    BoardUiTest() { OpenSettingsFile(dir.filePath("board_env.ini")); }
    ~BoardUiTest() override { CloseSettingsFile(); }

    static int logical(QTableView &v, const QString &name)
    {
        QHeaderView *h = v.horizontalHeader();
        for (int l = 0; l < h->count(); ++l)
            if (HeaderColumnName(h, l) == name)
                return l;
        return -1;
    }
    static bool shown(QTableView &v, const QString &name) { return !v.horizontalHeader()->isSectionHidden(logical(v, name)); }
};

QSet<QString> liveInternal()
{
    return BoardInternalColumns(BoardGrid::Live);
}
} // namespace

TEST_F(BoardUiTest, LayoutSurvivesARestartAndInternalColumnsStayHidden)
{
    GridTableModel model;
    model.setColumns(boardtest::boardColumns("CTV_MAIN_"));
    {
        QTableView view;
        view.setModel(&model);
        BoardLayoutKeeper keeper(view.horizontalHeader(), LiveBoardLayoutRules("1"), liveInternal());
        keeper.load();
        EXPECT_EQ(view.horizontalHeader()->visualIndex(logical(view, "CTV_MAIN_CHK")), 0);
        EXPECT_FALSE(shown(view, "CTV_MAIN_EXCEL_ADDR"));
        // The user drags the order number to position 2 and widens the memo: written at once.
        QHeaderView *h = view.horizontalHeader();
        h->moveSection(h->visualIndex(logical(view, "CTV_MAIN_ORD_NO")), 2);
        h->resizeSection(logical(view, "CTV_MAIN_ORD_MEMO"), 321);
        EXPECT_EQ(G_INI->ReadString("MAIN_GIRD", "Name_2", ""), "CTV_MAIN_ORD_NO");
        EXPECT_FALSE(G_INI->ValueExists("MAIN_GIRD", "Name_0"));
        // The check-box column does not leave the front.
        h->moveSection(h->visualIndex(logical(view, "CTV_MAIN_CHK")), 5);
        EXPECT_EQ(h->visualIndex(logical(view, "CTV_MAIN_CHK")), 0);
        EXPECT_EQ(G_INI->ReadString("MAIN_GIRD", "Name_2", ""), "CTV_MAIN_ORD_NO");
        // A hidden column keeps a real width in the file, not the 0 of a hidden section.
        const int excel = h->visualIndex(logical(view, "CTV_MAIN_EXCEL_ADDR"));
        EXPECT_GT(G_INI->ReadInteger("MAIN_GIRD", QStringLiteral("Width_%1").arg(excel), 0), 0);
    }
    // Someone edits the file to show an internal column.
    G_INI->WriteString("MAIN_GIRD", "Visible_19", "1");
    G_INI->WriteString("ORD_COLUMN", "배달료", "0");

    QTableView again;
    again.setModel(&model);
    BoardLayoutKeeper keeper(again.horizontalHeader(), LiveBoardLayoutRules("3"), liveInternal());
    keeper.load();
    QHeaderView *h = again.horizontalHeader();
    EXPECT_EQ(h->visualIndex(logical(again, "CTV_MAIN_ORD_NO")), 2);
    EXPECT_EQ(h->sectionSize(logical(again, "CTV_MAIN_ORD_MEMO")), 321);
    EXPECT_FALSE(shown(again, "CTV_MAIN_EXCEL_ADDR"));
    EXPECT_FALSE(shown(again, "CTV_MAIN_SHARE_GROUP"));
    EXPECT_FALSE(shown(again, "CTV_MAIN_DVRY_AMT"));
    EXPECT_FALSE(shown(again, "CTV_MAIN_CHK")); // not the order-control screen
    EXPECT_TRUE(shown(again, "CTV_MAIN_STATUS_CD"));
}

TEST_F(BoardUiTest, LiveAndCompletedBoardsExportTheSpreadsheetCopies)
{
    GridTableModel live;
    live.setColumns(boardtest::boardColumns("CTV_MAIN_"));
    // An order of an allowed path carries the copies; another one has them empty.
    boardtest::addRow(live, "CTV_MAIN_", {{"TODAY_ALL_NO", 1}, {"ORD_NO", "N1"}, {"ADDR4", "서울 중구 1"},
                                          {"CU_TEL", "010-1111-2222"}, {"EXCEL_ADDR", "서울 중구 1"},
                                          {"EXCEL_CU_TEL", "010-1111-2222"}, {"EXCEL_CU_NAME", "김철수"}});
    boardtest::addRow(live, "CTV_MAIN_", {{"TODAY_ALL_NO", 2}, {"ORD_NO", "N2"}, {"ADDR4", "부산 1"},
                                          {"CU_TEL", "010-3333-4444"}});
    QTableView liveView;
    liveView.setModel(&live);
    BoardLayoutKeeper keeper(liveView.horizontalHeader(), LiveBoardLayoutRules("3"), liveInternal());
    keeper.load();
    // The user had hidden the customer telephone.
    liveView.setColumnHidden(logical(liveView, "CTV_MAIN_CU_TEL"), true);

    GridTableModel comp;
    comp.setColumns(boardtest::boardColumns("CTV_MAIN_COMP_"));
    QTableView compView;
    compView.setModel(&comp);

    QStringList proposed;
    BoardExportHooks hooks;
    hooks.chooseFile = [&](const QString &name) {
        proposed << name;
        // The completed workbook's dialog is cancelled.
        return name.contains(QStringLiteral("실시간")) ? dir.filePath(name) : QString();
    };
    QStringList opened;
    const ExportOpenHandler previous = SetExportOpenHandler([&](const QString &f) { opened << f; });
    const QStringList written = ExportBoards(BoardExportTab::LiveOrCompleted, {&liveView, &compView}, QDate(2026, 12, 11), hooks);
    SetExportOpenHandler(previous);

    EXPECT_EQ(proposed, (QStringList{"20261211실시간내역.xlsx", "20261211완료내역.xlsx"}));
    ASSERT_EQ(written, QStringList{dir.filePath("20261211실시간내역.xlsx")});
    EXPECT_EQ(opened, written);

    XlsxReader reader;
    ASSERT_TRUE(reader.open(written.first()));
    XlsxSheet s;
    ASSERT_TRUE(reader.readSheet(0, &s));
    QStringList captions;
    for (int c = 0; c < s.columnCount(); ++c)
        captions << s.cell(0, c).text;
    // Shown columns in display order: the copies stand in for address and telephone.
    EXPECT_EQ(captions, (QStringList{"당일접수번호", "상태", "발주경로", "배달료", "결제종류", "카드승인", "특이사항",
                                     "서비스", "주문번호", "접수시간2", "가맹점코드", "좌표정확도구분", "서비스종류",
                                     "도착_예정시간", "묶음그룹번호", "도착지", "고객전화번호", "고객이름"}));
    ASSERT_EQ(s.rowCount(), 3);
    const int addr = int(captions.indexOf("도착지"));
    const int no = int(captions.indexOf("주문번호"));
    EXPECT_EQ(s.cell(1, no).text, "N1");
    EXPECT_EQ(s.cell(1, addr).text, "서울 중구 1");
    EXPECT_EQ(s.cell(2, no).text, "N2");
    EXPECT_TRUE(s.cell(2, addr).text.isEmpty());
    for (int r = 1; r < s.rowCount(); ++r)
        for (int c = 0; c < s.columnCount(); ++c)
            EXPECT_FALSE(s.cell(r, c).text.contains("010-3333")) << r << "," << c;

    // Afterwards the board looks as before, the user's hidden column included.
    EXPECT_TRUE(shown(liveView, "CTV_MAIN_ADDR4"));
    EXPECT_FALSE(shown(liveView, "CTV_MAIN_CU_TEL"));
    EXPECT_FALSE(shown(liveView, "CTV_MAIN_EXCEL_ADDR"));
}

TEST_F(BoardUiTest, OtherTabsExportTheirOwnBoard)
{
    GridTableModel store;
    store.setColumns(boardtest::storeColumns());
    boardtest::addRow(store, "CTV_TAKEOUT_", {{"ORD_NO", "T1"}, {"ORD_STATUS_CD", "1001"}});
    QTableView storeView;
    storeView.setModel(&store);
    QStringList proposed;
    QStringList messages;
    BoardExportHooks hooks;
    hooks.chooseFile = [&](const QString &name) {
        proposed << name;
        return dir.filePath(name.isEmpty() ? QStringLiteral("same_day.xlsx") : name);
    };
    hooks.message = [&](const QString &m) { messages << m; };
    const ExportOpenHandler previous = SetExportOpenHandler([](const QString &) {});
    BoardExportViews views;
    views.store = &storeView;
    views.sameDay = &storeView;
    EXPECT_EQ(ExportBoards(BoardExportTab::StoreOrders, views, QDate(2026, 1, 2), hooks).size(), 1);
    EXPECT_EQ(ExportBoards(BoardExportTab::SameDayCompleted, views, QDate(2026, 1, 2), hooks).size(), 0);
    EXPECT_EQ(ExportBoards(BoardExportTab::SameDay, views, QDate(2026, 1, 2), hooks).size(), 1);
    EXPECT_EQ(ExportBoards(BoardExportTab::Logistics, views, QDate(2026, 1, 2), hooks).size(), 0); // no such board here
    SetExportOpenHandler(previous);
    EXPECT_EQ(proposed, (QStringList{"20260102매장주문내역.xlsx", ""}));
    EXPECT_EQ(messages, QStringList{"준비중입니다"});
}
