#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>

class QThread;

// Where one command-printer slot's bytes go.
struct EscPosTarget
{
    int kind = 0;        // 0 serial port, 1 network printer
    QString name;        // serial port name or printer host
    int rateOrPort = 0;  // baud rate (0 keeps the port's) or TCP port
};

// One receipt to send, with the texts its log lines carry.
struct EscPosSend
{
    int slot = 0;        // 0..3
    EscPosTarget target;
    QByteArray bytes;
    QString iPrt;        // the job's slot choice as text ("-1" for every slot)
    QString ordNo;
};

class EscPosSenderWorker;

// Sends receipts to the command printers on a thread of its own, so a slow or absent printer
// never holds up the window. Each slot keeps its network connection between receipts (and opens
// its serial port only while it writes). Every send is one write; a receipt that went out in part
// is never sent again, so a printer never prints half a receipt twice. The attempts are logged,
// and a printer that stops answering is reported once until it answers again.
class EscPosSender : public QObject
{
    Q_OBJECT
public:
    // Timings of the attempts, shortened by tests.
    struct Timing
    {
        int attempts = 5;
        int connectWaitMs = 100;   // after each connect attempt
        int afterErrorMs = 500;    // after an attempt that failed with an error
        int retryWaitMs = 100;     // before the second serial write
        int writeTimeoutMs = 5000;
    };

    explicit EscPosSender(QObject *parent = nullptr);
    EscPosSender(Timing timing, QObject *parent);
    ~EscPosSender() override;

    // Queues a receipt; returns at once.
    void send(const EscPosSend &job);
    // Closes the slot's connection (its settings changed).
    void closeSlot(int slot);
    // Waits until every queued receipt is done (tests and the program's end).
    bool waitIdle(int timeoutMs);

signals:
    // A log line, delivered on the thread that made the sender.
    void logLine(const QString &line);
    // The slot's printer did not answer; sent once until it answers again.
    void printerDown(int slot, const QString &name);
    // A receipt has been handed to the printer (true) or given up (false).
    void sent(int slot, bool ok);

private:
    std::unique_ptr<QThread> m_thread;
    QPointer<EscPosSenderWorker> m_worker;
};
