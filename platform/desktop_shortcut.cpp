#include "platform/desktop_shortcut.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace
{
// Desktop-entry values escape backslashes and line breaks; Exec arguments are quoted.
QString entryValue(QString v)
{
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    v.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    v.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return v;
}

QString execValue(const QString &target)
{
    QString quoted = target;
    for (const char c : {'\\', '"', '`', '$'})
        quoted.replace(QLatin1Char(c), QStringLiteral("\\") + QLatin1Char(c));
    // Field codes start with "%", written "%%" to mean a literal percent sign.
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return entryValue(QLatin1Char('"') + quoted + QLatin1Char('"'));
}
} // namespace

QString GetSpecialFolder(int csidl)
{
    switch (csidl) {
    case kFolderDesktop:
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    case kFolderDocuments:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    default:
        return QString();
    }
}

QString DesktopShortcutPath(const QString &linkName, const QString &desktopDir)
{
    return QDir(desktopDir).filePath(linkName + QStringLiteral(".desktop"));
}

bool CreateDesktopShortcut(const QString &target, const QString &linkName, const QString &desktopDir,
                           QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (linkName.isEmpty() || linkName.contains(QLatin1Char('/')))
        return fail(QStringLiteral("invalid shortcut name: ") + linkName);
    if (desktopDir.isEmpty() || !QFileInfo(desktopDir).isDir())
        return fail(QStringLiteral("desktop folder not found: ") + desktopDir);
    const QString path = DesktopShortcutPath(linkName, desktopDir);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QString text = QStringLiteral("[Desktop Entry]\n")
                         + QStringLiteral("Type=Application\n")
                         + QStringLiteral("Name=") + entryValue(linkName) + QLatin1Char('\n')
                         + QStringLiteral("Exec=") + execValue(target) + QLatin1Char('\n')
                         + QStringLiteral("Path=") + entryValue(QFileInfo(target).absolutePath()) + QLatin1Char('\n')
                         + QStringLiteral("Terminal=false\n");
    file.write(text.toUtf8());
    if (!file.commit())
        return fail(file.errorString());
    // Desktops launch only entries marked executable by their owner.
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    if (error)
        error->clear();
    return true;
}
