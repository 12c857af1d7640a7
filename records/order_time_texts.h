#pragma once

#include <QString>

// Elapsed-time texts of the order boards. Durations are whole minutes of the real difference,
// so an order older than a day shows its full age instead of wrapping at 24 hours.

// Minutes text ("12분", "-3분") of the boards' elapsed column for a status and display mode;
// empty when the combination shows nothing.
QString OrderElapsedText(const QString &status, const QString &time1, const QString &time2,
                         const QString &endTime, int mode);

// How far an order is past its promised time (startTime + addMinutes): against now while it is
// open (status below 4001), against endTime once finished; "-" while it is not yet due.
QString OverMinutesText(const QString &startTime, const QString &endTime, const QString &addMinutes, int status);

// The order's times as texts ("yyyy-mm-dd hh:nn:ss", empty when not reached).
struct TOrderTimes
{
    QString orderTime;
    QString reqTime;      // request (ready-change) time
    QString dispatchTime; // courier assigned
    QString pickupTime;   // picked up / departed
    QString endTime;
    QString status;
};

// The four time columns and the two minute counts of an order row.
struct TOrderTimeColumns
{
    QString tmReq;
    QString tmCTH;
    QString tmStart;
    QString tmEnd;
    QString AAddTime;
    int AAddTimeAll = -1;
};

// viewModes holds one display mode per column (tmReq, tmCTH, tmStart, tmEnd): "1" the clock of
// the column's own time, "2" the duration as minutes and seconds, anything else both.
TOrderTimeColumns DateTimeToAddStr4(const TOrderTimes &times, const QString &viewModes);

// "시간:<won>원 <percent>%" of the timed surcharges ("*01_AA" entries of a comma list) whose
// hhnn window holds the current time; empty when none applies.
QString TimeSurchargeText(const QString &list);

// s ("yyyy-mm-dd hh:nn:ss") by style: 0 "hh:nn", 1 "mm-dd hh:nn", 2 "yy-mm-dd hh:nn",
// 3 "mm-dd" LF "hh:nn", 4 "hh:nn:ss", 5 "mm-dd hh:nn:ss", 6 "yy-mm-dd"; empty for an empty s,
// another style or a text that does not parse (which is logged).
QString DateTimeToStr(const QString &s, int style);
