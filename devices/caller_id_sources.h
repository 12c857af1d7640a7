#pragma once

#include "devices/caller_id_serial.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>
#include <memory>

// Every device source of calls, ending in one routed call record: the two serial slots' frame
// readers, the vendor library's notices and the multi-line control's messages.
class CallerIdSources
{
public:
    CallerIdSources();
    ~CallerIdSources();

    // The serial slot's chunk (its port's receive event). The slot's box type is read from
    // G_COM_CID at each chunk, so a type changed in the settings takes effect at once.
    void serialChunk(int slot, const QByteArray &chunk);
    // The library's notice for a port (WM_USER+1 with the port number).
    void WMSeeIdMsg(int port);
    void proc_SeeId4(int slot, const QString &msg);
    void Multicid1CidMsgRx(const QString &cidMsg, int blockNum);
    static void Multicid1displayDbgMessage(const QString &text);

    // A device call: builds the "917" record for the slot's channel and routes it.
    static void deliverDeviceCall(int slot, const QString &channelText, int channel, const QString &number);

    // Binds the vendor library's and the multi-line control's notices to this object.
    void bindVendorComponents();

private:
    std::array<std::unique_ptr<CallerIdFrameReader>, 2> m_readers;
};

// Logs in to the telephone service with G_CID_KT_INFO. A code other than 200 is shown with
// `show` (the plain message dialog); LOGIN is "1" only after a success, so the logout at exit is
// made for a session that logged in.
bool func_Kt_Login(const std::function<void(const QString &)> &show);
