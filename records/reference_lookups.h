#pragma once

#include "records/order_time_texts.h"
#include "records/reference_records.h"

#include <QString>

// Lookups and rules over the shared lists of the session (stores, head offices, codes, printer
// groups, user settings).

// DVRY_TYPE_CD of the master store (BR_MASTER_YN "Y") of branch brCode; empty when none.
QString GetBranchDvryType(const QString &brCode);
// Name of branch brCode of head office hdCode; empty when a code is blank or unknown.
QString GetBranchName(const QString &hdCode, const QString &brCode);
// Name of head office hdCode; empty when blank or unknown.
QString GetHdName(const QString &hdCode);

// A copy of goods goodsNo of store stCode; a blank record with only the two codes when either
// is not found.
TGOODS_LIST GetStGoods(const QString &stCode, const QString &goodsNo);
// A copy of the additional item opNo of goods; a blank entry with only the number when absent.
TGOOD_OP GetGoodsAddItem(const TGOODS_LIST &goods, const QString &opNo);
// ORD_PRICE for kind 0, SELL_PRICE otherwise (discounts are the callers' decision).
QString GetGoodsPrice(int kind, const TGOODS_LIST &goods);
// Whether the delivery-order discount window of goods is open at the current business date and time.
bool IsOrdDiscountTime(const TGOODS_LIST &goods);
// Index of the first printer group with sCode = code; -1 when none.
int FindGrpPrint(const QString &code);
// DT_NAME (0), DT_VALUE (1) or DT_VALUE2 (2) of the first code row (syCode, dtCode); "" otherwise.
QString GetComCodeValue(const QString &syCode, const QString &dtCode, int which);

// Province stripping with the session's alias list.
void StripProvinceText(const QString &addr, QString &result);

// The order row's time columns shown with the board settings of this PC.
TOrderTimeColumns DateTimeToAddStr4(const TOrderTimes &times);

// True when any of the receipt-printer slots is in use.
bool AnyPrinterUsed();

// Grid data row height for a font size: 8 -> 27 ... 14 -> 34, any other size 26 pixels.
int GridRowHeightForFontSize(int fontSize);
