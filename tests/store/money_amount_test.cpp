// Amounts are whole won in 64 bits: what reads as a number, what does not, and sums that would
// overflow.

#include "store/money_amount.h"

#include <gtest/gtest.h>

#include <limits>

TEST(MoneyAmount, ReadsOnlyWholeNumbers)
{
    struct Case
    {
        const char *text;
        std::optional<qint64> whole;   // ParseWholeAmount
        std::optional<qint64> server;  // ParseServerAmount
        std::optional<qint64> typed;   // ParseTypedAmount
    };
    const Case cases[] = {
        {"1500", 1500, 1500, 1500},
        {" -300 ", -300, -300, -300},
        {"1,000", std::nullopt, std::nullopt, 1000},
        {"1500.00", std::nullopt, 1500, std::nullopt},
        {"12.5", std::nullopt, std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt, std::nullopt},
        {"1e3", std::nullopt, std::nullopt, std::nullopt},
        {"999999999999999999", 999999999999999999LL, 999999999999999999LL, 999999999999999999LL},
        // Past 18 digits a value could overflow: refused, never wrapped.
        {"9999999999999999999", std::nullopt, std::nullopt, std::nullopt},
        {"１２", std::nullopt, std::nullopt, std::nullopt},  // full-width digits
    };
    for (const Case &c : cases) {
        const QString t = QString::fromUtf8(c.text);
        EXPECT_EQ(ParseWholeAmount(t), c.whole) << c.text;
        EXPECT_EQ(ParseServerAmount(t), c.server) << c.text;
        EXPECT_EQ(ParseTypedAmount(t), c.typed) << c.text;
    }
    EXPECT_EQ(AmountOrZero(u"abc"), 0);
}

TEST(MoneyAmount, GroupsThousandsAndAddsWithoutOverflow)
{
    EXPECT_EQ(GroupedWon(0), QStringLiteral("0"));
    EXPECT_EQ(GroupedWon(999), QStringLiteral("999"));
    EXPECT_EQ(GroupedWon(1234567), QStringLiteral("1,234,567"));
    EXPECT_EQ(GroupedWon(-5000), QStringLiteral("-5,000"));
    EXPECT_EQ(GroupedWon(std::numeric_limits<qint64>::min()), QStringLiteral("-9,223,372,036,854,775,808"));

    qint64 a = std::numeric_limits<qint64>::max() - 1;
    EXPECT_TRUE(AddAmount(a, 1));
    EXPECT_FALSE(AddAmount(a, 1));
    EXPECT_EQ(a, std::numeric_limits<qint64>::max());
}
