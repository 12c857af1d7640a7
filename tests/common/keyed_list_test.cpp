#include "common/keyed_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
struct Item
{
    QString name;
    int n = 0;
};

// The invariant every caller relies on: the code at i belongs to the record at i.
void expectParallel(const KeyedList<Item> &list)
{
    ASSERT_EQ(list.codes().size(), list.count());
    for (int i = 0; i < list.count(); ++i)
        EXPECT_EQ(list.codeAt(i), list.at(i).name) << "index " << i;
}

KeyedList<Item> listOf(std::initializer_list<const char *> codes)
{
    KeyedList<Item> list;
    int n = 0;
    for (const char *c : codes)
        list.append(QString::fromLatin1(c), Item{QString::fromLatin1(c), n++});
    return list;
}

TEST(KeyedList, StaysParallelThroughEveryChange)
{
    KeyedList<Item> list = listOf({"A", "B", "C", "D"});
    expectParallel(list);

    list.removeAt(1);
    expectParallel(list);
    EXPECT_EQ(list.indexOf(QStringLiteral("C")), 1);

    list.insert(0, QStringLiteral("Z"), Item{QStringLiteral("Z"), 9});
    expectParallel(list);
    EXPECT_EQ(list.indexOf(QStringLiteral("Z")), 0);

    list.insert(99, QStringLiteral("Y"), Item{QStringLiteral("Y"), 8});  // clamped to the end
    expectParallel(list);
    EXPECT_EQ(list.indexOf(QStringLiteral("Y")), list.count() - 1);

    list.replace(1, Item{QStringLiteral("A"), 42});
    expectParallel(list);
    EXPECT_EQ(list.find(QStringLiteral("A"))->n, 42);

    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(list.codes().isEmpty());
}

TEST(KeyedList, UnknownCodesAndBadIndexesFindNothing)
{
    KeyedList<Item> list = listOf({"A", "B"});
    EXPECT_EQ(list.indexOf(QStringLiteral("X")), -1);
    EXPECT_EQ(list.find(QStringLiteral("X")), nullptr);
    EXPECT_EQ(list.value(-1), nullptr);
    EXPECT_EQ(list.value(2), nullptr);
    EXPECT_EQ(list.codeAt(5), QString());
    EXPECT_THROW(list.at(2), std::out_of_range);
    EXPECT_THROW(list.at(-1), std::out_of_range);
    EXPECT_THROW(list.removeAt(2), std::out_of_range);
    expectParallel(list);
}

TEST(KeyedList, ARepeatedCodeFindsTheFirstEntry)
{
    KeyedList<Item> list;
    list.append(QStringLiteral("0101"), Item{QStringLiteral("first"), 1});
    list.append(QStringLiteral("0101"), Item{QStringLiteral("second"), 2});
    EXPECT_EQ(list.find(QStringLiteral("0101"))->n, 1);
    EXPECT_EQ(list.count(), 2);
}

TEST(KeyedList, CopiesAreIndependentAndReferencesSurviveGrowth)
{
    KeyedList<Item> list = listOf({"A"});
    Item &a = list.at(0);
    for (int i = 0; i < 1000; ++i)
        list.append(QString::number(i));
    a.n = 7;  // still the record at index 0
    EXPECT_EQ(list.at(0).n, 7);

    KeyedList<Item> copy = list;
    copy.at(0).n = 99;
    copy.removeAt(1);
    EXPECT_EQ(list.at(0).n, 7);
    EXPECT_EQ(list.count(), 1001);
    EXPECT_EQ(copy.count(), 1000);

    int sum = 0;
    for (const Item &item : list)
        sum += item.n;
    EXPECT_EQ(sum, 7);
}
} // namespace
