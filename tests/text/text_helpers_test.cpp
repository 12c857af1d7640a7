#include "text/text_helpers.h"
#include "row_separator.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <limits>

namespace
{

struct SplitCase
{
    const char *name;
    QString delim;
    QString text;
    QStringList pieces;
};
} // namespace

TEST(SplitTextTest, EveryDelimiterEndsAPieceAndEmptyPiecesStay)
{
    const SplitCase cases[] = {
        {"trailing separator gives an empty last piece", kSep, "a" + kSep + "b" + kSep, {"a", "b", ""}},
        {"no trailing separator", kSep, "a" + kSep + "b", {"a", "b"}},
        {"empty text gives one empty piece", kSep, "", {""}},
        {"only separators", kSep, kSep + kSep, {"", "", ""}},
        {"empty inner pieces kept", ",", "1,,3", {"1", "", "3"}},
        {"Korean text", kSep, "가게" + kSep + "배송", {"가게", "배송"}},
        {"empty delimiter gives nothing", "", "a,b", {}},
        {"a longer delimiter never matches", ",,", "a,,b", {}},
    };
    for (const SplitCase &c : cases)
        EXPECT_EQ(SplitText(c.delim, c.text), c.pieces) << c.name;
}

TEST(SplitTextTest, IntoClearsTheListButAnEmptyDelimiterLeavesItAlone)
{
    QStringList list = {"old"};
    SplitTextInto(",", "x,y", list);
    EXPECT_EQ(list, QStringList({"x", "y"}));
    SplitTextInto("", "p,q", list);
    EXPECT_EQ(list, QStringList({"x", "y"}));
}

TEST(SplitTextTest, UnescapedRowsGetQuotesAndBackslashesBack)
{
    const QString row = "say &quot;hi&quot;" + kSep + "C:&#92;dir" + kSep;
    EXPECT_EQ(SplitUnescaped(kSep, row), QStringList({"say \"hi\"", "C:\\dir", ""}));
}

TEST(StripProvinceTextTest, DropsProvinceAndDistrictOnlyAfterAKnownAlias)
{
    const QStringList aliases = {"서울", "경기도"};
    struct Case
    {
        QString addr;
        QString result;
    } cases[] = {
        {"서울 강남구 역삼동", "강남구 역삼동"},
        {"서울 강남구 역삼동 123-4", "역삼동 123-4"},
        {"경기도 수원시 팔달구 인계동 1", "팔달구 인계동 1"},
        {"부산 해운대구 우동", "부산 해운대구 우동"},
        {"서울 강남구", "서울 강남구"},
        {"서울  강남구", " 강남구"},
        {" 서울 강남구 역삼동", " 서울 강남구 역삼동"},
        {"", ""},
    };
    for (const Case &c : cases) {
        QString result = "stale";
        StripProvinceText(c.addr, result, aliases);
        EXPECT_EQ(result, c.result) << c.addr.toStdString();
    }
}

TEST(GroupThousandsTest, EveryWholeNumberEvenTheExtremes)
{
    const std::pair<qint64, QString> cases[] = {
        {0, "0"},
        {100, "100"},
        {1000, "1,000"},
        {-1000, "-1,000"},
        {-999, "-999"},
        {123456789, "123,456,789"},
        {std::numeric_limits<qint64>::max(), "9,223,372,036,854,775,807"},
        {std::numeric_limits<qint64>::min(), "-9,223,372,036,854,775,808"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(GroupThousands(in), out) << in;
}

TEST(FormatMoneyTest, GroupsThousandsAndRoundsToWholeNumbers)
{
    const std::pair<QString, QString> cases[] = {
        {"0", "0"},           {"999", "999"},         {"1000", "1,000"},     {"1234567", "1,234,567"},
        {"-1234", "-1,234"},  {"1234.5", "1,235"},    {"12.4", "12"},        {"abc", "0"},
        {"", "0"},            {" 2500 ", "2,500"},    {"1,000", "0"},        {"100000000000", "100,000,000,000"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(FormatMoney(in), out) << in.toStdString();
}

TEST(RoundUpTest, AddsOneOnlyForAPositiveFraction)
{
    EXPECT_EQ(RoundUp(2.0), 2);
    EXPECT_EQ(RoundUp(2.01), 3);
    EXPECT_EQ(RoundUp(0.0), 0);
    EXPECT_EQ(RoundUp(-1.5), -1);
}

TEST(PadAnsiTest, PadsByBytesAndKeepsLongerTexts)
{
    EXPECT_EQ(PadRightAnsi("  ab ", 5, '.'), QByteArray("ab..."));
    EXPECT_EQ(PadRightAnsi("abcdef", 3, ' '), QByteArray("abcdef"));
    EXPECT_EQ(PadLeftAnsi("7", "0", 3), QByteArray("007"));
    EXPECT_EQ(PadLeftAnsi("1234", "0", 3), QByteArray("1234"));
    EXPECT_EQ(PadLeftAnsi("1", "ab", 3), QByteArray("abab1"));
}

TEST(GetDistanceTest, SphericalLawOfCosinesInWholeMetres)
{
    // Seoul City Hall to Gangnam station.
    const double d = GetDistance("126.9780", "37.5665", "127.0276", "37.4979");
    EXPECT_EQ(d, 8792.0);
    // One hundredth of a degree of latitude is about 1112 m on this radius.
    EXPECT_EQ(GetDistance("127.0", "37.00", "127.0", "37.01"), 1112.0);
}

TEST(GetDistanceTest, ZeroOrUnreadableCoordinatesGiveZero)
{
    EXPECT_EQ(GetDistance("0", "37.5", "127.0", "37.4"), 0.0);
    EXPECT_EQ(GetDistance("127.0", "37.5", "127.0", "0"), 0.0);
    EXPECT_EQ(GetDistance("127.0", "37.5", "", "37.4"), 0.0);
    EXPECT_EQ(GetDistance("x", "37.5", "127.0", "37.4"), 0.0);
    EXPECT_EQ(GetDistance("127.1", "37.5", "127.1", "37.5"), 0.0);
}

TEST(Base64EncodeTest, BreaksLinesAfter72CharactersAndAfterAPaddedEnd)
{
    EXPECT_EQ(Base64Encode(""), "");
    EXPECT_EQ(Base64Encode("abc"), "YWJj");
    EXPECT_EQ(Base64Encode("ab"), "YWI=\r\n");
    EXPECT_EQ(Base64Encode("a"), "YQ==\r\n");
    // 54 bytes make exactly 72 characters: the line break closes the text.
    const QString fiftyFour(54, QLatin1Char('a'));
    const QString line = QString::fromLatin1(QByteArray(54, 'a').toBase64());
    EXPECT_EQ(Base64Encode(fiftyFour), line + "\r\n");
    EXPECT_EQ(Base64Encode(fiftyFour + "a"), line + "\r\nYQ==\r\n");
    // A code unit above 255 overflows the 6-bit table and shows as spaces.
    EXPECT_EQ(Base64Encode(QString(QChar(0x0100)) + "ab").left(1), " ");
}

TEST(EscapeCaptionTest, AmpersandFirstThenEntities)
{
    EXPECT_EQ(EscapeCaption("A&B <x> 'q' \"d\""), "A&&B &lt;x&gt; &apos;q&apos; &quot;d&quot;");
}

TEST(SmallHelpersTest, ChoicesEqualityAndPaths)
{
    EXPECT_EQ(IfThenStr(true, "a", "b"), "a");
    EXPECT_EQ(IfThenInt(false, 1, 2), 2);
    EXPECT_EQ(IfThenFloat(true, 1.5, 2.5), 1.5);
    EXPECT_TRUE(StrEqual("Ab", "Ab"));
    EXPECT_FALSE(StrEqual("Ab", "ab"));

    QString dir = "x", file = "y";
    SplitFilePath(dir, file, "C:\\app\\LOG\\20260101.log");
    EXPECT_EQ(dir, "C:\\app\\LOG\\");
    EXPECT_EQ(file, "20260101.log");
    SplitFilePath(dir, file, "/home/u/doc/addr.dat");
    EXPECT_EQ(dir, "/home/u/doc/");
    EXPECT_EQ(file, "addr.dat");
    SplitFilePath(dir, file, "plain.txt");
    EXPECT_TRUE(dir.isEmpty());
    EXPECT_TRUE(file.isEmpty());
}

TEST(SavedLoginTest, NibblePackingRoundTripsEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(UnpackNibbles(PackNibbles(all, false)), all);
    EXPECT_EQ(PackNibbles("A", false), "BE");
    EXPECT_EQ(PackNibbles("secret", true), "");
    EXPECT_EQ(UnpackNibbles("BEB"), "A");
    EXPECT_EQ(UnpackNibbles(""), "");
}
