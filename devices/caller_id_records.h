#pragma once

#include "common/caller_id_header.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Widths of the call record's fields, in wire order.
namespace CidWidth
{
inline constexpr int kType = 3, kLine = 4, kMainLn = 14, kStation = 4, kResult = 2, kTelNum = 14,
                     kSndTime = 8, kCity = 4, kWard = 20, kPost = 20;
} // namespace CidWidth

// The trimmed s with ch appended until it is width long; a longer text comes back unchanged.
QString func_PadRight(const QString &s, int width, QChar ch = QLatin1Char(' '));
// s padded with spaces to width and cut at it.
QString CidField(const QString &s, int width);
// Two upper-case hexadecimal digits of a character code; "00" above 255.
QString func_ByteHex(int code);

// A record of spaces in every field.
HEADER BlankCallRecord();
// Every field padded and cut to its width.
HEADER FitCallRecord(HEADER rec);
// The ten fields joined at their widths (93 characters); the first `fields` fields only when given.
QString JoinCallRecord(const HEADER &rec, int fields = 10);

// Request "101" (after a connect, 93 characters) and "102" (every poll, 49 characters) for the
// extension setting; neither carries the ETX.
QString func_BuildCidRequest(const QString &extension);
QString func_BuildCidRequest2(const QString &extension);

// The call records of a server answer (the text before its ETX). Empty answers and answers with
// "!" carry none. Pieces are split at 0x01 and their fields at ","; a piece that is not a call
// (fewer than four fields, an empty piece) is reported in `bad` and skipped, so the calls around it
// still arrive.
struct CidServerAnswer
{
    bool ignored = false;      // empty or "!"
    bool logRead = false;      // "CID READ : " is logged (not an answer of "101 ")
    bool stop = false;         // "@": the server stops the polling
    QList<HEADER> calls;
    QStringList bad;
};
CidServerAnswer ReadCidServerAnswer(const QString &answer, const QString &extension);

// Building a device call record: the channel's store telephone becomes the called line.
struct DeviceCall
{
    int slot = 0;
    QString channelText;
    int channel = 0;
    QString number;
};
// The log line "Station : [t] PriNum : [t] CustTel : [num]".
QString DeviceCallLogLine(const DeviceCall &call);
// The store telephone of the channel: the store of CH[channel-1] of the slot, the first store when
// the channel has none or its store is not in the list. Empty when the list is empty.
QString DeviceChannelStoreTel(const DeviceCall &call);
// The "917" record, or nothing when the store has no telephone. `time` is "hh:nn:ss".
std::optional<HEADER> BuildDeviceCallRecord(const DeviceCall &call, const QString &time);
