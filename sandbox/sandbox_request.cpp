#include "sandbox/sandbox_request.h"

#include "text/text_helpers.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QTimeZone>

namespace
{

QString member(const QJsonObject &o, const char *key)
{
    return o.value(QLatin1String(key)).toString();
}
} // namespace

namespace SandboxText
{
QString escapeValue(const QString &text)
{
    // The entities are the client's own convention; both sides share one definition.
    return EscapeJsonVal(text);
}

QString unescapeValue(const QString &text)
{
    return UnescapeJsonVal(text);
}

QString joinFields(const QStringList &fields)
{
    QString out;
    for (const QString &f : fields)
        out += f + kRowSep;
    return out;
}

QJsonValue escapeJson(const QJsonValue &value)
{
    if (value.isString())
        return escapeValue(value.toString());
    if (value.isArray()) {
        QJsonArray out;
        for (const QJsonValue &v : value.toArray())
            out.append(escapeJson(v));
        return out;
    }
    if (value.isObject()) {
        const QJsonObject in = value.toObject();
        QJsonObject out;
        for (auto it = in.begin(); it != in.end(); ++it)
            out.insert(it.key(), escapeJson(it.value()));
        return out;
    }
    return value;
}
} // namespace SandboxText

QStringList SandboxRequest::fields() const
{
    if (val.isEmpty())
        return {};
    QStringList parts = val.split(kRowSep);
    if (parts.size() > 1 && parts.last().isEmpty())
        parts.removeLast();
    for (QString &p : parts)
        p = SandboxText::unescapeValue(p);
    return parts;
}

int SandboxRequest::pageRows() const
{
    bool ok = false;
    const int n = pageCount.toInt(&ok);
    return ok && n > 0 ? n : 0;
}

std::optional<SandboxRequest> SandboxRequest::parse(const QByteArray &plainBody)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(plainBody, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    SandboxRequest r;
    r.reqNum = member(o, "REQNUM");
    r.callSeq = member(o, "CALLSEQ");
    r.callType = member(o, "CALLTYPE");
    r.language = member(o, "LANGUAGE");
    r.device = member(o, "DEVICE");
    r.pageCount = member(o, "PAGECOUNT");
    r.retType = member(o, "RETTYPE");
    r.info = member(o, "INFO");
    r.itemCnt = member(o, "ITEM_CNT");
    r.colCnt = member(o, "COL_CNT");
    r.val = member(o, "VAL");
    r.plainBody = QString::fromUtf8(plainBody);
    return r;
}

SandboxReply SandboxReply::ok(const QJsonObject &extra)
{
    SandboxReply r;
    r.extra = extra;
    return r;
}

SandboxReply SandboxReply::code(const QString &outCode, const QString &msg)
{
    SandboxReply r;
    r.outCode = outCode;
    r.outMsg = msg;
    return r;
}

SandboxReply SandboxReply::rowsOf(const QList<QStringList> &rowFields, const QString &outVal)
{
    SandboxReply r;
    r.outVal = outVal;
    for (const QStringList &fields : rowFields)
        r.rows.append(SandboxText::joinFields(fields));
    return r;
}

SandboxReply SandboxReply::joinedRows(const QStringList &rowsJoinedBySeparator, const QString &outVal,
                                      int rowsPerPage)
{
    SandboxReply r;
    r.outVal = outVal;
    r.rowsPerPage = rowsPerPage;
    for (const QString &row : rowsJoinedBySeparator)
        r.rows.append(row);
    return r;
}

SandboxReply SandboxReply::explicitPages(const QStringList &pageTexts)
{
    SandboxReply r;
    r.pages = pageTexts;
    return r;
}

QStringList SandboxReply::buildPages(int pageRows) const
{
    if (!pages.isEmpty())
        return pages;
    const int perPage = rowsPerPage > 0 ? rowsPerPage : pageRows;
    const qsizetype total = rows.size();
    QStringList out;
    qsizetype start = 0;
    do {
        const qsizetype count = perPage > 0 ? qMin<qsizetype>(perPage, total - start) : total - start;
        QJsonObject page;
        for (auto it = extra.begin(); it != extra.end(); ++it)
            page.insert(it.key(), SandboxText::escapeJson(it.value()));
        page.insert(QStringLiteral("OUT_CODE"), outCode);
        page.insert(QStringLiteral("OUT_MSG"), SandboxText::escapeValue(outMsg));
        page.insert(QStringLiteral("OUT_VAL"), SandboxText::escapeValue(outVal));
        QJsonArray pageRowsArray;
        for (qsizetype i = start; i < start + count; ++i)
            pageRowsArray.append(SandboxText::escapeJson(rows.at(i)));
        page.insert(QStringLiteral("OUT_ROW1"), pageRowsArray);
        out.append(QString::fromUtf8(QJsonDocument(page).toJson(QJsonDocument::Compact)));
        start += count;
    } while (start < total);
    return out;
}

QString FieldAt(const QStringList &fields, int i)
{
    return i >= 0 && i < fields.size() ? fields.at(i) : QString();
}

QString KoreanNowStamp()
{
    return QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(9 * 3600)).toString(QStringLiteral("yyyyMMddhhmmss"));
}
