#pragma once

#include <QString>

// Telephone number for display, grouped with "-" by its length once "-", " " and ")" are removed;
// mask = 1 hides the middle group, except for virtual "050" numbers, which are never masked.
// Numbers of 4 or of 13 and more characters come back exactly as given.
QString FormatPhone(const QString &phone, int mask);

// Long numbers such as card numbers grouped by their length (11 to 16 characters). mask = 1
// keeps the first 3 characters, "****" and the rest from the 8th character on, where every
// character but the last four is starred as well so a card number never shows more than its
// first three and last four digits.
QString FormatNumberGroups(const QString &digits, int mask);

// A name of exactly 3 characters with mask = 1 gets its last character replaced by "*".
QString MaskName3(const QString &name, int mask);

// s without any "-".
QString RemoveHyphens(const QString &s);
