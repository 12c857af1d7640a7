#include "main/ui/attendance_qr.h"

#include "reference/page_addresses.h"

#include <gtest/gtest.h>

TEST(AttendanceQr, AddressCarriesTheKindCodeAndDayInBase64)
{
    const QString saved = G_URL_WORK_ATTEND;
    G_URL_WORK_ATTEND = QStringLiteral("https://attend.example/in");
    const QString text = AttendanceQrText(QStringLiteral("WK"), QStringLiteral("W00012"), QDate(2026, 12, 11));
    G_URL_WORK_ATTEND = saved;
    const QString prefix = QStringLiteral("https://attend.example/in?Q=");
    ASSERT_TRUE(text.startsWith(prefix));
    EXPECT_EQ(QByteArray::fromBase64(text.mid(prefix.size()).toLatin1()),
              QByteArray("C_TYPE=WK&WE_CODE=W00012&NOW_DATE=20261211"));
}

TEST(AttendanceQr, DrawsModulesInsideTheQuietZone)
{
    // "HELLO" fits a version-1 code: 21 modules a side.
    const struct { const char *quiet; int margin; } cases[] = {{"4", 4}, {"abc", 4}, {"0", 0}, {"2", 2}, {"-3", 4}, {"999", 40}};
    for (const auto &c : cases) {
        const QImage img = RenderQrCode(QStringLiteral("HELLO"), int(QrEncoding::Alphanumeric), QString::fromLatin1(c.quiet));
        ASSERT_FALSE(img.isNull()) << c.quiet;
        EXPECT_EQ(img.width(), 21 + 2 * c.margin) << c.quiet;
        // The top-left finder pattern: a dark 7-module ring starting right after the quiet zone.
        EXPECT_EQ(img.pixel(c.margin, c.margin), qRgb(0, 0, 0)) << c.quiet;
        EXPECT_EQ(img.pixel(c.margin + 6, c.margin), qRgb(0, 0, 0)) << c.quiet;
        EXPECT_EQ(img.pixel(c.margin + 1, c.margin + 1), qRgb(255, 255, 255)) << c.quiet;
        if (c.margin > 0)
            EXPECT_EQ(img.pixel(c.margin - 1, c.margin - 1), qRgb(255, 255, 255)) << c.quiet;
    }
    // An attendance address in every byte encoding.
    for (int e : {0, 4, 5, 3})
        EXPECT_FALSE(RenderQrCode(QStringLiteral("https://attend.example/in?Q=QUJD"), e, "4").isNull()) << e;
}

TEST(AttendanceQr, TextThatCannotBeEncodedGivesNoPicture)
{
    const struct { QString text; int encoding; } cases[] = {
        {QString(), 0},
        {QStringLiteral("12a4"), int(QrEncoding::Numeric)},
        {QStringLiteral("hello"), int(QrEncoding::Alphanumeric)},
        {QStringLiteral("출근"), int(QrEncoding::Latin1)},
        {QString(8000, QLatin1Char('x')), 0},  // more than the largest code holds
        {QStringLiteral("HELLO"), 6},
        {QStringLiteral("HELLO"), -1},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(RenderQrCode(c.text, c.encoding, "4").isNull()) << c.text.left(10).toStdString() << " " << c.encoding;
    EXPECT_FALSE(RenderQrCode(QStringLiteral("출근 확인"), int(QrEncoding::Utf8), "4").isNull());
    EXPECT_FALSE(RenderQrCode(QStringLiteral("0123456789"), int(QrEncoding::Numeric), "4").isNull());
}
