#include "link/force_baecha.h"

#include "common/interface_texts.h"
#include "records/session_records.h"
#include "link/reply_check.h"
#include "link_test_support.h"

#include <gtest/gtest.h>

TEST(ForceBaecha, ResendsAsForcedAssignmentAndTellsTheOutcome)
{
    ResetSessionRecords();
    SetLanguageTexts();
    LogCapture log;
    ScriptedMsgBox boxes;
    const QString sep = QString(QChar(0x2502));
    QStringList replies = {R"({"OUT_CODE":"1","OUT_MSG":"배차 완료"})", R"({"OUT_CODE":"9","OUT_MSG":"근무 종료"})",
                           QString()};
    QStringList sent;
    const CheckRequestFunction previous = SetCheckRequestFunction(
        [&](TcpClient *, const QString &code, const QString &callType, const QString &val, QString &reply) {
            sent << code + QLatin1Char(' ') + callType + QLatin1Char(' ') + val;
            reply = replies.takeFirst();
        });

    const QString val = QStringLiteral("2026121000012") + sep + QStringLiteral("W0001") + sep;
    ForceBaecha(val, QStringLiteral("1001"));
    ForceBaecha(val, QStringLiteral("1009"));
    ForceBaecha(val, QString());
    SetCheckRequestFunction(previous);

    EXPECT_EQ(sent, (QStringList{"CS01_18_V03 ADM1 " + val + "2" + sep, "CS01_46_V01 ADM1 " + val + "2" + sep,
                                 "CS01_18_V03 ADM1 " + val + "2" + sep}));
    ASSERT_EQ(boxes.shown.size(), 3);
    EXPECT_EQ(boxes.shown[0].second, QStringLiteral("배차되었습니다.\r\n배차 완료"));
    EXPECT_EQ(boxes.shown[1].second, QStringLiteral("실패했습니다.\n근무 종료"));
    EXPECT_EQ(boxes.shown[2].second, G_MSG_NET_FAIL);
    EXPECT_TRUE(log.contains(QStringLiteral("CS01_18_V03 ERR[NO RESULT]")));
}
