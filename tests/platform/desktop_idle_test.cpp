#include "platform/desktop_idle.h"

#include <gtest/gtest.h>

namespace
{
class FakeDesktop : public IDesktopIdleReader
{
public:
    explicit FakeDesktop(std::optional<quint64> *ms) : m_ms(ms) {}
    std::optional<quint64> idleMs() override { return *m_ms; }

private:
    std::optional<quint64> *m_ms;
};

class FakeOwn : public IIdleSource
{
public:
    quint32 seconds = 0;
    quint32 idleSeconds() const override { return seconds; }
};
} // namespace

TEST(DesktopIdle, DesktopTimeWithTheProgramsOwnAsFallback)
{
    struct Case
    {
        std::optional<quint64> desktopMs;
        quint32 own;
        quint32 expected;
    };
    const Case cases[] = {
        {5000, 600, 5},                       // working in another program: the desktop's time
        {900'000, 30, 30},                    // input in this program counts as desktop input too
        {std::nullopt, 42, 42},               // desktop unreadable now: the program's own
        {quint64(1) << 60, 1u << 31, 1u << 31},  // huge values do not wrap
    };
    for (const Case &c : cases) {
        std::optional<quint64> ms = c.desktopMs;
        FakeOwn own;
        own.seconds = c.own;
        SessionIdleSource source(std::make_unique<FakeDesktop>(&ms), &own);
        EXPECT_TRUE(source.usesDesktop());
        EXPECT_EQ(source.idleSeconds(), c.expected);
    }
    FakeOwn own;
    own.seconds = 7;
    SessionIdleSource ownOnly(nullptr, &own);
    EXPECT_FALSE(ownOnly.usesDesktop());
    EXPECT_EQ(ownOnly.idleSeconds(), 7u);
}

TEST(DesktopIdle, HeadlessHasNoDesktopReader)
{
    EXPECT_EQ(MakeDesktopIdleReader(QStringLiteral("offscreen")), nullptr);
    EXPECT_EQ(MakeDesktopIdleReader(QStringLiteral("minimal")), nullptr);
    EXPECT_EQ(MakeDesktopIdleReader(QString()), nullptr);
}
