#include "devices/caller_id_sources.h"

#include "common/daily_log.h"
#include "devices/call_routing.h"
#include "devices/caller_id_records.h"
#include "devices/caller_id_vendor.h"
#include "platform/clock.h"
#include "records/device_records.h"

#include <exception>

CallerIdSources::CallerIdSources()
{
    for (int s = 0; s < 2; ++s) {
        auto reader = std::make_unique<CallerIdFrameReader>(s, G_COM_CID[size_t(s)].iType);
        reader->log = [](const QString &line) { WriteLog(line); };
        reader->burmiFrame = [](int slot, const QString &hex) {
            proc_Burmi(slot, hex, [](int sl, const BoxCall &call) {
                deliverDeviceCall(sl, QString::number(call.channel), call.channel, call.number);
            });
        };
        reader->callStarFrame = [](int slot, const QByteArray &frame) {
            proc_CallStar(slot, frame, [](int sl, const BoxCall &call) {
                deliverDeviceCall(sl, QString::number(call.channel), call.channel, call.number);
            });
        };
        m_readers[size_t(s)] = std::move(reader);
    }
}

CallerIdSources::~CallerIdSources() = default;

void CallerIdSources::serialChunk(int slot, const QByteArray &chunk)
{
    if (slot < 0 || slot > 1)
        return;
    CallerIdFrameReader &reader = *m_readers[size_t(slot)];
    const int type = G_COM_CID[size_t(slot)].iType;
    if (reader.boxType() != type)
        reader.setBoxType(type);
    reader.feedChunk(chunk);
}

void CallerIdSources::WMSeeIdMsg(int port)
{
    // The library hands over at most 512 bytes; anything past the first zero byte is not message.
    QByteArray bytes = CidLibrary().seeId4GetMsg(port).left(512);
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    const int slot = SeeIdSlotOfPort(port);
    if (slot < 0)
        return;
    proc_SeeId4(slot, QString::fromLatin1(bytes));
}

void CallerIdSources::proc_SeeId4(int slot, const QString &msg)
{
    try {
        WriteLog(QStringLiteral("CID_SEEID4[") + QString::number(slot) + QStringLiteral("]:") + msg);
        if (const auto call = DecodeSeeId4Message(msg))
            deliverDeviceCall(slot, call->channelText, call->channel, call->number);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_SeeId4 Err : ") + QString::fromLocal8Bit(e.what()));
    }
}

void CallerIdSources::Multicid1CidMsgRx(const QString &cidMsg, int)
{
    try {
        WriteLog(QStringLiteral("CID_SUNPO[0]:") + cidMsg);
        if (G_COM_CID[0].Use_yn != QLatin1String("1") && G_COM_CID[1].Use_yn != QLatin1String("1"))
            return;
        if (const auto call = DecodeMultiCidMessage(cidMsg))
            deliverDeviceCall(0, call->channelText, call->channel, call->number);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("Multicid1CidMsgRx Err : ") + QString::fromLocal8Bit(e.what()));
    }
}

void CallerIdSources::Multicid1displayDbgMessage(const QString &text)
{
    WriteLog(QStringLiteral("Multicid1displayDbgMessage:") + text);
}

void CallerIdSources::deliverDeviceCall(int slot, const QString &channelText, int channel, const QString &number)
{
    const DeviceCall call{slot, channelText, channel, number};
    WriteLog(DeviceCallLogLine(call));
    const auto rec = BuildDeviceCallRecord(call, AppClock::now().toString(QStringLiteral("HH:mm:ss")));
    if (rec)
        RouteCall(*rec);
}

void CallerIdSources::bindVendorComponents()
{
    CidLibrary().messageWaiting = [this](int port) { WMSeeIdMsg(port); };
    MultiLineCid().cidMsgRx = [this](const QString &msg, int block) { Multicid1CidMsgRx(msg, block); };
    MultiLineCid().displayDbgMessage = [](const QString &text) { Multicid1displayDbgMessage(text); };
}

bool func_Kt_Login(const std::function<void(const QString &)> &show)
{
    G_CID_KT_INFO.LOGIN = "0";
    try {
        const int code = TelServiceLogin().login(1, KtAuthKey(), G_CID_KT_INFO.ID, G_CID_KT_INFO.PW);
        WriteLog(QStringLiteral("KT_START_LOGIN MSG:") + QString::number(code));
        const QString text = KtLoginText(code);
        WriteLog(QStringLiteral("KT_START_LOGIN:") + text);
        if (code != 200) {
            if (show)
                show(text);
            return false;
        }
        G_CID_KT_INFO.LOGIN = "1";
        return true;
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("KT_START_LOGIN_ERR:") + QString::fromLocal8Bit(e.what()));
        return false;
    }
}
