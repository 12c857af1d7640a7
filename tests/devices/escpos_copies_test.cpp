#include "devices/escpos_copies.h"
#include "receipt_fixture.h"
#include "common/qstring_print.h"
#include "text/cp949.h"

#include <gtest/gtest.h>

namespace
{
const QString kEscA0 = QStringLiteral("\x1b" "a") + QChar(0);
const QString kEscA1 = QStringLiteral("\x1b" "a") + QChar(1);
const QString kFeedCut = QStringLiteral("\x1b" "d") + QChar(5) + QStringLiteral("\x1b" "i") + QChar(1);

struct EscPosCase
{
    ReceiptOrder order = ReceiptTestOrder();
    PrintArgument arg{QStringLiteral("2026121100001"), QStringLiteral("서울 강남구 역삼동 1-2"), QStringLiteral("3"),
                      QStringLiteral("한빛치킨 역삼점")};
    TPRINT_SET slot = ReceiptTestSlot();
    QList<TGrpPrint> groups;
    QString multiType = QStringLiteral("N");

    EscPosStreams build(const QString &prtOut)
    {
        slot.PRT_OUT = prtOut;
        std::array<TPRINT_SET, 4> slotSet{};
        slotSet[0] = slot;
        const auto blocks = BuildReceiptBlocks(order, slotSet, groups, 0);
        EscPosStreams s;
        QString error;
        EXPECT_TRUE(BuildEscPosStreams({&order, &arg, &slot, &blocks[0], &groups, multiType}, s, &error))
            << error.toStdString();
        return s;
    }
    ReceiptBlocks blocks()
    {
        std::array<TPRINT_SET, 4> slotSet{};
        slotSet[0] = slot;
        return BuildReceiptBlocks(order, slotSet, groups, 0)[0];
    }
};
TEST(EscPosCopies, CustomerCopyInBothWidths)
{
    EscPosCase c;
    const EscPosStreams s = c.build(QStringLiteral("1000"));
    const QString gs0 = EscPos::sizeCommand(0), gs1 = EscPos::sizeCommand(1), gs11 = EscPos::sizeCommand(0x11);
    QStringList head = {
        QStringLiteral("\x1b@") + kEscA1 + gs11 + QStringLiteral("LumBo 고객용 (17)"),
        kEscA0 + gs0 + QString(48, QLatin1Char('=')),
        QStringLiteral("주문시간: 12-11 12:34"),
        QStringLiteral("주문유형: 배달 (전화)"),
        QStringLiteral("주문메모: 문 앞에 두세요"),
        gs1 + QStringLiteral("배달주소: 서울 강남구 역삼동 1-2") + gs0,
    };
    EXPECT_EQ(s.wide, head + c.blocks()[0] + QStringList{kFeedCut});
    head[1] = kEscA0 + gs0 + QString(42, QLatin1Char('='));
    EXPECT_EQ(s.narrow, head + c.blocks()[1] + QStringList{kFeedCut});

    // On the wire: CP949 text, every line closed by CR LF.
    const QByteArray bytes = EscPosStreamBytes(s.wide);
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("1b401b61011d2111") + "LumBo "
                                 + QByteArray::fromHex("b0edb0b4bfeb") + " (17)\r\n"));
    EXPECT_TRUE(bytes.endsWith(QByteArray::fromHex("1b64051b69010d0a")));
    EXPECT_EQ(Cp949::decode(bytes), s.wide.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

TEST(EscPosCopies, StoreAndKitchenCopies)
{
    EscPosCase c;
    c.order.modNo = QStringLiteral("2");
    c.multiType = QStringLiteral("M");
    const EscPosStreams s = c.build(QStringLiteral("0110"));
    const QString gs0 = EscPos::sizeCommand(0), gs1 = EscPos::sizeCommand(1), gs11 = EscPos::sizeCommand(0x11);
    const QString d48(48, QLatin1Char('-')), e48(48, QLatin1Char('='));
    QStringList want = {
        kEscA1 + gs11 + QStringLiteral("LumBo 배달용 (17-2)"),
        kEscA0 + gs0 + e48,
        QStringLiteral("주문시간: 12-11 12:34"),
        QStringLiteral("주문유형: 배달 (전화)"),
        QStringLiteral("완료횟수: 3 회"),
        QStringLiteral("주문메모: 문 앞에 두세요"),
        gs1 + QStringLiteral("고객번호: ") + gs11 + QStringLiteral("010-1234-5678"),
        gs0 + d48,
        gs1 + QStringLiteral("배달주소: 서울 강남구 역삼동 1-2") + gs0,
    };
    want << c.blocks()[0] << kFeedCut;
    want << kEscA1 + gs11 + QStringLiteral("LumBo 주방용 (17-2)") << kEscA0 + gs0 + e48
         << QStringLiteral("가맹점명: 한빛치킨 역삼점") << QStringLiteral("완료횟수: 3 회")
         << QStringLiteral("주문내용: 수정") << QStringLiteral("주문시간: 12-11 12:34")
         << QStringLiteral("주문주소: 서울 강남구 역삼동 1-2") << kEscA0 + gs0 + e48
         << QStringLiteral("주문메모: 문 앞에 두세요") << d48 + gs1
         << QStringLiteral("상품명") + QString(34, QLatin1Char(' ')) + QStringLiteral("    수량") << gs0 + d48 + gs1;
    want << c.blocks()[2] << gs0 + d48 + kFeedCut;
    EXPECT_EQ(s.wide, want);
    EXPECT_EQ(s.narrow.size(), s.wide.size());
    EXPECT_EQ(s.narrow.value(s.narrow.size() - 1), gs0 + QString(42, QLatin1Char('-')) + kFeedCut);
}

TEST(EscPosCopies, KitchenTicketsPerGoodsWrapAndFollowTheGroup)
{
    EscPosCase c;
    c.order.goods[0].name = QStringLiteral("가나다라마바사아자차카타파하거너더러머버서");  // 21 syllables
    TGrpPrint grp;
    grp.sCode = QStringLiteral("5");
    grp.slGoods = {QStringLiteral("15")};
    c.groups = {grp};
    c.slot.PRT_GRP = QStringLiteral("5");
    const EscPosStreams s = c.build(QStringLiteral("0001"));
    const QString gs0 = EscPos::sizeCommand(0), gs1 = EscPos::sizeCommand(1), gs11 = EscPos::sizeCommand(0x11);
    const QStringList want = {
        kEscA1 + gs11 + QStringLiteral("LumBo 주방용 (17)"),
        kEscA0 + gs0,
        QString(48, QLatin1Char('=')) + gs1,
        QStringLiteral("가나다라마바사아자차카타파하거너더러머버       2\r\n서"),
        QStringLiteral("+콜라") + QString(35, QLatin1Char(' ')) + QStringLiteral("       1"),
        gs0 + kFeedCut,
    };
    EXPECT_EQ(s.wide, want);  // one ticket: goods 16 is not in the group
    EXPECT_EQ(s.narrow.value(0), gs11 + kEscA1);
    EXPECT_EQ(s.narrow.value(4), QStringLiteral("가나다라마바사아자차카타파하거너더") + QString(0, QLatin1Char(' '))
                                     + QStringLiteral("       2\r\n러머버서"));
}

TEST(EscPosCopies, DestinationFollowsTheOrderKindOnly)
{
    EscPosCase c;
    c.order.kindWord = QStringLiteral("테이크아웃");
    c.order.kindText = QStringLiteral("테이크아웃 (배달앱)");
    c.order.pickupTime = QStringLiteral("2026-12-11 13:05:00");
    const EscPosStreams s = c.build(QStringLiteral("1000"));
    EXPECT_EQ(s.wide.value(5), EscPos::sizeCommand(1) + QStringLiteral("픽업시간: 12-11 13:05") + EscPos::sizeCommand(0));

    c.order.pickupTime = QStringLiteral("   ");
    const EscPosStreams none = c.build(QStringLiteral("1000"));
    EXPECT_FALSE(none.wide.value(5).contains(QStringLiteral("픽업시간")));
}

TEST(EscPosCopies, UnreadableTimeEndsTheJobAndNoCopiesSendNothing)
{
    EscPosCase c;
    EXPECT_TRUE(c.build(QStringLiteral("0000")).wide.isEmpty());
    c.slot.PRT_OUT = QStringLiteral("1000");
    c.order.orderTime = QStringLiteral("20261211");
    std::array<TPRINT_SET, 4> slotSet{};
    slotSet[0] = c.slot;
    const auto blocks = BuildReceiptBlocks(c.order, slotSet, {}, 0);
    EscPosStreams s;
    QString error;
    EXPECT_FALSE(BuildEscPosStreams({&c.order, &c.arg, &c.slot, &blocks[0], &c.groups, QString()}, s, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(EscPosCopies, TestPageBytes)
{
    const QDateTime t(QDate(2026, 12, 11), QTime(9, 5, 7));
    const QByteArray when = Cp949::encode(QStringLiteral("인쇄일시 : 2026-12-11 09:05:07"));
    EXPECT_EQ(EscPosTestPage(t, true),
              QByteArray::fromHex("1b401d2100") + "TEST\n" + when + "\r\n" + QByteArray::fromHex("1b64051b6901"));
    EXPECT_EQ(EscPosTestPage(t, false), QByteArray::fromHex("1b401d2100") + "TEST" + when + QByteArray::fromHex("1b64051b6901"));
}
} // namespace
