#include "reception/customer_lookup.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/address_texts.h"
#include "records/order_time_texts.h"
#include "records/reference_lookups.h"
#include "text/phone_helpers.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
constexpr char kStorePlaceholder[] = "가맹점코드";

qint64 customerWholeNumber(const QString &text, qint64 otherwise)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? v : otherwise;
}

QString cKey(int i)
{
    return QStringLiteral("C_%1").arg(i);
}

CustomerRecord customerOfRow(const QJsonObject &o)
{
    auto c = [&](int i) { return JsonStr(o, cKey(i)); };
    CustomerRecord r;
    r.no = c(0);
    r.gender = c(1);
    r.age = c(2);
    r.name = c(3);
    r.memberYn = c(4);
    r.authDateTime = c(5);
    r.money = customerWholeNumber(c(6), 0);
    r.ownCustomer = c(7) == QLatin1String("1");
    r.memo = c(8);
    r.appCount = c(9);
    r.useCount = c(10);
    r.appSendYn = c(13);
    r.firstOrderDateTime = c(14);
    return r;
}

CustomerPastOrder pastOrderOfRow(const QJsonObject &o)
{
    auto c = [&](int i) { return JsonStr(o, cKey(i)); };
    CustomerPastOrder p;
    p.columns = {QString(),
                 DateTimeToStr(c(0), 3),
                 c(1),
                 c(11),
                 AddrRoadText(c(3), c(12)),
                 c(4),
                 c(5),
                 FormatPhone(c(6), 0),
                 c(0),
                 c(7),
                 c(8),
                 c(9),
                 c(10),
                 c(3),
                 c(12)};
    p.orderNo = c(13);
    if (o.size() > 14)
        p.orderKind = c(14);
    return p;
}
} // namespace

QString CustomerTelDigits(const QString &typed)
{
    QString out;
    for (const QChar ch : typed)
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
            out.append(ch);
    return out;
}

std::optional<QString> CustomerLookupPayload(const QString &storeCode, const QString &typedTel)
{
    const QString tel = CustomerTelDigits(typedTel);
    if (storeCode.isEmpty() || storeCode == QString::fromUtf8(kStorePlaceholder) || tel.isEmpty())
        return std::nullopt;
    return JoinRequestFields({storeCode, tel});
}

QString CustomerDateTimeText(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    QDateTime dt = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime::fromString(t, QStringLiteral("yyyyMMddHHmmss"));
    if (!dt.isValid())
        dt = QDateTime::fromString(t, Qt::ISODate);
    if (!dt.isValid())
        return {};
    return dt.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("\r\n") + dt.toString(QStringLiteral("HH:mm"));
}

CustomerGoodsLookup StoreGoodsLookup(const QString &storeCode)
{
    return [storeCode](const QString &goodsNo) -> std::optional<CustomerGoodsInfo> {
        const TGOODS_LIST g = GetStGoods(storeCode, goodsNo);
        if (g.GOODS_NAME.str().isEmpty())
            return std::nullopt;
        CustomerGoodsInfo info;
        info.name = g.GOODS_NAME.str();
        info.price = customerWholeNumber(g.ORD_PRICE.str(), 0);
        info.option = [g](int list, const QString &opNo) -> std::optional<std::pair<QString, qint64>> {
            const CompactKeyedList<TGOOD_OP> *ops = list == 1 ? &g.OP1 : list == 2 ? &g.OP2 : list == 3 ? &g.OP3 : &g.OP4;
            for (int i = 0; i < ops->count(); ++i)
                if (ops->at(i).ST_GOODS_OP_NO.str() == opNo)
                    return std::make_pair(ops->at(i).OPTION_NAME.str(),
                                          customerWholeNumber(ops->at(i).OPTION_PRICE.str(), 0));
            return std::nullopt;
        };
        return info;
    };
}

CustomerLookupResult ReadCustomerLookup(const QStringList &pages, const CustomerGoodsLookup &goods)
{
    const QString code = QString::fromLatin1(kCustomerLookupCode);
    CustomerLookupResult r;
    if (pages.isEmpty()) {
        r.noReply = true;
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return r;
    }
    for (const QString &text : pages) {
        QJsonParseError err;
        const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &err);
        if (!doc.isObject()) {
            WriteLog(code + QStringLiteral(" Exception Err ") + err.errorString());
            r.failed = true;
            return r;
        }
        const QJsonObject page = doc.object();
        const QString outCode = JsonStr(page, QStringLiteral("OUT_CODE"));
        if (outCode != QLatin1String("1")) {
            WriteLog(code + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':') + JsonStr(page, QStringLiteral("OUT_MSG")));
            r.failed = true;
            return r;
        }
        const QJsonArray row1 = page.value(QStringLiteral("OUT_ROW1")).toArray();
        if (row1.size() == 1 && row1.at(0).toObject().size() > 1)
            r.customer = customerOfRow(row1.at(0).toObject());
        for (const QJsonValue &v : page.value(QStringLiteral("OUT_ROW2")).toArray())
            r.orders.append(pastOrderOfRow(v.toObject()));
        for (const QJsonValue &v : page.value(QStringLiteral("OUT_ROW3")).toArray()) {
            const QJsonObject o = v.toObject();
            auto c = [&](int i) { return JsonStr(o, cKey(i)); };
            const std::optional<CustomerGoodsInfo> info = goods ? goods(c(0)) : std::nullopt;
            if (!info)
                continue;
            CustomerPastGoods g;
            g.goodsNo = c(0);
            g.op1 = c(1);
            g.op2 = c(2);
            g.op3 = c(4);
            g.op4 = c(5);
            g.quantity = customerWholeNumber(c(3), 1);
            g.price = info->price;
            QString optionText;
            bool previousTaken = false;
            const QString ops[4] = {g.op1, g.op2, g.op3, g.op4};
            for (int k = 0; k < 4; ++k) {
                QString name;
                if (customerWholeNumber(ops[k], 0) > 0 && info->option) {
                    if (const auto found = info->option(k + 1, ops[k])) {
                        name = found->first;
                        g.price += found->second;
                    }
                }
                // An option's name joins the text only after the option before it was taken.
                const bool taken = !name.isEmpty() && (k == 0 || previousTaken);
                if (taken)
                    optionText += (k == 0 ? QString() : QStringLiteral(",")) + name;
                previousTaken = taken;
            }
            g.name = optionText.isEmpty() ? info->name : info->name + QLatin1Char('(') + optionText + QLatin1Char(')');
            r.goods.append(g);
        }
    }
    return r;
}

CustomerRequestList DefaultCustomerRequestList()
{
    return [](const QString &code, const QString &callType, const QString &payload) {
        return RequestList(G_TCP_CLIENT, code, callType, payload, QStringLiteral("3000"), 30000);
    };
}

CustomerRequestOne DefaultCustomerRequestOne()
{
    return [](const QString &code, const QString &callType, const QString &payload) {
        QString reply;
        RequestOne(G_TCP_CLIENT, code, callType, payload, QString(), QString(), 30000, reply);
        return reply;
    };
}

QString CustomerSavePayload(const QString &storeCode, const QString &typedTel, const QString &userId,
                            const QString &name, const QString &memo)
{
    QString tel = typedTel;
    tel.remove(QLatin1Char(' '));
    tel.remove(QLatin1Char('-'));
    return JoinRequestFields({storeCode, tel, userId, name.trimmed(), memo});
}

QString CustomerSaveMessage(const QString &reply)
{
    const QString code = QString::fromLatin1(kCustomerSaveCode);
    if (reply.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return QStringLiteral("인터넷 연결이 원활하지 정보 요청에 실패했습니다.");
    }
    const QJsonDocument doc = QJsonDocument::fromJson(reply.toUtf8());
    if (!doc.isObject()) {
        WriteLog(code + QStringLiteral(" Exception Err not an object"));
        return QStringLiteral("실패했습니다.\n");
    }
    if (JsonStr(doc.object(), QStringLiteral("OUT_CODE")) == QLatin1String("1"))
        return QStringLiteral("저장했습니다.");
    return QStringLiteral("실패했습니다.\n") + JsonStr(doc.object(), QStringLiteral("OUT_MSG"));
}
