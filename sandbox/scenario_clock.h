#pragma once

#include <QDateTime>
#include <QString>

class SandboxDatabase;

// The demo day starts at 08:00 of 11 December 2026; every scenario area runs its own clock on it.
QDateTime ScenarioMorning();

// Now in Korea as a plain date and time, like ScenarioMorning: the clock the client takes over at
// login as the server's, so no stamp of the sandbox may lie after it.
QDateTime ScenarioWallNow();

// The scenario clock moved on by stepMs from ms, but never past the wall clock (and never back):
// the demo world may move faster than real time, its stamps may not, or a board's elapsed minutes
// would read negative.
qint64 ScenarioAdvance(qint64 ms, qint64 stepMs);

// A key/number table of one scenario area ("<area>_meta": key TEXT PRIMARY KEY, value INTEGER).
class ScenarioMeta
{
public:
    ScenarioMeta(const SandboxDatabase &db, QString table) : m_db(db), m_table(std::move(table)) {}
    qint64 get(const QString &key, qint64 def) const;
    void set(const QString &key, qint64 value) const;

private:
    const SandboxDatabase &m_db;
    QString m_table;
};

// The clock of a scenario, in milliseconds since the morning, and its change counter (the sync
// mark the loaders hand out). Every change moves the clock on by at least a millisecond, so the
// modification stamps of one order always grow.
struct ScenarioClock
{
    ScenarioMeta meta;
    qint64 ms;
    qint64 seq;
    ScenarioClock(const SandboxDatabase &db, const QString &metaTable);
    QDateTime now() const { return ScenarioMorning().addMSecs(ms); }
    QString time() const { return now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")); }
    QString stamp() const { return now().toString(QStringLiteral("yyyyMMddhhmmsszzz")); }
    void advance(qint64 stepMs) { ms = ScenarioAdvance(ms, stepMs); }
    qint64 tick()
    {
        ms += 1;
        return ++seq;
    }
    void save() const;
};
