#include "records/session_records.h"
#include "link/endpoint_lookup.h"
#include "reference/edition_table.h"
#include "start/start_globals.h"
#include "start/program_start.h"
#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QUuid>

TEST(ProgramStart, EditionRowAndVersionFromMode)
{
    SelectEdition();
    EXPECT_EQ(G_EDITION_IDX, 39);
    ApplyEditionGlobals(G_EDITION_IDX);
    EXPECT_EQ(G_PROGRAM_NAME, QStringLiteral("CourierDesk"));
    EXPECT_EQ(G_DEVICE.size(), 3);
    EXPECT_EQ(SettingsFileName(), QStringLiteral("CourierDesk_env.ini"));
    EXPECT_EQ(EditionManifestTag(0), QStringLiteral("T"));
    EXPECT_EQ(EditionManifestTag(39), QStringLiteral("39"));
    EXPECT_EQ(G_ED_MONEY_WORD[39], QStringLiteral("머니"));
    EXPECT_EQ(G_ED_RCV_AMT_LAYOUT[39].boxWidth, 227);

    const struct
    {
        const char *mode, *version, *modeCopy;
    } cases[] = {{"R", "1.3.01", "R"}, {"T", "1.3.1.1", "T"}, {"X", "unchanged", "Z"}};
    for (const auto &c : cases) {
        G_VERSION = QStringLiteral("unchanged");
        G_USER_INFO.GUBUN_MODE = QStringLiteral("Z");
        G_USER_INFO.GUBUN = QString::fromLatin1(c.mode);
        SetVersionFromMode();
        EXPECT_EQ(G_VERSION, QString::fromLatin1(c.version)) << c.mode;
        EXPECT_EQ(QString(G_USER_INFO.GUBUN_MODE), QString::fromLatin1(c.modeCopy)) << c.mode;
    }
    SetProductionMode();
    EXPECT_EQ(QString(G_USER_INFO.GUBUN), QStringLiteral("R"));

    // The lookup asks for "TS" only from the test build in production mode.
    EXPECT_EQ(EndpointLookupMode(), QStringLiteral("S"));
    ApplyEditionGlobals(0);
    EXPECT_EQ(EndpointLookupMode(), QStringLiteral("TS"));
    ApplyEditionGlobals(G_EDITION_IDX);
}

TEST(ProgramStart, SessionKeyIsTheDeviceCodeThenRandomDigitsAndNew)
{
    const QString device = G_DEVICE;
    G_DEVICE = QStringLiteral("CDT");
    BuildSessionKey();
    const QString first = G_SESSION_KEY;
    BuildSessionKey();
    EXPECT_EQ(first.size(), 32);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^CDT[0-9]{29}$")).match(first).hasMatch()) << first.toStdString();
    EXPECT_NE(first, G_SESSION_KEY);
    G_DEVICE = device;
}

TEST(ProgramStart, SessionContainersAreMadeInOrderAndFreedInReverse)
{
    QStringList journal;
    const int a = RegisterSessionContainer([&] { journal << "make A"; }, [&] { journal << "free A"; });
    const int b = RegisterSessionContainer([&] { journal << "make B"; }, [&] { journal << "free B"; });
    proc_CreateStruct();
    proc_DestroyStruct();
    EXPECT_EQ(journal, (QStringList{"make A", "make B", "free B", "free A"}));

    // Taken back, a pair is neither made nor freed again.
    UnregisterSessionContainer(a);
    UnregisterSessionContainer(b);
    journal.clear();
    proc_CreateStruct();
    proc_DestroyStruct();
    EXPECT_TRUE(journal.isEmpty());
}

TEST(ProgramStart, FileDateIsTwelveDigitsOrEmpty)
{
    EXPECT_TRUE(func_GetFileDate(QStringLiteral("/nonexistent/file")).isEmpty());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{12}$"))
                    .match(func_GetFileDate(QCoreApplication::applicationFilePath()))
                    .hasMatch());
}

TEST(SingleInstanceMarker, FirstSecondAndHandOver)
{
    const QString name = QStringLiteral("cd-test-") + QUuid::createUuid().toString(QUuid::Id128);
    auto *first = new SingleInstanceMarker(name);
    EXPECT_TRUE(first->acquire());
    auto *second = new SingleInstanceMarker(name);
    EXPECT_FALSE(second->acquire());
    EXPECT_FALSE(second->isHolder());

    // The holder ends while the second instance runs: the marker lives on in the second one.
    delete first;
    QDeadlineTimer deadline(5000);
    while (!second->isHolder() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(second->isHolder());
    SingleInstanceMarker third(name);
    EXPECT_FALSE(third.acquire());

    delete second;
    QCoreApplication::processEvents();
    // third takes over as well; once every instance is gone the next one is first again.
    deadline.setRemainingTime(5000);
    while (!third.isHolder() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(third.isHolder());
}

TEST(SingleInstanceMarker, FirstAgainAfterAllEnded)
{
    const QString name = QStringLiteral("cd-test-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        SingleInstanceMarker a(name);
        EXPECT_TRUE(a.acquire());
    }
    SingleInstanceMarker b(name);
    EXPECT_TRUE(b.acquire());
}
