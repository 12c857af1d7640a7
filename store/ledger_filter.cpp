#include "store/ledger_filter.h"

#include "common/program_globals.h"
#include "store/ledger_search.h"
#include "store/money_requests.h"

namespace
{
QString yn(bool b)
{
    return b ? QStringLiteral("Y") : QStringLiteral("N");
}

FilterCondition likeText(int column, const QString &text)
{
    // The text as typed; "%" around it, so it may sit anywhere in the cell.
    return FilterCondition::make(column, FilterOp::Like, QString(QLatin1Char('%') + text + QLatin1Char('%')));
}
} // namespace

QString LedgerCategoryKind(const QString &userClass)
{
    if (userClass == QLatin1String("7"))
        return QStringLiteral("CH");
    if (userClass == QLatin1String("5"))
        return QStringLiteral("CB");
    return {};
}

bool LoadCashCategories(const QString &userClass, QList<CashCategory> &categories)
{
    const QString code = QString::fromLatin1(kLedgerCategoryRequestCode);
    const QStringList pages = CurrentMoneyRequests().list(
        code, QStringLiteral("ADM1"), JoinRequestFields({LedgerCategoryKind(userClass), QStringLiteral("1")}),
        QStringLiteral("3000"), 30000);
    const MoneyListResult r = ReadMoneyList(code, pages);
    if (!r.replied)
        return false;
    categories.clear();
    for (const MoneyPage &page : r.pages) {
        for (const ReplyRow &row : page.rows1)
            categories.append({true, row.trimmed(3), row.trimmed(0), QString()});
        for (const ReplyRow &row : page.rows2) {
            const QString number = row.trimmed(0);
            const QString type = row.trimmed(1);
            if (type.isEmpty())
                continue;
            for (CashCategory &c : categories)
                if (c.number == number) {
                    c.codes += type + QLatin1Char(',');
                    break;
                }
        }
    }
    return true;
}

QStringList CheckedCashTypes(const QList<CashCategory> &categories)
{
    QStringList out;
    for (const CashCategory &c : categories) {
        if (!c.checked)
            continue;
        // The trailing "," ends the last code; it starts no empty one (an empty code would let
        // rows without a cash type through).
        for (const QString &code : c.codes.split(QLatin1Char(','), Qt::SkipEmptyParts))
            out.append(code);
    }
    return out;
}

QString LedgerFilterSignature(const LedgerFilterInput &in)
{
    QStringList parts{in.cashTypes.join(QLatin1Char(','))};
    if (in.byTarget) {
        for (const bool b : in.classes)
            parts << yn(b);
        parts << in.targetWord;
    } else {
        parts << yn(in.classes[1]) << QString::fromLatin1(kPlatformWord);
    }
    parts << in.content << in.category;
    return parts.join(QLatin1Char(',')) + QLatin1Char(',');
}

QList<FilterGroup> LedgerFilterGroups(const LedgerFilterInput &in)
{
    FilterGroup types{FilterJoin::Or, {}, false};
    if (in.cashTypes.isEmpty())
        types.add(FilterCondition::make(kLedgerCashType, FilterOp::Equal, QString::fromLatin1(kNoCashType)));
    for (const QString &code : in.cashTypes)
        types.add(FilterCondition::make(kLedgerCashType, FilterOp::Equal, code));

    FilterGroup classes{FilterJoin::Or, {}, false};
    if (in.byTarget) {
        static const char *const kClass[5] = {"1", "2", "3", "4", ""};
        for (int i = 0; i < 5; ++i)
            if (in.classes[i])
                classes.add(FilterCondition::make(kLedgerConType, FilterOp::Equal, QString::fromLatin1(kClass[i])));
    }

    FilterGroup word{FilterJoin::Or, {}, false};
    const QString target = in.byTarget ? in.targetWord : QString::fromLatin1(kPlatformWord);
    if (!target.isEmpty())
        word.add(likeText(kLedgerConCode, target)).add(likeText(kLedgerConName, target));

    FilterGroup content{FilterJoin::And, {}, false};
    if (!in.content.isEmpty())
        content.add(likeText(kLedgerMemo, in.content));
    FilterGroup category{FilterJoin::And, {}, false};
    if (!in.category.isEmpty())
        category.add(likeText(kLedgerCategory, in.category));
    return {types, classes, word, content, category};
}
