#include "reference/goods_loaders.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/device_records.h"
#include "records/goods_parse.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <exception>

namespace
{
constexpr int kListTimeoutMs = 30000;
constexpr int kGoodsTimeoutMs = 60000;

QString groupCode()
{
    return QString::fromLatin1(kGoodsGroupCode);
}

void loadGroups(const QString &val, bool rebuildPrinterGroups)
{
    try {
        const QStringList pages =
            RequestList(G_TCP_CLIENT, groupCode(), QStringLiteral("ADM1"), val, QStringLiteral("3000"), kListTimeoutMs);
        ParseGoodsGroups(pages, rebuildPrinterGroups);
    } catch (const std::exception &e) {
        WriteLog(groupCode() + QStringLiteral(" Exception Err ") + QString::fromUtf8(e.what()));
    }
}
} // namespace

void ParseGoodsGroups(const QStringList &pages, bool rebuildPrinterGroups)
{
    if (pages.isEmpty()) {
        WriteLog(groupCode() + QStringLiteral(" ERR[NO RESULT]"));
        return;
    }
    if (rebuildPrinterGroups)
        G_GRP_PRINT.clear();
    for (const QString &text : pages) {
        const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
        if (!doc.isObject()) {
            WriteLog(groupCode() + QStringLiteral(" Exception Err ") + QStringLiteral("reply page is not a JSON object"));
            return;
        }
        const QJsonObject page = doc.object();
        const QString outCode = JsonStr(page, QStringLiteral("OUT_CODE"));
        if (outCode != QLatin1String("1")) {
            WriteLog(groupCode() + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':')
                     + JsonStr(page, QStringLiteral("OUT_MSG")));
            return;
        }
        const QJsonArray rows = page.value(QStringLiteral("OUT_ROW1")).toArray();
        QString current;
        TST_LIST *store = nullptr;
        for (int i = 0; i < rows.size(); ++i) {
            const QJsonValue value = rows.at(i);
            const ReplyRow row = ReplyRow::fromObject(value.toObject());
            if (!value.isObject() || row.count() < 5) {
                // One damaged row costs only itself.
                WriteLog(groupCode() + QStringLiteral(" Exception Err ") + QStringLiteral("row ") + QString::number(i)
                         + QStringLiteral(" is not a goods-group row"));
                continue;
            }
            if (row.text(3) == QLatin1String("0"))
                continue;
            const QString stCode = row.text(0);
            if (!store || stCode != current) {
                current = stCode;
                store = G_ST_LIST.find(stCode);
            }
            if (!store)
                continue;
            FillGoodsGroupRow(store->GOODS_GRP_LST.append(row.text(1)), row);
            if (row.text(4) == QLatin1String("5")) {
                TGrpPrint printer;
                printer.sCode = row.text(1);
                printer.sName = row.text(2);
                G_GRP_PRINT.append(printer);
            }
        }
    }
}

void proc_Goods_group()
{
    loadGroups(JoinRequestFields({G_USER_INFO.USER_TYPE_CD, G_USER_INFO.HD, G_USER_INFO.BR, G_USER_INFO.ST, QString()}), true);
}

void proc_GetStGoods_group(const QString &stCode)
{
    loadGroups(JoinRequestFields({QStringLiteral("3000"), G_USER_INFO.HD, G_USER_INFO.BR, stCode, QString()}), false);
}

void proc_Goods2(const QString &stCode, bool clear)
{
    if (stCode.trimmed().isEmpty())
        return;
    TST_LIST *store = G_ST_LIST.find(stCode);
    if (!store)
        return;
    if (!store->GOODS_SYNC_DT.isEmpty() && !clear)
        return;
    if (clear) {
        store->GOODS_SYNC_DT = QString();
        store->GOODS_LIST.clear();
        // The groups stay (the default group 0 first), so the reply's group rows land in their own
        // groups; only their goods copies go with the goods.
        if (store->GOODS_GRP_LST.isEmpty())
            store->GOODS_GRP_LST.append(QStringLiteral("0")).GRP_NO = QStringLiteral("0");
        for (TST_GOODS_GROUP_LIST &group : store->GOODS_GRP_LST)
            group.GOODS.clear();
    }
    const QString val = JoinRequestFields({stCode, store->GOODS_SYNC_DT});
    QStringList pages;
    try {
        pages = RequestList(G_TCP_CLIENT, QString::fromLatin1(kGoodsSyncCode), QStringLiteral("ADM3"), val,
                            QStringLiteral("2000"), kGoodsTimeoutMs);
    } catch (const std::exception &e) {
        WriteLog(QString::fromLatin1(kGoodsSyncCode) + QStringLiteral(" Exception Err ") + QString::fromUtf8(e.what()));
        return;
    }
    // The store list may have been reloaded while the request was out: find the store again by code.
    ParseGoodsSync(pages, G_SL_ST_CODE.indexOf(stCode));
}
