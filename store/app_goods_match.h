#pragma once

#include "grid/xlsx_export.h"

#include <QList>
#include <QString>
#include <QStringList>

class XlsxSheet;

// The same goods as sold in three delivery apps ("1" 배달의 민족, "2" 요기요, "3" 배달통): for each
// product and app five slots, each an app product code and name that the server holds.

inline constexpr char kAppGoodsLoadCode[] = "CS05_09_V01";
inline constexpr char kAppGoodsSaveCode[] = "CS05_10_V01";
constexpr int kAppGoodsApps = 3;
constexpr int kAppGoodsSlots = 5;

struct AppGoodsMatchRow
{
    QString goodsNo, name, price, status;
    QString code[kAppGoodsApps][kAppGoodsSlots];
    QString appName[kAppGoodsApps][kAppGoodsSlots];
};

QString AppGoodsAppName(int app); // 0-based
// Every goods item of a store in cache order (deleted and stopped ones too), without links.
QList<AppGoodsMatchRow> AppGoodsMatchRows(const QString &stCode);
QString AppGoodsLoadPayload(const QString &brCode, const QString &stCode);
// Puts the links of the reply pages into the rows' first free slots; a link of an unknown goods
// item or app, or beyond the fifth slot, is left out. False when a page failed (rows read so far
// stay).
bool ApplyAppGoodsLinks(QList<AppGoodsMatchRow> &rows, const QStringList &pages);
void ClearAppGoodsLinks(QList<AppGoodsMatchRow> &rows, bool codesToo);

// One slot's save: action "1" new, "2" renamed, "0" deleted; empty when the slot is blank.
QString AppGoodsSlotAction(const QString &code, const QString &name);
struct AppGoodsSlotSave
{
    int row = 0;
    QString payload;
};
QList<AppGoodsSlotSave> AppGoodsSaves(const QList<AppGoodsMatchRow> &rows, const QString &userId,
                                      const QString &stCode);

// The sheet of the matching export: a header row whose column A reads "상품코드", then one row
// per goods item (A goods number, E-I, J-N, O-S the slot names of the three apps). Every slot
// name is replaced: a goods item the sheet does not list, or an empty cell, empties the slot.
// False (with *error set) when the sheet has no such header.
bool ReadAppGoodsSheet(QList<AppGoodsMatchRow> &rows, const XlsxSheet &sheet, QString *error);

// The export of the matching table: 상품코드, 상품명, 가격, 상태, then the five slot names of each
// app (the codes stay with the server).
class AppGoodsMatchExport : public ExportTableSource
{
public:
    explicit AppGoodsMatchExport(QList<AppGoodsMatchRow> rows)
        : m_rows(std::move(rows))
    {
    }
    int exportColumnCount() const override { return 4 + kAppGoodsApps * kAppGoodsSlots; }
    QString exportCaption(int column) const override;
    bool exportColumnVisible(int) const override { return true; }
    bool exportColumnIsText(int column) const override { return column != 2; }
    int exportRowCount() const override { return int(m_rows.size()); }
    QVariant exportValue(int row, int column) const override;

private:
    QList<AppGoodsMatchRow> m_rows;
};
