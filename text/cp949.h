#pragma once

#include <QByteArray>
#include <QString>

// The Korean 8-bit code page (CP949) of fixed-width fields and older files. Qt's "CP949" name maps to a converter
// without the extended syllables on this platform; "windows-949" is the full code page.
namespace Cp949
{
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);

// Length of text in code-page bytes (two per Hangul syllable, one per ASCII character).
int byteLength(const QString &text);

// The longest head of text that fits in maxBytes code-page bytes. A character is never split:
// when the next character would cross the limit it is left out whole. A surrogate pair counts
// as one character.
QString cutToBytes(const QString &text, int maxBytes);

// text followed by ch until it is at least len code-page bytes long; a longer text is kept whole.
QString padRightToBytes(const QString &text, int len, QChar ch = QLatin1Char(' '));

// text preceded by ch until it is at least len code-page bytes long.
QString padLeftToBytes(const QString &text, int len, QChar ch = QLatin1Char(' '));

// Converts text to the code page and cuts it to maxBytes without leaving half a character
// (the fixed-width fields of the shared records).
QByteArray encodeCut(const QString &text, int maxBytes);
}

namespace Utf8
{
// Length of text in UTF-8 bytes (the unit in which the server limits its text fields).
int byteLength(const QString &text);
// The longest head of text whose UTF-8 form fits in maxBytes, never splitting a character.
QString cutToBytes(const QString &text, int maxBytes);
}
