#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Money in whole won, end to end: every amount a screen reads, checks, sums or sends is a 64-bit
// integer; no amount passes through floating point.

// A whole number as the server or a user writes it: optional blanks around, an optional "-",
// digits only (at most 18, so no value overflows). nullopt for anything else ("1,000", "12.5",
// "", "abc").
std::optional<qint64> ParseWholeAmount(QStringView text);

// The server's amount fields: a whole number, or one with a decimal part of zeros only
// ("1500.00"). nullopt when the text is no such number (a real fraction, letters).
std::optional<qint64> ParseServerAmount(QStringView text);

// The amount or 0 when the text is not a number (the reading of display-only figures).
qint64 AmountOrZero(QStringView text);

// A typed amount that may carry thousands separators: the text without "," read as a whole
// number; nullopt when it is not one.
std::optional<qint64> ParseTypedAmount(QStringView text);

// "#,##0": 1234567 -> "1,234,567", -5000 -> "-5,000".
QString GroupedWon(qint64 amount);

// Adds b to a; false (a unchanged) when the sum would leave the 64-bit range.
bool AddAmount(qint64 &a, qint64 b);
