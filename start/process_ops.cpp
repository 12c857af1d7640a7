#include "start/process_ops.h"

#include "platform/process_control.h"

#include <QFileInfo>

#include <unistd.h>

namespace
{
QString withoutExe(const QString &name)
{
    return name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? name.left(name.size() - 4) : name;
}

// The shared process control of the platform layer, seen as the close routine's table. That
// control lists only this user's processes, so every entry carries this user's id.
class PlatformTable : public IProcessTable
{
public:
    QList<ProcessEntry> snapshot() override
    {
        QList<ProcessEntry> list;
        for (const ProcessInfo &p : ProcessControl().processes())
            list.append(ProcessEntry{p.pid, p.exeName.isEmpty() ? p.argv0 : p.exeName, p.comm,
                                     p.uid < 0 ? ownUid() : p.uid});
        return list;
    }
    bool terminate(qint64 pid) override { return ProcessControl().terminate(pid); }
    qint64 ownPid() const override { return ProcessControl().ownPid(); }
    qint64 ownUid() const override { return ::getuid(); }
};
} // namespace

IProcessTable &SystemProcessTable()
{
    static PlatformTable table;
    return table;
}

bool ProcessNameMatches(const ProcessEntry &entry, const QString &name)
{
    const QString wanted = withoutExe(QFileInfo(name).fileName());
    if (wanted.isEmpty())
        return false;
    if (!entry.exeName.isEmpty())
        return withoutExe(entry.exeName).compare(wanted, Qt::CaseInsensitive) == 0;
    // The kernel's short name is cut to 15 characters.
    return !entry.comm.isEmpty() && withoutExe(entry.comm).compare(wanted.left(15), Qt::CaseInsensitive) == 0;
}

bool KillProcess(IProcessTable &table, const QString &procName)
{
    bool result = false;
    for (const ProcessEntry &e : table.snapshot()) {
        if (e.pid == table.ownPid() || e.uid != table.ownUid() || e.uid < 0)
            continue;
        if (ProcessNameMatches(e, procName))
            result = table.terminate(e.pid);
    }
    return result;
}

bool Func_Process(IProcessTable &table, const QString &procName)
{
    for (const ProcessEntry &e : table.snapshot()) {
        if (ProcessNameMatches(e, procName))
            return true;
    }
    return false;
}
