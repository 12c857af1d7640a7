#pragma once

#include "devices/receipt_goods_lines.h"
#include "devices/receipt_order.h"

#include <array>

struct TPRINT_SET;

// Printer commands that travel inside receipt lines.
namespace EscPos
{
QString sizeCommand(int n);  // GS ! n
}

// The card number as it prints: at most the first 6 digits of a card number shown, the rest
// starred to 16 characters, in four groups of four joined by "-"; a number that already carries
// stars keeps them. A shorter card number is never shown whole.
QString MaskReceiptCardNumber(const QString &cardNo);
// Installment months as they print: "00", "0" and "1" all read "0".
QString ReceiptCardMonths(const QString &months);
// The approved amount grouped by thousands; "0" when it is not a number.
QString ReceiptApprovedAmount(const QString &amount);

// Whether slot `slotIndex`'s blocks carry the business address. A job for one slot follows that
// slot's own setting; a job for every slot (iPrt -1) prints it unless some slot in use refuses it.
bool ReceiptPrintsStoreAddress(const std::array<TPRINT_SET, 4> &slotSet, int iPrt, int slotIndex);

// The blocks of every slot 0 to 3 (in use or not), built once per job: goods tables with their
// headings and rules, totals, payment line, business, card and origin sections.
std::array<ReceiptBlocks, 4> BuildReceiptBlocks(const ReceiptOrder &order, const std::array<TPRINT_SET, 4> &slotSet,
                                                const QList<TGrpPrint> &groups, int iPrt);
