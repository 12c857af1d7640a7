#include "devices/receipt_print_job.h"
#include "receipt_fixture.h"
#include "common/qstring_print.h"
#include "records/device_records.h"
#include "records/session_records.h"
#include "reference/reference_state.h"
#include "sandbox/receipt_printer_standin.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
QJsonObject jobRow(const QList<QPair<int, QString>> &values)
{
    QJsonObject o;
    for (const auto &[i, v] : values)
        o.insert(QStringLiteral("C_%1").arg(i), v);
    return o;
}

QString jobPage(const QJsonArray &head, const QJsonArray &goods, const QJsonArray &items = {},
                const QString &code = QStringLiteral("1"))
{
    QJsonObject p{{QStringLiteral("OUT_CODE"), code}, {QStringLiteral("OUT_MSG"), QStringLiteral("없는 주문")},
                  {QStringLiteral("OUT_ROW1"), head}, {QStringLiteral("OUT_ROW2"), goods},
                  {QStringLiteral("OUT_ROW3"), items}};
    return QString::fromUtf8(QJsonDocument(p).toJson(QJsonDocument::Compact));
}

QJsonObject jobHeader(const QString &serial, const QString &tel, const QString &path = QStringLiteral("1001"))
{
    return jobRow({{0, QStringLiteral("2026121100001")}, {1, serial}, {3, QStringLiteral("0")},
                   {4, QStringLiteral("2026-12-11 12:34:56")}, {6, QStringLiteral("1001")}, {7, QStringLiteral("N")},
                   {9, QStringLiteral("20000")}, {10, QStringLiteral("0")}, {11, QStringLiteral("1")},
                   {12, QStringLiteral("2")}, {13, QStringLiteral("20000")}, {23, tel}, {36, path}});
}

QJsonObject jobGoods(const QString &no, const QString &name, const QString &seq, const QString &qty = QStringLiteral("1"))
{
    return jobRow({{0, no}, {1, name}, {2, qty}, {3, QStringLiteral("10000")}, {5, QStringLiteral("1")},
                   {7, QStringLiteral("순살")}, {8, QStringLiteral("1000")}, {9, QStringLiteral("매운맛")},
                   {11, seq}, {17, QStringLiteral("500")}});
}

class ReceiptPrintJobTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetDeviceRecords();
        CCB_O7.clear();
        CCB_O7.add(QStringLiteral("2"), QStringLiteral("카드"));
        CCB_O3.clear();
        CCB_O3.add(QStringLiteral("1001"), QStringLiteral("전화"));
        CCB_O3.add(QStringLiteral("1004"), QStringLiteral("배달앱"));
        ASSERT_TRUE(printer.listenTcp(0));
        for (int s : {0, 1}) {
            TPRINT_SET &p = G_PRINT_SET[size_t(s)];
            p = ReceiptTestSlot(QStringLiteral("1000"));
            p.Rate = QString::number(printer.tcpPort());
        }
        EscPosSender::Timing t;
        t.attempts = 2;
        ReceiptPrintJob::Hooks h;
        h.fetch = [this](const QString &payload) {
            payloads << payload;
            return pages;
        };
        h.log = [this](const QString &line) { log << line; };
        h.inform = [this](const QString &text) { boxes << text; };
        job = std::make_unique<ReceiptPrintJob>(h, t, nullptr);
    }
    void TearDown() override
    {
        ResetDeviceRecords();
        CCB_O7.clear();
        CCB_O3.clear();
    }
    QString printedText()
    {
        job->sender().waitIdle(5000);
        QString all;
        for (const PaperReceipt &r : printer.receipts())
            all += r.toText();
        return all;
    }

    QTemporaryDir dir;
    ReceiptPrinterStandIn printer{dir.path()};
    QStringList pages, payloads, log, boxes;
    std::unique_ptr<ReceiptPrintJob> job;
};
TEST_F(ReceiptPrintJobTest, TwoPagesSecondHeaderWinsAndGoodsOfBothPrint)
{
    const QJsonObject item = jobRow({{0, QStringLiteral("2")}, {1, QStringLiteral("900")}, {2, QStringLiteral("치즈")},
                                     {3, QStringLiteral("2000")}, {4, QStringLiteral("2")}, {8, QStringLiteral("0")}});
    const QJsonObject orphan = jobRow({{0, QStringLiteral("9")}, {2, QStringLiteral("떠돌이")}});
    pages = {jobPage({jobHeader(QStringLiteral("5"), QStringLiteral("01011112222"))},
                     {jobGoods(QStringLiteral("15"), QStringLiteral("양념치킨"), QStringLiteral("1"))}),
             jobPage({jobHeader(QStringLiteral("6"), QStringLiteral("01033334444"))},
                     {jobGoods(QStringLiteral("16"), QStringLiteral("후라이드"), QStringLiteral("2"), QStringLiteral("2"))},
                     {item, orphan})};
    G_USER_INFO.ID = QStringLiteral("demo");
    job->proc_Print(QStringLiteral("2026121100001") + QChar(2) + QStringLiteral("서울 강남구 1") + QChar(2)
                        + QStringLiteral("4") + QChar(2) + QStringLiteral("한빛"),
                    1, -1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return printer.receipts().size() == 2; }, 10000));
    const QString text = printedText();
    EXPECT_EQ(payloads, QStringList{QStringLiteral("2026121100001│demo│1│")});
    EXPECT_TRUE(text.contains(QStringLiteral("LumBo 고객용 (6)")));
    EXPECT_FALSE(text.contains(QStringLiteral("LumBo 고객용 (5)")));
    // Base 10,000 + options 1,000 + deposit 500, named with its options and the deposit.
    // 31 bytes: wrapped after 14 characters.
    EXPECT_TRUE(text.contains(QStringLiteral("양념치킨(순살, 매운맛,컵 ")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n보증금)\n")));
    EXPECT_TRUE(text.contains(QStringLiteral(" 11,500    1  11,500")));
    EXPECT_TRUE(text.contains(QStringLiteral(" 11,500    2  23,000")));
    EXPECT_TRUE(text.contains(QStringLiteral("+치즈")));
    EXPECT_FALSE(text.contains(QStringLiteral("떠돌이")));
    EXPECT_TRUE(text.contains(QStringLiteral("결제방법: 카드")));
    EXPECT_TRUE(text.contains(QStringLiteral("배달주소: 서울 강남구 1")));
}

TEST_F(ReceiptPrintJobTest, SlotChoiceAndTheDeliveryAppRefusal)
{
    pages = {jobPage({jobHeader(QStringLiteral("7"), QStringLiteral("01011112222"), QStringLiteral("1004"))},
                     {jobGoods(QStringLiteral("15"), QStringLiteral("양념치킨"), QStringLiteral("1"))})};
    G_PRINT_SET[1].BM_NO_PRT = QStringLiteral("1");
    // A slot not in use: nothing printed, nothing logged.
    job->proc_Print(QStringLiteral("2026121100001"), 1, 2);
    EXPECT_TRUE(log.isEmpty());
    // The automatic job for slot 1 skips the delivery-app order.
    job->proc_Print(QStringLiteral("2026121100001"), 1, 1);
    EXPECT_EQ(log, QStringList{QStringLiteral("배민앱 영수증 미출력[2026121100001]")});
    EXPECT_EQ(printedText(), QString());
    // The print button prints it on both slotSet in use.
    job->proc_Print(QStringLiteral("2026121100001"), 1, -1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return printer.receipts().size() == 2; }, 10000));
    // No address in the argument: an empty delivery address.
    EXPECT_TRUE(printedText().contains(QStringLiteral("배달주소: \n")));
}

TEST_F(ReceiptPrintJobTest, NothingOfAnEarlierOrderIsPrintedWithoutAHeader)
{
    pages = {jobPage({jobHeader(QStringLiteral("8"), QStringLiteral("01099998888"))},
                     {jobGoods(QStringLiteral("15"), QStringLiteral("양념치킨"), QStringLiteral("1"))})};
    job->proc_Print(QStringLiteral("A"), 1, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return printer.receipts().size() == 1; }, 10000));
    pages = {jobPage({}, {jobGoods(QStringLiteral("16"), QStringLiteral("후라이드"), QStringLiteral("1"))})};
    job->proc_Print(QStringLiteral("B"), 1, 0);
    job->sender().waitIdle(5000);
    QTest::qWait(100);
    EXPECT_EQ(printer.receipts().size(), 1);
    EXPECT_EQ(log.last(), QStringLiteral("CS01_25_V02 ERR[NO HEADER] B"));
}

TEST_F(ReceiptPrintJobTest, FailuresAreLoggedAndOnlyAskedPrintsShowABox)
{
    pages = {jobPage({}, {}, {}, QStringLiteral("0"))};
    job->proc_Print(QStringLiteral("A"), 1, 0);
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(log, QStringList{QStringLiteral("CS01_25_V02 is Fail 0:없는 주문")});
    job->proc_Print(QStringLiteral("A"), 1, -1);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("실패했습니다.\r\n없는 주문")});
    pages.clear();
    job->proc_Print(QStringLiteral("A"), 1, 0);
    EXPECT_EQ(log.last(), QStringLiteral("CS01_25_V02 ERR[NO RESULT]"));
    // A time that cannot be read ends the job with its log line; nothing goes out.
    QJsonObject head = jobHeader(QStringLiteral("9"), QString());
    head.insert(QStringLiteral("C_4"), QStringLiteral("20261211"));
    pages = {jobPage({head}, {})};
    job->proc_Print(QStringLiteral("A"), 1, 0);
    EXPECT_TRUE(log.last().startsWith(QStringLiteral("CS01_25_V02 Exception Err ")));
    EXPECT_EQ(printedText(), QString());
}
} // namespace
