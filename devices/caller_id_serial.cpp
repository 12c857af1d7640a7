#include "devices/caller_id_serial.h"

#include "common/daily_log.h"
#include "devices/caller_id_records.h"
#include "records/business_rules.h"

#include <exception>

namespace
{
constexpr char kSerialStx = 0x02;
constexpr char kSerialEtx = 0x03;

bool isBurmiEnd(unsigned char b)
{
    return b == 0x1F || b == 0x5F || b == 0x9F || b == 0xDF;
}
} // namespace

std::optional<BoxCall> DecodeBurmiFrame(const QString &hex)
{
    if (hex.size() < 5)
        return std::nullopt;
    BoxCall call;
    const QChar first = hex.at(0).toUpper();
    call.channel = first == QLatin1Char('1') ? 1 : first == QLatin1Char('5') ? 2 : first == QLatin1Char('9') ? 3
                 : first == QLatin1Char('D') ? 4 : 0;
    const QString middle = hex.mid(2, hex.size() - 4);
    QString nibbles;
    for (int i = 1; i < middle.size(); i += 2)
        nibbles += middle.at(i);
    call.number = DigitsOnly(nibbles);
    return call;
}

std::optional<BoxCall> DecodeCallStarFrame(const QByteArray &frame)
{
    if (frame.size() < 5 || frame.at(2) != 'I')
        return std::nullopt;
    BoxCall call;
    const char ch = frame.at(1);
    call.channel = ch >= '0' && ch <= '9' ? ch - '0' : 1;
    call.number = DigitsOnly(QString::fromLatin1(frame.mid(3, frame.size() - 4)));
    return call;
}

void CallerIdFrameReader::setBoxType(int boxType)
{
    m_type = boxType;
    m_read.clear();
    m_frame.clear();
}

void CallerIdFrameReader::feedChunk(const QByteArray &chunk)
{
    // The port's chunk event, then one byte event per byte of it.
    m_count = int(chunk.size());
    if (log)
        log(QStringLiteral("CNT:") + QString::number(m_count));
    for (char b : chunk)
        byteArrived(b);
    // A chunk of the other kinds is complete when all its bytes are in; a leftover (a 부르미
    // frame without its end yet) waits for the next chunk.
}

void CallerIdFrameReader::byteArrived(char b)
{
    const auto u = static_cast<unsigned char>(b);
    if (m_type == CidBox::kBurmi) {
        m_read += func_ByteHex(u).toLatin1();
        if (isBurmiEnd(u)) {
            chunkComplete();
        } else if (m_read.size() > 2 * kMaxFrame) {
            // No end byte within any real frame: a line of noise, not a number.
            if (log)
                log(QStringLiteral("READ:DROP[") + QString::number(m_read.size() / 2) + QStringLiteral("]"));
            m_read.clear();
        }
        return;
    }
    m_read += b;
    if (m_read.size() >= m_count)
        chunkComplete();
}

void CallerIdFrameReader::chunkComplete()
{
    if (log)
        log(QStringLiteral("READ:CNT[") + QString::number(m_count) + QStringLiteral("]:") + QString::fromLatin1(m_read));
    if (m_type == CidBox::kBurmi) {
        if (burmiFrame)
            burmiFrame(m_slot, QString::fromLatin1(m_read));
    } else if (m_type == CidBox::kCallStar) {
        if (!m_read.isEmpty() && m_read.at(0) == kSerialStx)
            m_frame = m_read;
        else if (!m_frame.isEmpty())
            m_frame += m_read;
        // Bytes without a frame start are noise; a frame that never ends is dropped once it is
        // longer than any real one.
        if (m_frame.size() > kMaxFrame)
            m_frame.clear();
        if (!m_frame.isEmpty() && !m_read.isEmpty() && m_read.back() == kSerialEtx) {
            const QByteArray frame = m_frame;
            m_frame.clear();
            if (callStarFrame)
                callStarFrame(m_slot, frame);
        }
    }
    m_read.clear();
}

void proc_Burmi(int slot, const QString &hex, const std::function<void(int, const BoxCall &)> &deliver)
{
    try {
        WriteLog(QStringLiteral("CID_BURMI[") + QString::number(slot) + QStringLiteral("]:") + hex);
        if (const auto call = DecodeBurmiFrame(hex); call && deliver)
            deliver(slot, *call);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_Burmi Err : ") + QString::fromLocal8Bit(e.what()));
    }
}

void proc_CallStar(int slot, const QByteArray &frame, const std::function<void(int, const BoxCall &)> &deliver)
{
    try {
        WriteLog(QStringLiteral("CID_CALLSTAR[") + QString::number(slot) + QStringLiteral("]:") + QString::fromLatin1(frame));
        if (const auto call = DecodeCallStarFrame(frame); call && deliver)
            deliver(slot, *call);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_CallStar Err : ") + QString::fromLocal8Bit(e.what()));
    }
}
