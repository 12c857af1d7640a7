// Addresses of the demo world: the registered place names the server adds to the client's region
// tree ("CS00_12_V01"), and the address-search service (address and keyword searches around a
// point, with paging) that the reception windows post their forms to over HTTPS. Both are seeded
// around the stores of the stores table, so every demo store's neighbourhood can be searched.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/world.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QUrlQuery>

#include <cmath>

namespace
{
// Registered place names of the server start above the numbers of the files the program ships.
constexpr int kFirstServerAddrNo = 5001;
constexpr int kMaxPageSize = 100;

const QStringList kBuildings = {"한빛빌딩", "푸른솔아파트", "새봄오피스텔", "해오름타워", "늘푸른빌라", "청솔상가",
                                "우림맨션", "동산빌딩", "보람아파트", "한마음센터", "미래타워", "은하빌라"};
const QStringList kLandmarks = {"주민센터", "우체국", "초등학교", "공원", "시장", "도서관"};

QString shortSido(const QString &sido)
{
    static const QHash<QString, QString> names = {
        {"서울특별시", "서울"}, {"부산광역시", "부산"}, {"대구광역시", "대구"}, {"인천광역시", "인천"},
        {"광주광역시", "광주"}, {"대전광역시", "대전"}, {"울산광역시", "울산"}, {"세종특별자치시", "세종"},
        {"경기도", "경기"}, {"강원도", "강원"}, {"충청북도", "충북"}, {"충청남도", "충남"}, {"전라북도", "전북"},
        {"전라남도", "전남"}, {"경상북도", "경북"}, {"경상남도", "경남"}, {"제주특별자치도", "제주"}};
    return names.value(sido, sido.left(2));
}

QString hDongOf(const QString &dong)
{
    // "역삼동" -> "역삼1동"; a short name such as "우동" -> "우1동".
    return dong.left(dong.size() - 1) + QStringLiteral("1동");
}

// Great-circle distance in metres.
double distanceMetres(double lng1, double lat1, double lng2, double lat2)
{
    constexpr double kRad = 3.14159265358979323846 / 180.0;
    const double dLat = (lat2 - lat1) * kRad;
    const double dLng = (lng2 - lng1) * kRad;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2)
                     + std::cos(lat1 * kRad) * std::cos(lat2 * kRad) * std::sin(dLng / 2) * std::sin(dLng / 2);
    return 6371000.0 * 2 * std::atan2(std::sqrt(a), std::sqrt(1 - a));
}

void seedAddresses(SandboxDatabase &db, SandboxRandom &rng)
{
    const QList<QVariantList> stores = db.rows(QStringLiteral(
        "SELECT st_code, name, sido, sigungu, dong, addr, road_addr, lng_x, lat_y FROM stores ORDER BY st_code"));
    QList<QVariantList> points;
    QList<QVariantList> words;
    QSet<QString> dongsSeen;
    int addrNo = kFirstServerAddrNo;
    for (const QVariantList &s : stores) {
        const QString sido = s.at(2).toString(), sigungu = s.at(3).toString(), dong = s.at(4).toString();
        const double lng = s.at(7).toDouble(), lat = s.at(8).toDouble();
        const QString lot = s.at(5).toString();
        const QString road = s.at(6).toString();
        const QString lotNo = lot.section(QLatin1Char(' '), -1);
        const QString roadName = road.section(QLatin1Char(' '), -2, -2);
        const QString roadNo = road.section(QLatin1Char(' '), -1);
        // The store's own address and the store as a place.
        points.append({"address", sido, sigungu, dong, lot, road, hDongOf(dong), roadName, QString(),
                       lotNo.section(QLatin1Char('-'), 0, 0), lotNo.section(QLatin1Char('-'), 1, 1), roadNo, QString(), s.at(7), s.at(8)});
        points.append({"FD6", sido, sigungu, dong, lot, road, hDongOf(dong), roadName, s.at(1), lotNo.section(QLatin1Char('-'), 0, 0),
                       lotNo.section(QLatin1Char('-'), 1, 1), roadNo, QString(), s.at(7), s.at(8)});
        const QString key = sido + sigungu + dong;
        const bool newDong = !dongsSeen.contains(key);
        dongsSeen.insert(key);
        // Addresses and buildings around the store; a dong met for the first time also gets its
        // landmarks and two registered place names of the server.
        const int around = db.size() == SandboxWorldSize::Large ? 2 : 12;
        for (int i = 0; i < around; ++i) {
            const auto [x, y] = rng.near(lng, lat, 1500);
            const int main = rng.between(1, 980);
            const int sub = rng.chance(0.6) ? rng.between(1, 60) : 0;
            const QString no = sub ? QStringLiteral("%1-%2").arg(main).arg(sub) : QString::number(main);
            const QString rn = roadName.isEmpty() ? dong.left(dong.size() - 1) + QStringLiteral("로") : roadName;
            const int bno = rng.between(1, 480);
            const QString building = i % 3 == 0 ? rng.pick(kBuildings) : QString();
            const QString lotAddr = sido + QLatin1Char(' ') + sigungu + QLatin1Char(' ') + dong + QLatin1Char(' ') + no;
            const QString roadAddr = sido + QLatin1Char(' ') + sigungu + QLatin1Char(' ') + rn + QLatin1Char(' ') + QString::number(bno);
            points.append({building.isEmpty() ? "address" : "AD5", sido, sigungu, dong, lotAddr, roadAddr,
                           hDongOf(dong), rn, building, QString::number(main), sub ? QString::number(sub) : QString(),
                           QString::number(bno), QString(), x, y});
        }
        if (newDong) {
            for (int k = 0; k < 2; ++k) {
                const auto [x, y] = rng.near(lng, lat, 800);
                const QString name = dong.left(dong.size() - 1) + rng.pick(kLandmarks);
                const int main = rng.between(1, 980);
                const QString lotAddr = sido + QLatin1Char(' ') + sigungu + QLatin1Char(' ') + dong + QLatin1Char(' ') + QString::number(main);
                const QString roadAddr = sido + QLatin1Char(' ') + sigungu + QLatin1Char(' ') + (roadName.isEmpty() ? dong : roadName) + QLatin1Char(' ')
                                         + QString::number(rng.between(1, 480));
                points.append({"PO3", sido, sigungu, dong, lotAddr, roadAddr, hDongOf(dong), roadName, name,
                               QString::number(main), QString(), QString(), QString(), x, y});
                words.append({addrNo, addrNo % 97 + 1, name, shortSido(sido), sigungu, dong, lotAddr, roadAddr,
                              hDongOf(dong), roadName, name, QString::number(main), QString(), y, x, name,
                              QStringLiteral("서버 등록")});
                ++addrNo;
            }
        }
    }
    db.insertRows(QStringLiteral("address_points"),
                  {"sch_type", "sido", "sigungu", "dong", "jibun_addr", "road_addr", "h_dong", "road_name",
                   "building_name", "main_no", "sub_no", "main_bno", "sub_bno", "lng_x", "lat_y"},
                  points);
    db.insertRows(QStringLiteral("word_addresses"),
                  {"addr_no", "keyword_no", "keyword_text", "sido", "sigungu", "addr_3", "addr_4", "addr_6", "addr_8",
                   "addr_9", "addr_10", "addr_11", "addr_12", "lat_y", "lng_x", "word_addr", "addr_13"},
                  words);
}

SandboxReply wordAddresses(SandboxDatabase &db, const SandboxRequest &req)
{
    bool ok = false;
    const qint64 mark = req.fields().value(0).trimmed().toLongLong(&ok);
    const QList<QVariantList> rows = db.rows(
        QStringLiteral("SELECT addr_no, keyword_no, keyword_text, sido, sigungu, addr_3, addr_4, addr_6, addr_8,"
                       " addr_9, addr_10, addr_11, addr_12, lat_y, lng_x, word_addr, addr_13 FROM word_addresses"
                       " WHERE addr_no > ? ORDER BY sido, sigungu, addr_no"),
        {ok ? mark : qint64(0)});
    QList<QStringList> out;
    for (const QVariantList &r : rows) {
        QStringList fields;
        for (const QVariant &v : r)
            fields << v.toString();
        out << fields;
    }
    return SandboxReply::rowsOf(out);
}

QByteArray wrapped(const QJsonObject &o)
{
    // The service wraps its object in one character on each side.
    return "(" + QJsonDocument(o).toJson(QJsonDocument::Compact) + ")";
}

WebReply addressSearch(SandboxDatabase &db, const WebRequest &request)
{
    if (request.method != "POST")
        return WebReply::error(405);
    QByteArray body = request.body;
    body.replace('+', "%20");
    const QUrlQuery form(QString::fromLatin1(body));
    auto field = [&](const char *name) {
        return form.queryItemValue(QString::fromLatin1(name), QUrl::FullyDecoded).trimmed();
    };
    const QString type = field("addrType");
    const QString text = field("addr");
    auto failure = [](const QString &msg, const QString &value) {
        return WebReply::text(wrapped({{"RETURN_CODE", "0"}, {"RETURN_MESSAGE", msg}, {"RETURN_VALUE", value},
                                       {"OUT_ROW1", QJsonArray()}}),
                              "application/json; charset=utf-8");
    };
    if (type != QLatin1String("A") && type != QLatin1String("K"))
        return failure(QStringLiteral("검색 구분이 올바르지 않습니다."), QStringLiteral("addrType"));
    if (text.isEmpty() || text.size() > 100)
        return failure(QStringLiteral("검색어를 확인하세요."), QStringLiteral("addr"));
    bool okPage = false, okSize = false;
    const int page = qMax(1, field("page").toInt(&okPage));
    int pageSize = field("pagesize").toInt(&okSize);
    if (!okSize || pageSize <= 0 || pageSize > kMaxPageSize)
        pageSize = 15;
    bool okX = false, okY = false, okR = false;
    const double rx = field("rx").toDouble(&okX), ry = field("ry").toDouble(&okY);
    const double radius = field("radius").toDouble(&okR);
    const bool byDistance = okX && okY && okR && radius > 0 && rx != 0 && ry != 0;

    QString where = type == QLatin1String("A") ? QStringLiteral("sch_type = 'address'")
                                               : QStringLiteral("sch_type <> 'address'");
    QVariantList binds;
    const QString haystack = type == QLatin1String("A")
                                 ? QStringLiteral("(jibun_addr || ' ' || road_addr)")
                                 : QStringLiteral("(building_name || ' ' || dong || ' ' || sigungu)");
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(0, 8)) {
        where += QStringLiteral(" AND ") + haystack + QStringLiteral(" LIKE ? ESCAPE '\\'");
        QString w = word;
        w.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('%'), QStringLiteral("\\%"))
            .replace(QLatin1Char('_'), QStringLiteral("\\_"));
        binds << QLatin1Char('%') + w + QLatin1Char('%');
    }
    const QList<QVariantList> rows = db.rows(
        QStringLiteral("SELECT sch_type, sido, sigungu, dong, jibun_addr, road_addr, h_dong, road_name, building_name,"
                       " main_no, sub_no, main_bno, sub_bno, lng_x, lat_y FROM address_points WHERE %1 ORDER BY rowid")
            .arg(where),
        binds);
    QList<const QVariantList *> hits;
    for (const QVariantList &r : rows) {
        if (byDistance && distanceMetres(rx, ry, r.at(13).toDouble(), r.at(14).toDouble()) > radius)
            continue;
        hits << &r;
    }
    static const char *const keys[] = {"SCH_TYPE", "SIDO", "SIGUNGU", "DONG", "JIBUN_ADDR", "ROAD_ADDR", "H_DONG",
                                       "ROAD_NAME", "BUILDING_NAME", "MAIN_ADDERSS_NO", "SUB_ADDERSS_NO",
                                       "MAIN_BUILDING_NO", "SUB_BUILDING_NO", "LOCATION_X", "LOCATION_Y"};
    QJsonArray out;
    const qsizetype first = qsizetype(page - 1) * pageSize;
    for (qsizetype i = first; i < hits.size() && i < first + pageSize; ++i) {
        QJsonObject o;
        for (int c = 0; c < 15; ++c)
            o.insert(QString::fromLatin1(keys[c]), hits.at(i)->at(c).toString());
        out.append(o);
    }
    return WebReply::text(wrapped({{"RETURN_CODE", "1"}, {"RETURN_MESSAGE", ""},
                                   {"RETURN_VALUE", QString::number(hits.size())}, {"OUT_ROW1", out}}),
                          "application/json; charset=utf-8");
}
} // namespace

SANDBOX_HANDLER_AREA(address)
{
    auto db = registry.database();
    if (!db)
        return;
    db->addArea(SandboxWorld::kAddressRank, QStringLiteral("address"),
                {QStringLiteral("CREATE TABLE IF NOT EXISTS address_points (sch_type TEXT NOT NULL, sido TEXT,"
                                " sigungu TEXT, dong TEXT, jibun_addr TEXT, road_addr TEXT, h_dong TEXT, road_name TEXT,"
                                " building_name TEXT, main_no TEXT, sub_no TEXT, main_bno TEXT, sub_bno TEXT,"
                                " lng_x TEXT, lat_y TEXT)"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS word_addresses (addr_no INTEGER PRIMARY KEY,"
                                " keyword_no INTEGER, keyword_text TEXT NOT NULL, sido TEXT NOT NULL, sigungu TEXT,"
                                " addr_3 TEXT, addr_4 TEXT, addr_6 TEXT, addr_8 TEXT, addr_9 TEXT, addr_10 TEXT,"
                                " addr_11 TEXT, addr_12 TEXT, lat_y TEXT, lng_x TEXT, word_addr TEXT, addr_13 TEXT)")},
                seedAddresses);
    registry.add(QStringLiteral("CS00_12_V01"), [db](const SandboxRequest &r) { return wordAddresses(*db, r); });
    registry.addRoute(QStringLiteral("/address/search"), [db](const WebRequest &r) {
        try {
            return addressSearch(*db, r);
        } catch (const std::exception &e) {
            qWarning("address search failed: %s", e.what());
            return WebReply::error(500);
        }
    });
}
