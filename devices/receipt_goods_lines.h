#pragma once

#include "devices/receipt_order.h"

#include <QStringList>

#include <array>

struct TPRINT_SET;
struct TGrpPrint;

// The text blocks of one printer slot: 0 (48 columns) and 1 (42) the body of the customer and
// store copies on command printers, 2 (48) and 3 (42) the kitchen goods, 4 (38) the body and 5
// (24) the kitchen goods on system printers; 6 is never filled. Lines may carry printer commands
// as characters; a wrapped goods entry holds CR LF inside.
using ReceiptBlocks = std::array<QStringList, 7>;

// Length of text in code-page bytes: two per Hangul syllable, one per ASCII character, and a
// character the code page lacks counts as the one "?" it prints as.
int ReceiptByteLength(const QString &text);
// Receipt padding, in code-page bytes: the text trimmed of blanks and control characters, then
// blanks until it is len bytes; a longer text stays whole.
QString ReceiptPadRight(const QString &text, int len);
// Blanks in front of text until it is len code-page bytes; a longer text stays whole.
QString ReceiptPadLeft(const QString &text, int len);

// Whether goods number goodsNo prints on a slot bound to printer group grpCode ("0": every goods;
// a code no group has: every goods too).
bool ReceiptGoodsInGroup(const QString &grpCode, const QString &goodsNo, const QList<TGrpPrint> &groups);

// Appends the goods of the order, each followed by its additional items, to blocks 0 to 5 of a
// slot; nothing for a slot not in use, and only the goods of the slot's printer group.
void AppendReceiptGoodsLines(const QList<ReceiptGoods> &goods, const TPRINT_SET &slot,
                             const QList<TGrpPrint> &groups, ReceiptBlocks &blocks);
