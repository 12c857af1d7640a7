#include "text/hangul_initials.h"

namespace
{
// The 19 initial consonants in syllable order.
const char16_t kInitials[] = u"ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ";
constexpr int kInitialCount = 19;
constexpr char16_t kFirstSyllable = 0xAC00;
// The whole precomposed block, including its last four syllables (힠 .. 힣), which begin with ㅎ
// like the rest of the final row.
constexpr char16_t kLastSyllable = 0xD7A3;
constexpr int kSyllablesPerInitial = 21 * 28; // medials x finals
} // namespace

QChar HangulInitialOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < kFirstSyllable || u > kLastSyllable)
        return QChar();
    const int index = (u - kFirstSyllable) / kSyllablesPerInitial;
    if (index < 0 || index >= kInitialCount)
        return QChar();
    return QChar(kInitials[index]);
}

QString DivHan2(const QString &s)
{
    const QString text = s.trimmed();
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const QChar initial = HangulInitialOf(c);
        out.append(initial.isNull() ? c : initial);
    }
    return out;
}

QString DivHan1(const QString &s)
{
    if (s.isEmpty())
        return QString();
    const QChar initial = HangulInitialOf(s.at(0));
    return initial.isNull() ? QString() : QString(initial);
}
