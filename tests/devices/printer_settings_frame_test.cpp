#include "common/qstring_print.h"
#include "devices/escpos_sender.h"
#include "devices/ui/printer_settings_frame.h"
#include "layout_check.h"
#include "records/device_records.h"
#include "sandbox/receipt_printer_standin.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
class PrinterSettingsFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetDeviceRecords();
        ini = std::make_unique<TIniFile>(dir.filePath(QStringLiteral("env.ini")));
    }
    void TearDown() override { ResetDeviceRecords(); }
    QString key(const QString &k) const { return ini->ReadString(QStringLiteral("Print3"), k, QStringLiteral("<none>")); }
    TFRM_PRINT_SET::Hooks hooks()
    {
        TFRM_PRINT_SET::Hooks h;
        h.ini = ini.get();
        h.setPrintButtonEnabled = [this](bool on) { printButton = on; };
        return h;
    }

    QTemporaryDir dir;
    std::unique_ptr<TIniFile> ini;
    int printButton = -1;
};
TEST_F(PrinterSettingsFrameTest, UsingAFreshSlotWritesItsDefaultsAndLoadingWritesNothing)
{
    TFRM_PRINT_SET frame(2, hooks());
    frame.load();
    EXPECT_FALSE(frame.CBT_CU_TEL->isEnabled());
    EXPECT_EQ(key(QStringLiteral("USE")), QStringLiteral("<none>"));
    frame.CCB_USE->click();
    const std::pair<const char *, const char *> want[] = {
        {"USE", "1"},          {"PRT_ST_1001", "1"},  {"PRT_ST_2001", "0"},  {"PRT_ST_1002", "0"},
        {"PRT_ST_4001", "0"},  {"TPRT_ST_1001", "0"}, {"TPRT_ST_2001", "1"}, {"TPRT_ST_1002", "0"},
        {"TPRT_ST_4001", "0"},
    };
    for (const auto &[k, v] : want)
        EXPECT_EQ(key(QLatin1String(k)), QLatin1String(v)) << k;
    EXPECT_EQ(printButton, 1);
    EXPECT_TRUE(frame.CBT_CU_TEL->isEnabled());
    frame.CCB_USE->click();
    EXPECT_EQ(key(QStringLiteral("USE")), QStringLiteral("0"));
    EXPECT_EQ(printButton, 0);

    // A used slot shown again: nothing is written.
    G_PRINT_SET[2].Use_yn = true;
    QFile::remove(ini->FileName());
    ini = std::make_unique<TIniFile>(dir.filePath(QStringLiteral("env2.ini")));
    TFRM_PRINT_SET again(2, hooks());
    again.load();
    EXPECT_TRUE(again.CCB_USE->isChecked());
    EXPECT_EQ(key(QStringLiteral("USE")), QStringLiteral("<none>"));
}

TEST_F(PrinterSettingsFrameTest, ControlsWriteTheirKeys)
{
    TFRM_PRINT_SET frame(2, hooks());
    frame.load();
    frame.CCB_USE->click();
    frame.show();
    frame.CRB_MANUAL->click();
    EXPECT_EQ(key(QStringLiteral("PRT_TYPE")), QStringLiteral("1"));
    EXPECT_EQ(key(QStringLiteral("BM_NO_PRT")), QStringLiteral("0"));
    EXPECT_FALSE(frame.CCB_BM_NO_PRINT->isVisible());
    frame.CRB_AUTO->click();
    EXPECT_TRUE(frame.CCB_BM_NO_PRINT->isVisible());
    EXPECT_FALSE(frame.CCB_BM_NO_PRINT->isChecked());

    // An empty PRT_OUT shows as store and kitchen copies; a change stores all four boxes.
    EXPECT_TRUE(frame.CCB_STORE->isChecked());
    frame.CCB_CUST->setChecked(true);
    frame.CCB_CUST->setChecked(false);
    EXPECT_EQ(key(QStringLiteral("PRT_OUT")), QStringLiteral("0110"));

    frame.CCB_ST1005->click();
    EXPECT_TRUE(frame.CRB_MOD_ALL->isVisible());
    EXPECT_FALSE(frame.CRB_MOD_ALL->isChecked());
    EXPECT_FALSE(frame.CRB_MOD_GOODS->isChecked());
    frame.CRB_MOD_GOODS->click();
    EXPECT_EQ(key(QStringLiteral("PRT_ST_1002_1")), QStringLiteral("2"));

    frame.CRB_ETHERNET->click();
    EXPECT_EQ(key(QStringLiteral("TYPE")), QStringLiteral("1"));
    EXPECT_TRUE(frame.CTE_IP->text().isEmpty());
    EXPECT_EQ(frame.CCE_PORT->value(), 9100);
    EXPECT_EQ(key(QStringLiteral("NAME")), QStringLiteral("<none>"));
    EXPECT_TRUE(LayoutCheck::Problems(&frame).isEmpty()) << LayoutCheck::Problems(&frame).join(QLatin1Char('\n')).toStdString();
}

TEST_F(PrinterSettingsFrameTest, TestPagePrintsOnTheNetworkPrinter)
{
    QTemporaryDir out;
    ReceiptPrinterStandIn printer(out.path());
    ASSERT_TRUE(printer.listenTcp(0));
    EscPosSender sender;
    TFRM_PRINT_SET::Hooks h = hooks();
    h.sender = &sender;
    TFRM_PRINT_SET frame(2, h);
    frame.load();
    frame.CCB_USE->click();
    frame.CRB_ETHERNET->click();
    frame.CTE_IP->setText(QStringLiteral("127.0.0.1"));
    frame.CCE_PORT->setValue(printer.tcpPort());
    frame.testClick();
    EXPECT_EQ(key(QStringLiteral("NAME")), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(key(QStringLiteral("RAGE")), QString::number(printer.tcpPort()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return printer.receipts().size() == 1; }, 10000));
    const QString text = printer.receipts().first().toText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("TEST\n인쇄일시 : "))) << text.toStdString();
}
} // namespace
