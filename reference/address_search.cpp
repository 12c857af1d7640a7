#include "reference/address_search.h"

#include "common/daily_log.h"
#include "common/reply_row.h"
#include "reference/page_addresses.h"
#include "text/text_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
const QString kPageSize = QStringLiteral("15");
}

QString TAddrSearchRow::lotNumber() const
{
    const QString sub = SUB_ADDERSS_NO.trimmed();
    if (sub.isEmpty() || sub == QLatin1String("0"))
        return MAIN_ADDERSS_NO;
    return MAIN_ADDERSS_NO + QLatin1Char('-') + sub;
}

QString PostGisXY(const FormFields &fields)
{
    return PostAddressForm(G_URL_ADDR_SEARCH2, fields);
}

int SearchRadiusMetres(const QString &radiusKm)
{
    bool ok = false;
    const double km = radiusKm.trimmed().toDouble(&ok);
    // A distance beyond the globe is not a distance the window offers; it counts as "not a number".
    return int((ok && km >= 0 && km <= 20000 ? km : 5.0) * 1000);
}

FormFields AddressSearchFields(const QString &addrType, const QString &text, const QString &storeLng,
                               const QString &storeLat, const QString &radiusKm, int page)
{
    return {{QStringLiteral("addrType"), addrType},
            {QStringLiteral("addr"), text},
            {QStringLiteral("rx"), storeLng},
            {QStringLiteral("ry"), storeLat},
            {QStringLiteral("radius"), QString::number(SearchRadiusMetres(radiusKm))},
            {QStringLiteral("page"), QString::number(page)},
            {QStringLiteral("pagesize"), kPageSize}};
}

FormFields KeywordResolveFields(const QString &text, int page)
{
    return {{QStringLiteral("addrType"), QStringLiteral("A")},
            {QStringLiteral("addr"), text},
            {QStringLiteral("page"), QString::number(page)},
            {QStringLiteral("pagesize"), kPageSize}};
}

QList<TAddrSearchRow> ParseAddressReply(const QString &text)
{
    if (text.isEmpty())
        return {};
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    if (!doc.isObject())
        return {};
    const QJsonObject o = doc.object();
    if (JsonStr(o, QStringLiteral("RETURN_CODE")) != QLatin1String("1")) {
        WriteLog(QStringLiteral("proc_Load_Addr_Daum : RETURN_MESSAGE : ") + JsonStr(o, QStringLiteral("RETURN_MESSAGE"))
                 + QLatin1Char(':') + JsonStr(o, QStringLiteral("RETURN_VALUE")));
        return {};
    }
    QList<TAddrSearchRow> rows;
    for (const QJsonValue &v : o.value(QStringLiteral("OUT_ROW1")).toArray()) {
        if (!v.isObject())
            continue;
        const QJsonObject r = v.toObject();
        auto s = [&](const char *key) { return JsonStr(r, QString::fromLatin1(key)); };
        TAddrSearchRow row;
        row.SCH_TYPE = s("SCH_TYPE").left(10);
        row.SIDO = s("SIDO");
        row.SIGUNGU = s("SIGUNGU");
        row.DONG = s("DONG");
        row.JIBUN_ADDR = s("JIBUN_ADDR");
        row.ROAD_ADDR = s("ROAD_ADDR");
        row.H_DONG = s("H_DONG");
        row.ROAD_NAME = s("ROAD_NAME");
        row.BUILDING_NAME = s("BUILDING_NAME");
        row.MAIN_ADDERSS_NO = s("MAIN_ADDERSS_NO");
        row.SUB_ADDERSS_NO = s("SUB_ADDERSS_NO");
        row.MAIN_BUILDING_NO = s("MAIN_BUILDING_NO");
        row.SUB_BUILDING_NO = s("SUB_BUILDING_NO");
        row.LOCATION_X = s("LOCATION_X").left(20);
        row.LOCATION_Y = s("LOCATION_Y").left(20);
        rows.append(row);
    }
    return rows;
}

QList<TAddrSearchRow> SearchAddresses(const QString &text, const QString &storeLng, const QString &storeLat,
                                      const QString &radiusKm, int page)
{
    const int radius = SearchRadiusMetres(radiusKm);
    QList<TAddrSearchRow> out;
    for (const QString &type : {QStringLiteral("A"), QStringLiteral("K")}) {
        const QString reply = PostGisXY(AddressSearchFields(type, text, storeLng, storeLat, radiusKm, page));
        for (const TAddrSearchRow &row : ParseAddressReply(reply)) {
            if (row.isAddress() && GetDistance(storeLng, storeLat, row.LOCATION_X, row.LOCATION_Y) > radius)
                continue;
            out.append(row);
        }
    }
    return out;
}
