#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Processes as the program needs them: list them, end those of a given program name, start
// another program. Ending is limited to the current user's processes, so the program can never
// signal a process of another user that happens to carry the same name.
struct ProcessInfo
{
    qint64 pid = 0;
    QString exeName; // file name of the program file, no folder (empty when unreadable)
    QString argv0;   // file name of the first command-line word (scripts, renamed links)
    QString comm;    // the kernel's short name (at most 15 characters)
    qint64 uid = -1; // real user id of the owner; -1 when unknown
};

class IProcessControl
{
public:
    virtual ~IProcessControl() = default;
    // The current user's processes (others' are not listed).
    virtual QList<ProcessInfo> processes() const = 0;
    // Asks the process to end; false when it could not be signalled.
    virtual bool terminate(qint64 pid) = 0;
    // Starts program with args in workDir without waiting; pid set on success.
    virtual bool startDetached(const QString &program, const QStringList &args, const QString &workDir,
                               qint64 *pid) = 0;
    // Starts program and waits for its end without limit; its exit code, -1 when it did not start
    // or crashed.
    virtual int runAndWait(const QString &program, const QStringList &args) = 0;
    virtual qint64 ownPid() const = 0;
};

// The running system (/proc, signals, QProcess).
class LinuxProcessControl : public IProcessControl
{
public:
    QList<ProcessInfo> processes() const override;
    bool terminate(qint64 pid) override;
    bool startDetached(const QString &program, const QStringList &args, const QString &workDir,
                       qint64 *pid) override;
    int runAndWait(const QString &program, const QStringList &args) override;
    qint64 ownPid() const override;
};

// The installed process control (the Linux one unless a test installed a fake).
IProcessControl &ProcessControl();
void SetProcessControl(IProcessControl *control);

// Whether a process carries the program name, ignoring case and a trailing ".exe" on either side.
bool ProcessNameMatches(const ProcessInfo &p, const QString &exeName);

// Ends every process of the current user with that program name (never this process itself);
// the result of the last ending, false when none matched.
bool KillProcessByName(const QString &exeName);
// Whether a process of that program name runs for the current user.
bool IsProcessRunning(const QString &exeName);

// Starts cmdLine (program and arguments split like a shell line). wait: waits for its end and
// returns its exit code. Otherwise pid is set and -1 returned. A start failure returns -1.
int RunProcess(const QString &cmdLine, bool wait, qint64 *pid = nullptr);

// Starts a companion program (the updater, viewers) from the program folder by its file name,
// without waiting. False when it is missing or does not start.
bool StartSiblingProgram(const QString &fileName, const QStringList &args = {});
