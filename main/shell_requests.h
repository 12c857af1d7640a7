#pragma once

#include "main/shell_pages.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The main window's own requests on the shared connection. Each logs its failures the way every
// loader does ("<code> ERR[NO RESULT]", "<code> is Fail <code>:<msg>", "<code> Exception Err <msg>").

inline constexpr char kCourierCallCode[] = "CS07_38_V01";
inline constexpr char kCardSlipCode[] = "CS01_47_V01";
inline constexpr char kPlatformContractCode[] = "CS08_21_V01";
inline constexpr char kDeviceListCode[] = "CS08_11_V02";
inline constexpr char kDeviceChangeCode[] = "CS08_12_V02";

// How the requests reach the server: RequestList / RequestOne on G_TCP_CLIENT unless a test
// installs its own. Returns the previous one.
struct ShellRequestFunctions
{
    std::function<QStringList(const QString &code, const QString &callType, const QString &val,
                              const QString &pageCount, int timeoutMs)>
        list;
    std::function<QString(const QString &code, const QString &callType, const QString &val, int timeoutMs)> one;
};
ShellRequestFunctions SetShellRequestFunctions(ShellRequestFunctions fns);

// proc_GetWkCallInfo's request: the popup's texts for courier wkCode.
CourierCallInfo LoadCourierCallInfo(const QString &wkCode);

// procCardApprList's request: true with the slip when the last row belongs to ordNo.
bool LoadCardSlip(const QString &ordNo, const QString &gubun, CardSlip &slip);

// funcGetPlaformContract: true only when the server answers that the agreement is missing ("N").
bool PlatformContractMissing();

// Registered devices of the user. False when there was no reply (the list is then left alone).
bool LoadRegDevices(QList<RegDevice> &devices);
// A change of one device: empty result on success, else the server's message; noReply set when
// nothing came back.
struct DeviceChangeResult
{
    bool ok = false;
    bool noReply = false;
    QString outCode, outMsg;
};
DeviceChangeResult ChangeRegDevice(const QString &userId, const QString &deviceId, const QString &alias,
                                   const QString &state);
