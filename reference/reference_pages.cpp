#include "reference/reference_pages.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <exception>

QStringList RequestReference(const QString &code, const QString &callType, const QStringList &fields,
                             const QString &pageCount, int timeoutMs)
{
    return RequestList(G_TCP_CLIENT, code, callType, JoinRequestFields(fields), pageCount, timeoutMs);
}

void LogNoResult(const QString &code)
{
    WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
}

void LogException(const QString &code, const QString &message)
{
    WriteLog(code + QStringLiteral(" Exception Err ") + message);
}

PageLoopEnd ForEachReplyPage(const QString &code, const QStringList &pages,
                             const std::function<void(const QJsonObject &page)> &onPage)
{
    try {
        for (const QString &text : pages) {
            QJsonParseError error{};
            const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
            if (error.error != QJsonParseError::NoError || !doc.isObject()) {
                LogException(code, QStringLiteral("reply page is not a JSON object: ") + error.errorString());
                return PageLoopEnd::Exception;
            }
            const QJsonObject page = doc.object();
            const QString outCode = page.value(QStringLiteral("OUT_CODE")).toVariant().toString();
            if (outCode != QLatin1String("1")) {
                WriteLog(code + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':')
                         + page.value(QStringLiteral("OUT_MSG")).toVariant().toString());
                return PageLoopEnd::Failed;
            }
            onPage(page);
        }
    } catch (const std::exception &e) {
        LogException(code, QString::fromUtf8(e.what()));
        return PageLoopEnd::Exception;
    }
    return PageLoopEnd::Done;
}

QJsonArray PageRows(const QJsonObject &page, const QString &key)
{
    return page.value(key).toArray();
}

bool ReadReplyRow(const QString &code, const QJsonValue &element, int columns, int rowNo, ReplyRow &row,
                  RowText text)
{
    if (element.isString()) {
        row = text == RowText::Raw ? ReplyRow::fromRawText(element.toString(), G_FIELD_SEP)
                                   : ReplyRow::fromText(element.toString(), G_FIELD_SEP);
    } else if (element.isObject()) {
        row = ReplyRow::fromObject(element.toObject());
    } else {
        WriteLog(code + QStringLiteral(" Row Skip ") + QString::number(rowNo) + QStringLiteral(" not a row"));
        return false;
    }
    if (row.count() < columns) {
        WriteLog(code + QStringLiteral(" Row Skip ") + QString::number(rowNo) + QStringLiteral(" ")
                 + QString::number(row.count()) + QStringLiteral(" of ") + QString::number(columns)
                 + QStringLiteral(" columns"));
        return false;
    }
    return true;
}
