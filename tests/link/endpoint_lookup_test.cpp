#include "link/endpoint_lookup.h"

#include "records/session_records.h"

#include <gtest/gtest.h>

namespace
{
class EndpointLookupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSessionRecords();
        G_DEVICE = QStringLiteral("DSK");
        G_VERSION = QStringLiteral("1.3.01");
        G_TEST_EDITION_PROGRAM_NAME = QStringLiteral("CourierTest");
    }
    void TearDown() override
    {
        ResetSessionRecords();
        G_TEST_EDITION_PROGRAM_NAME.clear();
    }
};

TEST_F(EndpointLookupTest, ModeFollowsServerKindAndEdition)
{
    struct Case
    {
        QString gubun;
        QString program;
        QString mode;
    };
    const Case cases[] = {
        {"T", "CourierTest", "TT"}, {"T", "Courier", "TT"}, {"", "Courier", "TT"},
        {"R", "CourierTest", "TS"}, {"R", "Courier", "S"},
    };
    for (const Case &c : cases) {
        G_USER_INFO.GUBUN = c.gubun;
        G_PROGRAM_NAME = c.program;
        EXPECT_EQ(EndpointLookupMode(), c.mode) << c.gubun.toStdString() << c.program.toStdString();
    }
}

TEST_F(EndpointLookupTest, UrlCarriesDeviceModeAndVersionWithoutDots)
{
    G_USER_INFO.GUBUN = QStringLiteral("R");
    G_PROGRAM_NAME = QStringLiteral("Courier");
    EXPECT_EQ(EndpointLookupQuery(), QStringLiteral("DSK,S,1301"));
    EXPECT_EQ(EndpointLookupUrl("https://h/api/FindServerEndPoint?p=%s,%s,%s"),
              QStringLiteral("https://h/api/FindServerEndPoint?p=DSK,S,1301"));
    // A "%" that is not a place holder stays.
    EXPECT_EQ(EndpointLookupUrl("https://h/x%20y?p=%s,%s,%s"), QStringLiteral("https://h/x%20y?p=DSK,S,1301"));
}

TEST_F(EndpointLookupTest, AnswerParsing)
{
    struct Case
    {
        QString answer;
        bool ok;
        QString host;
        int port;
    };
    const Case cases[] = {
        {"10.1.2.3,7995", true, "10.1.2.3", 7995},
        {"10.1.2.3 , 7995", true, "10.1.2.3", 7995},
        {"srv.example,abc", true, "srv.example", 7996},
        {"srv.example,", true, "srv.example", 7996},
        {"srv.example,70000", true, "srv.example", 7996},
        {"srv.example,8000,extra", true, "srv.example", 8000},
        {"srv.example", false, "", 0},
        {",7995", false, "", 0},
    };
    for (const Case &c : cases) {
        EndpointAnswer parsed;
        EXPECT_EQ(ParseEndpointAnswer(c.answer, &parsed), c.ok) << c.answer.toStdString();
        if (c.ok) {
            EXPECT_EQ(parsed.host, c.host);
            EXPECT_EQ(parsed.port, c.port);
        }
    }
}
} // namespace
