#pragma once

#include <QByteArray>

#include <array>
#include <cstddef>

// Framing of the server link, identical in both directions: a 16-byte header (u32 little-endian
// L = 12 + body bytes, then 12 type bytes) followed by L - 12 body bytes.
namespace Frame
{
constexpr int kHeaderSize = 16;
constexpr int kTypeSize = 12;
// No reply of the server comes near this; anything larger is a corrupt or hostile length and is
// refused before a byte is allocated for it.
constexpr quint32 kMaxLength = 64u * 1024u * 1024u;

using TypeBytes = std::array<unsigned char, kTypeSize>;

inline constexpr TypeBytes kRequestType = {0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00};
inline constexpr TypeBytes kGetRsaType = {0x01, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
inline constexpr TypeBytes kSendAesType = {0x01, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

enum class ReadStatus
{
    NeedMore,  // not enough bytes for the header or the whole frame yet
    Invalid,   // the length is below 12 or above kMaxLength: drop the connection
    Complete,  // a whole frame of frameSize bytes starts at the buffer's beginning
};

struct ReadResult
{
    ReadStatus status = ReadStatus::NeedMore;
    qsizetype frameSize = 0;  // header + body, valid when Complete
    qsizetype bodySize = 0;   // L - 12, valid when Complete or when NeedMore after a full header
};

// Pure inspection of the bytes at the start of a buffer; never allocates.
ReadResult readFrame(const char *data, qsizetype size);
inline ReadResult readFrame(const QByteArray &buffer)
{
    return readFrame(buffer.constData(), buffer.size());
}

// Reads L from a 16-byte header; 0 when the header is short.
quint32 lengthOf(const char *header, qsizetype size);

// The 16-byte header for a body of bodySize bytes.
QByteArray header(qsizetype bodySize, const TypeBytes &type);

// Header and body in one buffer, ready for a single write.
QByteArray build(const QByteArray &body, const TypeBytes &type = kRequestType);

// The body of a complete frame at the start of buffer (empty when it is not complete).
QByteArray bodyOf(const QByteArray &buffer);
} // namespace Frame
