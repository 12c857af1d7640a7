#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Splits text at every one-character delim; every delimiter ends a piece and empty pieces are
// kept: "a│b│" gives a, b and an empty piece, "a│b" gives a and b, "" gives one empty piece.
// An empty or longer delim never matches and gives an empty list.
QStringList SplitText(const QString &delim, const QString &text);

// As SplitText into list, which is cleared first; with an empty delim list is left untouched.
void SplitTextInto(const QString &delim, const QString &text, QStringList &list);

// Reply and payload texts carry double quotes and backslashes of data values as entities:
// EscapeJsonVal turns '"' into "&quot;", then '\' into "&#92;"; UnescapeJsonVal undoes it in the
// same order. Nothing else changes.
QString EscapeJsonVal(const QString &text);
QString UnescapeJsonVal(const QString &text);

// The splitter of server reply rows: undoes the reply escaping ("&quot;" -> ", "&#92;" -> \)
// and then splits like SplitText.
QStringList SplitUnescaped(const QString &delim, const QString &text);

// Short address text for order rows: with more than two words and a first word that is a province
// alias, three words give words 2-3 and four or more give word 3 to the end; otherwise addr.
void StripProvinceText(const QString &addr, QString &result);
void StripProvinceText(const QString &addr, QString &result, const QStringList &provinceAliases);

// A whole number grouped by thousands with "," ("#,##0" without the system locale):
// "-1,234,567".
QString GroupThousands(qint64 value);
// The text read as a number ("." decimal point, 0 when not a number) grouped by thousands with
// "," and rounded to a whole number ("1234567.5" -> "1,234,568").
QString FormatMoney(const QString &text);

// The integer part of x, plus 1 when the fractional part is above 0 (so -1.5 gives -1).
int RoundUp(double x);

// Trimmed text followed by ch until it is at least len bytes; a longer text is returned whole.
QByteArray PadRightAnsi(const QByteArray &text, int len, char ch);
// pad put in front of text (len - length of text) times; nothing when text is len or longer.
QByteArray PadLeftAnsi(const QByteArray &text, const QByteArray &pad, int len);

// Great-circle distance in whole metres (spherical law of cosines, radius 6,370,693.5 m) between
// two points given as texts in degrees; 0 when any coordinate is 0 or not a number.
double GetDistance(const QString &lng1, const QString &lat1, const QString &lng2, const QString &lat2);

// Base64 of the text's code units taken as bytes, with CR LF after every 72 output characters
// and after a padded final group; a code unit above 255 yields spaces where it overflows.
QString Base64Encode(const QString &text);

// Escapes a caption for rich-text buttons: & -> &&, then < > ' " as html entities.
QString EscapeCaption(const QString &s);

QString IfThenStr(bool flag, const QString &a, const QString &b);
int IfThenInt(bool flag, int a, int b);
double IfThenFloat(bool flag, double ifTrue, double ifFalse);
bool StrEqual(const QString &a, const QString &b);

// Cuts path at its last folder separator: dir keeps the separator, fileName the rest. Both
// separators are accepted since stored paths may come from either platform; both outputs are
// empty when path has no separator.
void SplitFilePath(QString &dir, QString &fileName, const QString &path);

// Reads text as a number with "." decimal point (surrounding blanks allowed); 0 when it is not.
double TextToFloatDef(const QString &text, double def = 0.0);
// Reads text as a decimal integer (surrounding blanks allowed); def when it is not one.
int TextToIntDef(const QString &text, int def = 0);

// Saved login values: each byte as two letters (low nibble first); clear gives the empty text.
QByteArray PackNibbles(const QByteArray &s, bool clear);
QByteArray UnpackNibbles(const QByteArray &s);
