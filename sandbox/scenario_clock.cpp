#include "sandbox/scenario_clock.h"

#include "sandbox/sandbox_database.h"

#include <QTimeZone>

QDateTime ScenarioMorning()
{
    static const QDateTime morning(QDate(2026, 12, 11), QTime(8, 0));
    return morning;
}

QDateTime ScenarioWallNow()
{
    const QDateTime korea = QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(9 * 3600));
    return QDateTime(korea.date(), korea.time());
}

qint64 ScenarioAdvance(qint64 ms, qint64 stepMs)
{
    const qint64 wall = ScenarioMorning().msecsTo(ScenarioWallNow());
    return qMax(ms, qMin(ms + stepMs, wall));
}

qint64 ScenarioMeta::get(const QString &key, qint64 def) const
{
    const QVariant v = m_db.value(QStringLiteral("SELECT value FROM ") + m_table + QStringLiteral(" WHERE key = ?"), {key});
    return v.isValid() ? v.toLongLong() : def;
}

void ScenarioMeta::set(const QString &key, qint64 value) const
{
    m_db.exec(QStringLiteral("INSERT OR REPLACE INTO ") + m_table + QStringLiteral(" (key, value) VALUES (?, ?)"), {key, value});
}

ScenarioClock::ScenarioClock(const SandboxDatabase &db, const QString &metaTable)
    : meta(db, metaTable), ms(meta.get(QStringLiteral("clock_ms"), 0)), seq(meta.get(QStringLiteral("seq"), 0))
{
}

void ScenarioClock::save() const
{
    meta.set(QStringLiteral("clock_ms"), ms);
    meta.set(QStringLiteral("seq"), seq);
}
