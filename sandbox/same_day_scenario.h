#pragma once

#include <QString>
#include <QStringList>

class SandboxDatabase;
class SandboxRandom;

// Same-day orders of the demo world and their logistics legs: an order is collected into its
// branch's hub (6xxx), carried over the trunk through the logistics centre (7xxx), brought to the
// destination branch's hub (8xxx) and delivered from there (2001 .. 4001). Every change takes the
// next change number, which is the sync mark the loads hand out.
namespace SandboxSameDay
{
// The names of the same-day row's columns, in column order (98).
const QStringList &rowColumns();
// The names of the logistics row's fields, in order (26).
const QStringList &legColumns();

void addArea(SandboxDatabase &db);

// One move of the day.
void step(SandboxDatabase &db, SandboxRandom &rng);

// Who asks: the first character of the user type, the head office and the branch.
struct Scope
{
    QString userClass;
    QString hd;
    QString br;
    QString brSt;  // the branch's hub store (logistics only)
};

// Rows of a same-day load ("│"-joined): completed = the finished and cancelled orders; otherwise
// the orders under way (empty mark) or every order changed after the mark.
QStringList loadRows(const SandboxDatabase &db, const Scope &scope, bool completed, const QString &mark,
                     QString *nextMark);
// Rows of a logistics load: every leg (empty mark, *full set) or the legs changed after the mark.
QStringList loadLegs(const SandboxDatabase &db, const Scope &scope, const QString &mark, QString *nextMark,
                     bool *full);

// A status change asked by a desk: "1" and a message, or "0" and the reason it was refused.
struct Outcome
{
    bool ok = false;
    QString message;
};
Outcome changeStatus(const SandboxDatabase &db, const QString &ordNo, const QString &current,
                     const QString &next, const QString &reason);
// An unloading at the hub the order's current leg ends at.
Outcome arrive(const SandboxDatabase &db, const QString &ordNo);
} // namespace SandboxSameDay
