#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "start/terms_consent.h"
#include "sandbox/handler_registry.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace
{
QString lastLogLine()
{
    QFile f(DailyLogPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().mid(lines.last().indexOf(QLatin1Char('-')) + 1);
}
} // namespace

TEST(TermsConsent, PayloadAndTheThreeOutcomes)
{
    SetLanguageTexts();
    QTemporaryDir logDir;
    const QString previousLogDir = G_LOG_DIR;
    G_LOG_DIR = logDir.path() + QLatin1Char('/');
    G_USER_INFO.ID = QStringLiteral("staff01");
    G_USER_INFO.ST = QStringLiteral("S000123");
    G_USER_INFO.OWNER_BIRTH = QStringLiteral("800101");
    QStringList boxes;
    const MsgBoxHandler previousBox = SetMsgBoxHandler([&](const QString &text, const QString &kind) {
        boxes << kind + QLatin1Char(':') + text;
        return 1;
    });
    QStringList replies = {R"({"OUT_CODE":"1","OUT_MSG":""})", R"({"OUT_CODE":"3","OUT_MSG":"생년월일 불일치"})",
                           QString()};
    QStringList sent;
    const TermsRequestFunction previous =
        SetTermsRequestFunction([&](const QString &code, const QString &callType, const QString &val, int timeoutMs,
                                    QString &reply) {
            sent << code + QLatin1Char(' ') + callType + QLatin1Char(' ') + val + QLatin1Char(' ')
                        + QString::number(timeoutMs);
            reply = replies.takeFirst();
        });

    EXPECT_TRUE(func_Term());
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_FALSE(func_Term());
    EXPECT_EQ(lastLogLine(), QStringLiteral("인증에러:생년월일 불일치"));
    EXPECT_FALSE(func_Term());
    EXPECT_EQ(lastLogLine(), QStringLiteral("GR01_04_V01 ERR[NO RESULT]"));
    SetTermsRequestFunction(previous);
    SetMsgBoxHandler(previousBox);
    G_LOG_DIR = previousLogDir;

    const QString sep = G_FIELD_SEP;
    ASSERT_EQ(sent.size(), 3);
    EXPECT_EQ(sent[0], "GR01_04_V01 ADM1 staff01" + sep + "S000123" + sep + "Y" + sep + "800101" + sep + " 30000");
    EXPECT_EQ(boxes, (QStringList{QStringLiteral("E:인증에러:생년월일 불일치"), QStringLiteral("I:") + G_MSG_NET_FAIL}));
}

TEST(TermsConsent, SandboxAcceptsConsentWithIdAndStore)
{
    HandlerRegistry registry;
    registerDemoHandlers(registry);
    SandboxRequest request;
    request.reqNum = QStringLiteral("GR01_04_V01");
    const QString sep = QString(QChar(0x2502));
    request.val = "staff01" + sep + "S000123" + sep + "Y" + sep + "800101" + sep;
    EXPECT_EQ(registry.dispatch(request).outCode, QStringLiteral("1"));
    request.val = "staff01" + sep + sep + "Y" + sep + "800101" + sep;
    EXPECT_EQ(registry.dispatch(request).outCode, QStringLiteral("0"));
}
