#include "platform/process_control.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <unistd.h>

namespace
{
class FakeProcessControl : public IProcessControl
{
public:
    QList<ProcessInfo> list;
    QList<qint64> terminated;
    QList<QStringList> started;
    bool startOk = true;
    int exitCode = 0;

    QList<ProcessInfo> processes() const override { return list; }
    bool terminate(qint64 pid) override
    {
        terminated.append(pid);
        return pid != 666; // one process refuses
    }
    bool startDetached(const QString &program, const QStringList &args, const QString &, qint64 *pid) override
    {
        started.append(QStringList{program} + args);
        if (pid)
            *pid = 4242;
        return startOk;
    }
    int runAndWait(const QString &program, const QStringList &args) override
    {
        started.append(QStringList{program} + args);
        return startOk ? exitCode : -1;
    }
    qint64 ownPid() const override { return 100; }
};

ProcessInfo proc(qint64 pid, const QString &exe, const QString &comm = QString())
{
    ProcessInfo p;
    p.pid = pid;
    p.exeName = exe;
    p.comm = comm;
    p.uid = 1000;
    return p;
}

class ProcessControlTest : public ::testing::Test
{
protected:
    void SetUp() override { SetProcessControl(&m_fake); }
    void TearDown() override { SetProcessControl(nullptr); }
    FakeProcessControl m_fake;
};

TEST_F(ProcessControlTest, NamesMatchIgnoringCaseAndExeSuffix)
{
    const ProcessInfo p = proc(1, "ezHelpClientManager");
    EXPECT_TRUE(ProcessNameMatches(p, "ezhelpclientmanager.exe"));
    EXPECT_TRUE(ProcessNameMatches(p, "EZHELPCLIENTMANAGER"));
    EXPECT_TRUE(ProcessNameMatches(p, "/opt/x/ezHelpClientManager.EXE"));
    EXPECT_FALSE(ProcessNameMatches(p, "ezHelpClient"));
    EXPECT_FALSE(ProcessNameMatches(p, ""));
    // Without a readable program file the kernel's 15-character name is compared.
    EXPECT_TRUE(ProcessNameMatches(proc(2, "", "ezHelpClientMan"), "ezHelpClientManager.exe"));
    ProcessInfo script = proc(3, "python3");
    script.argv0 = "companion.exe";
    EXPECT_TRUE(ProcessNameMatches(script, "Companion.exe"));
}

TEST_F(ProcessControlTest, KillEndsEveryMatchButNeverItselfAndReportsTheLast)
{
    m_fake.list = {proc(100, "courier-desk"), proc(200, "Courier-Desk"), proc(300, "other"), proc(400, "courier-desk")};
    EXPECT_TRUE(KillProcessByName("courier-desk.exe"));
    EXPECT_EQ(m_fake.terminated, QList<qint64>({200, 400}));

    m_fake.terminated.clear();
    m_fake.list = {proc(400, "viewer"), proc(666, "viewer")};
    EXPECT_FALSE(KillProcessByName("viewer")) << "the last ending failed";
    EXPECT_EQ(m_fake.terminated.size(), 2);

    m_fake.terminated.clear();
    EXPECT_FALSE(KillProcessByName("nothing"));
    EXPECT_TRUE(m_fake.terminated.isEmpty());
    EXPECT_TRUE(IsProcessRunning("VIEWER.exe"));
    EXPECT_FALSE(IsProcessRunning("nothing"));
}

TEST_F(ProcessControlTest, RunProcessWaitsOrReportsThePid)
{
    m_fake.exitCode = 3;
    EXPECT_EQ(RunProcess("\"/opt/remote support/setup\" --quiet", true), 3);
    EXPECT_EQ(m_fake.started.last(), QStringList({"/opt/remote support/setup", "--quiet"}));
    qint64 pid = 0;
    EXPECT_EQ(RunProcess("viewer a b", false, &pid), -1);
    EXPECT_EQ(pid, 4242);
    m_fake.startOk = false;
    pid = 0;
    EXPECT_EQ(RunProcess("viewer", false, &pid), -1);
    EXPECT_EQ(pid, 0);
    EXPECT_EQ(RunProcess("viewer", true), -1);
    EXPECT_EQ(RunProcess("   ", true), -1);
}

TEST(LinuxProcessControlTest, ListsOnlyOurOwnProcessesIncludingThisOne)
{
    LinuxProcessControl control;
    const QList<ProcessInfo> list = control.processes();
    bool foundSelf = false;
    for (const ProcessInfo &p : list) {
        EXPECT_EQ(p.uid, qint64(::getuid())) << p.pid;
        if (p.pid == qint64(::getpid())) {
            foundSelf = true;
            EXPECT_EQ(p.exeName, QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        }
    }
    EXPECT_TRUE(foundSelf);
    EXPECT_FALSE(control.terminate(0)) << "0 would signal the whole process group";
    EXPECT_FALSE(control.terminate(-1));
}

TEST(LinuxProcessControlTest, KillsAStartedProgramByItsName)
{
    QTemporaryDir dir;
    const QString name = QStringLiteral("cdsleep%1").arg(::getpid());
    const QString program = dir.filePath(name);
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), program));
    LinuxProcessControl control;
    qint64 pid = 0;
    ASSERT_TRUE(control.startDetached(program, {QStringLiteral("30")}, dir.path(), &pid));
    ASSERT_GT(pid, 0);

    // The new process shows its program file once it has executed it.
    QDeadlineTimer listed(120000);
    while (!listed.hasExpired() && !IsProcessRunning(name.toUpper() + QStringLiteral(".exe")))
        QThread::msleep(10);
    ASSERT_TRUE(IsProcessRunning(name));
    EXPECT_TRUE(KillProcessByName(name.toUpper() + QStringLiteral(".exe")));

    QDeadlineTimer gone(120000);
    while (!gone.hasExpired() && ::kill(pid_t(pid), 0) == 0)
        QThread::msleep(10);
    EXPECT_NE(::kill(pid_t(pid), 0), 0) << "the program should have ended";
}
} // namespace
