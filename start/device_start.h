#pragma once

#include <QString>
#include <QStringList>

class TIniFile;

// The devices the start opens: serial caller-ID boxes, the caller-ID vendor library and the
// receipt printers. The program's implementation talks to the real ports; tests pass a fake.
class IStartDevices
{
public:
    virtual ~IStartDevices() = default;
    // Serial caller-ID box 1 or 2: closes, sets the port and rate (0 keeps the current rate) and
    // opens it. An empty text when it opened, otherwise the error.
    virtual QString openCallerIdPort(int box, const QString &port, int baud) = 0;
    // The caller-ID vendor library: initialization, then opening a port number.
    virtual bool loadVendorLibrary() = 0;
    virtual bool openVendorPort(int portNo) = 0;
    // Printer slot 1..4: serial port opened and closed at once; network printer connected within
    // timeoutMs; system printer (USB or parallel) selected by its index in the installed list
    // (-1: the default printer). An empty text on success, otherwise the error.
    virtual QString probeSerialPrinter(int slot, const QString &port, int baud) = 0;
    virtual QString connectNetworkPrinter(int slot, const QString &host, quint16 port, int timeoutMs) = 0;
    virtual QString selectSystemPrinter(int slot, int index) = 0;
    // Names of the installed printers in the system's order.
    virtual QStringList installedPrinters() = 0;
};

// Text and colour of status-bar panel 6 (the caller-ID panel).
struct CidPanel
{
    enum class Colour { White, Yellow, Red };
    QString text;
    Colour colour = Colour::White;
    bool operator==(const CidPanel &) const = default;
};

// The panel before any device is opened: the extension of the network caller-ID on yellow, or
// empty on white.
CidPanel InitialCidPanel();

// The rate a rate text selects: one of 4800, 9600, 19200, 38400, 57600, 115200, or 0 (keep the
// port's rate) for anything else.
int SelectedBaud(const QString &rateText);

// Reads the caller-ID sections into the device records and opens the boxes in use. A vendor
// device that cannot be opened is switched off in the records and in the file. Returns the panel.
CidPanel StartCallerIdDevices(IStartDevices &devices, TIniFile *ini, CidPanel panel);

// Reads the printer slots and opens those in use; a failure is logged and the next slot tried.
void StartPrinters(IStartDevices &devices, const TIniFile *ini, const QStringList &installed);
