#include "common/interface_texts.h"

#include "common/qstring_print.h"
#include "records/session_records.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace
{
// The fifty texts in their declaration order.
QStringList allTexts()
{
    QStringList out;
    for (const QString &t : G_MSG_RESULT)
        out << t;
    out << G_MSG_OK;
    for (const QString &t : G_TXT_STATE)
        out << t;
    for (const QString &t : G_TXT_WEEK)
        out << t;
    out << G_TXT_BR_NAME << G_TXT_BR_CODE << G_TXT_HD_NAME << G_TXT_HD_CODE << G_TXT_HD;
    for (const QString &t : G_TXT_GRP_KIND)
        out << t;
    out << G_TXT_COOK << G_TXT_DISPATCH_WK << G_TXT_UNLIMITED << G_TXT_CASH_HIST << G_TXT_SYNC << G_TXT_OK
        << G_TXT_YES << G_TXT_NO;
    for (const QString &t : G_TXT_EDIT)
        out << t;
    out << G_TXT_SEQ << G_MSG_PROCESSED << G_MSG_NET_FAIL << G_MSG_LOGIN_FAIL << G_MSG_STATUS_CHANGED
        << G_MSG_STATUS_ASK << G_MSG_NO_COURIER << G_MSG_NO_DATA << G_MSG_NO_GROUP;
    return out;
}

class InterfaceTextsTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        G_LANGUAGE = m_language;
        proc_SetLanKor();
    }

private:
    QString m_language = G_LANGUAGE;
};

TEST_F(InterfaceTextsTest, SecondSetDiffersOnlyInTheStatusWordsAndOneMessage)
{
    G_LANGUAGE = QStringLiteral("0001");
    SetLanguageTexts();
    const QStringList korean = allTexts();
    ASSERT_EQ(korean.size(), 50);
    EXPECT_EQ(korean.count(QString()), 0);
    EXPECT_EQ(G_TXT_STATE[4], QStringLiteral("캐쉬부족"));
    EXPECT_EQ(G_MSG_NO_COURIER, QStringLiteral("배송가능한 배송원이 없습니다."));
    EXPECT_EQ(G_MSG_NET_FAIL, QStringLiteral("인터넷 연결이 원활하지 정보 요청에 실패했습니다."));

    G_LANGUAGE = QStringLiteral("0002");
    SetLanguageTexts();
    const QStringList second = allTexts();
    EXPECT_EQ(G_TXT_STATE[0], QStringLiteral("全部"));
    EXPECT_EQ(G_TXT_STATE[4], QStringLiteral("余額不足"));
    EXPECT_EQ(G_MSG_NO_COURIER, QStringLiteral("배차가능한 배송원이 없습니다."));
    for (int i = 0; i < 50; ++i) {
        const bool differs = (i >= 5 && i <= 9) || i == 47;
        EXPECT_EQ(korean[i] != second[i], differs) << "row " << i + 1;
    }

    G_LANGUAGE = QStringLiteral("9999");
    SetLanguageTexts();
    EXPECT_EQ(allTexts(), korean);
}
} // namespace
