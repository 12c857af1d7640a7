// Feeds arbitrary reply pages to every reference loader's storing step: whatever the server sends,
// a loader stores what it can, skips what it cannot read and never crashes. The input is split
// into pages at each NUL byte.
#include "reference/reference_loaders.h"
#include "reference/reference_state.h"
#include "records/courier_records.h"
#include "records/message_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <QDate>
#include <QTime>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList pages;
    for (const QByteArray &part : bytes.split('\0'))
        pages.append(QString::fromUtf8(part));

    ResetReferenceRecords();
    ResetReferenceState();
    ResetCourierRecords();
    ResetMessageRecords();
    G_USER_INFO.USER_TYPE_CD = QStringLiteral("5000");
    G_USER_INFO.MNG_DVRY_TYPE_CD = QStringLiteral("D001");
    G_LOG_DIR = QStringLiteral("/nonexistent-fuzz-log/");

    const QDate today(2028, 2, 10);
    const QTime now(12, 0);
    ApplySysCodePages(pages);
    ApplyCodeListPages(QStringLiteral("O3"), pages);
    ApplyGetCodeListPages(pages);
    ApplyConfigPages(pages);
    ApplyHdListPages(pages);
    ApplyBrListPages(pages);
    ApplyShareListPages(pages);
    ApplyDvryOutPages(pages);
    ApplyStListPages(pages, today);
    ApplyDvryListInitPages(pages, now);
    ApplyDvryListMsgReply(QStringLiteral("D001"), 0, pages.first(), now);
    ApplyDvryInfoPages(pages, now);
    ApplyMyWorkPages(pages);
    ApplyStTelPages(pages);
    ApplyWkTelPages(pages);
    proc_Add_StNo(QStringLiteral("S1"));
    ApplyStInfoPages(QStringLiteral("S1"), pages, today);
    TST_LIST &store = G_ST_LIST.at(G_ST_LIST.count() - 1);
    PrepareStoreNames(store, true);
    ApplyStoreNamesPages(store, pages);
    return 0;
}
