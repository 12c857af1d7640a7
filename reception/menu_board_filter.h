#pragma once

#include <QList>
#include <QString>

struct TGOODS_LIST;
struct TST_LIST;

// Which goods the reception window's menu board shows, as tiles, for the filters the dispatcher
// set: goods group, initial-consonant range, name and price class.

struct MenuBoardFilter
{
    QString groupNo;       // empty: all goods of the store
    QString name;          // substring of the goods name; empty: any
    int chargeIndex = 0;   // item of the price-class box
    int consonantTag = 0;  // 0 all, 1-7 consonant ranges, 8 "기타"
    bool deliveryOrder = true;

    bool operator==(const MenuBoardFilter &) const = default;
};

struct MenuBoardTile
{
    QString goodsNo;
    QString name;
    qint64 price = 0;       // the price the line this tile makes is charged
    bool plusMinus = false; // goods without options or extra goods: "+"/"-" on the tile
    bool adult = false;     // "+19" (stores other than kind "1")
    bool saleSwitch = false;// the "판매"/"품절" switch (stores other than kind "1")
    bool onSale = true;
};

struct MenuPriceBand
{
    qint64 lower = 0;  // excluded
    qint64 upper = 0;  // included
};
// The price classes of the box, in item order.
const QStringList &MenuPriceClassTexts();
// The band of a price class; item 0 and unknown items take every price. The bands join without
// gaps, so every price falls into some class.
MenuPriceBand MenuPriceBandOf(int chargeIndex);

// The consonant-range captions of the filter row (tag = index), and whether a goods's initial
// key passes the range of that tag; "기타" passes only keys before "ㄱ" (digits, Latin, empty).
const QStringList &MenuConsonantCaptions();
bool MenuConsonantPasses(int tag, const QString &initialKey);

// The tiles of the store's goods that pass the filter, in the store's (or the group's) order.
QList<MenuBoardTile> BuildMenuBoard(const TST_LIST &store, const MenuBoardFilter &filter);

// One page of tiles (pages of pageSize, page 0 first); the page count of n tiles, at least 1.
QList<MenuBoardTile> MenuBoardPage(const QList<MenuBoardTile> &tiles, int page, int pageSize);
int MenuBoardPageCount(qsizetype tileCount, int pageSize);

// Writes a goods's new sale status into the store's goods and every group's copy of it.
void MenuBoardSetSaleStatus(TST_LIST &store, const QString &goodsNo, const QString &status);
