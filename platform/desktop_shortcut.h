#pragma once

#include <QString>

// Desktop shortcuts as .desktop launcher files (the Linux form of a shell link).

// Special-folder identifiers the program uses.
constexpr int kFolderDesktop = 0;
constexpr int kFolderDocuments = 5;

// The path of a special folder of the current user; empty for an identifier we do not know.
QString GetSpecialFolder(int csidl);

// Writes linkName + ".desktop" in desktopDir, starting target with target's folder as working
// folder, replacing an existing file. False with error set when it cannot be written.
bool CreateDesktopShortcut(const QString &target, const QString &linkName, const QString &desktopDir,
                           QString *error);

// The shortcut's file path for a link name in desktopDir.
QString DesktopShortcutPath(const QString &linkName, const QString &desktopDir);
