#include "common/qstring_print.h"
#include "devices/system_receipt_layout.h"
#include "receipt_fixture.h"

#include <gtest/gtest.h>

namespace
{
QList<SystemReceiptJob> systemJobs(ReceiptOrder order, const QString &prtOut)
{
    TPRINT_SET slot = ReceiptTestSlot(prtOut);
    slot.iType = 2;
    std::array<TPRINT_SET, 4> slotSet{};
    slotSet[0] = slot;
    const auto blocks = BuildReceiptBlocks(order, slotSet, {}, 0);
    PrintArgument arg{order.orderNo, order.address, QString(), QString()};
    QList<TGrpPrint> groups;
    QList<SystemReceiptJob> jobs;
    QString error;
    EXPECT_TRUE(BuildSystemReceiptJobs({0, &order, &arg, &slot, &blocks[0], &groups, QString()}, jobs, &error))
        << error.toStdString();
    return jobs;
}
TEST(SystemReceipts, CustomerAndStoreCopiesAreTwoJobsWithTheBodyFromItsSecondEntry)
{
    const QList<SystemReceiptJob> jobs = systemJobs(ReceiptTestOrder(), QStringLiteral("1100"));
    ASSERT_EQ(jobs.size(), 2);
    EXPECT_EQ(jobs[0].heading.text, QStringLiteral("LumBo 고객용 (17)"));
    EXPECT_EQ(jobs[0].heading.points, 18);
    EXPECT_EQ(jobs[1].heading.points, 16);
    const QList<SystemReceiptLine> &lines = jobs[0].lines;
    EXPECT_EQ(lines[0].text, QString(38, QLatin1Char('=')));
    // The 48-wide first rule of the body is never printed; the heading of the goods comes first.
    qsizetype heading = -1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].text.startsWith(QStringLiteral("상품명")))
            heading = i;
    ASSERT_GT(heading, 0);
    EXPECT_EQ(lines[heading - 1].text, QString(48, QLatin1Char('=')));
    EXPECT_EQ(lines[heading].points, 10);
    // The body keeps the copy's 10 pt bold; the store copy's body is 9 pt bold.
    for (const SystemReceiptLine &l : lines) {
        if (l.text.startsWith(QStringLiteral("전화번호"))) {
            EXPECT_TRUE(l.points == 10 && l.bold);
        }
    }
    for (const SystemReceiptLine &l : jobs[1].lines) {
        if (l.text.startsWith(QStringLiteral("전화번호"))) {
            EXPECT_EQ(l.points, 9);
        }
    }
}

TEST(SystemReceipts, TicketsWrapAndUnreadablePickupPrintsAsReceived)
{
    ReceiptOrder o = ReceiptTestOrder();
    o.goods[0].name = QStringLiteral("가나다라마바사아자차카");
    const QList<SystemReceiptJob> tickets = systemJobs(o, QStringLiteral("0001"));
    ASSERT_EQ(tickets.size(), 2);
    EXPECT_EQ(tickets[0].lines[1].text, QStringLiteral("가나다라마바사아자차 2개\r\n카"));
    EXPECT_EQ(tickets[0].lines[1].points, 16);

    o.kindWord = QStringLiteral("테이크아웃");
    o.pickupTime = QStringLiteral("곧 방문");
    const QList<SystemReceiptJob> customer = systemJobs(o, QStringLiteral("1000"));
    bool found = false;
    for (const SystemReceiptLine &l : customer[0].lines)
        found = found || l.text == QStringLiteral("픽업시간: 곧 방문");
    EXPECT_TRUE(found);
}
} // namespace
