// The organisation of the demo world and its requests: head offices, their branches (distributors) and stores in two
// regions, Seoul's Gangnam/Seocho and Busan's Haeundae/Suyeong. Other areas read these tables to
// seed what hangs off a store (goods, couriers, orders).
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/world.h"

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
        branchRows.append({b.code, b.hd, b.name, b.tel, b.sido, b.sigungu,
                           QString::number(b.lng, 'f', 7), QString::number(b.lat, 'f', 7)});
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
            storeRows.append({stCode, brCode, b.hd, name, rng.landline(areaCode), rng.personName(), rng.digits(10), lng,
                              lat, lot, road, QString::number(rng.between(1, 5)) + QStringLiteral("층"), b.sido,
                              b.sigungu, dong, QStringLiteral("1")});
        }
    }
    db.insertRows(QStringLiteral("branches"),
                  {"br_code", "hd_code", "name", "tel", "sido", "sigungu", "lng_x", "lat_y"}, branchRows);
    db.insertRows(QStringLiteral("stores"),
                  {"st_code", "br_code", "hd_code", "name", "tel", "owner_name", "biz_no", "lng_x", "lat_y", "addr",
                   "road_addr", "addr_detail", "sido", "sigungu", "dong", "state"},
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
                               " name TEXT NOT NULL, tel TEXT, sido TEXT, sigungu TEXT, lng_x TEXT, lat_y TEXT)"),
                QStringLiteral("CREATE TABLE IF NOT EXISTS stores (st_code TEXT PRIMARY KEY, br_code TEXT NOT NULL,"
                               " hd_code TEXT NOT NULL, name TEXT NOT NULL, tel TEXT, owner_name TEXT, biz_no TEXT,"
                               " lng_x TEXT, lat_y TEXT, addr TEXT, road_addr TEXT, addr_detail TEXT, sido TEXT,"
                               " sigungu TEXT, dong TEXT, state TEXT NOT NULL DEFAULT '1')"),
                QStringLiteral("CREATE INDEX IF NOT EXISTS stores_by_branch ON stores (br_code)")},
               seedOrganisation);
}
} // namespace SandboxWorld

SANDBOX_HANDLER_AREA(org)
{
    if (auto db = registry.database())
        SandboxWorld::addOrganisation(*db);
}
