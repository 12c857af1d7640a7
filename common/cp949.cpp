#include "common/cp949.h"

#include <QStringDecoder>
#include <QStringEncoder>

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
} // namespace Cp949
