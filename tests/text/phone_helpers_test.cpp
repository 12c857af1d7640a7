#include "text/phone_helpers.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

namespace
{
struct PhoneCase
{
    QString in;
    QString plain;
    QString masked;
};
} // namespace

TEST(FormatPhoneTest, GroupsByLengthAndMasksTheMiddle)
{
    const PhoneCase cases[] = {
        {"021234567", "02-123-4567", "02-***-4567"},
        {"0212345678", "02-1234-5678", "02-****-5678"},
        {"0311234567", "031-123-4567", "031-***-4567"},
        {"01012345678", "010-1234-5678", "010-****-5678"},
        {"010-1234-5678", "010-1234-5678", "010-****-5678"},
        {"010 1234 5678", "010-1234-5678", "010-****-5678"},
        {"050412345678", "0504-1234-5678", "0504-1234-5678"},
        {"05012345678", "050-1234-5678", "050-1234-5678"},
        {"0501234567", "050-123-4567", "050-123-4567"},
        {"15881234", "1588-1234", "****-1234"},
        {"12345", "1-2345", "****-2345"},
        {"1234567", "123-4567", "****-4567"},
        {"031123456789", "0311-2345-6789", "0311-****-6789"},
        {"1234", "1234", "1234"},
        {"12-34", "12-34", "12-34"},
        {"123", "123", "123"},
        {"1-2", "12", "12"},
        {"", "", ""},
        {"0101234567890", "0101234567890", "0101234567890"},
        {"010-1234-56789", "0101-2345-6789", "0101-****-6789"},
        {"010-1234-567890", "010-1234-567890", "010-1234-567890"},
    };
    for (const PhoneCase &c : cases) {
        EXPECT_EQ(FormatPhone(c.in, 0), c.plain) << c.in.toStdString();
        EXPECT_EQ(FormatPhone(c.in, 1), c.masked) << c.in.toStdString();
    }
}

TEST(FormatPhoneTest, AnOpeningParenthesisStays)
{
    EXPECT_EQ(FormatPhone("(02)123-4567", 0), "(02-123-4567");
}

TEST(FormatNumberGroupsTest, GroupsElevenToSixteenCharacters)
{
    const std::pair<QString, QString> cases[] = {
        {"01012345678", "010-1234-5678"},
        {"123456789012", "1234-5678-9012"},
        {"1234567890123", "12-345-6789-0123"},
        {"12345678901234", "12-3456-7890-1234"},
        {"123456789012345", "123-4567-8901-2345"},
        {"1234567890123456", "1234-5678-9012-3456"},
        {"1234-5678-9012-3456", "1234-5678-9012-3456"},
        {"123456789", "123456789"},
        {"12345678901234567", "12345678901234567"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(FormatNumberGroups(in, 0), out) << in.toStdString();
}

TEST(FormatNumberGroupsTest, MaskShowsNoMoreThanFirstThreeAndLastFour)
{
    // An 11-digit number keeps its last four after the starred middle.
    EXPECT_EQ(FormatNumberGroups("01012345678", 1), "010-****-5678");
    // A card number hides everything between its first three and last four digits.
    EXPECT_EQ(FormatNumberGroups("1234-5678-9012-3456", 1), "123-****-*****3456");
    EXPECT_EQ(FormatNumberGroups("123456789", 1), "123-****-89");
    EXPECT_EQ(FormatNumberGroups("12", 1), "12-****-");
}

TEST(NameMaskTest, OnlyThreeCharacterNamesWithMaskOne)
{
    EXPECT_EQ(MaskName3("홍길동", 1), "홍길*");
    EXPECT_EQ(MaskName3("홍길동", 0), "홍길동");
    EXPECT_EQ(MaskName3("남궁민수", 1), "남궁민수");
    EXPECT_EQ(RemoveHyphens("010-12-34"), "0101234");
}
