#include "sandbox/request_log.h"

#include "sandbox/request_check.h"

#include <QMutexLocker>

namespace
{
// A value never spans lines or holds the field delimiter.
QString flat(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return text;
}

QString unflat(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar n = text.at(++i);
        out += n == QLatin1Char('t') ? QChar(u'\t') : n == QLatin1Char('n') ? QChar(u'\n')
             : n == QLatin1Char('r') ? QChar(u'\r') : n;
    }
    return out;
}

const QString kTimeFormat = QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz");
} // namespace

SandboxRequestLog::SandboxRequestLog(const QString &path) : m_file(path)
{
    if (path.isEmpty())
        return;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        m_error = QStringLiteral("cannot write the request log %1: %2").arg(path, m_file.errorString());
}

QString SandboxRequestLog::path() const
{
    return m_file.fileName();
}

bool SandboxRequestLog::isOpen() const
{
    return m_file.isOpen();
}

QString SandboxRequestLog::errorString() const
{
    return m_error;
}

QString SandboxRequestLog::formatLine(const QDateTime &time, const SandboxRequest &request, const SandboxReply &reply)
{
    QStringList parts = {
        QStringLiteral("time=") + time.toString(kTimeFormat),
        QStringLiteral("code=") + flat(request.reqNum),
        QStringLiteral("call=") + flat(request.callType),
        QStringLiteral("pages=") + flat(request.pageCount),
        QStringLiteral("fields=") + QString::number(request.fields().size()),
        QStringLiteral("reply=") + flat(reply.pages.isEmpty() ? reply.outCode : QStringLiteral("pages")),
    };
    const QString why = SandboxRequestCheck::mismatch(request);
    if (!why.isEmpty())
        parts.append(QStringLiteral("why=") + flat(why));
    parts.append(QStringLiteral("val=") + flat(SandboxRequestCheck::maskedPayload(request)));
    return parts.join(QLatin1Char('\t'));
}

void SandboxRequestLog::write(const SandboxRequest &request, const SandboxReply &reply)
{
    QMutexLocker lock(&m_mutex);
    if (!m_file.isOpen())
        return;
    m_file.write(formatLine(QDateTime::currentDateTime(), request, reply).toUtf8() + '\n');
    // Flushed at once: the log is read while the sandbox runs, and must survive a kill.
    m_file.flush();
}

qint64 SandboxRequestLog::size() const
{
    QMutexLocker lock(&m_mutex);
    return m_file.isOpen() ? m_file.size() : 0;
}

QList<SandboxRequestLog::Entry> SandboxRequestLog::read(const QString &path, qint64 offset)
{
    QList<Entry> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || !file.seek(offset))
        return out;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        if (line.endsWith(QLatin1Char('\n')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        Entry e;
        bool haveCode = false;
        for (const QString &part : line.split(QLatin1Char('\t'))) {
            const qsizetype eq = part.indexOf(QLatin1Char('='));
            if (eq < 0)
                continue;
            const QString key = part.left(eq);
            const QString value = unflat(part.mid(eq + 1));
            if (key == QLatin1String("time"))
                e.time = QDateTime::fromString(value, kTimeFormat);
            else if (key == QLatin1String("code")) {
                e.code = value;
                haveCode = true;
            } else if (key == QLatin1String("call"))
                e.callType = value;
            else if (key == QLatin1String("pages"))
                e.pageCount = value;
            else if (key == QLatin1String("fields"))
                e.fieldCount = value.toInt();
            else if (key == QLatin1String("reply"))
                e.replyCode = value;
            else if (key == QLatin1String("why"))
                e.why = value;
            else if (key == QLatin1String("val"))
                e.payload = value;
        }
        if (haveCode)
            out.append(e);
    }
    return out;
}
