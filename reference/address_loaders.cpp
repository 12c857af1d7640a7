#include "reference/address_loaders.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "reference/session_containers.h"
#include "platform/app_paths.h"
#include "records/address_tree.h"
#include "records/business_rules.h"
#include "records/message_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/address_region.h"
#include "text/text_helpers.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <exception>

namespace
{
const QString kRegionList = QStringLiteral("addr1.dat");

QString sysAddrCode()
{
    return QString::fromLatin1(kSysAddrCode);
}
} // namespace

QString RegionFileDir()
{
    if (!G_EXE_DIR.isEmpty() && QFileInfo::exists(G_EXE_DIR + QStringLiteral("DOC/") + kRegionList))
        return G_EXE_DIR + QStringLiteral("DOC/");
    return AppPaths::programDir() + QStringLiteral("DOC/");
}

void proc_Load_Addr(const std::function<void()> &progressStep)
{
    const QString dir = RegionFileDir();
    LoadRegionList(dir + kRegionList);
    if (progressStep)
        progressStep();
    int used = 0;
    for (TADDR_1 &province : G_ADDR_1) {
        const int number = ProvinceNumber(province.ADDR1);
        if (number == 0 || G_ADDR_AREA[number] != QLatin1String("Y"))
            continue;
        ++used;
        const QString path = dir + ProvinceFileName(number, G_USER_INFO.GUBUN);
        if (!QFileInfo::exists(path))
            continue;
        LoadAddressFile(province, path);
        if (progressStep)
            progressStep();
    }
    if (used == 0)
        MsgBox(QString::fromUtf8(kNoRegionMsg), QStringLiteral("I"));
}

void ParseSysAddr(const QStringList &pages)
{
    if (pages.isEmpty()) {
        WriteLog(sysAddrCode() + QStringLiteral(" ERR[NO RESULT]"));
        return;
    }
    for (int p = 0; p < pages.size(); ++p) {
        const QJsonDocument doc = QJsonDocument::fromJson(pages.at(p).toUtf8());
        if (!doc.isObject()) {
            WriteLog(sysAddrCode() + QStringLiteral(" Exception Err ") + QStringLiteral("reply page is not a JSON object"));
            return;
        }
        const QJsonObject page = doc.object();
        const QString outCode = JsonStr(page, QStringLiteral("OUT_CODE"));
        if (outCode != QLatin1String("1")) {
            WriteLog(sysAddrCode() + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':')
                     + JsonStr(page, QStringLiteral("OUT_MSG")));
            return;
        }
        const QJsonArray rows = page.value(QStringLiteral("OUT_ROW1")).toArray();
        for (int i = 0; i < rows.size(); ++i) {
            const QStringList fields = SplitUnescaped(G_FIELD_SEP, rows.at(i).toString());
            const QString origin = sysAddrCode() + QStringLiteral(" row ") + QString::number(i);
            if (fields.size() < 15) {
                WriteLog(origin + QStringLiteral(" skipped: short line (") + QString::number(fields.size())
                         + QStringLiteral(" fields)"));
                continue;
            }
            // The province's switch is found by the province's own number, whatever position the
            // province has in the tree.
            TADDR_1 *province = G_ADDR_1.find(fields.at(3));
            const int number = ProvinceNumber(fields.at(3));
            if (!province || number == 0 || G_ADDR_AREA[number] != QLatin1String("Y"))
                continue;
            AddAddressFields(*province, fields, true, origin);
        }
    }
}

void proc_Sys_Addr()
{
    try {
        const QString val = QString(G_USER_SET.WORD_ADDR_NO) + G_FIELD_SEP;
        ParseSysAddr(RequestList(G_TCP_CLIENT, sysAddrCode(), QStringLiteral("ADM3"), val, QStringLiteral("3000"), 30000));
    } catch (const std::exception &e) {
        WriteLog(sysAddrCode() + QStringLiteral(" Exception Err ") + QString::fromUtf8(e.what()));
    }
}

void FillProvinceAliases()
{
    G_SL_PROVINCE = G_PROVINCE_NAMES;
}

void RegisterAddressContainers()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RegisterSessionContainer(
        [] {
            FillProvinceAliases();
            G_ADDR_1.clear();
        },
        [] {
            G_SL_PROVINCE.clear();
            G_ADDR_1.clear();
        });
}
