#include "grid/grid_filter.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace
{
// Columns: 0 status, 1 store name, 2 distance (number), 3 share-over time text.
class Rows : public FilterRowSource
{
public:
    std::vector<QVariantList> rows;
    int filterRecordCount() const override { return int(rows.size()); }
    QVariant filterValue(int r, int c) const override { return rows[size_t(r)].value(c); }
};

Rows fixture()
{
    Rows s;
    s.rows = {
        {"1001", "행복치킨", 1.5, "2026-12-10 10:00:00"},
        {"2001", "피자나라", 3.0, "2026-12-10 11:00:00"},
        {"2002", "행복분식", 9.9, "2026-12-10 12:00:00"},
        {"3001", "Kimbap 100%", 12.0, ""},
        {"4001", "kimbap_house", 0.0, "2026-12-10 09:00:00"},
    };
    return s;
}

QList<int> acceptedRows(const GridFilter &f)
{
    QList<int> out;
    for (int r = 0; r < f.recordCount(); ++r)
        if (f.accepts(r))
            out << r;
    return out;
}

FilterCondition cond(int c, FilterOp op, const QVariant &v)
{
    return FilterCondition::make(c, op, v);
}
} // namespace

TEST(LikePattern, MatchesLikeSql)
{
    struct Case
    {
        const char *pattern;
        const char *text;
        bool match;
    };
    const Case cases[] = {
        {"%현금%", "현금(P)", true},     {"%현금%", "선결제", false},   {"%", "", true},
        {"", "", true},                  {"", "a", false},              {"abc", "abc", true},
        {"abc", "abcd", false},          {"a%", "a", true},             {"%c", "abc", true},
        {"a%c", "ac", true},             {"a%c", "abcb", false},        {"a_c", "abc", true},
        {"a_c", "ac", false},            {"%b_d%", "xxbcdxx", true},    {"%a%a%", "a", false},
        {"%aa%", "aba", false},          {"ab%ba", "aba", false},       {"%ㄱㄴ%", "ㄷㄱㄴ", true},
        {"100%", "100 won", true},       {"_", "한", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LikePattern(QString::fromUtf8(c.pattern)).matches(QString::fromUtf8(c.text)),
                  c.match)
            << c.pattern << " ~ " << c.text;
    EXPECT_TRUE(LikePattern("%KIM%", Qt::CaseInsensitive).matches(u"kimbap"));
    EXPECT_FALSE(LikePattern("%KIM%").matches(u"kimbap"));
}

TEST(GridFilter, EmptyGroupsRestrictNothing)
{
    Rows s = fixture();
    GridFilter f(&s);
    f.setGroup(0, FilterGroup{});
    f.setGroup(3, FilterGroup{FilterJoin::And, {}});
    f.apply();
    EXPECT_EQ(acceptedRows(f), (QList<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(f.activeGroupCount(), 0);
}

TEST(GridFilter, GroupsAreAndedAndConditionsFollowTheirJoin)
{
    Rows s = fixture();
    GridFilter f(&s);
    // Status group (OR): 2001 or 2002 or 3001.
    FilterGroup status;
    status.add(cond(0, FilterOp::Equal, "2001")).add(cond(0, FilterOp::Equal, "2002"));
    status.add(cond(0, FilterOp::Equal, "3001"));
    f.setGroup(0, status);
    EXPECT_TRUE(f.apply());
    EXPECT_EQ(acceptedRows(f), (QList<int>{1, 2, 3}));

    // Distance group: <= 10 km narrows the status group (AND across groups).
    f.setGroup(1, FilterGroup().add(cond(2, FilterOp::LessEqual, 10.0)));
    f.apply();
    EXPECT_EQ(acceptedRows(f), (QList<int>{1, 2}));

    // An AND group: both not-equal conditions must hold. As an OR group the same two exclude
    // nothing, because every row differs from at least one of them.
    FilterGroup notBoth{FilterJoin::And, {}};
    notBoth.add(cond(0, FilterOp::NotEqual, "2001")).add(cond(0, FilterOp::NotEqual, "2002"));
    f.setGroup(2, notBoth);
    f.apply();
    EXPECT_EQ(acceptedRows(f), QList<int>{});
    notBoth.join = FilterJoin::Or;
    f.setGroup(2, notBoth);
    f.apply();
    EXPECT_EQ(acceptedRows(f), (QList<int>{1, 2}));

    // Clearing a group gives its restriction back.
    f.clearGroup(0);
    f.clearGroup(2);
    f.apply();
    EXPECT_EQ(acceptedRows(f), (QList<int>{0, 1, 2, 4}));
}

TEST(GridFilter, LikeContainsAndComparisonConditions)
{
    Rows s = fixture();
    GridFilter f(&s);
    struct Case
    {
        FilterCondition c;
        bool caseInsensitive;
        QList<int> rows;
    };
    const Case cases[] = {
        {cond(1, FilterOp::Like, "%행복%"), false, {0, 2}},
        {cond(1, FilterOp::NotLike, "%행복%"), false, {1, 3, 4}},
        // '%' and '_' are wildcards in a pattern but plain characters for Contains.
        {cond(1, FilterOp::Like, "%_%"), false, {0, 1, 2, 3, 4}},
        {cond(1, FilterOp::Contains, "_"), false, {4}},
        {cond(1, FilterOp::Contains, "100%"), false, {3}},
        {cond(1, FilterOp::Like, "%KIMBAP%"), false, {}},
        {cond(1, FilterOp::Like, "%KIMBAP%"), true, {3, 4}},
        // Numeric operand: cells compare as numbers (text "10" would sort before "9.9").
        {cond(2, FilterOp::Greater, 3), false, {2, 3}},
        {cond(2, FilterOp::GreaterEqual, 3.0), false, {1, 2, 3}},
        {cond(2, FilterOp::Less, 1.5), false, {4}},
        // Text operand: ordinal text comparison, as for the share-over time; an empty cell is
        // less than any time.
        {cond(3, FilterOp::Less, "2026-12-10 11:00:00"), false, {0, 3, 4}},
        {cond(0, FilterOp::Greater, "3000"), false, {3, 4}},
        {FilterCondition::inList(0, {"2001", "2002"}), false, {1, 2}},
        {FilterCondition::inList(0, {"2001", "2002"}, true), false, {0, 3, 4}},
        {FilterCondition::inList(2, {3, 12}), false, {1, 3}},
    };
    for (const Case &c : cases) {
        FilterGroup g;
        g.caseInsensitive = c.caseInsensitive;
        g.add(c.c);
        f.setGroup(0, g);
        f.apply();
        EXPECT_EQ(acceptedRows(f), c.rows) << int(c.c.op) << " " << c.c.value.toString().toStdString();
    }
}

TEST(GridFilter, NonNumberCellsFailNumericComparisons)
{
    Rows s;
    s.rows = {{"abc"}, {""}, {QVariant()}, {"7"}};
    GridFilter f(&s);
    f.setGroup(0, FilterGroup().add(cond(0, FilterOp::LessEqual, 10)));
    f.apply();
    EXPECT_EQ(acceptedRows(f), QList<int>{3});
    f.setGroup(0, FilterGroup().add(cond(0, FilterOp::NotEqual, 7)));
    f.apply();
    EXPECT_EQ(acceptedRows(f), (QList<int>{0, 1, 2}));
}

TEST(GridFilter, IndexFollowsRecordChangesWithoutFullPasses)
{
    Rows s = fixture();
    GridFilter f(&s);
    f.setGroup(0, FilterGroup().add(cond(0, FilterOp::Equal, "2001")));
    f.apply();
    EXPECT_EQ(acceptedRows(f), QList<int>{1});

    // A record changes: only it is re-evaluated, and the change of acceptance is reported.
    s.rows[0][0] = "2001";
    EXPECT_TRUE(f.recordChanged(0));
    EXPECT_FALSE(f.recordChanged(0));
    EXPECT_EQ(acceptedRows(f), (QList<int>{0, 1}));

    // Inserted records are evaluated on arrival; removed ones leave the index.
    s.rows.insert(s.rows.begin() + 1, QVariantList{"2001", "새가게", 1.0, ""});
    f.recordsInserted(1, 1);
    EXPECT_EQ(acceptedRows(f), (QList<int>{0, 1, 2}));
    s.rows.erase(s.rows.begin());
    f.recordsRemoved(0, 1);
    EXPECT_EQ(acceptedRows(f), (QList<int>{0, 1}));

    // Setting an identical group changes nothing and needs no pass.
    f.setGroup(0, FilterGroup().add(cond(0, FilterOp::Equal, "2001")));
    EXPECT_FALSE(f.hasPendingChanges());
}

// Every short pattern over a small alphabet against every short text, compared with the same
// pattern as a regular expression.
TEST(LikePattern, AgreesWithARegularExpressionOnAllShortCases)
{
    const QString patternChars = "ab%_";
    const QString textChars = "ab";
    const auto all = [](const QString &chars, int maxLen) {
        QStringList out{QString()};
        QStringList level{QString()};
        for (int len = 1; len <= maxLen; ++len) {
            QStringList next;
            for (const QString &s : level)
                for (QChar c : chars)
                    next << s + c;
            out << next;
            level = next;
        }
        return out;
    };
    const QStringList texts = all(textChars, 5);
    for (const QString &p : all(patternChars, 4)) {
        QString rx;
        for (QChar c : p)
            rx += c == u'%' ? QStringLiteral(".*") : (c == u'_' ? QStringLiteral(".") : QString(c));
        const QRegularExpression re(QRegularExpression::anchoredPattern(rx));
        const LikePattern like(p);
        for (const QString &t : texts)
            ASSERT_EQ(like.matches(t), re.match(t).hasMatch()) << p.toStdString() << " ~ " << t.toStdString();
    }
}
