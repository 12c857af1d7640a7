#pragma once

#include <QString>

class SandboxDatabase;

// The demo world's money ledger: every change of a balance (head office, branch, store, courier)
// is one movement with a row on each side it touches, so a balance always equals its opening
// amount plus the sum of its ledger rows.
namespace SandboxMoney
{
// Account kinds, as the transfer targets name them: "1" head office, "2" branch, "3" store,
// "4" courier. An empty kind is the world outside (a bank, a card top-up).
struct Party
{
    QString kind;
    QString code;
    bool outside() const { return kind.isEmpty(); }
};

struct Move
{
    Party from;
    Party to;
    qint64 amount = 0;  // > 0, leaves `from`, reaches `to`
    QString cashType;   // "1001" fee, "2001" top-up, "3001" withdrawal, "1005" transfer, ...
    QString memoFrom;   // the content of the paying side's row
    QString memoTo;     // the content of the receiving side's row
    QString at;         // "yyyyMMddhhmmss"; empty: now in Korea
    QString orderNo;
    QString dayNo;
};

// The balance of an account; false when the account does not exist.
bool balance(const SandboxDatabase &db, const Party &p, qint64 &cash);
// The name of an account ("" when unknown).
QString partyName(const SandboxDatabase &db, const Party &p);
// Moves the money and writes the ledger rows; false (nothing changed) when an inside account
// does not exist or the amount is not positive. Call inside a transaction of the caller's.
bool move(SandboxDatabase &db, const Move &m);
// The category name of a cash type.
QString categoryOf(const QString &cashType);
} // namespace SandboxMoney
