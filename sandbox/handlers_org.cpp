// The organisation of the demo world and its requests: head offices, their branches (distributors) and stores in two
// regions, Seoul's Gangnam/Seocho and Busan's Haeundae/Suyeong. Other areas read these tables to
// seed what hangs off a store (goods, couriers, orders).
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_request.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/world.h"

#include <QJsonObject>

namespace
{
struct BranchSeed
{
    QString code;
    QString hd;
    QString name;
    QString tel;
    QString sido;
    QString sigungu;
    double lng, lat;
    QStringList dongs;
};

const QList<BranchSeed> &demoBranches()
{
    static const QList<BranchSeed> branches = {
        {"B000101", "H0001", "강남총판", "0234561001", "서울특별시", "강남구", 127.0473, 37.5172,
         {"역삼동", "논현동", "삼성동", "대치동", "개포동", "신사동", "압구정동", "청담동"}},
        {"B000102", "H0001", "서초총판", "0234561002", "서울특별시", "서초구", 127.0327, 37.4837,
         {"서초동", "반포동", "방배동", "양재동", "잠원동"}},
        {"B000201", "H0002", "해운대총판", "0517421001", "부산광역시", "해운대구", 129.1604, 35.1631,
         {"우동", "중동", "좌동", "재송동", "반여동"}},
        {"B000202", "H0002", "수영총판", "0517421002", "부산광역시", "수영구", 129.1133, 35.1455,
         {"광안동", "남천동", "민락동", "망미동"}},
    };
    return branches;
}

const QStringList kBrands = {"행복치킨", "바삭통닭", "든든국밥", "달빛족발", "초록샐러드", "꽃길분식",
                             "바다횟집", "황금짜장", "산들커피", "화덕피자", "소담한식", "불꽃곱창"};

const QStringList kRoads = {"테헤란로", "봉은사로", "도산대로", "언주로", "강남대로", "반포대로",
                            "해운대로", "센텀중앙로", "광안해변로", "수영로", "좌동순환로", "구남로"};

// Stores per branch: the demo world has about forty; the large one two thousand.
int storesPerBranch(SandboxWorldSize size, int branchIndex)
{
    if (size == SandboxWorldSize::Large)
        return 40;
    return branchIndex == 0 ? 12 : 9 + (branchIndex % 2);
}

void seedOrganisation(SandboxDatabase &db, SandboxRandom &rng)
{
    db.insertRows(QStringLiteral("head_offices"), {"hd_code", "name", "tel", "biz_no"},
                  {{"H0001", "제휴본사", "0215880001", "1208800001"},
                   {"H0002", "남부제휴본사", "0515880002", "6058800002"}});

    QList<BranchSeed> branches = demoBranches();
    if (db.size() == SandboxWorldSize::Large) {
        // Twenty-five branches per region around the same centres.
        const QList<BranchSeed> base = branches;
        for (int i = 3; i <= 50; ++i) {
            BranchSeed b = base.at(i % base.size());
            b.code = QStringLiteral("B%1").arg(i * 100 + 1, 6, 10, QLatin1Char('0'));
            b.name = b.sigungu + QStringLiteral("%1총판").arg(i);
            b.lng += rng.real(-0.05, 0.05);
            b.lat += rng.real(-0.04, 0.04);
            branches.append(b);
        }
    }

    QList<QVariantList> branchRows;
    QList<QVariantList> storeRows;
    int nextStore = 101;  // the first store of the first branch is the demo accounts' S000101
    for (int bi = 0; bi < branches.size(); ++bi) {
        const BranchSeed &b = branches.at(bi);
        // Each branch runs one delivery group of its own: D001 for the first branch, and so on.
        const QString dvry = QStringLiteral("D%1").arg(bi + 1, 3, 10, QLatin1Char('0'));
        branchRows.append({b.code, b.hd, b.name, b.tel, b.sido, b.sigungu,
                           QString::number(b.lng, 'f', 7), QString::number(b.lat, 'f', 7), dvry,
                           QString::number(500000 + bi * 12000)});
        const int count = storesPerBranch(db.size(), bi);
        const QString &brCode = b.code;
        for (int si = 1; si <= count; ++si) {
            const QString stCode = QStringLiteral("S%1").arg(nextStore++, 6, 10, QLatin1Char('0'));
            const QString dong = rng.pick(b.dongs);
            QString name = rng.pick(kBrands) + QLatin1Char(' ') + dong.left(dong.size() - 1) + QStringLiteral("점");
            if (stCode == QLatin1String("S000101"))
                name = QStringLiteral("행복치킨 본점");
            const auto [lng, lat] = rng.near(b.lng, b.lat, 2500);
            const QString lot = b.sido + QLatin1Char(' ') + b.sigungu + QLatin1Char(' ') + dong + QLatin1Char(' ') + QString::number(rng.between(1, 999)) + QLatin1Char('-')
                                + QString::number(rng.between(1, 60));
            const QString road = b.sido + QLatin1Char(' ') + b.sigungu + QLatin1Char(' ') + rng.pick(kRoads) + QLatin1Char(' ') + QString::number(rng.between(1, 480));
            const QString areaCode = b.tel.left(b.tel.startsWith(QLatin1String("02")) ? 2 : 3);
            // Derived from the store's place in the list (no further random draws, so the rest of
            // the world stays as it was): the first store of a branch is its master store, every
            // seventh one takes quick (errand) orders, and the demo world has one paused store (9)
            // and one closed store (0) at the end of the last branch.
            const int serial = nextStore - 101;
            const QString shopType = serial % 7 == 6 ? QStringLiteral("4") : QStringLiteral("1");
            QString state = QStringLiteral("1");
            if (db.size() == SandboxWorldSize::Demo && bi == branches.size() - 1 && si == count - 1)
                state = QStringLiteral("9");
            if (db.size() == SandboxWorldSize::Demo && bi == branches.size() - 1 && si == count)
                state = QStringLiteral("0");
            storeRows.append({stCode, brCode, b.hd, name, rng.landline(areaCode), rng.personName(), rng.digits(10), lng,
                              lat, lot, road, QString::number(rng.between(1, 5)) + QStringLiteral("층"), b.sido,
                              b.sigungu, dong, state, dvry, shopType,
                              si == 1 ? QStringLiteral("Y") : QStringLiteral("N"),
                              QString::number(10 + serial % 4 * 5), QString::number(30000 + serial * 700 % 90000)});
        }
    }
    db.insertRows(QStringLiteral("branches"),
                  {"br_code", "hd_code", "name", "tel", "sido", "sigungu", "lng_x", "lat_y", "dvry_type_cd", "cash"},
                  branchRows);
    db.insertRows(QStringLiteral("stores"),
                  {"st_code", "br_code", "hd_code", "name", "tel", "owner_name", "biz_no", "lng_x", "lat_y", "addr",
                   "road_addr", "addr_detail", "sido", "sigungu", "dong", "state", "dvry_type_cd", "shop_type",
                   "br_master_yn", "ready_time", "cash"},
                  storeRows);
}
} // namespace

namespace SandboxWorld
{
void addOrganisation(SandboxDatabase &db)
{
    db.addArea(kOrgRank, QStringLiteral("organisation"),
               {QStringLiteral("CREATE TABLE IF NOT EXISTS head_offices (hd_code TEXT PRIMARY KEY, name TEXT NOT NULL,"
                               " tel TEXT, biz_no TEXT)"),
                QStringLiteral("CREATE TABLE IF NOT EXISTS branches (br_code TEXT PRIMARY KEY, hd_code TEXT NOT NULL,"
                               " name TEXT NOT NULL, tel TEXT, sido TEXT, sigungu TEXT, lng_x TEXT, lat_y TEXT,"
                               " dvry_type_cd TEXT NOT NULL DEFAULT '', cash TEXT NOT NULL DEFAULT '0',"
                               " data_status TEXT NOT NULL DEFAULT '1')"),
                QStringLiteral("CREATE TABLE IF NOT EXISTS stores (st_code TEXT PRIMARY KEY, br_code TEXT NOT NULL,"
                               " hd_code TEXT NOT NULL, name TEXT NOT NULL, tel TEXT, owner_name TEXT, biz_no TEXT,"
                               " lng_x TEXT, lat_y TEXT, addr TEXT, road_addr TEXT, addr_detail TEXT, sido TEXT,"
                               " sigungu TEXT, dong TEXT, state TEXT NOT NULL DEFAULT '1', dvry_type_cd TEXT NOT NULL DEFAULT '',"
                               " shop_type TEXT NOT NULL DEFAULT '1', br_master_yn TEXT NOT NULL DEFAULT 'N',"
                               " ready_time TEXT NOT NULL DEFAULT '15', cash TEXT NOT NULL DEFAULT '0')"),
                QStringLiteral("CREATE INDEX IF NOT EXISTS stores_by_branch ON stores (br_code)")},
               seedOrganisation);
}
} // namespace SandboxWorld


namespace
{
QJsonObject objectRow(const QVariantList &values)
{
    QJsonObject row;
    for (int i = 0; i < values.size(); ++i)
        row.insert(QStringLiteral("C_%1").arg(i), values.at(i).isNull() ? QJsonValue(QJsonValue::Null)
                                                                        : QJsonValue(values.at(i).toString()));
    return row;
}

// "021234567" -> "02-123-4567", "0517421001" -> "051-742-1001": the hyphens a person types.
QString withHyphens(const QString &tel)
{
    const int area = tel.startsWith(QLatin1String("02")) ? 2 : 3;
    if (tel.size() < area + 7)
        return tel;
    const int middle = tel.size() - area - 4;
    return tel.left(area) + QLatin1Char('-') + tel.mid(area, middle) + QLatin1Char('-') + tel.right(4);
}
} // namespace

namespace SandboxWorld
{
OrgScope OrgScope::of(const QString &userType, const QString &hd, const QString &br, const QString &st)
{
    OrgScope scope;
    const QString cls = userType.left(1);
    if (cls == QLatin1String("1") || cls == QLatin1String("3")) {
        scope.where = QStringLiteral("s.st_code = ?");
        scope.binds = {st};
    } else if (cls == QLatin1String("5")) {
        scope.where = QStringLiteral("s.br_code = ?");
        scope.binds = {br};
    } else if (cls == QLatin1String("7")) {
        scope.where = QStringLiteral("s.hd_code = ?");
        scope.binds = {hd};
    } else {
        scope.where = QStringLiteral("1 = 1");
    }
    return scope;
}

QString telWithHyphens(const QString &tel)
{
    return withHyphens(tel);
}
} // namespace SandboxWorld

namespace
{
using SandboxWorld::OrgScope;

// Head offices the user may see: its own one (everybody but the system sees only that).
SandboxReply headOffices(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // USER_TYPE_CD, HD, BR, ST, ""
    const bool all = FieldAt(f, 0).startsWith(QLatin1Char('9'));
    SandboxReply reply;
    const auto rows = db.rows(QStringLiteral("SELECT hd_code, name, tel, '1250000', '1', '004', '2840' || biz_no,"
                                             " '국민은행', 'N' FROM head_offices")
                                  + (all ? QString() : QStringLiteral(" WHERE hd_code = ?"))
                                  + QStringLiteral(" ORDER BY hd_code"),
                              all ? QVariantList{} : QVariantList{FieldAt(f, 1)});
    for (const QVariantList &r : rows)
        reply.rows.append(objectRow(r));
    return reply;
}

SandboxReply branches(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // USER_TYPE_CD, HD, BR, ST, ""
    const QString cls = FieldAt(f, 0).left(1);
    QString where = QStringLiteral(" WHERE hd_code = ?");
    QVariantList binds{FieldAt(f, 1)};
    if (cls == QLatin1String("5") || cls == QLatin1String("1") || cls == QLatin1String("3")) {
        where = QStringLiteral(" WHERE br_code = ?");
        binds = {FieldAt(f, 2)};
    } else if (cls == QLatin1String("9")) {
        where.clear();
        binds.clear();
    }
    SandboxReply reply;
    const auto rows = db.rows(QStringLiteral("SELECT br_code, name, tel, cash, data_status, dvry_type_cd, '088',"
                                             " '5620' || substr(br_code, 2), '신한은행', hd_code FROM branches")
                                  + where + QStringLiteral(" ORDER BY hd_code, br_code"),
                              binds);
    for (const QVariantList &r : rows)
        reply.rows.append(objectRow(r));
    return reply;
}

// The store list of the user's scope, or one store ("3000", HD, BR, code).
SandboxReply stores(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    OrgScope scope = FieldAt(f, 0) == QLatin1String("3000")
                         ? OrgScope{QStringLiteral("s.st_code = ?"), {FieldAt(f, 3)}}
                         : OrgScope::of(FieldAt(f, 0), FieldAt(f, 1), FieldAt(f, 2), FieldAt(f, 3));
    const auto rows = db.rows(
        QStringLiteral("SELECT s.st_code, s.name, s.tel, s.cash, s.state, s.lat_y, s.lng_x, s.ready_time,"
                       " s.dvry_type_cd, s.br_master_yn, s.biz_no, s.hd_code, s.br_code, s.sido, s.sigungu, s.dong,"
                       " s.shop_type, b.tel FROM stores s JOIN branches b ON b.br_code = s.br_code WHERE ")
            + scope.where + QStringLiteral(" ORDER BY s.st_code"),
        scope.binds);
    QList<QStringList> out;
    out.reserve(rows.size());
    for (const QVariantList &r : rows) {
        const auto t = [&r](int i) { return r.at(i).toString(); };
        const int serial = t(0).mid(1).toInt();
        out.append({t(0), t(1), t(2), t(3), QStringLiteral("1"), QString(), t(4), t(5), t(6), t(7), t(8),
                    QStringLiteral("12000"), QStringLiteral("3000"), QStringLiteral("20000"), QStringLiteral("2000"),
                    t(1), t(9), QStringLiteral("004"), QStringLiteral("2840") + t(10), QStringLiteral("0001"),
                    QStringLiteral("30"), QStringLiteral("국민은행"), QStringLiteral("Y"),
                    serial % 3 == 0 ? QStringLiteral("32") : QString::number(serial % 28 + 1),
                    QStringLiteral("20260101"), QStringLiteral("1"), QStringLiteral("10002300"),
                    QStringLiteral("1111111"), t(11), t(12), QStringLiteral("N"), t(13), t(14), t(15), t(16),
                    withHyphens(t(17)), QStringLiteral("1")});
    }
    return SandboxReply::rowsOf(out);
}

// Store telephone numbers of the scope, written with hyphens as stores register them.
SandboxReply storeTels(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // USER_TYPE_CD, HD, BR, ST
    const OrgScope scope = OrgScope::of(FieldAt(f, 0), FieldAt(f, 1), FieldAt(f, 2), FieldAt(f, 3));
    QList<QStringList> out;
    for (const QVariantList &r : db.rows(QStringLiteral("SELECT s.st_code, s.tel FROM stores s WHERE ") + scope.where
                                             + QStringLiteral(" AND s.state <> '0' ORDER BY s.st_code"),
                                         scope.binds))
        out.append({r.at(0).toString(), withHyphens(r.at(1).toString())});
    return SandboxReply::rowsOf(out);
}
} // namespace

SANDBOX_HANDLER_AREA(org)
{
    auto db = registry.database();
    if (!db)
        return;
    SandboxWorld::addOrganisation(*db);
    const auto with = [db](SandboxReply (*fn)(SandboxDatabase &, const SandboxRequest &)) {
        return [db, fn](const SandboxRequest &r) { return fn(*db, r); };
    };
    registry.add(QStringLiteral("CS00_02_V01"), with(headOffices));
    registry.add(QStringLiteral("CS00_03_V01"), with(branches));
    registry.add(QStringLiteral("CS00_04_V02"), with(stores));
    registry.add(QStringLiteral("CS00_14_V01"), with(storeTels));
}
