#include "reception/address_search_passes.h"

#include "common/daily_log.h"
#include "common/reply_row.h"
#include "records/address_texts.h"
#include "reference/address_search.h"
#include "text/text_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace
{
const QString kSearchNoAnswerLog = QStringLiteral("proc_Load_Addr_Daum 검색에러");
constexpr int kMaxSearchWords = 4;
constexpr double kSearchDegToRad = 0.01745329252;  // as GetDistance
constexpr double kSearchEarthRadiusM = 6370693.5;

double searchDegrees(QStringView text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

// GetDistance with the store's position read and its sine and cosine taken once: whole metres on
// the same sphere, 0 when any coordinate is 0 or not a number.
class StoreDistance
{
public:
    StoreDistance(const QString &lng, const QString &lat)
        : m_x(searchDegrees(lng) * kSearchDegToRad), m_y(searchDegrees(lat) * kSearchDegToRad),
          m_sin(std::sin(m_y)), m_cos(std::cos(m_y))
    {
    }
    double metresTo(QStringView lng, QStringView lat) const
    {
        const double x = searchDegrees(lng) * kSearchDegToRad, y = searchDegrees(lat) * kSearchDegToRad;
        if (m_x == 0.0 || m_y == 0.0 || x == 0.0 || y == 0.0)
            return 0.0;
        const double c = qBound(-1.0, m_sin * std::sin(y) + m_cos * std::cos(y) * std::cos(m_x - x), 1.0);
        return std::nearbyint(std::acos(c) * kSearchEarthRadiusM);
    }

private:
    double m_x, m_y, m_sin, m_cos;
};

QString joinedNumber(const QString &main, const QString &sub)
{
    return sub.isEmpty() ? main : main + QLatin1Char('-') + sub;
}
} // namespace

AddressServicePost DefaultAddressServicePost()
{
    return [](const FormFields &fields) { return PostGisXY(fields); };
}

QString AddressSearchMessage(AddressSearchStatus status)
{
    switch (status) {
    case AddressSearchStatus::EmptyText:
        return QStringLiteral("검색어가 있어야 조회할 수 있습니다.");
    case AddressSearchStatus::SameSearch:
        return QStringLiteral("검색어를 변경하세요");
    case AddressSearchStatus::TooManyWords:
        return QStringLiteral("검색어가 잘못되었습니다.\r\n다시 입력하세요");
    case AddressSearchStatus::Searched:
        break;
    }
    return {};
}

QString AddressDistanceText(double metres)
{
    const double tenths = std::nearbyint(metres / 100.0);  // the default rounding: halves to even
    return QString::number(tenths / 10.0, 'g', 15) + QStringLiteral("km");
}

QString AddressDistanceText(const AddressSearchStore &store, const TMSG_ADDR &a)
{
    return AddressDistanceText(GetDistance(store.lng, store.lat, a.ADDR_LAT_X, a.ADDR_LAT_Y));
}

QString SavedNameDisplay(const TMSG_ADDR &a)
{
    const QString name = a.WORD_ADDR == a.ADDR_10 ? a.ADDR_10.trimmed()
                                                  : (a.WORD_ADDR + QLatin1Char(' ') + a.ADDR_10).trimmed();
    return name + QStringLiteral("\r\n") + AddrRoadText(a.ADDR_4, a.ADDR_6);
}

TMSG_ADDR AddressRecordOfHit(const QJsonObject &hit)
{
    auto s = [&](const char *key) { return JsonStr(hit, QString::fromLatin1(key)); };
    TMSG_ADDR a;
    a.ADDR_NO = s("SCH_TYPE").left(10);
    a.ADDR_1 = s("SIDO");
    a.ADDR_2 = s("SIGUNGU");
    a.ADDR_3 = s("DONG");
    a.ADDR_4 = s("JIBUN_ADDR");
    a.ADDR_6 = s("ROAD_ADDR");
    a.ADDR_8 = s("H_DONG");
    a.ADDR_9 = s("ROAD_NAME");
    a.ADDR_10 = s("BUILDING_NAME");
    a.ADDR_11 = joinedNumber(s("MAIN_ADDERSS_NO"), s("SUB_ADDERSS_NO"));
    a.ADDR_12 = joinedNumber(s("MAIN_BUILDING_NO"), s("SUB_BUILDING_NO"));
    a.ADDR_LAT_X = s("LOCATION_X").left(20);
    a.ADDR_LAT_Y = s("LOCATION_Y").left(20);
    return a;
}

QList<int> SavedNameHitIndexes(const QString &text, int radius, const AddressSearchStore &store)
{
    QList<int> hits;
    // The store's side of the distance once per search, not once per name.
    const StoreDistance from(store.lng, store.lat);
    for (int i = 0; i < store.names.size(); ++i) {
        const TMSG_ADDR &a = store.names.at(i);
        if (!a.ADDR_4.contains(text) && !a.ADDR_6.contains(text) && !a.ADDR_10.contains(text)
            && !a.WORD_ADDR.contains(text))
            continue;
        if (from.metresTo(a.ADDR_LAT_X, a.ADDR_LAT_Y) > radius)
            continue;
        hits.append(i);
    }
    return hits;
}

QList<AddressSearchRow> SavedNameHits(const QString &text, int radius, const AddressSearchStore &store)
{
    QList<AddressSearchRow> rows;
    for (const int i : SavedNameHitIndexes(text, radius, store))
        rows.append({SavedNameDisplay(store.names.at(i)), store.names.at(i)});
    return rows;
}

AddressSearch::PassEnd AddressSearch::servicePass(const FormFields &fields, bool radiusTest, int radius,
                                                  const AddressSearchStore &store, QList<AddressSearchRow> &rows) const
{
    const QString reply = m_post ? m_post(fields) : QString();
    if (reply.isEmpty()) {
        WriteLog(kSearchNoAnswerLog);
        return PassEnd::NoAnswer;
    }
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(reply.toUtf8(), &err);
    if (!doc.isObject()) {
        WriteLog(QStringLiteral("Exception Err ") + (err.error != QJsonParseError::NoError ? err.errorString()
                                                                                          : QStringLiteral("not an object")));
        return PassEnd::Unreadable;
    }
    const QJsonObject o = doc.object();
    if (JsonStr(o, QStringLiteral("RETURN_CODE")) != QLatin1String("1")) {
        WriteLog(QStringLiteral("proc_Load_Addr_Daum : RETURN_MESSAGE : ") + JsonStr(o, QStringLiteral("RETURN_MESSAGE"))
                 + QLatin1Char(':') + JsonStr(o, QStringLiteral("RETURN_VALUE")));
        return PassEnd::Refused;
    }
    for (const QJsonValue &v : o.value(QStringLiteral("OUT_ROW1")).toArray()) {
        if (!v.isObject())
            continue;
        const TMSG_ADDR a = AddressRecordOfHit(v.toObject());
        if (radiusTest && a.ADDR_NO == QLatin1String("address")
            && GetDistance(store.lng, store.lat, a.ADDR_LAT_X, a.ADDR_LAT_Y) > radius)
            continue;
        rows.append({a.ADDR_10 + QStringLiteral("\r\n") + AddrRoadText(a.ADDR_4, a.ADDR_6), a});
    }
    return PassEnd::Ok;
}

AddressSearchOutcome AddressSearch::run(const QString &text, const QString &radiusKm, const AddressSearchStore &store,
                                        int page)
{
    AddressSearchOutcome out;
    const QString s = text.trimmed();
    if (s.isEmpty()) {
        out.status = AddressSearchStatus::EmptyText;
        return out;
    }
    const QString key = s + QLatin1Char('|') + radiusKm;
    if (key == m_lastKey) {
        out.status = AddressSearchStatus::SameSearch;
        return out;
    }
    if (s.split(QLatin1Char(' '), Qt::SkipEmptyParts).size() > kMaxSearchWords) {
        out.status = AddressSearchStatus::TooManyWords;
        return out;
    }
    const int radius = SearchRadiusMetres(radiusKm);
    out.rows = SavedNameHits(s, radius, store);
    const PassEnd addr = servicePass(AddressSearchFields(QStringLiteral("A"), s, store.lng, store.lat, radiusKm, page),
                                     true, radius, store, out.rows);
    PassEnd keyword = PassEnd::NoAnswer;
    // Without an answer to the address pass the service is not asked again for keywords.
    if (addr != PassEnd::NoAnswer && addr != PassEnd::Unreadable)
        keyword = servicePass(AddressSearchFields(QStringLiteral("K"), s, store.lng, store.lat, radiusKm, page), false,
                              radius, store, out.rows);
    out.keywordRefused = keyword != PassEnd::Ok;
    out.serviceFailed = addr != PassEnd::Ok || keyword != PassEnd::Ok;
    if (!out.serviceFailed)
        m_lastKey = key;
    return out;
}
