#include "platform/desktop_shortcut.h"
#include "platform/system_info.h"
#include "platform/trash.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

TEST(DesktopShortcutTest, WritesALauncherWithTheTargetFolderAsWorkingFolder)
{
    QTemporaryDir desktop;
    QString error = "stale";
    ASSERT_TRUE(CreateDesktopShortcut("/opt/remote support/manager", "관리자_원격지원", desktop.path(), &error));
    EXPECT_TRUE(error.isEmpty());
    const QString path = DesktopShortcutPath("관리자_원격지원", desktop.path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("Name=관리자_원격지원\n"));
    EXPECT_TRUE(text.contains("Exec=\"/opt/remote support/manager\"\n"));
    EXPECT_TRUE(text.contains("Path=/opt/remote support\n"));
    EXPECT_TRUE(QFileInfo(path).permissions() & QFileDevice::ExeOwner);

    // An existing shortcut is replaced.
    ASSERT_TRUE(CreateDesktopShortcut("/usr/bin/other", "관리자_원격지원", desktop.path(), &error));
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(f.readAll()).contains("Exec=\"/usr/bin/other\"\n"));
}

TEST(DesktopShortcutTest, FailsWithAReasonWhenTheFolderIsMissingOrTheNameIsAPath)
{
    QTemporaryDir desktop;
    QString error;
    EXPECT_FALSE(CreateDesktopShortcut("/usr/bin/x", "a", desktop.filePath("missing"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(CreateDesktopShortcut("/usr/bin/x", "../escape", desktop.path(), &error));
    EXPECT_FALSE(QFileInfo::exists(desktop.filePath("../escape.desktop")));
}

TEST(DesktopShortcutTest, SpecialFolders)
{
    EXPECT_FALSE(GetSpecialFolder(kFolderDesktop).isEmpty());
    EXPECT_TRUE(GetSpecialFolder(12345).isEmpty());
}

TEST(TrashTest, MovesAFileToTheUsersTrash)
{
    QTemporaryDir home;
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
    QDir().mkpath(home.filePath("data"));
    const QString file = home.filePath("old.log");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();

    QString error;
    EXPECT_TRUE(MoveToTrash(file, &error)) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(QFileInfo::exists(home.filePath("data/Trash/files/old.log")));

    EXPECT_FALSE(MoveToTrash(home.filePath("missing.log"), &error));
    EXPECT_FALSE(error.isEmpty());
    if (oldData.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldData);
}

TEST(SystemInfoTest, VersionAndArchitecture)
{
    bool ok = false;
    EXPECT_GT(GetWinMajorVersion().toInt(&ok), 0);
    EXPECT_TRUE(ok);
    EXPECT_EQ(IsWin64(), sizeof(void *) == 8);
}

TEST(SystemInfoTest, WaitKeepsEventsFlowing)
{
    bool fired = false;
    QTimer::singleShot(0, [&fired] { fired = true; });
    QElapsedTimer t;
    t.start();
    WaitMs(30);
    EXPECT_GE(t.elapsed(), 30);
    EXPECT_TRUE(fired);
    t.restart();
    WaitMs(0);
    EXPECT_LT(t.elapsed(), 1000);
}
