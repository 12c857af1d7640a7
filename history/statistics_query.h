#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

// The statistics screen's search: the tabs, the period check, the blackout notice and the
// request each tab sends. Everything here is free of widgets so tests can run it directly.
namespace Statistics
{
enum Tab
{
    kPeriodTab = 0,     // "기간별 통계"
    kWeekdayTab = 1,    // "요일별 통계"
    kTimeTab = 2,       // "시간대별 통계"
    kSettlementTab = 3, // "기간별 정산 통계"
    kCourierTab = 4,    // "배송원별 통계"
    kStoreTab = 5,      // "가맹점별 통계"
    kTabCount = 6,
};

QString TabCaption(int tab);

// Target combo tags: the all-item, a partner head office, a branch.
inline constexpr int kTagAll = 0;
inline constexpr int kTagHeadOffice = 7000;
inline constexpr int kTagBranch = 5000;

// "※ 18:00 ~ 22:00 사이에는 조회가 불가합니다."
QString BlackoutNoticeText(const QString &limitFrom, const QString &limitTo);
// Whether the notice shows at nowHhmm ("HHMM"): from <= now <= to as texts. A window whose start
// is later than its end, or an empty setting, never shows.
bool BlackoutNoticeShown(const QString &limitFrom, const QString &limitTo, const QString &nowHhmm);

// What the period controls of a tab hold.
struct PeriodInput
{
    bool monthRange = false;
    QString dayStart, dayEnd;     // "yyyy-MM-dd" ("" or "    -  -  " when blank)
    QString monthStart, monthEnd; // "YYYY-MM" or "YYYY-M"
};

enum class PeriodField
{
    None,
    DayStart,
    DayEnd,
    MonthStart,
    MonthEnd,
};

struct PeriodCheck
{
    bool ok = false;
    QString message;                       // for the user when !ok
    PeriodField focus = PeriodField::None; // the edit to focus when !ok ("None": no focus)
    QString kind;                          // "1" day range, "2" month range
    QString from, to;                      // "yyyyMMdd" or "yyyyMM"
};

// How many months a month range may cover on a tab (6 on the period and settlement tabs, else 3).
int MonthLimit(int tab);
PeriodCheck CheckPeriod(int tab, const PeriodInput &input);

// The chosen target item.
struct TargetItem
{
    QString value;
    int tag = kTagAll;
};

// The user's side of the payload.
struct UserIdentity
{
    QString id;
    QString userTypeCd; // USER_TYPE_CD; its first character is the user class
    QString hd;         // own head office
};

struct SearchRequest
{
    QString code;
    QStringList fields; // each followed by the field separator when sent
    QString payload() const;
};

// The request of a tab. byTarget: "대상별" selected in the grouping (tabs 0 and 3).
SearchRequest BuildSearch(int tab, const UserIdentity &user, const TargetItem &target, const PeriodCheck &period,
                          bool byTarget);

// Whether tab 0 must first ask to switch to "기간별" (a non-distributor with a branch or head office
// chosen and "대상별" selected).
bool PeriodTabNeedsGroupQuestion(const UserIdentity &user, const TargetItem &target, bool byTarget);
inline constexpr char kGroupQuestion[] =
    "총판을 선택 하여 집계할 경우에는 기간별 집계만 가능합니다.\r기간별 집계 하시겠습니까?";

// How the requests reach the server: RequestList on the shared connection unless a test installs
// its own. Returns the previous one.
using StatisticsRequester = std::function<QStringList(const QString &code, const QString &callType,
                                                      const QString &payload, const QString &pageCount,
                                                      int timeoutMs)>;
StatisticsRequester SetStatisticsRequester(StatisticsRequester requester);
QStringList RequestStatisticsPages(const QString &code, const QString &callType, const QString &payload,
                                   const QString &pageCount, int timeoutMs);
} // namespace Statistics
