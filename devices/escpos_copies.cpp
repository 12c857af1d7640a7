#include "devices/escpos_copies.h"

#include "common/program_globals.h"
#include "records/device_records.h"
#include "text/cp949.h"

namespace
{
const QString kEsc = QString(QChar(0x1b));

QString escInit() { return kEsc + QLatin1Char('@'); }
QString escAlign(int n) { return kEsc + QLatin1Char('a') + QChar(n); }
QString escFeedCut() { return kEsc + QLatin1Char('d') + QChar(5) + kEsc + QLatin1Char('i') + QChar(1); }

bool escposModified(const ReceiptOrder &o)
{
    bool ok = false;
    const int n = o.modNo.trimmed().toInt(&ok);
    return ok && n > 1;
}

bool escposTime(const QString &text, QString &out, QString *error)
{
    const QDateTime t = QDateTime::fromString(text.trimmed(), G_FMT.QtDateTimeFormat);
    if (!t.isValid()) {
        if (error)
            *error = QStringLiteral("'") + text + QStringLiteral("' is not a valid date and time");
        return false;
    }
    out = t.toString(QStringLiteral("MM-dd hh:mm"));
    return true;
}

// Appends a line to both streams.
struct TwoStreams
{
    EscPosStreams &s;
    void both(const QString &line)
    {
        s.wide << line;
        s.narrow << line;
    }
    void rule(QChar c, const QString &before = {}, const QString &after = {})
    {
        s.wide << before + QString(48, c) + after;
        s.narrow << before + QString(42, c) + after;
    }
};

QString memoLine(const ReceiptOrder &o, const TPRINT_SET &slot)
{
    const QString memo = o.memo.trimmed();
    if (QString(slot.MEMO_BIG) == QLatin1String("1"))
        return EscPos::sizeCommand(1) + QStringLiteral("주문메모: ") + memo + EscPos::sizeCommand(0);
    return QStringLiteral("주문메모: ") + memo;
}

// The destination line, or an empty text for none. Only the order's kind decides: a take-out
// order whose path happens to be named with "배달" still prints its pick-up time.
QString destinationLine(const ReceiptOrder &o, const QString &pickup)
{
    if (o.kindWord == QStringLiteral("배달"))
        return EscPos::sizeCommand(1) + QStringLiteral("배달주소: ") + o.address + EscPos::sizeCommand(0);
    if (!o.pickupTime.trimmed().isEmpty())
        return EscPos::sizeCommand(1) + QStringLiteral("픽업시간: ") + pickup + EscPos::sizeCommand(0);
    return QString();
}

QString ticketLine(const QString &name, qint64 quantity, int width, int keep)
{
    const QString qty = ReceiptPadLeft(QString::number(quantity), 8);
    if (ReceiptByteLength(name) <= width)
        return ReceiptPadRight(name, width) + qty;
    return ReceiptPadRight(name.left(keep), width) + qty + QStringLiteral("\r\n") + name.mid(keep);
}
} // namespace

QString EscPosCopyHeading(const QString &copyWord, const ReceiptOrder &order)
{
    QString h = QStringLiteral("LumBo ") + copyWord + QStringLiteral(" (") + order.daySerial;
    if (escposModified(order))
        h += QLatin1Char('-') + order.modNo.trimmed();
    return h + QLatin1Char(')');
}

bool BuildEscPosStreams(const EscPosCopyInput &in, EscPosStreams &out, QString *error)
{
    const ReceiptOrder &o = *in.order;
    const TPRINT_SET &slot = *in.slot;
    const ReceiptBlocks &b = *in.blocks;
    const QString prtOut = QString(slot.PRT_OUT);
    const QString gs0 = EscPos::sizeCommand(0x00);
    const QString gs1 = EscPos::sizeCommand(0x01);
    const QString gs11 = EscPos::sizeCommand(0x11);
    const bool hasMemo = !o.memo.trimmed().isEmpty();
    TwoStreams t{out};
    auto on = [&prtOut](int i) { return prtOut.size() > i && prtOut.at(i) == QLatin1Char('1'); };
    if (!on(0) && !on(1) && !on(2) && !on(3))
        return true;

    QString orderTime;
    if (!escposTime(o.orderTime, orderTime, error))
        return false;
    QString pickup;
    if (!o.pickupTime.trimmed().isEmpty() && !escposTime(o.pickupTime, pickup, error))
        return false;
    const QString dest = destinationLine(o, pickup);
    const QString count = in.argument ? in.argument->completedCount : QString();

    if (on(0)) {
        t.both(escInit() + escAlign(1) + gs11 + EscPosCopyHeading(QStringLiteral("고객용"), o));
        t.rule(QLatin1Char('='), escAlign(0) + gs0);
        t.both(QStringLiteral("주문시간: ") + orderTime);
        t.both(QStringLiteral("주문유형: ") + o.kindText);
        if (hasMemo)
            t.both(memoLine(o, slot));
        if (!dest.isEmpty())
            t.both(dest);
        out.wide << b[0];
        out.narrow << b[1];
        t.both(escFeedCut());
    }
    if (on(1)) {
        t.both(escAlign(1) + gs11 + EscPosCopyHeading(QStringLiteral("배달용"), o));
        t.rule(QLatin1Char('='), escAlign(0) + gs0);
        t.both(QStringLiteral("주문시간: ") + orderTime);
        t.both(QStringLiteral("주문유형: ") + o.kindText);
        if (!count.isEmpty())
            t.both(QStringLiteral("완료횟수: ") + count + QStringLiteral(" 회"));
        if (hasMemo)
            t.both(memoLine(o, slot));
        t.both(gs1 + QStringLiteral("고객번호: ") + gs11 + o.customerTel);
        t.rule(QLatin1Char('-'), gs0);
        if (!dest.isEmpty())
            t.both(dest);
        out.wide << b[0];
        out.narrow << b[1];
        t.both(escFeedCut());
    }
    if (on(2)) {
        t.both(escAlign(1) + gs11 + EscPosCopyHeading(QStringLiteral("주방용"), o));
        t.rule(QLatin1Char('='), escAlign(0) + gs0);
        if (in.multiType == QLatin1String("M"))
            t.both(QStringLiteral("가맹점명: ") + (in.argument ? in.argument->storeName : QString()));
        if (!count.isEmpty())
            t.both(QStringLiteral("완료횟수: ") + count + QStringLiteral(" 회"));
        t.both(escposModified(o) ? QStringLiteral("주문내용: 수정") : QStringLiteral("주문내용: 신규"));
        t.both(QStringLiteral("주문시간: ") + orderTime);
        t.both(QStringLiteral("주문주소: ") + o.address.trimmed());
        t.rule(QLatin1Char('='), escAlign(0) + gs0);
        if (hasMemo)
            t.both(memoLine(o, slot));
        t.rule(QLatin1Char('-'), QString(), gs1);
        out.wide << ReceiptPadRight(QStringLiteral("상품명"), 40) + ReceiptPadLeft(QStringLiteral("수량"), 8);
        out.narrow << ReceiptPadRight(QStringLiteral("상품명"), 34) + ReceiptPadLeft(QStringLiteral("수량"), 8);
        t.rule(QLatin1Char('-'), gs0, gs1);
        out.wide << b[2];
        out.narrow << b[3];
        out.wide << gs0 + QString(48, QLatin1Char('-')) + escFeedCut();
        out.narrow << gs0 + QString(42, QLatin1Char('-')) + escFeedCut();
    }
    if (on(3)) {
        static const QList<TGrpPrint> noGroups;
        const QList<TGrpPrint> &groups = in.groups ? *in.groups : noGroups;
        for (const ReceiptGoods &g : o.goods) {
            if (!ReceiptGoodsInGroup(slot.PRT_GRP, g.goodsNo, groups))
                continue;
            out.narrow << gs11 + escAlign(1);
            t.both(escAlign(1) + gs11 + EscPosCopyHeading(QStringLiteral("주방용"), o));
            t.both(escAlign(0) + gs0);
            t.rule(QLatin1Char('='), QString(), gs1);
            out.wide << ticketLine(g.name, g.quantity, 40, 20);
            out.narrow << ticketLine(g.name, g.quantity, 34, 17);
            for (const ReceiptGoods &item : g.items) {
                out.wide << ticketLine(item.name, item.quantity, 40, 20);
                out.narrow << ticketLine(item.name, item.quantity, 34, 17);
            }
            t.both(gs0 + escFeedCut());
        }
    }
    return true;
}

QByteArray EscPosStreamBytes(const QStringList &lines)
{
    QString text;
    for (const QString &l : lines)
        text += l + QStringLiteral("\r\n");
    return Cp949::encode(text);
}

QByteArray EscPosTestPage(const QDateTime &now, bool lineEnds)
{
    QByteArray out("\x1b\x40\x1d\x21\x00", 5);
    out += "TEST";
    if (lineEnds)
        out += '\n';
    out += Cp949::encode(QStringLiteral("인쇄일시 : ") + now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    if (lineEnds)
        out += "\r\n";
    out += QByteArray("\x1b\x64\x05\x1b\x69\x01", 6);
    return out;
}
