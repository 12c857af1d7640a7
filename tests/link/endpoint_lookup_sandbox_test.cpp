#include "link/endpoint_lookup.h"

#include "sandbox_link_fixture.h"

#include <QElapsedTimer>

namespace
{
class LookupServiceTest : public SandboxLinkTest
{
protected:
    bool connectAtStart() const override { return false; }

    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        G_SERVER_HOST = QStringLiteral("old.host");
        G_SERVER_PORT = 1234;
    }

    void lookUp() { FindServerEndPoint(PrimaryLookupUrlFormat(), 0); }
    QStringList checkLines() const
    {
        QStringList out;
        for (const QString &line : log.lines())
            if (line.startsWith("Server Check"))
                out << line;
        return out;
    }
};

TEST_F(LookupServiceTest, PrimaryAnswerSetsHostAndPort)
{
    lookUp();
    EXPECT_EQ(G_SERVER_HOST, "127.0.0.1");
    EXPECT_EQ(G_SERVER_PORT, host->linkPort());
    EXPECT_EQ(checkLines(), QStringList{"Server Check Success,1"});
    EXPECT_EQ(host->lastLookupQuery(), "DSK,S,1301");
    EXPECT_EQ(host->lookupPaths().size(), 1);

    G_USER_INFO.GUBUN = QStringLiteral("T");
    host->setLookupAnswer(QStringLiteral("  10.0.0.9 , 7995  "));
    lookUp();
    EXPECT_EQ(host->lastLookupQuery(), "DSK,TT,1301");
    EXPECT_EQ(G_SERVER_HOST, "10.0.0.9");
    EXPECT_EQ(G_SERVER_PORT, 7995);
}

TEST_F(LookupServiceTest, EmptyAnswersAreLoggedPerAttempt)
{
    host->setLookupMode(SandboxHost::LookupMode::Empty, SandboxHost::LookupMode::Normal);
    lookUp();
    EXPECT_EQ(checkLines(), (QStringList{"Server Check Fail,1", "Server Check Success,2"}));
    EXPECT_EQ(G_SERVER_PORT, host->linkPort());

    G_SERVER_HOST = QStringLiteral("old.host");
    G_SERVER_PORT = 1234;
    host->setLookupMode(SandboxHost::LookupMode::Empty, SandboxHost::LookupMode::Empty);
    lookUp();
    EXPECT_EQ(checkLines().mid(2), (QStringList{"Server Check Fail,1", "Server Check Fail,2"}));
    EXPECT_EQ(G_SERVER_HOST, "old.host");
    EXPECT_EQ(G_SERVER_PORT, 1234);
}

TEST_F(LookupServiceTest, FailuresWriteNothingAndFallBackOnce)
{
    SetEndpointLookupTimeoutMs(800);
    const SandboxHost::LookupMode failures[] = {SandboxHost::LookupMode::Fail, SandboxHost::LookupMode::Drop,
                                                SandboxHost::LookupMode::Stall, SandboxHost::LookupMode::Trickle};
    for (const SandboxHost::LookupMode mode : failures) {
        G_SERVER_PORT = 1234;
        host->setLookupMode(mode, SandboxHost::LookupMode::Normal);
        QElapsedTimer clock;
        clock.start();
        lookUp();
        // Well before the sandbox's own one-minute close: the lookup gave up by itself.
        EXPECT_LT(clock.elapsed(), 20000);
        EXPECT_EQ(checkLines().last(), "Server Check Success,2");
        EXPECT_EQ(G_SERVER_PORT, host->linkPort());
    }
    EXPECT_EQ(checkLines().size(), 4);

    // Both failing: nothing changes, nothing is written.
    host->setLookupMode(SandboxHost::LookupMode::Fail, SandboxHost::LookupMode::Stall);
    G_SERVER_PORT = 1234;
    lookUp();
    EXPECT_EQ(G_SERVER_HOST, "127.0.0.1");
    EXPECT_EQ(G_SERVER_PORT, 1234);
    EXPECT_EQ(checkLines().size(), 4);
}

TEST_F(LookupServiceTest, AnswerWithoutCommaChangesNothing)
{
    host->setLookupAnswer(QStringLiteral("just.a.host"));
    lookUp();
    EXPECT_EQ(G_SERVER_HOST, "old.host");
    EXPECT_EQ(G_SERVER_PORT, 1234);
    EXPECT_TRUE(checkLines().isEmpty());
    EXPECT_EQ(host->lookupPaths().size(), 2);  // the fallback was asked too
}

TEST_F(LookupServiceTest, UntrustedCertificateIsRefused)
{
    DeploymentConfig::setValue(DeploymentConfig::kCaFile, QString());
    lookUp();
    EXPECT_EQ(G_SERVER_HOST, "old.host");
    EXPECT_EQ(G_SERVER_PORT, 1234);
    EXPECT_TRUE(checkLines().isEmpty());
    EXPECT_TRUE(host->lookupPaths().isEmpty());  // no request got past the TLS handshake
}
} // namespace
