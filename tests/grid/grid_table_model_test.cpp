#include "grid/grid_table_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>

#include <random>

namespace
{
enum ModelCol
{
    kNo,
    kStatus,
    kStore,
    kAmount,
};

QList<GridColumn> columns()
{
    return {{"ORD_NO", "접수번호", GridValueType::Text, {}},
            {"STATUS_CD", "상태", GridValueType::Text, {{"1001", "접수"}, {"2001", "요청"}}},
            {"ST_NAME", "가맹점", GridValueType::Text, {}},
            {"AMT", "금액", GridValueType::Integer, {}}};
}

std::vector<QVariantList> makeRecords(int n)
{
    std::vector<QVariantList> out;
    for (int i = 0; i < n; ++i)
        out.push_back({QString::number(1000 + i), i % 2 ? "2001" : "1001",
                       QStringLiteral("가게%1").arg(i % 7), (i * 37) % 101});
    return out;
}

QStringList shownNumbers(const GridTableModel &m)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.index(r, kNo).data().toString();
    return out;
}

struct GridTableModelTest : ::testing::Test
{
    GridTableModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
    GridTableModelTest()
    {
        model.setColumns(columns());
        model.setKeyColumn(kNo);
    }
};

TEST_F(GridTableModelTest, AppendedBatchArrivesAsOneInsert)
{
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.appendRecords(makeRecords(10));
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_EQ(model.index(1, kStatus).data().toString(), "요청"); // code shown by its name
    EXPECT_EQ(model.index(1, kStatus).data(Qt::EditRole).toString(), "2001");
    EXPECT_EQ(model.findRecord("1004"), 4);
    EXPECT_EQ(model.findRecord("9999"), -1);

    model.appendRecords(makeRecords(3)); // repeated numbers: the first record keeps the key
    EXPECT_EQ(model.findRecord("1001"), 1);
    EXPECT_EQ(inserted.count(), 2);
}

TEST_F(GridTableModelTest, FilterAndSortDecideTheRows)
{
    model.appendRecords(makeRecords(8));
    model.setFilterGroup(0, FilterGroup().add(FilterCondition::make(kStatus, FilterOp::Equal, "2001")));
    EXPECT_EQ(shownNumbers(model), (QStringList{"1001", "1003", "1005", "1007"}));
    EXPECT_EQ(model.rowOfRecord(0), -1);
    EXPECT_EQ(model.recordOfRow(1), 3);

    // Amounts: 1001 -> 37, 1003 -> 10, 1005 -> 84, 1007 -> 57
    model.sort(kAmount, Qt::DescendingOrder);
    EXPECT_EQ(shownNumbers(model), (QStringList{"1005", "1007", "1001", "1003"}));

    // A changed amount moves its row; a changed status leaves or enters the rows.
    model.beginUpdate();
    model.setRecordValue(3, kAmount, 100);
    model.setRecordValue(0, kStatus, "2001"); // amount 0
    model.setRecordValue(5, kStatus, "1001");
    model.endUpdate();
    EXPECT_EQ(shownNumbers(model), (QStringList{"1003", "1007", "1001", "1000"}));

    model.setFilterEnabled(false);
    EXPECT_EQ(model.rowCount(), 8);
    model.setFilterEnabled(true);
    model.clearSort();
    EXPECT_EQ(shownNumbers(model), (QStringList{"1000", "1001", "1003", "1007"}));
}

TEST_F(GridTableModelTest, ChangedRowsReachViewsAsOneRangeSignal)
{
    model.appendRecords(makeRecords(100));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
    model.beginUpdate();
    for (int r = 10; r < 90; r += 3)
        model.setRecordValue(r, kStore, "바뀐가게");
    model.endUpdate();
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<QModelIndex>().row(), 10);
    EXPECT_EQ(changed.at(0).at(1).value<QModelIndex>().row(), 88);
    EXPECT_EQ(changed.at(0).at(0).value<QModelIndex>().column(), kStore);
    EXPECT_EQ(layout.count(), 0);

    // Setting a cell to the value it holds signals nothing.
    model.setRecordValue(10, kStore, "바뀐가게");
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(GridTableModelTest, ValuesChangedWhileUnsortedSortRightLater)
{
    model.appendRecords(makeRecords(4)); // amounts 0, 37, 74, 10
    model.sort(kAmount);
    model.clearSort();
    model.setRecordValue(0, kAmount, 99);
    model.setRecordValue(2, kAmount, 1);
    model.sort(kAmount);
    EXPECT_EQ(shownNumbers(model), (QStringList{"1002", "1003", "1001", "1000"}));
}

TEST_F(GridTableModelTest, RemovalsKeepKeysAndRowsInStep)
{
    model.appendRecords(makeRecords(6));
    model.sort(kAmount);
    model.removeRecords({1, 4});
    EXPECT_EQ(model.recordCount(), 4);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.findRecord("1004"), -1);
    EXPECT_EQ(model.findRecord("1005"), 3);
    for (int r = 0; r < model.rowCount(); ++r)
        EXPECT_EQ(model.rowOfRecord(model.recordOfRow(r)), r);
    // Amounts of 1000, 1002, 1003, 1005: 0, 74, 10, 84
    EXPECT_EQ(shownNumbers(model), (QStringList{"1000", "1003", "1002", "1005"}));

    model.insertRecord(0, {"0999", "1001", "새", 5});
    EXPECT_EQ(shownNumbers(model), (QStringList{"1000", "0999", "1003", "1002", "1005"}));
    EXPECT_EQ(model.findRecord("1005"), 4);

    // A key column past the grid's columns finds nothing.
    model.setKeyColumn(model.columnCount() + 3);
    EXPECT_EQ(model.findRecord("1005"), -1);
    model.appendRecord({"1006"});
    EXPECT_EQ(model.findRecord(""), 0) << "every record has an empty key there";
}

TEST_F(GridTableModelTest, PersistentIndexFollowsItsRecordThroughLargeChanges)
{
    model.appendRecords(makeRecords(400));
    QPersistentModelIndex current = model.index(model.rowOfRecord(301), kNo);
    // Every other record leaves: far more runs than row signals are sent for.
    model.setFilterGroup(0, FilterGroup().add(FilterCondition::make(kStatus, FilterOp::Equal, "2001")));
    ASSERT_TRUE(current.isValid());
    EXPECT_EQ(current.data().toString(), "1301");
    model.sort(kAmount);
    EXPECT_EQ(current.data().toString(), "1301");
    QPersistentModelIndex gone = model.index(model.rowOfRecord(1), kNo);
    model.setFilterGroup(0, FilterGroup().add(FilterCondition::make(kStatus, FilterOp::Equal, "1001")));
    EXPECT_FALSE(gone.isValid());
}

TEST_F(GridTableModelTest, TableViewFollowsRowCountAcrossLayoutChanges)
{
    QTableView view;
    view.setModel(&model);
    view.resize(400, 300);
    model.appendRecords(makeRecords(500));
    view.show();
    EXPECT_EQ(view.verticalHeader()->count(), 500);
    model.setFilterGroup(1, FilterGroup().add(FilterCondition::make(kAmount, FilterOp::Less, 50)));
    EXPECT_EQ(view.verticalHeader()->count(), model.rowCount());
    EXPECT_LT(model.rowCount(), 500);
    model.clearFilterGroup(1);
    EXPECT_EQ(view.verticalHeader()->count(), 500);
}

// Random batches of every kind of change, checked against a plain recomputation of the rows.
class GridTableModelRandom : public ::testing::TestWithParam<unsigned>
{
};

TEST_P(GridTableModelRandom, IncrementalRowsMatchAFullRecomputation)
{
    GridTableModel model;
    model.setColumns(columns());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QTableView view;
    view.setModel(&model);
    QPersistentModelIndex tracked;
    std::mt19937 rng(GetParam());
    const auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    int nextNo = 0;
    const auto record = [&] {
        return QVariantList{QString::number(nextNo++), pick(2) ? "2001" : "1001",
                            QStringLiteral("가게%1").arg(pick(5)), pick(20)};
    };
    for (int step = 0; step < 300; ++step) {
        model.beginUpdate();
        const int ops = 1 + pick(6);
        for (int op = 0; op < ops; ++op) {
            switch (pick(15)) {
            case 14:
                model.setFilterEnabled(pick(3) != 0);
                break;
            case 0: {
                std::vector<QVariantList> batch;
                for (int i = pick(40); i >= 0; --i)
                    batch.push_back(record());
                model.appendRecords(std::move(batch));
                break;
            }
            case 1:
                if (model.recordCount() > 0 && pick(3) == 0)
                    model.removeRecords({pick(model.recordCount()), pick(model.recordCount())});
                break;
            case 2:
            case 8:
            case 9:
            case 10:
            case 11:
            case 12:
            case 13:
                // Value changes are the common case of a live board.
                if (model.recordCount() > 0)
                    model.setRecordValue(pick(model.recordCount()), kAmount, pick(20));
                break;
            case 3:
                if (model.recordCount() > 0)
                    model.setRecordValue(pick(model.recordCount()), kStatus, pick(2) ? "2001" : "1001");
                break;
            case 4:
                model.setFilterGroup(0, pick(3) ? FilterGroup().add(FilterCondition::make(
                                                      kStatus, FilterOp::Equal, pick(2) ? "2001" : "1001"))
                                                : FilterGroup());
                break;
            case 5:
                model.setFilterGroup(1, FilterGroup().add(FilterCondition::make(kAmount, FilterOp::Less, pick(25))));
                break;
            case 6:
                // Often back to the amount column, which the changes above touch.
                model.sort(pick(2) ? (pick(2) ? kAmount : -1) : pick(4), pick(2) ? Qt::AscendingOrder : Qt::DescendingOrder);
                break;
            case 7:
                if (pick(3) == 0)
                    model.insertRecord(pick(model.recordCount() + 1), record());
                break;
            }
        }
        model.endUpdate();

        // Expected rows: accepted records, stably sorted by the sort column.
        std::vector<int> expected;
        const FilterGroup g0 = model.filterGroup(0), g1 = model.filterGroup(1);
        for (int r = 0; r < model.recordCount(); ++r) {
            bool ok = true;
            if (model.filterEnabled() && !g0.isEmpty())
                ok &= model.recordValue(r, kStatus) == g0.conditions.first().value;
            if (model.filterEnabled() && !g1.isEmpty())
                ok &= model.recordValue(r, kAmount).toInt() < g1.conditions.first().value.toInt();
            if (ok)
                expected.push_back(r);
        }
        if (model.sortColumn() >= 0) {
            const int c = model.sortColumn();
            const bool asc = model.sortOrder() == Qt::AscendingOrder;
            std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
                const QVariant x = model.recordValue(a, c), y = model.recordValue(b, c);
                int cmp = c == kAmount ? (x.toInt() < y.toInt() ? -1 : x.toInt() > y.toInt())
                                       : QString::compare(x.toString(), y.toString());
                return asc ? cmp < 0 : cmp > 0;
            });
        }
        ASSERT_EQ(model.rowCount(), int(expected.size())) << "step " << step;
        for (int row = 0; row < model.rowCount(); ++row) {
            ASSERT_EQ(model.recordOfRow(row), expected[size_t(row)]) << "step " << step << " row " << row;
            ASSERT_EQ(model.rowOfRecord(expected[size_t(row)]), row);
        }
        ASSERT_EQ(view.verticalHeader()->count(), model.rowCount()) << "step " << step;
        if (tracked.isValid()) {
            ASSERT_EQ(model.recordOfRow(tracked.row()), model.findRecord(tracked.data().toString()));
        }
        if (!tracked.isValid() && model.rowCount() > 0) {
            model.setKeyColumn(kNo);
            tracked = model.index(pick(model.rowCount()), kNo);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, GridTableModelRandom, ::testing::Values(1234u, 7u, 99u, 2026u));

TEST_F(GridTableModelTest, ALookupGivenLaterRenamesTheShownCellsAndKeepsTheRecords)
{
    model.appendRecords(makeRecords(4));
    model.sort(kStatus);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setColumnLookup(kStatus, {{"1001", "대기"}, {"2001", "배차요청"}});
    EXPECT_EQ(reset.count(), 0) << "a view keeps its columns' layout";
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(model.recordCount(), 4);
    EXPECT_EQ(model.index(0, kStatus).data().toString(), "대기");
    EXPECT_EQ(model.recordValue(0, kStatus).toString(), "1001");
    model.setColumnLookup(99, {});  // no such column: nothing happens
}
} // namespace
