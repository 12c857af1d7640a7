#pragma once

#include "devices/caller_id_serial.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The caller-ID vendor library of the SEE-ID boxes. It is no part of this program: a build for a
// machine that has it installs an implementation; without one the stand-in below reports that it
// cannot be loaded, and the boxes of those kinds stay off.
class ICidLibrary
{
public:
    virtual ~ICidLibrary() = default;
    // Registers the receiver of the library's call notices; false when the library is missing.
    virtual bool loadSetDll() = 0;
    // Opens a box on serial port number `port` (1 for COM1); false on failure.
    virtual bool seeId4Open(int port) = 0;
    // The pending message of a port, at most 512 bytes, up to its first zero byte.
    virtual QByteArray seeId4GetMsg(int port) = 0;
    // Called with the port number whenever a call waits on that port.
    std::function<void(int port)> messageWaiting;
};

// The multi-line caller-ID control: one message per call, and diagnostic texts.
class IMultiLineCid
{
public:
    virtual ~IMultiLineCid() = default;
    std::function<void(const QString &cidMsg, int blockNum)> cidMsgRx;
    std::function<void(const QString &text)> displayDbgMessage;
};

// The telephone-service login control.
class ITelServiceLogin
{
public:
    virtual ~ITelServiceLogin() = default;
    // A status code; 200 is success. May throw std::exception on a control error.
    virtual int login(int server, const QString &authKey, const QString &id, const QString &password) = 0;
    virtual void logout() = 0;
};

// Stand-ins for a machine without the vendor components: the library does not load, the
// multi-line control never reports, and the telephone service answers that its environment is
// missing (1700), so a configured login fails with the service's own text.
class StandInCidLibrary : public ICidLibrary
{
public:
    bool loadSetDll() override { return false; }
    bool seeId4Open(int) override { return false; }
    QByteArray seeId4GetMsg(int) override { return {}; }
};
class StandInMultiLineCid : public IMultiLineCid
{
};
class StandInTelServiceLogin : public ITelServiceLogin
{
public:
    int login(int, const QString &, const QString &, const QString &) override { return 1700; }
    void logout() override {}
};

// The components the program uses; the stand-ins until a platform build installs others.
ICidLibrary &CidLibrary();
IMultiLineCid &MultiLineCid();
ITelServiceLogin &TelServiceLogin();
void SetCidLibrary(std::shared_ptr<ICidLibrary> library);
void SetMultiLineCid(std::shared_ptr<IMultiLineCid> control);
void SetTelServiceLogin(std::shared_ptr<ITelServiceLogin> login);

// Serial port number of a port name: its decimal digits, 1 when it has none.
int CidPortNumber(const QString &comName);

// The library message's call: the channel is the character before the first "C" (at position 2
// or later), the number the digits after the first STX.
struct VendorCall
{
    QString channelText;
    int channel = 0;
    QString number;
};
std::optional<VendorCall> DecodeSeeId4Message(const QString &msg);
// The control's message: line = first character's digit + 1; number = the digits after the first
// STX, which must stand at position 2 or later.
std::optional<VendorCall> DecodeMultiCidMessage(const QString &msg);

// The slot of a library notice for `port`: the first slot whose port number matches, -1 for none.
int SeeIdSlotOfPort(int port);

// The status text of a telephone-service login code; empty for an unlisted code.
QString KtLoginText(int code);
// The service's authentication key: from the settings ("KTCID"/"AUTH_KEY") when set there,
// otherwise the one the service issued to this program.
QString KtAuthKey();

// Opens the vendor library for slot s at start-up or from the settings frame: logs each step,
// switches the slot off (memory and settings file) on failure. Returns the status-bar text
// ("CID:" + port, or "CID:실패") and whether it opened.
struct VendorOpenResult
{
    bool opened = false;
    QString panelText;
};
VendorOpenResult OpenCidLibraryForSlot(int slot);
