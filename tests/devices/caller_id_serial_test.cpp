#include "tests/devices/caller_id_fixture.h"

#include "devices/caller_id_serial.h"
#include "devices/caller_id_sources.h"
#include "devices/ui/caller_id_ports.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace
{
QByteArray bytesOf(std::initializer_list<int> list)
{
    QByteArray out;
    for (int b : list)
        out += char(b);
    return out;
}

struct ReaderProbe
{
    CallerIdFrameReader reader;
    QStringList burmi;
    QList<QByteArray> callStar;
    explicit ReaderProbe(int type) : reader(0, type)
    {
        reader.burmiFrame = [this](int, const QString &hex) { burmi << hex; };
        reader.callStarFrame = [this](int, const QByteArray &f) { callStar << f; };
    }
};

// A pseudo-terminal pair: the test writes to the master, the port opens the slave.
struct PtyPair
{
    int master = -1;
    QString slaveName;
    PtyPair()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return;
        slaveName = QString::fromLocal8Bit(ptsname(master));
        termios t{};
        tcgetattr(master, &t);
        cfmakeraw(&t);
        tcsetattr(master, TCSANOW, &t);
    }
    ~PtyPair()
    {
        if (master >= 0)
            ::close(master);
    }
    void write(const QByteArray &bytes) const { ASSERT_EQ(::write(master, bytes.constData(), size_t(bytes.size())), bytes.size()); }
};

bool waitFor(const std::function<bool()> &done, int ms = 3000)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}
TEST(BoxFrames, BurmiDecodeTable)
{
    struct Case
    {
        QByteArray bytes;
        int channel;
        const char *number;
    };
    const Case cases[] = {
        {bytesOf({0x51, 0x50, 0x51, 0x50, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x5F}), 2, "0102345678"},
        {bytesOf({0x11, 0x10, 0x1A, 0x12, 0x1F}), 1, "02"},     // a nibble A-F is dropped
        {bytesOf({0xD3, 0x33, 0x34, 0xDF}), 4, "34"},
        {bytesOf({0x23, 0x21, 0x22, 0x1F}), 0, "12"},           // unknown channel nibble
    };
    for (const Case &c : cases) {
        ReaderProbe probe(CidBox::kBurmi);
        probe.reader.feedChunk(c.bytes);
        ASSERT_EQ(probe.burmi.size(), 1);
        const auto call = DecodeBurmiFrame(probe.burmi.at(0));
        ASSERT_TRUE(call);
        EXPECT_EQ(call->channel, c.channel);
        EXPECT_EQ(call->number, QString::fromLatin1(c.number));
    }
    // Two bytes are a frame without digits: ignored.
    ReaderProbe shortProbe(CidBox::kBurmi);
    shortProbe.reader.feedChunk(bytesOf({0x51, 0x1F}));
    ASSERT_EQ(shortProbe.burmi.size(), 1);
    EXPECT_FALSE(DecodeBurmiFrame(shortProbe.burmi.at(0)));
    // A frame split over chunks ends at its end byte.
    ReaderProbe split(CidBox::kBurmi);
    split.reader.feedChunk(bytesOf({0x91, 0x90}));
    EXPECT_TRUE(split.burmi.isEmpty());
    split.reader.feedChunk(bytesOf({0x91, 0x9F}));
    ASSERT_EQ(split.burmi.size(), 1);
    EXPECT_EQ(DecodeBurmiFrame(split.burmi.at(0))->channel, 3);
}

TEST(BoxFrames, BurmiNoiseWithoutEndIsBounded)
{
    ReaderProbe probe(CidBox::kBurmi);
    probe.reader.feedChunk(QByteArray(100000, char(0x33)));
    probe.reader.feedChunk(bytesOf({0x11, 0x12, 0x13, 0x1F}));
    ASSERT_FALSE(probe.burmi.isEmpty());
    // The noise never grows a frame past the bound; the frame that ends is the real one's end.
    for (const QString &hex : probe.burmi)
        EXPECT_LE(hex.size(), 2 * CallerIdFrameReader::kMaxFrame + 8);
    EXPECT_TRUE(probe.burmi.last().endsWith(QStringLiteral("1112131F")));
}

TEST(BoxFrames, CallStarChunksAssembleOnceAndNeverReuseAnOldFrame)
{
    ReaderProbe probe(CidBox::kCallStar);
    probe.reader.feedChunk(QByteArray("\x02" "3I01012"));
    EXPECT_TRUE(probe.callStar.isEmpty());
    probe.reader.feedChunk(QByteArray("345678\x03"));
    ASSERT_EQ(probe.callStar.size(), 1);
    const auto call = DecodeCallStarFrame(probe.callStar.at(0));
    ASSERT_TRUE(call);
    EXPECT_EQ(call->channel, 3);
    EXPECT_EQ(call->number, QStringLiteral("01012345678"));

    // Bytes that do not start a frame, ending with ETX, do not decode the old frame again.
    probe.reader.feedChunk(QByteArray("99\x03"));
    EXPECT_EQ(probe.callStar.size(), 1);

    EXPECT_FALSE(DecodeCallStarFrame(QByteArray("\x02" "3X0101234567\x03")));
    EXPECT_FALSE(DecodeCallStarFrame(QByteArray("\x02" "3I\x03")));
    EXPECT_EQ(DecodeCallStarFrame(QByteArray("\x02" "xI01-2\x03"))->channel, 1);
    EXPECT_EQ(DecodeCallStarFrame(QByteArray("\x02" "9I0101\x03"))->channel, 9);
}

TEST(BoxFrames, BothBoxKindsRouteThroughAPseudoTerminal)
{
    CallerIdWorld world;
    FakeCallTargets targets;
    CallRouter router(targets);
    SetCallRouter(&router);
    G_COM_CID[0].iType = CidBox::kBurmi;
    G_COM_CID[1].iType = CidBox::kCallStar;
    G_COM_CID[1].CH[2] = "0000102";   // channel 3 of box 2: the quick store

    CallerIdSources sources;
    CallerIdStartDevices devices(nullptr);
    devices.chunk = [&sources](int slot, const QByteArray &bytes) { sources.serialChunk(slot, bytes); };
    PtyPair box1, box2;
    ASSERT_FALSE(box1.slaveName.isEmpty());
    ASSERT_EQ(devices.openCallerIdPort(1, box1.slaveName, 9600), QString());
    ASSERT_EQ(devices.openCallerIdPort(2, box2.slaveName, 19200), QString());

    box1.write(bytesOf({0x51, 0x50, 0x51, 0x50, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x5F}));
    ASSERT_TRUE(waitFor([&] { return targets.opened.size() == 1; }));
    EXPECT_EQ(targets.opened.at(0).stCode, QStringLiteral("0000101"));   // channel 2 unmapped: first store
    EXPECT_EQ(targets.opened.at(0).customerTel, FormatPhone(QStringLiteral("0102345678"), 0));

    box2.write(QByteArray("\x02" "3I0101234"));
    box2.write(QByteArray("5678\x03"));
    ASSERT_TRUE(waitFor([&] { return targets.opened.size() == 2; }));
    EXPECT_EQ(targets.opened.at(1).stCode, QStringLiteral("0000102"));
    EXPECT_EQ(targets.opened.at(1).slot, 5);
    EXPECT_EQ(targets.opened.at(1).customerTel, QStringLiteral("010-1234-5678"));
    SetCallRouter(nullptr);
}

TEST(BoxFrames, PortThatFailsToOpenReportsTheError)
{
    CallerIdStartDevices devices(nullptr);
    EXPECT_FALSE(devices.openCallerIdPort(1, QStringLiteral("/dev/no-such-cid-port"), 9600).isEmpty());
    EXPECT_FALSE(devices.openCallerIdPort(3, QStringLiteral("x"), 9600).isEmpty());
}
} // namespace
