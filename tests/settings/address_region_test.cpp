#include "settings/address_region.h"
#include "common/message_box.h"
#include "records/session_records.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>

namespace
{
// Leaves a socket file at path: it is there, but no one (not even the superuser) can open it to
// read, the way a file is that the user may not read.
bool placeUnopenableRegionFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    std::copy(name.begin(), name.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}
} // namespace

TEST(AddressRegion, MissingFileGivesEveryProvinceOff)
{
    QTemporaryDir dir;
    G_ADDR_AREA.fill(QStringLiteral("Y"));
    LoadAddrArea(QStringLiteral("R"), dir.filePath(QStringLiteral("addr_info.ini")));
    for (int i = 1; i <= kAddrAreaCount; ++i)
        EXPECT_EQ(G_ADDR_AREA[i], QStringLiteral("N")) << i;
    EXPECT_EQ(G_ADDR_AREA_NAMES[1], QStringLiteral("서울"));
    EXPECT_EQ(G_ADDR_AREA_NAMES[17], QStringLiteral("제주"));
}

TEST(AddressRegion, UnreadableFileKeepsTheChoicesSoFar)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("addr_info.ini"));
    G_ADDR_AREA.fill(QStringLiteral("Y"));
    // Whoever runs the test, the file is there and cannot be opened.
    ASSERT_TRUE(placeUnopenableRegionFile(path));
    LoadAddrArea(QStringLiteral("R"), path);
    EXPECT_EQ(G_ADDR_AREA[1], QStringLiteral("Y"));
    EXPECT_EQ(G_ADDR_AREA[17], QStringLiteral("Y"));
}

TEST(AddressRegion, EachModeKeepsItsOwnKeys)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("addr_info.ini"));
    G_ADDR_AREA.fill(QStringLiteral("N"));
    G_ADDR_AREA[1] = G_ADDR_AREA[17] = QStringLiteral("Y");
    ASSERT_TRUE(SaveAddrArea(QStringLiteral("R"), path));

    G_ADDR_AREA.fill(QStringLiteral("N"));
    G_ADDR_AREA[2] = QStringLiteral("Y");
    ASSERT_TRUE(SaveAddrArea(QStringLiteral("T"), path));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("[AREA]\nADDR1=Y\nADDR2=N\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ADDR17=Y\nTADDR1=N\nTADDR2=Y\n"))) << text.toStdString();

    LoadAddrArea(QStringLiteral("R"), path);
    EXPECT_EQ(G_ADDR_AREA[1], QStringLiteral("Y"));
    EXPECT_EQ(G_ADDR_AREA[2], QStringLiteral("N"));
    EXPECT_EQ(G_ADDR_AREA[17], QStringLiteral("Y"));
    LoadAddrArea(QStringLiteral("T"), path);
    EXPECT_EQ(G_ADDR_AREA[1], QStringLiteral("N"));
    EXPECT_EQ(G_ADDR_AREA[2], QStringLiteral("Y"));
    EXPECT_EQ(AddrAreaKey(QStringLiteral("R"), 5), QStringLiteral("ADDR5"));
    EXPECT_EQ(AddrAreaKey(QStringLiteral("T"), 12), QStringLiteral("TADDR12"));
}

TEST(AddressRegion, SaveButtonTellsTheOutcome)
{
    QStringList shown;
    const MsgBoxHandler previous = SetMsgBoxHandler([&](const QString &text, const QString &kind) {
        shown << kind + QLatin1Char(':') + text;
        return 1;
    });
    const QString previousDir = G_EXE_DIR;
    QTemporaryDir dir;
    G_EXE_DIR = dir.path() + QLatin1Char('/');
    G_ADDR_AREA.fill(QStringLiteral("Y"));
    EXPECT_TRUE(SaveAddrAreaAndTell(QStringLiteral("R")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("addr_info.ini"))));
    G_EXE_DIR = QStringLiteral("/nonexistent/folder/");
    EXPECT_FALSE(SaveAddrAreaAndTell(QStringLiteral("R")));
    G_EXE_DIR = previousDir;
    SetMsgBoxHandler(previous);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("I:") + QString::fromUtf8(kAddrAreaSavedMsg),
                                  QStringLiteral("I:") + QString::fromUtf8(kAddrAreaSaveFailedMsg)}));
}
