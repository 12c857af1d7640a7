// The couriers of the login and the telephone numbers incoming calls are matched against.
#include "reference/reference_loaders.h"

#include "reference/reference_pages.h"
#include "reference/reference_state.h"
#include "orders/order_list.h"
#include "records/courier_records.h"
#include "records/message_records.h"
#include "records/session_records.h"

#include <memory>

namespace
{
const QString kWork = QString::fromLatin1(kMyWorkRequest);
const QString kStTel = QString::fromLatin1(kStTelRequest);
const QString kWkTel = QString::fromLatin1(kWkTelRequest);
const QString kCourierCallType = QStringLiteral("ADM3");

QStringList telFields()
{
    return {G_USER_INFO.USER_TYPE_CD, G_USER_INFO.HD, G_USER_INFO.BR, G_USER_INFO.ST};
}
} // namespace

void GetMyWorkList()
{
    ApplyMyWorkPages(RequestReference(
        kWork, kCourierCallType, {G_USER_INFO.ID, G_USER_INFO.USER_TYPE_CD, G_USER_INFO.HD, G_USER_INFO.BR, QString()}));
}

void ApplyMyWorkPages(const QStringList &pages)
{
    if (pages.isEmpty()) {
        LogNoResult(kWork);
        return;
    }
    G_MY_WORKER.MyWorkerArray.clear();
    int rowNo = 0;
    RepeatedTexts repeats;
    const PageLoopEnd end = ForEachReplyPage(kWork, pages, [&rowNo, &repeats](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            // Names are unescaped like every other reply text, so a quote shows as a quote.
            if (!ReadReplyRow(kWork, element, 8, ++rowNo, row) || row.textIs(7, QLatin1String("0")))
                continue;
            const QString code = row.text(5, repeats);
            TMyWorker &w = G_MY_WORKER.MyWorkerArray.append(code);
            w.HdCode = row.text(0, repeats);
            w.HdName = row.text(1, repeats);
            w.BrCode = row.text(2, repeats);
            w.BrName = row.text(3, repeats);
            w.DvryTypeCD = row.text(4, repeats);
            w.WkCode = code;
            w.Wkname = row.text(6, repeats);
            w.DataStatus = row.text(7, repeats);
            w.WKOrders = std::make_shared<TA1Orders>();
            w.WKChangeYN = 2;
            w.WkCash = QStringLiteral("0");
            w.WKCashOSTD = QStringLiteral("0");
        }
    });
    if (end != PageLoopEnd::Exception)
        NotifyReference(ReferenceEvent::CouriersLoaded);
}

void proc_Load_TelList()
{
    ApplyStTelPages(RequestReference(kStTel, kCourierCallType, telFields()));
}

void ApplyStTelPages(const QStringList &pages)
{
    G_ST_TEL_LIST.clear();
    if (pages.isEmpty()) {
        LogNoResult(kStTel);
        return;
    }
    int rowNo = 0;
    ForEachReplyPage(kStTel, pages, [&rowNo](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kStTel, element, 2, ++rowNo, row))
                continue;
            TST_TEL_LIST rec;
            FillStTelRow(rec, row);
            G_ST_TEL_LIST.append(rec.ST_TEL, rec);
        }
    });
}

void proc_Load_WkTelList()
{
    ApplyWkTelPages(RequestReference(kWkTel, kCourierCallType, telFields()));
}

void ApplyWkTelPages(const QStringList &pages)
{
    G_WK_TEL_LIST.clear();
    if (pages.isEmpty()) {
        LogNoResult(kWkTel);
        return;
    }
    int rowNo = 0;
    ForEachReplyPage(kWkTel, pages, [&rowNo](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kWkTel, element, 4, ++rowNo, row))
                continue;
            TWK_TEL_LIST rec;
            FillWkTelRow(rec, row);
            G_WK_TEL_LIST.append(rec.WK_TEL, rec);
        }
    });
}
