#include "records/address_texts.h"
#include "records/business_rules.h"
#include "records/reference_records.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

namespace
{
class AddressTextsTest : public ::testing::Test
{
protected:
    void SetUp() override { G_SL_PROVINCE = G_PROVINCE_NAMES; }
    void TearDown() override { G_SL_PROVINCE.clear(); }
};

TEST_F(AddressTextsTest, ShortTextsDropProvinceAndDistrict)
{
    const struct
    {
        const char *lot, *road, *text;
    } cases[] = {
        {"서울 강남구 역삼동 123-4", "서울 강남구 테헤란로 12", "역삼동 123-4[테헤란로 12]"},
        {"서울 강남구 역삼동 123-4[테헤란로 12]", "서울 강남구 테헤란로 12", "역삼동 123-4[테헤란로 12]"},
        {"서울 강남구 역삼동 123-4", "", "역삼동 123-4"},
        {"", "서울 강남구 테헤란로 12", "테헤란로 12"},
        {"역삼동 1", "", "역삼동 1"},
        {"", "", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ShortAddrText(QString::fromUtf8(c.lot), QString::fromUtf8(c.road)), QString::fromUtf8(c.text)) << c.lot;

    EXPECT_EQ(AddrRoadText("역삼동 1", "서울 강남구 테헤란로 12"), "역삼동 1[테헤란로 12]");
    EXPECT_EQ(AddrRoadText("", "서울 강남구 테헤란로 12"), "서울 강남구 테헤란로 12");
    EXPECT_EQ(AddrRoadText("역삼동 1", ""), "역삼동 1");
}

TEST_F(AddressTextsTest, OrderAddressLine)
{
    // A typed order: lot, typed detail and road part.
    EXPECT_EQ(MakeAddrText("서울 강남구 역삼동 1", "101호", "서울 강남구 테헤란로 12", "", "", 2),
              "역삼동 1 101호 [테헤란로 12]");
    // An app order never modified shows the app's address.
    EXPECT_EQ(MakeAddrText("서울 강남구 역삼동 1", "101호", "", "서울특별시 강남구 역삼동 1 101호", "", 0),
              "역삼동 1 101호");
    // Once modified, the typed parts count again.
    EXPECT_EQ(MakeAddrText("서울 강남구 역삼동 1", "102호", "", "서울특별시 강남구 역삼동 1 101호", "", 1),
              "역삼동 1 102호 ");
    // The building is added once, spaces ignored.
    EXPECT_EQ(MakeAddrText("역삼동 1", "", "", "", "래미안", 1), "역삼동 1  래미안");
    EXPECT_EQ(MakeAddrText("역삼동 1 래미 안", "", "", "", "래미안", 1), "역삼동 1 래미 안  ");
}
} // namespace
