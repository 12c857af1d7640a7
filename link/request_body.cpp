#include "link/request_body.h"

#include "records/session_records.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringList>
#include <QStringView>

namespace
{
constexpr QByteArrayView kQuotEntity("&quot;");
constexpr QByteArrayView kBackslashEntity("&#92;");

void appendMember(QString &out, const char *key, const QString &value)
{
    if (out.size() > 1)
        out += QLatin1Char(',');
    out += QLatin1Char('"') + QLatin1String(key) + QStringLiteral("\":") + JsonStringLiteral(value);
}

// Payload fields that carry a password, by request code (field index in the separated payload).
struct SecretField
{
    const char *code;
    int field;        // index of the secret among the payload's fields
    int fieldsAfter;  // fields that follow it in the full payload
};
constexpr SecretField kSecretFields[] = {
    {"LN02_01_V02", 1, 9},  // login: ID, PW, then nine more
    {"CS08_18_V01", 5, 1},  // password change: ..., ID, new PW, "N"
};
} // namespace

QString JsonStringLiteral(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        case u'\b': out += QStringLiteral("\\b"); break;
        case u'\f': out += QStringLiteral("\\f"); break;
        default:
            if (u < 0x20)
                out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

RequestBodyArgs ListBodyArgs(const QString &code, const QString &callType, const QString &val,
                             const QString &pageCount)
{
    RequestBodyArgs args;
    args.code = code;
    args.callType = callType;
    args.val = val;
    args.pageCount = pageCount;
    args.retType = callType == QLatin1String("SWK2");
    return args;
}

RequestBodyArgs OneBodyArgs(const QString &code, const QString &callType, const QString &val,
                            const QString &itemCnt, const QString &colCnt)
{
    RequestBodyArgs args;
    args.code = code;
    args.callType = callType;
    args.val = val;
    args.pageCount = QStringLiteral("100");
    args.itemCnt = itemCnt;
    args.colCnt = colCnt;
    return args;
}

QByteArray BuildRequestBody(const RequestBodyArgs &args)
{
    const QString info = G_USER_INFO.ID + G_FIELD_SEP + G_USER_INFO.MC + G_FIELD_SEP + G_VERSION + G_FIELD_SEP;
    QString out = QStringLiteral("{");
    appendMember(out, "LANGUAGE", G_LANGUAGE);
    appendMember(out, "VAL", EscapeJsonVal(args.val));
    appendMember(out, "CALLTYPE", args.callType);
    appendMember(out, "REQNUM", args.code);
    appendMember(out, "CALLSEQ", args.code);
    appendMember(out, "DEVICE", G_DEVICE);
    appendMember(out, "PAGECOUNT", args.pageCount);
    if (args.retType)
        appendMember(out, "RETTYPE", QStringLiteral("1"));
    appendMember(out, "INFO", info);
    if (!args.itemCnt.isEmpty())
        appendMember(out, "ITEM_CNT", args.itemCnt);
    if (!args.colCnt.isEmpty())
        appendMember(out, "COL_CNT", args.colCnt);
    out += QLatin1Char('}');
    return out.toUtf8();
}

QString RedactPayload(const QString &code, const QString &val)
{
    for (const SecretField &secret : kSecretFields) {
        if (code != QLatin1String(secret.code))
            continue;
        QStringList fields = val.split(G_FIELD_SEP);
        if (secret.field >= fields.size())
            return val;
        // A password may itself contain the separator: whatever lies between the fields before
        // it and the fields known to follow it is the password.
        const qsizetype expected = secret.field + 1 + secret.fieldsAfter + 1;  // + the piece after the last separator
        const qsizetype extra = qMax<qsizetype>(0, fields.size() - expected);
        const qsizetype secretEnd = qMin<qsizetype>(secret.field + extra, fields.size() - 1);
        bool empty = true;
        for (qsizetype i = secret.field; i <= secretEnd; ++i)
            empty = empty && fields[i].isEmpty();
        fields.remove(secret.field, secretEnd - secret.field + 1);
        fields.insert(secret.field, empty ? QString() : QStringLiteral("***"));
        return fields.join(G_FIELD_SEP);
    }
    return val;
}

QByteArray UnescapeReplyBytes(const QByteArray &utf8)
{
    // The entities, quotes and backslashes are ASCII, and no byte of a multi-byte UTF-8 character
    // is, so the bytes can be scanned as they came.
    QJsonParseError error;
    QJsonDocument::fromJson(utf8, &error);
    if (error.error != QJsonParseError::NoError) {
        QByteArray out = utf8;
        out.replace(kQuotEntity, "\"");
        out.replace(kBackslashEntity, "\\");
        return out;
    }

    // Valid JSON: rewrite the entities inside string literals as JSON escapes, leaving member
    // order, numbers and layout exactly as the server sent them.
    if (!utf8.contains('&'))
        return utf8;
    QByteArray out;
    out.reserve(utf8.size());
    bool inString = false;
    const qsizetype n = utf8.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = utf8.at(i);
        if (!inString) {
            out += c;
            if (c == '"')
                inString = true;
            continue;
        }
        if (c == '\\' && i + 1 < n) {
            out += c;
            out += utf8.at(++i);
        } else if (c == '"') {
            out += c;
            inString = false;
        } else if (c == '&' && QByteArrayView(utf8).sliced(i).startsWith(kQuotEntity)) {
            out += "\\\"";
            i += kQuotEntity.size() - 1;
        } else if (c == '&' && QByteArrayView(utf8).sliced(i).startsWith(kBackslashEntity)) {
            out += "\\\\";
            i += kBackslashEntity.size() - 1;
        } else {
            out += c;
        }
    }
    return out;
}

QString UnescapeReplyText(const QString &text)
{
    return QString::fromUtf8(UnescapeReplyBytes(text.toUtf8()));
}
