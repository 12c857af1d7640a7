#pragma once

#include <QString>

class TIniFile;
struct TPRINT_SET;

// The settings-file section of printer slot index 0..3: "Print1" .. "Print4".
QString PrinterSection(int slotIndex);

// Stores one key of a slot: in the slot's record field and, at once, in the settings file.
// Unknown keys only go to the file.
void WritePrinterKey(TIniFile *ini, int slotIndex, const QString &key, const QString &value);

// The copy switches of PRT_OUT as four "0"/"1" characters: customer, store, kitchen, per goods.
QString PrinterCopiesText(bool customer, bool store, bool kitchen, bool perGoods);

// Whether copy i (0..3) of a PRT_OUT text is on; an empty text counts as "0110".
bool PrinterCopyOn(const QString &prtOut, int i);
