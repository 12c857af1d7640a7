#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The separator between the fields of request values and reply rows. Each file that includes
// this gets its own copy, so that it is made before any constant of that file uses it.
const QString kRowSep = QString(QChar(0x2502));

// Field i of a request's fields; empty when the request sent fewer.
QString FieldAt(const QStringList &fields, int i);

// Now in Korea as "yyyyMMddhhmmss", the server's stamp form.
QString KoreanNowStamp();

// One decrypted request body of the link, parsed.
struct SandboxRequest
{
    QString reqNum, callSeq, callType, language, device, pageCount, retType, info, itemCnt, colCnt;
    QString val;        // as sent (quotes and backslashes still "&quot;" / "&#92;")
    QString plainBody;  // the whole JSON text as decrypted

    // VAL unescaped and split on the field separator. Every field is followed by the separator, so
    // the trailing one closes the last field and adds no empty field: "a│b│" -> {"a","b"},
    // "│" -> {""}, "" -> {}. Text after the last separator still counts as a field.
    QStringList fields() const;
    // "PAGECOUNT" as a number; 0 when it is missing or not a positive number.
    int pageRows() const;

    // Parses a decrypted body; empty optional when it is not a JSON object.
    static std::optional<SandboxRequest> parse(const QByteArray &plainBody);
};

// A handler's answer. Either header fields plus rows, which the server pages by the request's
// "PAGECOUNT" (every page repeats "OUT_CODE", "OUT_MSG", "OUT_VAL" and the extra members), or
// explicit page texts sent as they are, one per frame. The server adds the status characters:
// "2" before every page but the last, "1" before the last.
struct SandboxReply
{
    QString outCode = QStringLiteral("1");
    QString outMsg;
    QString outVal;
    QJsonArray rows;       // "OUT_ROW1": "│"-joined strings or {"C_0":...} objects
    QJsonObject extra;     // further members of every page ("OUT_ROW2", ...)
    QStringList pages;     // when not empty: sent verbatim, the fields above are not used
    int rowsPerPage = 0;   // > 0 overrides the request's "PAGECOUNT"

    static SandboxReply ok(const QJsonObject &extra = {});
    static SandboxReply code(const QString &outCode, const QString &msg);
    // Rows given as field lists; each becomes the fields joined by "│", each field followed by it.
    static SandboxReply rowsOf(const QList<QStringList> &rowFields, const QString &outVal = {});
    static SandboxReply joinedRows(const QStringList &rowsJoinedBySeparator, const QString &outVal = {},
                                   int rowsPerPage = 0);
    static SandboxReply explicitPages(const QStringList &pageTexts);

    // The page texts (compact JSON) for a request asking for pageRows rows per page. String data
    // values are escaped the way the link carries them ("&quot;", "&#92;").
    QStringList buildPages(int pageRows) const;
};

using SandboxHandler = std::function<SandboxReply(const SandboxRequest &)>;

namespace SandboxText
{
// Data values in reply texts: '"' -> "&quot;", then '\' -> "&#92;"; nothing else changes.
QString escapeValue(const QString &text);
// The reverse, in the order a client undoes it.
QString unescapeValue(const QString &text);
// Fields each followed by "│".
QString joinFields(const QStringList &fields);
// A JSON value with every string (also inside arrays and objects) passed through escapeValue.
QJsonValue escapeJson(const QJsonValue &value);
} // namespace SandboxText
