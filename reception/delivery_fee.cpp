#include "reception/delivery_fee.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "link/link_state.h"
#include "link/request_link.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QUrlQuery>

#include <cmath>

namespace
{
bool feeCoordinateMissing(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return !ok || v == -1;
}

qint64 feeWholeNumber(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? v : 0;
}
} // namespace

std::optional<QString> DeliveryFeePayload(const DeliveryFeeInputs &in)
{
    if (feeCoordinateMissing(in.customerLng) || feeCoordinateMissing(in.customerLat) || in.groupCode.isNull())
        return std::nullopt;
    return JoinRequestFields({in.storeCode, in.groupCode, in.storeLat, in.storeLng, in.customerLat, in.customerLng,
                              in.deliveryCountClass, in.lotAddr, in.detailAddr, in.roadAddr, in.appAddr, QString(),
                              in.adminDong, in.bundleCount});
}

DeliveryFeeResult ReadDeliveryFeeReply(const QString &reply, const QString &supportText)
{
    const QString code = QString::fromLatin1(kDeliveryFeeCode);
    DeliveryFeeResult r;
    if (reply.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return r;
    }
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(reply.toUtf8(), &err);
    if (!doc.isObject()) {
        WriteLog(code + QStringLiteral(" Exception Err ") + err.errorString());
        return r;
    }
    const QJsonObject o = doc.object();
    const QString outCode = JsonStr(o, QStringLiteral("OUT_CODE"));
    if (outCode != QLatin1String("1")) {
        WriteLog(code + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':') + JsonStr(o, QStringLiteral("OUT_MSG")));
        return r;
    }
    const QJsonObject row = o.value(QStringLiteral("OUT_ROW1")).toArray().at(0).toObject();
    r.ok = true;
    r.breakdown = JsonStr(o, QStringLiteral("OUT_VAL"));
    r.fee = feeWholeNumber(JsonStr(row, QStringLiteral("C_0")));
    const qint64 support = feeWholeNumber(supportText);
    if (support > 0) {
        r.breakdown += QStringLiteral("\r추가요금: ") + supportText;
        r.fee += support;
    }
    r.managementFee = JsonStr(row, QStringLiteral("C_1"));
    r.surcharge = feeWholeNumber(JsonStr(row, QStringLiteral("C_2")));
    bool ok = false;
    const double d = JsonStr(row, QStringLiteral("C_3")).toDouble(&ok);
    r.distance = ok && std::isfinite(d) ? d : 0;
    return r;
}

QString DeliveryDistanceText(double metres)
{
    const qint64 whole = qint64(std::trunc(metres));
    return QString::number(double(whole) / 1000.0, 'g', 15) + QStringLiteral("Km");
}

QString DeliveryFeeLabelText(bool delivery, qint64 surcharge, const QString &feeWord)
{
    if (!delivery)
        return QStringLiteral("주방\r\n발주시간");
    if (surcharge > 0)
        return feeWord + QStringLiteral("\n할증:") + QString::number(surcharge);
    return feeWord;
}

DeliveryFeeRequest DefaultDeliveryFeeRequest()
{
    return [](const QString &code, const QString &callType, const QString &payload) {
        QString reply;
        RequestOne(G_TCP_CLIENT, code, callType, payload, QString(), QString(), 30000, reply);
        return reply;
    };
}

bool DeliveryFeeCache::record(const DeliveryFeeInputs &in)
{
    const std::optional<QString> payload = DeliveryFeePayload(in);
    if (!payload)
        return false;
    m_last = *payload;
    return true;
}

std::optional<QString> DeliveryFeeCache::ask(const DeliveryFeeInputs &in)
{
    const std::optional<QString> payload = DeliveryFeePayload(in);
    if (!payload || *payload == m_last)
        return std::nullopt;
    m_last = *payload;
    return m_request ? m_request(QString::fromLatin1(kDeliveryFeeCode), QStringLiteral("ADM1"), *payload) : QString();
}

QUrl CustomerMapUrl(const QString &base, const QString &cuX, const QString &cuY, const QString &stX, const QString &stY)
{
    QUrl url(base.trimmed());
    if (!url.isValid() || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
        return {};
    QUrlQuery q(url);
    q.addQueryItem(QStringLiteral("MOVE_LAT_Y"), cuY);
    q.addQueryItem(QStringLiteral("MOVE_LNG_X"), cuX);
    q.addQueryItem(QStringLiteral("STOP_LAT_Y"), stY);
    q.addQueryItem(QStringLiteral("STOP_LNG_X"), stX);
    url.setQuery(q);
    return url;
}
