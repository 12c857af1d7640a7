#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

// The three searches of the past-orders screen: what they send, and how their reply pages are
// read. A search asks once for the whole period; everything after it works on the loaded rows.

inline constexpr char kPastGeneralCode[] = "CS01_50_V02";  // general delivery
inline constexpr char kPastStoreCode[] = "CS01_51_V01";    // store orders
inline constexpr char kPastSameDayCode[] = "CS01_49_V02";  // same-day delivery

// The login as the searches read it.
struct PastSearchLogin
{
    QString id;
    QString userTypeCd;  // USER_TYPE_CD; its first character is the user class
    QString hd, br, st;
    int sameDayNormal = 0;  // SAMEDAY_NORMAL_TYPE
    int sameDayLocal = 0;   // SAMEDAY_JISUN_TYPE
    // The logged-in user's values.
    static PastSearchLogin Current();
    QString userClass() const { return userTypeCd.left(1); }
};

// The branch chosen in the screen's branch box; empty br = none chosen.
struct PastBranchSelection
{
    QString hd;
    QString br;
    QString dvryType;
    bool operator==(const PastBranchSelection &) const = default;
};

struct PastSearchPeriod
{
    QDate from;
    QDate to;
    bool byFinishDate = false;  // "완료일": the completion date picks the orders
};

// A period longer than this many whole days (either order) is refused.
inline constexpr int kPastMaxPeriodDays = 31;
bool PastPeriodAllowed(const QDate &from, const QDate &to);
// What the user is told about a refused period.
QString PastPeriodTooLongText();

// The same-day kind sent with the same-day search: "1" for a partner head office, else by the
// normal and local-hub flags ("3" both, "1" normal, "2" local hub, "" none).
QString PastSameDayKind(const PastSearchLogin &login);

// The payloads (every field followed by the field separator).
QString PastGeneralPayload(const PastSearchLogin &login, const PastBranchSelection &sel, const PastSearchPeriod &p);
QString PastStorePayload(const PastSearchLogin &login, const PastSearchPeriod &p);
QString PastSameDayPayload(const PastSearchLogin &login, const PastSearchPeriod &p);

// The request as the link sends it: code, call type, payload, page count, time-out in ms; the
// reply pages, empty when nothing came back. Default: RequestList on the shared connection.
using PastRequest = std::function<QStringList(const QString &code, const QString &callType, const QString &val,
                                              const QString &pageCount, int timeoutMs)>;
PastRequest DefaultPastRequest();

// How reading the reply pages of one search went.
struct PastPageOutcome
{
    bool noReply = false;   // no page came back: the grid keeps its rows
    int rowsRead = 0;       // rows handed to the row reader and taken
    int badRows = 0;        // rows the reader refused (too short, unreadable): skipped
    bool failedPage = false;  // a page said the search failed; the pages after it were not read
    QString failCode, failMsg;

    // Some of what the server meant to send is not in the grid.
    bool incomplete() const { return failedPage || badRows > 0; }
};

// Reads the pages in order. Each text row of "OUT_ROW1" goes to `row` (the row as sent, escaping
// undone by the reader); it returns false for a row it cannot take, which is skipped and counted
// instead of ending the load. A page whose "OUT_CODE" is not "1" (or that is not JSON) is logged
// as "<code> is Fail <OUT_CODE>:<OUT_MSG>" and ends the reading; the rows before it stay.
PastPageOutcome ReadPastPages(const QString &code, const QStringList &pages,
                              const std::function<bool(const QString &row)> &row,
                              const std::function<void(const QString &)> &log);

// The message for a search that did not bring everything, or empty when it did.
QString PastIncompleteText(const PastPageOutcome &outcome);
