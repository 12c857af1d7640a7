#include "devices/receipt_order.h"

#include "common/reply_row.h"
#include "records/business_rules.h"
#include "reference/reference_state.h"
#include "text/phone_helpers.h"
#include "text/text_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
qint64 receiptWholeNumber(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? v : 0;
}

QString receiptPayKindName(const QString &code)
{
    return CCB_O7.nameOf(code);
}

QString receiptPathName(const QString &code)
{
    return CCB_O3.nameOf(code);
}

void stageReceiptHeader(const QJsonObject &r, const QString &pageText, const PrintArgument &argument,
                        const ReceiptCodeNames &names, ReceiptOrder &o)
{
    auto c = [&r](int i) { return JsonStr(r, QStringLiteral("C_%1").arg(i)); };
    o.orderNo = c(0);
    o.daySerial = c(1);
    o.modNo = c(3);
    o.orderTime = c(4);
    o.pickupTime = c(8);
    o.kindWord = c(7) == QLatin1String("Y") ? QStringLiteral("테이크아웃") : QStringLiteral("배달");
    o.customerTel = FormatPhone(c(23), 0);
    o.address = argument.address;
    o.amount = c(9);
    o.discount = c(10);
    o.payGubun = c(11) == QLatin1String("1") ? QStringLiteral("도착지결제") : QStringLiteral("선결제");
    o.remain = c(13);
    o.memo = c(33);
    o.payType = names.payKindName ? names.payKindName(c(12)) : QString();
    o.bizName = c(17);
    o.ceoName = c(18);
    o.bizNo = c(16);
    o.storeTel = FormatPhone(c(20), 0);
    o.storeAddr = c(19);
    o.origin = pageText.contains(QLatin1String("C_35")) ? c(35) : QString();
    o.status = c(6);
    o.cardNo = c(26);
    o.cardMonths = c(31);
    o.cardCompany = c(27);
    o.approvalNo = c(25);
    o.approvedAmount = c(28);
    o.serviceCharge = c(15);
    o.pathCode = c(36);
    const QString pathName = names.pathName ? names.pathName(o.pathCode) : QString();
    o.kindText = o.kindWord + QStringLiteral(" (") + pathName + QLatin1Char(')');
}

void stageReceiptGoodsRow(const QJsonObject &r, ReceiptOrder &o)
{
    auto c = [&r](int i) { return JsonStr(r, QStringLiteral("C_%1").arg(i)); };
    ReceiptGoods g;
    g.goodsNo = c(0);
    qint64 base = 0;
    if (c(5) == QLatin1String("1"))
        base = receiptWholeNumber(c(3));
    else if (c(5) == QLatin1String("2"))
        base = receiptWholeNumber(c(4));
    const QString deposit = c(17);
    const qint64 options = receiptWholeNumber(c(8)) + receiptWholeNumber(c(10)) + receiptWholeNumber(c(13))
                           + receiptWholeNumber(c(15));
    g.name = c(1) + MakeOptionText(c(7), c(9), c(12), c(14), deposit);
    g.price = base + options + receiptWholeNumber(deposit);
    bool ok = false;
    const qint64 q = c(2).toLongLong(&ok);
    g.quantity = ok ? q : 1;
    g.amount = g.price * g.quantity;
    g.seq = QString::number(receiptWholeNumber(c(11)));
    o.goods.append(g);
}

void stageReceiptItemRow(const QJsonObject &r, ReceiptOrder &o)
{
    auto c = [&r](int i) { return JsonStr(r, QStringLiteral("C_%1").arg(i)); };
    if (c(0) == QLatin1String("0") && c(2).isEmpty())
        return;
    for (ReceiptGoods &g : o.goods) {
        if (g.seq != c(0))
            continue;
        ReceiptGoods item;
        const QString deposit = c(8);
        const bool charged = !deposit.isEmpty() && deposit != QLatin1String("0");
        item.goodsNo = c(1);
        item.name = QStringLiteral(" +") + c(2) + (charged ? QStringLiteral("(컵보증금)") : QString());
        item.price = receiptWholeNumber(deposit) + receiptWholeNumber(c(3));
        bool ok = false;
        const qint64 q = c(4).toLongLong(&ok);
        item.quantity = ok ? q : 1;
        item.amount = item.price * item.quantity;
        item.seq = g.seq;
        g.items.append(item);
        return;
    }
}
} // namespace

PrintArgument ParsePrintArgument(const QString &argument)
{
    PrintArgument a;
    const QChar sep(0x0002);
    if (!argument.contains(sep)) {
        a.ordNo = argument;
        return a;
    }
    const QStringList f = SplitText(QString(sep), argument);
    a.ordNo = f.value(0);
    a.address = f.value(1);
    a.completedCount = f.value(2);
    a.storeName = f.value(3);
    return a;
}

ReceiptCodeNames ProgramReceiptCodeNames()
{
    return {&receiptPayKindName, &receiptPathName};
}

ReceiptStaging StageReceiptPages(const QStringList &pages, const PrintArgument &argument,
                                 const ReceiptCodeNames &names, ReceiptOrder &order)
{
    order = ReceiptOrder();
    order.address = argument.address;
    ReceiptStaging out;
    if (pages.isEmpty())
        return out;
    bool header = false;
    for (const QString &page : pages) {
        const QJsonObject root = QJsonDocument::fromJson(page.toUtf8()).object();
        const QString code = JsonStr(root, QStringLiteral("OUT_CODE"));
        if (code != QLatin1String("1")) {
            out.result = ReceiptStaging::Result::Failed;
            out.failCode = code;
            out.failMsg = JsonStr(root, QStringLiteral("OUT_MSG"));
            return out;
        }
        const QJsonArray heads = root.value(QStringLiteral("OUT_ROW1")).toArray();
        if (!heads.isEmpty()) {
            stageReceiptHeader(heads.at(0).toObject(), page, argument, names, order);
            header = true;
        }
        for (const QJsonValue &v : root.value(QStringLiteral("OUT_ROW2")).toArray()) {
            const QJsonObject r = v.toObject();
            if (heads.size() == 1 && JsonStr(r, QStringLiteral("C_0")) == QLatin1String("0")
                && JsonStr(r, QStringLiteral("C_1")).isEmpty())
                continue;
            stageReceiptGoodsRow(r, order);
        }
        for (const QJsonValue &v : root.value(QStringLiteral("OUT_ROW3")).toArray())
            stageReceiptItemRow(v.toObject(), order);
    }
    out.result = header ? ReceiptStaging::Result::Ok : ReceiptStaging::Result::NoHeader;
    return out;
}
