#include "history/performance_detail.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "history/statistics_query.h"
#include "records/business_rules.h"
#include "text/phone_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>

namespace PerformanceDetail
{
namespace
{
bool blankDateText(const QString &text)
{
    return text.trimmed().isEmpty() || text == QLatin1String("    -  -  ");
}

QDate dateOrToday(const QString &text, const QDate &today)
{
    if (blankDateText(text))
        return today;
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd"));
    return d.isValid() ? d : today;
}

QString ymd(const QDate &d)
{
    return d.toString(QStringLiteral("yyyyMMdd"));
}
} // namespace

Period PeriodFromDays(const QString &startText, const QString &endText, const QDate &today)
{
    Period p;
    p.start = dateOrToday(startText, today);
    p.end = dateOrToday(endText, today);
    if (p.end >= p.start.addMonths(1))
        p.end = p.start.addMonths(1).addDays(-1);
    return p;
}

Period PeriodFromMonth(const QString &monthStartText, const QDate &today)
{
    const QString t = monthStartText.trimmed();
    QDate start;
    bool yearOk = false, monthOk = false;
    const int year = t.left(4).toInt(&yearOk);
    if (t.size() == 6 || t.size() == 7) {
        const int month = t.mid(5).toInt(&monthOk);
        if (yearOk && monthOk)
            start = QDate(year, month, 1);
    }
    if (!start.isValid())
        start = today;
    return {start, start.addMonths(1).addDays(-1)};
}

bool PeriodTooLong(const Period &period)
{
    return period.start < period.end.addMonths(-1);
}

QList<QPair<QDate, QDate>> WeekChunks(const Period &period)
{
    QList<QPair<QDate, QDate>> chunks;
    if (!period.start.isValid() || !period.end.isValid())
        return chunks;
    for (QDate from = period.start; from <= period.end; from = from.addDays(7))
        chunks.append({from, std::min(from.addDays(6), period.end)});
    return chunks;
}

QString ChunkPayload(const QString &code, const QString &type, const QDate &chunkStart, const QDate &chunkEnd)
{
    return JoinRequestFields({code, type, ymd(chunkStart), ymd(chunkEnd)});
}

qint64 RoundAmount(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > 9.0e15)
        return 0;
    // Amounts carry at most four decimals: rounding the ten-thousandths first keeps 2.5 from
    // arriving as 2.4999... and halves then go to the even neighbour.
    const double scaled = std::nearbyint(v * 10000.0);
    const qint64 tenThousandths = qint64(scaled);
    const qint64 whole = tenThousandths / 10000;
    const qint64 rest = tenThousandths % 10000;
    const qint64 absRest = rest < 0 ? -rest : rest;
    const qint64 sign = rest < 0 ? -1 : 1;
    if (absRest > 5000 || (absRest == 5000 && (whole % 2 != 0)))
        return whole + sign;
    return whole;
}

QStringList ColumnNames()
{
    return {QStringLiteral("colOrderDate"),    QStringLiteral("colOrderNo"),      QStringLiteral("colBrName"),
            QStringLiteral("colCTHBrName"),    QStringLiteral("colOrderStore"),   QStringLiteral("colWkName"),
            QStringLiteral("colWkPhone"),      QStringLiteral("colAccountYN"),    QStringLiteral("colDvryGrossCost"),
            QStringLiteral("colDvryFee"),      QStringLiteral("colDvryNetCost"),  QStringLiteral("colDvryDistance")};
}

QStringList ColumnCaptions()
{
    return {QStringLiteral("주문일시"),      QStringLiteral("일련번호"),        QStringLiteral("소속총판"),
            QStringLiteral("수주 총판명"),   QStringLiteral("발주가맹점명"),    QStringLiteral("배송원명"),
            QStringLiteral("배송원\n연락처"), QStringLiteral("세무처리\n여부"), QStringLiteral("배송료"),
            QStringLiteral("배송 수수료"),   QStringLiteral("수입"),            QStringLiteral("배달거리")};
}

bool ColumnShown(int column, const QString &type)
{
    const bool courier = type == QLatin1String(kCourierType);
    switch (column) {
    case kOrderStore:
    case kFee:
    case kNetCost:
        return courier;
    case kCourierName:
    case kCourierPhone:
        return !courier;
    default:
        return true;
    }
}

QVariantList RowValues(const QJsonObject &row, const QString &type)
{
    auto str = [&row](int i) { return JsonStr(row, QStringLiteral("C_%1").arg(i)); };
    bool maskOk = false;
    int mask = type.toInt(&maskOk);
    if (!maskOk)
        mask = 1;
    const qint64 gross = RoundAmount(str(10));
    const qint64 net = RoundAmount(str(12));
    bool distOk = false;
    const double metres = str(9).toDouble(&distOk);
    const double km = distOk && metres > 0 ? std::trunc(metres) / 1000.0 : 0.0;
    QVariantList v(kColumnCount);
    v[kOrderDate] = str(0);
    v[kOrderNo] = str(1).toLongLong();
    v[kBranchName] = str(2);
    v[kTakerBranchName] = str(13);
    v[kOrderStore] = str(4);
    v[kCourierName] = str(6);
    v[kCourierPhone] = FormatPhone(str(7), mask);
    v[kAccountYn] = str(8);
    v[kGrossCost] = gross;
    v[kFee] = gross - net;
    v[kNetCost] = net;
    v[kDistance] = km;
    return v;
}

QString ExportFileName(const QString &value, const Period &period, const QString &title)
{
    // The courier's or store's name goes into the file name: a "/" or ":" in it would make a path.
    return SafeFileName(value + QLatin1Char('_') + ymd(period.start) + QLatin1Char('_') + ymd(period.end)
                        + QLatin1Char('_') + title)
           + QStringLiteral(".xlsx");
}

LoadOutcome LoadChunks(const QString &code, const QString &type, const Period &period)
{
    LoadOutcome out;
    const QString requestCode = QString::fromLatin1(kRequestCode);
    for (const auto &chunk : WeekChunks(period)) {
        const QStringList pages = Statistics::RequestStatisticsPages(
            requestCode, QStringLiteral("ADM1"), ChunkPayload(code, type, chunk.first, chunk.second),
            QStringLiteral("3000"), 30000);
        ++out.chunksSent;
        if (pages.isEmpty()) {
            WriteLog(requestCode + QStringLiteral(" ERR[NO RESULT]"));
            out.noReply = true;
            return out;
        }
        for (const QString &page : pages) {
            const QJsonObject json = QJsonDocument::fromJson(page.toUtf8()).object();
            const QString outCode = json.value(QStringLiteral("OUT_CODE")).toString();
            if (outCode != QLatin1String("1")) {
                WriteLog(requestCode + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':')
                         + json.value(QStringLiteral("OUT_MSG")).toString());
                break;
            }
            for (const QJsonValue &row : json.value(QStringLiteral("OUT_ROW1")).toArray())
                out.rows.append(RowValues(row.toObject(), type));
        }
    }
    return out;
}
} // namespace PerformanceDetail
