#include "devices/escpos_copies.h"
#include "devices/escpos_sender.h"
#include "receipt_fixture.h"
#include "common/qstring_print.h"
#include "sandbox/receipt_printer_standin.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
EscPosSender::Timing quickTiming()
{
    EscPosSender::Timing t;
    t.attempts = 3;
    t.connectWaitMs = 200;
    t.afterErrorMs = 10;
    t.retryWaitMs = 10;
    t.writeTimeoutMs = 3000;
    return t;
}

QByteArray fixtureReceipt(const QString &prtOut, int width)
{
    ReceiptOrder order = ReceiptTestOrder();
    TPRINT_SET slot = ReceiptTestSlot(prtOut);
    std::array<TPRINT_SET, 4> slotSet{};
    slotSet[0] = slot;
    const auto blocks = BuildReceiptBlocks(order, slotSet, {}, 0);
    PrintArgument arg{order.orderNo, order.address, QStringLiteral("3"), QStringLiteral("한빛치킨")};
    EscPosStreams s;
    QList<TGrpPrint> groups;
    EXPECT_TRUE(BuildEscPosStreams({&order, &arg, &slot, &blocks[0], &groups, QString()}, s, nullptr));
    return EscPosStreamBytes(width == 48 ? s.wide : s.narrow);
}

bool waitForReceipts(const ReceiptPrinterStandIn &printer, int n)
{
    return QTest::qWaitFor([&] { return printer.receipts().size() >= n; }, 10000);
}
TEST(EscPosSending, NetworkPrinterGetsEachReceiptWholeOnOneKeptConnection)
{
    QTemporaryDir dir;
    ReceiptPrinterStandIn printer(dir.path());
    ASSERT_TRUE(printer.listenTcp(0));
    EscPosSender sender(quickTiming(), nullptr);
    QStringList log;
    QObject::connect(&sender, &EscPosSender::logLine, [&log](const QString &l) { log << l; });
    const QByteArray bytes = fixtureReceipt(QStringLiteral("1100"), 48);
    const EscPosTarget target{1, QStringLiteral("127.0.0.1"), printer.tcpPort()};
    sender.send({0, target, bytes, QStringLiteral("-1"), QStringLiteral("2026121100001")});
    ASSERT_TRUE(waitForReceipts(printer, 2));
    sender.send({0, target, bytes, QStringLiteral("0"), QStringLiteral("2026121100001")});
    ASSERT_TRUE(waitForReceipts(printer, 4));
    ASSERT_TRUE(sender.waitIdle(5000));
    EXPECT_EQ(printer.tcpBytes(), bytes + bytes);
    EXPECT_EQ(printer.connectionsAccepted(), 1);
    EXPECT_TRUE(printer.receipts().at(0).toText().contains(QStringLiteral("LumBo 고객용 (17)")));
    EXPECT_TRUE(printer.receipts().at(1).toText().contains(QStringLiteral("고객번호: 010-1234-5678")));
    EXPECT_TRUE(log.contains(QStringLiteral("PRT[-1]:2026121100001,PRT_NUM:0,TCP:127.0.0.1")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("receipt-0001.txt"))));
}

TEST(EscPosSending, SerialPrinterOverAPseudoTerminal)
{
    QTemporaryDir dir;
    ReceiptPrinterStandIn printer(dir.path());
    // The demo names the printer's port by a link in its folder.
    const QString link = dir.filePath(QStringLiteral("printer-tty"));
    ASSERT_TRUE(printer.openSerial(link));
    EscPosSender sender(quickTiming(), nullptr);
    QStringList log;
    QObject::connect(&sender, &EscPosSender::logLine, [&log](const QString &l) { log << l; });
    const QByteArray bytes = fixtureReceipt(QStringLiteral("0011"), 42);
    sender.send({2, EscPosTarget{0, link, 9600}, bytes, QStringLiteral("2"), QStringLiteral("7")});
    ASSERT_TRUE(waitForReceipts(printer, 3));  // kitchen copy and two tickets
    ASSERT_TRUE(sender.waitIdle(5000));
    QTest::qWait(50);
    EXPECT_EQ(printer.serialBytes(), bytes);
    EXPECT_EQ(log, QStringList{QStringLiteral("PRT_SUCC[2]:7,PRT_NUM:2,COM:") + link});
}

TEST(EscPosSending, AbsentPrinterIsReportedOnceAndNothingIsSentTwice)
{
    // A port nobody listens on.
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    EscPosSender sender(quickTiming(), nullptr);
    QStringList log;
    QObject::connect(&sender, &EscPosSender::logLine, [&log](const QString &l) { log << l; });
    QSignalSpy down(&sender, &EscPosSender::printerDown);
    QSignalSpy sent(&sender, &EscPosSender::sent);
    for (int i = 0; i < 2; ++i)
        sender.send({1, EscPosTarget{1, QStringLiteral("127.0.0.1"), port}, QByteArray("x\r\n"), QStringLiteral("1"),
                     QStringLiteral("9")});
    ASSERT_TRUE(sender.waitIdle(10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sent.size() == 2; }, 5000));
    EXPECT_EQ(down.size(), 1);
    EXPECT_FALSE(sent.at(0).at(1).toBool());
    EXPECT_EQ(log.size(), 6);  // three refused attempts per receipt, counted
    EXPECT_TRUE(log.value(0).startsWith(QStringLiteral("PRT_ERR[CNT:0]:")));
    EXPECT_TRUE(log.value(0).endsWith(QStringLiteral(" [1]:9,PRT_NUM:1,TCP:127.0.0.1")));

    // A serial port that does not exist: attempts logged, no success line.
    log.clear();
    sender.send({3, EscPosTarget{0, QStringLiteral("/dev/does-not-exist-tty"), 9600}, QByteArray("x"),
                 QStringLiteral("3"), QStringLiteral("9")});
    ASSERT_TRUE(sender.waitIdle(10000));
    EXPECT_EQ(log.size(), 3);
    EXPECT_TRUE(log.value(2).startsWith(QStringLiteral("PRT_ERR[CNT:2]:")));
}

TEST(PaperDecoder, CommandsTextAndCutsAcrossReads)
{
    PaperDecoder d;
    const QByteArray bytes = QByteArray::fromHex("1b401b61011d2111") + "AB" + QByteArray::fromHex("b0ed") + "\r\n"
                             + QByteArray::fromHex("1b61001d2100") + "x" + QByteArray::fromHex("1d2101") + "y\r\n"
                             + QByteArray::fromHex("1b64051b6901");
    QList<PaperReceipt> done;
    // One byte at a time: commands and two-byte characters split across reads still decode.
    for (char c : bytes)
        done << d.feed(QByteArray(1, c));
    ASSERT_EQ(done.size(), 1);
    const PaperReceipt &r = done.first();
    ASSERT_GE(r.lines.size(), 2);
    EXPECT_EQ(r.lines[0].align, 1);
    EXPECT_EQ(r.lines[0].text(), QStringLiteral("AB고"));
    EXPECT_EQ(r.lines[0].segments[0].widthTimes, 2);
    EXPECT_EQ(r.lines[1].segments.size(), 2);
    EXPECT_EQ(r.lines[1].segments[1].heightTimes, 2);
    EXPECT_TRUE(r.unknownCommands.isEmpty());
}
} // namespace
