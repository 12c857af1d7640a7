// The delivery fee: when it is asked, what the window remembers, and how the reply reads.
#include "reception/delivery_fee.h"

#include "common/program_globals.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
DeliveryFeeInputs feeInputs()
{
    DeliveryFeeInputs in;
    in.storeCode = "S0001";
    in.groupCode = "G01";
    in.storeLat = "37.5";
    in.storeLng = "127.0";
    in.customerLat = "37.51";
    in.customerLng = "127.01";
    in.deliveryCountClass = "1";
    in.lotAddr = "역삼동 12";
    in.roadAddr = "테헤란로 10";
    in.bundleCount = "1";
    return in;
}

QString feeReplyJson(const QString &fee, const QString &surcharge, const QString &distance, const QString &code = "1")
{
    return QString::fromUtf8(
        QJsonDocument(QJsonObject{{"OUT_CODE", code},
                                  {"OUT_MSG", "bad"},
                                  {"OUT_VAL", "기본 3000"},
                                  {"OUT_ROW1", QJsonArray{QJsonObject{{"C_0", fee}, {"C_1", "700"}, {"C_2", surcharge},
                                                                      {"C_3", distance}}}}})
            .toJson(QJsonDocument::Compact));
}

TEST(DeliveryFee, AskedOnceForTheSameInputsAndAgainWhenOneChanges)
{
    QStringList sent;
    DeliveryFeeCache cache([&](const QString &code, const QString &callType, const QString &payload) {
        EXPECT_EQ(code, QStringLiteral("CS01_09_V04"));
        EXPECT_EQ(callType, QStringLiteral("ADM1"));
        sent << payload;
        return QString();  // no answer: still not asked again
    });
    DeliveryFeeInputs in = feeInputs();
    EXPECT_TRUE(cache.ask(in).has_value());
    EXPECT_FALSE(cache.ask(in).has_value()) << "leaving the detail address twice sends one request";
    in.detailAddr = "3층";
    EXPECT_TRUE(cache.ask(in).has_value());
    ASSERT_EQ(sent.size(), 2);
    const QStringList fields = sent.at(1).split(G_FIELD_SEP);
    ASSERT_EQ(fields.size(), 15);  // 14 fields, each closed by the separator
    EXPECT_EQ(fields.at(2), QStringLiteral("37.5"));
    EXPECT_EQ(fields.at(4), QStringLiteral("37.51"));
    EXPECT_EQ(fields.at(8), QStringLiteral("3층"));
    EXPECT_TRUE(fields.at(11).isEmpty());
}

TEST(DeliveryFee, NoRequestWithoutPositionOrGroup)
{
    int asked = 0;
    DeliveryFeeCache cache([&](const QString &, const QString &, const QString &) {
        ++asked;
        return QString();
    });
    for (const auto &change : std::initializer_list<std::function<void(DeliveryFeeInputs &)>>{
             [](DeliveryFeeInputs &in) { in.customerLng = "-1"; },
             [](DeliveryFeeInputs &in) { in.customerLat = "abc"; },
             [](DeliveryFeeInputs &in) { in.customerLat.clear(); },
             [](DeliveryFeeInputs &in) { in.groupCode = QString(); }}) {
        DeliveryFeeInputs in = feeInputs();
        change(in);
        EXPECT_FALSE(cache.ask(in).has_value());
        EXPECT_FALSE(cache.record(in)) << "a null group records nothing";
    }
    EXPECT_EQ(asked, 0);
    // Recording marks the inputs as asked.
    EXPECT_TRUE(cache.record(feeInputs()));
    EXPECT_FALSE(cache.ask(feeInputs()).has_value());
    EXPECT_EQ(asked, 0);
}

TEST(DeliveryFee, ReplyAddsStoreSupportAndReadsSurchargeAndDistance)
{
    DeliveryFeeResult r = ReadDeliveryFeeReply(feeReplyJson("3000", "500", "11404.7"), "1000");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.fee, 4000);
    EXPECT_TRUE(r.breakdown.endsWith(QStringLiteral("\r추가요금: 1000")));
    EXPECT_EQ(r.surcharge, 500);
    EXPECT_EQ(DeliveryDistanceText(r.distance), QStringLiteral("11.404Km"));
    EXPECT_EQ(DeliveryFeeLabelText(true, r.surcharge, "배달료"), QStringLiteral("배달료\n할증:500"));
    EXPECT_EQ(DeliveryFeeLabelText(true, 0, "배달료"), QStringLiteral("배달료"));
    EXPECT_EQ(DeliveryFeeLabelText(false, 500, "배달료"), QStringLiteral("주방\r\n발주시간"));

    r = ReadDeliveryFeeReply(feeReplyJson("x", "y", "z"), "abc");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.fee, 0);
    EXPECT_EQ(r.surcharge, 0);
    EXPECT_EQ(DeliveryDistanceText(r.distance), QStringLiteral("0Km"));

    EXPECT_FALSE(ReadDeliveryFeeReply(feeReplyJson("3000", "0", "1", "0"), "").ok);
    EXPECT_FALSE(ReadDeliveryFeeReply(QString(), "").ok);
    EXPECT_FALSE(ReadDeliveryFeeReply(QStringLiteral("not json"), "").ok);
}

TEST(DeliveryFee, MapAddressOnlyForWebAddresses)
{
    const QUrl url = CustomerMapUrl("https://maps.example/view", "127.01", "37.51", "127.0", "37.5 &x=1");
    EXPECT_EQ(url.toString(QUrl::FullyEncoded),
              QStringLiteral("https://maps.example/view?MOVE_LAT_Y=37.51&MOVE_LNG_X=127.01&STOP_LAT_Y=37.5%20%26x%3D1"
                             "&STOP_LNG_X=127.0"));
    EXPECT_TRUE(CustomerMapUrl("file:///etc/passwd", "1", "2", "3", "4").isEmpty());
    EXPECT_TRUE(CustomerMapUrl("javascript:alert(1)", "1", "2", "3", "4").isEmpty());
}
} // namespace
