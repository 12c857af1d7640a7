#pragma once

#include "grid/xlsx_export.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

struct TGOODS_LIST;

// The goods list of the product screen: one row per goods item of a store that is not deleted,
// filled from the store's goods cache in G_ST_LIST.

enum class ProductGoodsColumn
{
    ViewNo, Name, GoodsNo, StatusName, SellStatusName, SellPrice, SellDiscount, SellStatus, SellPeriod,
    SellTime, SellLimitDay, SellLimitOnce, OrdStatusName, OrdPrice, OrdDiscount, OrdStatus, OrdPeriod,
    OrdTime, OrdLimitDay, OrdLimitOnce, Status, RegDate, Image, Barcode, Count
};

struct ProductGoodsColumnInfo
{
    const char *caption;
    bool shown;   // shown on the screen
    bool number;  // holds a number (0 when the cached text is not one)
};
const ProductGoodsColumnInfo &ProductGoodsColumnOf(ProductGoodsColumn column);
QString ProductGoodsCaption(ProductGoodsColumn column);

// Status names by code, with a plain fallback for a code the table does not know (a stored "9"
// would otherwise read past the end of the table).
QString GoodsDataStatusName(const QString &code);
QString GoodsUseStatusName(const QString &code);
// Status codes that are not numbers count as 1.
int GoodsStatusCode(const QString &code);
// "yyyymmddyyyymmdd" -> "yyyy-mm-dd~yyyy-mm-dd"; "hhnnhhnn" -> "hh:nn~hh:nn"; empty stays empty.
QString GoodsPeriodText(const QString &period);
QString GoodsTimeWindowText(const QString &window);
// A cached number text read with the program's rules; 0 when it is not a number.
double GoodsNumber(const QString &text);

// The values of one row (Count of them); the view number is left 0 for the caller to number.
QVariantList ProductGoodsRowValues(const TGOODS_LIST &goods);
// Every listed row of a store in cache order (deleted and numberless goods left out), numbered
// from 0. Empty when the store is not in the store list.
QList<QVariantList> ProductGoodsRows(const QString &stCode);

// The export of the list: every column written, "상품상태" and "주문배달상태" hidden, "상품번호"
// shown only for administrators (hidden columns keep their caption and stay empty).
class ProductGoodsExport : public ExportTableSource
{
public:
    ProductGoodsExport(QList<QVariantList> rows, bool withGoodsNo);
    int exportColumnCount() const override;
    QString exportCaption(int column) const override;
    bool exportColumnVisible(int column) const override;
    bool exportColumnIsText(int column) const override;
    int exportRowCount() const override;
    QVariant exportValue(int row, int column) const override;

private:
    QList<QVariantList> m_rows;
    bool m_withGoodsNo;
};

// "<store>_상품_yyyymmdd.xlsx"
QString ProductGoodsExportFileName(const QString &storeName, const QString &yyyymmdd);
