#pragma once

#include "records/order_time_texts.h"

#include <QString>
#include <QStringView>

#include <optional>

// The boards' time texts (the order row's time columns, the elapsed and the overdue minutes)
// worked out for thousands of rows a second. They give the same texts as DateTimeToAddStr4,
// OrderElapsedText and OverMinutesText, but read each time once and compute on wall-clock
// milliseconds (the local date and time counted as if they were UTC), so no row pays for a date
// parser or a time-zone lookup. The business runs on one zone without summer time, where the two
// agree.

// Wall-clock milliseconds of a time text of the program's format; nothing when unreadable.
std::optional<qint64> WallMs(QStringView text);
// The program clock's now as wall-clock milliseconds.
qint64 WallNowMs();

class BoardTimeTexts
{
public:
    // `viewModes`: one display mode per time column, as DateTimeToAddStr4 takes them.
    BoardTimeTexts(qint64 nowWallMs, const QString &viewModes);
    // The view modes of this PC's board settings.
    static QString SettingsViewModes();

    qint64 now() const { return m_now; }

    TOrderTimeColumns addStr4(const TOrderTimes &times) const;
    // The order's times read once, for callers that need them beside the texts.
    struct WallTimes
    {
        std::optional<qint64> order, req, dispatch, pickup, end;
    };
    static WallTimes wallTimes(const TOrderTimes &times);
    TOrderTimeColumns addStr4(const TOrderTimes &times, const WallTimes &ms) const;
    QString elapsed(const QString &status, const QString &time1, const QString &time2, const QString &endTime,
                    int mode) const;
    QString over(const QString &startTime, const QString &endTime, const QString &addMinutes, int status) const;

private:
    qint64 orNow(const QString &text) const;
    QString columnView(std::optional<qint64> duration, const QString &ownTime, QChar mode) const;

    qint64 m_now;
    QString m_modes;
};
