#include "boards/board_layout.h"
#include "boards/board_number_format.h"
#include "settings/settings_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
struct BoardLayoutTest : ::testing::Test
{
    QTemporaryDir dir;
    BoardLayoutTest() { OpenSettingsFile(dir.filePath("board_env.ini")); }
    ~BoardLayoutTest() override { CloseSettingsFile(); }

    // The live grid as designed: the check column first, one internal column, one designed hidden.
    static QList<BoardLayoutColumn> liveDesign()
    {
        return {
            {"CTV_MAIN_CHK", "", 26, true, false},
            {"CTV_MAIN_TODAY_ALL_NO", "당일접수번호", 70, true, false},
            {"CTV_MAIN_STATUS_CD", "상태", 60, true, false},
            {"CTV_MAIN_DVRY_AMT", "배달료", 80, true, false},
            {"CTV_MAIN_ORD_NO", "주문번호", 90, true, false},
            {"CTV_MAIN_SHARE_GROUP", "내그룹여부(0:내꺼, 1: 공유)", 40, true, true},
            {"CTV_MAIN_ADDR4", "도착지", 200, false, false},
        };
    }
    static QStringList names(const GridLayout &l)
    {
        QStringList out;
        for (const GridLayoutColumn &c : l)
            out << c.name;
        return out;
    }
    static const GridLayoutColumn &col(const GridLayout &l, const QString &name)
    {
        for (const GridLayoutColumn &c : l)
            if (c.name == name)
                return c;
        static GridLayoutColumn none;
        return none;
    }
};
} // namespace

TEST_F(BoardLayoutTest, SavedLayoutComesBackWithTheCheckColumnFirst)
{
    const BoardLayoutRules rules = LiveBoardLayoutRules("1");
    // The user dragged the order number to the front (the check column stays at 0) and widened it.
    const GridLayout arranged = {
        {"CTV_MAIN_CHK", 25, true},         {"CTV_MAIN_ORD_NO", 140, true},
        {"CTV_MAIN_TODAY_ALL_NO", 70, true}, {"CTV_MAIN_STATUS_CD", 60, true},
        {"CTV_MAIN_DVRY_AMT", 80, true},     {"CTV_MAIN_SHARE_GROUP", 40, false},
        {"CTV_MAIN_ADDR4", 210, true},
    };
    ASSERT_TRUE(SaveBoardLayout(G_INI, rules, arranged));
    // The check column leaves a gap at its own position.
    EXPECT_FALSE(G_INI->ValueExists("MAIN_GIRD", "Name_0"));
    EXPECT_FALSE(G_INI->ValueExists("MAIN_GIRD", "Width_0"));
    EXPECT_EQ(G_INI->ReadString("MAIN_GIRD", "Name_1", ""), "CTV_MAIN_ORD_NO");
    EXPECT_EQ(G_INI->ReadString("MAIN_GIRD", "Width_1", ""), "140");
    EXPECT_EQ(G_INI->ReadString("MAIN_GIRD", "Name_6", ""), "CTV_MAIN_ADDR4");

    const GridLayout loaded = LoadBoardLayout(G_INI, rules, liveDesign(), ReadHiddenCaptions(G_INI));
    EXPECT_EQ(names(loaded), names(arranged));
    EXPECT_EQ(col(loaded, "CTV_MAIN_ORD_NO").width, 140);
    EXPECT_EQ(col(loaded, "CTV_MAIN_ADDR4").width, 210);
    // Designed hidden but not internal: shown; internal: hidden.
    EXPECT_TRUE(col(loaded, "CTV_MAIN_ADDR4").visible);
    EXPECT_FALSE(col(loaded, "CTV_MAIN_SHARE_GROUP").visible);
    EXPECT_EQ(loaded.at(0), (GridLayoutColumn{"CTV_MAIN_CHK", kBoardCheckColumnWidth, true}));
}

TEST_F(BoardLayoutTest, InternalColumnsStayHiddenWhateverTheFileSays)
{
    G_INI->WriteString("MAIN_GIRD", "Name_1", "CTV_MAIN_SHARE_GROUP");
    G_INI->WriteString("MAIN_GIRD", "Width_1", "90");
    G_INI->WriteString("MAIN_GIRD", "Visible_1", "1");
    G_INI->WriteString("ORD_COLUMN", "상태", "1");
    const GridLayout loaded = LoadBoardLayout(G_INI, LiveBoardLayoutRules("1"), liveDesign(), ReadHiddenCaptions(G_INI));
    EXPECT_EQ(loaded.at(1).name, "CTV_MAIN_SHARE_GROUP");
    EXPECT_FALSE(loaded.at(1).visible);
    EXPECT_TRUE(col(loaded, "CTV_MAIN_STATUS_CD").visible);
}

TEST_F(BoardLayoutTest, HiddenCaptionsOfTheSettingsScreenHideTheirColumns)
{
    G_INI->WriteString("ORD_COLUMN", "배달료", "0");
    G_INI->WriteString("ORD_COLUMN", "주문번호", "1");
    const QSet<QString> hidden = ReadHiddenCaptions(G_INI);
    EXPECT_EQ(hidden, QSet<QString>{"배달료"});

    const GridLayout live = LoadBoardLayout(G_INI, LiveBoardLayoutRules("3"), liveDesign(), hidden);
    EXPECT_FALSE(col(live, "CTV_MAIN_DVRY_AMT").visible);
    EXPECT_TRUE(col(live, "CTV_MAIN_ORD_NO").visible);
    // Another control screen than the order-control screen: no check boxes.
    EXPECT_FALSE(col(live, "CTV_MAIN_CHK").visible);

    QList<BoardLayoutColumn> compDesign = {
        {"CTV_MAIN_COMP_CHK", "", 26, true, false},
        {"CTV_MAIN_COMP_DVRY_AMT", "배달료", 80, true, false},
    };
    const GridLayout comp = LoadBoardLayout(G_INI, CompletedBoardLayoutRules(), compDesign, hidden);
    EXPECT_FALSE(col(comp, "CTV_MAIN_COMP_DVRY_AMT").visible);
    EXPECT_EQ(comp.at(0), (GridLayoutColumn{"CTV_MAIN_COMP_CHK", kBoardCheckColumnWidth, false}));
}

TEST_F(BoardLayoutTest, BadOrMissingWidthsFallBackToTheDefaultOfThePosition)
{
    G_INI->WriteString("MAIN_GIRD", "Name_3", "CTV_MAIN_DVRY_AMT");
    G_INI->WriteString("MAIN_GIRD", "Width_3", "abc");
    G_INI->WriteString("MAIN_GIRD", "Name_2", "NO_SUCH_COLUMN");
    G_INI->WriteString("MAIN_GIRD", "Width_2", "10");
    G_INI->WriteString("MAIN_GIRD", "Name_4", "CTV_MAIN_ORD_NO");
    G_INI->WriteString("MAIN_GIRD", "Width_4", "99999999");
    const GridLayout loaded = LoadBoardLayout(G_INI, LiveBoardLayoutRules("1"), liveDesign(), {});
    EXPECT_EQ(loaded.at(3).name, "CTV_MAIN_DVRY_AMT");
    EXPECT_EQ(loaded.at(3).width, 66);
    // An unknown name is skipped: the column already there stays.
    EXPECT_EQ(loaded.at(2).name, "CTV_MAIN_STATUS_CD");
    EXPECT_EQ(loaded.at(2).width, 60);
    EXPECT_LE(loaded.at(4).width, 4000);

    // Past the shared table of default widths a column keeps its designed width.
    EXPECT_EQ(BoardDefaultWidth(3, 10), 66);
    EXPECT_EQ(BoardDefaultWidth(40, 10), 90);
    EXPECT_EQ(BoardDefaultWidth(41, 10), 10);
    EXPECT_EQ(BoardDefaultWidth(133, 77), 77);
}

TEST_F(BoardLayoutTest, StoreGridTakesOrderAndWidthsOnly)
{
    const BoardLayoutRules rules = PlainBoardLayoutRules("CTV_TAKEOUT");
    const QList<BoardLayoutColumn> design = {
        {"CTV_TAKEOUT_ORD_NO", "주문번호", 80, true, false},
        {"CTV_TAKEOUT_ORD_STATUS_CD", "상태", 60, false, false},
    };
    ASSERT_TRUE(SaveBoardLayout(G_INI, rules, {{"CTV_TAKEOUT_ORD_STATUS_CD", 70, false}, {"CTV_TAKEOUT_ORD_NO", 90, true}}));
    EXPECT_EQ(G_INI->ReadString("CTV_TAKEOUT", "Name_0", ""), "CTV_TAKEOUT_ORD_STATUS_CD");
    G_INI->WriteString("ORD_COLUMN", "주문번호", "0");
    const GridLayout loaded = LoadBoardLayout(G_INI, rules, design, ReadHiddenCaptions(G_INI));
    EXPECT_EQ(loaded, (GridLayout{{"CTV_TAKEOUT_ORD_STATUS_CD", 70, false}, {"CTV_TAKEOUT_ORD_NO", 90, true}}));
}

TEST(BoardLayout, InternalColumnsOfBothGrids)
{
    const QSet<QString> live = BoardInternalColumns(BoardGrid::Live);
    EXPECT_TRUE(live.contains("CTV_MAIN_EXCEL_ADDR"));
    EXPECT_TRUE(live.contains("CTV_MAIN_CASHCANCLE"));
    const QSet<QString> comp = BoardInternalColumns(BoardGrid::Completed);
    EXPECT_TRUE(comp.contains("CTV_MAIN_COMP_EXCEL_CU_TEL"));
    EXPECT_TRUE(comp.contains("CTV_MAIN_COMP_PICKUP_READY_TYPE"));
    EXPECT_FALSE(comp.contains("CTV_MAIN_COMP_CASHCANCLE"));
    EXPECT_FALSE(comp.contains("CTV_MAIN_COMP_BTOB_YN"));
}

// Number cells in their columns' display formats: money with thousands separators, minutes and
// kilometres with their words, negative sections of their own; text that is no number stays.
TEST(BoardNumberFormat, FormatsLikeTheColumnsSay)
{
    struct Case
    {
        QVariant value;
        const char *format, *expected;
    };
    const Case cases[] = {
        {12500, ",0;-,0", "12,500"},
        {-3000, ",0;-,0", "-3,000"},
        {1234567, ",0", "1,234,567"},
        {0, ",0", "0"},
        {7, "0분;-0분", "7분"},
        {-4, "0분;-0분", "-4분"},
        {1500, ",0분;-,0분", "1,500분"},
        {QStringLiteral("2.5"), "0.000Km", "2.500Km"},
        {QStringLiteral("12-11 08:04"), ",0", "12-11 08:04"},
        {QString(), ",0", ""},
        {QStringLiteral("1200"), "", "1200"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatBoardNumber(c.value, QString::fromUtf8(c.format)), QString::fromUtf8(c.expected))
            << c.value.toString().toStdString() << " " << c.format;
}
