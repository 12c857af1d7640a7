#include "devices/receipt_print_job.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/device_records.h"
#include "records/session_records.h"
#include "start/device_start.h"

namespace
{
EscPosTarget receiptTarget(const TPRINT_SET &slot)
{
    EscPosTarget t;
    t.kind = slot.iType;
    t.name = slot.PRTNAME;
    if (slot.iType == 0) {
        t.rateOrPort = SelectedBaud(slot.Rate);
    } else {
        bool ok = false;
        const int port = QString(slot.Rate).toInt(&ok);
        t.rateOrPort = ok && port > 0 && port < 65536 ? port : 9100;
    }
    return t;
}
} // namespace

ReceiptPrintJob::ReceiptPrintJob(QObject *parent)
    : ReceiptPrintJob(ProgramHooks(), EscPosSender::Timing(), parent)
{
}

ReceiptPrintJob::ReceiptPrintJob(Hooks hooks, EscPosSender::Timing timing, QObject *parent)
    : QObject(parent), m_hooks(std::move(hooks)), m_sender(new EscPosSender(timing, this))
{
    connect(m_sender, &EscPosSender::logLine, this, [this](const QString &line) { log(line); });
    connect(m_sender, &EscPosSender::printerDown, this, [this](int slot, const QString &name) {
        log(QStringLiteral("PRT%1 not answering : ").arg(slot + 1) + name);
    });
}

ReceiptPrintJob::Hooks ReceiptPrintJob::ProgramHooks()
{
    Hooks h;
    h.fetch = [](const QString &payload) {
        return RequestList(G_TCP_CLIENT, QString::fromLatin1(kReceiptRequestCode), QStringLiteral("ADM1"), payload,
                           QStringLiteral("3000"), 30000);
    };
    h.log = [](const QString &line) { WriteLog(line); };
    h.inform = [](const QString &text) { MsgBox(text, QStringLiteral("I")); };
    return h;
}

void ReceiptPrintJob::log(const QString &line)
{
    if (m_hooks.log)
        m_hooks.log(line);
}

void ReceiptPrintJob::proc_Print(const QString &sOrdNo, int iGubun, int iPrt)
{
    m_waiting.enqueue({sOrdNo, iGubun, iPrt});
    // The request waits in an event loop: a job asked for meanwhile runs after this one.
    if (m_busy)
        return;
    m_busy = true;
    while (!m_waiting.isEmpty())
        run(m_waiting.dequeue());
    m_busy = false;
}

void ReceiptPrintJob::run(const Job &job)
{
    const QString code = QString::fromLatin1(kReceiptRequestCode);
    const PrintArgument arg = ParsePrintArgument(job.argument);
    const QStringList pages = m_hooks.fetch
        ? m_hooks.fetch(JoinRequestFields({arg.ordNo, G_USER_INFO.ID, QString::number(job.iGubun)}))
        : QStringList();
    ReceiptOrder order;
    const ReceiptStaging staged = StageReceiptPages(pages, arg, ProgramReceiptCodeNames(), order);
    switch (staged.result) {
    case ReceiptStaging::Result::Empty:
        log(code + QStringLiteral(" ERR[NO RESULT]"));
        return;
    case ReceiptStaging::Result::Failed:
        // Automatic prints only log: a box would stop the dispatcher for every order.
        if (job.iPrt < 0 && m_hooks.inform)
            m_hooks.inform(QStringLiteral("실패했습니다.\r\n") + staged.failMsg);
        log(code + QStringLiteral(" is Fail ") + staged.failCode + QLatin1Char(':') + staged.failMsg);
        return;
    case ReceiptStaging::Result::NoHeader:
        log(code + QStringLiteral(" ERR[NO HEADER] ") + arg.ordNo);
        return;
    case ReceiptStaging::Result::Ok:
        break;
    }
    if (order.pathCode == QLatin1String("1004") && job.iPrt >= 0 && job.iPrt < kPrinterSlots
        && QString(G_PRINT_SET[size_t(job.iPrt)].BM_NO_PRT) == QLatin1String("1")) {
        log(QStringLiteral("배민앱 영수증 미출력[") + job.argument + QLatin1Char(']'));
        return;
    }
    const std::array<ReceiptBlocks, 4> blocks = BuildReceiptBlocks(order, G_PRINT_SET, G_GRP_PRINT, job.iPrt);
    const QString multiType = G_USER_INFO.MULTI_TYPE;
    for (int s = 0; s < kPrinterSlots; ++s) {
        if (job.iPrt >= 0 && job.iPrt != s)
            continue;
        const TPRINT_SET &slot = G_PRINT_SET[size_t(s)];
        if (!slot.Use_yn)
            continue;
        if (slot.iType == 0 || slot.iType == 1) {
            EscPosStreams streams;
            QString error;
            if (!BuildEscPosStreams({&order, &arg, &slot, &blocks[size_t(s)], &G_GRP_PRINT, multiType}, streams,
                                    &error)) {
                log(code + QStringLiteral(" Exception Err ") + error);
                return;
            }
            const QByteArray bytes = EscPosStreamBytes(slot.IGubun == 0 ? streams.narrow : streams.wide);
            // Nothing switched on for the slot: nothing to send.
            if (streams.wide.isEmpty())
                continue;
            m_sender->send({s, receiptTarget(slot), bytes, QString::number(job.iPrt), arg.ordNo});
        } else if ((slot.iType == 2 || slot.iType == 3) && m_hooks.systemPrint) {
            m_hooks.systemPrint({s, &order, &arg, &slot, &blocks[size_t(s)], &G_GRP_PRINT, multiType});
        }
    }
}
