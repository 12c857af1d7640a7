#pragma once

#include <QList>
#include <QString>

// The process list as the close routine and the companion-program checks need it.
struct ProcessEntry
{
    qint64 pid = 0;
    QString exeName;  // file name of the program, no folder (empty when it cannot be read)
    QString comm;     // the short name the kernel reports
    qint64 uid = -1;  // owner (real user id)
};

class IProcessTable
{
public:
    virtual ~IProcessTable() = default;
    virtual QList<ProcessEntry> snapshot() = 0;
    // Asks the process to end (SIGTERM). False when it could not be signalled.
    virtual bool terminate(qint64 pid) = 0;
    virtual qint64 ownPid() const = 0;
    virtual qint64 ownUid() const = 0;
};

// The running system's table (the platform's process control).
IProcessTable &SystemProcessTable();

// True when the entry's program file name is name, compared without regard to case; a trailing
// ".exe" on either side is ignored so that the names the program uses match the Linux builds.
bool ProcessNameMatches(const ProcessEntry &entry, const QString &name);

// Ends every other process of that file name that belongs to this user; processes of other
// users are never signalled, and this process is not ended here (the caller ends it in order).
// The result is the outcome of the last termination, false when none matched.
bool KillProcess(IProcessTable &table, const QString &procName);
// True when a process of that file name runs (any user).
bool Func_Process(IProcessTable &table, const QString &procName);
