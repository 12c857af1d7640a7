#include "platform/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{
QString g_dataDir;

QString withSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

bool isWritableDir(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}
} // namespace

namespace AppPaths
{
QString programDir()
{
    if (QCoreApplication::instance())
        return withSlash(QCoreApplication::applicationDirPath());
    return withSlash(QDir::currentPath());
}

QString dataDir()
{
    if (!g_dataDir.isEmpty())
        return g_dataDir;
    const QString home = qEnvironmentVariable("COURIER_DESK_HOME");
    if (!home.isEmpty()) {
        ensureDir(home);
        g_dataDir = withSlash(QDir(home).absolutePath());
    } else if (isWritableDir(programDir())) {
        g_dataDir = programDir();
    } else {
        QString xdg = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (xdg.isEmpty())
            xdg = QDir::homePath() + QStringLiteral("/.local/share/courier-desk");
        ensureDir(xdg);
        g_dataDir = withSlash(xdg);
    }
    return g_dataDir;
}

QString logDir() { return dataDir() + QStringLiteral("LOG/"); }
QString cidDir() { return dataDir() + QStringLiteral("CID/"); }
QString docDir() { return dataDir() + QStringLiteral("DOC/"); }
QString traceDir() { return dataDir() + QStringLiteral("1T/"); }

bool ensureDir(const QString &path)
{
    return QDir().mkpath(path);
}

void resetForTests()
{
    g_dataDir.clear();
}
} // namespace AppPaths
