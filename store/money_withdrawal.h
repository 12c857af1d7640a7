#pragma once

#include <QString>

#include <optional>

// Withdrawal of money to the group's own bank account, and the balance request it starts with
// (which the transfer popup uses too).

inline constexpr char kBalanceRequestCode[] = "CS04_02_V02";
inline constexpr char kWithdrawalRequestCode[] = "CS04_03_V01";

// Kind of the balance request: "1" partner head office, "2" distributor, "5" anyone else.
QString BalanceKind(const QString &userClass);
// Kind of the withdrawal; empty for a user who may not withdraw.
QString WithdrawalKind(const QString &userClass);

struct MoneyBalance
{
    qint64 balance = 0;       // C_0 "머니잔액"
    qint64 withdrawable = 0;  // C_4 "출금가능금액" / "송금가능금액"
    qint64 deposit = 0;       // C_5 "보호예치금"
    QString bank;             // C_6 bank code
    QString account;          // C_8 account number as received
    QString holder;           // C_9 account holder
};

// Asks the server for the balance and account. No reply, a refusal or a reply without a row
// gives nullopt (the first two with their message shown and logged).
std::optional<MoneyBalance> RequestMoneyBalance(const QString &userClass, const QString &userCode);

struct WithdrawalInput
{
    QString pin;
    QString amount;  // as typed
    qint64 withdrawable = 0;
    QString bankText;  // the bank box's text
    QString bankCode;
    QString account;
    QString holder;
};

// The first check that fails, in order, with its message; empty when the input may go.
QString WithdrawalCheck(const WithdrawalInput &in);
// PIN│amount│bank│account│holder│kind│user code│"0"│
QString WithdrawalPayload(const WithdrawalInput &in, const QString &kind, const QString &userCode);
// The confirmation's fee line.
inline constexpr char kWithdrawalFee[] = "300원";
