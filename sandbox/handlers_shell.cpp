// The main window's requests and pages: courier-call information, card slips, the platform-payment
// agreement, the registered devices, and the home, contract, payment and promotion pages.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/world.h"

#include <QDateTime>
#include <QUrlQuery>

namespace
{
constexpr int kShellRank = 25;

QByteArray htmlEscape(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

QByteArray page(const QString &title, const QByteArray &body)
{
    return "<!doctype html><html lang=\"ko\"><head><meta charset=\"utf-8\"><title>" + htmlEscape(title)
           + "</title><style>body{font-family:'NanumGothic',sans-serif;margin:24px;color:#222}"
             "h1{color:#1F5FAF;font-size:22px}.card{border:1px solid #C8CDD5;border-radius:6px;padding:12px;"
             "margin:8px 0;background:#F7F9FC}</style></head><body>"
           + body + "</body></html>";
}

void seedShell(SandboxDatabase &db, SandboxRandom &rng)
{
    // Couriers who call stores, with their counts of the day.
    QList<QVariantList> couriers;
    for (int i = 1; i <= 8; ++i)
        couriers.append({QStringLiteral("W%1").arg(i, 5, 10, QLatin1Char('0')), rng.personName(), QStringLiteral("B000101"),
                         rng.mobile(), rng.between(0, 9), rng.between(0, 5), rng.between(0, 30)});
    db.insertRows(QStringLiteral("shell_couriers"),
                  {"wk_code", "name", "br_code", "tel", "assigned", "departed", "completed"}, couriers);

    // Card payments of a few orders of the demo store: one approval, one approval then cancel.
    QList<QVariantList> slips;
    const QStringList acquirers = {"국민카드", "신한카드", "현대카드", "삼성카드"};
    for (int i = 1; i <= 5; ++i) {
        const QString ord = QStringLiteral("2026121100%1").arg(i, 2, 10, QLatin1Char('0'));
        const int total = rng.between(12, 60) * 1000;
        const int tax = total / 11;
        slips.append({ord, 1, QStringLiteral("11"), rng.pick(acquirers), QStringLiteral("0"), rng.digits(6),
                      QStringLiteral("2026-12-11 12:%1:00").arg(10 + i), tax, total, rng.digits(8),
                      QStringLiteral("1208800011"), QStringLiteral("김행복"), QStringLiteral("0234560101"),
                      QStringLiteral("행복치킨 본점"), QStringLiteral("서울특별시 강남구 역삼동 123-4"),
                      i == 3 ? 1000 : 0});
        if (i == 2)
            slips.append({ord, 2, QStringLiteral("12"), slips.last().at(3), QStringLiteral("0"), slips.last().at(5),
                          QStringLiteral("2026-12-11 13:00:00"), tax, total, rng.digits(8), QStringLiteral("1208800011"),
                          QStringLiteral("김행복"), QStringLiteral("0234560101"), QStringLiteral("행복치킨 본점"),
                          QStringLiteral("서울특별시 강남구 역삼동 123-4"), 0});
    }
    db.insertRows(QStringLiteral("shell_card_slips"),
                  {"ord_no", "seq", "kind", "acquirer", "instalment", "card_prefix", "approved_at", "tax", "total",
                   "approval_no", "biz_no", "owner", "tel", "shop_name", "address", "cup_deposit"},
                  slips);

    db.insertRows(QStringLiteral("shell_devices"),
                  {"user_id", "device_id", "device_type", "auth_status", "nick", "put_date"},
                  {{"demo", "[A]PC-DEMO", "P", "1", "계산대 PC", "2026-11-02 10:00:00"},
                   {"demo", "AND-7781", "A", "1", "사장님 폰", "2026-10-15 09:30:00"},
                   {"demo", "WEB-0001", "W", "2", "관리 웹", "2026-09-01 18:20:00"},
                   {"branch01", "[A]PC-BR01", "P", "1", "총판 사무실", "2026-08-20 08:00:00"}});
    // Branch accounts whose platform-payment agreement is still missing.
    db.insertRows(QStringLiteral("shell_platform_contracts"), {"br_code", "agreed"},
                  {{"B000101", "Y"}, {"B000102", "N"}});
}

SandboxReply courierCall(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    if (f.size() < 2)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("필수 정보가 없습니다."));
    const auto rows = db.rows(QStringLiteral("SELECT c.name, b.name, c.tel, c.assigned, c.departed, c.completed "
                                             "FROM shell_couriers c LEFT JOIN branches b ON b.br_code = c.br_code "
                                             "WHERE c.wk_code = ?"),
                              {f.at(1)});
    SandboxReply reply = SandboxReply::ok();
    if (rows.isEmpty())
        return reply;
    const QVariantList &c = rows.first();
    reply.rows.append(SandboxText::joinFields({c.at(0).toString(), c.at(1).toString(), c.at(2).toString()}));
    reply.extra.insert(QStringLiteral("OUT_ROW2"),
                       QJsonArray{SandboxText::joinFields({c.at(3).toString(), c.at(4).toString(), c.at(5).toString()})});
    return reply;
}

SandboxReply cardSlips(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    if (f.isEmpty() || f.at(0).isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("주문번호가 없습니다."));
    const auto rows = db.rows(QStringLiteral("SELECT ord_no, kind, acquirer, instalment, card_prefix, approved_at, tax, "
                                             "total, approval_no, biz_no, owner, tel, shop_name, address, '', cup_deposit "
                                             "FROM shell_card_slips WHERE ord_no = ? ORDER BY seq"),
                              {f.at(0)});
    QList<QStringList> out;
    for (const QVariantList &row : rows) {
        QStringList fields;
        for (const QVariant &v : row)
            fields << v.toString();
        fields << QString();  // reserved
        out << fields;
    }
    return SandboxReply::rowsOf(out);
}

SandboxReply platformContract(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    const QVariant agreed = db.value(QStringLiteral("SELECT agreed FROM shell_platform_contracts WHERE br_code = ?"),
                                     {f.value(0)});
    SandboxReply reply = SandboxReply::ok();
    reply.outVal = agreed.isValid() ? agreed.toString() : QStringLiteral("Y");
    return reply;
}

SandboxReply deviceList(SandboxDatabase &db, const SandboxRequest &r)
{
    const auto rows = db.rows(QStringLiteral("SELECT user_id, device_id, device_type, auth_status, nick, put_date "
                                             "FROM shell_devices WHERE user_id = ? ORDER BY put_date DESC"),
                              {r.fields().value(0)});
    SandboxReply reply = SandboxReply::ok();
    for (const QVariantList &row : rows) {
        QJsonObject o;
        for (int i = 0; i < row.size(); ++i)
            o.insert(QStringLiteral("C_%1").arg(i), row.at(i).toString());
        reply.rows.append(o);
    }
    return reply;
}

SandboxReply deviceChange(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    if (f.size() < 5 || f.at(1).isEmpty() || f.at(2).isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("필수 정보가 없습니다."));
    if (f.at(4) != QLatin1String("0") && f.at(4) != QLatin1String("1") && f.at(4) != QLatin1String("2"))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("상태 값이 올바르지 않습니다."));
    if (f.at(3).toUtf8().size() > 100)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("별칭이 너무 깁니다."));
    const QSqlQuery q = db.exec(QStringLiteral("UPDATE shell_devices SET nick = ?, auth_status = ? WHERE user_id = ? "
                                               "AND device_id = ?"),
                                {f.at(3), f.at(4), f.at(1), f.at(2)});
    if (q.numRowsAffected() < 1)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("등록된 단말기가 아닙니다."));
    return SandboxReply::ok();
}

WebReply homePage(const WebRequest &req)
{
    const QString name = req.queryValue(QStringLiteral("USER_NAME"));
    const QString group = req.queryValue(QStringLiteral("GRP_NAME"));
    QByteArray body = "<h1>" + htmlEscape(name.isEmpty() ? QStringLiteral("Courier Desk") : name)
                      + "님, 안녕하세요</h1><div class=\"card\">소속: " + htmlEscape(group)
                      + "</div><div class=\"card\">오늘의 공지: 연말 배송 물량이 늘어납니다. 배차 시간을 확인해 주세요.</div>";
    return WebReply::text(page(QStringLiteral("홈"), body), "text/html; charset=utf-8");
}

// The pieces of a posted "sData=COMMON│ID│PW│KIND│P│MC│" form. The pieces are split on the raw
// separator first and decoded one by one, so an encoded separator inside an ID stays in the ID.
QStringList postedPieces(const QByteArray &body)
{
    QByteArray data = body;
    const int eq = data.indexOf('=');
    data = eq >= 0 ? data.mid(eq + 1) : QByteArray();
    QStringList pieces;
    const QByteArray sep = QStringLiteral("│").toUtf8();
    qsizetype from = 0;
    while (from < data.size()) {
        qsizetype at = data.indexOf(sep, from);
        if (at < 0)
            at = data.size();
        pieces << QString::fromUtf8(QByteArray::fromPercentEncoding(data.mid(from, at - from)));
        from = at + sep.size();
    }
    return pieces;
}

// The platform-payment agreement: the signer is named, the password is never echoed.
QByteArray agreementBody(const QString &id)
{
    return "<h1>페이백 보상지급 서명</h1><div class=\"card\">" + htmlEscape(id)
           + " 님, 아래 약관을 확인하고 서명해 주세요.</div>"
             "<div class=\"card\">페이백 보상금은 매월 말일에 정산되어 등록된 계좌로 지급됩니다.</div>"
             "<button id=\"sign\" onclick=\"alert('정상처리되었습니다.');alert('종료 처리')\">서명하기</button>";
}

WebReply contractPage(const WebRequest &req)
{
    const QStringList parts = postedPieces(req.body);
    return WebReply::text(page(QStringLiteral("서명"), agreementBody(parts.value(1))), "text/html; charset=utf-8");
}

// The money page at the address the server configuration hands out as PAY_SEND_URL: one address
// for every kind of page posted to it; kind "000008" is the platform-payment agreement, any other
// kind the payment request.
WebReply paySendPage(const WebRequest &req)
{
    if (req.method != "POST")
        return WebReply::text(page(QStringLiteral("결제"), "<h1>결제</h1><div class=\"card\">잘못된 요청입니다.</div>"),
                              "text/html; charset=utf-8");
    const QStringList parts = postedPieces(req.body);
    const QString id = parts.value(1);
    const QString kind = parts.value(3);
    if (kind == QLatin1String("000008"))
        return WebReply::text(page(QStringLiteral("서명"), agreementBody(id)), "text/html; charset=utf-8");
    // The money-transfer request: shows what was posted (never the password).
    if (kind == QLatin1String("000023")) {
        const QByteArray body = "<h1>머니송금 요청</h1><div class=\"card\">요청자: " + htmlEscape(id) + "</div><div class=\"card\">PC: "
                                + htmlEscape(parts.value(5)) + "</div><div class=\"card\">송금할 금액과 대상을 적어 요청해 주세요.</div>"
                                  "<button id=\"send\" onclick=\"alert('정상처리되었습니다.')\">요청하기</button>";
        return WebReply::text(page(QStringLiteral("머니송금 요청"), body), "text/html; charset=utf-8");
    }
    const QByteArray body = "<h1>결제 요청</h1><div class=\"card\">" + htmlEscape(id) + " 님의 결제 요청 (" + htmlEscape(kind)
                            + ")</div><div class=\"card\">결제 금액과 수단을 확인한 뒤 결제를 진행해 주세요.</div>"
                              "<button id=\"pay\" onclick=\"alert('정상처리되었습니다.');alert('종료 처리')\">결제하기</button>"
                              " <button id=\"close\" onclick=\"alert('종료 처리')\">닫기</button>";
    return WebReply::text(page(QStringLiteral("결제"), body), "text/html; charset=utf-8");
}
} // namespace

SANDBOX_HANDLER_AREA(shell)
{
    auto db = registry.database();
    if (!db)
        return;
    db->addArea(kShellRank, QStringLiteral("shell"),
                {QStringLiteral("CREATE TABLE IF NOT EXISTS shell_couriers (wk_code TEXT PRIMARY KEY, name TEXT, "
                                "br_code TEXT, tel TEXT, assigned INTEGER, departed INTEGER, completed INTEGER)"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS shell_card_slips (ord_no TEXT, seq INTEGER, kind TEXT, "
                                "acquirer TEXT, instalment TEXT, card_prefix TEXT, approved_at TEXT, tax INTEGER, "
                                "total INTEGER, approval_no TEXT, biz_no TEXT, owner TEXT, tel TEXT, shop_name TEXT, "
                                "address TEXT, cup_deposit INTEGER, PRIMARY KEY (ord_no, seq))"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS shell_devices (user_id TEXT, device_id TEXT, "
                                "device_type TEXT, auth_status TEXT, nick TEXT, put_date TEXT, "
                                "PRIMARY KEY (user_id, device_id))"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS shell_platform_contracts (br_code TEXT PRIMARY KEY, "
                                "agreed TEXT)")},
                seedShell);
    std::weak_ptr<SandboxDatabase> weak = db;
    auto bind = [weak](SandboxReply (*fn)(SandboxDatabase &, const SandboxRequest &)) {
        return [weak, fn](const SandboxRequest &r) {
            auto d = weak.lock();
            if (!d)
                return SandboxReply::code(QStringLiteral("0"), QStringLiteral("database closed"));
            return fn(*d, r);
        };
    };
    registry.add(QStringLiteral("CS07_38_V01"), bind(courierCall));
    registry.add(QStringLiteral("CS01_47_V01"), bind(cardSlips));
    registry.add(QStringLiteral("CS08_21_V01"), bind(platformContract));
    registry.add(QStringLiteral("CS08_11_V02"), bind(deviceList));
    registry.add(QStringLiteral("CS08_12_V02"), bind(deviceChange));
    registry.addRoute(QStringLiteral("/"), homePage);
    // The address worlds seeded before the home page moved to "/" still hand out.
    registry.addRoute(QStringLiteral("/home/index.html"), homePage);
    registry.addRoute(QStringLiteral("/contract/platform_pay"), contractPage);
    registry.addRoute(QStringLiteral("/pay/send.html"), paySendPage);
    registry.addRoute(QStringLiteral("/promo/card.html"), [](const WebRequest &) {
        return WebReply::text(page(QStringLiteral("카드 혜택"), "<h1>카드 혜택</h1><div class=\"card\">가맹점 전용 카드 혜택 안내</div>"),
                              "text/html; charset=utf-8");
    });
    registry.addRoute(QStringLiteral("/promo/post.html"), [](const WebRequest &) {
        return WebReply::text(page(QStringLiteral("이용 후기"), "<h1>이용 후기</h1><div class=\"card\">사장님들의 이용 후기</div>"),
                              "text/html; charset=utf-8");
    });
}
