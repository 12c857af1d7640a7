#include "common/message_box.h"
#include "start/close_routine.h"
#include "start/process_ops.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
class FakeProcessTable : public IProcessTable
{
public:
    QList<ProcessEntry> entries;
    QList<qint64> terminated;
    QStringList *journal = nullptr;
    QList<ProcessEntry> snapshot() override { return entries; }
    bool terminate(qint64 pid) override
    {
        terminated << pid;
        if (journal)
            journal->append(QStringLiteral("terminate %1").arg(pid));
        return true;
    }
    qint64 ownPid() const override { return 100; }
    qint64 ownUid() const override { return 1000; }
};

ProcessEntry proc(qint64 pid, const char *exe, qint64 uid, const char *comm = "")
{
    return ProcessEntry{pid, QString::fromLatin1(exe), QString::fromLatin1(comm), uid};
}

class CloseRoutineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = SetMsgBoxHandler([this](const QString &text, const QString &kind) {
            journal << QStringLiteral("box ") + kind + QLatin1Char(' ') + text;
            return 1;
        });
        table.journal = &journal;
        table.entries = {
            proc(100, "courier-desk", 1000),      // this process
            proc(101, "Courier-Desk", 1000),      // another copy of this user
            proc(102, "courier-desk", 1001),      // another user's copy: never touched
            proc(103, "WK_VIEW", 1000),           // the courier-view program
            proc(104, "bash", 1000),
            proc(105, "", 1000, "courier-desk"),  // program file unreadable, short name matches
            proc(106, "wk_view.exe", 1002),
        };
    }
    void TearDown() override { SetMsgBoxHandler(previous); }

    CloseSteps recordingSteps(bool telephoneLoggedIn)
    {
        CloseSteps s;
        auto rec = [this](const char *name) { return [this, name] { journal << QString::fromLatin1(name); }; };
        s.freeTcpClient = rec("freeTcpClient");
        s.stopTimers = rec("stopTimers");
        s.freeSharedLists = rec("freeSharedLists");
        s.freePrinterNamesAndNotices = rec("freePrinterNamesAndNotices");
        s.stopCallerIdServer = rec("stopCallerIdServer");
        s.freeProgressWindow = rec("freeProgressWindow");
        s.closeReceptionWindows = rec("closeReceptionWindows");
        s.resetBoardIndicators = rec("resetBoardIndicators");
        s.closeViewAndControlScreens = rec("closeViewAndControlScreens");
        s.closePrinters = rec("closePrinters");
        s.closeSubForms = rec("closeSubForms");
        s.telephoneLoggedIn = [telephoneLoggedIn] { return telephoneLoggedIn; };
        s.telephoneLogout = rec("telephoneLogout");
        s.freeOrderThreadLists = rec("freeOrderThreadLists");
        s.destroyStruct = rec("destroyStruct");
        s.endOwnProcess = rec("endOwnProcess");
        return s;
    }

    QStringList journal;
    FakeProcessTable table;
    MsgBoxHandler previous;
};
} // namespace

TEST_F(CloseRoutineTest, StepsRunInOrderAndOnlyThisUsersCopiesEnd)
{
    proc_Close(QStringLiteral("서버에서 종료 요청"), recordingSteps(true), table, QStringLiteral("courier-desk"));
    const QStringList expected = {
        "freeTcpClient", "stopTimers", "freeSharedLists", "freePrinterNamesAndNotices", "stopCallerIdServer",
        "freeProgressWindow", "closeReceptionWindows", "resetBoardIndicators", "closeViewAndControlScreens",
        "closePrinters", "closeSubForms", "telephoneLogout", "freeOrderThreadLists", "destroyStruct",
        "terminate 103", "box E 서버에서 종료 요청", "terminate 101", "terminate 105", "endOwnProcess"};
    EXPECT_EQ(journal, expected);
    EXPECT_FALSE(table.terminated.contains(100)) << "this process ends last, by its own step";
    EXPECT_FALSE(table.terminated.contains(102));
    EXPECT_FALSE(table.terminated.contains(106));
}

TEST_F(CloseRoutineTest, EmptyMessageShowsNothingAndNoTelephoneLogoutWithoutLogin)
{
    proc_Close(QString(), recordingSteps(false), table, QStringLiteral("courier-desk"));
    EXPECT_FALSE(journal.contains(QStringLiteral("telephoneLogout")));
    for (const QString &line : journal)
        EXPECT_FALSE(line.startsWith(QLatin1String("box"))) << line.toStdString();
    EXPECT_EQ(journal.last(), QStringLiteral("endOwnProcess"));
}

TEST_F(CloseRoutineTest, FailingStepStillEndsThisProcessButNoOtherCopy)
{
    CloseSteps steps = recordingSteps(false);
    steps.closePrinters = [] { throw std::runtime_error("port busy"); };
    proc_Close(QString(), steps, table, QStringLiteral("courier-desk"));
    EXPECT_FALSE(journal.contains(QStringLiteral("closeSubForms")));
    EXPECT_TRUE(table.terminated.isEmpty());
    EXPECT_EQ(journal.last(), QStringLiteral("endOwnProcess"));
}

TEST(ProcessOps, NameMatchingAndLookups)
{
    FakeProcessTable table;
    table.entries = {proc(7, "Courier-Desk", 1001), proc(8, "", 1000, "a-very-long-pro")};
    EXPECT_TRUE(Func_Process(table, QStringLiteral("COURIER-DESK.exe")));
    EXPECT_TRUE(Func_Process(table, QStringLiteral("a-very-long-program-name")));
    EXPECT_FALSE(Func_Process(table, QStringLiteral("courier")));
    EXPECT_FALSE(KillProcess(table, QStringLiteral("courier-desk"))) << "another user's process is not ours to end";
    EXPECT_TRUE(table.terminated.isEmpty());
}
