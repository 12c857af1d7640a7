#include "start/device_start.h"

#include "common/daily_log.h"
#include "start/start_settings.h"
#include "records/device_records.h"
#include "settings/settings_file.h"

namespace
{
// The digits of a port name as a number ("COM3" -> 3), 1 when there are none or too many.
int portNumber(const QString &name)
{
    QString digits;
    for (QChar c : name)
        if (c.isDigit() && c.unicode() < 128)
            digits += c;
    bool ok = false;
    const int n = digits.left(9).toInt(&ok);
    return ok ? n : 1;
}

CidPanel failedPanel()
{
    return {QStringLiteral("CID:실패"), CidPanel::Colour::Red};
}

void switchOff(TIniFile *ini, int n, TCOM_CID_INFO &cid)
{
    cid.Use_yn = "0";
    if (ini)
        ini->WriteString(QStringLiteral("COMCID%1").arg(n), QStringLiteral("USE"), QStringLiteral("0"));
}
} // namespace

CidPanel InitialCidPanel()
{
    if (G_CID_INFO.Use_yn == QLatin1String("1"))
        return {QStringLiteral("내선:") + G_CID_INFO.NaeSun, CidPanel::Colour::Yellow};
    return {};
}

int SelectedBaud(const QString &rateText)
{
    bool ok = false;
    const int rate = rateText.trimmed().toInt(&ok);
    if (!ok)
        return 9600;
    switch (rate) {
    case 4800: case 9600: case 19200: case 38400: case 57600: case 115200:
        return rate;
    default:
        return 0;
    }
}

CidPanel StartCallerIdDevices(IStartDevices &devices, TIniFile *ini, CidPanel panel)
{
    ReadCallerIdSettings(ini);
    for (int n = 1; n <= 2; ++n) {
        TCOM_CID_INFO &cid = G_COM_CID[size_t(n - 1)];
        if (cid.Use_yn != QLatin1String("1"))
            continue;
        const QString name = cid.COMNAME;
        if (cid.iType == 0 || cid.iType == 1) {
            const QString error = devices.openCallerIdPort(n, name, SelectedBaud(cid.Rate));
            panel = error.isEmpty() ? CidPanel{QStringLiteral("CID:") + name, CidPanel::Colour::Yellow}
                                    : failedPanel();
            if (!error.isEmpty())
                WriteLog(QStringLiteral("CID_CONN[%1]:").arg(name) + error);
        } else if (cid.iType == 2 || cid.iType == 3) {
            if (!devices.loadVendorLibrary()) {
                WriteLog(QStringLiteral("CID_CONN[SEE-ID]:DLL초기화에 실패하였습니다."));
                switchOff(ini, n, cid);
                panel = failedPanel();
                continue;
            }
            WriteLog(QStringLiteral("CID_CONN[SEE-ID]:성공적으로 DLL을 초기화 하였습니다"));
            if (devices.openVendorPort(portNumber(name))) {
                WriteLog(QStringLiteral("CID_CONN[SEE-ID][") + name + QStringLiteral("]):오픈 성공"));
                panel = {QStringLiteral("CID:") + name, CidPanel::Colour::Yellow};
            } else {
                panel = failedPanel();
                WriteLog(QStringLiteral("CID_CONN[SEE-ID][") + name + QStringLiteral("]):오픈 실패"));
                switchOff(ini, n, cid);
            }
        }
    }
    return panel;
}

void StartPrinters(IStartDevices &devices, const TIniFile *ini, const QStringList &installed)
{
    ReadPrinterSettings(ini);
    for (int n = 1; n <= kPrinterSlots; ++n) {
        const TPRINT_SET &p = G_PRINT_SET[size_t(n - 1)];
        if (!p.Use_yn)
            continue;
        const QString prefix = QStringLiteral("PRT%1").arg(n);
        QString error;
        QString kind;
        switch (p.iType) {
        case 0:
            kind = QStringLiteral("_COM_ERR : ");
            error = devices.probeSerialPrinter(n, p.PRTNAME, SelectedBaud(p.Rate));
            break;
        case 1: {
            kind = QStringLiteral("_CLT_ERR : ");
            bool ok = false;
            const int port = p.Rate.toInt(&ok);
            error = devices.connectNetworkPrinter(n, p.PRTNAME, quint16(ok && port > 0 && port < 65536 ? port : 9100),
                                                  1000);
            break;
        }
        case 2:
        case 3:
            kind = p.iType == 2 ? QStringLiteral("_USB_ERR : ") : QStringLiteral("_LPT_ERR : ");
            error = devices.selectSystemPrinter(n, int(installed.indexOf(p.PRTNAME)));
            break;
        default:
            break;
        }
        if (!error.isEmpty())
            WriteLog(prefix + kind + error);
    }
}
