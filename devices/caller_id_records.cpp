#include "devices/caller_id_records.h"

#include "records/device_records.h"
#include "records/reference_records.h"
#include "text/phone_helpers.h"

namespace
{
constexpr QChar kCidSeparator = QChar(0x01);

QString cidNoSpaces(const QString &s)
{
    QString out = s;
    out.remove(QLatin1Char(' '));
    return out;
}
} // namespace

QString func_PadRight(const QString &s, int width, QChar ch)
{
    QString out = s.trimmed();
    while (out.size() < width)
        out += ch;
    return out;
}

QString CidField(const QString &s, int width)
{
    QString out = s.left(width);
    while (out.size() < width)
        out += QLatin1Char(' ');
    return out;
}

QString func_ByteHex(int code)
{
    if (code < 0 || code > 255)
        return QStringLiteral("00");
    return QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

HEADER BlankCallRecord()
{
    return FitCallRecord(HEADER{});
}

HEADER FitCallRecord(HEADER rec)
{
    using namespace CidWidth;
    rec.sType = CidField(rec.sType, kType);
    rec.sLine = CidField(rec.sLine, kLine);
    rec.sMainLn = CidField(rec.sMainLn, kMainLn);
    rec.sStation = CidField(rec.sStation, kStation);
    rec.sResult = CidField(rec.sResult, kResult);
    rec.sTelNum = CidField(rec.sTelNum, kTelNum);
    rec.sSndTime = CidField(rec.sSndTime, kSndTime);
    rec.sCityStr = CidField(rec.sCityStr, kCity);
    rec.sWardStr = CidField(rec.sWardStr, kWard);
    rec.sPostStr = CidField(rec.sPostStr, kPost);
    return rec;
}

QString JoinCallRecord(const HEADER &in, int fields)
{
    const HEADER rec = FitCallRecord(in);
    const QString all[] = {rec.sType,   rec.sLine,    rec.sMainLn,  rec.sStation,  rec.sResult,
                           rec.sTelNum, rec.sSndTime, rec.sCityStr, rec.sWardStr, rec.sPostStr};
    QString out;
    for (int i = 0; i < fields && i < 10; ++i)
        out += all[i];
    return out;
}

QString func_BuildCidRequest(const QString &extension)
{
    const QString text = cidNoSpaces(extension);
    HEADER rec = BlankCallRecord();
    rec.sType = QStringLiteral("101");
    rec.sStation = text.left(4);
    if (!text.contains(QLatin1Char(','))) {
        rec.sLine = QStringLiteral("0000");
        rec.sResult = QStringLiteral("00");
    } else {
        rec.sLine = QStringLiteral("9999");
        if (text.size() >= 5)
            rec.sResult = text.mid(4, 2);
        if (text.size() >= 7)
            rec.sTelNum = text.mid(6, 14);
    }
    return JoinCallRecord(rec);
}

QString func_BuildCidRequest2(const QString &extension)
{
    HEADER rec = BlankCallRecord();
    rec.sType = QStringLiteral("102");
    rec.sLine = QStringLiteral("0000");
    rec.sStation = cidNoSpaces(extension).left(4);
    rec.sResult = QStringLiteral("00");
    return JoinCallRecord(rec, 7);
}

CidServerAnswer ReadCidServerAnswer(const QString &answer, const QString &extension)
{
    CidServerAnswer out;
    out.stop = answer.contains(QLatin1Char('@'));
    if (answer.trimmed().isEmpty() || answer.contains(QLatin1Char('!'))) {
        out.ignored = true;
        return out;
    }
    out.logRead = !answer.startsWith(QLatin1String("101 "));
    const QString station = extension.left(4);
    for (const QString &piece : answer.split(kCidSeparator)) {
        const QStringList f = piece.split(QLatin1Char(','));
        if (f.size() < 4) {
            // A trailing separator or a cut record: the other calls of the answer still count.
            // The server's stop mark is no call record.
            if (!piece.trimmed().isEmpty() && !piece.contains(QLatin1Char('@')))
                out.bad << piece;
            continue;
        }
        HEADER rec = BlankCallRecord();
        rec.sType = QStringLiteral("117");
        rec.sResult = QStringLiteral("00");
        rec.sLine = f.at(0);
        rec.sMainLn = f.at(1);
        rec.sTelNum = f.at(2);
        rec.sSndTime = f.at(3);
        rec.sStation = station;
        out.calls << FitCallRecord(rec);
    }
    return out;
}

QString DeviceCallLogLine(const DeviceCall &call)
{
    return QStringLiteral("Station : [") + call.channelText + QStringLiteral("] PriNum : [") + call.channelText
           + QStringLiteral("] CustTel : [") + call.number + QLatin1Char(']');
}

QString DeviceChannelStoreTel(const DeviceCall &call)
{
    if (G_ST_LIST.isEmpty())
        return QString();
    QString code;
    if (call.slot >= 0 && call.slot < int(G_COM_CID.size()) && call.channel >= 1
        && call.channel <= TCOM_CID_INFO::kChannels)
        code = G_COM_CID[size_t(call.slot)].CH[size_t(call.channel - 1)].trimmed();
    int idx = code.isEmpty() ? -1 : G_SL_ST_CODE.indexOf(code);
    if (idx < 0)
        idx = 0;
    return G_ST_LIST.at(idx).ST_TEL;
}

std::optional<HEADER> BuildDeviceCallRecord(const DeviceCall &call, const QString &time)
{
    const QString storeTel = DeviceChannelStoreTel(call);
    if (storeTel.trimmed().isEmpty())
        return std::nullopt;
    HEADER rec;
    rec.sType = QStringLiteral("917");
    rec.sLine = call.channelText;
    rec.sMainLn = RemoveHyphens(storeTel.trimmed());
    rec.sStation = call.channelText;
    rec.sResult = QStringLiteral("00");
    rec.sTelNum = RemoveHyphens(call.number);
    rec.sSndTime = time;
    return FitCallRecord(rec);
}
