#pragma once

#include "devices/receipt_print_job.h"

#include <QList>
#include <QString>

// One line of a receipt on a system printer, in the size and weight it prints in.
struct SystemReceiptLine
{
    QString text;
    int points = 10;
    bool bold = false;
};

// One print job: a centred heading, then the lines.
struct SystemReceiptJob
{
    SystemReceiptLine heading;
    QList<SystemReceiptLine> lines;
};

// The copies of a system-printer slot, one job each, as its PRT_OUT switches them on. An order
// time that cannot be read is an error; a pick-up time that cannot be read prints as received.
bool BuildSystemReceiptJobs(const SystemReceiptInput &in, QList<SystemReceiptJob> &jobs, QString *error);
