#include "grid/grid_layout.h"
#include "grid/grid_table_model.h"
#include "settings/settings_file.h"
#include "grid/ui/grid_layout_view.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>

namespace
{
GridLayout layoutOf(std::initializer_list<const char *> names, int width = 50)
{
    GridLayout l;
    for (const char *n : names)
        l.append(GridLayoutColumn{QString::fromLatin1(n), width, true});
    return l;
}

QStringList names(const GridLayout &l)
{
    QStringList out;
    for (const GridLayoutColumn &c : l)
        out << c.name;
    return out;
}

struct GridLayoutTest : ::testing::Test
{
    QTemporaryDir dir;
    GridLayoutTest() { OpenSettingsFile(dir.filePath("layout_env.ini")); }
    ~GridLayoutTest() override { CloseSettingsFile(); }
};

TEST_F(GridLayoutTest, SaveWritesEveryPositionAndLeavesAGapForSkippedColumns)
{
    GridLayout l = layoutOf({"CHK", "NO", "NAME"});
    l[2].width = 120;
    GridLayoutOptions o;
    o.skipNames = {"CHK"};
    ASSERT_TRUE(SaveGridLayout(*G_INI, "MAIN_GIRD", l, o));
    EXPECT_FALSE(G_INI->ValueExists("MAIN_GIRD", "Name_0"));
    EXPECT_FALSE(G_INI->ValueExists("MAIN_GIRD", "Width_0"));
    EXPECT_EQ(G_INI->ReadString("MAIN_GIRD", "Name_1", ""), "NO");
    EXPECT_EQ(G_INI->ReadString("MAIN_GIRD", "Width_2", ""), "120");
    EXPECT_FALSE(G_INI->ValueExists("MAIN_GIRD", "Visible_1"));

    // Only what differs from the previous save is written again.
    GridLayout wider = l;
    wider[1].width = 77;
    ASSERT_TRUE(G_INI->WriteString("MAIN_GIRD", "Name_2", "HAND_EDITED"));
    ASSERT_TRUE(SaveGridLayout(*G_INI, "MAIN_GIRD", wider, o, &l));
    EXPECT_EQ(G_INI->ReadString("MAIN_GIRD", "Width_1", ""), "77");
    EXPECT_EQ(G_INI->ReadString("MAIN_GIRD", "Name_2", ""), "HAND_EDITED");
}

TEST_F(GridLayoutTest, ApplyMovesByNameAndFallsBackToDefaultWidths)
{
    G_INI->WriteString("G", "Name_0", "C");
    G_INI->WriteString("G", "Width_0", "90");
    G_INI->WriteString("G", "Name_1", "GONE"); // a column that no longer exists
    G_INI->WriteString("G", "Width_1", "10");
    G_INI->WriteString("G", "Name_2", "A");
    G_INI->WriteString("G", "Width_2", "abc"); // not a number: default of position 2
    G_INI->WriteString("G", "Visible_2", "0");
    const QList<SavedGridColumn> saved = ReadGridLayout(*G_INI, "G", 4);
    ASSERT_EQ(saved.size(), 4);
    EXPECT_EQ(saved.at(2).width, -1);
    EXPECT_EQ(saved.at(3).name, "");

    const GridLayout applied = ApplySavedLayout(
        layoutOf({"A", "B", "C", "D"}), saved, [](int pos, const QString &) { return 60 + pos; });
    EXPECT_EQ(names(applied), (QStringList{"C", "B", "A", "D"}));
    EXPECT_EQ(applied.at(0).width, 90);
    EXPECT_EQ(applied.at(2).width, 62);
    EXPECT_FALSE(applied.at(2).visible);
    EXPECT_EQ(applied.at(1).width, 50); // untouched

    // A missing section changes nothing.
    EXPECT_EQ(ApplySavedLayout(layoutOf({"A", "B"}), ReadGridLayout(*G_INI, "NONE", 2), nullptr),
              layoutOf({"A", "B"}));
}

TEST_F(GridLayoutTest, KeeperRestoresAndWritesHeaderChangesAtOnce)
{
    GridTableModel model;
    model.setColumns({{"ORD_NO", "번호", GridValueType::Text, {}},
                      {"ST_NAME", "가게", GridValueType::Text, {}},
                      {"AMT", "금액", GridValueType::Integer, {}}});
    {
        QTableView view;
        view.setModel(&model);
        GridLayoutOptions o;
        o.withVisibility = true;
        GridLayoutKeeper keeper(view.horizontalHeader(), "CTV_TEST", o);
        keeper.restore(); // nothing saved yet
        view.horizontalHeader()->moveSection(2, 0);
        view.horizontalHeader()->resizeSection(1, 140);
        view.horizontalHeader()->setSectionHidden(0, true);
        keeper.save(); // hiding is no header signal; the screen saves then
        EXPECT_EQ(G_INI->ReadString("CTV_TEST", "Name_0", ""), "AMT");
        EXPECT_EQ(G_INI->ReadString("CTV_TEST", "Width_2", ""), "140");
    }
    QTableView again;
    again.setModel(&model);
    GridLayoutOptions o;
    o.withVisibility = true;
    GridLayoutKeeper keeper(again.horizontalHeader(), "CTV_TEST", o);
    keeper.restore();
    QHeaderView *h = again.horizontalHeader();
    EXPECT_EQ(names(HeaderLayout(h)), (QStringList{"AMT", "ORD_NO", "ST_NAME"}));
    EXPECT_EQ(h->sectionSize(1), 140);
    EXPECT_TRUE(h->isSectionHidden(0));
    EXPECT_FALSE(h->isSectionHidden(2));

    // A keeper that outlives its grid does nothing rather than touch a freed header.
    auto *gone = new QTableView;
    gone->setModel(&model);
    GridLayoutKeeper orphan(gone->horizontalHeader(), "CTV_TEST", o);
    delete gone;
    orphan.restore();
    EXPECT_FALSE(orphan.save());
}
} // namespace
