#pragma once

// Same-day rows and a recording board for the same-day tests.

#include "order_test_support.h"

#include "orders/same_day_engine.h"
#include "orders/same_day_record.h"

namespace ordertest
{
// A same-day row of 98 columns: plausible defaults, then the overrides (column -> text).
inline QString sameDayRow(const QString &no, const QString &status, const QString &stamp,
                          std::map<int, QString> over = {})
{
    QStringList cols;
    for (int i = 0; i < kA3RowColumns; ++i)
        cols.append(QString());
    for (int c : {1, 2, 3, 10, 13, 14, 15, 16, 19, 24, 34, 35, 45, 47, 49})
        cols[c] = QStringLiteral("0");
    cols[0] = no;
    cols[4] = QStringLiteral("1009");
    cols[5] = status;
    cols[12] = QStringLiteral("1.5");
    cols[28] = QStringLiteral("강남허브");
    cols[36] = QStringLiteral("BR1");
    cols[54] = QStringLiteral("HD1");
    cols[68] = stamp;
    cols[85] = QStringLiteral("김민준");
    for (const auto &[c, v] : over)
        cols[c] = v;
    return cols.join(sep());
}

// Mirrors the same-day boards row by row as a view would.
class RecordingSameDayBoard : public ISameDaySink
{
public:
    QStringList today, comp;
    QStringList &rows(SameDayBoard b) { return b == SameDayBoard::Today ? today : comp; }
    void boardReset(SameDayBoard b) override { rows(b).clear(); }
    void rowInserted(SameDayBoard b, int row, const TA3ORDER &o) override
    {
        EXPECT_EQ(row, rows(b).size()) << "rows are appended";
        rows(b).insert(row, o.text(A3::ORD_NO));
    }
    void rowChanged(SameDayBoard b, int row, const TA3ORDER &o) override
    {
        ASSERT_GE(row, 0);
        ASSERT_LT(row, rows(b).size());
        EXPECT_EQ(rows(b).at(row), o.text(A3::ORD_NO)) << "a row is refilled with its own order";
    }
    void rowRemoved(SameDayBoard b, int row) override
    {
        ASSERT_GE(row, 0);
        ASSERT_LT(row, rows(b).size());
        rows(b).removeAt(row);
    }
};
} // namespace ordertest
