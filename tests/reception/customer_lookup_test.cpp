// The customer lookup's payload and how its reply pages read.
#include "reception/customer_lookup.h"

#include "common/program_globals.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
QJsonObject cRow(const QStringList &values)
{
    QJsonObject o;
    for (int i = 0; i < values.size(); ++i)
        o.insert(QStringLiteral("C_%1").arg(i), values.at(i));
    return o;
}

QString lookupPage(const QJsonArray &row1, const QJsonArray &row2, const QJsonArray &row3, const QString &code = "1")
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{"OUT_CODE", code}, {"OUT_MSG", "m"}, {"OUT_ROW1", row1},
                                                       {"OUT_ROW2", row2}, {"OUT_ROW3", row3}})
                                 .toJson(QJsonDocument::Compact));
}

const QStringList kCustomer = {"C1", "M", "3", "홍길동", "N", "2026-01-02 13:45:10", "12500", "1", "메모", "4", "9",
                               "", "", "N", ""};

CustomerGoodsLookup scriptedGoods()
{
    return [](const QString &goodsNo) -> std::optional<CustomerGoodsInfo> {
        if (goodsNo != QLatin1String("G1"))
            return std::nullopt;
        CustomerGoodsInfo g;
        g.name = "짜장면";
        g.price = 7000;
        g.option = [](int list, const QString &no) -> std::optional<std::pair<QString, qint64>> {
            if (no == QLatin1String("1"))
                return std::make_pair(QStringLiteral("곱빼기%1").arg(list), qint64(1000));
            return std::nullopt;
        };
        return g;
    };
}

TEST(CustomerLookup, TelephoneIsSentAsDigitsAndNothingWithoutOne)
{
    EXPECT_EQ(CustomerLookupPayload("S1", " 010-1234 5678 "), JoinRequestFields({"S1", "01012345678"}));
    EXPECT_FALSE(CustomerLookupPayload("S1", " - ").has_value());
    EXPECT_FALSE(CustomerLookupPayload("가맹점코드", "0101234").has_value());
    EXPECT_FALSE(CustomerLookupPayload("", "0101234").has_value());
    EXPECT_EQ(CustomerSavePayload("S1", "010-12 34", "user", "  이름 ", " 메모 "),
              JoinRequestFields({"S1", "0101234", "user", "이름", " 메모 "}));
}

TEST(CustomerLookup, CustomerRowPastOrdersAndGoods)
{
    QStringList order15 = {"2026-03-04 18:20:00", "4001", "", "서울특별시 강남구 역삼동 12", "23000", "김배달",
                           "01099998888", "역삼동 12", "3층", "37.51", "127.01", "2", "서울특별시 강남구 테헤란로 10",
                           "P0001", "1"};
    QStringList order14 = order15.mid(0, 14);
    const QString page = lookupPage(
        {cRow(kCustomer)}, {cRow(order15), cRow(order14)},
        {cRow({"G1", "", "1", "3", "", ""}), cRow({"G1", "1", "1", "abc", "", ""}), cRow({"NOPE", "", "", "1", "", ""})});
    const CustomerLookupResult r = ReadCustomerLookup({page}, scriptedGoods());
    ASSERT_TRUE(r.customer.has_value());
    EXPECT_EQ(r.customer->name, QStringLiteral("홍길동"));
    EXPECT_EQ(r.customer->money, 12500);
    EXPECT_TRUE(r.customer->ownCustomer);
    EXPECT_FALSE(r.customer->member());
    EXPECT_FALSE(r.customer->appSendAllowed());
    EXPECT_EQ(CustomerDateTimeText(r.customer->authDateTime), QStringLiteral("2026-01-02\r\n13:45"));
    EXPECT_TRUE(CustomerDateTimeText(r.customer->firstOrderDateTime).isEmpty());
    ASSERT_EQ(r.orders.size(), 2);
    EXPECT_EQ(r.orders.at(0).columns.size(), 15);
    EXPECT_EQ(r.orders.at(0).columns.at(1), QStringLiteral("03-04\n18:20"));
    EXPECT_EQ(r.orders.at(0).columns.at(4), QStringLiteral("서울특별시 강남구 역삼동 12[테헤란로 10]"));
    EXPECT_EQ(r.orders.at(0).columns.at(12), QStringLiteral("127.01"));
    EXPECT_EQ(r.orders.at(0).orderNo, QStringLiteral("P0001"));
    EXPECT_EQ(r.orders.at(0).orderKind, QStringLiteral("1")) << "15 keys fill the service column";
    EXPECT_TRUE(r.orders.at(1).orderKind.isEmpty()) << "14 keys leave it empty";
    ASSERT_EQ(r.goods.size(), 2) << "goods the store no longer sells are dropped";
    // Option 1 empty, option 2 found: the name alone, the price with option 2.
    EXPECT_EQ(r.goods.at(0).name, QStringLiteral("짜장면"));
    EXPECT_EQ(r.goods.at(0).price, 8000);
    EXPECT_EQ(r.goods.at(0).quantity, 3);
    EXPECT_EQ(r.goods.at(1).name, QStringLiteral("짜장면(곱빼기1,곱빼기2)"));
    EXPECT_EQ(r.goods.at(1).quantity, 1) << "a quantity that is no number counts 1";
}

TEST(CustomerLookup, OddCustomerRowsAndFailedPages)
{
    // An empty object or two customer rows give no customer.
    EXPECT_FALSE(ReadCustomerLookup({lookupPage({QJsonObject{}}, {}, {})}, scriptedGoods()).customer.has_value());
    EXPECT_FALSE(ReadCustomerLookup({lookupPage({cRow(kCustomer), cRow(kCustomer)}, {}, {})}, scriptedGoods())
                     .customer.has_value());
    // A failed page ends the reading; the pages before it stay.
    const CustomerLookupResult r = ReadCustomerLookup(
        {lookupPage({}, {cRow(QStringList(15, "x"))}, {}), lookupPage({cRow(kCustomer)}, {}, {}, "0")}, scriptedGoods());
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.orders.size(), 1);
    EXPECT_FALSE(r.customer.has_value());
    EXPECT_TRUE(ReadCustomerLookup({}, scriptedGoods()).noReply);
    EXPECT_EQ(CustomerSaveMessage(QString()), QStringLiteral("인터넷 연결이 원활하지 정보 요청에 실패했습니다."));
    EXPECT_EQ(CustomerSaveMessage(R"({"OUT_CODE":"1"})"), QStringLiteral("저장했습니다."));
    EXPECT_EQ(CustomerSaveMessage(R"({"OUT_CODE":"0","OUT_MSG":"없음"})"), QStringLiteral("실패했습니다.\n없음"));
}
} // namespace
