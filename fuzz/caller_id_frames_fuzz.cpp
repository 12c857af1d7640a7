// Bytes from a caller-ID box's serial port and the vendor components' messages: the frame
// readers of both serial box kinds and the message decoders must stay bounded on any input.
#include "devices/caller_id_serial.h"
#include "devices/caller_id_vendor.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (int type : {CidBox::kBurmi, CidBox::kCallStar, CidBox::kSeeId}) {
        CallerIdFrameReader reader(0, type);
        reader.burmiFrame = [](int, const QString &hex) { (void)DecodeBurmiFrame(hex); };
        reader.callStarFrame = [](int, const QByteArray &frame) { (void)DecodeCallStarFrame(frame); };
        // The first byte decides where the chunks are cut, so split frames are tried as well.
        const qsizetype step = bytes.isEmpty() ? 1 : qsizetype(uint8_t(bytes.at(0)) % 16 + 1);
        for (qsizetype at = 0; at < bytes.size(); at += step)
            reader.feedChunk(bytes.mid(at, step));
    }
    const QString text = QString::fromLatin1(bytes);
    (void)DecodeSeeId4Message(text);
    (void)DecodeMultiCidMessage(text);
    (void)CidPortNumber(text);
    return 0;
}
