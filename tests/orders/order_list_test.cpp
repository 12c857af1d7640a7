#include "order_test_support.h"

#include "orders/order_list.h"

using namespace ordertest;

namespace
{
std::shared_ptr<TA1ORDER> listOrder(const QString &no, const QString &status = QStringLiteral("1001"))
{
    auto o = std::make_shared<TA1ORDER>();
    o->set(A1::ORD_NO, no);
    o->set(A1::ORD_STATUS_CD, status);
    return o;
}
} // namespace

TEST(OrderList, RecordsAreSharedAndLiveWhileAnyListHoldsThem)
{
    TA1Orders board, waiting, held;
    std::weak_ptr<TA1ORDER> watch;
    {
        auto o = listOrder(QStringLiteral("A"));
        watch = o;
        board.Add(o);
        waiting.Add(o);
        held.Add(o);
    }
    board.SetRecord(0, board.at(0));  // the same record: nothing happens
    EXPECT_FALSE(watch.expired());
    waiting.Clear();
    EXPECT_FALSE(watch.expired());
    board.Delete(0);
    ASSERT_FALSE(watch.expired());
    // The record is reachable and unchanged through the held list.
    EXPECT_EQ(held.GetRecord(0)->ORD_NO(), u"A");
    held.SetRecord(0, listOrder(QStringLiteral("B")));
    EXPECT_TRUE(watch.expired());

    TA1Orders empty;
    empty.Clear();
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_THROW(empty.GetRecord(0), std::out_of_range);
}

TEST(OrderList, NumbersStayAlignedThroughRemovals)
{
    TA1Orders l;
    for (const char *no : {"1", "2", "3", "4", "5", "6"})
        l.Add(listOrder(QString::fromLatin1(no)));
    l.Delete(1);
    EXPECT_EQ(l.IndexOf(QStringLiteral("3")), 1);
    EXPECT_EQ(l.IndexOf(QStringLiteral("2")), -1);
    const std::vector<int> removed = l.DeleteNumbers({QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("9")});
    EXPECT_EQ(removed, (std::vector<int>{3, 0}));
    EXPECT_EQ(l.Numbers(), (QStringList{"3", "4", "6"}));
    for (int i = 0; i < l.Count(); ++i) {
        EXPECT_EQ(l.GetRecord(i)->text(A1::ORD_NO), l.Numbers().at(i));
        EXPECT_EQ(l.IndexOf(l.Numbers().at(i)), i);
    }
    // A repeated number is found at its first place.
    l.Add(listOrder(QStringLiteral("3")));
    EXPECT_EQ(l.IndexOf(QStringLiteral("3")), 0);
}

TEST(OrderList, RepeatedNumbersAreFoundThroughEveryKindOfRemoval)
{
    // Each step removes entries and checks every number against a plain scan of the list.
    TA1Orders l;
    for (const char *no : {"A", "B", "A", "C", "B", "A", "D"})
        l.Add(listOrder(QString::fromLatin1(no)));
    const auto check = [&l](const char *step) {
        for (const char *no : {"A", "B", "C", "D", "Z"}) {
            const QString n = QString::fromLatin1(no);
            EXPECT_EQ(l.IndexOf(n), int(l.Numbers().indexOf(n))) << step << " " << no;
        }
    };
    check("start");
    l.Delete(2);  // the second A, not the first
    check("second A gone");
    l.Delete(0);  // the first A: the next A is found
    check("first A gone");
    l.Delete(l.IndexOf(QStringLiteral("C")));
    check("C gone");
    l.Add(listOrder(QStringLiteral("C")));
    check("C again at the end");
    l.DeleteNumbers({QStringLiteral("B")});
    check("every B gone");
    l.Delete(l.Count() - 1);
    check("last gone");
    l.Clear();
    check("cleared");
    l.Add(listOrder(QStringLiteral("A")));
    check("one A");
}
