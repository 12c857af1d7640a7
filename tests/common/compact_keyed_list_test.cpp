#include "common/compact_keyed_list.h"

#include "qstring_print.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
struct CompactItem
{
    QString name;
    int n = 0;
};

// The invariant every caller relies on: the code at i belongs to the record at i.
void expectCompactParallel(const CompactKeyedList<CompactItem> &list)
{
    ASSERT_EQ(list.codes().size(), list.count());
    for (int i = 0; i < list.count(); ++i) {
        EXPECT_EQ(list.codeAt(i), list.at(i).name) << "index " << i;
        EXPECT_EQ(list.codes().at(i), list.at(i).name) << "index " << i;
    }
}

CompactKeyedList<CompactItem> compactListOf(std::initializer_list<const char *> codes)
{
    CompactKeyedList<CompactItem> list;
    int n = 0;
    for (const char *c : codes)
        list.append(QString::fromLatin1(c), CompactItem{QString::fromLatin1(c), n++});
    return list;
}

TEST(CompactKeyedList, StaysParallelThroughEveryChange)
{
    CompactKeyedList<CompactItem> list = compactListOf({"A", "B", "C", "D"});
    expectCompactParallel(list);

    list.removeAt(1);
    expectCompactParallel(list);
    EXPECT_EQ(list.indexOf(QStringLiteral("C")), 1);

    list.insert(0, QStringLiteral("Z"), CompactItem{QStringLiteral("Z"), 9});
    expectCompactParallel(list);
    list.insert(99, QStringLiteral("Y"), CompactItem{QStringLiteral("Y"), 8});  // clamped to the end
    expectCompactParallel(list);
    EXPECT_EQ(list.indexOf(QStringLiteral("Y")), list.count() - 1);

    list.setCode(0, QStringLiteral("Q"));
    list.at(0).name = QStringLiteral("Q");
    expectCompactParallel(list);

    list.replace(1, CompactItem{QStringLiteral("A"), 42});
    expectCompactParallel(list);
    EXPECT_EQ(list.find(QStringLiteral("A"))->n, 42);

    list.append(SharedText(QStringLiteral("가")), CompactItem{QStringLiteral("가"), 7});
    expectCompactParallel(list);
    EXPECT_EQ(list.codeTextAt(list.count() - 1), QStringLiteral("가"));
}

// A caller may keep the code list (the goods numbers of a store) and read it after the list has
// changed: the reference must stay valid and show the current codes.
TEST(CompactKeyedList, AKeptCodeListFollowsTheList)
{
    CompactKeyedList<CompactItem> list;
    const QStringList &codes = list.codes();
    EXPECT_TRUE(codes.isEmpty());

    list.append(QStringLiteral("A"));
    list.append(QStringLiteral("B"));
    EXPECT_EQ(codes, (QStringList{"A", "B"}));

    list.clear();
    EXPECT_TRUE(codes.isEmpty());
    list.append(QStringLiteral("C"));
    EXPECT_EQ(codes, QStringList{"C"});

    list = compactListOf({"D", "E"});
    EXPECT_EQ(codes, (QStringList{"D", "E"}));
    CompactKeyedList<CompactItem> other = compactListOf({"F"});
    list = other;
    EXPECT_EQ(codes, QStringList{"F"});
    EXPECT_EQ(other.codes(), QStringList{"F"});
}

TEST(CompactKeyedList, CopiesAreIndependent)
{
    CompactKeyedList<CompactItem> list = compactListOf({"A", "B"});
    CompactKeyedList<CompactItem> copy = list;
    copy.at(0).n = 99;
    copy.append(QStringLiteral("C"), CompactItem{QStringLiteral("C"), 2});
    EXPECT_EQ(list.at(0).n, 0);
    EXPECT_EQ(list.count(), 2);
    expectCompactParallel(list);
    expectCompactParallel(copy);

    CompactKeyedList<CompactItem> moved = std::move(copy);
    EXPECT_EQ(moved.count(), 3);
    EXPECT_EQ(copy.count(), 0);
}

TEST(CompactKeyedList, EmptyAndUnknownFindNothing)
{
    CompactKeyedList<CompactItem> empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.indexOf(QStringLiteral("A")), -1);
    EXPECT_EQ(empty.find(QStringLiteral("A")), nullptr);
    EXPECT_EQ(empty.value(0), nullptr);
    EXPECT_EQ(empty.codeAt(0), QString());
    EXPECT_THROW(empty.at(0), std::out_of_range);
    int seen = 0;
    for (const CompactItem &item : std::as_const(empty))
        seen += item.n + 1;
    EXPECT_EQ(seen, 0);

    CompactKeyedList<CompactItem> list = compactListOf({"A", "B", "A"});
    EXPECT_EQ(list.indexOf(QStringLiteral("A")), 0) << "a repeated code finds the first";
    EXPECT_EQ(list.indexOf(QStringLiteral("a")), -1);
    EXPECT_EQ(list.value(3), nullptr);
    EXPECT_THROW(list.at(-1), std::out_of_range);
    EXPECT_THROW(list.removeAt(3), std::out_of_range);
    for (CompactItem &item : list)
        seen += item.n + 1;
    EXPECT_EQ(seen, 6);
}

TEST(CompactKeyedList, RecordsStayWhereTheyAreWhileOthersComeAndGo)
{
    CompactKeyedList<CompactItem> list = compactListOf({"A"});
    CompactItem &first = list.at(0);
    for (int i = 0; i < 100; ++i)
        list.insert(0, QString::number(i));
    list.removeAt(0);
    EXPECT_EQ(&first, list.find(QStringLiteral("A")));
}
} // namespace
