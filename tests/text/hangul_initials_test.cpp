#include "text/hangul_initials.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

TEST(HangulInitialsTest, SyllablesBecomeInitialsAndOtherCharactersStay)
{
    const std::pair<QString, QString> cases[] = {
        {"가나다", "ㄱㄴㄷ"},
        {"까치 2마리", "ㄲㅊ 2ㅁㄹ"},
        {"  한글  ", "ㅎㄱ"},
        {"   ", ""},
        {"", ""},
        {"ABC 123", "ABC 123"},
        {"ㄱㅏ", "ㄱㅏ"},
        {"치킨(Chicken)", "ㅊㅋ(Chicken)"},
        {"짜장면", "ㅉㅈㅁ"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(DivHan2(in), out) << in.toStdString();
}

TEST(HangulInitialsTest, EverySyllableOfTheBlockMapsIntoTheTable)
{
    const QString initials = QStringLiteral("ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ");
    for (char16_t u = 0xAC00; u <= 0xD7A3; ++u) {
        const QChar initial = HangulInitialOf(QChar(u));
        ASSERT_EQ(initial, initials.at((u - 0xAC00) / 588)) << int(u);
    }
    // The last syllables of the block begin with ㅎ like the rest of the final row.
    EXPECT_EQ(DivHan2(QString(QChar(0xD79F))), "ㅎ");
    EXPECT_EQ(DivHan2(QStringLiteral("힣")), "ㅎ");
    // Neighbours of the block are not syllables.
    EXPECT_TRUE(HangulInitialOf(QChar(0xABFF)).isNull());
    EXPECT_TRUE(HangulInitialOf(QChar(0xD7A4)).isNull());
}

TEST(HangulInitialsTest, FirstInitialIsEmptyForTextNotStartingWithASyllable)
{
    EXPECT_EQ(DivHan1("한글"), "ㅎ");
    EXPECT_EQ(DivHan1("뷁"), "ㅂ");
    EXPECT_EQ(DivHan1(""), "");
    EXPECT_EQ(DivHan1("A가"), "");
    EXPECT_EQ(DivHan1(" 가"), "");
    EXPECT_EQ(DivHan1("ㄱ"), "");
    EXPECT_EQ(DivHan1(QString(QChar(0xFFFF))), "");
}
