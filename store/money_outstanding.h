#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

// Unpaid and receivable amounts still to be settled, by deduction date, and the targets they name.

inline constexpr char kUnpaidRequestCode[] = "CS06_03_V01";
inline constexpr char kReceivableRequestCode[] = "CS06_04_V01";
// The "전체" row of the target list.
inline constexpr char kAllTargets[] = "999";

struct OutstandingRow
{
    QString putDate;   // C_1
    QString grpType;   // C_2 (unpaid: the class; receivable: not shown)
    QString code;      // C_3
    QVariant amount;   // C_4 as qint64; its text when it is no number
    QString memo;      // C_5
    QString status;    // C_6
    QString doneAt;    // C_7
    QString kindName;  // C_8 (receivable: the settlement kind's name)
    QString name;      // target name: C_8 unpaid, C_9 receivable
};

struct OutstandingTarget
{
    QString code;
    QString name;
    bool operator==(const OutstandingTarget &) const = default;
};

// "0" 미정산, "1" 정산완료, "9" 전체.
enum class OutstandingState { Open, Settled, All };
QString OutstandingStateCode(OutstandingState s);

struct OutstandingResult
{
    bool replied = false;
    QList<OutstandingRow> rows;
    QList<OutstandingTarget> targets;  // distinct, in order of first appearance
};

// Runs the search of one sub-tab (receivable = "미수금 내역").
OutstandingResult LoadOutstanding(bool receivable, const QString &targetClass, const QString &userCode,
                                  const QDate &start, const QDate &end, OutstandingState state);

// The target the amounts stay narrowed to after a new search: the one chosen before when the
// new targets still hold it, else none (all rows), so a new search never hides every row
// without saying why.
QString KeptTargetFilter(const QString &chosen, const QList<OutstandingTarget> &targets);
