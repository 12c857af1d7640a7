#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// Box kinds of a caller-ID slot.
namespace CidBox
{
inline constexpr int kBurmi = 0, kCallStar = 1, kSeeId = 2, kSeeId4 = 3, kSunpo = 4;
} // namespace CidBox

// A decoded call of a box: the channel and the caller's digits.
struct BoxCall
{
    int channel = 0;
    QString number;
    bool operator==(const BoxCall &) const = default;
};

// One 부르미 frame as hexadecimal text (two characters per byte). Nothing for a frame of fewer
// than three bytes.
std::optional<BoxCall> DecodeBurmiFrame(const QString &hex);
// One 콜스타 frame from its STX to its ETX. Nothing when it is too short or its third character
// is not "I".
std::optional<BoxCall> DecodeCallStarFrame(const QByteArray &frame);

// Assembles the frames of one serial slot from the chunks its port delivers. Bytes are hostile:
// the buffers are bounded, and a 콜스타 frame is only taken from its STX on (bytes before one are
// dropped, and a decoded frame is forgotten so its bytes are never decoded twice).
class CallerIdFrameReader
{
public:
    static constexpr int kMaxFrame = 256;
    CallerIdFrameReader(int slot, int boxType) : m_slot(slot), m_type(boxType) {}
    void setBoxType(int boxType);
    int boxType() const { return m_type; }

    // Log lines go to `log`; each complete 부르미 hex text / 콜스타 frame to the handlers.
    std::function<void(const QString &)> log;
    std::function<void(int slot, const QString &hex)> burmiFrame;
    std::function<void(int slot, const QByteArray &frame)> callStarFrame;

    void feedChunk(const QByteArray &chunk);

private:
    void byteArrived(char b);
    void chunkComplete();

    int m_slot;
    int m_type;
    int m_count = 0;
    QByteArray m_read;
    QByteArray m_frame;
};

// proc_Burmi / proc_CallStar: log, decode and hand the call on. `deliver` gets the channel number
// and the number (the device call record is built from them).
void proc_Burmi(int slot, const QString &hex, const std::function<void(int slot, const BoxCall &)> &deliver);
void proc_CallStar(int slot, const QByteArray &frame, const std::function<void(int slot, const BoxCall &)> &deliver);
