#include "devices/label_print.h"
#include "devices/ui/label_printer.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <gtest/gtest.h>

#include <qrencode.h>

namespace
{
QString labelJoin(const QStringList &fields)
{
    QString s;
    for (const QString &f : fields)
        s += f + QChar(0x2502);
    return s;
}

QString labelPage(const QStringList &order, const QList<QStringList> &legs, const QString &code = QStringLiteral("1"))
{
    QJsonArray rows2;
    for (const QStringList &l : legs)
        rows2.append(labelJoin(l));
    QJsonObject p{{QStringLiteral("OUT_CODE"), code},
                  {QStringLiteral("OUT_MSG"), QStringLiteral("거절")},
                  {QStringLiteral("OUT_ROW1"), QJsonArray{labelJoin(order)}},
                  {QStringLiteral("OUT_ROW2"), rows2}};
    return QString::fromUtf8(QJsonDocument(p).toJson(QJsonDocument::Compact));
}

QStringList labelOrder(const QString &hub1, const QString &hub2, const QString &goods = QStringLiteral("서류 1"))
{
    return {QStringLiteral("이수진"), QStringLiteral("01012345678"), QStringLiteral("2026-12-11 10:00"), QString(),
            QString(), QStringLiteral("경비실"), QStringLiteral("서울 송파구 문정동 1"), QString(), QStringLiteral("101호"),
            hub1, hub2, goods};
}

QStringList labelLeg(const QString &type, const QString &name, const QString &no)
{
    return {type, name, QString(), QString(), QStringLiteral("0317770001"), QStringLiteral("경기 군포시 물류로 10"),
            QStringLiteral("A동"), no};
}
TEST(SameDayLabel, BoxesForTheRouteCases)
{
    SameDayLabel l;
    // Different hubs, leg numbers with leading zeros, a branch leg.
    ASSERT_TRUE(ReadSameDayLabel({labelPage(labelOrder(QStringLiteral("H1"), QStringLiteral("H2")),
                                            {labelLeg(QStringLiteral("1"), QStringLiteral("한빛꽃집"), QString()),
                                             labelLeg(QStringLiteral("2"), QStringLiteral("군포허브"), QStringLiteral("007")),
                                             labelLeg(QStringLiteral("3"), QStringLiteral("이천센터"), QStringLiteral("12")),
                                             labelLeg(QStringLiteral("4"), QStringLiteral("문정지선"), QStringLiteral("3"))})},
                                 QStringLiteral("S100"), l)
                    .ok);
    EXPECT_EQ(l.ordInfo, QStringLiteral("주문번호 : S100\n접수시간 : 2026-12-11 10:00\n가 맹 점 : 한빛꽃집(031-777-0001)\n"
                                        "주소 : 경기 군포시 물류로 10 A동\n상품 : 서류 1\n메모 : 경비실"));
    EXPECT_EQ(l.solHub, QStringLiteral("[1차간선] : 7"));
    EXPECT_EQ(l.logiCenter, QStringLiteral("[2차간선] : 12"));
    EXPECT_EQ(l.locHub, QStringLiteral("[지선] : 3"));
    EXPECT_TRUE(l.locHubInfo.startsWith(QStringLiteral("가맹점 : 문정지선\n연락처 : 031-777-0001\n주소 : ")));
    EXPECT_EQ(l.dest, QStringLiteral("[고객-도착지]"));
    EXPECT_TRUE(l.destInfo.startsWith(QStringLiteral("고객명 : 이수진\n연락처 : 010-1234-5678\n주소 : ")));

    // Same hubs, no branch, no store leg, no goods.
    ASSERT_TRUE(ReadSameDayLabel({labelPage(labelOrder(QStringLiteral("H1"), QStringLiteral("H1"), QString()),
                                            {labelLeg(QStringLiteral("2"), QStringLiteral("군포허브"), QStringLiteral("5"))})},
                                 QStringLiteral("S101"), l)
                    .ok);
    EXPECT_EQ(l.solHub, QStringLiteral("[1차간선 - 2차간선] : 5"));
    EXPECT_TRUE(l.logiCenter.isEmpty());
    EXPECT_TRUE(l.logiCenterInfo.isEmpty());
    EXPECT_EQ(l.locHub, QStringLiteral("[지선]"));
    EXPECT_TRUE(l.locHubInfo.isEmpty());
    EXPECT_TRUE(l.ordInfo.contains(QStringLiteral("가 맹 점 : ()\n주소 : \n메모 : 경비실")));
    EXPECT_FALSE(l.ordInfo.contains(QStringLiteral("상품 : ")));
}

TEST(SameDayLabel, LongAddressesPrintSmallerEachLabelAfresh)
{
    SameDayLabel l;
    QStringList order = labelOrder(QStringLiteral("H1"), QStringLiteral("H2"));
    order[6] = QStringLiteral("서울특별시 송파구 문정동 올림픽로 아주 긴 주소 123번길 45-6");
    ASSERT_TRUE(ReadSameDayLabel({labelPage(order, {})}, QStringLiteral("S1"), l).ok);
    EXPECT_TRUE(l.smallFont[3]);
    ASSERT_TRUE(ReadSameDayLabel({labelPage(labelOrder(QStringLiteral("H1"), QStringLiteral("H2")), {})},
                                 QStringLiteral("S2"), l)
                    .ok);
    EXPECT_FALSE(l.smallFont[3]);
}

TEST(SameDayLabel, QrCodeDrawnOnTheLabelReadsBackAsTheOrderNumber)
{
    const QString ordNo = QStringLiteral("SD2026121100042");
    const QList<QList<bool>> modules = QrModules(ordNo);
    QRcode *ref = QRcode_encodeString(ordNo.toUtf8().constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1);
    ASSERT_NE(ref, nullptr);
    ASSERT_EQ(modules.size(), ref->width + 8);
    // The quiet zone is light; the symbol's modules are those of the encoder.
    for (int y = 0; y < int(modules.size()); ++y)
        for (int x = 0; x < int(modules.size()); ++x) {
            const bool inside = x >= 4 && y >= 4 && x < ref->width + 4 && y < ref->width + 4;
            const bool want = inside && (ref->data[(y - 4) * ref->width + (x - 4)] & 1);
            ASSERT_EQ(modules[y][x], want) << x << "," << y;
        }
    // Drawn on the label at 8 dots per mm: sampling the centre of each module gives the matrix back.
    SameDayLabel label;
    label.orderNo = ordNo;
    const double dpm = 8;
    QImage page(int(152 * dpm), int(104 * dpm), QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        DrawSameDayLabel(p, label, dpm);
    }
    const double modulePx = 35 * dpm / modules.size();
    for (int y = 0; y < int(modules.size()); ++y)
        for (int x = 0; x < int(modules.size()); ++x) {
            const QPoint c(int(110.8 * dpm + (x + 0.5) * modulePx), int((y + 0.5) * modulePx));
            ASSERT_EQ(qGray(page.pixel(c)) < 128, bool(modules[y][x])) << x << "," << y;
        }
    QRcode_free(ref);
}

TEST(SameDayLabel, PrinterMissingOrRefusedPrintsNothing)
{
    QStringList payloads, boxes, log;
    int printed = 0;
    QStringList printers = {QStringLiteral("xprinter xp-dt108b label")};
    QStringList pages;
    SameDayLabelPrinter::Hooks h;
    h.installedPrinters = [&] { return printers; };
    h.fetch = [&](const QString &payload) {
        payloads << payload;
        return pages;
    };
    h.inform = [&](const QString &t) { boxes << t; };
    h.log = [&](const QString &t) { log << t; };
    h.print = [&](const SameDayLabel &, QString *) {
        ++printed;
        return true;
    };
    SameDayLabelPrinter printer(h);
    printer.procSameDayPrint(QStringLiteral("S1"), QStringLiteral("1"));
    EXPECT_EQ(boxes, QStringList{QStringLiteral("라벨 프린터기가 없습니다.")});
    EXPECT_TRUE(payloads.isEmpty());

    printers << QString::fromLatin1(kLabelPrinterName);
    pages = {labelPage(labelOrder(QStringLiteral("H1"), QStringLiteral("H2")), {}, QStringLiteral("0"))};
    printer.procSameDayPrint(QStringLiteral("S1"), QStringLiteral("1"));
    EXPECT_EQ(payloads.size(), 1);
    EXPECT_EQ(printed, 0);
    EXPECT_EQ(log.value(0), QStringLiteral("CS01_37_V01 is Fail 0:거절"));

    pages = {labelPage(labelOrder(QStringLiteral("H1"), QStringLiteral("H2")), {})};
    printer.procSameDayPrint(QStringLiteral("S1"), QStringLiteral("1"));
    EXPECT_EQ(printed, 1);
}
} // namespace
