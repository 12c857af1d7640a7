#include "devices/receipt_goods_lines.h"

#include "records/device_records.h"
#include "text/cp949.h"
#include "text/text_helpers.h"

namespace
{
// Name width, characters kept when the name wraps, and the widths of the fields after it (price
// 0 means a kitchen block: quantity followed by "개" only).
struct GoodsBlockLayout
{
    int nameWidth;
    int keep;
    int priceWidth;
    int quantityWidth;
    int amountWidth;
};

constexpr std::array<GoodsBlockLayout, 6> kGoodsBlockLayouts = {{
    {28, 14, 7, 5, 8},
    {22, 10, 7, 5, 8},
    {40, 20, 0, 8, 0},
    {36, 17, 0, 6, 0},
    {20, 10, 6, 5, 7},
    {20, 10, 0, 4, 0},
}};

QString receiptTrimControls(const QString &text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text.at(b).unicode() <= 0x20)
        ++b;
    while (e > b && text.at(e - 1).unicode() <= 0x20)
        --e;
    return text.mid(b, e - b);
}

QString goodsEntry(const ReceiptGoods &g, const GoodsBlockLayout &l)
{
    QString fields;
    if (l.priceWidth > 0) {
        fields = ReceiptPadLeft(GroupThousands(g.price), l.priceWidth)
                 + ReceiptPadLeft(QString::number(g.quantity), l.quantityWidth)
                 + ReceiptPadLeft(GroupThousands(g.amount), l.amountWidth);
    } else {
        fields = ReceiptPadLeft(QString::number(g.quantity) + QStringLiteral("개"), l.quantityWidth);
    }
    if (ReceiptByteLength(g.name) <= l.nameWidth)
        return ReceiptPadRight(g.name, l.nameWidth) + fields;
    return ReceiptPadRight(g.name.left(l.keep), l.nameWidth) + fields + QStringLiteral("\r\n") + g.name.mid(l.keep);
}

void appendGoodsEntries(const ReceiptGoods &g, ReceiptBlocks &blocks)
{
    for (size_t b = 0; b < kGoodsBlockLayouts.size(); ++b)
        blocks[b].append(goodsEntry(g, kGoodsBlockLayouts[b]));
}
} // namespace

int ReceiptByteLength(const QString &text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < 0x80)
            n += 1;
        else if (u >= 0xAC00 && u <= 0xD7A3)
            n += 2;
        else if (QChar::isHighSurrogate(u) && i + 1 < text.size()) {
            n += int(Cp949::encode(text.mid(i, 2)).size());
            ++i;
        } else
            n += int(Cp949::encode(QString(QChar(u))).size());
    }
    return n;
}

QString ReceiptPadRight(const QString &text, int len)
{
    QString out = receiptTrimControls(text);
    const int n = ReceiptByteLength(out);
    if (n < len)
        out.append(QString(len - n, QLatin1Char(' ')));
    return out;
}

QString ReceiptPadLeft(const QString &text, int len)
{
    const int n = ReceiptByteLength(text);
    return n < len ? QString(len - n, QLatin1Char(' ')) + text : text;
}

bool ReceiptGoodsInGroup(const QString &grpCode, const QString &goodsNo, const QList<TGrpPrint> &groups)
{
    if (grpCode == QLatin1String("0"))
        return true;
    for (const TGrpPrint &g : groups)
        if (QString(g.sCode) == grpCode)
            return g.slGoods.contains(goodsNo);
    return true;
}

void AppendReceiptGoodsLines(const QList<ReceiptGoods> &goods, const TPRINT_SET &slot,
                             const QList<TGrpPrint> &groups, ReceiptBlocks &blocks)
{
    if (!slot.Use_yn)
        return;
    for (const ReceiptGoods &g : goods) {
        if (!ReceiptGoodsInGroup(slot.PRT_GRP, g.goodsNo, groups))
            continue;
        appendGoodsEntries(g, blocks);
        for (const ReceiptGoods &item : g.items)
            appendGoodsEntries(item, blocks);
    }
}
