#include "text/fixed_text.h"

#include "text/cp949.h"

QString CutToCodePageBytes(const QString &text, int maxBytes)
{
    if (maxBytes <= 0)
        return QString();
    // No character takes more than two code-page bytes, so a short text fits without converting
    // it; most record fields are written this way many times a second by the polling.
    if (text.size() * 2 <= maxBytes)
        return text;
    // ASCII is one byte a character: codes, flags and numbers need no converter, and the reference
    // lists fill thousands of such fields at a time.
    bool ascii = true;
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return text.size() <= maxBytes ? text : text.left(maxBytes);
    return Cp949::cutToBytes(text, maxBytes);
}

void SetFixed(QString &field, const QString &text, int width)
{
    field = CutToCodePageBytes(text, width);
}
