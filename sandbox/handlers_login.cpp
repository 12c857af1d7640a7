// Demo accounts and the requests around a login: the login itself, SMS codes, the password
// change and its deferral, the registration of an SMS phone and of a PC.
#include "sandbox/handlers_login.h"
#include "sandbox/sandbox_request.h"

#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/world.h"

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTimeZone>

#include <cstdio>
#include <memory>
#include <optional>

namespace
{
QMutex g_switchMutex;
bool g_reveal = qEnvironmentVariableIntValue("COURIER_SANDBOX_REVEAL_SMS") == 1;
QString g_lastCode;

struct DemoUser
{
    QString id;
    QString password;
    QString name;
    QString typeCd;      // class character + grade
    QString hd, br, st;
    QString loginCode = QStringLiteral("1");
    QString loginMsg;
    QString phone;       // the SMS phone on record
    bool phoneVerified = true;
    bool pcRequired = false;
    QSet<QString> pcs;   // registered PC ids
    QString mngDvryType;
    QJsonValue vbankCode = QStringLiteral("004");
};

struct SmsCode
{
    QString id;
    QString phone;
    QString code;
    QDateTime issued;
    bool verified = false;
};

// The accounts live in the world's database (users, user_pcs); the SMS codes only while the host
// runs. The handlers run on one thread, the mutex only guards against a second listener of the
// same host.
struct LoginArea
{
    QMutex mutex;
    std::shared_ptr<SandboxDatabase> db;
    QHash<QString, SmsCode> codes;  // by sequence number
    int nextSeq = 1000;
};

const QString kUserColumns = QStringLiteral(
    "id, password, name, type_cd, hd, br, st, login_code, login_msg, phone, phone_verified, pc_required,"
    " mng_dvry_type, vbank_code");

std::optional<DemoUser> findUser(const LoginArea &area, const QString &id)
{
    if (id.isEmpty())
        return std::nullopt;
    const auto rows = area.db->rows(QStringLiteral("SELECT ") + kUserColumns + QStringLiteral(" FROM users WHERE id = ?"),
                                    {id});
    if (rows.isEmpty())
        return std::nullopt;
    const QVariantList &r = rows.first();
    DemoUser u;
    u.id = r.at(0).toString();
    u.password = r.at(1).toString();
    u.name = r.at(2).toString();
    u.typeCd = r.at(3).toString();
    u.hd = r.at(4).toString();
    u.br = r.at(5).toString();
    u.st = r.at(6).toString();
    u.loginCode = r.at(7).toString();
    u.loginMsg = r.at(8).toString();
    u.phone = r.at(9).toString();
    u.phoneVerified = r.at(10).toInt() != 0;
    u.pcRequired = r.at(11).toInt() != 0;
    u.mngDvryType = r.at(12).toString();
    u.vbankCode = r.at(13).isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(r.at(13).toString());
    for (const QVariantList &pc : area.db->rows(QStringLiteral("SELECT mc FROM user_pcs WHERE id = ?"), {id}))
        u.pcs.insert(pc.at(0).toString());
    return u;
}

void updateUser(const LoginArea &area, const QString &id, const QString &assignments, QVariantList binds)
{
    binds.append(id);
    area.db->exec(QStringLiteral("UPDATE users SET ") + assignments + QStringLiteral(" WHERE id = ?"), binds);
}

constexpr int kCodeLifetimeSec = 180;
constexpr int kMinPasswordLength = 10;

DemoUser user(const char *id, const char *pw, const char *name, const char *type, const char *phone)
{
    DemoUser u;
    u.id = QString::fromUtf8(id);
    u.password = QString::fromUtf8(pw);
    u.name = QString::fromUtf8(name);
    u.typeCd = QString::fromLatin1(type);
    u.hd = QStringLiteral("H0001");
    u.br = QStringLiteral("B000101");
    u.st = QStringLiteral("S000101");
    u.phone = QString::fromLatin1(phone);
    return u;
}

void seedUsers(SandboxDatabase &db, SandboxRandom &)
{
    QList<DemoUser> list;
    // Grade 2 (characters 2 to 4 of the type): the store sees its money, which grade 3 does not.
    list << user(SandboxLogin::kDemoId, SandboxLogin::kDemoPassword, "데모가맹점", "1002", "01012345678");
    list << user("store01", "Store!2026pw", "행복치킨 본점", "1002", "01011112222");
    DemoUser branch = user("branch01", "Branch!2026pw", "강남총판", "5000", "01022223333");
    branch.st.clear();
    branch.mngDvryType = QStringLiteral("D001");
    list << branch;
    DemoUser head = user("head01", "Head!2026pw", "제휴본사", "7001", "01033334444");
    head.br.clear();
    head.st.clear();
    head.vbankCode = QJsonValue::Null;
    list << head;
    list << user("system01", "System!2026pw", "시스템", "9000", "01044445555");
    for (const char *code : {"3", "4", "9"}) {
        DemoUser u = user("", "Code!2026pw", "코드가맹점", "1003", "01055556666");
        u.id = QStringLiteral("code") + QLatin1String(code);
        u.loginCode = QLatin1String(code);
        list << u;
    }
    const struct { const char *id; const char *code; const char *msg; } changes[] = {
        {"expire17", "17", "비밀번호 오류 횟수를 초과하였습니다."},
        {"expire23", "23", "비밀번호를 변경한 지 90일이 지났습니다."},
        {"reset24", "24", "임시 비밀번호로 로그인하였습니다."},
    };
    for (const auto &c : changes) {
        DemoUser u = user(c.id, "Change!2026pw", "변경가맹점", "1003", "01066667777");
        u.loginCode = QLatin1String(c.code);
        u.loginMsg = QString::fromUtf8(c.msg);
        list << u;
    }
    DemoUser phone = user("phone01", "Phone!2026pw", "인증가맹점", "1003", "");
    phone.phoneVerified = false;
    list << phone;
    DemoUser pc = user("pcreg01", "Pcreg!2026pw", "PC등록가맹점", "1003", "01088889999");
    pc.pcRequired = true;
    list << pc;
    QList<QVariantList> rows;
    for (const DemoUser &u : list)
        rows.append({u.id, u.password, u.name, u.typeCd, u.hd, u.br, u.st, u.loginCode, u.loginMsg, u.phone,
                     u.phoneVerified ? 1 : 0, u.pcRequired ? 1 : 0, u.mngDvryType,
                     u.vbankCode.isNull() ? QVariant() : QVariant(u.vbankCode.toString())});
    db.insertRows(QStringLiteral("users"),
                  {"id", "password", "name", "type_cd", "hd", "br", "st", "login_code", "login_msg", "phone",
                   "phone_verified", "pc_required", "mng_dvry_type", "vbank_code"},
                  rows);
}

QJsonObject loginRow(const DemoUser &u, const QString &mc)
{
    const QStringList texts = {
        QStringLiteral("U") + u.id, u.name, u.typeCd, u.hd, u.br, u.st, QStringLiteral("D100"), u.name,
        QStringLiteral("150000"), u.phone, KoreanNowStamp()};
    QJsonObject row;
    for (int i = 0; i < texts.size(); ++i)
        row.insert(QStringLiteral("C_%1").arg(i), texts.at(i));
    row.insert(QStringLiteral("C_11"), u.vbankCode);
    row.insert(QStringLiteral("C_12"), u.vbankCode.isNull() ? QJsonValue(QJsonValue::Null)
                                                            : QJsonValue(QStringLiteral(" 123-456-7890 ")));
    row.insert(QStringLiteral("C_13"), QStringLiteral("N"));
    row.insert(QStringLiteral("C_14"), u.mngDvryType);
    row.insert(QStringLiteral("C_15"), QStringLiteral("Y"));
    row.insert(QStringLiteral("C_16"), u.phoneVerified ? QStringLiteral("Y") : QStringLiteral("N"));
    row.insert(QStringLiteral("C_17"), !u.pcRequired || u.pcs.contains(mc) ? QStringLiteral("Y") : QStringLiteral("N"));
    row.insert(QStringLiteral("C_18"), QStringLiteral("1"));
    row.insert(QStringLiteral("C_19"), QStringLiteral(" 1001 , 1003 "));
    row.insert(QStringLiteral("C_20"), QStringLiteral("데모은행"));
    row.insert(QStringLiteral("C_21"), u.typeCd.startsWith(QLatin1Char('5'))   ? QStringLiteral("총판")
                                       : u.typeCd.startsWith(QLatin1Char('7')) ? QStringLiteral("제휴본사")
                                                                               : QStringLiteral("가맹점"));
    for (int i = 22; i <= 26; ++i)
        row.insert(QStringLiteral("C_%1").arg(i), i == 24 || i == 26 ? QStringLiteral("Y") : QStringLiteral("N"));
    row.insert(QStringLiteral("C_27"), QStringLiteral("01"));
    return row;
}

QString field(const QStringList &f, int i)
{
    return i < f.size() ? f.at(i) : QString();
}

// The login and its later re-check are the same request with the same payload; both need the
// user's password.
SandboxReply login(LoginArea &area, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    const QString id = field(f, 0);
    const QString pw = field(f, 1);
    QMutexLocker lock(&area.mutex);
    const auto it = findUser(area, id);
    if (!it || pw.isEmpty() || it->password != pw)
        return SandboxReply::code(QStringLiteral("2"), QStringLiteral("아이디 또는 비밀번호가 일치하지 않습니다."));
    if (it->loginCode != QLatin1String("1")
        && !QStringList{QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("9")}.contains(it->loginCode))
        return SandboxReply::code(it->loginCode, it->loginMsg);
    SandboxReply reply;
    reply.outCode = it->loginCode;
    reply.rows.append(loginRow(*it, field(f, 2)));
    return reply;
}

QString newCode()
{
    return QString::number(QRandomGenerator::global()->bounded(10000, 100000));
}

// Issues a code for id to phone and answers its sequence number in C_0.
SandboxReply issueCode(LoginArea &area, const QString &id, const QString &phone)
{
    SmsCode sms{id, phone, newCode(), QDateTime::currentDateTimeUtc(), false};
    const QString seq = QString::number(++area.nextSeq);
    area.codes.insert(seq, sms);
    QString msg = QStringLiteral("인증번호가 발송되었습니다.");
    {
        QMutexLocker lock(&g_switchMutex);
        g_lastCode = sms.code;
        if (g_reveal) {
            msg += QStringLiteral(" [") + sms.code + QLatin1Char(']');
            std::fprintf(stderr, "SANDBOX SMS %s -> %s\n", qPrintable(phone), qPrintable(sms.code));
        }
    }
    SandboxReply reply = SandboxReply::rowsOf({{seq}});
    reply.outMsg = msg;
    return reply;
}

// The pending code seq for id, when code matches and it has not expired.
SmsCode *matchCode(LoginArea &area, const QString &seq, const QString &code, const QString &id)
{
    auto it = area.codes.find(seq);
    if (it == area.codes.end() || it->code != code || (!id.isEmpty() && it->id != id))
        return nullptr;
    if (it->issued.secsTo(QDateTime::currentDateTimeUtc()) > kCodeLifetimeSec)
        return nullptr;
    return &*it;
}

SandboxReply wrongCode()
{
    return SandboxReply::code(QStringLiteral("2"), QStringLiteral("인증번호가 일치하지 않습니다."));
}

bool plausiblePhone(const QString &phone)
{
    static const QRegularExpression digits(QStringLiteral("^01\\d{8,9}$"));
    return digits.match(phone).hasMatch();
}

SandboxReply passwordSms(LoginArea &area, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // "U", ID, "3", phone
    QMutexLocker lock(&area.mutex);
    const auto it = findUser(area, field(f, 1));
    if (!it || it->phone.isEmpty() || it->phone != field(f, 3))
        return SandboxReply::code(QStringLiteral("2"), QStringLiteral("등록된 아이디와 휴대폰 번호가 일치하지 않습니다."));
    return issueCode(area, it->id, it->phone);
}

SandboxReply passwordCodeCheck(LoginArea &area, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // seq, code
    QMutexLocker lock(&area.mutex);
    SmsCode *sms = matchCode(area, field(f, 0), field(f, 1), QString());
    if (!sms)
        return wrongCode();
    sms->verified = true;
    return SandboxReply::ok();
}

SandboxReply passwordChange(LoginArea &area, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    QMutexLocker lock(&area.mutex);
    if (field(f, 0) == QLatin1String("0")) {  // "0", "", "", "U", ID, "", "Y": defer 90 days
        const auto it = findUser(area, field(f, 4));
        if (!it || it->loginCode != QLatin1String("23"))
            return SandboxReply::code(QStringLiteral("2"), QStringLiteral("유예할 수 없는 계정입니다."));
        updateUser(area, it->id, QStringLiteral("login_code = '1'"), {});
        return SandboxReply::ok();
    }
    // "1", seq, code, "U", ID, new password, "N"
    const QString id = field(f, 4);
    SmsCode *sms = matchCode(area, field(f, 1), field(f, 2), id);
    const auto it = findUser(area, id);
    if (!sms || !sms->verified || !it)
        return wrongCode();
    const QString pw = field(f, 5);
    if (pw.size() < kMinPasswordLength)
        return SandboxReply::code(QStringLiteral("2"), QStringLiteral("비밀번호는 10자 이상이어야 합니다."));
    updateUser(area, id, QStringLiteral("password = ?, login_code = '1'"), {pw});
    area.codes.remove(field(f, 1));
    return SandboxReply::ok();
}

SandboxReply registrationSms(LoginArea &area, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // class or "L5", USER_CODE, ID, "1" phone / "2" PC, phone
    QMutexLocker lock(&area.mutex);
    const auto it = findUser(area, field(f, 2));
    const QString phone = field(f, 4);
    if (!it)
        return SandboxReply::code(QStringLiteral("2"), QStringLiteral("사용자 정보가 없습니다."));
    if (!plausiblePhone(phone))
        return SandboxReply::code(QStringLiteral("2"), QStringLiteral("휴대전화번호가 올바르지 않습니다."));
    if (field(f, 3) == QLatin1String("2") && phone != it->phone)
        return SandboxReply::code(QStringLiteral("2"), QStringLiteral("등록된 인증 휴대전화번호가 아닙니다."));
    return issueCode(area, it->id, phone);
}

SandboxReply registerPhone(LoginArea &area, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // seq, code, class, USER_CODE, ID, phone
    QMutexLocker lock(&area.mutex);
    SmsCode *sms = matchCode(area, field(f, 0), field(f, 1), field(f, 4));
    const auto it = findUser(area, field(f, 4));
    if (!sms || !it || sms->phone != field(f, 5))
        return wrongCode();
    updateUser(area, it->id, QStringLiteral("phone = ?, phone_verified = 1"), {sms->phone});
    area.codes.remove(field(f, 0));
    return SandboxReply::ok();
}

SandboxReply registerPc(LoginArea &area, const SandboxRequest &req)
{
    const QStringList f = req.fields();  // seq, code, class, USER_CODE, ID, MC, "P", alias
    QMutexLocker lock(&area.mutex);
    SmsCode *sms = matchCode(area, field(f, 0), field(f, 1), field(f, 4));
    const auto it = findUser(area, field(f, 4));
    if (!sms || !it)
        return wrongCode();
    if (field(f, 7).toUtf8().size() > 100)
        return SandboxReply::code(QStringLiteral("2"), QStringLiteral("별칭이 너무 깁니다."));
    area.db->exec(QStringLiteral("INSERT INTO user_pcs (id, mc, alias) VALUES (?, ?, ?)"),
                  {it->id, field(f, 5), field(f, 7)});
    area.codes.remove(field(f, 0));
    return SandboxReply::ok();
}

WebReply idSearchPage(const WebRequest &)
{
    static const QByteArray page = QByteArrayLiteral(
        "<!DOCTYPE html><html lang=\"ko\"><head><meta charset=\"utf-8\"><title>아이디/비밀번호 찾기</title></head>"
        "<body><h3>아이디/비밀번호 찾기</h3>"
        "<form onsubmit=\"document.getElementById('r').textContent='등록된 휴대폰으로 안내를 보냈습니다.';return false;\">"
        "<label>이름 <input name=\"nm\"></label><br><label>휴대폰 번호 <input name=\"tel\"></label><br>"
        "<button type=\"submit\">찾기</button></form><p id=\"r\"></p>"
        "<button id=\"close\" onclick=\"alert('close')\">닫기</button></body></html>");
    return WebReply::text(page, "text/html; charset=utf-8");
}
} // namespace

namespace SandboxLogin
{
void setRevealSmsCode(bool on)
{
    QMutexLocker lock(&g_switchMutex);
    g_reveal = on;
}

bool revealSmsCode()
{
    QMutexLocker lock(&g_switchMutex);
    return g_reveal;
}

QString lastSmsCode()
{
    QMutexLocker lock(&g_switchMutex);
    return g_lastCode;
}
} // namespace SandboxLogin

SANDBOX_HANDLER_AREA(login)
{
    auto area = std::make_shared<LoginArea>();
    area->db = registry.database();
    if (!area->db)
        return;
    area->db->addArea(SandboxWorld::kUsersRank, QStringLiteral("users"),
                      {QStringLiteral("CREATE TABLE IF NOT EXISTS users (id TEXT PRIMARY KEY, password TEXT NOT NULL,"
                                      " name TEXT NOT NULL, type_cd TEXT NOT NULL, hd TEXT, br TEXT, st TEXT,"
                                      " login_code TEXT NOT NULL DEFAULT '1', login_msg TEXT, phone TEXT,"
                                      " phone_verified INTEGER NOT NULL DEFAULT 1, pc_required INTEGER NOT NULL"
                                      " DEFAULT 0, mng_dvry_type TEXT, vbank_code TEXT)"),
                       QStringLiteral("CREATE TABLE IF NOT EXISTS user_pcs (id TEXT NOT NULL, mc TEXT NOT NULL,"
                                      " alias TEXT)")},
                      seedUsers);
    registry.add(QStringLiteral("LN02_01_V02"), [area](const SandboxRequest &r) { return login(*area, r); });
    registry.add(QStringLiteral("CS08_17_V01"), [area](const SandboxRequest &r) { return passwordSms(*area, r); });
    registry.add(QStringLiteral("CS08_13_V01"), [area](const SandboxRequest &r) { return passwordCodeCheck(*area, r); });
    registry.add(QStringLiteral("CS08_18_V01"), [area](const SandboxRequest &r) { return passwordChange(*area, r); });
    registry.add(QStringLiteral("LN00_03_V01"), [area](const SandboxRequest &r) { return registrationSms(*area, r); });
    registry.add(QStringLiteral("LN00_04_V01"), [area](const SandboxRequest &r) { return registerPhone(*area, r); });
    registry.add(QStringLiteral("LN00_05_V01"), [area](const SandboxRequest &r) { return registerPc(*area, r); });
    registry.addRoute(QStringLiteral("/member/user_sch.php"), idSearchPage);
}
