#include "devices/label_print.h"

#include "common/program_globals.h"
#include "common/reply_row.h"
#include "records/address_texts.h"
#include "records/business_rules.h"
#include "text/phone_helpers.h"
#include "text/text_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <qrencode.h>

namespace
{
struct LabelLeg
{
    QString name, tel, address, number;
};

QString labelLegNumber(const QString &text, int *value)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    *value = ok ? n : 0;
    return QString::number(*value);
}

QString labelLegLines(const LabelLeg &leg, const QString &nameWord)
{
    return nameWord + leg.name + QLatin1Char('\n') + QStringLiteral("연락처 : ") + leg.tel + QLatin1Char('\n')
           + QStringLiteral("주소 : ") + leg.address;
}

bool labelLongAddress(const QString &address)
{
    return address.size() >= 36;
}
} // namespace

SameDayLabelReading ReadSameDayLabel(const QStringList &pages, const QString &ordNo, SameDayLabel &label)
{
    label = SameDayLabel();
    label.orderNo = ordNo;
    SameDayLabelReading out;
    const QString sep = G_FIELD_SEP.isEmpty() ? QString(QChar(0x2502)) : G_FIELD_SEP;
    QStringList order;
    std::array<LabelLeg, 5> legs;
    for (const QString &page : pages) {
        const QJsonObject root = QJsonDocument::fromJson(page.toUtf8()).object();
        const QString code = JsonStr(root, QStringLiteral("OUT_CODE"));
        if (code != QLatin1String("1")) {
            out.failCode = code;
            out.failMsg = JsonStr(root, QStringLiteral("OUT_MSG"));
            return out;
        }
        const QJsonArray heads = root.value(QStringLiteral("OUT_ROW1")).toArray();
        if (!heads.isEmpty())
            order = SplitUnescaped(sep, heads.at(0).toString());
        for (const QJsonValue &v : root.value(QStringLiteral("OUT_ROW2")).toArray()) {
            const QStringList f = SplitUnescaped(sep, v.toString());
            bool ok = false;
            int type = f.value(0).trimmed().toInt(&ok);
            if (!ok)
                type = 1;
            if (type < 1 || type > 4)
                continue;
            LabelLeg &leg = legs[size_t(type)];
            leg.name = f.value(1);
            leg.tel = FormatPhone(f.value(4), 0);
            const QString address = f.value(5) + QLatin1Char(' ') + f.value(6);
            leg.address = type == 1 ? address : WrapPrintText(address);
            leg.number = f.value(7);
        }
    }
    const QString custName = order.value(0);
    const QString custTel = FormatPhone(order.value(1), 0);
    const QString custAddr = WrapPrintText(AddrRoadText(order.value(6), order.value(7)) + QLatin1Char(' ') + order.value(8));
    const LabelLeg &store = legs[1];
    QString info = QStringLiteral("주문번호 : ") + ordNo + QLatin1Char('\n') + QStringLiteral("접수시간 : ") + order.value(2)
                   + QLatin1Char('\n') + QStringLiteral("가 맹 점 : ") + store.name + QLatin1Char('(') + store.tel
                   + QStringLiteral(")\n") + QStringLiteral("주소 : ") + store.address + QLatin1Char('\n');
    if (!order.value(11).isEmpty())
        info += QStringLiteral("상품 : ") + order.value(11) + QLatin1Char('\n');
    info += QStringLiteral("메모 : ") + order.value(5);
    label.ordInfo = info;

    int n2 = 0, n3 = 0, n4 = 0;
    const QString no2 = labelLegNumber(legs[2].number, &n2);
    const QString no3 = labelLegNumber(legs[3].number, &n3);
    const QString no4 = labelLegNumber(legs[4].number, &n4);
    const bool sameHubs = order.value(9) == order.value(10);
    label.solHub = (sameHubs ? QStringLiteral("[1차간선 - 2차간선] : ") : QStringLiteral("[1차간선] : ")) + no2;
    label.smallFont[0] = labelLongAddress(legs[2].address);
    label.solHubInfo = labelLegLines(legs[2], QStringLiteral("가맹점 : "));
    if (!sameHubs) {
        if (n3 < 1) {
            label.logiCenter = QStringLiteral("[2차간선]");
        } else {
            label.logiCenter = QStringLiteral("[2차간선] : ") + no3;
            label.smallFont[1] = labelLongAddress(legs[3].address);
            label.logiCenterInfo = labelLegLines(legs[3], QStringLiteral("가맹점 : "));
        }
    }
    if (n4 < 1) {
        label.locHub = QStringLiteral("[지선]");
    } else {
        label.locHub = QStringLiteral("[지선] : ") + no4;
        label.smallFont[2] = labelLongAddress(legs[4].address);
        label.locHubInfo = labelLegLines(legs[4], QStringLiteral("가맹점 : "));
    }
    label.dest = QStringLiteral("[고객-도착지]");
    label.smallFont[3] = labelLongAddress(custAddr);
    label.destInfo = QStringLiteral("고객명 : ") + custName + QLatin1Char('\n') + QStringLiteral("연락처 : ") + custTel
                     + QLatin1Char('\n') + QStringLiteral("주소 : ") + custAddr;
    out.ok = true;
    return out;
}

QList<QList<bool>> QrModules(const QString &text)
{
    QList<QList<bool>> rows;
    const QByteArray data = text.toUtf8();
    QRcode *code = QRcode_encodeString(data.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1);
    if (!code)
        return rows;
    constexpr int quiet = 4;
    const int n = code->width + 2 * quiet;
    for (int y = 0; y < n; ++y) {
        QList<bool> row(n, false);
        for (int x = 0; x < n; ++x) {
            const int cx = x - quiet, cy = y - quiet;
            if (cx >= 0 && cy >= 0 && cx < code->width && cy < code->width)
                row[x] = (code->data[cy * code->width + cx] & 1) != 0;
        }
        rows.append(row);
    }
    QRcode_free(code);
    return rows;
}
