#include "settings/address_region.h"

#include "common/message_box.h"
#include "common/program_globals.h"
#include "settings/settings_file.h"
#include "platform/app_paths.h"

#include <QFile>
#include <QFileInfo>

std::array<QString, kAddrAreaCount + 1> G_ADDR_AREA;

const std::array<QString, kAddrAreaCount + 1> G_ADDR_AREA_NAMES = {
    QString(),          QStringLiteral("서울"), QStringLiteral("경기"), QStringLiteral("인천"),
    QStringLiteral("강원"), QStringLiteral("충북"), QStringLiteral("충남"), QStringLiteral("대전"),
    QStringLiteral("세종"), QStringLiteral("경북"), QStringLiteral("경남"), QStringLiteral("대구"),
    QStringLiteral("울산"), QStringLiteral("부산"), QStringLiteral("전북"), QStringLiteral("전남"),
    QStringLiteral("광주"), QStringLiteral("제주"),
};

namespace
{
const QString kSection = QStringLiteral("AREA");
}

QString AddrInfoPath()
{
    const QString base = G_EXE_DIR.isEmpty() ? AppPaths::dataDir() : G_EXE_DIR;
    return base + QStringLiteral("addr_info.ini");
}

QString AddrAreaKey(const QString &mode, int index)
{
    const QString prefix = mode == QLatin1String("T") ? QStringLiteral("T") : QString();
    return prefix + QStringLiteral("ADDR") + QString::number(index);
}

bool SaveAddrArea(const QString &mode, const QString &path)
{
    TIniFile ini(path);
    for (int i = 1; i <= kAddrAreaCount; ++i) {
        const QString value = G_ADDR_AREA[i] == QLatin1String("Y") ? QStringLiteral("Y") : QStringLiteral("N");
        if (!ini.WriteString(kSection, AddrAreaKey(mode, i), value))
            return false;
    }
    return true;
}

bool SaveAddrArea(const QString &mode)
{
    return SaveAddrArea(mode, AddrInfoPath());
}

void LoadAddrArea(const QString &mode, const QString &path)
{
    // A file that is there but cannot be read keeps the choices made so far rather than
    // switching every province off.
    // (Tried by opening it: the superuser passes every permission check and still cannot read a
    // socket or a folder in the file's place.)
    if (QFileInfo::exists(path) && !QFile(path).open(QIODevice::ReadOnly))
        return;
    const TIniFile ini(path);
    for (int i = 1; i <= kAddrAreaCount; ++i)
        G_ADDR_AREA[i] = ini.ReadString(kSection, AddrAreaKey(mode, i), QStringLiteral("N"));
}

void LoadAddrArea(const QString &mode)
{
    LoadAddrArea(mode, AddrInfoPath());
}

bool SaveAddrAreaAndTell(const QString &mode)
{
    const bool ok = SaveAddrArea(mode);
    MsgBox(QString::fromUtf8(ok ? kAddrAreaSavedMsg : kAddrAreaSaveFailedMsg), QStringLiteral("I"));
    return ok;
}
