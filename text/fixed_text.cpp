#include "text/fixed_text.h"

#include "text/cp949.h"

namespace
{
// Whether text needs no cut at maxBytes (> 0) code-page bytes; *asciiOver is set when it is ASCII
// and too long, so the cut is a plain left().
bool fitsUncut(const QString &text, int maxBytes, bool *asciiOver)
{
    *asciiOver = false;
    // No character takes more than two code-page bytes, so a short text fits without converting
    // it; most record fields are written this way many times a second by the polling.
    if (text.size() * 2 <= maxBytes)
        return true;
    // ASCII is one byte a character: codes, flags and numbers need no converter, and the reference
    // lists fill thousands of such fields at a time.
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x80)
            return false;
    }
    if (text.size() <= maxBytes)
        return true;
    *asciiOver = true;
    return false;
}
} // namespace

QString CutToCodePageBytes(const QString &text, int maxBytes)
{
    if (maxBytes <= 0)
        return QString();
    bool asciiOver = false;
    if (fitsUncut(text, maxBytes, &asciiOver))
        return text;
    if (asciiOver)
        return text.left(maxBytes);
    return Cp949::cutToBytes(text, maxBytes);
}

QString CutToCodePageBytes(QString &&text, int maxBytes)
{
    if (maxBytes <= 0)
        return QString();
    bool asciiOver = false;
    if (fitsUncut(text, maxBytes, &asciiOver))
        return std::move(text);
    if (asciiOver)
        return text.left(maxBytes);
    return Cp949::cutToBytes(text, maxBytes);
}

void SetFixed(QString &field, const QString &text, int width)
{
    field = CutToCodePageBytes(text, width);
}
