// The groups tab's pending changes: the group markers, the goods-list algebra of one group and
// the batch payloads they turn into, and the additional-goods choice.
#include "store/goods_group_edit.h"

#include "common/program_globals.h"

#include <gtest/gtest.h>

namespace
{
GoodsGroupRow savedGroup(const QString &no, const QString &name, const QString &type, const QStringList &goods = {})
{
    GoodsGroupRow r;
    r.no = no;
    r.name = name;
    r.type = type;
    r.orig = goods;
    return r;
}

QStringList groupMarkers(const QList<GoodsGroupRow> &rows)
{
    QStringList out;
    for (const GoodsGroupRow &r : rows)
        out << r.no + QLatin1Char(':') + r.marker;
    return out;
}

TEST(GoodsGroupEditTest, MarkerTransitions)
{
    struct Step
    {
        const char *status, *no, *name, *type;
        QStringList expected;
    };
    QList<GoodsGroupRow> rows = {savedGroup("G1", "양념", "1"), savedGroup("G2", "음료", "5")};
    const Step steps[] = {
        {"2", "G1", "양념", "1", {"G1:0", "G2:0"}},           // same name and kind: nothing
        {"2", "G1", "양념류", "1", {"G1:2", "G2:0"}},
        {"3", "G2", "", "", {"G1:2", "G2:3"}},
        {"2", "G2", "음료수", "5", {"G1:2", "G2:3"}},         // a deleted row keeps its marker
        {"4", "G2", "", "", {"G1:2", "G2:2"}},
        {"4", "G1", "", "", {"G1:2", "G2:2"}},                // only deleted rows are restored
        {"1", "", "세트", "3", {"G1:2", "G2:2", "N2:1"}},
        {"2", "N2", "세트메뉴", "3", {"G1:2", "G2:2", "N2:1"}}, // a new row stays new
        {"3", "N2", "", "", {"G1:2", "G2:2"}},                // never saved: removed
        {"3", "G9", "", "", {"G1:2", "G2:2"}},                // unknown number: nothing
        {"7", "G1", "", "", {"G1:2", "G2:2"}},
    };
    for (const Step &s : steps) {
        ApplyGoodsGroupChange(rows, QString::fromUtf8(s.status), QString::fromUtf8(s.no), QString::fromUtf8(s.name),
                              QString::fromUtf8(s.type));
        EXPECT_EQ(groupMarkers(rows), s.expected) << s.status << " " << s.no;
    }
    EXPECT_EQ(rows.at(1).name, QStringLiteral("음료수")) << "a deleted row still takes the new name";
}

TEST(GoodsGroupEditTest, GoodsListAlgebra)
{
    struct Case
    {
        const char *what;
        QStringList orig;
        QStringList ops; // "+x" add, "-x" remove
        QStringList add, del, shown, saved;
    };
    const Case cases[] = {
        {"add new", {"a", "b"}, {"+c"}, {"c"}, {}, {"a", "b", "c"}, {"a", "b", "c"}},
        {"add held: nothing", {"a", "b"}, {"+a"}, {}, {}, {"a", "b"}, {"a", "b"}},
        {"remove held", {"a", "b"}, {"-a"}, {}, {"a"}, {"b"}, {"b"}},
        {"remove then add back", {"a", "b"}, {"-a", "+a"}, {}, {}, {"a", "b"}, {"a", "b"}},
        {"add then remove", {"a"}, {"+c", "-c"}, {}, {}, {"a"}, {"a"}},
        {"remove all", {"a", "b"}, {"-a", "-b"}, {}, {"a", "b"}, {}, {"ONLY_DELETE"}},
    };
    for (const Case &c : cases) {
        GoodsGroupRow row = savedGroup("G1", "g", "1", c.orig);
        for (const QString &op : c.ops) {
            if (op.startsWith(QLatin1Char('+')))
                AddGoodsToGroup(row, op.mid(1));
            else
                RemoveGoodsFromGroup(row, op.mid(1));
        }
        EXPECT_EQ(row.add, c.add) << c.what;
        EXPECT_EQ(row.del, c.del) << c.what;
        EXPECT_EQ(GoodsGroupShownGoods(row), c.shown) << c.what;
        EXPECT_EQ(GoodsGroupSaveEntries(row), c.saved) << c.what;
    }
    // A moved order is what is shown and saved, without duplicates.
    GoodsGroupRow moved = savedGroup("G1", "g", "1", {"a", "b", "c"});
    moved.sort = {"c", "a", "c", "b"};
    EXPECT_EQ(GoodsGroupSaveEntries(moved), (QStringList{"c", "a", "b"}));
    RemoveGoodsFromGroup(moved, QStringLiteral("a"));
    EXPECT_EQ(GoodsGroupShownGoods(moved), (QStringList{"c", "c", "b"}));
}

TEST(GoodsGroupEditTest, Payloads)
{
    G_FIELD_SEP = QStringLiteral("│");
    GoodsGroupRow fresh = savedGroup("N3", "세트", "5");
    fresh.marker = QStringLiteral("1");
    EXPECT_EQ(GoodsGroupSavePayload(fresh, GoodsGroupOwner("5", "S1", "M1"), "demo", 3),
              QStringLiteral("M1│demo│세트││1│5│3│"));
    GoodsGroupRow gone = savedGroup("G1", "양념", "1");
    gone.marker = QStringLiteral("3");
    EXPECT_EQ(GoodsGroupSavePayload(gone, GoodsGroupOwner("1", "S1", "M1"), "demo", 0),
              QStringLiteral("S1│demo│양념│G1│0│1│0│"));

    GoodsGroupRow row = savedGroup("G1", "g", "1", {"a", "b"});
    RemoveGoodsFromGroup(row, "a");
    AddGoodsToGroup(row, "c");
    int n = 0;
    EXPECT_EQ(GoodsGroupGoodsPayload(row, "S1", &n), QStringLiteral("G1│0│b│0│S1│G1│1│c│1│S1│"));
    EXPECT_EQ(n, 2);
    GoodsGroupRow empty = savedGroup("G2", "g", "1", {"a"});
    RemoveGoodsFromGroup(empty, "a");
    EXPECT_EQ(GoodsGroupGoodsPayload(empty, "S1", &n), QStringLiteral("G2│0││0│S1│"));
    EXPECT_EQ(n, 1);
    EXPECT_EQ(GoodsOrderPayload("S1", {"b", "a"}, "demo"), QStringLiteral("S1│b│0│demo│S1│a│1│demo│"));
}

TEST(GoodsGroupEditTest, AdditionalGoodsRows)
{
    G_FIELD_SEP = QStringLiteral("│");
    // Unticking one of three ticked candidates sends all three; ticking and unticking sends nothing.
    QList<AddGoodsChoice> rows = {{"x", true, true}, {"y", false, true}, {"z", true, true}, {"w", false, false}};
    int n = 0;
    EXPECT_EQ(AddGoodsSavePayload("S1", "P1", rows, &n), QStringLiteral("S1│1│P1│x│0│S1│0│P1│y│1│S1│1│P1│z│2│"));
    EXPECT_EQ(n, 3);
    EXPECT_EQ(AddGoodsPendingCount(rows), 1);
    rows = {{"x", false, false}};
    EXPECT_TRUE(AddGoodsSavePayload("S1", "P1", rows, &n).isEmpty());
    EXPECT_EQ(n, 0);
    EXPECT_EQ(AddGoodsPendingCount(rows), 0) << "the count never goes below zero";
}
} // namespace
