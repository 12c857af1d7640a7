#pragma once

#include "grid/combo_fill.h"

#include <QString>
#include <QVariant>

class QComboBox;
class CheckComboBox;

// The selection boxes of the screens filled from the shared lists. Image combos are QComboBox
// items with a value (kComboValueRole), a text and a tag (kComboTagRole); check combos are
// CheckComboBox; text combos hold texts only.

void ApplyComboFill(QComboBox *box, const ComboFill &fill);
void ApplyCheckItems(CheckComboBox *box, const QList<CheckItem> &items);
// The value of the selected item ("" when none).
QString ComboValue(const QComboBox *box);
int ComboTag(const QComboBox *box);

void FillBrListCombo(QComboBox *box, const QString &ignored, bool withAll);
void FillHdCombo(QComboBox *box, const QString &userType, bool withAll);
void FillHdBranchCombo(QComboBox *box, const QString &hdCode, bool clear, const QString &prefix);
void FillStoreCombo(QComboBox *box, const QString &brCode, const QString &nameFilter);
void FillStoreComboEx(QComboBox *box, const QString &brCode, const QString &dvryTypeCd,
                      bool withAll, const QString &nameFilter);
void FillComCodeCombo(QComboBox *box, const QString &syCode, const QString &parentDtCode,
                      bool activeOnly);
void FillGoodsGroupCombo(QComboBox *box, const QString &selected);

void FillBrListCheckCombo(CheckComboBox *box, bool withAll);
void FillBrCodeCheckCombo(CheckComboBox *box, bool withAll);
void FillBrDvryTypeCheckCombo(CheckComboBox *box, bool withAll);
void FillBrMasterCheckCombo(CheckComboBox *box, bool withAll);
void FillPathCheckCombo(CheckComboBox *box);
void FillPosTypeCheckCombo(CheckComboBox *box);
void FillAddrCheckCombo(int kind, const QString &key, CheckComboBox *box);

void FillAddrCombo(int mode, const QString &key, QComboBox *box);
