#include "settings/system_helpers.h"

#include "common/daily_log.h"
#include "settings/settings_file.h"
#include "platform/desktop_shortcut.h"

bool func_Link_Make(const QString &target, const QString &linkName)
{
    QString error;
    if (CreateDesktopShortcut(target, linkName, GetSpecialFolder(kFolderDesktop), &error))
        return true;
    WriteLog(QStringLiteral("func_Link_Make Err:") + error);
    return false;
}

bool WriteIniString(const QString &iniFile, const QString &section, const QString &key, const QString &value)
{
    TIniFile ini(iniFile);
    if (!ini.FileExists())
        return false;
    return ini.WriteString(section, key, value);
}
