#include "devices/system_receipt_layout.h"

#include "common/program_globals.h"
#include "records/device_records.h"

#include <QDateTime>

namespace
{
// Writes lines in the current size and weight.
struct SystemPen
{
    SystemReceiptJob &job;
    int points = 10;
    bool bold = false;
    void set(int pt, bool b)
    {
        points = pt;
        bold = b;
    }
    void line(const QString &text) { job.lines.append({text, points, bold}); }
    // Block 4 from its second entry: entries that are a size command alone change the size.
    void body(const QStringList &block)
    {
        const QString big = QString(QChar(0x1d)) + QLatin1Char('!') + QChar(0x11);
        const QString normal = QString(QChar(0x1d)) + QLatin1Char('!') + QChar(0);
        for (qsizetype i = 1; i < block.size(); ++i) {
            if (block[i] == big)
                points = 16;
            else if (block[i] == normal)
                points = 9;
            else
                line(block[i]);
        }
    }
};

QString systemHeading(const QString &word, const ReceiptOrder &o)
{
    return EscPosCopyHeading(word, o);
}

QString systemTicketLine(const QString &name, qint64 qty)
{
    const QString q = ReceiptPadLeft(QString::number(qty) + QStringLiteral("개"), 4);
    if (ReceiptByteLength(name) <= 20)
        return ReceiptPadRight(name, 20) + q;
    return ReceiptPadRight(name.left(10), 20) + q + QStringLiteral("\r\n") + name.mid(10);
}
} // namespace

bool BuildSystemReceiptJobs(const SystemReceiptInput &in, QList<SystemReceiptJob> &jobs, QString *error)
{
    const ReceiptOrder &o = *in.order;
    const TPRINT_SET &slot = *in.settings;
    const ReceiptBlocks &b = *in.blocks;
    const QString prtOut = slot.PRT_OUT;
    auto on = [&prtOut](int i) { return prtOut.size() > i && prtOut.at(i) == QLatin1Char('1'); };
    if (!on(0) && !on(1) && !on(2) && !on(3))
        return true;
    const QDateTime ordered = QDateTime::fromString(o.orderTime.trimmed(), G_FMT.QtDateTimeFormat);
    if (!ordered.isValid()) {
        if (error)
            *error = QStringLiteral("'") + o.orderTime + QStringLiteral("' is not a valid date and time");
        return false;
    }
    const QString orderTime = ordered.toString(QStringLiteral("MM-dd hh:mm"));
    const QDateTime picked = QDateTime::fromString(o.pickupTime.trimmed(), G_FMT.QtDateTimeFormat);
    const QString pickup = picked.isValid() ? picked.toString(QStringLiteral("MM-dd hh:mm")) : o.pickupTime;
    const QString memo = o.memo.trimmed();
    const bool memoBig = QString(slot.MEMO_BIG) == QLatin1String("1");
    const QString count = in.argument ? in.argument->completedCount : QString();
    const QString narrowEq(38, QLatin1Char('=')), narrowDash(38, QLatin1Char('-'));
    const QString wideEq(48, QLatin1Char('=')), wideDash(48, QLatin1Char('-'));
    auto systemDestination = [&](SystemPen &pen) {
        if (o.kindWord == QStringLiteral("배달"))
            pen.line(QStringLiteral("배달주소: ") + o.address);
        else if (!o.pickupTime.trimmed().isEmpty())
            pen.line(QStringLiteral("픽업시간: ") + pickup);
    };
    auto systemMemoLine = [&](SystemPen &pen) {
        if (memo.isEmpty())
            return false;
        if (memoBig) {
            pen.set(14, true);
            pen.line(QStringLiteral("주문메모: ") + memo);
            pen.set(10, false);
        } else {
            pen.line(QStringLiteral("주문메모: ") + memo);
        }
        return true;
    };

    if (on(0)) {
        SystemReceiptJob job{{systemHeading(QStringLiteral("고객용"), o), 18, true}, {}};
        SystemPen pen{job};
        pen.set(10, true);
        pen.line(narrowEq);
        pen.line(QStringLiteral("주문시간: ") + orderTime);
        pen.line(QStringLiteral("주문유형: ") + o.kindText);
        systemMemoLine(pen);
        systemDestination(pen);
        pen.set(8, false);
        pen.line(wideEq);
        pen.set(10, true);
        pen.body(b[4]);
        jobs.append(job);
    }
    if (on(1)) {
        SystemReceiptJob job{{systemHeading(QStringLiteral("배달용"), o), 16, true}, {}};
        SystemPen pen{job};
        pen.set(10, true);
        pen.line(narrowEq);
        pen.line(QStringLiteral("주문시간: ") + orderTime);
        pen.line(QStringLiteral("주문유형: ") + o.kindText);
        if (!count.isEmpty())
            pen.line(QStringLiteral("완료횟수: ") + count + QStringLiteral(" 회"));
        pen.set(14, true);
        pen.line(QStringLiteral("고객번호: ") + o.customerTel);
        pen.set(9, true);
        pen.line(narrowDash);
        pen.set(13, true);
        if (systemMemoLine(pen))
            pen.line(narrowDash);
        systemDestination(pen);
        pen.set(8, false);
        pen.line(wideEq);
        pen.set(9, true);
        pen.body(b[4]);
        jobs.append(job);
    }
    if (on(2)) {
        SystemReceiptJob job{{systemHeading(QStringLiteral("주방용"), o), 16, true}, {}};
        SystemPen pen{job};
        pen.set(8, false);
        pen.line(wideEq);
        if (in.multiType == QLatin1String("M"))
            pen.line(QStringLiteral("가맹점명: ") + (in.argument ? in.argument->storeName : QString()));
        if (!count.isEmpty())
            pen.line(QStringLiteral("완료횟수: ") + count + QStringLiteral(" 회"));
        bool ok = false;
        const int mod = o.modNo.trimmed().toInt(&ok);
        pen.line(ok && mod > 1 ? QStringLiteral("주문내용: 수정") : QStringLiteral("주문내용: 신규"));
        pen.line(wideEq);
        pen.line(QStringLiteral("주문시간: ") + orderTime);
        pen.line(wideEq);
        pen.line(QStringLiteral("주문주소: ") + o.address.trimmed());
        pen.line(wideEq);
        pen.set(16, true);
        systemMemoLine(pen);
        pen.set(8, false);
        pen.line(wideEq);
        pen.set(16, false);
        pen.line(ReceiptPadRight(QStringLiteral("상품명"), 20) + ReceiptPadLeft(QStringLiteral("수량"), 4));
        pen.set(8, false);
        pen.line(wideEq);
        pen.set(16, false);
        for (const QString &l : b[5])
            pen.line(l);
        pen.set(8, false);
        pen.line(wideEq);
        jobs.append(job);
    }
    if (on(3)) {
        static const QList<TGrpPrint> noGroups;
        for (const ReceiptGoods &g : o.goods) {
            if (!ReceiptGoodsInGroup(slot.PRT_GRP, g.goodsNo, in.groups ? *in.groups : noGroups))
                continue;
            SystemReceiptJob job{{systemHeading(QStringLiteral("주방용"), o), 16, true}, {}};
            SystemPen pen{job};
            pen.set(8, false);
            pen.line(wideEq);
            pen.set(16, false);
            pen.line(systemTicketLine(g.name, g.quantity));
            for (const ReceiptGoods &item : g.items)
                pen.line(systemTicketLine(item.name, item.quantity));
            pen.set(8, false);
            pen.line(wideDash);
            jobs.append(job);
        }
    }
    return true;
}
