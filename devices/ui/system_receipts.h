#pragma once

#include "devices/system_receipt_layout.h"

class QPrinter;

// Prints the jobs on a printer, each as a print job of its own in a Korean monospace font: the
// heading centred, then the lines in their sizes. A job that fails is ended all the same, so the
// next one can start. False with `error` set when a job could not be printed.
bool PaintSystemReceiptJobs(QPrinter &printer, const QList<SystemReceiptJob> &jobs, QString *error);

// The copies of a system-printer slot on the printer named by the slot's settings; a failure is
// logged ("PRT<n>_USB_ERR : " or "PRT<n>_LPT_ERR : ") and ends the slot's remaining copies.
void PrintSystemReceipts(const SystemReceiptInput &input);
