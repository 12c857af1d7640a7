#include "text/phone_helpers.h"

#include <QStringList>

#include <algorithm>

namespace
{
QString stripSeparators(const QString &s)
{
    QString out;
    out.reserve(s.size());
    for (const QChar c : s) {
        if (c != QLatin1Char('-') && c != QLatin1Char(' ') && c != QLatin1Char(')'))
            out.append(c);
    }
    return out;
}

// Cuts s into consecutive groups of the given sizes and joins them with "-". Built in one text:
// the boards format several numbers of every order they fill.
QString groups(const QString &s, std::initializer_list<int> sizes)
{
    QString out;
    out.reserve(s.size() + qsizetype(sizes.size()));
    qsizetype at = 0;
    bool first = true;
    for (const int size : sizes) {
        if (!first)
            out.append(QLatin1Char('-'));
        first = false;
        out.append(QStringView(s).mid(std::min(at, s.size()), size));
        at += size;
    }
    return out;
}

QString joined(std::initializer_list<QString> parts)
{
    QString out;
    bool first = true;
    for (const QString &p : parts) {
        if (!first)
            out.append(QLatin1Char('-'));
        first = false;
        out.append(p);
    }
    return out;
}
} // namespace

QString FormatPhone(const QString &phone, int mask)
{
    const QString s = stripSeparators(phone);
    const int n = int(s.size());
    if (n < 4)
        return s;
    const bool masked = mask == 1 && !s.startsWith(QStringLiteral("050"));
    switch (n) {
    case 5:
    case 6:
    case 7:
        return masked ? joined({QStringLiteral("****"), s.right(4)}) : joined({s.left(n - 4), s.right(4)});
    case 8:
        return masked ? joined({QStringLiteral("****"), s.mid(4, 4)}) : groups(s, {4, 4});
    case 9:
        return masked ? joined({s.left(2), QStringLiteral("***"), s.mid(5, 4)}) : groups(s, {2, 3, 4});
    case 10:
        if (s.startsWith(QStringLiteral("02")))
            return masked ? joined({s.left(2), QStringLiteral("****"), s.mid(6, 4)}) : groups(s, {2, 4, 4});
        return masked ? joined({s.left(3), QStringLiteral("***"), s.mid(6, 4)}) : groups(s, {3, 3, 4});
    case 11:
        return masked ? joined({s.left(3), QStringLiteral("****"), s.mid(7, 4)}) : groups(s, {3, 4, 4});
    case 12:
        return masked ? joined({s.left(4), QStringLiteral("****"), s.mid(8, 4)}) : groups(s, {4, 4, 4});
    default:
        return phone;
    }
}

QString FormatNumberGroups(const QString &digits, int mask)
{
    const QString s = stripSeparators(digits);
    if (mask == 1) {
        QString tail = s.mid(7);
        for (int i = 0; i < tail.size() - 4; ++i)
            tail[i] = QLatin1Char('*');
        return joined({s.left(3), QStringLiteral("****"), tail});
    }
    switch (s.size()) {
    case 11:
        return groups(s, {3, 4, 4});
    case 12:
        return groups(s, {4, 4, 4});
    case 13:
        return groups(s, {2, 3, 4, 4});
    case 14:
        return groups(s, {2, 4, 4, 4});
    case 15:
        return groups(s, {3, 4, 4, 4});
    case 16:
        return groups(s, {4, 4, 4, 4});
    default:
        return digits;
    }
}

QString MaskName3(const QString &name, int mask)
{
    if (mask != 1 || name.size() != 3)
        return name;
    return name.left(2) + QLatin1Char('*');
}

QString RemoveHyphens(const QString &s)
{
    QString out = s;
    out.remove(QLatin1Char('-'));
    return out;
}
