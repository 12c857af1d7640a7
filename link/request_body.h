#pragma once

#include "text/text_helpers.h"  // EscapeJsonVal, UnescapeJsonVal

#include <QByteArray>
#include <QString>

// The plain JSON body of a request and the reply-text conventions around it.
//
// The body is written by hand because the server expects its members in a fixed order and Qt's
// JSON writer sorts keys. Every value is escaped as a JSON string; the payload additionally travels
// with its quotes and backslashes as "&quot;" and "&#92;", which the server undoes.

// A JSON string literal (with the quotes) of text: quote, backslash and control characters escaped,
// everything else (the field separator, Korean text) kept as it is.
QString JsonStringLiteral(const QString &text);

struct RequestBodyArgs
{
    QString code;
    QString callType;
    QString val;        // the payload as the caller gave it (not yet escaped)
    QString pageCount;
    bool retType = false;  // "RETTYPE":"1" after the page count
    QString itemCnt;       // sent only when not empty
    QString colCnt;        // sent only when not empty
};

// The body of RequestList: the caller's page count, "RETTYPE" only for call type "SWK2".
RequestBodyArgs ListBodyArgs(const QString &code, const QString &callType, const QString &val,
                             const QString &pageCount);
// The body of RequestOne: page count "100", never "RETTYPE", the counts when given.
RequestBodyArgs OneBodyArgs(const QString &code, const QString &callType, const QString &val,
                            const QString &itemCnt, const QString &colCnt);

// Members in the server's order, no white space, UTF-8.
QByteArray BuildRequestBody(const RequestBodyArgs &args);

// The payload with the fields that carry a password replaced, for logs and trace files.
QString RedactPayload(const QString &code, const QString &val);

// The reply text of a single-frame answer with the entities turned back into quotes and
// backslashes. A JSON reply is parsed first and only its string literals are changed (into JSON
// escapes), so a quote inside a value cannot break the text; anything else is unescaped as plain
// text.
QString UnescapeReplyText(const QString &text);
// The same on the UTF-8 bytes of a reply, as the link receives them.
QByteArray UnescapeReplyBytes(const QByteArray &utf8);
