#include "reception/saved_name_filter.h"

#include "records/address_texts.h"
#include "reception/address_search_passes.h"

namespace
{
constexpr int kMaxFilterWords = 20;
const QString kAllRow = QStringLiteral("전체");

bool savedNameIsNumber(QString text)
{
    text.remove(QLatin1Char('-'));
    bool ok = false;
    text.toLongLong(&ok);
    return ok;
}

bool consonantInRange(const QString &c, QChar first, QChar last)
{
    if (c.isEmpty())
        return false;
    const char16_t u = c.at(0).unicode();
    if (first < last)
        return u >= first.unicode() && u <= last.unicode();
    return u < last.unicode() || u > first.unicode();
}
} // namespace

void SetSavedNameTextFilter(SavedNameFilter &f, const QString &text)
{
    f.dong.clear();
    f.lotPrefix.clear();
    const QStringList w = text.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (w.isEmpty() || w.size() > kMaxFilterWords)
        return;
    if (w.size() == 1) {
        f.dong = w.at(0);
    } else if (w.size() == 2) {
        if (savedNameIsNumber(w.at(1))) {
            f.dong = w.at(0);
            f.lotPrefix = w.at(1);
        } else {
            f.dong = w.at(0) + QLatin1Char(' ') + w.at(1);
        }
    } else {
        f.dong = w.at(0) + QLatin1Char(' ') + w.at(1);
        f.lotPrefix = w.at(2);
    }
}

void SetSavedNameConsonants(SavedNameFilter &f, const QString &rowText)
{
    f.first = f.last = QChar();
    if (rowText.isEmpty() || rowText == kAllRow)
        return;
    if (rowText == QStringLiteral("기타")) {
        f.first = QChar(u'ㅎ');
        f.last = QChar(u'ㄱ');
    } else if (rowText == QStringLiteral("ㅁ-ㅂ")) {
        // The doubled ㅃ sorts after ㅂ and belongs to the same row.
        f.first = QChar(u'ㅁ');
        f.last = QChar(u'ㅃ');
    } else if (rowText.size() >= 3) {
        f.first = rowText.at(0);
        f.last = rowText.at(2);
    }
}

bool SavedNameMatches(const SavedNameFilter &f, const TMSG_ADDR &a)
{
    if (!f.dong.isEmpty() && f.dong != (f.byLegalDong ? a.ADDR_3 : a.ADDR_8))
        return false;
    if (!f.lotPrefix.isEmpty() && !a.ADDR_11.startsWith(f.lotPrefix))
        return false;
    if (!f.first.isNull() && !consonantInRange(a.WORD_ADDR_NAME, f.first, f.last)
        && !consonantInRange(a.WORD_ADDR_NAME2, f.first, f.last))
        return false;
    if (!f.group.isEmpty() && a.GRP_TEXT != f.group)
        return false;
    return true;
}

QList<TMSG_ADDR> FilterSavedNames(const QList<TMSG_ADDR> &names, const SavedNameFilter &f)
{
    QList<TMSG_ADDR> out;
    for (const TMSG_ADDR &a : names)
        if (SavedNameMatches(f, a))
            out.append(a);
    return out;
}

QString SavedNameListText(const TMSG_ADDR &a, bool showDetail)
{
    if (showDetail)
        return SavedNameDisplay(a);
    return a.WORD_ADDR == a.ADDR_10 ? a.WORD_ADDR : (a.WORD_ADDR + QLatin1Char(' ') + a.ADDR_10).trimmed();
}

QStringList DongListRows(const QStringList &dongs)
{
    QStringList rows;
    for (const QString &d : dongs) {
        const QString t = d.trimmed();
        if (!t.isEmpty())
            rows.append(t);
    }
    if (rows.size() > 1)
        rows.prepend(kAllRow);
    return rows;
}

QStringList SavedNameConsonantRows()
{
    return {kAllRow, QStringLiteral("ㄱ-ㄴ"), QStringLiteral("ㄷ-ㄹ"), QStringLiteral("ㅁ-ㅂ"), QStringLiteral("ㅅ-ㅇ"),
            QStringLiteral("ㅈ-ㅊ"), QStringLiteral("ㅋ-ㅌ"), QStringLiteral("ㅍ-ㅎ"), QStringLiteral("기타")};
}

QString LotKeypadText(const QString &text, const QString &key)
{
    const QString t = text.trimmed();
    const bool back = key == QLatin1String("<");
    if (t.isEmpty())
        return back ? QString() : key;
    if (back)
        return t.left(t.size() - 1);
    const QChar last = t.back();
    if (last != QLatin1Char('-') && !(last >= QLatin1Char('0') && last <= QLatin1Char('9')))
        return t + QLatin1Char(' ') + key;
    return t + key;
}
