#include "link/frame_codec.h"

namespace Frame
{
quint32 lengthOf(const char *header, qsizetype size)
{
    if (size < 4)
        return 0;
    const auto *b = reinterpret_cast<const unsigned char *>(header);
    return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
}

ReadResult readFrame(const char *data, qsizetype size)
{
    ReadResult result;
    if (size < kHeaderSize)
        return result;
    const quint32 length = lengthOf(data, size);
    if (length < quint32(kTypeSize) || length > kMaxLength) {
        result.status = ReadStatus::Invalid;
        return result;
    }
    result.bodySize = qsizetype(length) - kTypeSize;
    const qsizetype total = kHeaderSize + result.bodySize;
    if (size < total)
        return result;
    result.status = ReadStatus::Complete;
    result.frameSize = total;
    return result;
}

QByteArray header(qsizetype bodySize, const TypeBytes &type)
{
    const quint32 length = quint32(bodySize) + quint32(kTypeSize);
    QByteArray out(kHeaderSize, '\0');
    out[0] = char(length & 0xff);
    out[1] = char((length >> 8) & 0xff);
    out[2] = char((length >> 16) & 0xff);
    out[3] = char((length >> 24) & 0xff);
    for (int i = 0; i < kTypeSize; ++i)
        out[4 + i] = char(type[i]);
    return out;
}

QByteArray build(const QByteArray &body, const TypeBytes &type)
{
    QByteArray out = header(body.size(), type);
    out.append(body);
    return out;
}

QByteArray bodyOf(const QByteArray &buffer)
{
    const ReadResult r = readFrame(buffer);
    if (r.status != ReadStatus::Complete)
        return {};
    return buffer.mid(kHeaderSize, r.bodySize);
}
} // namespace Frame
