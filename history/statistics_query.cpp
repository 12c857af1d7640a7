#include "history/statistics_query.h"

#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"

namespace Statistics
{
namespace
{
const QString kEmptyDateMask = QStringLiteral("    -  -  ");

bool blankDate(const QString &text)
{
    return text.trimmed().isEmpty() || text == kEmptyDateMask;
}

// "2025-3" -> "202503", "2025-03" -> "202503"; empty for any other length.
QString monthDigits(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() == 6)
        return t.left(4) + QLatin1Char('0') + t.mid(5, 1);
    if (t.size() == 7)
        return t.left(4) + t.mid(5, 2);
    return {};
}

QDate firstOfMonth(const QString &digits)
{
    bool yearOk = false, monthOk = false;
    const int year = digits.left(4).toInt(&yearOk);
    const int month = digits.mid(4, 2).toInt(&monthOk);
    if (!yearOk || !monthOk)
        return {};
    return QDate(year, month, 1); // invalid for month 0 or 13 and above
}

StatisticsRequester &requester()
{
    static StatisticsRequester fn = [](const QString &code, const QString &callType, const QString &payload,
                                       const QString &pageCount, int timeoutMs) {
        return RequestList(G_TCP_CLIENT, code, callType, payload, pageCount, timeoutMs);
    };
    return fn;
}
} // namespace

QString TabCaption(int tab)
{
    static const QStringList captions = {QStringLiteral("기간별 통계"),      QStringLiteral("요일별 통계"),
                                         QStringLiteral("시간대별 통계"),    QStringLiteral("기간별 정산 통계"),
                                         QStringLiteral("배송원별 통계"),    QStringLiteral("가맹점별 통계")};
    return captions.value(tab);
}

QString BlackoutNoticeText(const QString &limitFrom, const QString &limitTo)
{
    return QStringLiteral("※ ") + limitFrom.mid(0, 2) + QLatin1Char(':') + limitFrom.mid(2, 2) + QStringLiteral(" ~ ")
           + limitTo.mid(0, 2) + QLatin1Char(':') + limitTo.mid(2, 2) + QStringLiteral(" 사이에는 조회가 불가합니다.");
}

bool BlackoutNoticeShown(const QString &limitFrom, const QString &limitTo, const QString &nowHhmm)
{
    if (limitFrom.isEmpty() || limitTo.isEmpty())
        return false;
    return limitFrom <= nowHhmm && nowHhmm <= limitTo;
}

int MonthLimit(int tab)
{
    return tab == kPeriodTab || tab == kSettlementTab ? 6 : 3;
}

PeriodCheck CheckPeriod(int tab, const PeriodInput &input)
{
    PeriodCheck r;
    auto refuse = [&r](const QString &message, PeriodField focus) {
        r.ok = false;
        r.message = message;
        r.focus = focus;
        return r;
    };
    const QString noStart = QStringLiteral("조회기간 시작 범위가 없습니다.");
    const QString noEnd = QStringLiteral("조회기간 종료 범위가 없습니다.");
    const QString unreadable = QStringLiteral("조회기간을 잘못 입력 하셨습니다.");
    if (!input.monthRange) {
        r.kind = QStringLiteral("1");
        if (blankDate(input.dayStart))
            return refuse(noStart, PeriodField::DayStart);
        if (blankDate(input.dayEnd))
            return refuse(noEnd, PeriodField::DayEnd);
        const QDate start = QDate::fromString(input.dayStart.trimmed(), QStringLiteral("yyyy-MM-dd"));
        const QDate end = QDate::fromString(input.dayEnd.trimmed(), QStringLiteral("yyyy-MM-dd"));
        if (!start.isValid() || !end.isValid())
            return refuse(unreadable, PeriodField::DayStart);
        if (start <= end.addMonths(-1))
            return refuse(QStringLiteral("검색기간은 시작일로부터 최대 1개월입니다."), PeriodField::None);
        r.from = start.toString(QStringLiteral("yyyyMMdd"));
        r.to = end.toString(QStringLiteral("yyyyMMdd"));
        r.ok = true;
        return r;
    }
    r.kind = QStringLiteral("2");
    const QString from = monthDigits(input.monthStart);
    if (from.isEmpty())
        return refuse(noStart, PeriodField::MonthStart);
    const QString to = monthDigits(input.monthEnd);
    if (to.isEmpty())
        return refuse(noEnd, PeriodField::MonthEnd);
    const QDate s = firstOfMonth(from);
    const QDate e = firstOfMonth(to);
    if (!s.isValid() || !e.isValid())
        return refuse(unreadable, PeriodField::MonthStart);
    const int n = MonthLimit(tab);
    if (e.addMonths(-n) >= s)
        return refuse(QStringLiteral("검색기간은 시작일로부터 최대 %1개월입니다.").arg(n), PeriodField::None);
    r.from = from;
    r.to = to;
    r.ok = true;
    return r;
}

QString SearchRequest::payload() const
{
    return JoinRequestFields(fields);
}

SearchRequest BuildSearch(int tab, const UserIdentity &user, const TargetItem &target, const PeriodCheck &period,
                          bool byTarget)
{
    const bool distributor = user.userTypeCd.startsWith(QLatin1Char('5'));
    const QString targetValue = target.tag != kTagAll ? target.value : QString();
    const QString hd = target.tag == kTagHeadOffice ? target.value : user.hd;
    const QString group = byTarget ? QStringLiteral("1") : QStringLiteral("2");
    SearchRequest r;
    r.fields = {user.id, user.userTypeCd};
    switch (tab) {
    case kPeriodTab:
        if (distributor) {
            r.code = QStringLiteral("CS02_02_V01");
            r.fields << targetValue << period.kind << period.from << period.to;
        } else {
            r.code = QStringLiteral("CS02_03_V01");
            r.fields << hd << targetValue << period.kind << period.from << period.to << group;
        }
        break;
    case kWeekdayTab:
    case kTimeTab:
        r.code = tab == kWeekdayTab ? QStringLiteral("CS02_04_V01") : QStringLiteral("CS02_05_V01");
        r.fields << hd << targetValue << period.from << period.to;
        break;
    case kSettlementTab:
        if (distributor) {
            r.code = QStringLiteral("CS02_06_V01");
            r.fields << targetValue << period.kind << period.from << period.to;
        } else {
            const QString tkind = target.tag == kTagAll         ? QStringLiteral("0")
                                  : target.tag == kTagHeadOffice ? QStringLiteral("1")
                                                                 : QStringLiteral("2");
            r.code = QStringLiteral("CS02_07_V01");
            r.fields << hd << targetValue << period.kind << tkind << period.from << period.to << group;
        }
        break;
    case kCourierTab:
        r.code = QStringLiteral("CS02_08_V01");
        r.fields << targetValue << period.kind << period.from << period.to;
        break;
    case kStoreTab:
        r.code = QStringLiteral("CS02_09_V01");
        r.fields << hd << targetValue << period.kind << period.from << period.to;
        break;
    default:
        break;
    }
    return r;
}

bool PeriodTabNeedsGroupQuestion(const UserIdentity &user, const TargetItem &target, bool byTarget)
{
    return !user.userTypeCd.startsWith(QLatin1Char('5')) && target.tag != kTagAll && byTarget;
}

StatisticsRequester SetStatisticsRequester(StatisticsRequester fn)
{
    StatisticsRequester previous = std::move(requester());
    requester() = std::move(fn);
    return previous;
}

QStringList RequestStatisticsPages(const QString &code, const QString &callType, const QString &payload,
                                   const QString &pageCount, int timeoutMs)
{
    return requester() ? requester()(code, callType, payload, pageCount, timeoutMs) : QStringList();
}
} // namespace Statistics
