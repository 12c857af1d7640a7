#pragma once

#include "grid/grid_filter.h"

#include <QList>
#include <QString>
#include <QStringList>

// The ledger's categories (which cash types belong to which category) and the filter a user
// narrows the ledger with. Nothing here sends a request but the category load.

inline constexpr char kLedgerCategoryRequestCode[] = "CS04_05_V02";
// A cash type no row has: with no category checked no row shows.
inline constexpr char kNoCashType[] = "11111111";
// The platform company's mark in target codes and names.
inline constexpr char kPlatformWord[] = "B0002";

struct CashCategory
{
    bool checked = true;
    QString name;
    QString number;
    QString codes;  // cash-type codes, each followed by ","
};

// "CH" for a partner head office, "CB" for a distributor, empty for anyone else.
QString LedgerCategoryKind(const QString &userClass);

// Loads the categories. False (nothing changed) when no reply came; otherwise categories holds
// what the pages gave, all checked (the rows of a page read before a failed one stay).
bool LoadCashCategories(const QString &userClass, QList<CashCategory> &categories);

// The cash-type codes of the checked categories, in row order, without empty items.
QStringList CheckedCashTypes(const QList<CashCategory> &categories);

struct LedgerFilterInput
{
    QStringList cashTypes;
    bool byTarget = true;  // "대상코드/대상명" down; false: "플랫폼사"
    // Class boxes: 제휴본사, 총판, 가맹점, 배송원, 없음.
    bool classes[5] = {true, true, true, true, true};
    QString targetWord;  // used while byTarget
    QString content;
    QString category;
};

// The text that tells whether the filter changed since it was last applied.
QString LedgerFilterSignature(const LedgerFilterInput &in);

// The five groups (categories, classes, target word, content, category text), in that order;
// an empty group restricts nothing.
QList<FilterGroup> LedgerFilterGroups(const LedgerFilterInput &in);
