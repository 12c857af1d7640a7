#include "text/cp949.h"
#include "text/fixed_text.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <gtest/gtest.h>

namespace
{
struct CutCase
{
    const char *name;
    QString text;
    int width;
    QString expected;
};

class CutToCodePageBytesTest : public ::testing::TestWithParam<CutCase>
{
};

TEST_P(CutToCodePageBytesTest, KeepsWholeCharactersWithinTheWidth)
{
    const CutCase &c = GetParam();
    const QString cut = CutToCodePageBytes(c.text, c.width);
    EXPECT_EQ(cut, c.expected) << c.name << ": " << cut.toStdString();
    EXPECT_LE(Cp949::encode(cut).size(), c.width) << c.name;
    // A text handed over is cut the same way.
    EXPECT_EQ(CutToCodePageBytes(QString(c.text), c.width), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CutToCodePageBytesTest,
    ::testing::Values(
        CutCase{"ascii fits", QStringLiteral("1234567"), 7, QStringLiteral("1234567")},
        CutCase{"store code of nine", QStringLiteral("123456789"), 7, QStringLiteral("1234567")},
        CutCase{"empty", QString(), 7, QString()},
        CutCase{"zero width", QStringLiteral("abc"), 0, QString()},
        CutCase{"hangul even", QStringLiteral("가나다라"), 4, QStringLiteral("가나")},
        CutCase{"hangul odd width drops the half", QStringLiteral("가나다라"), 5, QStringLiteral("가나")},
        CutCase{"extended syllable", QStringLiteral("똠방각하"), 3, QStringLiteral("똠")},
        CutCase{"extended syllable whole", QStringLiteral("똠힣"), 4, QStringLiteral("똠힣")},
        CutCase{"mixed before a syllable", QStringLiteral("a똠b"), 2, QStringLiteral("a")},
        CutCase{"mixed with the syllable", QStringLiteral("a똠b"), 3, QStringLiteral("a똠")},
        CutCase{"width one and hangul", QStringLiteral("가"), 1, QString()}),
    [](const ::testing::TestParamInfo<CutCase> &info) {
        std::string n = info.param.name;
        for (char &ch : n)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(CutToCodePageBytes, NeverSplitsASurrogatePair)
{
    const QString text = QStringLiteral("ab") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("cdefgh");
    for (int width = 0; width <= 10; ++width) {
        const QString cut = CutToCodePageBytes(text, width);
        ASSERT_TRUE(text.startsWith(cut));
        if (!cut.isEmpty()) {
            EXPECT_FALSE(cut.back().isHighSurrogate()) << "width " << width;
        }
    }
}

TEST(FixedText, EveryWayOfStoringCutsToTheWidth)
{
    TST_LIST st;
    st.ST_CODE = QStringLiteral("123456789");
    EXPECT_EQ(st.ST_CODE, QStringLiteral("1234567"));

    st.ST_CODE = "ABCDEFGHIJ";
    EXPECT_EQ(st.ST_CODE, QStringLiteral("ABCDEFG"));

    st.ST_CODE = QStringLiteral("12345");
    st.ST_CODE += QStringLiteral("6789");
    EXPECT_EQ(st.ST_CODE, QStringLiteral("1234567"));

    // A wider field copied into a narrower one is cut as well.
    st.ST_LAT_Y = QStringLiteral("37.12345678901234567");
    st.ST_CODE = st.ST_LAT_Y;
    EXPECT_EQ(st.ST_CODE, QStringLiteral("37.1234"));

    TUSER_INFO user;
    user.NM = QString(30, QChar(0xB625));  // thirty "똠": 60 bytes into a 50-byte field
    EXPECT_EQ(user.NM.size(), 25);
}

TEST(FixedText, ReadsLikeAnOrdinaryText)
{
    TST_LIST st;
    st.ST_CODE = QStringLiteral("S000001");
    const QString plain = st.ST_CODE;
    EXPECT_EQ(plain + QStringLiteral("|"), QStringLiteral("S000001|"));
    EXPECT_TRUE(st.ST_CODE == QStringLiteral("S000001"));
    EXPECT_TRUE(QStringList{QStringLiteral("S000001")}.contains(st.ST_CODE));
    EXPECT_FALSE(st.ST_CODE.isEmpty());
}

TEST(SetFixed, CutsAPlainTextField)
{
    QString field;
    SetFixed(field, QStringLiteral("가나다"), 5);
    EXPECT_EQ(field, QStringLiteral("가나"));
}
} // namespace
