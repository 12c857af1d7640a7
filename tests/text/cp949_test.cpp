#include "text/cp949.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

TEST(Cp949Test, ExtendedSyllablesUseTheFullCodePage)
{
    EXPECT_EQ(Cp949::encode("똠"), QByteArray("\x8c\x63"));
    EXPECT_EQ(Cp949::encode("가나a"), QByteArray("\xb0\xa1\xb3\xaa" "a"));
    EXPECT_EQ(Cp949::decode(QByteArray("\x8c\x63\xc6\x52")), "똠힣");
    EXPECT_EQ(Cp949::byteLength("똠a가"), 5);
}

TEST(Cp949Test, CutsNeverLeaveHalfACharacter)
{
    struct Case
    {
        QString text;
        int maxBytes;
        QString head;
    } cases[] = {
        {"똠양꿍", 6, "똠양꿍"}, {"똠양꿍", 5, "똠양"}, {"똠양꿍", 1, ""},   {"a똠", 2, "a"},
        {"a똠", 3, "a똠"},       {"abc", 0, ""},        {"abc", -1, ""},    {"", 4, ""},
        {"ab가", 3, "ab"},
    };
    for (const Case &c : cases) {
        const QString head = Cp949::cutToBytes(c.text, c.maxBytes);
        EXPECT_EQ(head, c.head) << c.text.toStdString() << " " << c.maxBytes;
        EXPECT_LE(Cp949::byteLength(head), qMax(0, c.maxBytes));
    }
    EXPECT_EQ(Cp949::encodeCut("똠양꿍", 5), QByteArray("\x8c\x63\xbe\xe7"));
}

TEST(Cp949Test, PaddingCountsBytes)
{
    EXPECT_EQ(Cp949::padRightToBytes("가", 4, '.'), "가..");
    EXPECT_EQ(Cp949::padRightToBytes("가나다", 4, '.'), "가나다");
    EXPECT_EQ(Cp949::padLeftToBytes("똠", 5, ' '), "   똠");
}

TEST(Utf8BytesTest, ServerLimitsCountUtf8Bytes)
{
    EXPECT_EQ(Utf8::byteLength("가a"), 4);
    EXPECT_EQ(Utf8::cutToBytes("가나다", 7), "가나");
    EXPECT_EQ(Utf8::cutToBytes("ab가", 4), "ab");
    // A character outside the basic plane is kept or dropped whole.
    const QString emoji = QString::fromUtf8("a\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8::cutToBytes(emoji, 4), "a");
    EXPECT_EQ(Utf8::cutToBytes(emoji, 5), emoji);
}
