#include "devices/ui/system_receipts.h"

#include "common/daily_log.h"
#include "records/device_records.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace
{
QFont receiptFont(int points, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("굴림체"), QStringLiteral("NanumGothicCoding"), QStringLiteral("Noto Sans Mono CJK KR")});
    f.setStyleHint(QFont::Monospace);
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

// Ends a painter's job whatever happens on the way.
struct PainterJob
{
    QPainter painter;
    ~PainterJob()
    {
        if (painter.isActive())
            painter.end();
    }
};
} // namespace

bool PaintSystemReceiptJobs(QPrinter &printer, const QList<SystemReceiptJob> &jobs, QString *error)
{
    for (const SystemReceiptJob &job : jobs) {
        PainterJob pj;
        QPainter &p = pj.painter;
        if (!p.begin(&printer)) {
            if (error)
                *error = QStringLiteral("the printer did not start the job");
            return false;
        }
        const int width = p.viewport().width();
        int y = 0;
        p.setFont(receiptFont(job.heading.points, job.heading.bold));
        QFontMetrics hm(p.font(), &printer);
        p.drawText(qRound((width - hm.horizontalAdvance(job.heading.text)) / 2.0), y + hm.ascent(), job.heading.text);
        y += hm.height();
        for (const SystemReceiptLine &line : job.lines) {
            p.setFont(receiptFont(line.points, line.bold));
            QFontMetrics m(p.font(), &printer);
            for (const QString &part : line.text.split(QStringLiteral("\r\n"))) {
                const QRect r = m.boundingRect(QRect(0, y, width, 100000), Qt::TextWrapAnywhere, part);
                p.drawText(QRect(0, y, width, r.height()), Qt::TextWrapAnywhere, part);
                y += qMax(r.height(), m.height());
            }
        }
    }
    return true;
}

void PrintSystemReceipts(const SystemReceiptInput &input)
{
    const QString prefix = QStringLiteral("PRT%1").arg(input.slot + 1)
                           + (input.settings->iType == 3 ? QStringLiteral("_LPT_ERR : ") : QStringLiteral("_USB_ERR : "));
    QList<SystemReceiptJob> jobs;
    QString error;
    if (!BuildSystemReceiptJobs(input, jobs, &error)) {
        WriteLog(prefix + error);
        return;
    }
    if (jobs.isEmpty())
        return;
    const QPrinterInfo info = QPrinterInfo::printerInfo(input.settings->PRTNAME);
    if (info.isNull()) {
        WriteLog(prefix + QStringLiteral("no printer named ") + input.settings->PRTNAME);
        return;
    }
    QPrinter printer(info);
    if (!PaintSystemReceiptJobs(printer, jobs, &error))
        WriteLog(prefix + error);
}
