#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

// The delivery fee of a reception: the server computes it from the store, the delivery group, both
// positions and the address; the window remembers the last question and never asks it twice.

inline constexpr char kDeliveryFeeCode[] = "CS01_09_V04";
inline constexpr char kFeeAfterDispatch[] = "배차후결정";

struct DeliveryFeeInputs
{
    QString storeCode, groupCode;   // groupCode null: no group chosen
    QString storeLat, storeLng, customerLat, customerLng;
    QString deliveryCountClass, lotAddr, detailAddr, roadAddr, appAddr, adminDong, bundleCount;
};

// The payload, or nothing when the fee cannot be asked (no customer position, no group).
std::optional<QString> DeliveryFeePayload(const DeliveryFeeInputs &in);

struct DeliveryFeeResult
{
    bool ok = false;
    QString breakdown;       // "OUT_VAL", with the store's support added
    qint64 fee = 0;          // with the store's support added
    QString managementFee;   // "C_1"
    qint64 surcharge = 0;
    double distance = 0;     // metres
};

// Reads a reply; logs an empty, failed or unreadable one (ok false). supportText is the store's
// support amount added to the fee when above 0.
DeliveryFeeResult ReadDeliveryFeeReply(const QString &reply, const QString &supportText);

// "11.404Km" for 11404.7 metres.
QString DeliveryDistanceText(double metres);
// The fee label: the fee word, with the surcharge on a second line when there is one.
QString DeliveryFeeLabelText(bool delivery, qint64 surcharge, const QString &feeWord);

// The map page at base with the customer's and the store's positions; an empty address unless base
// is http or https.
QUrl CustomerMapUrl(const QString &base, const QString &cuX, const QString &cuY, const QString &stX, const QString &stY);

// The request as the link sends it; the reply text, "" when nothing came back.
using DeliveryFeeRequest = std::function<QString(const QString &code, const QString &callType, const QString &payload)>;
DeliveryFeeRequest DefaultDeliveryFeeRequest();

// Asks for the fee when the inputs differ from the last ones asked. The payload is remembered
// before the request, so a failed request is not repeated for the same inputs.
class DeliveryFeeCache
{
public:
    explicit DeliveryFeeCache(DeliveryFeeRequest request = DefaultDeliveryFeeRequest()) : m_request(std::move(request)) {}

    // Records the payload as already asked (no request). False when there is nothing to record.
    bool record(const DeliveryFeeInputs &in);
    // The reply when a request went out (empty text for no answer); nothing when none was sent.
    std::optional<QString> ask(const DeliveryFeeInputs &in);

    QString &last() { return m_last; }
    void setRequest(DeliveryFeeRequest request) { m_request = std::move(request); }

private:
    DeliveryFeeRequest m_request;
    QString m_last;
};
