#include "records/message_records.h"
#include "row_separator.h"
#include "records/reference_records.h"
#include "common/reply_row.h"

#include <gtest/gtest.h>

namespace
{

class MessageRecordsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetReferenceRecords();
        ResetMessageRecords();
    }
    void TearDown() override
    {
        ResetReferenceRecords();
        ResetMessageRecords();
    }
};

QStringList messageFields(int n)
{
    QStringList f;
    for (int i = 0; i < n; ++i)
        f << QStringLiteral("f") + QString::number(i);
    return f;
}

// Field i of a message row is field i of the record; the widths of the short fields apply.
TEST_F(MessageRecordsTest, MessageRowFillsFieldsInRecordOrder)
{
    struct Case
    {
        const char *name;
        int columns;
    };
    for (const Case c : {Case{"right", 31}, Case{"short", 7}, Case{"long", 36}}) {
        TMSG_LIST msg;
        FillMsgRow(msg, ReplyRow::fromText(messageFields(c.columns).join(kSep) + kSep, kSep));
        for (int i = 0; i < TMSG_LIST::kFieldCount; ++i) {
            const QString full = i < c.columns ? QStringLiteral("f") + QString::number(i) : QString();
            TMSG_LIST probe;
            probe.setField(i, full);  // the same text through the same width
            EXPECT_EQ(msg.field(i), probe.field(i)) << c.name << " field " << i;
            EXPECT_EQ(msg.field(i), full.left(msg.field(i).size())) << c.name << " field " << i;
        }
        EXPECT_EQ(msg.field(31), QString());
    }
}

TEST_F(MessageRecordsTest, MessageFieldsKeepTheirNamesAndWidths)
{
    TMSG_LIST msg;
    msg.setField(0, QStringLiteral("202603090000000000012345"));
    msg.setField(6, QStringLiteral("줄1\n줄2"));
    msg.setField(22, QStringLiteral("CA"));
    msg.setField(24, QStringLiteral("20260309123456"));
    msg.setField(30, QStringLiteral("A"));
    msg.setField(31, QStringLiteral("ignored"));
    EXPECT_EQ(msg.MSG_NO, QStringLiteral("20260309000000000001"));
    EXPECT_EQ(msg.MSG_CONTENT, QStringLiteral("줄1\n줄2"));
    EXPECT_EQ(msg.SND_DEVICE_TYPE, QStringLiteral("C"));
    EXPECT_EQ(msg.MOD_DATE, QStringLiteral("20260309123456"));
    EXPECT_EQ(msg.RCV_DEVICE_TYPE, QStringLiteral("A"));
}

TEST_F(MessageRecordsTest, TelephoneRowsDropHyphensAndPointAtTheirStore)
{
    G_ST_LIST.append(QStringLiteral("S000001"));
    G_ST_LIST.append(QStringLiteral("S000002"));

    const QStringList rows{QStringLiteral("S000002│02-123-4567│"), QStringLiteral("S000404│010-1111-2222│"),
                           QStringLiteral("S000001")};
    for (const QString &text : rows) {
        const ReplyRow row = ReplyRow::fromText(text, kSep);
        TST_TEL_LIST &tel = G_ST_TEL_LIST.append(row.text(1).remove(QLatin1Char('-')));
        FillStTelRow(tel, row);
    }
    ASSERT_EQ(G_SL_ST_TEL.size(), 3);
    EXPECT_EQ(G_SL_ST_TEL.at(0), QStringLiteral("021234567"));
    const TST_TEL_LIST &first = G_ST_TEL_LIST.at(G_SL_ST_TEL.indexOf(QStringLiteral("021234567")));
    EXPECT_EQ(first.ST_TEL, QStringLiteral("021234567"));
    EXPECT_EQ(first.ST_Idx, 1);
    EXPECT_EQ(first.ACT_TYPE, QStringLiteral("1"));
    EXPECT_EQ(G_ST_TEL_LIST.at(1).ST_Idx, -1);  // store not loaded
    EXPECT_EQ(G_ST_TEL_LIST.at(2).ST_TEL, QString());  // short row: no number
    EXPECT_EQ(G_ST_TEL_LIST.at(2).ST_Idx, 0);

    TWK_TEL_LIST wk;
    FillWkTelRow(wk, ReplyRow::fromText(QStringLiteral("W0000012│010-9999-8888│H0001│B000001│x"), kSep));
    EXPECT_EQ(wk.WK_CODE, QStringLiteral("W00000"));
    EXPECT_EQ(wk.WK_TEL, QStringLiteral("01099998888"));
    EXPECT_EQ(wk.BR_CODE, QStringLiteral("B0000"));
}

TEST_F(MessageRecordsTest, ResetEmptiesTheListsAndTheirNumbers)
{
    G_ST_TEL_LIST.append(QStringLiteral("1"));
    G_WK_TEL_LIST.append(QStringLiteral("2"));
    G_MSG_LIST.append(QStringLiteral("3"));
    G_NOTICE.append(QStringLiteral("4"));
    G_ADDR_1.append(QStringLiteral("서울")).ADDR2.append(QStringLiteral("강남구"));
    ResetMessageRecords();
    EXPECT_TRUE(G_SL_ST_TEL.isEmpty());
    EXPECT_TRUE(G_SL_WK_TEL.isEmpty());
    EXPECT_TRUE(G_SL_MSG_NO.isEmpty());
    EXPECT_EQ(G_NOTICE.count(), 0);
    EXPECT_EQ(G_ADDR_1.count(), 0);
}

TEST(AttendanceRecord, HoldsThirtyOneDaysCutToTheirWidths)
{
    TAttData row;
    row.sMin[30] = QStringLiteral("1234567");
    row.sMsg[0] = QString(200, QLatin1Char('x'));
    EXPECT_EQ(row.sMin.size(), 31u);
    EXPECT_EQ(row.sMin[30], QStringLiteral("12345"));
    EXPECT_EQ(row.sMsg[0].size(), 200);
}
} // namespace
