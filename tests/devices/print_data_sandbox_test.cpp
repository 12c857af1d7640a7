// The sandbox's print data read by the printing code: a seeded order becomes a receipt, a seeded
// same-day order a label.
#include "common/qstring_print.h"
#include "devices/escpos_copies.h"
#include "devices/label_print.h"
#include "receipt_fixture.h"
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"

#include <gtest/gtest.h>

namespace
{
struct PrintWorld
{
    HandlerRegistry registry;
    std::shared_ptr<SandboxDatabase> db = std::make_shared<SandboxDatabase>();
    PrintWorld()
    {
        registry.setDatabase(db);
        registerDemoHandlers(registry);
        QString error;
        EXPECT_TRUE(db->initialize(&error)) << error.toStdString();
    }
    QStringList ask(const QString &code, const QString &callType, const QString &ordNo)
    {
        SandboxRequest r;
        r.reqNum = code;
        r.callType = callType;
        const QString sep(QChar(0x2502));
        r.val = ordNo + sep + QStringLiteral("demo") + sep + QStringLiteral("1") + sep;
        return registry.dispatch(r).buildPages(1000);
    }
};
TEST(PrintDataFromTheSandbox, SeededOrderPrintsAReceiptAndSameDayOrderALabel)
{
    PrintWorld w;
    const QString ordNo = w.db->value(QStringLiteral("SELECT ord_no FROM orders ORDER BY ord_no LIMIT 1")).toString();
    ASSERT_FALSE(ordNo.isEmpty());
    ReceiptOrder order;
    const PrintArgument arg{ordNo, QStringLiteral("서울"), QStringLiteral("1"), QString()};
    ASSERT_EQ(StageReceiptPages(w.ask(QStringLiteral("CS01_25_V02"), QStringLiteral("ADM1"), ordNo), arg, {}, order).result,
              ReceiptStaging::Result::Ok);
    EXPECT_EQ(order.orderNo, ordNo);
    ASSERT_FALSE(order.goods.isEmpty());
    TPRINT_SET slot = ReceiptTestSlot(QStringLiteral("1111"));
    std::array<TPRINT_SET, 4> slotSet{};
    slotSet[0] = slot;
    const auto blocks = BuildReceiptBlocks(order, slotSet, {}, 0);
    EscPosStreams s;
    QString error;
    const QList<TGrpPrint> groups;
    EXPECT_TRUE(BuildEscPosStreams({&order, &arg, &slot, &blocks[0], &groups, QString()}, s, &error)) << error.toStdString();
    EXPECT_TRUE(s.wide.join(QLatin1Char('\n')).contains(order.goods.first().name.left(2)));

    EXPECT_EQ(StageReceiptPages(w.ask(QStringLiteral("CS01_25_V02"), QStringLiteral("ADM1"), QStringLiteral("nope")), arg,
                                {}, order)
                  .result,
              ReceiptStaging::Result::Failed);

    const QString sameDay =
        w.db->value(QStringLiteral("SELECT ord_no FROM same_day_orders ORDER BY ord_no LIMIT 1")).toString();
    ASSERT_FALSE(sameDay.isEmpty());
    SameDayLabel label;
    ASSERT_TRUE(ReadSameDayLabel(w.ask(QStringLiteral("CS01_37_V01"), QStringLiteral("ADM3"), sameDay), sameDay, label).ok);
    EXPECT_TRUE(label.ordInfo.startsWith(QStringLiteral("주문번호 : ") + sameDay));
    EXPECT_EQ(label.dest, QStringLiteral("[고객-도착지]"));
    EXPECT_TRUE(label.solHub.startsWith(QStringLiteral("[1차간선")));
}
} // namespace
