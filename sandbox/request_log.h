#pragma once

#include "sandbox/sandbox_request.h"

#include <QDateTime>
#include <QFile>
#include <QList>
#include <QMutex>
#include <QString>

// The sandbox's witness: one line per request it received, with what it answered, written to a
// file so that a person running the demo (and a test) can see exactly what the client sent.
// Passwords and SMS codes never reach the file.
//
// A line is tab-separated "key=value" fields:
//   time=2026-12-11T12:00:00.123  code=CS01_01_V07  call=ADM10  pages=100  fields=8  reply=1
//   [why=<reason of a refusal>]  val=<payload, secrets masked>
class SandboxRequestLog
{
public:
    struct Entry
    {
        QDateTime time;
        QString code;
        QString callType;
        QString pageCount;
        int fieldCount = 0;
        QString replyCode;
        QString why;      // set when the request was refused for its shape
        QString payload;  // as sent, with secrets masked
    };

    // Appends to path; an empty path writes nothing.
    explicit SandboxRequestLog(const QString &path);

    QString path() const;
    bool isOpen() const;
    QString errorString() const;

    // Thread-safe.
    void write(const SandboxRequest &request, const SandboxReply &reply);

    // The line written for one request (without the newline).
    static QString formatLine(const QDateTime &time, const SandboxRequest &request, const SandboxReply &reply);
    // Every entry of a log file from byte offset on, in the order written; unreadable lines are
    // skipped.
    static QList<Entry> read(const QString &path, qint64 offset = 0);
    // The file's size now: where the next entry will start.
    qint64 size() const;

private:
    mutable QMutex m_mutex;
    QFile m_file;
    QString m_error;
};
