#pragma once

#include "devices/receipt_blocks.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

// The receipt copies of one command-printer slot, in both widths at once.
struct EscPosStreams
{
    QStringList wide;    // 48 columns (command variant 1)
    QStringList narrow;  // 42 columns (command variant 0)
};

// What the copies need beyond the order and the slot's blocks.
struct EscPosCopyInput
{
    const ReceiptOrder *order = nullptr;
    const PrintArgument *argument = nullptr;
    const TPRINT_SET *slot = nullptr;
    const ReceiptBlocks *blocks = nullptr;
    const QList<TGrpPrint> *groups = nullptr;
    QString multiType;  // the user's multi-store kind; "M" prints the store name on the kitchen copy
};

// Assembles the copies the slot's PRT_OUT switches on (customer, store, kitchen, kitchen tickets
// per goods). False, with `error` set, when the order or pick-up time cannot be read.
bool BuildEscPosStreams(const EscPosCopyInput &in, EscPosStreams &out, QString *error);

// The lines of a stream as the printer receives them: each followed by CR LF, in the code page.
QByteArray EscPosStreamBytes(const QStringList &lines);

// The test page of the settings frame; `lineEnds` false runs the lines together as the network
// test page always did.
QByteArray EscPosTestPage(const QDateTime &now, bool lineEnds);

// "LumBo <copy> (" + serial [+ "-" + modification] + ")".
QString EscPosCopyHeading(const QString &copyWord, const ReceiptOrder &order);
