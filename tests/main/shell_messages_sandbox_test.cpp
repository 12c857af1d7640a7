// The shell owns the message center: the order-page poll checks the server, and what arrives
// reaches the center's grid and plays the message sound.
#include "messages/messages_fixture.h"
#include "main/no_processes.h"

#include "start/close_routine.h"
#include "start/login.h"
#include "start/process_ops.h"
#include "start/program_start.h"
#include "main/shell_globals.h"
#include "main/shell_timers.h"
#include "main/ui/main_window.h"
#include "main/ui/sound_player.h"
#include "main/ui/start_forms.h"
#include "link/link_state.h"
#include "link/server_connection.h"
#include "link/tcp_client.h"

#include <QApplication>

namespace
{
class ShellMessagesTest : public MessagesSandboxTest
{
protected:
    void SetUp() override
    {
        MessagesSandboxTest::SetUp();
        previousTicks = SetShellTickSource(&ticks);
        previousOutput = SoundPlayer::SetOutput([this](const QString &file) { sounds << file; });
        SetCloseProcessTable(&table);
        CloseRoutineSteps().endOwnProcess = [] {};
        SelectEdition();
        SetProductionMode();
        ResetShellGlobals();
        InstallShellForms();
        G_MSG_FILE = messageFile();
        window = new TFRM_MAIN();
        window->Tag = 1;  // no initialization on show
        CreateStartForms(window);
        // The window makes the session's key as a program start does, so the link is opened
        // after it, as the login does; the session is then taken as initialized.
        FreeTcpClient(G_TCP_CLIENT);
        CreateTcpClient(G_TCP_CLIENT);
        ASSERT_TRUE(ConnectServer(G_TCP_CLIENT, G_SERVER_HOST, G_SERVER_PORT, 10000));
        G_REINIT_DONE = true;
    }
    void TearDown() override
    {
        window->Tag = 99;
        delete window;
        SoundPlayer::SetOutput(previousOutput);
        SetShellTickSource(previousTicks);
        G_MSG_FILE.clear();
        MessagesSandboxTest::TearDown();
    }

    ManualTickSource ticks;
    TickSource *previousTicks = nullptr;
    SoundPlayer::Output previousOutput;
    QStringList sounds;
    NoProcesses table;
    TFRM_MAIN *window = nullptr;
};
} // namespace

TEST_F(ShellMessagesTest, TheShellsTickPollsMessagesIntoItsCenter)
{
    ASSERT_NE(window->messageCenter, nullptr);
    window->StartShell();
    post(QJsonObject{{QStringLiteral("text"), QStringLiteral("배차 확인 부탁드립니다.")}});
    const int before = window->messageCenter->grid().rowCount();

    // The count starts at -1: the first check comes one tick after the period.
    ticks.advance(qint64(G_MSG_CHK_TICKS + 1) * 1000);
    QApplication::processEvents();

    EXPECT_EQ(window->messageCenter->grid().rowCount(), before + 1);
    EXPECT_TRUE(host->receivedRequestCodes().size() > 0);
    EXPECT_TRUE(sounds.isEmpty()) << "the first poll only takes the day's messages";

    // With the message alarm on, a message after the first poll plays the message sound.
    G_USER_SET.Alarm_Message = "1";
    post(QJsonObject{{QStringLiteral("text"), QStringLiteral("두 번째 메시지")}});
    // A poll starts the count again from -1.
    ticks.advance(qint64(G_MSG_CHK_TICKS + 1) * 1000);
    QApplication::processEvents();
    EXPECT_EQ(window->messageCenter->grid().rowCount(), before + 2);
    EXPECT_EQ(sounds.size(), 1);

    // Closing the shell stops the poll: time passing sends nothing more.
    window->StopTimers();
    host->clearReceived();
    ticks.advance(60 * 1000);
    EXPECT_TRUE(host->receivedRequestCodes().isEmpty());
}
