#include "platform/machine_id.h"

#include <QFile>

namespace
{
const IMachineIdSource *g_source = nullptr;

const IMachineIdSource &defaultSource()
{
    static const FileMachineIdSource files;
    return files;
}
} // namespace

FileMachineIdSource::FileMachineIdSource()
    : m_paths({QStringLiteral("/etc/machine-id"), QStringLiteral("/var/lib/dbus/machine-id")})
{
}

FileMachineIdSource::FileMachineIdSource(QStringList paths) : m_paths(std::move(paths)) {}

QByteArray FileMachineIdSource::machineId() const
{
    for (const QString &path : m_paths) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray id = f.read(256).trimmed();
        if (!id.isEmpty())
            return id;
    }
    return QByteArray();
}

void SetMachineIdSource(const IMachineIdSource *source) { g_source = source; }

QString FormatVolumeSerial(quint32 serial)
{
    return QStringLiteral("%1-%2")
        .arg(serial >> 16, 4, 16, QLatin1Char('0'))
        .arg(serial & 0xFFFF, 4, 16, QLatin1Char('0'))
        .toUpper();
}

bool SerialFromMachineId(const QByteArray &machineId, quint32 *serial)
{
    const QByteArray head = machineId.trimmed().left(8);
    if (head.size() < 8)
        return false;
    bool ok = false;
    const quint32 value = head.toUInt(&ok, 16);
    if (!ok)
        return false;
    *serial = value;
    return true;
}

QString GetVolumeSerial(QChar drive)
{
    Q_UNUSED(drive);
    const IMachineIdSource &source = g_source ? *g_source : defaultSource();
    quint32 serial = 0;
    if (!SerialFromMachineId(source.machineId(), &serial))
        return QStringLiteral("0000-0000");
    return FormatVolumeSerial(serial);
}
