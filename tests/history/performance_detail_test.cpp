#include "history/performance_detail.h"
#include "history/statistics_query.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace PerformanceDetail;

namespace
{
QString detailPage(const QList<QJsonObject> &rows, const QString &code = "1")
{
    QJsonArray a;
    for (const QJsonObject &o : rows)
        a.append(o);
    return QString::fromUtf8(
        QJsonDocument(QJsonObject{{"OUT_CODE", code}, {"OUT_MSG", "x"}, {"OUT_ROW1", a}}).toJson(QJsonDocument::Compact));
}

QJsonObject detailRow(const QString &date, const QString &gross, const QString &net)
{
    return {{"C_0", date}, {"C_1", "7"}, {"C_2", "강남총판"}, {"C_4", "행복치킨"}, {"C_6", "김민준"},
            {"C_7", "01012345678"}, {"C_8", "Y"}, {"C_9", "2500"}, {"C_10", gross}, {"C_12", net}, {"C_13", " 서초총판 "}};
}
} // namespace

TEST(PerformanceDetail, PeriodsFromTheStatisticsTab)
{
    const QDate today(2025, 6, 10);
    const Period days = PeriodFromDays("2025-03-01", "2025-04-15", today);
    EXPECT_EQ(days.start, QDate(2025, 3, 1));
    EXPECT_EQ(days.end, QDate(2025, 3, 31)); // cut to one month
    const Period kept = PeriodFromDays("2025-03-01", "2025-03-31", today);
    EXPECT_EQ(kept.end, QDate(2025, 3, 31));
    const Period blank = PeriodFromDays("    -  -  ", "", today);
    EXPECT_EQ(blank.start, today);
    EXPECT_EQ(blank.end, today);
    const Period month = PeriodFromMonth("2025-03", today);
    EXPECT_EQ(month.start, QDate(2025, 3, 1));
    EXPECT_EQ(month.end, QDate(2025, 3, 31));
    EXPECT_EQ(PeriodFromMonth("2025-2", today).end, QDate(2025, 2, 28));
    EXPECT_EQ(PeriodFromMonth("2025", today).start, today);
    EXPECT_EQ(PeriodFromMonth("2025-13", today).start, today);

    EXPECT_FALSE(PeriodTooLong({QDate(2025, 2, 15), QDate(2025, 3, 15)}));
    EXPECT_TRUE(PeriodTooLong({QDate(2025, 2, 14), QDate(2025, 3, 15)}));
}

TEST(PerformanceDetail, WeekChunksAndTheirPayloads)
{
    const auto chunks = WeekChunks({QDate(2025, 3, 1), QDate(2025, 3, 29)});
    ASSERT_EQ(chunks.size(), 5);
    EXPECT_EQ(chunks.at(0), qMakePair(QDate(2025, 3, 1), QDate(2025, 3, 7)));
    EXPECT_EQ(chunks.at(3), qMakePair(QDate(2025, 3, 22), QDate(2025, 3, 28)));
    EXPECT_EQ(chunks.at(4), qMakePair(QDate(2025, 3, 29), QDate(2025, 3, 29)));
    EXPECT_EQ(WeekChunks({QDate(2025, 3, 1), QDate(2025, 3, 7)}).size(), 1);
    EXPECT_EQ(WeekChunks({QDate(2025, 3, 5), QDate(2025, 3, 1)}).size(), 0);
    EXPECT_EQ(ChunkPayload("K00001", "2", QDate(2025, 3, 1), QDate(2025, 3, 7)), "K00001│2│20250301│20250307│");
}

TEST(PerformanceDetail, AmountsRoundHalvesToEven)
{
    const struct
    {
        const char *text;
        qint64 whole;
    } cases[] = {{"2.5", 2},       {"3.5", 4},       {"2500.5", 2500}, {"2501.5", 2502}, {"-2.5", -2},
                 {"-3.5", -4},     {"2.4999", 2},    {"2.5001", 3},    {"1234", 1234},   {"", 0},
                 {"abc", 0},       {"0.5", 0},       {"1.5", 2},       {" 7.5 ", 8},     {"1e300", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(RoundAmount(QString::fromLatin1(c.text)), c.whole) << c.text;

    // Fee = whole gross minus whole net, each rounded first.
    const QVariantList courier = RowValues(detailRow("2025-03-01 12:00:00", "4500.5", "4050.5"), kCourierType);
    EXPECT_EQ(courier.at(kGrossCost).toLongLong(), 4500);
    EXPECT_EQ(courier.at(kNetCost).toLongLong(), 4050);
    EXPECT_EQ(courier.at(kFee).toLongLong(), 450);
    EXPECT_DOUBLE_EQ(courier.at(kDistance).toDouble(), 2.5);
    EXPECT_EQ(courier.at(kTakerBranchName).toString(), "서초총판");
    EXPECT_EQ(courier.at(kCourierPhone).toString(), "010-1234-5678");
    // The store sees the courier's phone masked.
    const QVariantList store = RowValues(detailRow("2025-03-01 12:00:00", "3000", "2700"), kStoreType);
    EXPECT_EQ(store.at(kCourierPhone).toString(), "010-****-5678");
    EXPECT_TRUE(ColumnShown(kFee, kCourierType));
    EXPECT_FALSE(ColumnShown(kFee, kStoreType));
    EXPECT_TRUE(ColumnShown(kCourierName, kStoreType));
}

TEST(PerformanceDetail, ExportNameCannotBecomeAPath)
{
    EXPECT_EQ(ExportFileName("김민준", {QDate(2025, 3, 1), QDate(2025, 3, 31)}, "배송원상세실적"),
              "김민준_20250301_20250331_배송원상세실적.xlsx");
    const QString odd = ExportFileName("A/B:C", {QDate(2025, 3, 1), QDate(2025, 3, 31)}, "가맹점상세실적");
    EXPECT_FALSE(odd.contains('/'));
    EXPECT_FALSE(odd.contains(':'));
}

TEST(PerformanceDetail, ChunkedLoadStopsWithoutReplyAndSkipsOnlyAFailedChunk)
{
    QStringList payloads;
    int call = 0;
    // Chunk 2 answers a failed page then a good one (skipped with it); chunk 4 never answers.
    const Statistics::StatisticsRequester previous = Statistics::SetStatisticsRequester(
        [&](const QString &code, const QString &callType, const QString &payload, const QString &pages, int timeout) {
            EXPECT_EQ(code, "CS07_05_V02");
            EXPECT_EQ(callType, "ADM1");
            EXPECT_EQ(pages, "3000");
            EXPECT_EQ(timeout, 30000);
            payloads << payload;
            ++call;
            if (call == 2)
                return QStringList{detailPage({}, "-1"), detailPage({detailRow("b", "1", "1")})};
            if (call == 4)
                return QStringList{};
            return QStringList{detailPage({detailRow(QString::number(call), "1000", "900")})};
        });
    const LoadOutcome out = LoadChunks("K1", kCourierType, {QDate(2025, 3, 1), QDate(2025, 3, 29)});
    Statistics::SetStatisticsRequester(previous);
    EXPECT_TRUE(out.noReply);
    EXPECT_EQ(out.chunksSent, 4);
    ASSERT_EQ(out.rows.size(), 2); // chunks 1 and 3
    EXPECT_EQ(out.rows.at(1).at(kOrderDate).toString(), "3");
    EXPECT_EQ(payloads.at(2), "K1│2│20250315│20250321│");
}
