// Receipts in the assembled program: with a network printer in slot 1, the print button's path
// prints the copies of a demo order on the receipt-printer stand-in.
#include "e2e_fixture.h"

#include "devices/receipt_print_job.h"
#include "devices/ui/printing_install.h"
#include "common/screen_placeholders.h"
#include "main/ui/start_forms.h"
#include "sandbox/receipt_printer_standin.h"
#include "settings/settings_file.h"

#include <QTemporaryDir>

namespace
{
TEST_F(EndToEndTest, PrintButtonPrintsTheOrderOnTheNetworkPrinter)
{
    QTemporaryDir receipts;
    ReceiptPrinterStandIn printer(receipts.path());
    ASSERT_TRUE(printer.listenTcp(0));
    const std::pair<const char *, QString> keys[] = {
        {"USE", QStringLiteral("1")},  {"TYPE", QStringLiteral("1")}, {"GUBUN", QStringLiteral("1")},
        {"NAME", QStringLiteral("127.0.0.1")}, {"RAGE", QString::number(printer.tcpPort())},
        {"PRT_OUT", QStringLiteral("1100")},
    };
    for (const auto &[k, v] : keys)
        G_INI->WriteString(QStringLiteral("Print1"), QLatin1String(k), v);
    startAs(QStringLiteral("demo"), QStringLiteral("Demo!2026desk"));
    window->orderPolling.poller.stop();
    EXPECT_FALSE(ScreenPlaceholders().contains(QStringLiteral("print")));

    const QString ordNo =
        host->database()->value(QStringLiteral("SELECT ord_no FROM orders ORDER BY ord_no DESC LIMIT 1")).toString();
    ASSERT_FALSE(ordNo.isEmpty());
    ASSERT_TRUE(bool(ShellActions().print));
    ShellActions().print(ordNo + QChar(2) + QStringLiteral("서울 강남구 역삼동 1") + QChar(2) + QStringLiteral("2")
                             + QChar(2) + QStringLiteral("데모상점"),
                         1, -1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return printer.receipts().size() >= 2; }, 20000)) << newLines().join('\n').toStdString();
    const QString customer = printer.receipts().at(0).toText();
    EXPECT_TRUE(customer.contains(QStringLiteral("고객용"))) << customer.toStdString();
    EXPECT_TRUE(customer.contains(QStringLiteral("배달주소: 서울 강남구 역삼동 1")));
    EXPECT_TRUE(printer.receipts().at(1).toText().contains(QStringLiteral("완료횟수: 2 회")));
    EXPECT_EQ(requests(QStringLiteral("CS01_25_V02")).size(), 1);
    ProgramReceiptPrinter().sender().waitIdle(5000);
    EXPECT_TRUE(newLines().contains(QStringLiteral("PRT[-1]:") + ordNo + QStringLiteral(",PRT_NUM:0,TCP:127.0.0.1")));
}
} // namespace
