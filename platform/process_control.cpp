#include "platform/process_control.h"

#include "platform/app_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace
{
IProcessControl *g_control = nullptr;

QString withoutExe(const QString &name)
{
    return name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? name.left(name.size() - 4) : name;
}

qint64 realUid(const QString &procDir)
{
    QFile status(procDir + QStringLiteral("/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // Files under /proc report a size of 0, so read until the read itself ends.
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("Uid:")) {
            const QList<QByteArray> parts = line.mid(4).simplified().split(' ');
            bool ok = false;
            const qint64 uid = parts.isEmpty() ? -1 : parts.first().toLongLong(&ok);
            return ok ? uid : -1;
        }
    }
    return -1;
}

QString firstArgument(const QString &procDir)
{
    QFile cmdline(procDir + QStringLiteral("/cmdline"));
    if (!cmdline.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray all = cmdline.read(4096);
    const QByteArray first = all.left(all.indexOf('\0') < 0 ? all.size() : all.indexOf('\0'));
    return QFileInfo(QString::fromLocal8Bit(first)).fileName();
}
} // namespace

QList<ProcessInfo> LinuxProcessControl::processes() const
{
    QList<ProcessInfo> list;
    const qint64 me = ::getuid();
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (!ok)
            continue;
        const QString dir = QStringLiteral("/proc/") + entry;
        ProcessInfo p;
        p.pid = pid;
        p.uid = realUid(dir);
        if (p.uid != me)
            continue;
        p.exeName = QFileInfo(QFile::symLinkTarget(dir + QStringLiteral("/exe"))).fileName();
        p.argv0 = firstArgument(dir);
        QFile comm(dir + QStringLiteral("/comm"));
        if (comm.open(QIODevice::ReadOnly))
            p.comm = QString::fromLocal8Bit(comm.readAll()).trimmed();
        list.append(p);
    }
    return list;
}

bool LinuxProcessControl::terminate(qint64 pid)
{
    if (pid <= 0)
        return false; // 0 and negatives would signal whole process groups
    return ::kill(static_cast<pid_t>(pid), SIGTERM) == 0;
}

bool LinuxProcessControl::startDetached(const QString &program, const QStringList &args, const QString &workDir,
                                        qint64 *pid)
{
    return QProcess::startDetached(program, args, workDir, pid);
}

int LinuxProcessControl::runAndWait(const QString &program, const QStringList &args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, args);
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

qint64 LinuxProcessControl::ownPid() const { return ::getpid(); }

IProcessControl &ProcessControl()
{
    static LinuxProcessControl linuxControl;
    return g_control ? *g_control : linuxControl;
}

void SetProcessControl(IProcessControl *control) { g_control = control; }

bool ProcessNameMatches(const ProcessInfo &p, const QString &exeName)
{
    const QString wanted = withoutExe(QFileInfo(exeName).fileName());
    if (wanted.isEmpty())
        return false;
    for (const QString &name : {p.exeName, p.argv0}) {
        if (!name.isEmpty() && withoutExe(name).compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    }
    // The kernel's short name is cut to 15 characters.
    return p.exeName.isEmpty() && !p.comm.isEmpty()
           && withoutExe(p.comm).compare(wanted.left(15), Qt::CaseInsensitive) == 0;
}

bool KillProcessByName(const QString &exeName)
{
    IProcessControl &control = ProcessControl();
    bool result = false;
    for (const ProcessInfo &p : control.processes()) {
        if (p.pid == control.ownPid() || p.pid <= 0)
            continue;
        if (ProcessNameMatches(p, exeName))
            result = control.terminate(p.pid);
    }
    return result;
}

bool IsProcessRunning(const QString &exeName)
{
    for (const ProcessInfo &p : ProcessControl().processes()) {
        if (ProcessNameMatches(p, exeName))
            return true;
    }
    return false;
}

int RunProcess(const QString &cmdLine, bool wait, qint64 *pid)
{
    QStringList words = QProcess::splitCommand(cmdLine);
    if (words.isEmpty())
        return -1;
    const QString program = words.takeFirst();
    IProcessControl &control = ProcessControl();
    if (wait)
        return control.runAndWait(program, words);
    qint64 started = 0;
    if (!control.startDetached(program, words, QFileInfo(program).absolutePath(), &started))
        return -1;
    if (pid)
        *pid = started;
    return -1;
}

bool StartSiblingProgram(const QString &fileName, const QStringList &args)
{
    const QString dir = AppPaths::programDir();
    const QString path = QDir(dir).filePath(fileName);
    if (!QFileInfo(path).isFile())
        return false;
    qint64 pid = 0;
    return ProcessControl().startDetached(path, args, dir, &pid);
}
