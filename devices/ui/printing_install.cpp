#include "devices/ui/printing_install.h"

#include "devices/receipt_print_job.h"
#include "devices/ui/label_printer.h"
#include "devices/ui/system_receipts.h"
#include "main/ui/start_forms.h"

#include <QCoreApplication>
#include <QPointer>

#include <memory>

namespace
{
QPointer<ReceiptPrintJob> g_receiptPrinter;
std::unique_ptr<SameDayLabelPrinter> g_labelPrinter;
} // namespace

ReceiptPrintJob &ProgramReceiptPrinter()
{
    if (!g_receiptPrinter) {
        g_receiptPrinter = new ReceiptPrintJob(QCoreApplication::instance());
        g_receiptPrinter->hooks().systemPrint = [](const SystemReceiptInput &input) { PrintSystemReceipts(input); };
    }
    return *g_receiptPrinter;
}

SameDayLabelPrinter &ProgramLabelPrinter()
{
    if (!g_labelPrinter)
        g_labelPrinter = std::make_unique<SameDayLabelPrinter>(SameDayLabelPrinter::ProgramHooks());
    return *g_labelPrinter;
}

void InstallPrinting()
{
    ShellActionHooks &h = ShellActions();
    h.print = [](const QString &key, int kind, int slot) { ProgramReceiptPrinter().proc_Print(key, kind, slot); };
    h.orderPrinter = &ProgramReceiptPrinter();
    h.labelPrinter = &ProgramLabelPrinter();
}
