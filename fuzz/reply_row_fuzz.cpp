// Arbitrary bytes as a server reply: text rows split on the field separator and JSON rows (text
// or "C_n" objects) must be read by position without reading past a row, and the record fills
// must take whatever the row holds.
#include "records/delivery_group_records.h"
#include "records/message_records.h"
#include "records/reference_records.h"
#include "common/reply_row.h"
#include "records/session_records.h"
#include "text/text_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdlib>

namespace
{
void checkRow(const ReplyRow &row)
{
    const int n = row.count();
    if (n < 0 || row.has(-1) || !row.text(-1).isEmpty() || row.toInt(-1, 5) != 5)
        std::abort();
    if (!row.text(n).isEmpty() || !row.text(INT_MAX).isEmpty() || row.has(INT_MAX))
        std::abort();
    for (int i = 0; i < std::min(n, 64); ++i) {
        row.trimmed(i);
        row.toInt(i, 0);
    }

    TCOM_CODE_LIST code;
    FillComCodeRow(code, row);
    TCONFIG_CODE_LIST config;
    FillConfigCodeRow(config, row);
    THD_LIST hd;
    FillHdRow(hd, row);
    TBR_LIST br;
    FillBrRow(br, row);
    TMSG_LIST msg;
    FillMsgRow(msg, row);
    for (int i = 0; i < TMSG_LIST::kFieldCount; ++i)
        if (msg.field(i).size() > row.text(i).size())
            std::abort();
    TST_TEL_LIST st;
    FillStTelRow(st, row);
    TWK_TEL_LIST wk;
    FillWkTelRow(wk, row);
    TSHARE_GROUP share;
    FillShareGroupRow(share, row);
    TDVRY_LIST out;
    FillDvryOutRow(out, row);
}

void checkJsonRows(const QJsonArray &rows)
{
    for (qsizetype i = 0; i < std::min<qsizetype>(rows.size(), 32); ++i)
        checkRow(ReplyRow::fromJson(rows.at(i), G_FIELD_SEP));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);

    // Text rows, one per line, with and without the reply escapes undone.
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), 32); ++i) {
        const ReplyRow row = ReplyRow::fromText(lines.at(i), G_FIELD_SEP);
        if (row.count() != SplitUnescaped(G_FIELD_SEP, lines.at(i)).size() && !lines.at(i).isEmpty())
            std::abort();
        checkRow(row);
        checkRow(ReplyRow::fromRawText(lines.at(i), G_FIELD_SEP));
    }

    // A JSON reply: its row arrays (OUT_ROW1, ...) and its top-level fields.
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (doc.isArray()) {
        checkJsonRows(doc.array());
    } else if (doc.isObject()) {
        const QJsonObject obj = doc.object();
        checkRow(ReplyRow::fromObject(obj));
        for (auto it = obj.begin(); it != obj.end(); ++it) {
            JsonStr(obj, it.key());
            if (it.value().isArray())
                checkJsonRows(it.value().toArray());
        }
    }
    return 0;
}
