#include "main/process_ops.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace
{
QString withoutExe(const QString &name)
{
    return name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? name.left(name.size() - 4) : name;
}

qint64 realUid(const QString &procDir)
{
    QFile status(procDir + QStringLiteral("/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    while (!status.atEnd()) {
        const QByteArray line = status.readLine();
        if (line.startsWith("Uid:")) {
            const QList<QByteArray> parts = line.mid(4).simplified().split(' ');
            return parts.isEmpty() ? -1 : parts.first().toLongLong();
        }
    }
    return -1;
}

class ProcTable : public IProcessTable
{
public:
    QList<ProcessEntry> snapshot() override
    {
        QList<ProcessEntry> list;
        const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &p : pids) {
            bool ok = false;
            const qint64 pid = p.toLongLong(&ok);
            if (!ok)
                continue;
            const QString dir = QStringLiteral("/proc/") + p;
            ProcessEntry e;
            e.pid = pid;
            e.exeName = QFileInfo(QFile::symLinkTarget(dir + QStringLiteral("/exe"))).fileName();
            QFile comm(dir + QStringLiteral("/comm"));
            if (comm.open(QIODevice::ReadOnly))
                e.comm = QString::fromLocal8Bit(comm.readAll()).trimmed();
            e.uid = realUid(dir);
            list << e;
        }
        return list;
    }
    bool terminate(qint64 pid) override { return ::kill(static_cast<pid_t>(pid), SIGTERM) == 0; }
    qint64 ownPid() const override { return ::getpid(); }
    qint64 ownUid() const override { return ::getuid(); }
};
} // namespace

IProcessTable &SystemProcessTable()
{
    static ProcTable table;
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
