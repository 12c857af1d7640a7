#include "grid/ui/combo_box_fill.h"

#include "grid/ui/check_combo_box.h"

#include <QComboBox>
#include <QSignalBlocker>

void ApplyComboFill(QComboBox *box, const ComboFill &fill)
{
    if (!box || !fill.change)
        return;
    if (fill.clear)
        box->clear();
    for (const ComboItem &item : fill.items) {
        box->addItem(item.text, item.value);
        box->setItemData(box->count() - 1, item.tag, kComboTagRole);
    }
    if (fill.select == ComboFill::kSelectFirstIfAny) {
        if (box->count() > 0)
            box->setCurrentIndex(0);
    } else {
        box->setCurrentIndex(fill.select < box->count() ? fill.select : -1);
    }
}

void ApplyCheckItems(CheckComboBox *box, const QList<CheckItem> &items)
{
    if (!box)
        return;
    box->clearItems();
    for (const CheckItem &i : items)
        box->addCheckItem(i.text, i.shortText, i.tag, i.checked);
}

QString ComboValue(const QComboBox *box)
{
    return box && box->currentIndex() >= 0 ? box->currentData(kComboValueRole).toString() : QString();
}

int ComboTag(const QComboBox *box)
{
    return box && box->currentIndex() >= 0 ? box->currentData(kComboTagRole).toInt() : 0;
}

void FillBrListCombo(QComboBox *box, const QString &, bool withAll)
{
    ApplyComboFill(box, BrListComboFill(withAll));
}

void FillHdCombo(QComboBox *box, const QString &userType, bool withAll)
{
    ApplyComboFill(box, HdComboFill(userType, withAll));
}

void FillHdBranchCombo(QComboBox *box, const QString &hdCode, bool clear, const QString &prefix)
{
    ApplyComboFill(box, HdBranchComboFill(hdCode, clear, prefix));
}

void FillStoreCombo(QComboBox *box, const QString &brCode, const QString &nameFilter)
{
    ApplyComboFill(box, StoreComboFill(brCode, nameFilter));
}

void FillStoreComboEx(QComboBox *box, const QString &brCode, const QString &dvryTypeCd,
                      bool withAll, const QString &nameFilter)
{
    ApplyComboFill(box, StoreComboExFill(brCode, dvryTypeCd, withAll, nameFilter));
}

void FillComCodeCombo(QComboBox *box, const QString &syCode, const QString &parentDtCode,
                      bool activeOnly)
{
    ApplyComboFill(box, ComCodeComboFill(syCode, parentDtCode, activeOnly));
}

void FillGoodsGroupCombo(QComboBox *box, const QString &selected)
{
    ApplyComboFill(box, GoodsGroupComboFill(selected));
}

void FillBrListCheckCombo(CheckComboBox *box, bool withAll)
{
    ApplyCheckItems(box, BrListCheckItems(withAll));
}

void FillBrCodeCheckCombo(CheckComboBox *box, bool withAll)
{
    ApplyCheckItems(box, BrCodeCheckItems(withAll));
}

void FillBrDvryTypeCheckCombo(CheckComboBox *box, bool withAll)
{
    ApplyCheckItems(box, BrDvryTypeCheckItems(withAll));
}

void FillBrMasterCheckCombo(CheckComboBox *box, bool withAll)
{
    ApplyCheckItems(box, BrMasterCheckItems(withAll));
}

void FillPathCheckCombo(CheckComboBox *box)
{
    ApplyCheckItems(box, PathCheckItems());
}

void FillPosTypeCheckCombo(CheckComboBox *box)
{
    ApplyCheckItems(box, PosTypeCheckItems());
}

void FillAddrCheckCombo(int kind, const QString &key, CheckComboBox *box)
{
    if (!box)
        return;
    box->clearItems();
    for (const QString &name : AddrCheckNames(kind, key))
        box->addCheckItem(name, name);
}

void FillAddrCombo(int mode, const QString &key, QComboBox *box)
{
    if (!box)
        return;
    box->clear();
    box->addItems(AddrComboTexts(mode, key));
    box->setCurrentIndex(box->count() > 0 ? 0 : -1);
}
