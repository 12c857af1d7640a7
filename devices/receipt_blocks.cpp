#include "devices/receipt_blocks.h"

#include "records/device_records.h"
#include "text/text_helpers.h"

namespace
{
QString receiptDashes(int n)
{
    return QString(n, QLatin1Char('-'));
}

QString receiptMoney(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return GroupThousands(ok ? v : 0) + QStringLiteral("원");
}

QString goodsHeading(int nameWidth)
{
    return ReceiptPadRight(QStringLiteral("상품명"), nameWidth) + ReceiptPadLeft(QStringLiteral("단가"), 7)
           + ReceiptPadLeft(QStringLiteral("수량"), 5) + ReceiptPadLeft(QStringLiteral("금액"), 8);
}

// The business, card and origin sections of one block of width w.
void appendStoreSections(QStringList &block, int w, const ReceiptOrder &o, const TPRINT_SET &slot, bool address,
                         const QString &maskedCard)
{
    if (QString(slot.BIZNAME) == QLatin1String("1"))
        block << QStringLiteral("사업자명  : ") + o.bizName;
    if (QString(slot.CEONAME) == QLatin1String("1"))
        block << QStringLiteral("대표자명  : ") + o.ceoName;
    if (QString(slot.BIZNO) == QLatin1String("1"))
        block << QStringLiteral("사업자번호: ") + o.bizNo;
    block << QStringLiteral("전화번호  : ") + o.storeTel;
    if (address)
        block << QStringLiteral("사업자주소: ") + o.storeAddr;
    block << receiptDashes(w);
    if (o.status == QLatin1String("4001") && !o.cardNo.isEmpty() && !o.approvalNo.isEmpty()
        && !o.cardCompany.isEmpty()) {
        block << QStringLiteral("[카 드 번 호] ") + maskedCard;
        block << QStringLiteral("[할 부 개 월] ") + ReceiptCardMonths(o.cardMonths);
        block << QStringLiteral("[카 드 사 명] ") + o.cardCompany;
        block << QStringLiteral("[승 인 번 호] ") + o.approvalNo;
        block << QStringLiteral("[결 재 금 액] ") + ReceiptApprovedAmount(o.approvedAmount);
        block << receiptDashes(w);
    }
    if (!o.origin.trimmed().isEmpty()) {
        block << QStringLiteral("원산지: ") + o.origin;
        block << receiptDashes(w);
    }
}
} // namespace

QString EscPos::sizeCommand(int n)
{
    return QString(QChar(0x1d)) + QLatin1Char('!') + QChar(n);
}

QString MaskReceiptCardNumber(const QString &cardNo)
{
    QString digits = cardNo;
    digits.remove(QLatin1Char('-'));
    digits = digits.trimmed();
    if (!digits.contains(QLatin1Char('*')))
        digits = digits.left(6);
    while (digits.size() < 16)
        digits.append(QLatin1Char('*'));
    return digits.mid(0, 4) + QLatin1Char('-') + digits.mid(4, 4) + QLatin1Char('-') + digits.mid(8, 4)
           + QLatin1Char('-') + digits.mid(12, 4);
}

QString ReceiptCardMonths(const QString &months)
{
    if (months == QLatin1String("00") || months == QLatin1String("0") || months == QLatin1String("1"))
        return QStringLiteral("0");
    return months;
}

QString ReceiptApprovedAmount(const QString &amount)
{
    QString t = amount;
    t.remove(QLatin1Char(','));
    return FormatMoney(t);
}

bool ReceiptPrintsStoreAddress(const std::array<TPRINT_SET, 4> &slotSet, int iPrt, int slotIndex)
{
    Q_UNUSED(slotIndex);
    if (iPrt >= 0 && iPrt < 4)
        return QString(slotSet[size_t(iPrt)].PRT_OUT_ST_ADDR) == QLatin1String("1");
    for (const TPRINT_SET &s : slotSet)
        if (s.Use_yn && QString(s.PRT_OUT_ST_ADDR) == QLatin1String("0"))
            return false;
    return true;
}

std::array<ReceiptBlocks, 4> BuildReceiptBlocks(const ReceiptOrder &order, const std::array<TPRINT_SET, 4> &slotSet,
                                                const QList<TGrpPrint> &groups, int iPrt)
{
    std::array<ReceiptBlocks, 4> out;
    const QString gs0 = EscPos::sizeCommand(0x00);
    const QString gs1 = EscPos::sizeCommand(0x01);
    const QString gs10 = EscPos::sizeCommand(0x10);
    const QString gs11 = EscPos::sizeCommand(0x11);
    const QString maskedCard = MaskReceiptCardNumber(order.cardNo);
    const QString payWord = order.payGubun == QStringLiteral("선결제") ? order.payGubun : order.payType;
    const QStringList totals = {
        QStringLiteral("판매금액: ") + receiptMoney(order.amount),
        QStringLiteral("할인금액: ") + receiptMoney(order.discount),
        QStringLiteral("봉 사 료: ") + receiptMoney(order.serviceCharge),
        QStringLiteral("받을금액: ") + receiptMoney(order.remain),
    };
    for (size_t s = 0; s < 4; ++s) {
        const TPRINT_SET &slot = slotSet[s];
        ReceiptBlocks &b = out[s];
        const bool big = QString(slot.GOODS_BIG) == QLatin1String("1");
        const QString bigCmd = big ? gs1 : QString();
        b[0] << receiptDashes(48);
        b[1] << receiptDashes(42);
        b[4] << receiptDashes(48);
        b[0] << bigCmd + goodsHeading(28);
        b[1] << bigCmd + goodsHeading(22);
        b[4] << goodsHeading(22);
        b[0] << gs0 + receiptDashes(48) + (big ? gs1 : gs0);
        b[1] << gs0 + receiptDashes(42) + (big ? gs1 : gs0);
        b[4] << receiptDashes(38);
        AppendReceiptGoodsLines(order.goods, slot, groups, b);
        b[0] << receiptDashes(48) + gs10;
        b[1] << receiptDashes(42) + gs10;
        b[4] << receiptDashes(38);
        for (int k : {0, 1, 4})
            b[size_t(k)] << totals;
        b[0] << gs0 + receiptDashes(48);
        b[1] << gs0 + receiptDashes(42);
        b[4] << receiptDashes(38);
        b[0] << gs10 + QStringLiteral("결제방법: ") + payWord + gs0;
        b[1] << gs10 + QStringLiteral("결제방법: ") + payWord + gs0;
        b[4] << gs11 + QStringLiteral("결제방법: ") + payWord + gs0;
        b[0] << receiptDashes(48);
        b[1] << receiptDashes(42);
        b[4] << receiptDashes(38);
        const bool address = ReceiptPrintsStoreAddress(slotSet, iPrt, int(s));
        appendStoreSections(b[0], 48, order, slot, address, maskedCard);
        appendStoreSections(b[1], 42, order, slot, address, maskedCard);
        appendStoreSections(b[4], 38, order, slot, address, maskedCard);
    }
    return out;
}
