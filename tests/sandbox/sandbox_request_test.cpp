#include "sandbox/handler_registry.h"
#include "row_separator.h"
#include "sandbox/sandbox_request.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

namespace
{
}

TEST(SandboxRequest, FieldsAreUnescapedAndTheTrailingSeparatorAddsNothing)
{
    struct Case
    {
        QString val;
        QStringList fields;
    };
    const Case cases[] = {
        {QString(), {}},
        {kSep, {QString()}},
        {QStringLiteral("a%1b%1").arg(kSep), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("a%1%1").arg(kSep), {QStringLiteral("a"), QString()}},
        {QStringLiteral("a%1b").arg(kSep), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("x&quot;y%1C:&#92;%1").arg(kSep), {QStringLiteral("x\"y"), QStringLiteral("C:\\")}},
    };
    for (const Case &c : cases) {
        SandboxRequest r;
        r.val = c.val;
        EXPECT_EQ(r.fields(), c.fields) << qPrintable(c.val);
    }
}

TEST(SandboxRequest, ParseReadsTheMembersWhateverTheirOrder)
{
    const auto r = SandboxRequest::parse(
        QStringLiteral("{\"PAGECOUNT\":\"3000\",\"REQNUM\":\"CS00_01_V02\",\"VAL\":\"a\nb%1\","
                       "\"RETTYPE\":\"1\",\"ITEM_CNT\":\"2\"}")
            .arg(kSep)
            .toUtf8());
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->reqNum, "CS00_01_V02");
    EXPECT_EQ(r->pageRows(), 3000);
    EXPECT_EQ(r->retType, "1");
    EXPECT_EQ(r->itemCnt, "2");
    EXPECT_TRUE(r->colCnt.isEmpty());
    EXPECT_FALSE(SandboxRequest::parse("[1,2]").has_value());
    EXPECT_FALSE(SandboxRequest::parse("{broken").has_value());
}

TEST(SandboxReply, PagesRepeatTheHeaderAndEscapeEveryStringValue)
{
    SandboxReply reply = SandboxReply::joinedRows({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                                                  QStringLiteral("mark"));
    reply.outMsg = QStringLiteral("say \"ok\"");
    reply.extra.insert(QStringLiteral("OUT_ROW2"), QJsonArray{QJsonObject{{QStringLiteral("C_0"), QStringLiteral("a\\b")}}});
    const QStringList pages = reply.buildPages(2);
    ASSERT_EQ(pages.size(), 2);
    const QJsonObject second = QJsonDocument::fromJson(pages.at(1).toUtf8()).object();
    EXPECT_EQ(second.value("OUT_ROW1").toArray(), QJsonArray{QStringLiteral("3")});
    EXPECT_EQ(second.value("OUT_VAL").toString(), "mark");
    EXPECT_EQ(second.value("OUT_MSG").toString(), "say &quot;ok&quot;");
    EXPECT_TRUE(pages.at(1).contains(QStringLiteral("{\"C_0\":\"a&#92;b\"}"))) << qPrintable(pages.at(1));
    EXPECT_FALSE(pages.at(0).contains(QStringLiteral("\": ")));  // compact JSON

    // No rows still make one page; explicit pages go out untouched; rowsPerPage beats PAGECOUNT.
    EXPECT_EQ(SandboxReply::ok().buildPages(100).size(), 1);
    EXPECT_EQ(SandboxReply::explicitPages({QStringLiteral("{\"x\":\"\\\"\"}")}).buildPages(1),
              QStringList{QStringLiteral("{\"x\":\"\\\"\"}")});
    reply.rowsPerPage = 1;
    EXPECT_EQ(reply.buildPages(100).size(), 3);
}

TEST(HandlerRegistry, DemoHandlersAnswerTheKeepAliveAndUnknownCodes)
{
    HandlerRegistry registry;
    registerDemoHandlers(registry);
    SandboxRequest keepAlive;
    keepAlive.reqNum = QStringLiteral("999");
    keepAlive.callType = QStringLiteral("DUM");
    keepAlive.val = kSep;
    EXPECT_EQ(registry.dispatch(keepAlive).outCode, "1");

    SandboxRequest unknown;
    unknown.reqNum = QStringLiteral("NO_SUCH");
    const SandboxReply reply = registry.dispatch(unknown);
    EXPECT_EQ(reply.outCode, "0");
    EXPECT_EQ(reply.outMsg, "unknown request NO_SUCH");

    registry.add(QStringLiteral("THROWS"), [](const SandboxRequest &) -> SandboxReply {
        throw std::runtime_error("boom");
    });
    unknown.reqNum = QStringLiteral("THROWS");
    EXPECT_EQ(registry.dispatch(unknown).outCode, "0");
}

TEST(HandlerRegistry, CourierAssignmentsAreAnsweredPlainOrForced)
{
    HandlerRegistry registry;
    registerDemoHandlers(registry);
    for (const QString &code : {QStringLiteral("CS01_18_V03"), QStringLiteral("CS01_46_V01")}) {
        SandboxRequest request;
        request.reqNum = code;
        request.callType = QStringLiteral("ADM1");
        request.val = QStringLiteral("admin%1ORD1%1WK7%11%1").arg(kSep);
        EXPECT_EQ(registry.dispatch(request).outCode, "1") << code.toStdString();
        request.val = QStringLiteral("admin%1ORD1%12%1").arg(kSep);
        EXPECT_EQ(registry.dispatch(request).outCode, "1") << code.toStdString();
        request.val = QString();
        EXPECT_EQ(registry.dispatch(request).outCode, "0") << code.toStdString();
    }
}
