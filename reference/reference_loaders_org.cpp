// Head offices with their branches, and the order-sharing rules between delivery groups.
#include "reference/reference_loaders.h"

#include "reference/reference_pages.h"
#include "reference/reference_state.h"
#include "orders/order_globals.h"
#include "records/session_records.h"

namespace
{
const QString kHd = QString::fromLatin1(kHdListRequest);
const QString kBr = QString::fromLatin1(kBrListRequest);
const QString kShare = QString::fromLatin1(kShareListRequest);
const QString kAdm1 = QStringLiteral("ADM1");

QStringList scopeFields()
{
    return {G_USER_INFO.USER_TYPE_CD, G_USER_INFO.HD, G_USER_INFO.BR, G_USER_INFO.ST, QString()};
}

void addCodeOnce(QStringList &list, const QString &code)
{
    if (!list.contains(code))
        list.append(code);
}
} // namespace

void proc_HdList()
{
    ApplyHdListPages(RequestReference(kHd, kAdm1, scopeFields()));
}

void ApplyHdListPages(const QStringList &pages)
{
    if (pages.isEmpty()) {
        LogNoResult(kHd);
        return;
    }
    // Head offices are kept by code, so no empty entries are left behind for skipped rows.
    G_HD_LIST.clear();
    NotifyReference(ReferenceEvent::HeadOfficesLoading);
    int rowNo = 0;
    ForEachReplyPage(kHd, pages, [&rowNo](const QJsonObject &page) {
        GS_CHK_STNO.clear();
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kHd, element, 8, ++rowNo, row))
                continue;
            const QString code = row.text(0);
            if (row.text(4) == QLatin1String("0") || G_HD_LIST.contains(code))
                continue;
            FillHdRow(G_HD_LIST.append(code), row);
        }
    });
    NotifyReference(ReferenceEvent::HeadOfficesLoaded);
}

void proc_BrList()
{
    ApplyBrListPages(RequestReference(kBr, kAdm1, scopeFields()));
}

void ApplyBrListPages(const QStringList &pages)
{
    if (pages.isEmpty()) {
        LogNoResult(kBr);
        return;
    }
    NotifyReference(ReferenceEvent::BranchesLoading);
    G_SL_BR_CODE.clear();
    const bool storeUser = UserClass() == QLatin1String("1");
    int rowNo = 0;
    ForEachReplyPage(kBr, pages, [&](const QJsonObject &page) {
        const QJsonArray rows = PageRows(page);
        QString currentHd;
        THD_LIST *hd = nullptr;
        for (const QJsonValue &element : rows) {
            ReplyRow row;
            if (!ReadReplyRow(kBr, element, 10, ++rowNo, row))
                continue;
            if (row.text(4) == QLatin1String("0"))
                continue;
            const QString hdCode = row.text(9);
            if (hdCode != currentHd || !hd) {
                currentHd = hdCode;
                hd = G_HD_LIST.find(hdCode);
            }
            if (!hd) {
                currentHd.clear();
                continue;  // its head office was not loaded
            }
            TBR_LIST &br = hd->BR_LIST.append(row.text(0));
            FillBrRow(br, row);
            if (!row.text(5).isEmpty()) {
                addCodeOnce(G_SL_BR_CODE, br.BR_CODE);
                addCodeOnce(G_SL_BR_DVRY_TYPE, br.DVRY_TYPE_CD);
            } else if (rows.size() == 1 || storeUser) {
                G_SL_BR_CODE.append(br.BR_CODE);
            }
        }
    });
    NotifyReference(ReferenceEvent::BranchesLoaded);
}

void proc_Share_List()
{
    QStringList fields = scopeFields();
    fields.append(G_USER_INFO.MNG_DVRY_TYPE_CD);
    ApplyShareListPages(RequestReference(kShare, kAdm1, fields));
}

void ApplyShareListPages(const QStringList &pages)
{
    if (pages.isEmpty()) {
        LogNoResult(kShare);
        return;
    }
    G_SHARE_GROUP.clear();
    ClearShareGroups();
    int rowNo = 0;
    ForEachReplyPage(kShare, pages, [&rowNo](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kShare, element, 4, ++rowNo, row) || row.text(0) != QLatin1String("S"))
                continue;
            TSHARE_GROUP rule;
            FillShareGroupRow(rule, row);
            G_SHARE_GROUP.append(rule);
            if (rule.DVRY_SHARE_TYPE == QLatin1String("1"))
                AddShareGroup(rule.DVRY_TYPE_CD);
        }
    });
    NotifyReference(ReferenceEvent::ShareListLoaded);
}
