// Notices and messages of the demo world: the notice loads, the message poll with its sync mark,
// sending, answering, and a web route and scenario step that post new ones.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_messages.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/world.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QMutex>

#include <memory>

namespace
{
// Columns of a message in record order.
const QStringList kMsgColumns = {
    "msg_no", "put_date", "chnl_type", "view_type", "msg_type_cd", "title", "content", "btn1_type", "btn1_text",
    "btn2_type", "btn2_text", "btn3_type", "btn3_text", "con_type", "con_seq_no", "add1", "add2", "add3",
    "snd_grp_type", "snd_grp_code", "snd_grp_id", "snd_device_id", "snd_device_type", "msg_sound", "mod_date",
    "conf_yn", "rcv_grp_type", "rcv_grp_code", "rcv_grp_id", "rcv_device_id", "rcv_device_type"};

QString now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"));
}

// Every insert and change of a message takes the next change number; the poll's sync mark is the
// highest number the client has seen.
qint64 nextChange(const SandboxDatabase &db)
{
    return db.value(QStringLiteral("SELECT COALESCE(MAX(change_seq), 0) + 1 FROM messages")).toLongLong();
}

QString str(const QJsonObject &o, const char *key, const QString &def = QString())
{
    const QJsonValue v = o.value(QLatin1String(key));
    const QString out = v.isString() ? v.toString() : def;
    return out.isNull() ? QStringLiteral("") : out;  // a null text would bind as SQL NULL
}

QString insertMessage(const SandboxDatabase &db, QStringList values)
{
    QString msgNo;
    static QMutex lock;  // one writer at a time keeps the change numbers unique
    QMutexLocker guard(&lock);
    db.transaction([&] {
        const qint64 id = db.value(QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM messages")).toLongLong();
        msgNo = QStringLiteral("%1%2").arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))).arg(id, 8, 10, QLatin1Char('0'));
        values[0] = msgNo;
        QStringList marks;
        QVariantList binds = {id, nextChange(db)};
        for (const QString &v : values) {
            marks << QStringLiteral("?");
            binds << (v.isNull() ? QStringLiteral("") : v);
        }
        db.exec(QStringLiteral("INSERT INTO messages (id, change_seq, %1) VALUES (?, ?, %2)")
                    .arg(kMsgColumns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                binds);
    });
    return msgNo;
}

QStringList messageRow(const QVariantList &r)
{
    QStringList out;
    for (const QVariant &v : r)
        out << v.toString();
    return out;
}

SandboxReply poll(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    if (f.size() < 9)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("요청 항목이 부족합니다."));
    const QString hd = f.at(1), br = f.at(2), st = f.at(3), id = f.at(4), mark = f.at(7);
    bool numeric = false;
    const qint64 since = mark.toLongLong(&numeric);
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    const QString where = QStringLiteral(
        "(rcv_grp_id = ? OR (rcv_grp_id = '' AND rcv_grp_type <> 'W' AND (rcv_grp_code = '' OR rcv_grp_code IN (?, ?, ?))))");
    QList<QVariantList> rows;
    if (numeric && since > 0) {
        rows = db.rows(QStringLiteral("SELECT %1 FROM messages WHERE change_seq > ? AND %2 ORDER BY id").arg(kMsgColumns.join(','), where),
                       {since, id, hd, br, st});
    } else {
        rows = db.rows(QStringLiteral("SELECT %1 FROM messages WHERE put_date LIKE ? AND %2 ORDER BY id").arg(kMsgColumns.join(','), where),
                       {today + QLatin1Char('%'), id, hd, br, st});
    }
    QList<QStringList> out;
    for (const QVariantList &r : rows)
        out << messageRow(r);
    const QString newMark = QString::number(db.value(QStringLiteral("SELECT COALESCE(MAX(change_seq), 0) FROM messages")).toLongLong());
    return SandboxReply::rowsOf(out, newMark);
}

SandboxReply send(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    if (f.size() < 20)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("요청 항목이 부족합니다."));
    const QString rcvType = f.at(15), rcvCode = f.at(16).trimmed();
    if (rcvCode.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("받는 대상이 없습니다."));
    const auto exists = [&](const QString &sql) { return db.value(sql, {rcvCode}).isValid(); };
    if ((rcvType == QLatin1String("3") && !exists(QStringLiteral("SELECT 1 FROM stores WHERE st_code = ?")))
        || (rcvType == QLatin1String("5") && !exists(QStringLiteral("SELECT 1 FROM branches WHERE br_code = ?")))
        || (rcvType == QLatin1String("7") && !exists(QStringLiteral("SELECT 1 FROM head_offices WHERE hd_code = ?"))))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("받는 대상을 찾을 수 없습니다."));
    const QString t = now();
    // Record order: msg_no, put_date, chnl, view, type, title, content, 6 button fields, con_type,
    // con_seq_no, add1..3, sender 5, sound, mod_date, conf, receiver 5.
    QStringList v = {QString(), t, f.at(0), f.at(1), f.at(2), f.at(3), f.at(4), {}, {}, {}, {}, {}, {}, f.at(5), f.at(6),
                     f.at(7), f.at(8), f.at(9), f.at(10), f.at(11), f.at(12), f.at(13), f.at(14), {}, t, QStringLiteral("N"),
                     f.at(15), f.at(16), f.at(17), f.at(18), f.at(19)};
    SandboxReply reply = SandboxReply::ok();
    reply.outVal = insertMessage(db, v);
    return reply;
}

SandboxReply answer(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    if (f.size() < 16)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("요청 항목이 부족합니다."));
    const QString msgNo = f.at(0);
    if (!db.value(QStringLiteral("SELECT 1 FROM messages WHERE msg_no = ?"), {msgNo}).isValid())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("메세지를 찾을 수 없습니다."));
    static QMutex lock;
    QMutexLocker guard(&lock);
    db.exec(QStringLiteral("UPDATE messages SET conf_yn = 'Y', answer_type = ?, answer_text = ?, mod_date = ?,"
                           " change_seq = (SELECT COALESCE(MAX(change_seq), 0) + 1 FROM messages) WHERE msg_no = ?"),
            {f.at(1), f.at(5), now(), msgNo});
    return SandboxReply::ok();
}

bool noticeForUser(const QVariantList &r, const QString &hd, const QString &br, const QString &st)
{
    // target_hd, target_br, target_st are the last three columns of a notice query.
    const int n = int(r.size());
    const QString th = r.at(n - 3).toString(), tb = r.at(n - 2).toString(), ts = r.at(n - 1).toString();
    return (th.isEmpty() || th == hd) && (tb.isEmpty() || tb == br) && (ts.isEmpty() || ts == st);
}

SandboxReply noticeLoad(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    if (f.size() < 6)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("요청 항목이 부족합니다."));
    const QString hd = f.at(1), br = f.at(2), st = f.at(3), stamp = f.at(5);
    const QString cols = QStringLiteral("kind, title, body, grp_type, grp_code, grp_name, put_date, seq_no, target_hd, target_br, target_st");
    QList<QStringList> fresh;
    for (const QVariantList &r : db.rows(QStringLiteral("SELECT %1 FROM notices WHERE put_date > ? ORDER BY seq_no").arg(cols), {stamp})) {
        if (noticeForUser(r, hd, br, st))
            fresh << messageRow(r.mid(0, 8));
    }
    QJsonArray ticker;
    for (const QVariantList &r : db.rows(QStringLiteral("SELECT %1 FROM notices WHERE ticker = 'Y' ORDER BY seq_no").arg(cols))) {
        if (noticeForUser(r, hd, br, st))
            ticker.append(SandboxText::joinFields(messageRow(r.mid(0, 8))));
    }
    SandboxReply reply = SandboxReply::rowsOf(fresh);
    reply.extra.insert(QStringLiteral("OUT_ROW2"), ticker);
    return reply;
}

SandboxReply noticeBySeq(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    if (f.size() < 2)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("요청 항목이 부족합니다."));
    const auto rows = db.rows(QStringLiteral("SELECT seq_no, title, body, grp_type, grp_code, grp_name, put_date, selector, ticker"
                                             " FROM notices WHERE seq_no = ?"),
                              {f.at(1)});
    QList<QStringList> out;
    for (const QVariantList &r : rows) {
        QStringList row = messageRow(r.mid(0, 7));
        while (row.size() < 16)
            row << QString();
        row[11] = r.at(7).toString();
        row[15] = r.at(8).toString();
        out << row;
    }
    return SandboxReply::rowsOf(out);
}

WebReply postRoute(const SandboxDatabase &db, const WebRequest &request)
{
    if (request.method != "POST" || request.body.size() > 64 * 1024)
        return WebReply::error(400);
    const QJsonDocument doc = QJsonDocument::fromJson(request.body);
    if (!doc.isObject())
        return WebReply::error(400);
    const QJsonObject o = doc.object();
    QJsonObject answer;
    if (o.value(QStringLiteral("what")).toString() != QLatin1String("notice")) {
        answer.insert(QStringLiteral("msg_no"), SandboxMessages::postMessage(db, o));
    } else {
        answer.insert(QStringLiteral("seq_no"), SandboxMessages::postNotice(db, o));
    }
    return WebReply::text(QJsonDocument(answer).toJson(QJsonDocument::Compact), "application/json");
}

const QStringList kScenarioTexts = {"오늘 오후 비 예보가 있습니다. 안전운행 부탁드립니다.", "점심 피크 시간 배차 지연에 유의해주세요.",
                                    "신규 가맹점이 등록되었습니다.", "정산 마감은 오후 6시입니다."};
} // namespace

namespace SandboxMessages
{
QString postMessage(const SandboxDatabase &db, const QJsonObject &m)
{
    const QString t = now();
    QStringList v = {QString(), t, str(m, "chnl", "1"), str(m, "view", "2"), str(m, "type", "4001"),
                     str(m, "title", "알림"), str(m, "content"), str(m, "btn1_type"), str(m, "btn1_text"),
                     str(m, "btn2_type"), str(m, "btn2_text"), str(m, "btn3_type"), str(m, "btn3_text"),
                     str(m, "con_type", "0"), str(m, "con_seq_no"), str(m, "add1"), str(m, "add2"), str(m, "add3"),
                     str(m, "from_type", "9"), str(m, "from_code", "SYS0001"), str(m, "from_id", "system"),
                     str(m, "from_device"), str(m, "from_device_type", "C"), QString(), t, str(m, "conf", "N"),
                     str(m, "to_type"), str(m, "to_code"), str(m, "to_id"), QString(), QString()};
    return insertMessage(db, v);
}

QString postNotice(const SandboxDatabase &db, const QJsonObject &n)
{
    QString seq;
    db.transaction([&] {
        db.exec(QStringLiteral("INSERT INTO notices (kind, title, body, grp_type, grp_code, grp_name, put_date, ticker, selector,"
                               " target_hd, target_br, target_st) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"),
                {str(n, "kind", "플랫폼공지"), str(n, "title", "공지"), str(n, "body"), str(n, "grp_type", "9"),
                 str(n, "grp_code", "SYS0001"), str(n, "grp_name", "플랫폼"), str(n, "put_date", now()),
                 str(n, "ticker", "Y"), str(n, "selector", "1"), str(n, "target_hd"), str(n, "target_br"),
                 str(n, "target_st")});
        seq = db.value(QStringLiteral("SELECT MAX(seq_no) FROM notices")).toString();
    });
    return seq;
}

void confirmMessage(const SandboxDatabase &db, const QString &msgNo)
{
    db.exec(QStringLiteral("UPDATE messages SET conf_yn = 'Y', mod_date = ?,"
                           " change_seq = (SELECT COALESCE(MAX(change_seq), 0) + 1 FROM messages) WHERE msg_no = ?"),
            {now(), msgNo});
}
} // namespace SandboxMessages

SANDBOX_HANDLER_AREA(messages)
{
    auto dbp = registry.database();
    if (!dbp)
        return;
    QStringList msgCols;
    for (const QString &c : kMsgColumns)
        msgCols << c + (c == QLatin1String("msg_no") ? QStringLiteral(" TEXT UNIQUE") : QStringLiteral(" TEXT NOT NULL DEFAULT ''"));
    dbp->addArea(SandboxWorld::kMessagesRank, QStringLiteral("messages"),
                 {QStringLiteral("CREATE TABLE IF NOT EXISTS messages (id INTEGER PRIMARY KEY, change_seq INTEGER NOT NULL, %1,"
                                 " answer_type TEXT NOT NULL DEFAULT '', answer_text TEXT NOT NULL DEFAULT '')")
                      .arg(msgCols.join(QStringLiteral(", "))),
                  QStringLiteral("CREATE INDEX IF NOT EXISTS messages_by_change ON messages (change_seq)"),
                  QStringLiteral("CREATE TABLE IF NOT EXISTS notices (seq_no INTEGER PRIMARY KEY AUTOINCREMENT, kind TEXT NOT NULL,"
                                 " title TEXT, body TEXT, grp_type TEXT, grp_code TEXT, grp_name TEXT, put_date TEXT,"
                                 " ticker TEXT NOT NULL DEFAULT 'Y', selector TEXT NOT NULL DEFAULT '1',"
                                 " target_hd TEXT NOT NULL DEFAULT '', target_br TEXT NOT NULL DEFAULT '',"
                                 " target_st TEXT NOT NULL DEFAULT '')")},
                 [](SandboxDatabase &db, SandboxRandom &) {
                     SandboxMessages::postNotice(db, QJsonObject{{"kind", QStringLiteral("플랫폼공지")},
                                                                 {"title", QStringLiteral("샌드박스 운영 안내")},
                                                                 {"body", QStringLiteral("<p>샌드박스 서버에 오신 것을 환영합니다.</p>")},
                                                                 {"put_date", QStringLiteral("20250101090000")}});
                 });
    registry.add(QStringLiteral("MG00_01_V01"), [dbp](const SandboxRequest &r) { return poll(*dbp, r); });
    registry.add(QStringLiteral("MG00_03_V01"), [dbp](const SandboxRequest &r) { return send(*dbp, r); });
    registry.add(QStringLiteral("MG00_02_V02"), [dbp](const SandboxRequest &r) { return answer(*dbp, r); });
    registry.add(QStringLiteral("CS00_11_V01"), [dbp](const SandboxRequest &r) { return noticeLoad(*dbp, r); });
    registry.add(QStringLiteral("LN00_06_V01"), [dbp](const SandboxRequest &r) { return noticeBySeq(*dbp, r); });
    registry.addRoute(QStringLiteral("/sandbox/post-message"), [dbp](const WebRequest &r) { return postRoute(*dbp, r); });
    // Every few minutes the demo world posts a message to the stores and, now and then, a notice.
    auto last = std::make_shared<QDateTime>();
    auto round = std::make_shared<int>(0);
    registry.addScenarioStep(QStringLiteral("messages"), [last, round](SandboxDatabase &world, SandboxRandom &rng) {
        const QDateTime t = QDateTime::currentDateTime();
        if (last->isValid() && last->secsTo(t) < 180)
            return;
        *last = t;
        SandboxMessages::postMessage(world, QJsonObject{{"title", QStringLiteral("운영 알림")},
                                                        {"content", rng.pick(kScenarioTexts)},
                                                        {"from_type", QStringLiteral("5")},
                                                        {"from_code", QStringLiteral("B000101")}});
        if (++*round % 3 == 1)
            SandboxMessages::postNotice(world, QJsonObject{{"kind", QStringLiteral("제휴사공지")},
                                                           {"title", QStringLiteral("배송 정책 안내")},
                                                           {"body", QStringLiteral("<p>") + rng.pick(kScenarioTexts) + QStringLiteral("</p>")}});
    });
}
