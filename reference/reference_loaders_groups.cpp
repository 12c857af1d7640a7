// Delivery groups: the delivery-out list, the settings of the groups and their live state.
//
// Entries of G_DVRY_GRP_INFO are found by their group code, never by a code's position in the
// sorted out-group list: that list gains codes while entries are appended, and a position taken
// from it could name another group's entry.
#include "reference/reference_loaders.h"
#include "common/program_globals.h"

#include "common/daily_log.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "link/link_state.h"
#include "reference/reference_pages.h"
#include "reference/reference_state.h"
#include "records/session_records.h"

#include <QJsonDocument>

#include <algorithm>

namespace
{
const QString kOut = QString::fromLatin1(kDvryOutRequest);
const QString kInit = QString::fromLatin1(kDvryInitRequest);
const QString kMsg = QString::fromLatin1(kDvryMsgRequest);
const QString kInfo = QString::fromLatin1(kDvryInfoRequest);
constexpr int kSettingsColumns = 34;
constexpr int kLiveColumns = 40;

// Entry 0, the user's own group, made when it is not there yet.
void ensureOwnEntry()
{
    if (G_DVRY_GRP_INFO.isEmpty()) {
        TDVRY_GRP_INFO own;
        own.DVRY_TYPE_CD = G_USER_INFO.MNG_DVRY_TYPE_CD;
        G_DVRY_GRP_INFO.append(own);
    }
}

// Settings columns of the two group-settings requests.
void fillSettings(TDVRY_GRP_INFO &e, const ReplyRow &row, bool withCode, const QTime &now)
{
    if (withCode)
        e.DVRY_TYPE_CD = row.text(0);
    e.EX_YN = row.text(1);
    e.EX_CHARGE = row.text(2);
    e.EX_S_TIME = row.text(3);
    e.EX_E_TIME = row.text(4);
    e.STATUS_TYPE = row.text(5);
    e.ST_TEXT = row.text(6);
    e.DELAY_TIME = row.toInt(7, 0);
    e.BMNG_TIME = row.text(8);
    e.MNG_ETIME = row.text(9);
    e.MNG_STIME = row.text(10);
    e.VIEW_DATA = row.text(11);
    e.EX_WEEKDAY_YN = row.text(12);
    e.EX_WEEKDAY_DAY = row.text(13);
    e.EX_ADD_YN = row.text(14);
    e.EX_ADD_FEE = row.text(15);
    e.WK_CTH_TIME_YN = row.text(16);
    e.WK_CTH_TIME = row.text(17);
    e.WK_CTH_PICKUP_YN = row.text(18);
    e.WK_CTH_PICKUP_TIME = row.text(19);
    e.WK_CTH_PICKUP_CNT = row.text(20);
    e.EX_WEEKDAY_FEE = row.text(21);
    e.ADD_DELAY_TIME_YN = row.text(22);
    e.ONCE_CTH_CNT_YN = row.text(23);
    e.ONCE_CTH_CNT = row.text(24);
    e.EX_TIME_STR = row.text(30);
    e.MNG_YN = SupervisedHours(e, now);
    e.DVRY_LOCKTIME_CTH_YN = row.text(32);
    e.EX_ADD_TYPE = row.text(33);
}

void fillLive(TDVRY_GRP_INFO &e, const ReplyRow &row, const QTime &now)
{
    e.EX_YN = row.text(1);
    e.EX_CHARGE = row.text(2);
    e.EX_S_TIME = row.text(3);
    e.EX_E_TIME = row.text(4);
    e.STATUS_TYPE = row.text(5);
    e.WK_3001 = row.toInt(6, 0);
    e.WK_3003 = row.toInt(7, 0);
    e.WK_ATT_CNT = row.toInt(8, 0);
    e.ST_TEXT = row.text(9);
    e.DELAY_TIME = row.toInt(10, 0);
    e.BMNG_TIME = row.text(11);
    e.MNG_ETIME = row.text(12);
    e.MNG_STIME = row.text(13);
    e.VIEW_DATA = row.text(14);
    e.ST_2001 = row.toInt(15, 0);
    e.EX_WEEKDAY_YN = row.text(16);
    e.EX_WEEKDAY_DAY = row.text(17);
    e.EX_ADD_YN = row.text(18);
    e.EX_ADD_FEE = row.text(19);
    e.WK_CTH_TIME_YN = row.text(20);
    e.WK_CTH_TIME = row.text(21);
    e.WK_CTH_PICKUP_YN = row.text(22);
    e.WK_CTH_PICKUP_TIME = row.text(23);
    e.WK_CTH_PICKUP_CNT = row.text(24);
    e.EX_WEEKDAY_FEE = row.text(25);
    e.ADD_DELAY_TIME_YN = row.text(26);
    e.ONCE_CTH_CNT_YN = row.text(27);
    e.ONCE_CTH_CNT = row.text(28);
    if (row.count() > 36) {
        e.SH_WK_3001 = row.toInt(34, 0);
        e.SH_WK_3003 = row.toInt(35, 0);
        e.SH_ST_2001 = row.toInt(36, 0);
    }
    e.EX_TIME_STR = row.text(37);
    e.EX_ADD_TYPE = row.text(39);
    e.MNG_YN = SupervisedHours(e, now);
}
} // namespace

int DvryGrpIndex(const QString &code)
{
    if (code.isEmpty() || G_DVRY_GRP_INFO.isEmpty())
        return -1;
    if (code == G_USER_INFO.MNG_DVRY_TYPE_CD || G_DVRY_GRP_INFO.first().DVRY_TYPE_CD == code)
        return 0;
    for (int i = 1; i < G_DVRY_GRP_INFO.size(); ++i) {
        if (G_DVRY_GRP_INFO.at(i).DVRY_TYPE_CD == code)
            return i;
    }
    return -1;
}

bool SupervisedHours(const TDVRY_GRP_INFO &entry, const QTime &now)
{
    const QString start = entry.MNG_STIME.trimmed();
    const QString end = entry.MNG_ETIME.trimmed();
    if (entry.BMNG_TIME != QLatin1String("Y") || start.isEmpty() || end.isEmpty())
        return true;
    const QString t = now.toString(QStringLiteral("HHmm"));
    if (end >= start)
        return start <= t && t <= end;
    return t >= start || t <= end;  // across midnight
}

void proc_Dvry_Out_List()
{
    ApplyDvryOutPages(RequestReference(kOut, QStringLiteral("ADM1"),
                                       {G_USER_INFO.USER_TYPE_CD, G_USER_INFO.HD, G_USER_INFO.BR, G_USER_INFO.ST,
                                        QString(), QString()}));
}

void ApplyDvryOutPages(const QStringList &pages)
{
    if (pages.isEmpty()) {
        LogNoResult(kOut);
        return;
    }
    G_DVRY_OUT_LIST.clear();
    int rowNo = 0;
    ForEachReplyPage(kOut, pages, [&rowNo](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kOut, element, 11, ++rowNo, row))
                continue;
            TDVRY_LIST out;
            FillDvryOutRow(out, row);
            G_DVRY_OUT_LIST.append(out);
            AddSorted(gsl_Out_DVRY, out.DVRY_TYPE_CD);
        }
    });
}

void proc_Dvry_List_Init()
{
    ApplyDvryListInitPages(RequestReference(kInit, QStringLiteral("ADM3"),
                                            {G_USER_INFO.USER_TYPE_CD, G_USER_INFO.BR, G_USER_INFO.HD}),
                           QTime::currentTime());
}

void ApplyDvryListInitPages(const QStringList &pages, const QTime &now)
{
    if (pages.isEmpty()) {
        LogNoResult(kInit);
        return;
    }
    int rowNo = 0;
    ForEachReplyPage(kInit, pages, [&](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kInit, element, kSettingsColumns, ++rowNo, row))
                continue;
            const QString code = row.text(0);
            if (code.isEmpty())
                continue;
            ensureOwnEntry();
            int idx = DvryGrpIndex(code);
            if (idx < 0) {
                // A group not met yet: listed in code order and given its entry at the matching
                // place, so the entries keep following the sorted code list.
                const int pos = AddSorted(gsl_Out_DVRY, code);
                idx = std::clamp(pos + 1, 1, int(G_DVRY_GRP_INFO.size()));
                G_DVRY_GRP_INFO.insert(idx, TDVRY_GRP_INFO());
            }
            fillSettings(G_DVRY_GRP_INFO[idx], row, true, now);
        }
    });
}

void proc_Dvry_List_MSG(const QString &sDvryCD, int iIdx)
{
    if (sDvryCD.isEmpty())
        return;
    QString reply;
    RequestOne(G_TCP_CLIENT, kMsg, QStringLiteral("ADM3"), JoinRequestFields({sDvryCD}), QString(), QString(),
               kReferenceTimeoutMs, reply);
    ApplyDvryListMsgReply(sDvryCD, iIdx, reply, QTime::currentTime());
}

void ApplyDvryListMsgReply(const QString &sDvryCD, int iIdx, const QString &reply, const QTime &now)
{
    if (sDvryCD.isEmpty())
        return;
    if (reply.isEmpty()) {
        LogNoResult(kMsg);
        return;
    }
    ForEachReplyPage(kMsg, {reply}, [&](const QJsonObject &page) {
        const QJsonArray rows = PageRows(page);
        if (rows.isEmpty())
            return;
        ReplyRow row;
        // The single reply comes back already unescaped.
        if (!ReadReplyRow(kMsg, rows.first(), kSettingsColumns, 1, row, RowText::Raw))
            return;
        int idx = iIdx;
        if (idx < 0 || idx >= G_DVRY_GRP_INFO.size() || DvryGrpIndex(sDvryCD) != idx)
            idx = DvryGrpIndex(sDvryCD);
        if (idx >= 0)
            fillSettings(G_DVRY_GRP_INFO[idx], row, false, now);
    });
}

QString DvryInfoCodes()
{
    QString codes = G_USER_INFO.MNG_DVRY_TYPE_CD;
    for (int i = 1; i < G_DVRY_GRP_INFO.size(); ++i)
        codes += QLatin1Char(',') + G_DVRY_GRP_INFO.at(i).DVRY_TYPE_CD;
    return codes;
}

void proc_Dvry_info()
{
    if (G_DVRY_GRP_INFO.isEmpty())
        return;
    const QString codes = DvryInfoCodes();
    if (codes.isEmpty())
        return;
    ApplyDvryInfoPages(RequestReference(kInfo, QStringLiteral("CMM5"), {G_USER_INFO.ID, codes, G_DVRY_INFO_SYNC}),
                       QTime::currentTime());
}

void ApplyDvryInfoPages(const QStringList &pages, const QTime &now)
{
    if (pages.isEmpty()) {
        LogNoResult(kInfo);
        return;
    }
    int pageNo = 0;
    int rowNo = 0;
    ForEachReplyPage(kInfo, pages, [&](const QJsonObject &page) {
        if (pageNo++ == 0)
            G_DVRY_INFO_SYNC = page.value(QStringLiteral("OUT_VAL")).toVariant().toString();
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kInfo, element, kLiveColumns, ++rowNo, row))
                continue;
            // A group this session does not hold is not written into another group's entry.
            const int idx = DvryGrpIndex(row.text(0));
            if (idx >= 0)
                fillLive(G_DVRY_GRP_INFO[idx], row, now);
        }
        const QJsonArray periods = PageRows(page, QStringLiteral("OUT_ROW2"));
        if (periods.isEmpty())
            return;
        ReplyRow row;
        if (!ReadReplyRow(kInfo, periods.first(), 2, 0, row))
            return;
        G_DVRY_INFO_TICKS = std::clamp(row.toInt(0, 10), 3, 60);
        G_MSG_CHK_TICKS = std::clamp(row.toInt(1, 5), 3, 60);
    });
}
