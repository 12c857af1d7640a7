#include "boards/new_order_alarm.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "boards/order_actions.h"
#include "records/address_texts.h"
#include "records/business_rules.h"
#include "records/order_time_texts.h"
#include "records/session_records.h"
#include "text/date_helpers.h"
#include "text/text_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace
{
const QString kDetailCode = QStringLiteral("CS01_13_V01");
constexpr qint64 kPriceLimit = 1000000000000LL;  // no order line is worth a trillion
constexpr int kQuantityLimit = 1000000;

qint64 price(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? std::clamp(v, -kPriceLimit, kPriceLimit) : 0;
}

int quantity(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? std::clamp(v, -kQuantityLimit, kQuantityLimit) : 1;
}

int lineKey(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

QStringList rowsOf(const QJsonObject &page, const char *name)
{
    QStringList out;
    for (const QJsonValue &v : page.value(QLatin1String(name)).toArray())
        out.append(v.isObject() ? v.toObject().value(QStringLiteral("C_0")).toVariant().toString()
                                : v.toVariant().toString());
    return out;
}
} // namespace

int AlarmDeadlineMinutes(const QString &orderPath)
{
    if (orderPath == QLatin1String("1014"))
        return 10;
    if (orderPath == QLatin1String("1001") || orderPath == QLatin1String("1016") || orderPath == QLatin1String("1028"))
        return 5;
    return 0;
}

QString AlarmCountdownText(qint64 secondsLeft)
{
    const qint64 m = secondsLeft / 60;
    if (m >= 1)
        return QString::number(m) + QStringLiteral("분 ") + QString::number(secondsLeft % 60) + QStringLiteral("초");
    return QString::number(secondsLeft % 60) + QStringLiteral("초");
}

AlarmTick NewOrderAlarmTick(const QString &orderPath, const QString &orderTime, const QDateTime &shownAt,
                            const QDateTime &now)
{
    AlarmTick t;
    const int minutes = AlarmDeadlineMinutes(orderPath);
    bool ok = false;
    const QDateTime placed = minutes > 0 ? ParseFmtDateTime(orderTime, &ok) : QDateTime();
    if (minutes == 0 || !ok) {
        // No countdown: a reminder every 10 seconds since the window showed.
        const qint64 since = shownAt.msecsTo(now) / 1000;
        t.sound = since >= 0 && since % 10 == 0;
        return t;
    }
    const qint64 leftMs = now.msecsTo(placed.addSecs(qint64(minutes) * 60));
    if (leftMs <= 0) {
        t.close = true;
        return t;
    }
    const qint64 s = leftMs / 1000;
    t.waitText = AlarmCountdownText(s);
    t.sound = orderPath == QLatin1String("1014") ? (s < 300 && s % 30 == 0) : (s % 10 == 0);
    return t;
}

QString AlarmDistanceText(const QString &metres)
{
    bool ok = false;
    const double m = metres.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(m) || m <= 0)
        return QStringLiteral("0Km");
    const double whole = std::trunc(std::min(m, 1e12));
    return QString::number(whole / 1000.0, 'g', 15) + QStringLiteral("Km");
}

QString AlarmPaymentText(const QString &payWhere, const QString &payKind)
{
    const bool cash = payKind == QLatin1String("1001");
    if (payWhere == QLatin1String("1"))
        return cash ? QStringLiteral("현금") : QStringLiteral("카드");
    if (payWhere == QLatin1String("3"))
        return cash ? QStringLiteral("출발지-현금") : QStringLiteral("출발지-카드");
    return QStringLiteral("선결제");
}

QString AlarmAddressText(const QString &lotAddr, const QString &roadAddr, const QString &detail)
{
    QString text = ShortAddrText(lotAddr.trimmed(), roadAddr.trimmed());
    if (!detail.isEmpty() && !(PosIgnoreSpace(detail, text) > 0))
        text += detail;
    return text.trimmed();
}

QList<AlarmGoodsLine> AlarmGoodsTree(const QStringList &goodsRows, const QStringList &additionRows)
{
    QList<AlarmGoodsLine> goods;
    QStringList keys;  // the raw key text of each goods line
    qint64 base = 0;
    for (const QString &row : goodsRows) {
        const QStringList f = SplitUnescaped(G_FIELD_SEP, row);
        if (f.value(1) == QLatin1String("0") && f.value(2).isEmpty())
            continue;
        if (f.value(6) == QLatin1String("1"))
            base = price(f.value(4));
        else if (f.value(6) == QLatin1String("2"))
            base = price(f.value(5));
        AlarmGoodsLine g;
        g.code = f.value(1);
        g.name = f.value(2);
        g.quantity = quantity(f.value(3));
        g.key = lineKey(f.value(11));
        static const int codes[4] = {12, 13, 16, 19};
        static const int names[4] = {7, 9, 14, 17};
        static const int prices[4] = {8, 10, 15, 18};
        qint64 unit = base;
        for (int i = 0; i < 4; ++i) {
            const QString code = f.value(codes[i]);
            g.options[size_t(i)].code = code == QLatin1String("0") ? QString() : code;
            g.options[size_t(i)].name = f.value(names[i]).trimmed();
            g.options[size_t(i)].price = price(f.value(prices[i]));
            unit += g.options[size_t(i)].price;
        }
        g.unitPrice = unit;
        g.amount = unit * g.quantity;
        goods.append(g);
        keys.append(f.value(11));
    }
    for (const QString &row : additionRows) {
        const QStringList f = SplitUnescaped(G_FIELD_SEP, row);
        if (f.value(0) == QLatin1String("0") && f.value(2).isEmpty())
            continue;
        const int parent = int(keys.indexOf(f.value(0)));
        if (parent < 0)
            continue;  // an addition of no goods line of this order
        AlarmGoodsLine a;
        a.name = f.value(2);
        a.unitPrice = price(f.value(3));
        a.quantity = quantity(f.value(4));
        a.amount = a.unitPrice * a.quantity;
        a.key = lineKey(f.value(0));
        a.addCode = f.value(6);
        goods[parent].additions.append(a);
    }
    std::stable_sort(goods.begin(), goods.end(),
                     [](const AlarmGoodsLine &a, const AlarmGoodsLine &b) { return a.key < b.key; });
    return goods;
}

AlarmRejectReason MakeAlarmRejectReason(const QString &name, const QString &code)
{
    bool ok = false;
    const int tag = code.trimmed().toInt(&ok);
    return {name, ok ? tag : 1001};
}

NewOrderAlarm::NewOrderAlarm(NewOrderAlarmHooks hooks) : m_hooks(std::move(hooks))
{
}

int NewOrderAlarm::box(const QString &text, const QString &kind) const
{
    return m_hooks.msgBox ? m_hooks.msgBox(text, kind) : MsgBox(text, kind);
}

void NewOrderAlarm::log(const QString &line) const
{
    if (m_hooks.log)
        m_hooks.log(line);
    else
        WriteLog(line);
}

void NewOrderAlarm::changed() const
{
    if (m_hooks.changed)
        m_hooks.changed();
}

void NewOrderAlarm::reset()
{
    const QString path = m_detail.orderPath;
    m_detail = NewOrderDetail();
    ++m_goodsVersion;
    m_detail.orderPath = path;
    m_waitText.clear();
    m_minutes = 30;
    m_running = false;
    changed();
}

void NewOrderAlarm::closeWindow()
{
    reset();
    m_visible = false;
    if (m_hooks.hide)
        m_hooks.hide();
}

void NewOrderAlarm::chooseMinutes(int minutes)
{
    static const QList<int> allowed = {30, 45, 60, 70, 80, 90, 120};
    if (allowed.contains(minutes))
        m_minutes = minutes;
}

void NewOrderAlarm::openFor(const QString &rowStatus, const QString &rowArrival, const QString &popupOrderNo,
                            const QDateTime &now)
{
    if (rowStatus != QLatin1String("1001") || !rowArrival.isEmpty()) {
        box(QStringLiteral("이미 주문을 확인하였거나 상태가 변경되었습니다."), QStringLiteral("I"));
        return;
    }
    if (popupOrderNo.isEmpty())
        return;
    // The window shows only with an order in it; a failed load has told the user already, and a
    // window that showed another order goes rather than stay empty.
    if (!load(popupOrderNo)) {
        if (m_visible)
            closeWindow();
        return;
    }
    m_visible = true;
    if (m_hooks.show)
        m_hooks.show();
    shown(now);
}

bool NewOrderAlarm::load(const QString &ordNo)
{
    reset();
    const QString val = JoinRequestFields({ordNo, G_USER_INFO.ID, QStringLiteral("1")});
    const QStringList pages = m_hooks.requestList
                                  ? m_hooks.requestList(kDetailCode, QStringLiteral("ADM3"), val, QStringLiteral("3000"))
                                  : RequestList(G_TCP_CLIENT, kDetailCode, QStringLiteral("ADM3"), val,
                                                QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        log(kDetailCode + QStringLiteral(" ERR[NO RESULT]"));
        box(G_MSG_NET_FAIL, QStringLiteral("I"));
        return false;
    }
    bool loaded = false;
    QStringList goodsRows;
    QStringList additionRows;
    for (const QString &text : pages) {
        const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
        if (!doc.isObject()) {
            log(kDetailCode + QStringLiteral(" Exception Err ") + QStringLiteral("page is not a JSON object"));
            break;
        }
        const ActionReply r = ReadActionReply(text);
        if (r.code != QLatin1String("1")) {
            log(kDetailCode + QStringLiteral(" is Fail ") + r.code + QLatin1Char(':') + r.message);
            break;
        }
        const QStringList orderRows = rowsOf(r.object, "OUT_ROW1");
        if (!orderRows.isEmpty()) {
            const QStringList f = SplitUnescaped(G_FIELD_SEP, orderRows.first());
            NewOrderDetail &d = m_detail;
            d.number = FormatMoney(f.value(45));
            d.orderTime = f.value(11);
            d.orderTimeText = DateTimeToStr(f.value(11), 1);
            d.address = AlarmAddressText(f.value(28), f.value(54), f.value(64));
            d.distance = AlarmDistanceText(f.value(44));
            d.payment = AlarmPaymentText(f.value(34), f.value(35));
            d.amount = FormatMoney(f.value(36));
            d.ordNo = ordNo;
            d.orderPath = f.value(3);
            d.status = f.value(2);
            loaded = true;
        }
        goodsRows += rowsOf(r.object, "OUT_ROW2");
        additionRows += rowsOf(r.object, "OUT_ROW3");
    }
    m_detail.goods = AlarmGoodsTree(goodsRows, additionRows);
    ++m_goodsVersion;
    changed();
    return loaded;
}

void NewOrderAlarm::shown(const QDateTime &now)
{
    m_shownAt = now;
    m_running = true;
    if (m_detail.orderPath != QLatin1String("1001") && m_detail.orderPath != QLatin1String("1014"))
        m_waitText.clear();
    changed();
}

AlarmTick NewOrderAlarm::tick(const QDateTime &now)
{
    if (!m_running)
        return {};
    const AlarmTick t = NewOrderAlarmTick(m_detail.orderPath, m_detail.orderTime, m_shownAt, now);
    if (t.close) {
        m_running = false;
        m_visible = false;
        if (m_hooks.hide)
            m_hooks.hide();
        return t;
    }
    if (!t.waitText.isEmpty())
        m_waitText = t.waitText;
    if (t.sound && m_hooks.playSound)
        m_hooks.playSound(3);
    changed();
    return t;
}

void NewOrderAlarm::reject(const AlarmRejectReason &reason)
{
    if (box(QStringLiteral("주문 취소 하시겠습니까?"), QStringLiteral("Q")) != 1)
        return;
    proc_SendOrderConfirm(4002, reason.tag);
}

void NewOrderAlarm::proc_SendOrderConfirm(int status, int reason)
{
    const QString ordNo = m_detail.ordNo;
    if (ordNo.isEmpty())
        return;  // nothing loaded
    QString code;
    QString val;
    if (status == 1001 || status == 2001) {
        code = QStringLiteral("CS01_12_V02");
        val = JoinRequestFields({ordNo, G_USER_INFO.ID, m_detail.status, QString::number(status),
                               QString::number(m_minutes)});
    } else if (status == 4002) {
        code = QStringLiteral("CS01_11_V03");
        val = JoinRequestFields({ordNo, G_USER_INFO.ID, G_USER_INFO.USER_TYPE_CD.left(1), m_detail.status,
                               QStringLiteral("4002"), QString::number(reason), QString(), QString()});
    } else {
        return;
    }
    QString reply;
    if (m_hooks.request)
        reply = m_hooks.request(code, QStringLiteral("ADM1"), val);
    else
        RequestOne(G_TCP_CLIENT, code, QStringLiteral("ADM1"), val, QString(), QString(), 30000, reply);
    if (reply.isEmpty()) {
        log(code + QStringLiteral(" ERR[NO RESULT]"));
        box(G_MSG_NET_FAIL, QStringLiteral("I"));
        return;
    }
    const ActionReply r = ReadActionReply(reply);
    if (!r.readable) {
        log(code + QStringLiteral(" Exception Err ") + QStringLiteral("reply is not a JSON object"));
        return;
    }
    if (r.code != QLatin1String("1")) {
        box(G_MSG_RESULT[0] + QStringLiteral("\r\n") + r.message, QStringLiteral("I"));
        log(code + QStringLiteral(" is Fail ") + r.code + QLatin1Char(':') + r.message);
        return;
    }
    if (m_hooks.removeNewOrder)
        m_hooks.removeNewOrder(ordNo);
    if (status == 4002)
        box(reason == 9999 || r.message == QLatin1String("SYSTEM") ? QStringLiteral("자동취소 되었습니다")
                                                                   : QStringLiteral("주문취소 되었습니다"),
            QStringLiteral("I"));
    else
        box(G_MSG_OK, QStringLiteral("I"));
    closeWindow();
}
