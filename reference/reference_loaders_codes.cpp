// Code tables, their pick lists and cancel menus, and the server configuration.
#include "reference/reference_loaders.h"

#include "common/daily_log.h"
#include "reference/edition_table.h"
#include "reference/page_addresses.h"
#include "reference/reference_pages.h"
#include "reference/reference_state.h"
#include "records/session_records.h"

namespace
{
const QString kSysCodeText = QString::fromLatin1(kSysCodeRequest);
const QString kCodeList = QString::fromLatin1(kCodeListRequest);
const QString kConfig = QString::fromLatin1(kConfigRequest);
const QString kAdm3 = QStringLiteral("ADM3");

void addUnique(QStringList &list, const QString &code)
{
    if (!list.contains(code))
        list.append(code);
}

// Columns 0 to 10 of a code row (DT_VALUE3 belongs to the list requests only).
TCOM_CODE_LIST systemCodeRow(const ReplyRow &row)
{
    TCOM_CODE_LIST rec;
    FillComCodeRow(rec, row);
    rec.DT_VALUE3.clear();
    return rec;
}

void routeSystemCode(const TCOM_CODE_LIST &rec)
{
    const QString sy = rec.SY_CODE;
    const bool active = rec.DATA_STATUS == QLatin1String("1");
    if (sy == QLatin1String("O8")) {
        if (active)
            CCB_O8.add(rec.DT_CODE, rec.DT_NAME);
    } else if (sy == QLatin1String("O1")) {
        CCB_O1.add(rec.DT_CODE, rec.DT_NAME);
    } else if (sy == QLatin1String("O7")) {
        CCB_O7.add(rec.DT_CODE, rec.DT_NAME);
    } else if (sy == QLatin1String("02")) {
        // Statuses are preloaded with their images; the server only adds the ones missing.
        if (!CCB_O2.contains(rec.DT_CODE))
            CCB_O2.add(rec.DT_CODE, rec.DT_CODE == QLatin1String("2001") ? QStringLiteral("요청") : rec.DT_NAME);
    } else if (sy == QLatin1String("O4")) {
        if (active) {
            CCB_O4.add(rec.DT_CODE, rec.DT_NAME);
            if (rec.DT_VALUE == QLatin1String("1"))
                CCB_O4_1.add(rec.DT_CODE, rec.DT_NAME);
        }
    } else if (sy == QLatin1String("WA")) {
        CCB_WA.add(rec.DT_CODE, rec.DT_NAME);
    } else if (sy == QLatin1String("VT")) {
        CCB_VAN.add(rec.DT_CODE, rec.DT_NAME);
    }
}

void buildCancelMenus()
{
    TCancelMenus &m = G_CANCEL_MENUS;
    m.boardCancel.clear();
    m.acceptCancel.clear();
    m.acceptQuickCancel.clear();
    m.NStatusCancel.clear();
    // The other two status menus are only appended to: the loader runs once after login.
    constexpr int kCancelled = 4002;
    for (const CodeNameItem &reason : CCB_O4.items()) {
        bool ok = false;
        int tag = reason.value.toInt(&ok);
        if (!ok)
            tag = 1001;
        m.boardCancel.append({reason.description, tag, QString(), 0});
        m.NStatusCancel.append({reason.description, kCancelled, reason.value, 0});
        m.NStatusCancelNAcc.append({reason.description, kCancelled, reason.value, 1});
        m.mnDayChg4002.append({reason.description, kCancelled, reason.value, 1});
        m.acceptCancel.append({reason.description, tag, QString(), 0});
        m.acceptQuickCancel.append({reason.description, tag, QString(), 0});
    }
}

bool isEdition2Program()
{
    const QString &name = G_ED_PROGRAM_NAME.at(2);
    return !name.isEmpty() && G_PROGRAM_NAME == name;
}

// A configured page address replaces the default only when it is a web page address.
void takeUrl(QString &target, const TCONFIG_CODE_LIST &rec)
{
    if (!IsWebPageUrl(rec.CFG_VALUE)) {
        WriteLog(kConfig + QStringLiteral(" URL Refused ") + rec.CFG_NAME);
        return;
    }
    target = rec.CFG_VALUE;
}

void applyPageAddress(const TCONFIG_CODE_LIST &rec)
{
    const QString name = rec.CFG_NAME;
    const bool ed2 = isEdition2Program();
    const int ed = G_EDITION_IDX;
    const auto is = [&name](const char *n) { return name == QLatin1String(n); };
    if (is("ADMIN_PAGE")) {
        if (!ed2)
            takeUrl(G_URL_ADMIN_PAGE, rec);
    } else if (is("ADMIN_PAGE_YOK")) {
        if (ed2)
            takeUrl(G_URL_ADMIN_PAGE, rec);
    } else if (is("ADMIN_PAGE2")) {
        if (!ed2)
            takeUrl(G_URL_ADMIN_PAGE2, rec);
    } else if (is("ADMIN_PAGE_HOZ")) {
        if ((ed >= 20 && ed <= 23) || (ed >= 29 && ed <= 32))
            takeUrl(G_URL_ADMIN_PAGE_HOZ, rec);
    } else if (is("ADMIN_PAGE_DUXEL")) {
        if (ed == 24)
            takeUrl(G_URL_ADMIN_PAGE_DUXEL, rec);
    } else if (is("ADMIN_PAGE_SPELK")) {
        if (ed == 27)
            takeUrl(G_URL_ADMIN_PAGE_SPELK, rec);
    } else if (is("ADMIN_PAGE_PISKA")) {
        if (ed == 33 || ed == 37)
            takeUrl(G_URL_ADMIN_PAGE_PISKA, rec);
    } else if (is("WORK_ATTEND")) {
        if (!ed2)
            takeUrl(G_URL_WORK_ATTEND, rec);
    } else if (is("WORK_ATTEND_YOK")) {
        if (ed2)
            takeUrl(G_URL_WORK_ATTEND, rec);
    } else {
        const struct { const char *name; QString *target; } always[] = {
            {"ADDR_MAP", &G_URL_ADDR_MAP},
            {"ADDR_WK_VIEW", &G_URL_ADDR_WK_VIEW},
            {"STORE_AROUND_DELIVERY", &G_URL_STORE_AROUND_DELIVERY},
            {"WORK_CONTROL", &G_URL_WORK_CONTROL},
            {"WORK_CONTROL2", &G_URL_WORK_CONTROL2},
            {"MAIN_HOME", &G_URL_MAIN_HOME},
            {"POLYGON_VIEW", &G_URL_POLYGON_VIEW},
            {"POLYGON_DRAW", &G_URL_POLYGON_DRAW},
            {"ADDR_SEARCH2", &G_URL_ADDR_SEARCH2},
            {"ADDR_WORD_ADD", &G_URL_ADDR_WORD_ADD},
            {"IMAGE_FILE_DEL", &G_URL_IMAGE_FILE_DEL},
            {"IMAGE_FILE_UP", &G_URL_IMAGE_FILE_UP},
            {"IMAGE_FILE_DOWN", &G_URL_IMAGE_FILE_DOWN},
            {"PAY_SEND_URL", &G_URL_PAY_SEND_URL},
        };
        for (const auto &a : always) {
            if (is(a.name)) {
                takeUrl(*a.target, rec);
                return;
            }
        }
    }
}

void applyTimeWindow(const TCONFIG_CODE_LIST &rec)
{
    const QString value = rec.CFG_VALUE;
    if (value.size() != 8)
        return;
    if (rec.CFG_NAME == QLatin1String("STATS_LIMIT_TIME")) {
        G_STATS_LIMIT_FROM = value.left(4);
        G_STATS_LIMIT_TO = value.mid(4);
    } else if (rec.CFG_NAME == QLatin1String("CASH_LIMIT_TIME")) {
        G_CASH_LIMIT_FROM = value.left(4);
        G_CASH_LIMIT_TO = value.mid(4);
    }
}

void applyConfigRow(const TCONFIG_CODE_LIST &rec)
{
    const QString type = rec.CFG_TYPE;
    if (type == QLatin1String("MAPGUBUN"))
        return;
    if (type == QLatin1String("CID"))
        CCB_CID.add(rec.CFG_VALUE, rec.CFG_NAME);
    else if (type == QLatin1String("CAURL"))
        applyPageAddress(rec);
    else if (type == QLatin1String("CALOG"))
        takeUrl(G_URL_CALOG, rec);
    else if (type == QLatin1String("ATIM"))
        applyTimeWindow(rec);
    else if (type == QLatin1String("BRCONTRACT"))
        G_BRCONTRACT = rec.CFG_VALUE;
}
} // namespace

int PathTag(const QString &dtValue2)
{
    bool ok = false;
    const int n = dtValue2.left(3).toInt(&ok);
    return ok ? n : 110;
}

void proc_syscode()
{
    ApplySysCodePages(RequestReference(kSysCodeText, kAdm3, {QString(), QString(), QString(), QString(), QString()}));
}

void ApplySysCodePages(const QStringList &pages)
{
    if (pages.isEmpty()) {
        LogNoResult(kSysCodeText);
        return;
    }
    G_COM_CODE_LIST.clear();
    for (CodeNameTable *t : {&CCB_O8, &CCB_O7, &CCB_O1, &CCB_O4, &CCB_WA, &CCB_VAN})
        t->clear();
    int rowNo = 0;
    const PageLoopEnd end = ForEachReplyPage(kSysCodeText, pages, [&rowNo](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kSysCodeText, element, 11, ++rowNo, row))
                continue;
            G_COM_CODE_LIST.append(systemCodeRow(row));
            routeSystemCode(G_COM_CODE_LIST.last());
        }
    });
    if (end == PageLoopEnd::Exception)
        return;
    NotifyReference(ReferenceEvent::CodeTablesLoaded);
    buildCancelMenus();
    NotifyReference(ReferenceEvent::CancelMenusBuilt);
}

void procO3List()
{
    ApplyCodeListPages(QStringLiteral("O3"),
                       RequestReference(kCodeList, kAdm3, {QStringLiteral("O3"), QString(), QString(), QString(), QString(), QString()}));
}

void procPTList()
{
    ApplyCodeListPages(QStringLiteral("PT"),
                       RequestReference(kCodeList, kAdm3, {QStringLiteral("PT"), QString(), QString(), QString(), QString(), QString()}));
}

void ApplyCodeListPages(const QString &listCode, const QStringList &pages)
{
    if (pages.isEmpty()) {
        LogNoResult(kCodeList);
        return;
    }
    CodeNameTable &pick = listCode == QLatin1String("PT") ? CCB_PT : CCB_O3;
    int rowNo = 0;
    const PageLoopEnd end = ForEachReplyPage(kCodeList, pages, [&](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kCodeList, element, 15, ++rowNo, row))
                continue;
            TCOM_CODE_LIST rec;
            FillComCodeRow(rec, row);
            G_COM_CODE_LIST.append(rec);
            const QString code = row.text(2);
            if (row.text(11) == QLatin1String("1"))
                addUnique(G_SL_O3_COL11, code);
            if (row.text(14) == QLatin1String("0"))
                addUnique(G_SL_O3_COL14, code);
            if (rec.DT_VALUE2.size() >= 12 && rec.DT_VALUE2.at(11) == QLatin1Char('2'))
                addUnique(G_SL_O3_VAL2, code);
            if (rec.SY_CODE == listCode && rec.DATA_STATUS == QLatin1String("1"))
                pick.add(rec.DT_CODE, rec.DT_NAME, -1, PathTag(rec.DT_VALUE2));
        }
    });
    if (end != PageLoopEnd::Exception)
        NotifyReference(ReferenceEvent::CodeTablesLoaded);
}

void proc_GetCodeList(const QString &group)
{
    for (const TCOM_CODE_LIST &row : G_COM_CODE_LIST) {
        if (row.SY_CODE == group)
            return;
    }
    ApplyGetCodeListPages(RequestReference(kCodeList, kAdm3, {group, QString(), QString(), QString(), QString(), QString()}));
}

void ApplyGetCodeListPages(const QStringList &pages)
{
    if (pages.isEmpty()) {
        LogNoResult(kCodeList);
        return;
    }
    int rowNo = 0;
    ForEachReplyPage(kCodeList, pages, [&rowNo](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (ReadReplyRow(kCodeList, element, 11, ++rowNo, row))
                G_COM_CODE_LIST.append(systemCodeRow(row));
        }
    });
}

void proc_Com_CS_Code()
{
    ApplyConfigPages(RequestReference(kConfig, kAdm3, {QString(), QString(), QStringLiteral("1"), QString()}));
}

void ApplyConfigPages(const QStringList &pages)
{
    if (pages.isEmpty()) {
        LogNoResult(kConfig);
        return;
    }
    G_CONFIG_CODE_LIST.clear();
    CCB_CID.clear();
    int rowNo = 0;
    ForEachReplyPage(kConfig, pages, [&rowNo](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kConfig, element, 6, ++rowNo, row))
                continue;
            TCONFIG_CODE_LIST rec;
            FillConfigCodeRow(rec, row);
            G_CONFIG_CODE_LIST.append(rec);
            G_USER_INFO.MAP_GUBUN = QStringLiteral("1");
            applyConfigRow(rec);
        }
    });
}
