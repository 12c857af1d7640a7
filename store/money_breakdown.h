#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

// The item breakdown: per day, the money movements of one head office or distributor summed into
// thirteen fee categories, as the server sums them.

inline constexpr char kBreakdownRequestCode[] = "CS04_04_V02";
inline constexpr int kBreakdownSums = 13;

// The checks of the breakdown and of the unpaid and receivable searches: the start must be later
// than the end minus one month, and not after the end. Empty when the period is searched.
QString MonthPeriodError(const QDate &start, const QDate &end);

// "1" for a head office item (tag 7000), "2" for a distributor (5000), empty for anything else.
QString BreakdownKind(int tag);

struct BreakdownRow
{
    QString date;  // "yyyy-mm-dd"
    // Per category: an amount (qint64), the server's text when it is no number, or no value
    // (shown "-", not summed) when the field was empty.
    QVariant sums[kBreakdownSums];
};

// Runs the search. False when no reply came (the caller keeps its rows); otherwise rows holds
// what the pages gave, sorted by date. unread counts amounts that were no number.
bool LoadBreakdown(const QString &kind, const QString &code, const QDate &start, const QDate &end,
                   QList<BreakdownRow> &rows, int *unread = nullptr);

// A cell value summed over rows: only amounts count. False when the sum would overflow.
bool SumAmounts(const QList<QVariant> &cells, qint64 &sum);
