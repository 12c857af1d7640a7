#include "store/money_amount.h"

#include <limits>

namespace
{
constexpr int kMaxDigits = 18;  // 999,999,999,999,999,999 fits in 63 bits

std::optional<qint64> digitsValue(QStringView digits, bool negative)
{
    if (digits.isEmpty() || digits.size() > kMaxDigits)
        return std::nullopt;
    qint64 v = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        v = v * 10 + (c.unicode() - u'0');
    }
    return negative ? -v : v;
}
} // namespace

std::optional<qint64> ParseWholeAmount(QStringView text)
{
    QStringView t = text.trimmed();
    bool negative = false;
    if (t.startsWith(u'-')) {
        negative = true;
        t = t.sliced(1);
    }
    return digitsValue(t, negative);
}

std::optional<qint64> ParseServerAmount(QStringView text)
{
    const QStringView t = text.trimmed();
    const qsizetype dot = t.indexOf(u'.');
    if (dot < 0)
        return ParseWholeAmount(t);
    const QStringView fraction = t.sliced(dot + 1);
    for (const QChar c : fraction)
        if (c != u'0')
            return std::nullopt;
    return ParseWholeAmount(t.first(dot));
}

qint64 AmountOrZero(QStringView text)
{
    return ParseServerAmount(text).value_or(0);
}

std::optional<qint64> ParseTypedAmount(QStringView text)
{
    QString plain = text.toString();
    plain.remove(QLatin1Char(','));
    return ParseWholeAmount(plain);
}

QString GroupedWon(qint64 amount)
{
    // The magnitude as unsigned, so the lowest value has one too.
    const bool negative = amount < 0;
    quint64 magnitude = negative ? quint64(0) - quint64(amount) : quint64(amount);
    QString digits = QString::number(magnitude);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return negative ? QLatin1Char('-') + digits : digits;
}

bool AddAmount(qint64 &a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return false;
    a = sum;
    return true;
}
