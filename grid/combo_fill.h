#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The choices that many screens offer (head offices, branches, stores, common codes, goods
// groups, order paths, point-of-sale kinds, provinces and districts), built from the shared lists
// in one consistent way. These functions decide the items; common/ui/combo_box_fill.h puts them
// into the boxes.

// Item roles of the boxes.
constexpr int kComboValueRole = 0x0100;     // Qt::UserRole: the code behind the text
constexpr int kComboTagRole = 0x0101;       // Qt::UserRole + 1: the numeric tag
constexpr int kComboShortTextRole = 0x0102; // Qt::UserRole + 2: check items' short text

struct ComboItem
{
    QString value;
    QString text;
    int tag = 0;
    bool operator==(const ComboItem &) const = default;
};

struct CheckItem
{
    QString text;
    QString shortText;
    int tag = 0;
    bool checked = false;
    bool operator==(const CheckItem &) const = default;
};

// What a fill does to an image (value/text/tag) combo.
struct ComboFill
{
    bool change = true; // false: the box keeps its items and selection
    bool clear = true;  // false: the items are added after the ones the box holds
    QList<ComboItem> items;
    // Item to select, counted over the box after the fill; -1 selects nothing;
    // kSelectFirstIfAny selects item 0 when the box holds any.
    int select = kSelectFirstIfAny;
    static constexpr int kSelectFirstIfAny = -2;
};

// Activity rules of the lists.
bool IsActiveHeadOffice(const QString &dataStatus); // neither "0" nor "2"
bool IsActiveStore(const QString &dataStaus);       // not "0"
bool IsActiveComCode(const QString &dataStatus);    // "1"

ComboFill BrListComboFill(bool withAll);
ComboFill HdComboFill(const QString &userType, bool withAll);
ComboFill HdBranchComboFill(const QString &hdCode, bool clear, const QString &prefix);
ComboFill StoreComboFill(const QString &brCode, const QString &nameFilter);
ComboFill StoreComboExFill(const QString &brCode, const QString &dvryTypeCd, bool withAll,
                           const QString &nameFilter);
ComboFill ComCodeComboFill(const QString &syCode, const QString &parentDtCode, bool activeOnly);
ComboFill GoodsGroupComboFill(const QString &selected);

QList<CheckItem> BrListCheckItems(bool withAll);
QList<CheckItem> BrCodeCheckItems(bool withAll);
QList<CheckItem> BrDvryTypeCheckItems(bool withAll);
QList<CheckItem> BrMasterCheckItems(bool withAll);
// Order paths ("O3") and point-of-sale kinds ("PT"): ticked from the settings file; the tags
// of the ticked items become G_SL_SEL_PATH_CD / G_SL_SEL_POS_TYPE.
QList<CheckItem> PathCheckItems();
QList<CheckItem> PosTypeCheckItems();
// kind 2: legal dong names, kind 3: administrative dong names of "province|district".
QStringList AddrCheckNames(int kind, const QString &key);
// Texts of the plain address combo for a mode (0-6) and key.
QStringList AddrComboTexts(int mode, const QString &key);

// Index in G_ST_LIST of the first delivery (kind 1: shop types 1-3) or quick (kind 2: 4-6)
// store; -1 when none or for another kind.
int FindStoreByShopType(int kind);
// "hhnn" -> "hh:nn".
QString FormatHhNn(const QString &s);
