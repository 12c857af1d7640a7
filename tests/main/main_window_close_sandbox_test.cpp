// The assembled main window against the sandbox: a shutdown order from the server closes it, and
// its close routine releases the link before anything else.
#include "common/daily_log.h"
#include "main/no_processes.h"
#include "records/session_records.h"
#include "link/link_events.h"
#include "link/request_link.h"
#include "link/tcp_client.h"
#include "start/main_window_link.h"
#include "link/sandbox_link_fixture.h"
#include "start/close_routine.h"
#include "start/login.h"
#include "start/process_ops.h"
#include "start/program_start.h"
#include "main/ui/main_window.h"
#include "sandbox/link_faults.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPointer>

namespace
{
// The order board's side of the link, recording when its polling is switched off.
class RecordingBoard : public OrderBoardHooks
{
public:
    explicit RecordingBoard(QStringList *journal)
        : m_journal(journal)
    {
    }
    void setPollingEnabled(bool enabled) override
    {
        if (!enabled)
            *m_journal << (G_TCP_CLIENT ? QStringLiteral("polling off, link alive")
                                        : QStringLiteral("polling off, link freed"));
    }
    void setLinkPictureVisible(bool) override {}
    void loadServerPicture(int) override {}

private:
    QStringList *m_journal;
};

QString dailyLogText()
{
    QFile f(DailyLogPath());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// A real main window (offscreen, not initialized) whose shared connection is open on the sandbox.
// The close routine runs with its installed steps; only ending the process is replaced.
class MainWindowCloseTest : public SandboxLinkTest
{
protected:
    bool connectAtStart() const override { return false; }

    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        SetCloseProcessTable(&table);
        CloseRoutineSteps() = CloseSteps();
        CloseRoutineSteps().endOwnProcess = [this] { journal << QStringLiteral("end"); };
        TFRM_MAIN::SetInitializationHook({});
        previousBoard = SetOrderBoardHooks(&board);
        SelectEdition();
        SetProductionMode();
        window = new TFRM_MAIN();
        QApplication::restoreOverrideCursor();
        window->Tag = 1;  // shown without the start-up initialization
        window->show();
        window->SocketLink->proc_SocketConnect();
    }

    void TearDown() override
    {
        delete window;
        SetOrderBoardHooks(previousBoard);
        SetMainWindowCloser({});
        CloseRoutineSteps() = CloseSteps();
        SetCloseProcessTable(nullptr);
        ForgetSessionLogin();
        SandboxLinkTest::TearDown();
    }

    NoProcesses table;
    QStringList journal;
    RecordingBoard board{&journal};
    OrderBoardHooks *previousBoard = nullptr;
    TFRM_MAIN *window = nullptr;
};
} // namespace

TEST_F(MainWindowCloseTest, CallerStillHoldingTheClientAfterTheShutdownSendsNothing)
{
    TcpClient *held = G_TCP_CLIENT;
    ASSERT_NE(held, nullptr);
    LinkFaults faults;
    faults.status3Message = QStringLiteral("서버 점검");
    faults.once = true;
    host->setFaults(faults);
    const int connectionsBefore = host->connectionCount();

    RequestList(held, QStringLiteral("GR01_04_V01"), QStringLiteral("S"), QString(), QStringLiteral("100"), 5000);
    ASSERT_EQ(G_TCP_CLIENT, nullptr);
    // A caller that goes on with its copy (a loader with a second request) finds a retired client:
    // no reconnect, no request, and the object is still there until the event loop deletes it.
    EXPECT_TRUE(RequestList(held, QStringLiteral("GR01_04_V01"), QStringLiteral("S"), QString(), QStringLiteral("100"), 5000).isEmpty());
    EXPECT_EQ(host->connectionCount(), connectionsBefore);
    QPointer<TcpClient> watch(held);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
}

TEST_F(MainWindowCloseTest, ShutdownOrderShowsItsMessageThenClosesTheMainWindow)
{
    ASSERT_NE(G_TCP_CLIENT, nullptr);
    ASSERT_TRUE(G_CONNECTED);
    ASSERT_TRUE(window->isVisible());
    LinkFaults faults;
    faults.status3Message = QStringLiteral("서버 점검으로 접속을 종료합니다.");
    faults.once = true;
    host->setFaults(faults);

    SendKeepAlive();

    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].first, QStringLiteral("I"));
    EXPECT_EQ(boxes.shown[0].second, QStringLiteral("서버 점검으로 접속을 종료합니다.\r\n프로그램을 종료합니다."));
    // The window went through its close: closed, marked closing, the whole routine run.
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->Tag, 99);
    // The client's disconnected event leaves the board's poll running (it is what reconnects
    // after a server-side drop); the timer step switches it off once the link is freed.
    EXPECT_EQ(journal, (QStringList{QStringLiteral("polling off, link freed"), QStringLiteral("end")}));
    const QString logText = dailyLogText();
    EXPECT_TRUE(logText.contains(QStringLiteral("FormClose")));
    EXPECT_TRUE(logText.contains(QStringLiteral("Proc Close KillProcess Before")));
    // Nothing of the link is left running.
    EXPECT_EQ(G_TCP_CLIENT, nullptr);
    EXPECT_FALSE(G_CONNECTED);
    EXPECT_TRUE(G_LINK_FREE);
    EXPECT_FALSE(window->SocketLink->TmrSocketConnRetry.isActive());
}

TEST_F(MainWindowCloseTest, CloseStepsFreeTheLinkFirstAndNothingRunsWhileTheMessageIsShown)
{
    CloseSteps &steps = CloseRoutineSteps();
    ASSERT_TRUE(steps.freeTcpClient) << "the program installs the link's close step";
    ASSERT_TRUE(steps.stopTimers) << "the program installs the timers' close step";
    for (auto [step, name] : {std::pair{&steps.freeTcpClient, "free link"}, std::pair{&steps.stopTimers, "stop timers"},
                              std::pair{&steps.destroyStruct, "destroy struct"}}) {
        std::function<void()> inner = *step;
        *step = [this, inner, name] {
            journal << QString::fromLatin1(name);
            inner();
        };
    }
    SetMsgBoxHandler([this](const QString &text, const QString &kind) {
        QStringList state;
        state << (G_TCP_CLIENT ? "link alive" : "link freed")
              << (window->SocketLink->TmrSocketConnRetry.isActive() ? "retry running" : "retry stopped")
              << (G_USER_INFO.PW.isEmpty() ? "no password" : "password held");
        journal << kind + QLatin1Char(':') + text + QLatin1Char(' ') + state.join(QStringLiteral(", "));
        return 1;
    });
    ASSERT_NE(G_TCP_CLIENT, nullptr);
    window->SocketLink->TmrSocketConnRetry.start();
    KeepAcceptedLogin(QStringLiteral("tester│Secret#Pw1│"), QStringLiteral("Secret#Pw1"));

    proc_Close(QStringLiteral("로그인 유지시간이 만료되어 로그아웃 되었습니다."));

    const QStringList expected = {
        QStringLiteral("free link"),
        QStringLiteral("stop timers"),
        QStringLiteral("polling off, link freed"),
        QStringLiteral("destroy struct"),
        QStringLiteral("E:로그인 유지시간이 만료되어 로그아웃 되었습니다. link freed, retry stopped, no password"),
        QStringLiteral("end"),
    };
    EXPECT_EQ(journal, expected);
    EXPECT_EQ(G_TCP_CLIENT, nullptr);
    EXPECT_TRUE(AcceptedLoginPayload().isEmpty());
    EXPECT_FALSE(dailyLogText().contains(QStringLiteral("Secret#Pw1")));
}
