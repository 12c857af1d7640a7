#include "history/statistics_grids.h"
#include "history/statistics_query.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Statistics;

namespace
{
const QString kSep(QChar(0x2502));

QString pageOf(const QList<QStringList> &rows, const QString &code = "1", const QString &msg = "")
{
    QJsonArray array;
    for (const QStringList &r : rows)
        array.append(r.join(kSep) + kSep);
    QJsonObject o{{"OUT_CODE", code}, {"OUT_MSG", msg}, {"OUT_ROW1", array}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

// A row of n fields, field i holding values[i] (missing ones "0").
QStringList fields(int n, const QMap<int, QString> &values)
{
    QStringList f;
    for (int i = 0; i < n; ++i)
        f << values.value(i, "0");
    return f;
}

QString footerOfField(const QHash<int, QString> &footers, const StatGridLayout &layout, int field)
{
    return footers.value(layout.columnOfField(field));
}

struct LoadedGrid
{
    explicit LoadedGrid(int tab)
        : layout(GridLayoutOfTab(tab))
    {
        model.setColumns(ModelColumns(layout));
    }
    LoadResult load(const QList<QStringList> &rows) { return LoadStatisticsPages(layout, {pageOf(rows)}, model); }
    const StatGridLayout &layout;
    GridTableModel model;
};
} // namespace

TEST(StatisticsFormat, PerMilleTextsAndWholeNumberRatios)
{
    const struct
    {
        qint64 perMille;
        const char *text;
    } texts[] = {{456, "45.6%"}, {7, "0.7%"}, {1000, "100.0%"}, {0, "0.0%"}, {12, "1.2%"}};
    for (const auto &t : texts)
        EXPECT_EQ(FormatPerMille(t.perMille), QString::fromLatin1(t.text)) << t.perMille;
    // Ratios whose floating quotient times 1000 falls just under the whole number.
    const struct
    {
        qint64 count, den, perMille;
    } ratios[] = {{456, 1000, 456}, {29, 100, 290}, {57, 100, 570}, {1, 3, 333}, {2, 3, 666}, {5, 0, 0}};
    for (const auto &r : ratios)
        EXPECT_EQ(PerMille(r.count, r.den), r.perMille) << r.count << "/" << r.den;
}

TEST(StatisticsFooters, PeriodGridPercentagesComeFromTheFooterSums)
{
    LoadedGrid g(kPeriodTab);
    // Field 1 completed, 4 own-group executed, 7 shared executed, 10 shared orders we executed,
    // 13/15/17 prepaid/cash/card, 19 cancelled.
    ASSERT_EQ(g.load({fields(21, {{0, "2025-11-01"}, {1, "600"}, {2, "1000"}, {4, "100"}, {7, "29"}, {10, "100"},
                                  {13, "57"}, {15, "0"}, {17, "543"}, {19, "200"}}),
                      fields(21, {{0, "2025-11-02"}, {1, "400"}, {2, "500"}, {4, "0"}, {7, "0"}, {10, "0"},
                                  {13, "0"}, {17, "0"}, {19, "0"}})})
                  .outcome,
              LoadResult::Loaded);
    const QHash<int, QString> f = ComputeFooters(kPeriodTab, g.layout, g.model);
    EXPECT_EQ(footerOfField(f, g.layout, 1), "1,000");
    EXPECT_EQ(footerOfField(f, g.layout, 2), "1,500");
    EXPECT_EQ(footerOfField(f, g.layout, 5), "10.0%");   // 100 / 1000
    EXPECT_EQ(footerOfField(f, g.layout, 8), "2.9%");    // 29 / 1000
    EXPECT_EQ(footerOfField(f, g.layout, 11), "50.0%");  // F9 / (F9 + F3) = 100 / 200
    EXPECT_EQ(footerOfField(f, g.layout, 14), "5.7%");   // 57 / 1000
    EXPECT_EQ(footerOfField(f, g.layout, 16), "0%");     // nothing paid in cash
    EXPECT_EQ(footerOfField(f, g.layout, 18), "54.3%");
    EXPECT_EQ(footerOfField(f, g.layout, 20), "16.6%");  // F18 / (F18 + F0) = 200 / 1200

    // No completed orders: the computed footers stay empty, the sums still show.
    LoadedGrid empty(kPeriodTab);
    empty.load({fields(21, {{0, "2025-11-01"}, {4, "3"}})});
    const QHash<int, QString> e = ComputeFooters(kPeriodTab, empty.layout, empty.model);
    EXPECT_FALSE(e.contains(empty.layout.columnOfField(5)));
    EXPECT_EQ(footerOfField(e, empty.layout, 4), "3");
}

TEST(StatisticsFooters, SlotAndStoreGridsAndTheCountFooter)
{
    LoadedGrid week(kWeekdayTab);
    week.load({fields(16, {{0, "강남총판"}, {1, "1000"}, {2, "456"}, {4, "544"}})});
    const QHash<int, QString> w = ComputeFooters(kWeekdayTab, week.layout, week.model);
    EXPECT_EQ(footerOfField(w, week.layout, 3), "45.6%");
    EXPECT_EQ(footerOfField(w, week.layout, 5), "54.4%");
    EXPECT_EQ(footerOfField(w, week.layout, 7), "0%");

    LoadedGrid store(kStoreTab);
    store.load({fields(28, {{0, "가게1"}, {2, "10"}, {7, "600"}, {8, "100"}, {23, "1"}}),
                fields(28, {{0, "가게2"}, {2, "30"}, {7, "400"}, {8, "23"}, {23, "1"}})});
    const QHash<int, QString> s = ComputeFooters(kStoreTab, store.layout, store.model);
    EXPECT_EQ(footerOfField(s, store.layout, 9), "12.3%");
    EXPECT_EQ(footerOfField(s, store.layout, 0), "전체: 2");
    EXPECT_EQ(footerOfField(s, store.layout, 10), "25"); // 1000 of orders over 40 completed

    LoadedGrid noCard(kStoreTab);
    noCard.load({fields(28, {{0, "가게"}, {7, "600"}, {8, ""}})});
    EXPECT_EQ(footerOfField(ComputeFooters(kStoreTab, noCard.layout, noCard.model), noCard.layout, 9), "0%");
}

TEST(StatisticsLoad, EmptyFieldsReadZeroAndBadRowsOrPagesEndTheLoad)
{
    LoadedGrid g(kPeriodTab);
    ASSERT_EQ(g.load({fields(21, {{0, "2025-11-01"}, {1, ""}})}).outcome, LoadResult::Loaded);
    EXPECT_EQ(g.model.recordValue(0, g.layout.columnOfField(1)).toDouble(), 0.0);

    // 20 fields, but the grid shows field 20: the load fails; rows read before stay.
    LoadedGrid short1(kPeriodTab);
    const LoadResult r = short1.load({fields(21, {{0, "a"}}), fields(20, {{0, "b"}})});
    EXPECT_EQ(r.outcome, LoadResult::BadRow);
    EXPECT_EQ(short1.model.recordCount(), 1);

    LoadedGrid text(kPeriodTab);
    EXPECT_EQ(text.load({fields(21, {{0, "a"}, {3, "many"}})}).outcome, LoadResult::BadRow);

    // A failed page ends the reading: later pages are not read.
    LoadedGrid paged(kCourierTab);
    const LoadResult p = LoadStatisticsPages(
        paged.layout,
        {pageOf({fields(25, {{2, "가"}})}), pageOf({}, "-1", "권한 없음"), pageOf({fields(25, {{2, "나"}})})},
        paged.model);
    EXPECT_EQ(p.outcome, LoadResult::ServerFail);
    EXPECT_EQ(p.outCode, "-1");
    EXPECT_EQ(p.outMsg, "권한 없음");
    EXPECT_EQ(paged.model.recordCount(), 1);

    EXPECT_EQ(LoadStatisticsPages(paged.layout, {}, paged.model).outcome, LoadResult::NoReply);
}

TEST(StatisticsCourier, DistancesInKilometres)
{
    const struct
    {
        const char *count;
        double metres, total, average;
    } cases[] = {{"4", 12345, 12.345, 3.086}, {"0", 12345, 0, 0}, {"4", 0, 0, 0}, {"3", 1000.9, 1.0, 0.333}};
    for (const auto &c : cases) {
        const CourierDistance d = CourierDistanceOf(QString::fromLatin1(c.count), c.metres);
        EXPECT_DOUBLE_EQ(d.totalKm, c.total) << c.count << " " << c.metres;
        EXPECT_DOUBLE_EQ(d.averageKm, c.average) << c.count << " " << c.metres;
    }
    LoadedGrid g(kCourierTab);
    g.load({fields(25, {{1, "K1"}, {2, "김"}, {3, "4"}, {22, "12345"}})});
    ApplyCourierDistances(g.layout, g.model);
    int total = -1, average = -1;
    for (int c = 0; c < g.layout.columns.size(); ++c) {
        if (g.layout.columns.at(c).name == "grdDvryDistance")
            total = c;
        if (g.layout.columns.at(c).name == "grdDvryAvDistance")
            average = c;
    }
    EXPECT_DOUBLE_EQ(g.model.recordValue(0, total).toDouble(), 12.345);
    EXPECT_EQ(FormatCell(CellFormat::Distance, g.model.recordValue(0, average)), "3.09Km");
}

TEST(StatisticsFilter, StatusesAndNameTextNarrowTheCourierGrid)
{
    LoadedGrid g(kCourierTab);
    g.load({fields(25, {{0, "E001"}, {1, "K001"}, {2, "김민준"}, {18, "1"}}),
            fields(25, {{0, "E002"}, {1, "K002"}, {2, "이서연"}, {18, "2"}}),
            fields(25, {{0, "E103"}, {1, "K003"}, {2, "박민서"}, {18, "3"}})});
    const struct
    {
        QStringList statuses;
        const char *text;
        int rows;
    } cases[] = {
        {{}, "", 3},                     // nothing ticked: every status
        {{"0", "1", "2", "9", "3"}, "", 3},
        {{"1"}, "", 1},
        {{"1", "2"}, "", 2},
        {{}, "민", 2},                   // inside the name
        {{}, "E1", 1},                   // the employee number
        {{}, "K002", 1},                 // the courier code
        {{"2"}, "민", 0},
    };
    for (const auto &c : cases) {
        ApplyResultFilter(g.layout, g.model, c.statuses, QString::fromUtf8(c.text));
        EXPECT_EQ(g.model.rowCount(), c.rows) << c.statuses.join(',').toStdString() << " " << c.text;
    }
    // The footers follow the rows shown.
    ApplyResultFilter(g.layout, g.model, {"1"}, "");
    EXPECT_EQ(footerOfField(ComputeFooters(kCourierTab, g.layout, g.model), g.layout, 2), "전체: 1");
}

TEST(StatisticsLayouts, FieldsBandsAndSortClicks)
{
    // The time slots start at 09 and wrap after midnight.
    const StatGridLayout &time = GridLayoutOfTab(kTimeTab);
    EXPECT_EQ(time.columns.at(time.columnOfField(2)).bands, QStringList{"09~10"});
    EXPECT_EQ(time.columns.at(time.columnOfField(30)).bands, QStringList{"23~24"});
    EXPECT_EQ(time.columns.at(time.columnOfField(32)).bands, QStringList{"00~01"});
    EXPECT_EQ(time.columns.at(time.columnOfField(48)).bands, QStringList{"08~09"});
    EXPECT_EQ(time.maxField(), 49);
    // Every grid's reply row layout: the largest field each needs.
    const int maxFields[] = {20, 15, 49, 19, 24, 27};
    for (int tab = 0; tab < kTabCount; ++tab)
        EXPECT_EQ(GridLayoutOfTab(tab).maxField(), maxFields[tab]) << tab;
    const StatGridLayout &period = GridLayoutOfTab(kPeriodTab);
    EXPECT_EQ(period.columns.at(period.columnOfField(11)).bands, (QStringList{"공유그룹 발주", "내 그룹 수행"}));

    BandSort s;
    s.click(3);
    EXPECT_TRUE(s.ascending);
    s.click(3);
    EXPECT_FALSE(s.ascending);
    s.click(5);
    EXPECT_EQ(s.column, 5);
    EXPECT_TRUE(s.ascending);
}
