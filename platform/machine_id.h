#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

// The PC id every request carries, in the form of a drive's volume serial number. Linux has no
// such number, so a stable 32-bit value is taken from the
// machine id (systemd's /etc/machine-id, or D-Bus's copy), which stays the same across restarts
// and program updates and differs between installations.
class IMachineIdSource
{
public:
    virtual ~IMachineIdSource() = default;
    // The raw machine id text; empty when none can be read.
    virtual QByteArray machineId() const = 0;
};

// Reads the first readable, non-empty file of a list of paths.
class FileMachineIdSource : public IMachineIdSource
{
public:
    FileMachineIdSource();
    explicit FileMachineIdSource(QStringList paths);
    QByteArray machineId() const override;

private:
    QStringList m_paths;
};

// Installs the source GetVolumeSerial reads (tests install a fake); nullptr restores the files.
void SetMachineIdSource(const IMachineIdSource *source);

// "%.4X-%.4X" of a 32-bit serial: upper half, "-", lower half, upper-case hex with leading zeros.
QString FormatVolumeSerial(quint32 serial);
// The 32-bit value of a machine id: its first eight hexadecimal digits; false when it has fewer.
bool SerialFromMachineId(const QByteArray &machineId, quint32 *serial);

// The PC's serial as "1A2B-3C4D"; "0000-0000" when it cannot be read. The drive letter has no
// meaning on Linux and is ignored.
QString GetVolumeSerial(QChar drive = QLatin1Char('C'));
