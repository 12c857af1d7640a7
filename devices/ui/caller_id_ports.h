#pragma once

#include "start/device_start.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>

class QSerialPort;

// The start-up's devices with the caller-ID side made real: the two serial boxes' ports deliver
// their chunks to `chunk`, and the vendor library is the installed one. Printers are left to the
// devices given.
class CallerIdStartDevices : public QObject, public IStartDevices
{
public:
    CallerIdStartDevices(std::shared_ptr<IStartDevices> printers, QObject *parent = nullptr);
    ~CallerIdStartDevices() override;

    std::function<void(int slot, const QByteArray &bytes)> chunk;

    QString openCallerIdPort(int box, const QString &port, int baud) override;
    bool loadVendorLibrary() override;
    bool openVendorPort(int portNo) override;
    QString probeSerialPrinter(int slot, const QString &port, int baud) override;
    QString connectNetworkPrinter(int slot, const QString &host, quint16 port, int timeoutMs) override;
    QString selectSystemPrinter(int slot, int index) override;
    QStringList installedPrinters() override;

    QSerialPort *port(int box) const;

private:
    std::shared_ptr<IStartDevices> m_printers;
    std::array<QSerialPort *, 2> m_ports{};
};

// The devices the program uses for caller ID (the start-up's and the settings frame's).
CallerIdStartDevices *InstalledCallerIdDevices();
void SetInstalledCallerIdDevices(CallerIdStartDevices *devices);
