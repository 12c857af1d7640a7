#include "settings/address_region.h"
#include "common/message_box.h"
#include "records/session_records.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

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
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("addr_info.ini"));
    G_ADDR_AREA.fill(QStringLiteral("Y"));
    ASSERT_TRUE(SaveAddrArea(QStringLiteral("R"), path));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
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
