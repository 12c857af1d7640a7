#pragma once

class ReceiptPrintJob;
class SameDayLabelPrinter;

// The program's receipt printing and label printer, made on first use and kept with the
// application object.
ReceiptPrintJob &ProgramReceiptPrinter();
SameDayLabelPrinter &ProgramLabelPrinter();

// Binds printing to the shell: the print button, the order dispatch's receipts and the same-day
// board's labels.
void InstallPrinting();
