#include "boards/board_number_format.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace
{
// One section of a format: text before the number, the number's pattern, text after it.
struct Section
{
    QString before, after;
    bool groups = false;
    int decimals = 0;
};

Section parse(const QString &s)
{
    Section out;
    int i = 0;
    while (i < s.size() && s.at(i) != QLatin1Char('0') && s.at(i) != QLatin1Char(',') && s.at(i) != QLatin1Char('#'))
        out.before += s.at(i++);
    bool afterPoint = false;
    for (; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == QLatin1Char(','))
            out.groups = true;
        else if (c == QLatin1Char('.'))
            afterPoint = true;
        else if (c == QLatin1Char('0') || c == QLatin1Char('#'))
            out.decimals += afterPoint ? 1 : 0;
        else
            break;
    }
    out.after = s.mid(i);
    return out;
}
} // namespace

QString FormatBoardNumber(const QVariant &value, const QString &format)
{
    const QString text = value.toString();
    if (format.isEmpty() || text.trimmed().isEmpty())
        return text;
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return text;
    const QStringList sections = format.split(QLatin1Char(';'));
    const bool negative = number < 0;
    // A negative value without a section of its own keeps its sign in front of the first one.
    const bool ownNegative = negative && sections.size() > 1;
    const Section s = parse(ownNegative ? sections.at(1) : sections.at(0));
    QLocale locale(QLocale::Korean, QLocale::SouthKorea);
    if (!s.groups)
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double shown = ownNegative ? -number : number;
    const QString digits = locale.toString(shown, 'f', s.decimals);
    return s.before + digits + s.after;
}
