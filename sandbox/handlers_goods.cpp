// Goods of the demo world: every store has menu groups, goods and, for its dishes, option choices
// and additional goods. Seeded from the stores table by the store's brand, so a chicken place sells
// chicken. The goods load pages its three sections together, each goods item's options on the
// goods item's own page, so a client that merges page by page always finds the goods item first.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/world.h"

#include <QDateTime>

#include <algorithm>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
struct Menu
{
    QString brandWord;        // part of the store's name
    QStringList groups;       // group names; dishes are spread over all but the drinks
    QStringList dishes;
    int basePrice;
};

const QList<Menu> &menus()
{
    static const QList<Menu> m = {
        {"치킨", {"후라이드", "양념", "순살"}, {"후라이드치킨", "양념치킨", "간장치킨", "파닭", "마늘치킨", "반반치킨", "순살치킨", "치즈볼", "감자튀김", "닭강정"}, 18000},
        {"통닭", {"통닭", "구이", "사이드"}, {"옛날통닭", "전기구이통닭", "누룽지통닭", "양념통닭", "바삭통닭", "닭똥집튀김", "치킨무", "떡볶이", "어묵탕", "감자튀김"}, 16000},
        {"국밥", {"국밥", "수육", "사이드"}, {"돼지국밥", "순대국밥", "소고기국밥", "내장국밥", "섞어국밥", "수육백반", "수육(소)", "수육(대)", "순대", "공기밥"}, 9000},
        {"족발", {"족발", "보쌈", "사이드"}, {"앞다리족발", "불족발", "냉채족발", "마늘족발", "반반족발", "보쌈정식", "수육보쌈", "막국수", "주먹밥", "쟁반국수"}, 32000},
        {"샐러드", {"샐러드", "포케", "음료"}, {"닭가슴살샐러드", "연어샐러드", "리코타샐러드", "시저샐러드", "연어포케", "참치포케", "두부포케", "그릭요거트", "스프", "웜볼"}, 11000},
        {"분식", {"떡볶이", "김밥", "튀김"}, {"떡볶이", "로제떡볶이", "짜장떡볶이", "참치김밥", "야채김밥", "치즈김밥", "라면", "순대", "모둠튀김", "쫄면"}, 5000},
        {"횟집", {"모둠회", "세트", "식사"}, {"광어회", "우럭회", "모둠회", "연어회", "물회", "회덮밥", "매운탕", "초밥세트", "해물라면", "전복죽"}, 35000},
        {"짜장", {"면", "밥", "요리"}, {"짜장면", "짬뽕", "간짜장", "우동", "볶음밥", "잡채밥", "탕수육", "깐풍기", "군만두", "마파두부"}, 8000},
        {"커피", {"커피", "라떼", "디저트"}, {"아메리카노", "카페라떼", "바닐라라떼", "카푸치노", "콜드브루", "녹차라떼", "초코라떼", "치즈케이크", "크로플", "마카롱"}, 4500},
        {"피자", {"피자", "파스타", "사이드"}, {"페퍼로니피자", "불고기피자", "포테이토피자", "고르곤졸라피자", "마르게리타피자", "까르보나라", "토마토파스타", "치즈오븐스파게티", "치킨윙", "콘샐러드"}, 21000},
        {"한식", {"찌개", "정식", "반찬"}, {"김치찌개", "된장찌개", "부대찌개", "제육볶음", "불고기정식", "고등어구이", "계란말이", "비빔밥", "잡채", "순두부찌개"}, 9000},
        {"곱창", {"곱창", "막창", "식사"}, {"소곱창구이", "돼지곱창볶음", "막창구이", "대창구이", "모둠곱창", "곱창전골", "볶음밥", "순대볶음", "계란찜", "주먹밥"}, 19000},
    };
    return m;
}

const QStringList kVariants = {"", " (대)", " 세트", " 2인"};
const QStringList kDrinks = {"콜라 500ml", "콜라 1.25L", "사이다 500ml", "사이다 1.25L", "제로콜라 500ml",
                             "생수 500ml", "오렌지주스", "식혜"};
const QStringList kTastes = {"순한맛", "보통맛", "매운맛", "아주매운맛"};
const QStringList kSizes = {"소", "중", "대"};
const QStringList kAdds = {"치즈 추가", "공기밥 추가", "소스 추가", "계란 추가", "떡 추가"};

const Menu &menuOf(const QString &storeName)
{
    for (const Menu &m : menus()) {
        if (storeName.contains(m.brandWord))
            return m;
    }
    return menus().first();
}

// The demo world's stores sell about fifty goods each (about 2,000 in all); the large one a hundred
// each (200,000 over its 2,000 stores).
int goodsPerStore(SandboxWorldSize size)
{
    return size == SandboxWorldSize::Large ? 100 : 48;
}

QString price(int won)
{
    return QString::number(won / 500 * 500);
}

void seedGoods(SandboxDatabase &db, SandboxRandom &rng)
{
    const QList<QVariantList> stores = db.rows(QStringLiteral("SELECT st_code, name FROM stores ORDER BY st_code"));
    const int perStore = goodsPerStore(db.size());
    QList<QVariantList> groupRows;
    QList<QVariantList> goodsRows;
    QList<QVariantList> optionRows;
    for (const QVariantList &s : stores) {
        const QString st = s.at(0).toString();
        const Menu &menu = menuOf(s.at(1).toString());
        QStringList groupNos;
        for (int g = 0; g < menu.groups.size() + 1; ++g) {
            const QString grpNo = QStringLiteral("G%1").arg(g + 1, 4, 10, QLatin1Char('0'));
            const QString name = g < menu.groups.size() ? menu.groups.at(g) : QStringLiteral("음료");
            // The first group prints in the kitchen, the drinks at the counter.
            const QString useType = g == 0 || g == menu.groups.size() ? QStringLiteral("5") : QStringLiteral("1");
            groupRows.append({st, grpNo, name, QStringLiteral("1"), useType, g + 1});
            groupNos << grpNo;
        }
        for (int i = 0; i < perStore; ++i) {
            const bool drink = i >= perStore - kDrinks.size();
            QString name;
            int won;
            QString grpNo;
            if (drink) {
                name = kDrinks.at(i - (perStore - kDrinks.size()));
                won = 2000 + rng.between(0, 2) * 500;
                grpNo = groupNos.last();
            } else {
                const int dish = i % menu.dishes.size();
                const int variant = (i / menu.dishes.size()) % kVariants.size();
                const int round = i / (menu.dishes.size() * kVariants.size());
                name = menu.dishes.at(dish) + kVariants.at(variant);
                if (round > 0)
                    name += QStringLiteral(" %1호").arg(round + 1);
                won = menu.basePrice + variant * 4000 + rng.between(-4, 6) * 500;
                grpNo = groupNos.at(dish % (groupNos.size() - 1));
            }
            const QString goodsNo = QStringLiteral("%1%2").arg(st.mid(1)).arg(i + 1, 5, 10, QLatin1Char('0'));
            const QString modDate = QStringLiteral("2026%1%2%3")
                                        .arg(rng.between(1, 11), 2, 10, QLatin1Char('0'))
                                        .arg(rng.between(1, 28), 2, 10, QLatin1Char('0'))
                                        .arg(rng.between(0, 235959), 6, 10, QLatin1Char('0'));
            int opt1 = 0;
            int adds = 0;
            if (!drink && rng.chance(0.5)) {
                const QStringList &choices = rng.chance(0.5) ? kTastes : kSizes;
                for (int o = 0; o < choices.size(); ++o) {
                    const int extra = &choices == &kSizes ? o * 3000 : 0;
                    optionRows.append({st, goodsNo, QStringLiteral("%1").arg(o + 1, 3, 10, QLatin1Char('0')),
                                       QStringLiteral("1"), QStringLiteral("1"), choices.at(o), extra, o + 1});
                    ++opt1;
                }
            }
            if (!drink && rng.chance(0.4)) {
                const int n = rng.between(1, 2);
                for (int a = 0; a < n; ++a) {
                    optionRows.append({st, goodsNo, QStringLiteral("A%1").arg(a + 1, 2, 10, QLatin1Char('0')),
                                       QStringLiteral("1"), QStringLiteral("5"), kAdds.at((i + a) % kAdds.size()),
                                       500 + rng.between(0, 3) * 500, a + 1});
                    ++adds;
                }
            }
            // A few dishes are sold out today; a coffee shop's cups carry a deposit.
            const QString ordStatus = !drink && i % 17 == 9 ? QStringLiteral("2") : QStringLiteral("1");
            const QString deposit =
                !drink && menu.brandWord == QStringLiteral("커피") && i % 10 < 7 ? QStringLiteral("300") : QStringLiteral("0");
            goodsRows.append({st, goodsNo, grpNo, name, QStringLiteral("1"), price(won), price(won + 1000),
                              opt1, adds, drink ? QStringLiteral("음료") : menu.brandWord, i + 1,
                              QStringLiteral("880%1").arg(rng.digits(10)), modDate, ordStatus, QStringLiteral("N"),
                              deposit});
        }
    }
    db.insertRows(QStringLiteral("goods_groups"), {"st_code", "grp_no", "name", "data_status", "use_type", "view_order"},
                  groupRows);
    db.insertRows(QStringLiteral("goods"),
                  {"st_code", "goods_no", "grp_no", "name", "data_status", "ord_price", "sell_price", "option_1_cnt",
                   "add_goods_cnt", "type_name", "view_order", "barcode", "mod_date", "ord_status", "adult_yn",
                   "cup_deposit"},
                  goodsRows);
    db.insertRows(QStringLiteral("goods_options"),
                  {"st_code", "goods_no", "op_no", "data_status", "option_type", "name", "price", "view_order"},
                  optionRows);
}

// Columns 1..27 of a goods row after the store code (number .. additional-goods count).
QStringList goodsCore(const QVariantList &g)
{
    // g: st_code, goods_no, grp_no, name, data_status, ord_price, sell_price, option_1_cnt,
    //    add_goods_cnt, type_name, view_order, barcode, mod_date, ord_status, adult_yn, cup_deposit,
    //    ord_dn_price, ord_dn_period, ord_dn_time, ord_limit_day, ord_limit_once
    return {g.at(1).toString(), g.at(3).toString(), g.at(4).toString(), QString(), QStringLiteral("0001"),
            QStringLiteral("0001"), g.at(9).toString(), QString(), QStringLiteral("1"), g.at(5).toString(),
            g.value(16, QStringLiteral("0")).toString(), g.value(13, QStringLiteral("1")).toString(),
            g.value(17).toString(), g.value(18).toString(), g.at(6).toString(), QStringLiteral("0"),
            QStringLiteral("1"), QString(), QString(), g.value(19, QStringLiteral("0")).toString(),
            g.value(20, QStringLiteral("0")).toString(), QStringLiteral("0"),
            QStringLiteral("0"), QStringLiteral("Y"), g.at(7).toString(), QStringLiteral("0"), g.at(8).toString()};
}

// Columns 28..37 (and the cup deposit) of a goods row.
QStringList goodsTail(const QVariantList &g, bool withDeposit)
{
    QStringList t = {QString(), QString(), QStringLiteral("0"), QStringLiteral("0"), g.at(12).toString(), QString(),
                     QStringLiteral("N"), QStringLiteral("0"), g.at(11).toString(), g.value(14, QStringLiteral("N")).toString()};
    if (withDeposit)
        t << g.value(15, QStringLiteral("0")).toString();
    return t;
}

QString joinedFields(const QStringList &fields)
{
    return SandboxText::joinFields(fields);
}

QString pageText(const QJsonObject &page)
{
    QJsonObject out;
    for (auto it = page.begin(); it != page.end(); ++it)
        out.insert(it.key(), SandboxText::escapeJson(it.value()));
    return QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Compact));
}

const char kGoodsColumns[] = "st_code, goods_no, grp_no, name, data_status, ord_price, sell_price, option_1_cnt,"
                             " add_goods_cnt, type_name, view_order, barcode, mod_date, ord_status, adult_yn, cup_deposit,"
                             " ord_dn_price, ord_dn_period, ord_dn_time, ord_limit_day, ord_limit_once";

SandboxReply goodsLoad(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    const QString st = f.value(0).trimmed();
    const QString mark = f.value(1).trimmed();
    if (st.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("매장코드가 없습니다."));
    if (!db.value(QStringLiteral("SELECT 1 FROM stores WHERE st_code = ?"), {st}).isValid())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("등록되지 않은 매장입니다."));
    const QList<QVariantList> goods =
        db.rows(QStringLiteral("SELECT %1 FROM goods WHERE st_code = ? AND mod_date > ? ORDER BY view_order, goods_no")
                    .arg(QLatin1String(kGoodsColumns)),
                {st, mark});
    const QList<QVariantList> options = db.rows(
        QStringLiteral("SELECT o.st_code, o.goods_no, o.op_no, o.data_status, o.option_type, o.name, o.price,"
                       " o.view_order FROM goods_options o JOIN goods g ON g.st_code = o.st_code AND"
                       " g.goods_no = o.goods_no WHERE o.st_code = ? AND g.mod_date > ?"
                       " ORDER BY o.goods_no, o.option_type, o.view_order"),
        {st, mark});
    QHash<QString, QList<int>> optionsOf;
    for (int i = 0; i < options.size(); ++i)
        optionsOf[options.at(i).at(1).toString()].append(i);
    const QString newMark = db.value(QStringLiteral("SELECT MAX(mod_date) FROM goods WHERE st_code = ?"), {st}).toString();

    // Group rows in group order, then goods order.
    QList<QVariantList> byGroup = goods;
    std::stable_sort(byGroup.begin(), byGroup.end(),
                     [](const QVariantList &a, const QVariantList &b) { return a.at(2).toString() < b.at(2).toString(); });

    const int perPage = req.pageRows() > 0 ? req.pageRows() : 2000;
    QStringList pages;
    qsizetype start = 0;
    do {
        const qsizetype end = qMin<qsizetype>(goods.size(), start + perPage);
        QJsonArray row1, row2, row3;
        for (qsizetype i = start; i < end; ++i) {
            const QVariantList &g = goods.at(i);
            row1.append(joinedFields(QStringList{st} + goodsCore(g) + goodsTail(g, true)));
            const QVariantList &gg = byGroup.at(i);
            row2.append(joinedFields(QStringList{st, gg.at(2).toString()} + goodsCore(gg) + goodsTail(gg, false)));
            for (int o : optionsOf.value(g.at(1).toString())) {
                const QVariantList &op = options.at(o);
                row3.append(joinedFields({op.at(0).toString(), op.at(1).toString(), op.at(2).toString(), op.at(3).toString(),
                                    op.at(4).toString(), op.at(5).toString(), op.at(6).toString(),
                                    op.at(7).toString(), QString(), QString()}));
            }
        }
        QJsonObject page{{"OUT_CODE", "1"}, {"OUT_MSG", ""}, {"OUT_VAL", start == 0 ? newMark : QString()},
                         {"OUT_ROW1", row1}, {"OUT_ROW2", row2}, {"OUT_ROW3", row3}};
        pages << pageText(page);
        start = end;
    } while (start < goods.size());
    return SandboxReply::explicitPages(pages);
}

// Goods groups of one store, a branch, a head office or every store (the first non-empty of the
// store, branch and head-office fields decides).
SandboxReply groupLoad(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    QString where;
    QVariantList binds;
    if (!f.value(3).trimmed().isEmpty()) {
        where = QStringLiteral("WHERE g.st_code = ?");
        binds << f.value(3).trimmed();
    } else if (!f.value(2).trimmed().isEmpty()) {
        where = QStringLiteral("WHERE s.br_code = ?");
        binds << f.value(2).trimmed();
    } else if (!f.value(1).trimmed().isEmpty()) {
        where = QStringLiteral("WHERE s.hd_code = ?");
        binds << f.value(1).trimmed();
    }
    const QList<QVariantList> rows = db.rows(
        QStringLiteral("SELECT g.st_code, g.grp_no, g.name, g.data_status, g.use_type FROM goods_groups g"
                       " JOIN stores s ON s.st_code = g.st_code %1 ORDER BY g.st_code, g.view_order")
            .arg(where),
        binds);
    SandboxReply reply;
    for (const QVariantList &r : rows) {
        QJsonObject o;
        for (int c = 0; c < r.size(); ++c)
            o.insert(QStringLiteral("C_%1").arg(c), r.at(c).toString());
        reply.rows.append(o);
    }
    return reply;
}

// The goods detail the products screen asks for after a change: the goods of one store (or one
// goods item of it) as "C_n" objects, with their group rows and options.
SandboxReply goodsDetail(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    const QString st = f.value(0).trimmed();
    const QString goodsNo = f.value(1).trimmed();
    const QList<QVariantList> goods = db.rows(
        QStringLiteral("SELECT %1 FROM goods WHERE st_code = ? AND (? = '' OR goods_no = ?) ORDER BY view_order")
            .arg(QLatin1String(kGoodsColumns)),
        {st, goodsNo, goodsNo});
    auto object = [](const QStringList &fields) {
        QJsonObject o;
        for (int c = 0; c < fields.size(); ++c)
            o.insert(QStringLiteral("C_%1").arg(c), fields.at(c));
        return o;
    };
    QJsonArray row1, row2, row3;
    for (const QVariantList &g : goods) {
        row1.append(object(QStringList{st} + goodsCore(g) + goodsTail(g, true)));
        row2.append(object(QStringList{st, g.at(2).toString()} + goodsCore(g)
                           + QStringList{QStringLiteral("0"), QStringLiteral("0")}));
        const QList<QVariantList> ops = db.rows(
            QStringLiteral("SELECT st_code, goods_no, op_no, data_status, option_type, name, price, view_order"
                           " FROM goods_options WHERE st_code = ? AND goods_no = ? ORDER BY option_type, view_order"),
            {st, g.at(1)});
        for (const QVariantList &op : ops) {
            QStringList fields;
            for (const QVariant &v : op)
                fields << v.toString();
            row3.append(object(fields + QStringList{QString(), QString()}));
        }
    }
    const QString mark = db.value(QStringLiteral("SELECT MAX(mod_date) FROM goods WHERE st_code = ?"), {st}).toString();
    QJsonObject page{{"OUT_CODE", "1"}, {"OUT_MSG", ""}, {"OUT_VAL", mark},
                     {"OUT_ROW1", row1}, {"OUT_ROW2", row2}, {"OUT_ROW3", row3}};
    return SandboxReply::explicitPages({pageText(page)});
}
// Switches a goods item between on sale ("1") and sold out ("2"); the change counts as a goods
// change, so the next goods load of the store brings it too.
SandboxReply goodsSaleStatus(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    const QString st = f.value(0).trimmed();
    const QString goodsNo = f.value(1).trimmed();
    const QString status = f.value(2).trimmed();
    if (status != QLatin1String("1") && status != QLatin1String("2"))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("판매상태가 잘못되었습니다."));
    if (!db.value(QStringLiteral("SELECT 1 FROM goods WHERE st_code = ? AND goods_no = ?"), {st, goodsNo}).isValid())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("등록되지 않은 상품입니다."));
    const QString mark = db.value(QStringLiteral("SELECT MAX(mod_date) FROM goods WHERE st_code = ?"), {st}).toString();
    const QString newMark = QString::number(mark.toLongLong() + 1);
    db.exec(QStringLiteral("UPDATE goods SET ord_status = ?, mod_date = ? WHERE st_code = ? AND goods_no = ?"),
            {status, newMark, st, goodsNo});
    return SandboxReply::code(QStringLiteral("1"), QString());
}
} // namespace

SANDBOX_HANDLER_AREA(goods)
{
    auto db = registry.database();
    if (!db)
        return;
    db->addArea(SandboxWorld::kGoodsRank, QStringLiteral("goods"),
                {QStringLiteral("CREATE TABLE IF NOT EXISTS goods_groups (st_code TEXT NOT NULL, grp_no TEXT NOT NULL,"
                                " name TEXT NOT NULL, data_status TEXT NOT NULL DEFAULT '1', use_type TEXT,"
                                " view_order INTEGER, PRIMARY KEY (st_code, grp_no))"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS goods (st_code TEXT NOT NULL, goods_no TEXT NOT NULL,"
                                " grp_no TEXT, name TEXT NOT NULL, data_status TEXT NOT NULL DEFAULT '1',"
                                " ord_price TEXT, sell_price TEXT, option_1_cnt INTEGER, add_goods_cnt INTEGER,"
                                " type_name TEXT, view_order INTEGER, barcode TEXT, mod_date TEXT NOT NULL,"
                                " ord_status TEXT NOT NULL DEFAULT '1', adult_yn TEXT NOT NULL DEFAULT 'N',"
                                " cup_deposit TEXT NOT NULL DEFAULT '0', ord_dn_price TEXT NOT NULL DEFAULT '0',"
                                " ord_dn_period TEXT NOT NULL DEFAULT '', ord_dn_time TEXT NOT NULL DEFAULT '',"
                                " ord_limit_day TEXT NOT NULL DEFAULT '0', ord_limit_once TEXT NOT NULL DEFAULT '0',"
                                " PRIMARY KEY (st_code, goods_no))"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS goods_options (st_code TEXT NOT NULL, goods_no TEXT NOT NULL,"
                                " op_no TEXT NOT NULL, data_status TEXT NOT NULL DEFAULT '1', option_type TEXT,"
                                " name TEXT, price INTEGER, view_order INTEGER,"
                                " PRIMARY KEY (st_code, goods_no, option_type, op_no))")},
                seedGoods);
    registry.add(QStringLiteral("CS00_05_V01"), [db](const SandboxRequest &r) { return groupLoad(*db, r); });
    registry.add(QStringLiteral("CS00_06_V04"), [db](const SandboxRequest &r) { return goodsLoad(*db, r); });
    registry.add(QStringLiteral("CS05_01_V02"), [db](const SandboxRequest &r) { return goodsDetail(*db, r); });
    registry.add(QStringLiteral("CS05_15_V01"), [db](const SandboxRequest &r) { return goodsSaleStatus(*db, r); });
}
