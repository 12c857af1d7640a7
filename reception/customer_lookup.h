#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The customer of a telephone number at a store: who it is, the orders delivered to it and the
// goods it bought, as the reception window's customer page shows them; and the save of the name
// and memo edited there.

inline constexpr char kCustomerLookupCode[] = "CS01_03_V02";
inline constexpr char kCustomerSaveCode[] = "CS01_04_V01";

// The telephone as sent: blanks and dashes removed, then only its digits.
QString CustomerTelDigits(const QString &typed);
// The payload, nothing when the store code is empty (or its placeholder) or the telephone has no
// digit.
std::optional<QString> CustomerLookupPayload(const QString &storeCode, const QString &typedTel);

struct CustomerRecord
{
    QString no, gender, age, name, memberYn, authDateTime, memo, appCount, useCount, appSendYn, firstOrderDateTime;
    qint64 money = 0;
    bool ownCustomer = false;  // the store's own customer ("1") or another's
    bool member() const { return memberYn == QLatin1String("Y"); }
    bool appSendAllowed() const { return appSendYn == QLatin1String("Y"); }
};

// The past-order grid's columns by index (0..14), the order number and the order kind.
struct CustomerPastOrder
{
    QStringList columns;  // 15 texts
    QString orderNo, orderKind;
};

struct CustomerPastGoods
{
    QString goodsNo, op1, op2, op3, op4, name;
    qint64 quantity = 1, price = 0;
};

struct CustomerLookupResult
{
    bool noReply = false;
    bool failed = false;  // a page said the lookup failed; later pages were not read
    std::optional<CustomerRecord> customer;
    QList<CustomerPastOrder> orders;
    QList<CustomerPastGoods> goods;
};

// A date-time of the reply as the page shows it: date, a line break, hour:minute; empty when it is
// empty or not a date-time.
QString CustomerDateTimeText(const QString &text);

// Looks goods up in the store's list; nothing when the store does not sell it (any more).
struct CustomerGoodsInfo
{
    QString name;
    qint64 price = 0;
    // option number -> (name, price) per option list 1..4
    std::function<std::optional<std::pair<QString, qint64>>(int list, const QString &opNo)> option;
};
using CustomerGoodsLookup = std::function<std::optional<CustomerGoodsInfo>(const QString &goodsNo)>;
// The store's goods from the reference data.
CustomerGoodsLookup StoreGoodsLookup(const QString &storeCode);

// Reads the reply pages in order (logging as the lookup does).
CustomerLookupResult ReadCustomerLookup(const QStringList &pages, const CustomerGoodsLookup &goods);

using CustomerRequestList = std::function<QStringList(const QString &code, const QString &callType, const QString &payload)>;
using CustomerRequestOne = std::function<QString(const QString &code, const QString &callType, const QString &payload)>;
CustomerRequestList DefaultCustomerRequestList();
CustomerRequestOne DefaultCustomerRequestOne();

// The save's payload: store, telephone without blanks and dashes, user, trimmed name, memo.
QString CustomerSavePayload(const QString &storeCode, const QString &typedTel, const QString &userId,
                            const QString &name, const QString &memo);
// The user's message after the save's reply.
QString CustomerSaveMessage(const QString &reply);
