#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class SandboxDatabase;
class SandboxRandom;

// Today's orders of the demo world: the orders table with every column of the live order row, a
// seed of the early morning, and the scenario that moves the morning on (new orders, requests,
// couriers assigned and departing, completions and cancellations). Every change takes the next
// change number, which is the sync mark the order loaders hand out: an empty mark returns the
// whole board, a mark returns what changed after it.
namespace SandboxOrders
{
// The names of the row's columns, in column order (123).
const QStringList &rowColumns();

// Registers the tables and the seed.
void addArea(SandboxDatabase &db);

// One move of the morning.
void step(SandboxDatabase &db, SandboxRandom &rng);

// Who asks: the first character of the user type and the login's head office, branch and store.
struct Scope
{
    QString userClass;
    QString hd;
    QString br;
    QString st;
};

// The rows of a load ("│"-joined): completed = the finished and cancelled orders; otherwise the
// live orders (empty mark) or every order changed after the mark. nextMark is the newest change.
QStringList loadRows(const SandboxDatabase &db, const Scope &scope, bool completed, const QString &mark,
                     QString *nextMark);

// The couriers the scenario assigns: code, name, telephone, branch.
struct Courier
{
    QString code, name, tel, branch;
};
QList<Courier> couriers(const SandboxDatabase &db);

// What the order actions of the client change. Every write takes the next change number, so the
// next live load with an older mark brings the order back.

// The current time of the demo morning ("yyyy-MM-dd hh:mm:ss").
QString now(const SandboxDatabase &db);
// The values of one order by column name; empty when there is no such order.
QHash<QString, QString> order(const SandboxDatabase &db, const QString &ordNo);
// The numbers of the orders of a bundle, in number order.
QStringList bundleMembers(const SandboxDatabase &db, const QString &groupNo);
// Writes columns of one order (names of rowColumns(); others are ignored).
void updateOrder(const SandboxDatabase &db, const QString &ordNo, const QHash<QString, QString> &values);
// A copy of an order under the next order number, received anew in `status`; returns the new number
// (empty when there is no such order).
QString copyOrder(const SandboxDatabase &db, const QString &ordNo, const QString &status);
// The next bundle group number.
QString nextGroupNo(const SandboxDatabase &db);
} // namespace SandboxOrders
