#pragma once

#include "devices/escpos_copies.h"
#include "devices/escpos_sender.h"
#include "orders/order_seams.h"

#include <QObject>
#include <QQueue>

#include <functional>

// What a system-printer slot needs to print its copies.
struct SystemReceiptInput
{
    int slot = 0;
    const ReceiptOrder *order = nullptr;
    const PrintArgument *argument = nullptr;
    const TPRINT_SET *settings = nullptr;
    const ReceiptBlocks *blocks = nullptr;
    const QList<TGrpPrint> *groups = nullptr;
    QString multiType;
};

// The receipts of one order on the printer slots: asks the server for the order's print data,
// builds every copy and hands each command-printer slot's copies to the sender in one piece
// (system printers go to the system-printer hook). Jobs that arrive while one runs wait their
// turn, so one job never reads another's data.
class ReceiptPrintJob : public QObject, public IOrderPrinter
{
    Q_OBJECT
public:
    struct Hooks
    {
        // The print-data request with its payload; the reply pages (empty when none came).
        std::function<QStringList(const QString &payload)> fetch;
        std::function<void(const QString &line)> log;
        // A message to the user (only for a print the user asked for).
        std::function<void(const QString &text)> inform;
        // Copies of a system-printer slot (USB, parallel port); unset: such slots print nothing.
        std::function<void(const SystemReceiptInput &input)> systemPrint;
    };

    explicit ReceiptPrintJob(QObject *parent = nullptr);
    ReceiptPrintJob(Hooks hooks, EscPosSender::Timing timing, QObject *parent);

    Hooks &hooks() { return m_hooks; }
    EscPosSender &sender() { return *m_sender; }

    // Prints order argument `sOrdNo` on slot iPrt (0..3), or on every slot in use for -1.
    void proc_Print(const QString &sOrdNo, int iGubun, int iPrt);
    void printOrder(const QString &text, int copies, int slot) override { proc_Print(text, copies, slot); }

    // The hooks the program uses: the shared server link, the daily log, the message box.
    static Hooks ProgramHooks();

private:
    struct Job
    {
        QString argument;
        int iGubun;
        int iPrt;
    };
    void run(const Job &job);
    void log(const QString &line);

    Hooks m_hooks;
    EscPosSender *m_sender = nullptr;
    bool m_busy = false;
    QQueue<Job> m_waiting;
};

// The request code of the print data.
inline constexpr char kReceiptRequestCode[] = "CS01_25_V02";
