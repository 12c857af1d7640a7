// The ledger search: its weekly requests for periods of several lengths, the checks before it,
// the repeat of a closed period, and what the user is told when a part is missing.

#include "money_test_support.h"

#include "../link/link_test_support.h"

#include "common/interface_texts.h"
#include "common/program_globals.h"
#include "store/ledger_search.h"

#include <gtest/gtest.h>

namespace
{
const QDate kStart(2026, 11, 1);

QString ymd(const QDate &d)
{
    return d.toString(QStringLiteral("yyyyMMdd"));
}

class LedgerSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        G_FIELD_SEP = QStringLiteral("│");
        proc_SetLanKor();
    }

    LedgerReport run(const QDate &start, const QDate &end, const QDate &today, bool balance = true)
    {
        LedgerQuery q{start, end, 5000, QStringLiteral("B000101"), balance, today};
        LedgerSearch::Hooks h;
        h.clear = [this] {
            ++clears;
            rows.clear();
        };
        h.append = [this](const QList<LedgerRow> &r) { rows += r; };
        h.gauge = [this](int g) { gauge.append(g); };
        return search.run(q, h);
    }

    LogCapture log;
    ScriptedMsgBox boxes;
    FakeMoneyRequests fake;
    LedgerSearch search;
    QList<LedgerRow> rows;
    QList<int> gauge;
    int clears = 0;
};
TEST(LedgerChunks, WeeksCoverThePeriodOnceAndEndAtItsEnd)
{
    struct Case
    {
        int days;  // end = start + days
        QList<int> lengths;
        int step;
    };
    const Case cases[] = {
        {0, {1}, 100}, {6, {7}, 100}, {7, {7, 1}, 50}, {19, {7, 7, 6}, 33}, {30, {7, 7, 7, 7, 3}, 20},
    };
    for (const Case &c : cases) {
        const QDate end = kStart.addDays(c.days);
        const QList<LedgerChunk> chunks = LedgerChunks(kStart, end);
        ASSERT_EQ(chunks.size(), c.lengths.size()) << c.days;
        QDate next = kStart;
        for (int i = 0; i < chunks.size(); ++i) {
            EXPECT_EQ(chunks[i].from, next) << c.days << " chunk " << i;
            EXPECT_EQ(chunks[i].from.daysTo(chunks[i].to) + 1, c.lengths[i]) << c.days << " chunk " << i;
            next = chunks[i].to.addDays(1);
        }
        EXPECT_EQ(chunks.last().to, end);
        EXPECT_EQ(LedgerGaugeStep(kStart, end), c.step) << c.days;
    }
}

TEST(LedgerChunks, PeriodChecks)
{
    const QDate end(2026, 12, 1);
    EXPECT_EQ(LedgerPeriodError(end.addMonths(-1), end), QStringLiteral("검색기간은 시작일로부터 최대 한달입니다."));
    EXPECT_EQ(LedgerPeriodError(end.addMonths(-1).addDays(1), end), QString());
    EXPECT_EQ(LedgerPeriodError(end.addDays(1), end), QStringLiteral("시작일이 클 수 없습니다."));
    EXPECT_EQ(LedgerPeriodError(end, end), QString());
}

TEST_F(LedgerSearchTest, SendsOneRequestPerWeekWithThePeriodInEach)
{
    fake.answer = [](int, const QString &) { return QStringList{MoneyTextPage({})}; };
    const QDate end = kStart.addDays(19);
    const LedgerReport r = run(kStart, end, end.addDays(1));
    EXPECT_EQ(r.outcome, LedgerOutcome::Done);
    ASSERT_EQ(fake.sent.size(), 3);
    const QString tail = QStringLiteral("5000│B000101│") + ymd(kStart) + QStringLiteral("│") + ymd(end) + QStringLiteral("│");
    EXPECT_EQ(fake.sent[0].val, QStringLiteral("20261101│20261107│") + tail);
    EXPECT_EQ(fake.sent[1].val, QStringLiteral("20261108│20261114│") + tail);
    EXPECT_EQ(fake.sent[2].val, QStringLiteral("20261115│20261120│") + tail);
    for (const auto &s : fake.sent) {
        EXPECT_EQ(s.code, QStringLiteral("CS04_01_V05"));
        EXPECT_EQ(s.callType, QStringLiteral("ADM3"));
        EXPECT_EQ(s.pageCount, QStringLiteral("10000"));
        EXPECT_EQ(s.timeoutMs, 90000);
    }
    EXPECT_EQ(gauge.first(), 0);
    EXPECT_EQ(gauge.last(), 100);
    EXPECT_EQ(search.savedSignature(), QStringLiteral("5000|B000101|20261101|20261120|"));
}

TEST_F(LedgerSearchTest, ClosedPeriodIsNotAskedTwiceButTodayIs)
{
    fake.answer = [](int, const QString &) { return QStringList{MoneyTextPage({MoneyLedgerRow("1", "1000")})}; };
    const QDate end = kStart.addDays(3);
    run(kStart, end, end.addDays(1));
    EXPECT_EQ(run(kStart, end, end.addDays(1)).outcome, LedgerOutcome::Skipped);
    EXPECT_EQ(fake.sent.size(), 1);
    EXPECT_EQ(rows.size(), 1);  // the grid keeps what it holds
    // The period ends today: always asked again.
    run(kStart, end, end);
    EXPECT_EQ(fake.sent.size(), 2);
    EXPECT_EQ(clears, 2);
}

TEST_F(LedgerSearchTest, RefusalsSendNothing)
{
    struct Case
    {
        QDate start, end;
        int tag;
        const char *message;
    };
    const Case cases[] = {
        {kStart, kStart.addMonths(1), 5000, "검색기간은 시작일로부터 최대 한달입니다."},
        {kStart.addDays(1), kStart, 5000, "시작일이 클 수 없습니다."},
        {kStart, kStart, 0, "제휴본사/총판 정보가 부정확합니다"},
    };
    for (const Case &c : cases) {
        boxes.shown.clear();
        LedgerQuery q{c.start, c.end, c.tag, QStringLiteral("B000101"), true, kStart};
        EXPECT_EQ(search.run(q, {}).outcome, LedgerOutcome::Refused);
        ASSERT_EQ(boxes.shown.size(), 1);
        EXPECT_EQ(boxes.shown[0].second, QString::fromUtf8(c.message));
    }
    EXPECT_TRUE(fake.sent.isEmpty());
}

TEST_F(LedgerSearchTest, MissingReplyStopsAndSaysTheListIsIncomplete)
{
    // The second week gets no reply: the first week's rows stay, nothing after it is asked, and
    // the user reads that the ledger is incomplete.
    fake.answer = [](int index, const QString &) {
        return index == 0 ? QStringList{MoneyTextPage({MoneyLedgerRow("2", "3000"), MoneyLedgerRow("1", "-500")})}
                          : QStringList();
    };
    const QDate end = kStart.addDays(19);
    const LedgerReport r = run(kStart, end, end.addDays(1));
    EXPECT_EQ(r.outcome, LedgerOutcome::NoReply);
    EXPECT_FALSE(r.complete());
    EXPECT_EQ(fake.sent.size(), 2);
    EXPECT_EQ(rows.size(), 2);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].second.startsWith(G_MSG_NET_FAIL));
    EXPECT_TRUE(boxes.shown[0].second.endsWith(LedgerIncompleteText()));
    EXPECT_TRUE(log.lines().join('\n').contains(QStringLiteral("CS04_01_V05 ERR[NO RESULT]")));
    EXPECT_TRUE(search.savedSignature().isEmpty());
    // The same search is sent again, from its first week.
    run(kStart, end, end.addDays(1));
    ASSERT_EQ(fake.sent.size(), 3);
    EXPECT_EQ(fake.sent[2].val, fake.sent[0].val);
}

TEST_F(LedgerSearchTest, RefusedPageKeepsEarlierRowsAndSavesNoSignature)
{
    fake.answer = [](int, const QString &) {
        return QStringList{MoneyTextPage({MoneyLedgerRow("1", "700")}), MoneyTextPage({}, "9", "점검중")};
    };
    const LedgerReport r = run(kStart, kStart.addDays(2), kStart.addDays(9));
    EXPECT_EQ(r.outcome, LedgerOutcome::Failed);
    EXPECT_EQ(rows.size(), 1);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].second, QStringLiteral("Code9: 점검중"));
    EXPECT_TRUE(search.savedSignature().isEmpty());
}

TEST_F(LedgerSearchTest, AmountsAreWholeNumbersAndUnreadableOnesAreCounted)
{
    fake.answer = [](int, const QString &) {
        return QStringList{MoneyTextPage({MoneyLedgerRow("3", "1500.00", "90000"), MoneyLedgerRow("2", "12.5", "x"),
                                          MoneyLedgerRow("1", "9223372036854775807000", "1")})};
    };
    const LedgerReport r = run(kStart, kStart, kStart.addDays(1), false);
    EXPECT_EQ(r.outcome, LedgerOutcome::Done);
    EXPECT_EQ(r.unreadAmounts, 2);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_TRUE(rows[0].amountRead);
    EXPECT_EQ(rows[0].amount, 1500);
    EXPECT_EQ(rows[0].balance, 0);  // no balance below level 2
    EXPECT_FALSE(rows[1].amountRead);
    EXPECT_EQ(LedgerRowCells(rows[1]).at(kLedgerAmount), QVariant(QStringLiteral("12.5")));
    EXPECT_FALSE(rows[2].amountRead);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].second.contains(QStringLiteral("2건")));
}
} // namespace
