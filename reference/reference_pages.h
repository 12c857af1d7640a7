#pragma once

#include "common/reply_row.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>

// The loading pattern every reference loader shares: the payload, the request, the page loop with
// its log lines, and the tolerant reading of rows.

inline constexpr char kReferencePageCount[] = "3000";
inline constexpr int kReferenceTimeoutMs = 30000;


// RequestList on the shared client; the reply pages in order (empty when nothing came back).
QStringList RequestReference(const QString &code, const QString &callType, const QStringList &fields,
                             const QString &pageCount = QString::fromLatin1(kReferencePageCount),
                             int timeoutMs = kReferenceTimeoutMs);

// "<code> ERR[NO RESULT]".
void LogNoResult(const QString &code);
// "<code> Exception Err <message>".
void LogException(const QString &code, const QString &message);

enum class PageLoopEnd
{
    Done,       // every page was read
    Failed,     // a page's OUT_CODE was not "1": "<code> is Fail <OUT_CODE>:<OUT_MSG>" was logged
    Exception,  // a page was not a JSON object or onPage threw: the exception line was logged
};

// Takes the pages in order and hands every page whose OUT_CODE is "1" to onPage. The loop ends
// at the first failed page; rows stored from earlier pages stay.
PageLoopEnd ForEachReplyPage(const QString &code, const QStringList &pages,
                             const std::function<void(const QJsonObject &page)> &onPage);

// A page's row array ("OUT_ROW1" unless named); empty when the member is missing or not an array.
QJsonArray PageRows(const QJsonObject &page, const QString &key = QStringLiteral("OUT_ROW1"));

enum class RowText
{
    Unescaped,  // "&quot;" and "&#92;" turned back into '"' and '\' (text rows)
    Raw,        // left as sent
};

// Reads one element of a row array into row. A row that is neither a text nor an object, or that
// has fewer than `columns` columns, is skipped: it is logged as
// "<code> Row Skip <rowNo> <reason>" and the result is false, so one damaged row never ends a
// load.
bool ReadReplyRow(const QString &code, const QJsonValue &element, int columns, int rowNo, ReplyRow &row,
                  RowText text = RowText::Unescaped);
