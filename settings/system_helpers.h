#pragma once

#include <QString>

// Desktop shortcut in the user's desktop folder: linkName + ".desktop" starting target. On
// failure logs "func_Link_Make Err:" with the reason and returns false.
bool func_Link_Make(const QString &target, const QString &linkName);

// Writes the value only when iniFile exists (it is never created); true when written.
bool WriteIniString(const QString &iniFile, const QString &section, const QString &key, const QString &value);
