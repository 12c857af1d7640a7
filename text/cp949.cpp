#include "text/cp949.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace
{
// Length in code units of the character starting at index i (2 for a surrogate pair).
int charUnits(const QString &text, int i)
{
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return 2;
    return 1;
}

// Walks text character by character and keeps the head whose measured size fits in maxBytes.
template <typename Measure>
QString cutBy(const QString &text, int maxBytes, Measure measure)
{
    if (maxBytes <= 0)
        return QString();
    int used = 0;
    int i = 0;
    while (i < text.size()) {
        const int units = charUnits(text, i);
        const int bytes = measure(text.mid(i, units));
        if (used + bytes > maxBytes)
            break;
        used += bytes;
        i += units;
    }
    return text.left(i);
}
} // namespace

namespace Cp949
{
QByteArray encode(const QString &text)
{
    QStringEncoder encoder("windows-949");
    if (!encoder.isValid())
        return text.toLocal8Bit();
    return encoder.encode(text);
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-949");
    if (!decoder.isValid())
        return QString::fromLocal8Bit(bytes);
    return decoder.decode(bytes);
}

int byteLength(const QString &text) { return int(encode(text).size()); }

QString cutToBytes(const QString &text, int maxBytes)
{
    if (byteLength(text) <= maxBytes)
        return text;
    return cutBy(text, maxBytes, [](const QString &ch) { return byteLength(ch); });
}

QString padRightToBytes(const QString &text, int len, QChar ch)
{
    QString out = text;
    const int step = byteLength(QString(ch));
    for (int n = byteLength(out); n < len && step > 0; n += step)
        out.append(ch);
    return out;
}

QString padLeftToBytes(const QString &text, int len, QChar ch)
{
    QString pad;
    const int step = byteLength(QString(ch));
    for (int n = byteLength(text); n < len && step > 0; n += step)
        pad.append(ch);
    return pad + text;
}

QByteArray encodeCut(const QString &text, int maxBytes) { return encode(cutToBytes(text, maxBytes)); }
} // namespace Cp949

namespace Utf8
{
int byteLength(const QString &text) { return int(text.toUtf8().size()); }

QString cutToBytes(const QString &text, int maxBytes)
{
    if (byteLength(text) <= maxBytes)
        return text;
    return cutBy(text, maxBytes, [](const QString &ch) { return byteLength(ch); });
}
} // namespace Utf8
