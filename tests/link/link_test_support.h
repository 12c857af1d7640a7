#pragma once

#include "common/daily_log.h"
#include "common/message_box.h"
#include "records/session_records.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Daily log lines written while the fixture lives (time stamps cut off), in a folder of its own.
class LogCapture
{
public:
    LogCapture()
    {
        m_previous = G_LOG_DIR;
        G_LOG_DIR = m_dir.path() + QLatin1Char('/');
    }
    ~LogCapture() { G_LOG_DIR = m_previous; }

    QStringList lines() const
    {
        QFile file(DailyLogPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList out;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            out << line.mid(line.indexOf(QLatin1Char('-')) + 1);
        return out;
    }
    bool contains(const QString &line) const { return lines().contains(line); }
    QString dir() const { return m_dir.path() + QLatin1Char('/'); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Message boxes answered from a script; every box shown is recorded as (kind, text).
class ScriptedMsgBox
{
public:
    explicit ScriptedMsgBox(int answer = 1)
        : m_answer(answer)
    {
        m_previous = SetMsgBoxHandler([this](const QString &text, const QString &kind) {
            shown.append({kind, text});
            return m_answer;
        });
    }
    ~ScriptedMsgBox() { SetMsgBoxHandler(m_previous); }
    void setAnswer(int answer) { m_answer = answer; }

    QList<QPair<QString, QString>> shown;

private:
    int m_answer;
    MsgBoxHandler m_previous;
};
