// The checks of withdrawals and transfers with their messages, the payloads they send, the
// transfer-request page's body and the choices of the transfer tab.

#include "money_test_support.h"

#include "../link/link_test_support.h"

#include "common/interface_texts.h"
#include "common/program_globals.h"
#include "records/session_records.h"
#include "store/money_breakdown.h"
#include "store/money_outstanding.h"
#include "store/money_transfer.h"
#include "store/money_withdrawal.h"

#include <gtest/gtest.h>

TEST(MoneyWithdrawal, ChecksInOrderWithTheirMessages)
{
    WithdrawalInput ok{QStringLiteral("123456"), QStringLiteral("10000"), 50000, QStringLiteral("국민은행"),
                       QStringLiteral("004"), QStringLiteral("1234567890"), QStringLiteral("강남총판")};
    struct Case
    {
        const char *name;
        std::function<void(WithdrawalInput &)> change;
        const char *message;
    };
    const Case cases[] = {
        {"all good", [](WithdrawalInput &) {}, ""},
        {"amount equal to the withdrawable", [](WithdrawalInput &in) { in.amount = QStringLiteral("50000"); }, ""},
        {"no PIN (checked first)", [](WithdrawalInput &in) { in.pin = QStringLiteral(" "); in.amount.clear(); },
         "PIN번호를 입력해주세요"},
        {"amount with a separator", [](WithdrawalInput &in) { in.amount = QStringLiteral("1,000"); }, "출금액을 입력하여 주세요!"},
        {"amount 0", [](WithdrawalInput &in) { in.amount = QStringLiteral("0"); }, "출금액을 입력하여 주세요!"},
        {"amount beyond 64 bits", [](WithdrawalInput &in) { in.amount = QStringLiteral("99999999999999999999"); },
         "출금액을 입력하여 주세요!"},
        {"nothing withdrawable", [](WithdrawalInput &in) { in.withdrawable = 0; in.bankText.clear(); }, "출금가능 금액이 없습니다."},
        {"amount above the withdrawable", [](WithdrawalInput &in) { in.amount = QStringLiteral("50001"); },
         "출금금액이 출금가능금액보다 큽니다."},
        {"no bank", [](WithdrawalInput &in) { in.bankText = QStringLiteral(" "); }, "출금은행정보가 없습니다."},
        {"no account", [](WithdrawalInput &in) { in.account.clear(); }, "출금계좌정보가 없습니다."},
        {"no holder", [](WithdrawalInput &in) { in.holder.clear(); }, "출금계좌의 예금주정보가 없습니다."},
    };
    for (const Case &c : cases) {
        WithdrawalInput in = ok;
        c.change(in);
        EXPECT_EQ(WithdrawalCheck(in), QString::fromUtf8(c.message)) << c.name;
    }
    EXPECT_EQ(WithdrawalPayload(ok, QStringLiteral("2"), QStringLiteral("B000101")),
              QStringLiteral("123456│10000│004│1234567890│강남총판│2│B000101│0│"));
    EXPECT_EQ(BalanceKind(QStringLiteral("7")), QStringLiteral("1"));
    EXPECT_EQ(BalanceKind(QStringLiteral("5")), QStringLiteral("2"));
    EXPECT_EQ(BalanceKind(QStringLiteral("1")), QStringLiteral("5"));
    EXPECT_TRUE(WithdrawalKind(QStringLiteral("1")).isEmpty());
}

TEST(MoneyTransfer, ChecksPayloadAndConfirmationText)
{
    struct Case
    {
        const char *amount;
        qint64 sendable;
        const char *pin;
        const char *message;
    };
    const Case cases[] = {
        {"0", 10000, "1", "송금금액이 없습니다."},
        {"10000", 10000, "1", ""},
        {"10,000", 10000, "1", ""},
        {"10001", 10000, "1", "송금금액이 송금가능금액보다 큽니다."},
        {"abc", 10000, "1", "송금금액이 없습니다."},
        {"500", 10000, " ", "PIN번호를 입력하세요."},
        {"500", -300, "1", "송금금액이 송금가능금액보다 큽니다."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TransferCheck({QString::fromUtf8(c.amount), c.sendable, QString::fromUtf8(c.pin)}), QString::fromUtf8(c.message))
            << c.amount;

    G_FIELD_SEP = QStringLiteral("│");
    TransferRequest r{QStringLiteral(" 123456 "), QStringLiteral("2"), QStringLiteral("B000101"), QStringLiteral("3"),
                      QStringLiteral("S000101"), QStringLiteral("12,000"), QStringLiteral(" 식자재 │ 대금 "), QStringLiteral("branch01")};
    // A separator typed into the memo cannot shift the fields after it.
    EXPECT_EQ(TransferPayload(r), QStringLiteral("123456│2│B000101│3│S000101│1005│12000│0│식자재 | 대금│branch01│"));
    EXPECT_EQ(TransferTargetText(QStringLiteral("강남총판"), QStringLiteral("행복치킨")), QStringLiteral("강남총판 / 행복치킨"));
    EXPECT_EQ(TransferTargetText(QString(), QStringLiteral("행복치킨")), QStringLiteral("행복치킨"));
}

TEST(MoneyTransfer, NoReplyIsAnUnknownOutcomeNotARefusal)
{
    proc_SetLanKor();
    LogCapture log;
    ScriptedMsgBox boxes;
    FakeMoneyRequests fake;
    TransferRequest r{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("B1"), QStringLiteral("3"), QStringLiteral("S1"),
                      QStringLiteral("100"), QString(), QStringLiteral("id")};
    EXPECT_EQ(SendTransfer(r), TransferOutcome::Unknown);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].second, TransferUnknownText());
    fake.one = [](const QString &) { return QStringLiteral("{\"OUT_CODE\":\"0\",\"OUT_MSG\":\"PIN번호가 일치하지 않습니다.\"}"); };
    EXPECT_EQ(SendTransfer(r), TransferOutcome::Refused);
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("0:PIN번호가 일치하지 않습니다."));
    EXPECT_TRUE(log.lines().join('\n').contains(QStringLiteral("btnPaySendClick Result Fail - 0:PIN번호가 일치하지 않습니다.")));
    fake.one = [](const QString &) { return QStringLiteral("{\"OUT_CODE\":\"1\"}"); };
    EXPECT_EQ(SendTransfer(r), TransferOutcome::Sent);
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("처리되었습니다"));
}

TEST(MoneyTransfer, RequestPageBodyBytes)
{
    TUSER_INFO u;
    u.ID = QStringLiteral("branch 01&x");
    u.MC = "[A]PC-1";
    const QByteArray sep("\xE2\x94\x82");
    const QByteArray want = "sData=COMMON" + sep + "branch%2001%26x" + sep + "p%3Dw%2B%C3%A9" + sep + "000023" + sep + "P" + sep
                            + "%5BA%5DPC-1" + sep;
    EXPECT_EQ(TransferRequestPageBody(u, QStringLiteral("p=w+é")), want);
}

TEST(MoneyTransfer, ChoicesAndWhatEachLoads)
{
    const QList<TransferChoice> dist = TransferChoices(QStringLiteral("5"));
    ASSERT_EQ(dist.size(), 4);
    EXPECT_EQ(dist[3].caption, QStringLiteral("내소속배송원"));
    EXPECT_TRUE(dist[3].visible);
    const QList<TransferChoice> head = TransferChoices(QStringLiteral("7"));
    ASSERT_EQ(head.size(), 4);
    EXPECT_EQ(head[0].caption, QStringLiteral("내소속총판"));
    EXPECT_FALSE(head[3].visible);
    EXPECT_TRUE(TransferChoices(QStringLiteral("1")).isEmpty());
    struct Case
    {
        int tag;
        const char *kind;
        bool group;
    };
    const Case cases[] = {{1, "1", false}, {11, "2", false}, {2, "3", false}, {12, "3", false}, {3, "3", true},
                          {13, "4", false}, {4, "4", false},  {0, "", false},  {99, "", false}};
    for (const Case &c : cases) {
        const TransferLoad l = TransferLoadOfTag(c.tag);
        EXPECT_EQ(l.kind, QString::fromLatin1(c.kind)) << c.tag;
        EXPECT_EQ(l.groupStores, c.group) << c.tag;
    }
}

TEST(MoneyBreakdown, PeriodKindAndSums)
{
    const QDate end(2024, 3, 31);
    EXPECT_EQ(MonthPeriodError(QDate(2024, 2, 29), end), QStringLiteral("검색기간은 시작일로부터 최대 1개월입니다."));
    EXPECT_EQ(MonthPeriodError(QDate(2024, 3, 1), end), QString());
    EXPECT_EQ(MonthPeriodError(QDate(2024, 4, 1), end), QStringLiteral("시작일이 클 수 없습니다."));
    EXPECT_EQ(BreakdownKind(7000), QStringLiteral("1"));
    EXPECT_EQ(BreakdownKind(5000), QStringLiteral("2"));
    EXPECT_TRUE(BreakdownKind(0).isEmpty());

    G_FIELD_SEP = QStringLiteral("│");
    LogCapture log;
    FakeMoneyRequests fake;
    fake.answer = [](int, const QString &) {
        return QStringList{QStringLiteral("{\"OUT_CODE\":\"1\",\"OUT_ROW1\":[{\"C_0\":\"20240302\",\"C_1\":\"1000\",\"C_5\":\"\"},"
                                          "{\"C_0\":\"20240301\",\"C_1\":\"-300\",\"C_5\":\"2.5\"}]}")};
    };
    QList<BreakdownRow> rows;
    int unread = 0;
    ASSERT_TRUE(LoadBreakdown(QStringLiteral("2"), QStringLiteral("B000101"), QDate(2024, 3, 1), end, rows, &unread));
    EXPECT_EQ(fake.sent[0].val, QStringLiteral("2│B000101│20240301│20240331│"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].date, QStringLiteral("2024-03-01"));  // sorted by date
    EXPECT_FALSE(rows[1].sums[4].isValid());                 // empty: "-", not summed
    EXPECT_EQ(unread, 1);
    qint64 sum = 0;
    ASSERT_TRUE(SumAmounts({rows[0].sums[0], rows[1].sums[0], rows[0].sums[4], rows[1].sums[4]}, sum));
    EXPECT_EQ(sum, 700);
    EXPECT_FALSE(SumAmounts({QVariant(std::numeric_limits<qint64>::max()), QVariant(qint64(1))}, sum));
}

TEST(MoneyOutstanding, TargetsInFirstAppearanceAndTheKeptChoice)
{
    G_FIELD_SEP = QStringLiteral("│");
    LogCapture log;
    FakeMoneyRequests fake;
    auto row = [](const char *code, const char *name, const char *amount) {
        return QStringLiteral("{\"C_1\":\"20261201\",\"C_2\":\"3\",\"C_3\":\"%1\",\"C_4\":\"%2\",\"C_8\":\"%3\",\"C_9\":\"x\"}")
            .arg(QString::fromUtf8(code), QString::fromUtf8(amount), QString::fromUtf8(name));
    };
    fake.answer = [&](int, const QString &) {
        return QStringList{QStringLiteral("{\"OUT_CODE\":\"1\",\"OUT_ROW1\":[") + row("S2", "둘", "1000") + ","
                           + row("S1", "하나", "1,234") + "," + row("S2", "둘", "5") + "," + row("S3", "셋", "7") + "]}"};
    };
    const OutstandingResult r = LoadOutstanding(false, QStringLiteral("3"), QStringLiteral("B000101"), QDate(2026, 12, 1),
                                                QDate(2026, 12, 7), OutstandingState::Open);
    EXPECT_EQ(fake.sent[0].code, QStringLiteral("CS06_03_V01"));
    EXPECT_EQ(fake.sent[0].val, QStringLiteral("3│B000101│20261201│20261207│0│"));
    ASSERT_EQ(r.targets.size(), 3);
    EXPECT_EQ(r.targets[0], (OutstandingTarget{"S2", "둘"}));
    EXPECT_EQ(r.targets[1], (OutstandingTarget{"S1", "하나"}));
    EXPECT_EQ(r.targets[2], (OutstandingTarget{"S3", "셋"}));
    EXPECT_EQ(r.rows[0].amount, QVariant(qint64(1000)));
    EXPECT_EQ(r.rows[1].amount, QVariant(QStringLiteral("1,234")));  // kept as the text it was, never misread
    EXPECT_EQ(OutstandingStateCode(OutstandingState::All), QStringLiteral("9"));
    EXPECT_EQ(KeptTargetFilter(QStringLiteral("S1"), r.targets), QStringLiteral("S1"));
    EXPECT_TRUE(KeptTargetFilter(QStringLiteral("S9"), r.targets).isEmpty());
    EXPECT_TRUE(KeptTargetFilter(QStringLiteral("999"), r.targets).isEmpty());
}
