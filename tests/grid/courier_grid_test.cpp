#include "grid/courier_grid.h"
#include "records/courier_records.h"
#include "grid/grid_table_model.h"
#include "records/reference_records.h"

#include <gtest/gtest.h>

namespace
{
enum Col
{
    kName,
    kConnect,
    kBrName,
    kTelShown,
    kCount,
    kEmpty,
    kCourierCode,
    kCourierStatus,
    kConnect2,
    kBrCode,
    kAttend,
    kTel,
};
enum Slot
{
    kStatusGroup = 0,
    kAttendGroup = 1,
    kBranchGroup = 2,
    kTextGroup = 3,
};

class CourierGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetCourierRecords();
        ResetReferenceRecords();
        QList<GridColumn> cols;
        for (int i = 0; i < kWorkerGridColumns; ++i)
            cols.append(GridColumn{QStringLiteral("c%1").arg(i), QString(),
                                   i == kCount ? GridValueType::Integer : GridValueType::Text, {}});
        m_view.setColumns(cols);
    }
    void TearDown() override
    {
        ResetCourierRecords();
        ResetReferenceRecords();
    }

    static void addCourier(const QString &code, const QString &name, const QString &br,
                           const QString &status, const QString &attend, const QString &tel)
    {
        TMyWorker &w = G_MY_WORKER.MyWorkerArray.append(code);
        w.WkCode = code;
        w.Wkname = name;
        w.BrCode = br;
        w.BrName = br + QStringLiteral("점");
        w.DataStatus = status;
        w.WkAttendCD = attend;
        w.WkTel = tel;
        w.ConnectYN = QStringLiteral("Y");
        w.Wk3001Cnt = 2;
        w.Wk3003Cnt = 1;
    }

    QStringList shownCodes() const
    {
        QStringList out;
        for (int r = 0; r < m_view.rowCount(); ++r)
            out << m_view.recordValue(m_view.recordOfRow(r), kCourierCode).toString();
        return out;
    }

    GridTableModel m_view;
};

TEST_F(CourierGridTest, AnEmptyListGivesNoRecordsAndSucceeds)
{
    m_view.appendRecord(QVariantList{QStringLiteral("old")});
    EXPECT_TRUE(proc_LoadWorker(m_view));
    EXPECT_EQ(m_view.recordCount(), 0);
}

TEST_F(CourierGridTest, EachCourierFillsTwelveColumnsByIndex)
{
    addCourier(QStringLiteral("W1"), QStringLiteral("김배송"), QStringLiteral("B1"), QStringLiteral("1"),
               QStringLiteral("0001"), QStringLiteral("01012345678"));
    addCourier(QStringLiteral("W2"), QStringLiteral("이배송"), QStringLiteral("B2"), QStringLiteral("1"),
               QStringLiteral("0002"), QStringLiteral("0212345678"));
    ASSERT_TRUE(proc_LoadWorker(m_view));
    ASSERT_EQ(m_view.recordCount(), 2);
    EXPECT_EQ(m_view.recordValue(0, kName).toString(), QStringLiteral("김배송"));
    EXPECT_EQ(m_view.recordValue(0, kConnect).toString(), QStringLiteral("Y"));
    EXPECT_EQ(m_view.recordValue(0, kBrName).toString(), QStringLiteral("B1점"));
    EXPECT_EQ(m_view.recordValue(0, kTelShown).toString(), QStringLiteral("010-1234-5678"));
    EXPECT_EQ(m_view.recordValue(0, kCount).toInt(), 3);
    EXPECT_EQ(m_view.recordValue(0, kEmpty).toString(), QString());
    EXPECT_EQ(m_view.recordValue(1, kCourierCode).toString(), QStringLiteral("W2"));
    EXPECT_EQ(m_view.recordValue(1, kBrCode).toString(), QStringLiteral("B2"));
    EXPECT_EQ(m_view.recordValue(1, kAttend).toString(), QStringLiteral("0002"));
    EXPECT_EQ(m_view.recordValue(1, kTel).toString(), QStringLiteral("0212345678"));
}

TEST_F(CourierGridTest, FilterKeepsActiveCouriersAtWorkInTickedBranchesMatchingTheText)
{
    addCourier(QStringLiteral("W1"), QStringLiteral("김하나"), QStringLiteral("B1"), QStringLiteral("1"),
               QStringLiteral("0001"), QStringLiteral("01011112222"));
    addCourier(QStringLiteral("W2"), QStringLiteral("김둘"), QStringLiteral("B2"), QStringLiteral("1"),
               QStringLiteral("0001"), QStringLiteral("01033334444"));
    addCourier(QStringLiteral("W3"), QStringLiteral("박셋"), QStringLiteral("B1"), QStringLiteral("0"),
               QStringLiteral("0001"), QStringLiteral("01055556666"));
    addCourier(QStringLiteral("W4"), QStringLiteral("최넷"), QStringLiteral("B1"), QStringLiteral("1"),
               QStringLiteral("0003"), QStringLiteral("01077778888"));
    addCourier(QStringLiteral("W5"), QStringLiteral("정%"), QStringLiteral("B1"), QStringLiteral("1"),
               QStringLiteral("0001"), QStringLiteral("01099990000"));
    ASSERT_TRUE(proc_LoadWorker(m_view));

    auto filter = [&](const QString &text) {
        SetWorkerFilter(m_view, kCourierStatus, kAttend, kBrCode, kName, kTel, kStatusGroup, kAttendGroup,
                        kBranchGroup, kTextGroup, text);
    };

    // No branch ticked: the branch group is empty and restricts nothing; no text, no text group.
    filter(QString());
    EXPECT_EQ(shownCodes(), (QStringList{QStringLiteral("W1"), QStringLiteral("W2"), QStringLiteral("W5")}));
    EXPECT_TRUE(m_view.filterGroup(kBranchGroup).isEmpty());
    EXPECT_TRUE(m_view.filterGroup(kTextGroup).isEmpty());

    G_SL_SEL_BR_CODE = QStringList{QStringLiteral("B1")};
    filter(QString());
    EXPECT_EQ(shownCodes(), (QStringList{QStringLiteral("W1"), QStringLiteral("W5")}));

    filter(QStringLiteral("1111"));  // by telephone
    EXPECT_EQ(shownCodes(), QStringList{QStringLiteral("W1")});
    EXPECT_EQ(m_view.filterGroup(kTextGroup).conditions.size(), 2);

    filter(QStringLiteral("%"));  // typed literally, not a wildcard
    EXPECT_EQ(shownCodes(), QStringList{QStringLiteral("W5")});
}

TEST_F(CourierGridTest, FilterKeepsHowTheWindowSetUpItsGroups)
{
    // Groups as a window left them after an earlier filter.
    FilterGroup branch;
    branch.join = FilterJoin::Or;
    branch.add(FilterCondition::make(kBrCode, FilterOp::Equal, QStringLiteral("B9")));
    m_view.setFilterGroup(kBranchGroup, branch);
    FilterGroup text;
    text.join = FilterJoin::Or;
    text.caseInsensitive = true;
    text.add(FilterCondition::make(kName, FilterOp::Contains, QStringLiteral("old")));
    m_view.setFilterGroup(kTextGroup, text);

    G_SL_SEL_BR_CODE = QStringList{QStringLiteral("B1"), QStringLiteral("B2")};
    SetWorkerFilter(m_view, kCourierStatus, kAttend, kBrCode, kName, kTel, kStatusGroup, kAttendGroup,
                    kBranchGroup, kTextGroup, QStringLiteral("kim"));
    EXPECT_EQ(m_view.filterGroup(kBranchGroup).join, FilterJoin::Or);
    EXPECT_EQ(m_view.filterGroup(kBranchGroup).conditions.size(), 2);  // the old one is gone
    EXPECT_TRUE(m_view.filterGroup(kTextGroup).caseInsensitive);
    EXPECT_EQ(m_view.filterGroup(kTextGroup).conditions.size(), 2);
    EXPECT_TRUE(m_view.filterEnabled());
}
} // namespace
