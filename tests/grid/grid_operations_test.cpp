#include "grid/grid_table_model.h"
#include "common/message_box.h"
#include "grid/ui/grid_operations.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidget>

namespace
{
// Captures message boxes instead of showing them.
struct MsgBoxRecorder
{
    QStringList shown;
    MsgBoxHandler previous;
    MsgBoxRecorder()
    {
        previous = SetMsgBoxHandler([this](const QString &text, const QString &kind) {
            shown << kind + ":" + text;
            return 1;
        });
    }
    ~MsgBoxRecorder() { SetMsgBoxHandler(previous); }
};

QStringList column(const QAbstractItemModel *m, int c)
{
    QStringList out;
    for (int r = 0; r < m->rowCount(); ++r)
        out << m->index(r, c).data(Qt::EditRole).toString();
    return out;
}

QStringList records(const GridTableModel &m, int c)
{
    QStringList out;
    for (int r = 0; r < m.recordCount(); ++r)
        out << m.recordValue(r, c).toString();
    return out;
}

struct GridOperationsTest : ::testing::Test
{
    GridTableModel model;
    QTableView view;
    MsgBoxRecorder boxes;

    GridOperationsTest()
    {
        model.setColumns({{"NAME", "이름", GridValueType::Text, {}},
                          {"CHK", "선택", GridValueType::Integer, {}}});
        for (const char *n : {"사과", "배", "사과즙", "포도", "사과잼"})
            model.appendRecord({QString::fromUtf8(n), 0});
        view.setModel(&model);
    }
    void hideGrapes()
    {
        model.setFilterGroup(0, FilterGroup().add(FilterCondition::make(0, FilterOp::NotEqual, "포도")));
    }
};

TEST_F(GridOperationsTest, FindNextGoesOnFromTheReturnedRecord)
{
    EXPECT_EQ(GridFindNext(&view, "사과", 0, 0), 1);
    EXPECT_EQ(view.currentIndex().row(), 0);
    EXPECT_EQ(GridFindNext(&view, "사과", 0, 1), 3);
    EXPECT_EQ(GridFindNext(&view, "사과", 0, 3), 5);
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(GridFindNext(&view, "사과", 0, 5), 0);
    EXPECT_EQ(boxes.shown, QStringList{"I:찾는 검색어가 더이상 없습니다."});

    // Blank text: nothing searched, the start comes back.
    EXPECT_EQ(GridFindNext(&view, "  ", 0, 2), 2);
    // Records the filter hides are passed over; case and exact text matter.
    hideGrapes();
    EXPECT_EQ(GridFindNext(&view, "포도", 0, 0), 0);
    model.appendRecord({"Apple", 0});
    EXPECT_EQ(GridFindNext(&view, "apple", 0, 0), 0);
    EXPECT_EQ(GridFindNext(&view, "App", 0, 0), 6);
}

TEST_F(GridOperationsTest, FocusRecordFindsItsRowUnderSortAndFilter)
{
    model.sort(0, Qt::DescendingOrder);
    EXPECT_TRUE(GridFocusRecord(&view, 1, 0)); // 배
    EXPECT_EQ(view.currentIndex().data().toString(), "배");
    hideGrapes();
    EXPECT_FALSE(GridFocusRecord(&view, 3)); // 포도 is filtered out
    EXPECT_FALSE(GridFocusRecord(&view, 99));
}

TEST_F(GridOperationsTest, SetColumnAllOrOnlyWhatTheFilterShows)
{
    hideGrapes();
    GridSetColumnFiltered(&view, 1, 1);
    EXPECT_EQ(records(model, 1), (QStringList{"1", "1", "1", "0", "1"}));
    GridSetColumnAll(&view, 2, 1);
    EXPECT_EQ(records(model, 1), (QStringList{"2", "2", "2", "2", "2"}));
}

TEST_F(GridOperationsTest, MoveRecordUpDownAndToTheEnds)
{
    view.setCurrentIndex(model.index(2, 0)); // 사과즙
    EXPECT_TRUE(GridMoveRecord(&view, 2));
    EXPECT_EQ(records(model, 0), (QStringList{"사과", "사과즙", "배", "포도", "사과잼"}));
    EXPECT_EQ(view.currentIndex().data().toString(), "사과즙");
    EXPECT_TRUE(GridMoveRecord(&view, 4));
    EXPECT_EQ(records(model, 0), (QStringList{"사과", "배", "포도", "사과잼", "사과즙"}));
    EXPECT_EQ(view.currentIndex().row(), 4);
    EXPECT_FALSE(GridMoveRecord(&view, 3)); // already last
    EXPECT_FALSE(GridMoveRecord(&view, 4));
    EXPECT_TRUE(GridMoveRecord(&view, 1));
    EXPECT_EQ(records(model, 0), (QStringList{"사과즙", "사과", "배", "포도", "사과잼"}));
    EXPECT_FALSE(GridMoveRecord(&view, 2)); // first row: nothing changes
    EXPECT_EQ(records(model, 0), (QStringList{"사과즙", "사과", "배", "포도", "사과잼"}));
    EXPECT_TRUE(GridMoveRecord(&view, 3));
    EXPECT_EQ(records(model, 0), (QStringList{"사과", "사과즙", "배", "포도", "사과잼"}));
    EXPECT_EQ(view.currentIndex().data().toString(), "사과즙");
    EXPECT_FALSE(GridMoveRecord(&view, 7));
    view.setCurrentIndex(QModelIndex());
    EXPECT_FALSE(GridMoveRecord(&view, 3));
}

TEST(GridOperationsOnPlainModels, WorkThroughAProxyOverAStandardModel)
{
    MsgBoxRecorder boxes;
    QStandardItemModel base;
    for (const char *n : {"하나", "둘", "셋", "넷"}) {
        auto *item = new QStandardItem(QString::fromUtf8(n));
        item->setData(QStringLiteral("tip-") + QString::fromUtf8(n), Qt::ToolTipRole);
        base.appendRow({item, new QStandardItem("0")});
    }
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&base);
    proxy.setFilterFixedString("셋");
    proxy.setFilterKeyColumn(0);
    QTableView view;
    view.setModel(&proxy);
    EXPECT_EQ(GridFindNext(&view, "둘", 0, 0), 0); // filtered out
    EXPECT_EQ(GridFindNext(&view, "셋", 0, 0), 3);
    GridSetColumnFiltered(&view, "9", 1);
    EXPECT_EQ(column(&base, 1), (QStringList{"0", "0", "9", "0"}));

    proxy.setFilterFixedString(QString());
    view.setCurrentIndex(proxy.index(3, 0));
    EXPECT_TRUE(GridMoveRecord(&view, 1));
    EXPECT_EQ(column(&base, 0), (QStringList{"넷", "하나", "둘", "셋"}));
    // Every role of every column travels with the record.
    EXPECT_EQ(base.index(0, 0).data(Qt::ToolTipRole).toString(), "tip-넷");
    EXPECT_EQ(view.currentIndex().data().toString(), "넷");
}

TEST(GridOperationsOnPlainModels, ScrollPageMovesTheFirstChildGrid)
{
    QWidget panel;
    auto *layout = new QVBoxLayout(&panel);
    auto *grid = new QTableView(&panel);
    layout->addWidget(grid);
    QStandardItemModel m(300, 2);
    grid->setModel(&m);
    panel.resize(300, 200);
    panel.show();
    QScrollBar *bar = grid->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    GridScrollPage(&panel, true);
    EXPECT_EQ(bar->value(), bar->pageStep());
    GridScrollPage(&panel, false);
    EXPECT_EQ(bar->value(), 0);
    GridScrollPage(nullptr, true); // no container: nothing happens
}
} // namespace
