#pragma once

#include <QDate>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The detailed performance of one courier or one store: the period it covers, the week-long
// requests that load it and how a reply row becomes a grid row.
namespace PerformanceDetail
{
inline constexpr char kRequestCode[] = "CS07_05_V02";
inline constexpr char kCourierType[] = "2";
inline constexpr char kStoreType[] = "1";

struct Period
{
    QDate start, end;
};

// From a day-range tab: blank edits ("" or "    -  -  ") take today; an end a month or more after
// the start is cut to the start plus one month minus one day.
Period PeriodFromDays(const QString &startText, const QString &endText, const QDate &today);
// From a month-range tab: the whole month of the start text ("YYYY-MM" or "YYYY-M"); today when
// the text is not a month.
Period PeriodFromMonth(const QString &monthStartText, const QDate &today);

// More than a month between start and end (start < end minus one month).
bool PeriodTooLong(const Period &period);
inline constexpr char kTooLongMessage[] = "검색기간은 시작일로부터 최대 1개월입니다.";

// Seven-day pieces from start to end, the last one shorter when the period ends inside it.
QList<QPair<QDate, QDate>> WeekChunks(const Period &period);
QString ChunkPayload(const QString &code, const QString &type, const QDate &chunkStart, const QDate &chunkEnd);

// A currency text (up to four decimals) to the nearest whole amount, halves to even; 0 when it is
// not a number.
qint64 RoundAmount(const QString &text);

// Grid columns, in this order.
enum Column
{
    kOrderDate,
    kOrderNo,
    kBranchName,
    kTakerBranchName,
    kOrderStore,
    kCourierName,
    kCourierPhone,
    kAccountYn,
    kGrossCost,
    kFee,
    kNetCost,
    kDistance,
    kColumnCount,
};
QStringList ColumnNames();
QStringList ColumnCaptions();
// Columns a mode shows (courier: the order's store and the money split; store: the courier).
bool ColumnShown(int column, const QString &type);

// One reply object ("C_0".."C_13") as grid values; the phone is masked for a store.
QVariantList RowValues(const QJsonObject &row, const QString &type);

// "<value>_<yyyymmdd>_<yyyymmdd>_<title>.xlsx", made safe for a file name.
QString ExportFileName(const QString &value, const Period &period, const QString &title);

// Loads every chunk through the requester. Stops at a chunk without reply (noReply set); a failed
// page skips the rest of its chunk only.
struct LoadOutcome
{
    bool noReply = false;
    int chunksSent = 0;
    QList<QVariantList> rows;
};
LoadOutcome LoadChunks(const QString &code, const QString &type, const Period &period);
} // namespace PerformanceDetail
