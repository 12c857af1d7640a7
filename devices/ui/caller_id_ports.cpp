#include "devices/ui/caller_id_ports.h"

#include "devices/caller_id_vendor.h"

#include <QSerialPort>

namespace
{
CallerIdStartDevices *g_cidDevices = nullptr;
}

CallerIdStartDevices::CallerIdStartDevices(std::shared_ptr<IStartDevices> printers, QObject *parent)
    : QObject(parent)
    , m_printers(std::move(printers))
{
}

CallerIdStartDevices::~CallerIdStartDevices()
{
    if (g_cidDevices == this)
        g_cidDevices = nullptr;
}

QString CallerIdStartDevices::openCallerIdPort(int box, const QString &name, int baud)
{
    if (box < 1 || box > 2)
        return QStringLiteral("no such box");
    QSerialPort *&p = m_ports[size_t(box - 1)];
    if (!p) {
        p = new QSerialPort(this);
        const int slot = box - 1;
        connect(p, &QSerialPort::readyRead, this, [this, p, slot] {
            const QByteArray bytes = p->readAll();
            if (chunk && !bytes.isEmpty())
                chunk(slot, bytes);
        });
    }
    p->close();
    p->setPortName(name);
    if (baud > 0)
        p->setBaudRate(baud);
    p->setDataBits(QSerialPort::Data8);
    p->setParity(QSerialPort::NoParity);
    p->setStopBits(QSerialPort::OneStop);
    p->setFlowControl(QSerialPort::NoFlowControl);
    if (!p->open(QIODevice::ReadOnly)) {
        const QString error = p->errorString();
        p->close();
        return error.isEmpty() ? QStringLiteral("open failed") : error;
    }
    p->setDataTerminalReady(false);
    p->setRequestToSend(false);
    return QString();
}

bool CallerIdStartDevices::loadVendorLibrary()
{
    return CidLibrary().loadSetDll();
}

bool CallerIdStartDevices::openVendorPort(int portNo)
{
    return CidLibrary().seeId4Open(portNo);
}

QString CallerIdStartDevices::probeSerialPrinter(int slot, const QString &port, int baud)
{
    return m_printers ? m_printers->probeSerialPrinter(slot, port, baud) : QStringLiteral("no printer");
}

QString CallerIdStartDevices::connectNetworkPrinter(int slot, const QString &host, quint16 port, int timeoutMs)
{
    return m_printers ? m_printers->connectNetworkPrinter(slot, host, port, timeoutMs) : QStringLiteral("no printer");
}

QString CallerIdStartDevices::selectSystemPrinter(int slot, int index)
{
    return m_printers ? m_printers->selectSystemPrinter(slot, index) : QStringLiteral("no printer");
}

QStringList CallerIdStartDevices::installedPrinters()
{
    return m_printers ? m_printers->installedPrinters() : QStringList();
}

QSerialPort *CallerIdStartDevices::port(int box) const
{
    return box >= 1 && box <= 2 ? m_ports[size_t(box - 1)] : nullptr;
}

CallerIdStartDevices *InstalledCallerIdDevices()
{
    return g_cidDevices;
}

void SetInstalledCallerIdDevices(CallerIdStartDevices *devices)
{
    g_cidDevices = devices;
}
