#include "devices/escpos_sender.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QTcpSocket>
#include <QThread>

// Lives on the sender's thread; owns the ports.
class EscPosSenderWorker : public QObject
{
    Q_OBJECT
public:
    EscPosSenderWorker(EscPosSender::Timing timing) : m_timing(timing) {}
    ~EscPosSenderWorker() override
    {
        for (auto &s : m_slots) {
            delete s.tcp;
            delete s.serial;
        }
    }

    QAtomicInt pending;

public slots:
    void doSend(const EscPosSend &job)
    {
        const bool ok = job.target.kind == 0 ? sendSerial(job) : sendTcp(job);
        Slot &s = m_slots[size_t(job.slot & 3)];
        if (!ok && !s.down) {
            s.down = true;
            emit printerDown(job.slot, job.target.name);
        } else if (ok) {
            s.down = false;
        }
        emit sent(job.slot, ok);
        pending.fetchAndSubAcquire(1);
    }

    void doClose(int slot)
    {
        Slot &s = m_slots[size_t(slot & 3)];
        delete s.tcp;
        s.tcp = nullptr;
        delete s.serial;
        s.serial = nullptr;
        s.down = false;
    }

signals:
    void logLine(const QString &line);
    void printerDown(int slot, const QString &name);
    void sent(int slot, bool ok);

private:
    struct Slot
    {
        QTcpSocket *tcp = nullptr;
        QString host;
        int port = 0;
        QSerialPort *serial = nullptr;
        bool down = false;
    };

    static void pause(int ms)
    {
        if (ms > 0)
            QThread::msleep(ulong(ms));
    }

    static QString tail(const EscPosSend &job, const QString &kind)
    {
        return QStringLiteral(" [") + job.iPrt + QStringLiteral("]:") + job.ordNo + QStringLiteral(",PRT_NUM:")
               + QString::number(job.slot) + QLatin1Char(',') + kind + job.target.name;
    }

    bool openSerial(const EscPosSend &job, QSerialPort &port)
    {
        for (int n = 0; n < m_timing.attempts; ++n) {
            port.setPortName(job.target.name);
            if (job.target.rateOrPort > 0)
                port.setBaudRate(job.target.rateOrPort);
            if (port.open(QIODevice::ReadWrite))
                return true;
            if (port.error() != QSerialPort::NoError) {
                pause(m_timing.afterErrorMs);
                emit logLine(QStringLiteral("PRT_ERR[CNT:%1]:").arg(n) + port.errorString()
                             + tail(job, QStringLiteral("COM:")));
                port.clearError();
            }
        }
        return false;
    }

    // Writes everything; the number of bytes the port took.
    qint64 writeAll(QIODevice &dev, const QByteArray &bytes, QString &error)
    {
        qint64 done = 0;
        QElapsedTimer clock;
        clock.start();
        while (done < bytes.size()) {
            const qint64 n = dev.write(bytes.constData() + done, bytes.size() - done);
            if (n < 0) {
                error = dev.errorString();
                return done;
            }
            done += n;
            while (dev.bytesToWrite() > 0) {
                if (!dev.waitForBytesWritten(int(qMax<qint64>(1, m_timing.writeTimeoutMs - clock.elapsed())))) {
                    error = dev.errorString();
                    return done - dev.bytesToWrite();
                }
            }
        }
        return done;
    }

    bool sendSerial(const EscPosSend &job)
    {
        Slot &s = m_slots[size_t(job.slot & 3)];
        if (!s.serial)
            s.serial = new QSerialPort;
        QSerialPort &port = *s.serial;
        if (!openSerial(job, port)) {
            port.close();
            return false;
        }
        QString error;
        const qint64 written = writeAll(port, job.bytes, error);
        if (written == job.bytes.size()) {
            emit logLine(QStringLiteral("PRT_SUCC[") + job.iPrt + QStringLiteral("]:") + job.ordNo
                         + QStringLiteral(",PRT_NUM:") + QString::number(job.slot) + QStringLiteral(",COM:")
                         + job.target.name);
            port.close();
            return true;
        }
        emit logLine(QStringLiteral("PRT_ERR:") + error + tail(job, QStringLiteral("COM:")));
        port.close();
        // Part of the receipt reached the printer: sending it again would print it twice.
        if (written > 0)
            return false;
        pause(m_timing.retryWaitMs);
        if (!openSerial(job, port))
            return false;
        error.clear();
        const bool ok = writeAll(port, job.bytes, error) == job.bytes.size();
        if (!ok)
            emit logLine(QStringLiteral("PRT_ERR2:") + error + tail(job, QStringLiteral("COM:")));
        port.close();
        return ok;
    }

    bool connectTcp(const EscPosSend &job, Slot &s)
    {
        if (s.tcp && (s.host != job.target.name || s.port != job.target.rateOrPort)) {
            delete s.tcp;
            s.tcp = nullptr;
        }
        if (!s.tcp) {
            s.tcp = new QTcpSocket;
            s.host = job.target.name;
            s.port = job.target.rateOrPort;
        }
        QTcpSocket &sock = *s.tcp;
        for (int n = 0; n < m_timing.attempts; ++n) {
            if (sock.state() == QAbstractSocket::ConnectedState)
                return true;
            if (sock.state() == QAbstractSocket::UnconnectedState)
                sock.connectToHost(s.host, quint16(s.port));
            if (sock.waitForConnected(qMax(1, m_timing.connectWaitMs)))
                return true;
            if (sock.error() != QAbstractSocket::SocketTimeoutError) {
                const QString why = sock.errorString();
                sock.abort();
                pause(m_timing.afterErrorMs);
                emit logLine(QStringLiteral("PRT_ERR[CNT:%1]:").arg(n) + why + tail(job, QStringLiteral("TCP:")));
            }
        }
        return sock.state() == QAbstractSocket::ConnectedState;
    }

    bool sendTcp(const EscPosSend &job)
    {
        Slot &s = m_slots[size_t(job.slot & 3)];
        if (!connectTcp(job, s)) {
            if (s.tcp)
                s.tcp->abort();
            return false;
        }
        // A connection the printer closed since the last receipt shows only now.
        s.tcp->waitForReadyRead(0);
        s.tcp->readAll();
        if (s.tcp->state() != QAbstractSocket::ConnectedState && !connectTcp(job, s))
            return false;
        QString error;
        if (writeAll(*s.tcp, job.bytes, error) != job.bytes.size()) {
            emit logLine(QStringLiteral("PRT_ERR:") + error + tail(job, QStringLiteral("TCP:")));
            s.tcp->abort();
            return false;
        }
        emit logLine(QStringLiteral("PRT[") + job.iPrt + QStringLiteral("]:") + job.ordNo + QStringLiteral(",PRT_NUM:")
                     + QString::number(job.slot) + QStringLiteral(",TCP:") + job.target.name);
        return true;
    }

    EscPosSender::Timing m_timing;
    std::array<Slot, 4> m_slots;
};

EscPosSender::EscPosSender(QObject *parent)
    : EscPosSender(Timing(), parent)
{
}

EscPosSender::EscPosSender(Timing timing, QObject *parent)
    : QObject(parent), m_thread(std::make_unique<QThread>())
{
    qRegisterMetaType<EscPosSend>("EscPosSend");
    m_thread->setObjectName(QStringLiteral("receipt printers"));
    m_worker = new EscPosSenderWorker(timing);
    m_worker->moveToThread(m_thread.get());
    connect(m_thread.get(), &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &EscPosSenderWorker::logLine, this, &EscPosSender::logLine, Qt::QueuedConnection);
    connect(m_worker, &EscPosSenderWorker::printerDown, this, &EscPosSender::printerDown, Qt::QueuedConnection);
    connect(m_worker, &EscPosSenderWorker::sent, this, &EscPosSender::sent, Qt::QueuedConnection);
    m_thread->start();
}

EscPosSender::~EscPosSender()
{
    m_thread->quit();
    m_thread->wait();
    // The worker's thread has stopped; a deferred delete it posted on its way out is never run.
    delete m_worker.data();
}

void EscPosSender::send(const EscPosSend &job)
{
    m_worker->pending.fetchAndAddRelease(1);
    QMetaObject::invokeMethod(m_worker, "doSend", Qt::QueuedConnection, Q_ARG(EscPosSend, job));
}

void EscPosSender::closeSlot(int slot)
{
    QMetaObject::invokeMethod(m_worker, "doClose", Qt::QueuedConnection, Q_ARG(int, slot));
}

bool EscPosSender::waitIdle(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_worker->pending.loadAcquire() > 0) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(5);
    }
    // Deliver the log lines and results the worker has queued for this thread.
    QCoreApplication::sendPostedEvents(this);
    QCoreApplication::processEvents();
    return true;
}

#include "escpos_sender.moc"
