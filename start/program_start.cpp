#include "start/program_start.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "records/session_records.h"
#include "link/endpoint_lookup.h"
#include "link/link_state.h"
#include "link/session_cipher.h"
#include "reference/edition_table.h"
#include "start/start_globals.h"
#include "platform/app_paths.h"
#include "platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>
#include <vector>

QByteArray G_RES_LOGO;
QByteArray G_RES_LOGIN_IMG3;
QByteArray G_RES_LOGIN_IMG4;

namespace
{
bool g_endRequested = false;

QByteArray readResource(const QString &name, const QString &type)
{
    if (name.isEmpty())
        return {};
    QFile f(QStringLiteral(":/edition/") + name + QLatin1Char('.') + type.toLower());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

void MarkInstance(SingleInstanceMarker &marker)
{
    G_FIRST_INSTANCE = marker.acquire() ? 1 : 0;
}

void SelectEdition()
{
    G_EDITION_IDX = kThisEdition;
}

void SetProductionMode()
{
    G_USER_INFO.GUBUN = QStringLiteral("R");
}

void ApplyEditionGlobals(int row)
{
    G_PROGRAM_NAME = G_ED_PROGRAM_NAME.at(row);
    // The endpoint lookup asks for the test server mode ("TS") when this is the test build.
    G_TEST_EDITION_PROGRAM_NAME = G_ED_PROGRAM_NAME.at(0);
    G_PROGRAM_TITLE = G_ED_TITLE.at(row);
    G_UPDATER_NAME = G_ED_UPDATER_NAME.at(row);
    G_DEVICE = G_ED_DEVICE.at(row);
}

void SetVersionFromMode()
{
    const QString mode = G_USER_INFO.GUBUN;
    if (mode == QLatin1String("R"))
        G_VERSION = QStringLiteral("1.3.01");
    else if (mode == QLatin1String("T"))
        G_VERSION = QStringLiteral("1.3.1.1");
    else
        return;
    G_USER_INFO.GUBUN_MODE = mode;
}

QString SettingsFileName()
{
    return G_PROGRAM_NAME + QStringLiteral("_env.ini");
}

QString func_GetFileDate(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return QString();
    const QDateTime t = info.lastModified();
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("yyyyMMddHHmm")) : QString();
}

void SetSeparatorAndFormats()
{
    G_FIELD_SEP = QString(QChar(0x2502));
    G_FMT = TFormatSettings();
}

void ResetLinkCounters()
{
    G_CONNECTED = false;
    G_IDLE_TICKS = 0;
}

void ChooseInterfaceLanguage()
{
    G_LANGUAGE = QStringLiteral("0001");
    SetLanguageTexts();
}

void SetFolderGlobals(const QString &baseDir, const QDate &today)
{
    G_EXE_DIR = baseDir;
    if (!G_EXE_DIR.endsWith(QLatin1Char('/')))
        G_EXE_DIR += QLatin1Char('/');
    G_LOG_DIR = G_EXE_DIR + QStringLiteral("LOG/");
    G_CID_DIR = G_EXE_DIR + QStringLiteral("CID/");
    G_IMG_DIR = G_EXE_DIR + QStringLiteral("IMG/");
    G_LOG_FILE = G_LOG_DIR + today.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log");
    G_INI_PATH = G_EXE_DIR + SettingsFileName();
    // The start lines follow at once; without the folder the first start would lose them.
    AppPaths::ensureDir(G_LOG_DIR);
}

void WriteStartLines()
{
    WriteLog(QStringLiteral("---------- START PROGRAM ") + G_ED_PROGRAM_NAME.at(G_EDITION_IDX)
             + QStringLiteral(" ----------"));
    WriteLog(QStringLiteral("Program Main FormCreate"));
    WriteLog(QStringLiteral("Program Version Info : ") + G_VERSION);
}

void CreateWorkFolders()
{
    for (const QString &dir : {G_LOG_DIR, G_CID_DIR, G_IMG_DIR, G_EXE_DIR + QStringLiteral("GOODS/")})
        AppPaths::ensureDir(dir);
}

void BuildSessionKey()
{
    // The edition's device code, then random digits: a clock time in their place could be
    // guessed. The key is never written to a log.
    G_SESSION_KEY = SessionCipher::makeSessionKey(G_DEVICE);
}

bool ProgramEndRequested()
{
    return g_endRequested;
}

void RequestProgramEnd()
{
    g_endRequested = true;
}

void ResetProgramEndRequest()
{
    g_endRequested = false;
}

void OpenEditionPictures(int row)
{
    G_RES_LOGO = readResource(G_ED_LOGO_NAME.at(row), G_ED_LOGO_TYPE.at(row));
    G_RES_LOGIN_IMG3 = readResource(G_ED_LOGIN_IMG3.at(row), EditionLoginImageType(row, 3));
    G_RES_LOGIN_IMG4 = readResource(G_ED_LOGIN_IMG4.at(row), EditionLoginImageType(row, 4));
}
