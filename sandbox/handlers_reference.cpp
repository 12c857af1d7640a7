// Reference data of the demo world: code tables (order kinds, statuses, cancel reasons, order
// paths, ...), the server configuration, delivery groups with their settings and sharing rules,
// the couriers of each delivery group with their phones, and the frequently used names of stores.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_request.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/world.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QTimeZone>

namespace
{
QJsonObject objectRow(const QStringList &values)
{
    QJsonObject row;
    for (int i = 0; i < values.size(); ++i)
        row.insert(QStringLiteral("C_%1").arg(i), values.at(i));
    return row;
}

QStringList texts(const QVariantList &row)
{
    QStringList out;
    out.reserve(row.size());
    for (const QVariant &v : row)
        out.append(v.toString());
    return out;
}

// ---------------------------------------------------------------------------------------------
// Seed

struct CodeSeed
{
    QString code;
    QString name;
    QString value = {};
    QString value2 = {};
};

void addGroup(QList<QVariantList> &rows, const QString &sy, const QString &syName, const QList<CodeSeed> &codes,
              const QString &status = QStringLiteral("1"))
{
    int order = 1;
    for (const CodeSeed &c : codes) {
        rows.append({sy, syName, c.code, c.name, QStringLiteral("20260105093000"), QString::number(order++), QString(),
                     QString(), c.value, status, c.value2, QString(), QString(), QString(), QString(), rows.size()});
    }
}

// Order paths and point-of-sale kinds also carry the three flag columns of the list request:
// column 11 "1" (shown on the boards), column 14 "0" (counted as a platform order) and
// DT_VALUE2 whose twelfth character is "2" (needs a delivery confirmation).
void addListGroup(QList<QVariantList> &rows, const QString &sy, const QString &syName,
                  const QList<std::tuple<const char *, const char *, const char *, const char *, const char *>> &codes)
{
    int order = 1;
    for (const auto &[code, name, value2, col11, col14] : codes) {
        rows.append({sy, syName, QString::fromUtf8(code), QString::fromUtf8(name), QStringLiteral("20260105093000"),
                     QString::number(order++), QString(), QString(), QString(), QStringLiteral("1"),
                     QString::fromUtf8(value2), QString::fromUtf8(col11), QString(), QString(), QString::fromUtf8(col14),
                     rows.size()});
    }
}

struct GroupSeed
{
    QString code;
    QString name;
    QString brCode;
    QString brTel;
    QString hd;
};

void seedCodes(SandboxDatabase &db, const QList<GroupSeed> &groups)
{
    QList<QVariantList> rows;
    QList<CodeSeed> groupNames;
    for (const GroupSeed &g : groups)
        groupNames.append({g.code, g.name});
    addGroup(rows, "O8", "배송그룹", groupNames);
    // One retired delivery group: listed in the codes, never among the names shown.
    rows.append({"O8", "배송그룹", "D900", "폐지된 배송그룹", "20250101000000", "900", "", "", "", "0", "", "", "", "", "",
                 rows.size()});
    addGroup(rows, "O1", "주문구분", {{"1", "배달"}, {"2", "포장"}, {"3", "퀵"}, {"4", "예약"}, {"5", "당일배송"}});
    // Pay codes as the orders carry them (1001 cash, 1002 card), so the boards can name them.
    addGroup(rows, "O7", "결제구분",
             {{"1001", "현금"}, {"1002", "카드"}, {"1003", "선결제"}, {"1004", "계좌이체"}, {"1005", "간편결제"}});
    addGroup(rows, "02", "주문상태",
             {{"1001", "접수"}, {"2001", "배차요청"}, {"3001", "배차"}, {"3003", "출발"}, {"4001", "완료"},
              {"4002", "취소"}, {"4005", "반송"}, {"9001", "보류"}});
    addGroup(rows, "O4", "취소사유",
             {{"01", "고객 요청 취소", "1"}, {"02", "가맹점 요청 취소", "1"}, {"03", "배달 지연", "0"},
              {"04", "주소 불명", "1"}, {"05", "중복 접수", "0"}});
    addGroup(rows, "O4", "취소사유", {{"06", "기사 부족(미사용)", "1"}}, QStringLiteral("0"));
    addGroup(rows, "WA", "근무상태", {{"0001", "출근"}, {"0002", "퇴근"}, {"0003", "휴식"}});
    addGroup(rows, "VT", "차량구분", {{"1", "오토바이"}, {"2", "다마스"}, {"3", "라보"}, {"4", "승용차"}, {"5", "도보"}});
    addGroup(rows, "BT", "은행", {{"004", "국민은행"}, {"088", "신한은행"}, {"020", "우리은행"}, {"081", "하나은행"}});
    addGroup(rows, "UT", "직원구분", {{"1", "상담원"}, {"2", "종업원"}, {"3", "관리자"}});
    addGroup(rows, "C1", "상품대분류", {{"01", "치킨"}, {"02", "피자"}, {"03", "한식"}, {"04", "분식"}, {"05", "음료"}});
    addGroup(rows, "C2", "상품소분류", {{"0101", "후라이드"}, {"0102", "양념"}, {"0201", "레귤러"}, {"0301", "국밥"}});
    addListGroup(rows, "O3", "주문경로",
                 {{"1001", "전화", "100000000001", "1", "1"},
                  {"1002", "방문", "100000000001", "1", "1"},
                  {"2001", "배달앱A", "200000000002", "1", "0"},
                  {"2002", "배달앱B", "200000000002", "1", "0"},
                  {"3001", "자사앱", "300", "0", "1"},
                  {"3002", "웹주문", "abc", "0", "1"}});
    addListGroup(rows, "PT", "POS구분",
                 {{"01", "포스A", "400000000002", "1", "0"}, {"02", "포스B", "400", "0", "1"}});
    db.insertRows(QStringLiteral("codes"),
                  {"sy_code", "sy_name", "dt_code", "dt_name", "mod_date", "view_order", "parent_sy_code",
                   "parent_dt_code", "dt_value", "data_status", "dt_value2", "dt_value3", "col12", "col13", "col14",
                   "seq"},
                  rows);
}

void seedConfig(SandboxDatabase &db)
{
    // Page addresses are answered with the host and port the web server really serves on.
    const QString web = QString::fromLatin1(SandboxWebBase::kPlaceholder);
    QList<QVariantList> rows;
    const auto add = [&rows](const QString &type, const QString &name, const QString &value) {
        rows.append({type, name, value, QString(), QStringLiteral("20260105093000"), QStringLiteral("1")});
    };
    add("MAPGUBUN", "MAP", "1");
    add("CID", "본사 발신번호 서버", "127.0.0.1:7790");
    add("CID", "예비 발신번호 서버", "127.0.0.1:7791");
    for (const auto &[name, path] : QList<std::pair<QString, QString>>{
             {"ADMIN_PAGE", "/admin/login.html"},
             {"ADMIN_PAGE_YOK", "/admin/login_y.html"},
             {"ADMIN_PAGE2", "/admin/index.html"},
             {"WORK_ATTEND", "/attend/index.html"},
             {"WORK_ATTEND_YOK", "/attend/index_y.html"},
             {"ADDR_MAP", "/map/addr.html"},
             {"ADDR_WK_VIEW", "/map/courier.html"},
             {"STORE_AROUND_DELIVERY", "/map/around.html"},
             {"WORK_CONTROL", "/map/control.html"},
             {"WORK_CONTROL2", "/map/control2.html"},
             {"MAIN_HOME", "/"},
             {"POLYGON_VIEW", "/map/polygon_view.html"},
             {"POLYGON_DRAW", "/map/polygon_draw.html"},
             {"ADDR_SEARCH2", "/address/search"},
             {"ADDR_WORD_ADD", "/popup/word_addr.html"},
             {"IMAGE_FILE_DEL", "/files/delete"},
             {"IMAGE_FILE_UP", "/files/upload"},
             {"IMAGE_FILE_DOWN", "/files/"},
             {"PAY_SEND_URL", "/pay/send.html"}})
        add("CAURL", name, web + path);
    add("CALOG", "LOG_UPLOAD", web + QStringLiteral("/log/upload"));
    add("ATIM", "STATS_LIMIT_TIME", "06000900");
    add("ATIM", "CASH_LIMIT_TIME", "05000600");
    add("BRCONTRACT", "CONTRACT", "Y");
    add("NOTICE", "POPUP", "N");
    db.insertRows(QStringLiteral("config"), {"cfg_type", "cfg_name", "cfg_value", "ref_code", "mod_date", "data_status"},
                  rows);
}

QList<GroupSeed> groupsOf(SandboxDatabase &db)
{
    QList<GroupSeed> groups;
    for (const QVariantList &r :
         db.rows(QStringLiteral("SELECT dvry_type_cd, name, br_code, tel, hd_code FROM branches ORDER BY dvry_type_cd")))
        groups.append({r.at(0).toString(), r.at(1).toString().replace(QStringLiteral("총판"), QStringLiteral("배송")),
                       r.at(2).toString(), r.at(3).toString(), r.at(4).toString()});
    return groups;
}

void seedGroups(SandboxDatabase &db, SandboxRandom &rng, const QList<GroupSeed> &groups)
{
    QList<QVariantList> rows;
    for (int i = 0; i < groups.size(); ++i) {
        const GroupSeed &g = groups.at(i);
        const bool night = i % 4 == 1;  // some groups are supervised only at night
        rows.append({g.code, g.name, g.brCode, g.brTel, g.hd, QString::number(rng.between(2, 6) * 500),
                     QString::number(rng.between(1, 4) * 500), i % 2 == 0 ? "Y" : "N",
                     QString::number(rng.between(1, 3) * 500), "2200", "0600", "1",
                     i % 3 == 0 ? QStringLiteral("우천으로 배달이 지연됩니다.") : QString(), QString::number(rng.between(0, 3) * 5),
                     "Y", night ? "2200" : "0900", night ? "0600" : "2300", "1111111"});
    }
    db.insertRows(QStringLiteral("delivery_groups"),
                  {"dvry_type_cd", "name", "mng_br_code", "br_tel", "hd_code", "mng_1_fee", "mng_2_fee", "ex_yn",
                   "ex_charge", "ex_s_time", "ex_e_time", "status_type", "st_text", "delay_time", "bmng_time",
                   "mng_stime", "mng_etime", "view_data"},
                  rows);

    // Neighbouring groups of one head office share their requested orders after a while.
    QList<QVariantList> shares;
    for (int i = 0; i + 1 < groups.size(); ++i) {
        if (groups.at(i).hd != groups.at(i + 1).hd)
            continue;
        shares.append({"S", groups.at(i).code, groups.at(i + 1).code, QString::number(30 + 10 * (i % 3)), "1"});
        shares.append({"S", groups.at(i + 1).code, groups.at(i).code, "60", "0"});
    }
    db.insertRows(QStringLiteral("share_rules"),
                  {"share_type", "dvry_type_cd", "sh_dvry_type_cd", "share_time", "dvry_share_type"}, shares);

    // Every store delivers through its own group; every fifth one also through the next group of
    // its head office.
    QList<QVariantList> outs;
    const auto stores = db.rows(QStringLiteral("SELECT st_code, dvry_type_cd, hd_code FROM stores ORDER BY st_code"));
    for (int i = 0; i < stores.size(); ++i) {
        const QString st = stores.at(i).at(0).toString();
        const QString own = stores.at(i).at(1).toString();
        outs.append({st, own});
        if (i % 5 == 4) {
            for (int k = 0; k < groups.size(); ++k) {
                if (groups.at(k).code == own && k + 1 < groups.size()
                    && groups.at(k + 1).hd == stores.at(i).at(2).toString())
                    outs.append({st, groups.at(k + 1).code});
            }
        }
    }
    db.insertRows(QStringLiteral("store_dvry_out"), {"st_code", "dvry_type_cd"}, outs);
}

void seedReferenceCouriers(SandboxDatabase &db, SandboxRandom &rng, const QList<GroupSeed> &groups)
{
    const int total = db.size() == SandboxWorldSize::Large ? 5000 : 120;
    static const QStringList states = {"0001", "0001", "0001", "0003", "0002"};
    static const QStringList cars = {"1", "1", "1", "1", "2", "5"};
    QList<QVariantList> rows;
    rows.reserve(total);
    for (int i = 0; i < total; ++i) {
        const GroupSeed &g = groups.at(i % groups.size());
        QString name = rng.personName();
        if (i == 4)
            name += QStringLiteral(" \"번개\"");  // a nickname in quotes, as some couriers register
        const QString state = i % 23 == 22 ? QStringLiteral("0") : QStringLiteral("1");
        QString tel = rng.mobile();
        tel = tel.left(3) + QLatin1Char('-') + tel.mid(3, 4) + QLatin1Char('-') + tel.mid(7);
        rows.append({QStringLiteral("W%1").arg(i + 1, 5, 10, QLatin1Char('0')), g.hd, g.brCode, g.code, name, tel,
                     state, rng.pick(states), rng.pick(cars), QStringLiteral("%1가%2").arg(rng.between(10, 99)).arg(rng.digits(4))});
    }
    db.insertRows(QStringLiteral("couriers"),
                  {"wk_code", "hd_code", "br_code", "dvry_type_cd", "name", "tel", "data_status", "attend_cd",
                   "vehicle", "car_number"},
                  rows);
}

// A few named places per store (buildings, apartment complexes, offices) in two or three groups.
void seedNames(SandboxDatabase &db, SandboxRandom &rng)
{
    static const QStringList kinds = {"아파트", "오피스텔", "타워", "빌딩", "상가", "학교"};
    static const QStringList prefixes = {"한빛", "푸른", "e편한세상", "래미안", "센트럴", "스카이", "그린", "하늘채"};
    static const QList<std::pair<QString, QString>> groupNames = {{"1", "아파트"}, {"2", "사무실"}, {"3", "상가"}};
    const bool large = db.size() == SandboxWorldSize::Large;
    QList<QVariantList> groupRows;
    QList<QVariantList> nameRows;
    const auto stores = db.rows(QStringLiteral("SELECT st_code, sido, sigungu, dong, lng_x, lat_y FROM stores ORDER BY st_code"));
    int addrNo = 1;
    for (int si = 0; si < stores.size(); ++si) {
        const QVariantList &s = stores.at(si);
        const QString st = s.at(0).toString();
        const int groupCount = large ? 1 : 2 + si % 2;
        for (int g = 0; g < groupCount; ++g)
            groupRows.append({st, groupNames.at(g).first, groupNames.at(g).second, "1", QString::number(g + 1)});
        const int names = large ? 3 : 6 + si % 4;
        for (int n = 0; n < names; ++n) {
            const QString grp = n % (groupCount + 1) == groupCount ? QStringLiteral("0") : groupNames.at(n % groupCount).first;
            const QString kind = rng.pick(kinds);
            const QString place = rng.pick(prefixes) + kind;
            const auto [lng, lat] = rng.near(s.at(4).toDouble(), s.at(5).toDouble(), 1200);
            const QString dong = s.at(3).toString();
            const QString lot = s.at(1).toString() + QLatin1Char(' ') + s.at(2).toString() + QLatin1Char(' ') + dong
                                + QLatin1Char(' ') + QString::number(rng.between(1, 900));
            nameRows.append({st, grp, QString::number(addrNo++), place, s.at(1).toString(), s.at(2).toString(), dong,
                             lot, s.at(2).toString() + QStringLiteral(" 중앙로 ") + QString::number(rng.between(1, 300)),
                             dong.left(dong.size() - 1) + QStringLiteral("1동"), QString(), place,
                             QString::number(rng.between(101, 120)) + QStringLiteral("동"), QString(), lat, lng,
                             QString::number(n + 1)});
        }
    }
    db.insertRows(QStringLiteral("store_name_groups"), {"st_code", "grp_no", "grp_text", "data_status", "view_order"},
                  groupRows);
    db.insertRows(QStringLiteral("store_names"),
                  {"st_code", "grp_no", "addr_no", "word_addr", "addr_1", "addr_2", "addr_3", "addr_4", "addr_6",
                   "addr_8", "addr_9", "addr_10", "addr_11", "addr_12", "lat_y", "lng_x", "view_order"},
                  nameRows);
}

void seedReference(SandboxDatabase &db, SandboxRandom &rng)
{
    const QList<GroupSeed> groups = groupsOf(db);
    seedCodes(db, groups);
    seedConfig(db);
    seedGroups(db, rng, groups);
    seedReferenceCouriers(db, rng, groups);
    seedNames(db, rng);
}

const QStringList kReferenceSchema = {
    QStringLiteral("CREATE TABLE IF NOT EXISTS codes (sy_code TEXT NOT NULL, sy_name TEXT, dt_code TEXT NOT NULL,"
                   " dt_name TEXT, mod_date TEXT, view_order TEXT, parent_sy_code TEXT, parent_dt_code TEXT,"
                   " dt_value TEXT, data_status TEXT, dt_value2 TEXT, dt_value3 TEXT, col12 TEXT, col13 TEXT,"
                   " col14 TEXT, seq INTEGER NOT NULL)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS config (cfg_type TEXT NOT NULL, cfg_name TEXT NOT NULL, cfg_value TEXT,"
                   " ref_code TEXT, mod_date TEXT, data_status TEXT)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS delivery_groups (dvry_type_cd TEXT PRIMARY KEY, name TEXT NOT NULL,"
                   " mng_br_code TEXT, br_tel TEXT, hd_code TEXT, mng_1_fee TEXT, mng_2_fee TEXT, ex_yn TEXT,"
                   " ex_charge TEXT, ex_s_time TEXT, ex_e_time TEXT, status_type TEXT, st_text TEXT, delay_time TEXT,"
                   " bmng_time TEXT, mng_stime TEXT, mng_etime TEXT, view_data TEXT)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS share_rules (share_type TEXT, dvry_type_cd TEXT, sh_dvry_type_cd TEXT,"
                   " share_time TEXT, dvry_share_type TEXT)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS store_dvry_out (st_code TEXT NOT NULL, dvry_type_cd TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS couriers (wk_code TEXT PRIMARY KEY, hd_code TEXT, br_code TEXT,"
                   " dvry_type_cd TEXT, name TEXT NOT NULL, tel TEXT, data_status TEXT, attend_cd TEXT, vehicle TEXT,"
                   " car_number TEXT)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS couriers_by_branch ON couriers (br_code)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS store_name_groups (st_code TEXT NOT NULL, grp_no TEXT NOT NULL,"
                   " grp_text TEXT, data_status TEXT, view_order TEXT)"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS store_names (st_code TEXT NOT NULL, grp_no TEXT, addr_no TEXT, word_addr TEXT,"
                   " addr_1 TEXT, addr_2 TEXT, addr_3 TEXT, addr_4 TEXT, addr_6 TEXT, addr_8 TEXT, addr_9 TEXT,"
                   " addr_10 TEXT, addr_11 TEXT, addr_12 TEXT, lat_y TEXT, lng_x TEXT, view_order TEXT)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS store_names_by_store ON store_names (st_code)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS store_name_groups_by_store ON store_name_groups (st_code)"),
};

// ---------------------------------------------------------------------------------------------
// Handlers

// Code rows as the code loaders read them: columns 0..10, and 0..14 for the list request.
SandboxReply systemCodes(SandboxDatabase &db, const SandboxRequest &)
{
    QList<QStringList> out;
    for (const QVariantList &r : db.rows(QStringLiteral(
             "SELECT sy_code, sy_name, dt_code, dt_name, mod_date, view_order, parent_sy_code, parent_dt_code,"
             " dt_value, data_status, dt_value2 FROM codes WHERE sy_code IN ('O8','O1','O7','02','O4','WA','VT')"
             " ORDER BY seq")))
        out.append(texts(r));
    return SandboxReply::rowsOf(out);
}

SandboxReply codeList(SandboxDatabase &db, const SandboxRequest &req)
{
    const QString group = FieldAt(req.fields(), 0);
    if (group.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("코드 그룹이 없습니다."));
    QList<QStringList> out;
    for (const QVariantList &r : db.rows(QStringLiteral(
             "SELECT sy_code, sy_name, dt_code, dt_name, mod_date, view_order, parent_sy_code, parent_dt_code,"
             " dt_value, data_status, dt_value2, dt_value3, col12, col13, col14 FROM codes WHERE sy_code = ?"
             " ORDER BY seq"),
                                         {group}))
        out.append(texts(r));
    return SandboxReply::rowsOf(out);
}

SandboxReply configRows(SandboxDatabase &db, const SandboxWebBase &web)
{
    QList<QStringList> out;
    for (const QVariantList &r : db.rows(QStringLiteral(
             "SELECT cfg_type, cfg_name, cfg_value, ref_code, mod_date, data_status FROM config ORDER BY rowid"))) {
        QStringList row = texts(r);
        row[2] = web.resolve(row.at(2));
        out.append(row);
    }
    return SandboxReply::rowsOf(out);
}

// Delivery groups the user's scope works with: the groups of the branches of its stores.
QString groupScope(const QString &userType, const QString &hd, const QString &br, QVariantList &binds)
{
    const QString cls = userType.left(1);
    if (cls == QLatin1String("5")) {
        binds = {br};
        return QStringLiteral("g.mng_br_code = ?");
    }
    if (cls == QLatin1String("9"))
        return QStringLiteral("1 = 1");
    binds = {hd};
    return QStringLiteral("g.hd_code = ?");
}

SandboxReply shareList(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // USER_TYPE_CD, HD, BR, ST, "", MNG_DVRY_TYPE_CD
    QVariantList binds;
    const QString where = groupScope(FieldAt(f, 0), FieldAt(f, 1), FieldAt(f, 2), binds);
    SandboxReply reply;
    for (const QVariantList &r : db.rows(QStringLiteral("SELECT r.share_type, r.dvry_type_cd, r.sh_dvry_type_cd,"
                                                        " r.share_time, r.dvry_share_type FROM share_rules r JOIN"
                                                        " delivery_groups g ON g.dvry_type_cd = r.dvry_type_cd WHERE ")
                                             + where + QStringLiteral(" ORDER BY r.rowid"),
                                         binds))
        reply.rows.append(objectRow(texts(r)));
    return reply;
}

SandboxReply dvryOutList(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // USER_TYPE_CD, HD, BR, ST, "", ""
    const auto scope = SandboxWorld::OrgScope::of(FieldAt(f, 0), FieldAt(f, 1), FieldAt(f, 2), FieldAt(f, 3));
    SandboxReply reply;
    for (const QVariantList &r : db.rows(
             QStringLiteral("SELECT o.st_code, g.dvry_type_cd, g.name, g.mng_br_code, g.mng_1_fee, g.mng_2_fee, g.ex_yn,"
                            " g.ex_charge, g.ex_s_time, g.ex_e_time, g.br_tel FROM store_dvry_out o"
                            " JOIN stores s ON s.st_code = o.st_code JOIN delivery_groups g ON g.dvry_type_cd ="
                            " o.dvry_type_cd WHERE ")
                 + scope.where + QStringLiteral(" ORDER BY o.st_code, o.rowid"),
             scope.binds)) {
        QStringList row = texts(r);
        row[10] = SandboxWorld::telWithHyphens(row.at(10));
        reply.rows.append(objectRow(row));
    }
    return reply;
}

// Settings columns of the group requests: "CS09_04_V01" and "CS09_03_V01" rows have 34 fields.
QStringList settingsRow(const QVariantList &g)
{
    const auto t = [&g](int i) { return g.at(i).toString(); };
    QStringList row(34);
    row[0] = t(0);          // DVRY_TYPE_CD
    row[1] = t(1);          // EX_YN
    row[2] = t(2);          // EX_CHARGE
    row[3] = t(3);          // EX_S_TIME
    row[4] = t(4);          // EX_E_TIME
    row[5] = t(5);          // STATUS_TYPE
    row[6] = t(6);          // ST_TEXT
    row[7] = t(7);          // DELAY_TIME
    row[8] = t(8);          // BMNG_TIME
    row[9] = t(10);         // MNG_ETIME
    row[10] = t(9);         // MNG_STIME
    row[11] = t(11);        // VIEW_DATA
    row[12] = QStringLiteral("N");
    row[13] = QStringLiteral("0000011");
    row[14] = QStringLiteral("N");
    row[15] = QStringLiteral("0");
    row[16] = QStringLiteral("Y");
    row[17] = QStringLiteral("10");
    row[18] = QStringLiteral("N");
    row[19] = QStringLiteral("5");
    row[20] = QStringLiteral("3");
    row[21] = QStringLiteral("500");
    row[22] = QStringLiteral("N");
    row[23] = QStringLiteral("Y");
    row[24] = QStringLiteral("3");
    row[30] = QStringLiteral("2200-2400:500");
    row[32] = QStringLiteral("N");
    row[33] = QStringLiteral("1");
    return row;
}

const QString kGroupSettings = QStringLiteral(
    "SELECT g.dvry_type_cd, g.ex_yn, g.ex_charge, g.ex_s_time, g.ex_e_time, g.status_type, g.st_text, g.delay_time,"
    " g.bmng_time, g.mng_stime, g.mng_etime, g.view_data FROM delivery_groups g");

SandboxReply groupSettingsAll(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // USER_TYPE_CD, BR, HD
    QVariantList binds;
    const QString where = groupScope(FieldAt(f, 0), FieldAt(f, 2), FieldAt(f, 1), binds);
    QList<QStringList> out;
    for (const QVariantList &r : db.rows(kGroupSettings + QStringLiteral(" WHERE ") + where
                                             + QStringLiteral(" ORDER BY g.dvry_type_cd"),
                                         binds))
        out.append(settingsRow(r));
    return SandboxReply::rowsOf(out);
}

SandboxReply groupSettingsOne(SandboxDatabase &db, const SandboxRequest &req)
{
    const QString code = FieldAt(req.fields(), 0);
    const auto rows = db.rows(kGroupSettings + QStringLiteral(" WHERE g.dvry_type_cd = ?"), {code});
    if (rows.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("배송그룹이 없습니다."));
    return SandboxReply::rowsOf({settingsRow(rows.first())});
}

// Live state of the asked groups: 40 fields per group, the courier counts from the couriers
// table; OUT_VAL is the sync mark to send back, OUT_ROW2 the polling periods.
SandboxReply groupLive(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // ID, codes joined by ",", sync mark
    const QStringList codes = FieldAt(f, 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    QList<QStringList> out;
    for (const QString &code : codes) {
        const auto rows = db.rows(kGroupSettings + QStringLiteral(" WHERE g.dvry_type_cd = ?"), {code});
        if (rows.isEmpty())
            continue;
        const QStringList s = settingsRow(rows.first());
        const auto counts = db.rows(QStringLiteral("SELECT SUM(attend_cd = '0001'), SUM(attend_cd = '0003'), COUNT(*)"
                                                   " FROM couriers WHERE dvry_type_cd = ? AND data_status = '1'"),
                                    {code});
        const int atWork = counts.isEmpty() ? 0 : counts.first().at(0).toInt();
        const int resting = counts.isEmpty() ? 0 : counts.first().at(1).toInt();
        QStringList row(40);
        row[0] = code;
        for (int i = 1; i <= 5; ++i)
            row[i] = s.at(i);
        row[6] = QString::number(atWork / 2);        // WK_3001
        row[7] = QString::number(atWork / 3);        // WK_3003
        row[8] = QString::number(atWork + resting);  // WK_ATT_CNT
        for (int i = 9; i <= 14; ++i)
            row[i] = s.at(i - 3);
        row[15] = QString::number(atWork % 4);       // ST_2001
        for (int i = 16; i <= 28; ++i)
            row[i] = s.at(i - 4);
        row[34] = QStringLiteral("0");
        row[35] = QStringLiteral("0");
        row[36] = QStringLiteral("0");
        row[37] = s.at(30);
        row[39] = s.at(33);
        out.append(row);
    }
    SandboxReply reply = SandboxReply::rowsOf(out, KoreanNowStamp());
    reply.extra.insert(QStringLiteral("OUT_ROW2"), QJsonArray{SandboxText::joinFields({"10", "5"})});
    return reply;
}

SandboxReply couriers(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // ID, USER_TYPE_CD, HD, BR, ""
    QVariantList binds;
    const QString where = groupScope(FieldAt(f, 1), FieldAt(f, 2), FieldAt(f, 3), binds);
    QList<QStringList> out;
    for (const QVariantList &r : db.rows(
             QStringLiteral("SELECT w.hd_code, h.name, w.br_code, b.name, w.dvry_type_cd, w.wk_code, w.name,"
                            " w.data_status FROM couriers w JOIN head_offices h ON h.hd_code = w.hd_code"
                            " JOIN branches b ON b.br_code = w.br_code WHERE ")
                 + QString(where).replace(QStringLiteral("g.mng_br_code"), QStringLiteral("w.br_code"))
                       .replace(QStringLiteral("g.hd_code"), QStringLiteral("w.hd_code"))
                 + QStringLiteral(" ORDER BY w.wk_code"),
             binds))
        out.append(texts(r));
    return SandboxReply::rowsOf(out);
}

SandboxReply courierTels(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // USER_TYPE_CD, HD, BR, ST
    QVariantList binds;
    const QString where = groupScope(FieldAt(f, 0), FieldAt(f, 1), FieldAt(f, 2), binds);
    QList<QStringList> out;
    for (const QVariantList &r : db.rows(
             QStringLiteral("SELECT wk_code, tel, hd_code, br_code FROM couriers w WHERE data_status = '1' AND ")
                 + QString(where).replace(QStringLiteral("g.mng_br_code"), QStringLiteral("w.br_code"))
                       .replace(QStringLiteral("g.hd_code"), QStringLiteral("w.hd_code"))
                 + QStringLiteral(" ORDER BY wk_code"),
             binds))
        out.append(texts(r));
    return SandboxReply::rowsOf(out);
}

// Frequently used names of one store: groups in OUT_ROW1, names in OUT_ROW2, one page.
SandboxReply storeNames(SandboxDatabase &db, const SandboxRequest &req)
{
    const QString st = FieldAt(req.fields(), 0);
    if (st.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("가맹점 코드가 없습니다."));
    QList<QStringList> groups;
    for (const QVariantList &r : db.rows(QStringLiteral("SELECT st_code, grp_no, grp_text, data_status, view_order FROM"
                                                        " store_name_groups WHERE st_code = ? ORDER BY rowid"),
                                         {st}))
        groups.append(texts(r));
    QJsonArray names;
    for (const QVariantList &r : db.rows(QStringLiteral("SELECT st_code, grp_no, addr_no, word_addr, addr_1, addr_2,"
                                                        " addr_3, addr_4, addr_6, addr_8, addr_9, addr_10, addr_11,"
                                                        " addr_12, lat_y, lng_x, view_order FROM store_names WHERE"
                                                        " st_code = ? ORDER BY rowid"),
                                         {st}))
        names.append(SandboxText::joinFields(texts(r)));
    SandboxReply reply = SandboxReply::rowsOf(groups);
    reply.extra.insert(QStringLiteral("OUT_ROW2"), names);
    reply.rowsPerPage = 100000;  // the names ride along with the groups: one page
    return reply;
}
} // namespace

SANDBOX_HANDLER_AREA(reference)
{
    auto db = registry.database();
    if (!db)
        return;
    db->addArea(SandboxWorld::kReferenceRank, QStringLiteral("reference"), kReferenceSchema, seedReference);
    const auto with = [db](SandboxReply (*fn)(SandboxDatabase &, const SandboxRequest &)) {
        return [db, fn](const SandboxRequest &r) { return fn(*db, r); };
    };
    registry.add(QStringLiteral("CS00_01_V02"), with(systemCodes));
    registry.add(QStringLiteral("CS00_17_V02"), with(codeList));
    const std::shared_ptr<SandboxWebBase> web = registry.webBase();
    registry.add(QStringLiteral("CS00_10_V01"), [db, web](const SandboxRequest &) { return configRows(*db, *web); });
    registry.add(QStringLiteral("CS00_09_V01"), with(shareList));
    registry.add(QStringLiteral("CS00_08_V01"), with(dvryOutList));
    registry.add(QStringLiteral("CS09_04_V01"), with(groupSettingsAll));
    registry.add(QStringLiteral("CS09_03_V01"), with(groupSettingsOne));
    registry.add(QStringLiteral("CS00_00_V01"), with(groupLive));
    registry.add(QStringLiteral("CS00_16_V01"), with(couriers));
    registry.add(QStringLiteral("CS00_15_V01"), with(courierTels));
    registry.add(QStringLiteral("CS00_07_V05"), with(storeNames));
}
