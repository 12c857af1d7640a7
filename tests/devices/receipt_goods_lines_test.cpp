#include "devices/receipt_blocks.h"
#include "devices/receipt_goods_lines.h"
#include "receipt_fixture.h"
#include "common/qstring_print.h"
#include "text/cp949.h"

#include <gtest/gtest.h>

namespace
{
ReceiptGoods goodsNamed(const QString &name, qint64 price, qint64 qty)
{
    ReceiptGoods g;
    g.goodsNo = QStringLiteral("1");
    g.name = name;
    g.price = price;
    g.quantity = qty;
    g.amount = price * qty;
    return g;
}

ReceiptBlocks goodsBlocks(const QList<ReceiptGoods> &goods, const TPRINT_SET &slot, const QList<TGrpPrint> &groups = {})
{
    ReceiptBlocks b;
    AppendReceiptGoodsLines(goods, slot, groups, b);
    return b;
}
TEST(ReceiptGoodsLines, LatinNameFillsEachBlockToItsWidth)
{
    const ReceiptBlocks b = goodsBlocks({goodsNamed(QStringLiteral("ABCDEFGHIJKLMNO"), 18000, 2)}, ReceiptTestSlot());
    EXPECT_EQ(b[0].value(0), QStringLiteral("ABCDEFGHIJKLMNO             ") + QStringLiteral(" 18,000    2  36,000"));
    EXPECT_EQ(b[1].value(0), QStringLiteral("ABCDEFGHIJKLMNO       ") + QStringLiteral(" 18,000    2  36,000"));
    EXPECT_EQ(b[2].value(0), QStringLiteral("ABCDEFGHIJKLMNO").leftJustified(40) + QStringLiteral("     2개"));
    EXPECT_EQ(b[3].value(0), QStringLiteral("ABCDEFGHIJKLMNO").leftJustified(36) + QStringLiteral("   2개"));
    EXPECT_EQ(b[4].value(0), QStringLiteral("ABCDEFGHIJKLMNO     ") + QStringLiteral("18,000    2 36,000"));
    EXPECT_EQ(b[5].value(0), QStringLiteral("ABCDEFGHIJKLMNO     ") + QStringLiteral(" 2개"));
    const int widths[] = {48, 42, 48, 42, 38, 24};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Cp949::byteLength(b[size_t(i)].value(0)), widths[i]) << "block " << i;
    EXPECT_TRUE(b[6].isEmpty());
}

TEST(ReceiptGoodsLines, NamesWrapByBytesAndKeepCharacters)
{
    struct Case
    {
        QString name;
        int block;
        QString first;  // name part of the first line
        QString rest;   // after CR LF; empty: no wrap
    };
    const QString h16 = QStringLiteral("가나다라마바사아자차카타파하거너");  // 16 syllables, 32 bytes
    const Case cases[] = {
        {QString(28, QLatin1Char('x')), 0, QString(28, QLatin1Char('x')), {}},
        {QString(29, QLatin1Char('x')), 0, QString(14, QLatin1Char('x')).leftJustified(28), QString(15, QLatin1Char('x'))},
        {h16, 0, h16.left(14), h16.mid(14)},
        {h16, 1, h16.left(10) + QStringLiteral("  "), h16.mid(10)},
        {QStringLiteral("가나다라마바사아자차카"), 5, QStringLiteral("가나다라마바사아자차"), QStringLiteral("카")},
    };
    for (const Case &c : cases) {
        const ReceiptBlocks b = goodsBlocks({goodsNamed(c.name, 1000, 1)}, ReceiptTestSlot());
        const QString line = b[size_t(c.block)].value(0);
        const QStringList parts = line.split(QStringLiteral("\r\n"));
        ASSERT_EQ(parts.size(), c.rest.isEmpty() ? 1 : 2) << c.name.toStdString();
        EXPECT_TRUE(parts[0].startsWith(c.first)) << parts[0].toStdString();
        if (!c.rest.isEmpty()) {
            EXPECT_EQ(parts[1], c.rest);
        }
    }
}

TEST(ReceiptGoodsLines, AdditionalItemIsMeasuredWithItsBlankButPrintedTrimmed)
{
    ReceiptGoods g = goodsNamed(QStringLiteral("A"), 1000, 1);
    g.items.append(goodsNamed(QStringLiteral(" +두자"), 500, 1));
    const ReceiptBlocks b = goodsBlocks({g}, ReceiptTestSlot());
    ASSERT_EQ(b[0].size(), 2);
    EXPECT_EQ(b[0][1], QStringLiteral("+두자").leftJustified(26) + QStringLiteral("    500    1     500"));
}

TEST(ReceiptGoodsLines, QuantityFieldIsNeverCut)
{
    const ReceiptBlocks b = goodsBlocks({goodsNamed(QStringLiteral("A"), 1, 12345)}, ReceiptTestSlot());
    EXPECT_EQ(Cp949::byteLength(b[5][0]), 27);
    EXPECT_TRUE(b[5][0].endsWith(QStringLiteral("12345개")));
}

TEST(ReceiptGoodsLines, PrinterGroupAndUnusedSlot)
{
    ReceiptGoods g15 = goodsNamed(QStringLiteral("A"), 1, 1);
    g15.goodsNo = QStringLiteral("15");
    g15.items.append(goodsNamed(QStringLiteral(" +B"), 1, 1));
    ReceiptGoods g16 = goodsNamed(QStringLiteral("C"), 1, 1);
    g16.goodsNo = QStringLiteral("16");
    TGrpPrint grp;
    grp.sCode = QStringLiteral("7");
    grp.slGoods = {QStringLiteral("15")};
    TPRINT_SET slot = ReceiptTestSlot();
    struct Case
    {
        QString grp;
        int lines;
    };
    for (const Case &c : {Case{QStringLiteral("0"), 3}, Case{QStringLiteral("7"), 2}, Case{QStringLiteral("99"), 3}}) {
        slot.PRT_GRP = c.grp;
        EXPECT_EQ(goodsBlocks({g15, g16}, slot, {grp})[0].size(), c.lines) << c.grp.toStdString();
    }
    slot.Use_yn = false;
    EXPECT_TRUE(goodsBlocks({g15, g16}, slot, {grp})[0].isEmpty());
}

TEST(ReceiptCardNumber, MaskingTable)
{
    const std::pair<const char *, const char *> cases[] = {
        {"1234567812345678", "1234-56**-****-****"},
        {"1234-5678-1234-5678", "1234-56**-****-****"},
        {"1234567890", "1234-56**-****-****"},       // a short number is not shown whole
        {"123456789012345", "1234-56**-****-****"},
        {"1234-56**-****-5678", "1234-56**-****-5678"},  // stars from the server are kept
    };
    for (const auto &[in, want] : cases) {
        EXPECT_EQ(MaskReceiptCardNumber(QString::fromUtf8(in)), QString::fromUtf8(want)) << in;
        EXPECT_EQ(MaskReceiptCardNumber(MaskReceiptCardNumber(QString::fromUtf8(in))), QString::fromUtf8(want));
    }
    EXPECT_EQ(ReceiptCardMonths(QStringLiteral("00")), QStringLiteral("0"));
    EXPECT_EQ(ReceiptCardMonths(QStringLiteral("1")), QStringLiteral("0"));
    EXPECT_EQ(ReceiptCardMonths(QStringLiteral("3")), QStringLiteral("3"));
    EXPECT_EQ(ReceiptApprovedAmount(QStringLiteral("1,234,500")), QStringLiteral("1,234,500"));
    EXPECT_EQ(ReceiptApprovedAmount(QStringLiteral("abc")), QStringLiteral("0"));
}

TEST(ReceiptBlocks, StoreAddressRule)
{
    std::array<TPRINT_SET, 4> slotSet{};
    slotSet[0] = ReceiptTestSlot();
    slotSet[0].PRT_OUT_ST_ADDR = QStringLiteral("0");
    slotSet[1] = ReceiptTestSlot();
    slotSet[1].PRT_OUT_ST_ADDR = QStringLiteral("1");
    EXPECT_FALSE(ReceiptPrintsStoreAddress(slotSet, -1, 1));
    EXPECT_TRUE(ReceiptPrintsStoreAddress(slotSet, 1, 1));
    slotSet[1].PRT_OUT_ST_ADDR = QString();
    EXPECT_FALSE(ReceiptPrintsStoreAddress(slotSet, 1, 1));
    slotSet[0].Use_yn = false;
    EXPECT_TRUE(ReceiptPrintsStoreAddress(slotSet, -1, 1));
}

TEST(ReceiptBlocks, BodyOfTheFixtureOrder)
{
    std::array<TPRINT_SET, 4> slotSet{};
    slotSet[0] = ReceiptTestSlot();
    slotSet[0].GOODS_BIG = QStringLiteral("1");
    slotSet[1] = ReceiptTestSlot();
    ReceiptOrder o = ReceiptTestOrder();
    o.status = QStringLiteral("4001");
    o.cardNo = QStringLiteral("9410-1234-5678-9012");
    o.approvalNo = QStringLiteral("30001234");
    o.cardCompany = QStringLiteral("한빛카드");
    o.cardMonths = QStringLiteral("00");
    o.approvedAmount = QStringLiteral("35000");
    o.origin = QStringLiteral("닭고기: 국내산");
    const auto blocks = BuildReceiptBlocks(o, slotSet, {}, -1);
    const QString gs0 = EscPos::sizeCommand(0), gs1 = EscPos::sizeCommand(1), gs10 = EscPos::sizeCommand(0x10);
    const QString d48(48, QLatin1Char('-'));
    auto sp = [](int n) { return QString(n, QLatin1Char(' ')); };
    const QStringList want0 = {
        d48,
        gs1 + QStringLiteral("상품명") + sp(25) + QStringLiteral("단가 수량    금액"),
        gs0 + d48 + gs1,
        QStringLiteral("후라이드치킨") + sp(16) + QStringLiteral(" 18,000    2  36,000"),
        QStringLiteral("+콜라") + sp(23) + QStringLiteral("  2,000    1   2,000"),
        QStringLiteral("Cheese Ball") + sp(17) + QStringLiteral("   -500    1    -500"),
        d48 + gs10,
        QStringLiteral("판매금액: 36,000원"),
        QStringLiteral("할인금액: 1,000원"),
        QStringLiteral("봉 사 료: 0원"),
        QStringLiteral("받을금액: 0원"),
        gs0 + d48,
        gs10 + QStringLiteral("결제방법: 선결제") + gs0,
        d48,
        QStringLiteral("사업자명  : 한빛치킨"),
        QStringLiteral("대표자명  : 김하나"),
        QStringLiteral("사업자번호: 123-45-67890"),
        QStringLiteral("전화번호  : 02-555-1234"),
        QStringLiteral("사업자주소: 서울 강남구 테헤란로 1"),
        d48,
        QStringLiteral("[카 드 번 호] 9410-12**-****-****"),
        QStringLiteral("[할 부 개 월] 0"),
        QStringLiteral("[카 드 사 명] 한빛카드"),
        QStringLiteral("[승 인 번 호] 30001234"),
        QStringLiteral("[결 재 금 액] 35,000"),
        d48,
        QStringLiteral("원산지: 닭고기: 국내산"),
        d48,
    };
    EXPECT_EQ(blocks[0][0], want0);
    // Slot 1 is not big: its heading has no command and its rule ends in normal size.
    EXPECT_EQ(blocks[1][1].value(1), QStringLiteral("상품명") + sp(19) + QStringLiteral("단가 수량    금액"));
    EXPECT_EQ(blocks[1][1].value(2), gs0 + QString(42, QLatin1Char('-')) + gs0);
    // The system-printer body: first rule 48 wide, its payment line double size.
    EXPECT_EQ(blocks[0][4].value(0), d48);
    EXPECT_TRUE(blocks[0][4].contains(EscPos::sizeCommand(0x11) + QStringLiteral("결제방법: 선결제") + gs0));
    // Unused slotSet get their headings and totals but no goods.
    EXPECT_EQ(blocks[2][0].value(3), d48 + gs10);
    // No card section when the order is not completed.
    o.status = QStringLiteral("4002");
    o.origin = QStringLiteral("   ");
    const auto plain = BuildReceiptBlocks(o, slotSet, {}, -1);
    EXPECT_EQ(plain[0][0].size(), want0.size() - 8);
}
} // namespace
