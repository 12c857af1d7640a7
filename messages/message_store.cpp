#include "messages/message_store.h"

#include "text/cp949.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace
{
const QChar kEtx(3);
const QChar kStx(2);
} // namespace

namespace MessageStore
{
QString escapeField(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case 3: out += QLatin1String("\\e"); break;
        case 2: out += QLatin1String("\\s"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\n': out += kStx; break;
        default: out += c;
        }
    }
    return out;
}

QString unescapeField(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == kStx) {
            out += QLatin1Char('\n');
            continue;
        }
        if (c != QLatin1Char('\\') || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const QChar n = text.at(i + 1);
        switch (n.unicode()) {
        case '\\': out += QLatin1Char('\\'); ++i; break;
        case 'e': out += kEtx; ++i; break;
        case 's': out += kStx; ++i; break;
        case 'r': out += QLatin1Char('\r'); ++i; break;
        default: out += c;  // a backslash of an older file
        }
    }
    return out;
}

QByteArray serialize(const QList<TMSG_LIST> &messages)
{
    QString text;
    for (const TMSG_LIST &m : messages) {
        for (int i = 0; i < TMSG_LIST::kFieldCount; ++i) {
            text += escapeField(m.field(i));
            text += kEtx;
        }
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

bool save(const QString &path, const QList<TMSG_LIST> &messages, QString *error)
{
    const QFileInfo info(path);
    QDir().mkpath(info.absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = serialize(messages);
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

LoadResult parse(const QByteArray &bytes)
{
    LoadResult result;
    result.exists = true;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = Cp949::decode(bytes);  // an older installation's file
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList fields = line.split(kEtx);
        // 31 fields each followed by ETX: 32 parts, the last one empty.
        if (fields.size() < TMSG_LIST::kFieldCount + 1) {
            result.error = QStringLiteral("broken line %1").arg(result.messages.size() + 1);
            return result;
        }
        TMSG_LIST m;
        for (int i = 0; i < TMSG_LIST::kFieldCount; ++i)
            m.setField(i, unescapeField(fields.at(i)));
        result.messages.append(m);
    }
    result.complete = true;
    return result;
}

LoadResult load(const QString &path)
{
    LoadResult result;
    QFile file(path);
    if (!file.exists())
        return result;
    result.exists = true;
    if (file.size() > kMaxFileBytes) {
        result.error = QStringLiteral("file too large");
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    return parse(file.read(kMaxFileBytes));
}
} // namespace MessageStore
