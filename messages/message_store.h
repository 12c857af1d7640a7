#pragma once

#include "records/message_records.h"

#include <QList>
#include <QString>

// The day's messages on disk: one line per message, its 31 fields in record order, each followed
// by ETX (character 3), lines ended by CR LF, UTF-8.
//
// Every text comes back exactly as it was written: a backslash is written as "\\", ETX as "\e",
// STX as "\s", CR as "\r", and a line feed as STX (the form older files used for the line feeds
// of the message text). A file written by an older installation in the Korean code page is still
// read. The file is replaced through a temporary file and a rename, so an interrupted write leaves
// the previous file whole.
namespace MessageStore
{
// Escapes one field for the file.
QString escapeField(const QString &text);
// The reverse; an unknown escape is kept as written.
QString unescapeField(const QString &text);

// The file's text for these messages.
QByteArray serialize(const QList<TMSG_LIST> &messages);

// Writes the messages, creating the folder when needed. False with a reason when the file could
// not be written; the previous file is then unchanged.
bool save(const QString &path, const QList<TMSG_LIST> &messages, QString *error = nullptr);

struct LoadResult
{
    bool exists = false;   // the file was there
    bool complete = false; // every line was read (false: unreadable, too large, or a broken line)
    QList<TMSG_LIST> messages;  // the messages read before the first broken line
    QString error;
};

// Largest file the reader accepts.
inline constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;

LoadResult parse(const QByteArray &bytes);
LoadResult load(const QString &path);
} // namespace MessageStore
