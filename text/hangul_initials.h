#pragma once

#include <QString>

// Initial-consonant (choseong) texts for searching names by their first jamo: typing ㄱㄴ finds
// a name whose syllables begin with ㄱ and ㄴ. The texts hold compatibility jamo, which the
// Korean code page can store, so the results may be written to 8-bit fields unchanged.

// Each precomposed syllable (U+AC00..U+D7A3) of s trimmed replaced by its initial consonant;
// every other character (digits, Latin letters, spaces, bare jamo) copied as it is.
QString DivHan2(const QString &s);

// The initial consonant of the first character of s; empty when s is empty or does not start
// with a precomposed syllable (callers use the result as a first-letter key).
QString DivHan1(const QString &s);

// The initial consonant of one syllable, or a null QChar when c is not a precomposed syllable.
QChar HangulInitialOf(QChar c);
