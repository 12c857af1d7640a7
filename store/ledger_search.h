#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

#include <functional>

// The money ledger of a partner head office or distributor: its search in 7-day requests, the
// rows it reads and the checks before it.

inline constexpr char kLedgerRequestCode[] = "CS04_01_V05";

// Columns of the ledger grid, in index order.
enum LedgerColumn
{
    kLedgerSeq,        // "페이처리순번"
    kLedgerAt,         // "일시"
    kLedgerCategory,   // "분류"
    kLedgerMemo,       // "내용"
    kLedgerAmount,     // "금액"
    kLedgerBalance,    // "잔액"
    kLedgerDayNo,      // "당일 접수번호"
    kLedgerOrderNo,    // "주문번호"
    kLedgerCashType,   // hidden cash-type code
    kLedgerConType,    // "정산대상분류"
    kLedgerConCode,    // "정산대상코드"
    kLedgerConName,    // "정산대상명"
    kLedgerColumnCount
};

// One request of a search: the days it covers.
struct LedgerChunk
{
    QDate from;
    QDate to;
    bool operator==(const LedgerChunk &) const = default;
};
// Seven days per request from the start on, the last one ending at the end date.
QList<LedgerChunk> LedgerChunks(const QDate &start, const QDate &end);
// The gauge's share of one request: 100 div the number of requests.
int LedgerGaugeStep(const QDate &start, const QDate &end);

// The message that refuses a period, empty when the period is searched.
QString LedgerPeriodError(const QDate &start, const QDate &end);
// "tag|code|yyyymmdd|yyyymmdd|"
QString LedgerSignature(int tag, const QString &code, const QDate &start, const QDate &end);
// The payload of one request: from│to│tag│code│start│end│ (dates as eight digits).
QString LedgerPayload(const LedgerChunk &chunk, int tag, const QString &code, const QDate &start, const QDate &end);

struct LedgerRow
{
    QString seq, at, category, memo;
    qint64 amount = 0;
    bool amountRead = true;  // false: the server's amount text was no whole number
    QString amountText;      // as it came, shown when it could not be read
    qint64 balance = 0;
    QString dayNo, orderNo, cashType, conType, conCode, conName;
};
// A reply row's fields; the balance is 0 unless showBalance.
LedgerRow ReadLedgerRow(const QStringList &fields, bool showBalance);
// The row's cells in column order; an unreadable amount is kept as its text (never summed).
QVariantList LedgerRowCells(const LedgerRow &row);

struct LedgerQuery
{
    QDate start, end;
    int tag = 0;
    QString code;
    bool showBalance = false;  // level 2
    QDate today;
};

enum class LedgerOutcome
{
    Refused,  // a check failed; nothing was requested, the grid is as it was
    Skipped,  // the same closed period as the grid holds
    Done,     // every request answered
    Failed,   // a page was refused: the rows of earlier pages stay
    NoReply,  // a request got no reply: the search stopped, the list is incomplete
};

struct LedgerReport
{
    LedgerOutcome outcome = LedgerOutcome::Refused;
    int requests = 0;
    int rows = 0;
    int unreadAmounts = 0;
    bool complete() const { return outcome == LedgerOutcome::Done || outcome == LedgerOutcome::Skipped; }
};

// The ledger search. Messages go through the message box; the rows go to the hooks.
class LedgerSearch
{
public:
    struct Hooks
    {
        std::function<void()> clear;                               // before the first request
        std::function<void(const QList<LedgerRow> &)> append;      // one call per page
        std::function<void(int)> gauge;                            // 0..100
    };
    LedgerReport run(const LedgerQuery &query, const Hooks &hooks);
    // The signature of the last search that read every page; empty when none.
    QString savedSignature() const { return m_saved; }
    // The next search is sent even for the same closed period (new categories).
    void forget() { m_saved.clear(); }

private:
    QString m_saved;
};

// Told to the user when a request got no reply: what they see is only part of the ledger.
QString LedgerIncompleteText();
